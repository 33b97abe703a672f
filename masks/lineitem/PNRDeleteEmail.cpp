#include "masks/lineitem/PNRDeleteEmail.h"

#include "framework/CParseField.h"
#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"
#include "framework/services/TorvanArch.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_delete_email;
using namespace platform;

namespace {

constexpr std::size_t kQueueBuffer = 1024;
constexpr int kNoControl = -1;

bool isBlank(const fields::CField& field) {
  return platform::trimWhiteSpace(field.GetText()).empty();
}

}  // namespace

// Saved in this order: the three modes, then the line numbers, only the chosen mode's with
// their text and the others empty. A Recall without a chosen mode loads no line number.
CPNRDeleteEmail::CPNRDeleteEmail() {
  const auto declareMode = [&](fields::CField& radio, int id, std::string_view labKey,
                               std::string_view tipKey) {
    fields().declare(radio, "", id, kNoControl, 0, 0, labKey, tipKey, fields::kModification);
  };
  declareMode(specificMode_, ids::kSpecificMode, "LAB_PNR_SPECIFIC",
              "TOOLTIP_PNR_DELETE_SPECIFIC_EMAIL");
  declareMode(rangeMode_, ids::kRangeMode, "LAB_PNR_RANGE", "TOOLTIP_PNR_DELETE_RANGE_EMAIL");
  declareMode(multipleMode_, ids::kMultipleMode, "LAB_PNR_MULTIPLE",
              "TOOLTIP_PNR_DELETE_MULTIPLE_EMAIL");
  fields().declare(rangeTo_, "", ids::kRangeToLabel, kNoControl, 0, 0, "LAB_PNR_TO", "",
                   fields::kModification);
  fields().declare(specificButton_, "SPECIFIC_CHECK", ids::kSpecificMode, true);
  fields().declare(rangeButton_, "RANGE", ids::kRangeMode);
  fields().declare(multipleButton_, "MULTIPLE", ids::kMultipleMode);
  const auto declareLine = [&](fields::CField& line, std::string key, int id, int limit,
                               std::string_view tipKey, Mode mode) {
    fields()
        .declare(line, key, kNoControl, id, 0, limit, "", tipKey, fields::kModification)
        .savedEmptyUnless([this, mode] { return SelectedMode() == mode; })
        .loadedOnlyWhen([this] { return SelectedMode() != Mode::None; });
  };
  declareLine(specificLine_, "SPECIFIC", ids::kSpecificLine, 2, "TOOLTIP_PNR_SPECIFIC",
              Mode::Specific);
  declareLine(rangeFirst_, "RANGE_FROM", ids::kRangeFirst, 3, "TOOLTIP_PNR_RANGE_FIRST",
              Mode::Range);
  declareLine(rangeLast_, "RANGE_TO", ids::kRangeLast, 3, "TOOLTIP_PNR_RANGE_LAST", Mode::Range);
  for (std::size_t index = 0; index < multipleLines_.size(); ++index) {
    declareLine(multipleLines_[index], "MULTIPLE" + std::to_string(index + 1),
                ids::kMultipleLines[index], 2, "TOOLTIP_PNR_MULTIPLE", Mode::Multiple);
  }
}

// A mask without a chosen mode comes back in Specific mode.
void CPNRDeleteEmail::ApplyRules() {
  if (SelectedMode() == Mode::None) {
    SelectMode(ids::kSpecificMode);
  } else {
    ApplyMode();
  }
}

bool CPNRDeleteEmail::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code != WM_COMMAND || highWord(message.wParam) != BN_CLICKED) return false;
  const int id = lowWord(message.wParam);
  if (id == ids::kSpecificMode || id == ids::kRangeMode || id == ids::kMultipleMode) ApplyMode();
  return false;
}

// The desktop's preset: the line to delete, in Specific mode.
void CPNRDeleteEmail::AfterInitDialog() {
  std::string message;
  Q_popString("ID_MODIFYPNR_DELEMAIL", "", message, kQueueBuffer, "VLWHITEBOARD", 60000);
  if (message.empty()) return;
  framework::CParseField parameters(message.c_str(), "&");
  std::string line;
  if (!parameters.GetValue("LineNum", line)) return;
  specificLine_.SetText(line);
  SelectMode(ids::kSpecificMode);
}

CPNRDeleteEmail::Mode CPNRDeleteEmail::SelectedMode() const {
  if (specificButton_.IsChecked()) return Mode::Specific;
  if (rangeButton_.IsChecked()) return Mode::Range;
  if (multipleButton_.IsChecked()) return Mode::Multiple;
  return Mode::None;
}

void CPNRDeleteEmail::SelectMode(int radioId) {
  for (int id : {ids::kSpecificMode, ids::kRangeMode, ids::kMultipleMode}) {
    dialog()->child(id)->setCheckState(id == radioId ? 1 : 0);
  }
  ApplyMode();
}

void CPNRDeleteEmail::ApplyMode() {
  const Mode mode = SelectedMode();
  if (mode == Mode::None) return;
  specificLine_.Enable(mode == Mode::Specific);
  rangeFirst_.Enable(mode == Mode::Range);
  rangeLast_.Enable(mode == Mode::Range);
  for (fields::CField& line : multipleLines_) line.Enable(mode == Mode::Multiple);
}

int CPNRDeleteEmail::CheckLineNumber(fields::CField& line) {
  const std::string text = line.GetText();
  if (text == "0" || text == "00" || text == "000") {
    line.ReportError("ERR_PNR_DELETE_NON_ZERO");
    return 0;
  }
  if (!CTorvanValidate().IsNumeric(text)) {
    line.ReportError("ERR_PNR_NON_NUMERIC");
    return 0;
  }
  return 1;
}

int CPNRDeleteEmail::CheckRequiredLine(fields::CField& line) {
  if (isBlank(line)) {
    line.ReportError("ERR_EMAIL_LINE_NO_MANDATORY");
    return 0;
  }
  return CheckLineNumber(line);
}

bool CPNRDeleteEmail::ValidateFields() {
  switch (SelectedMode()) {
    case Mode::Specific:
      return CheckRequiredLine(specificLine_);
    case Mode::Range:
      return CheckRequiredLine(rangeFirst_) && CheckRequiredLine(rangeLast_);
    case Mode::Multiple: {
      bool any = false;
      for (fields::CField& line : multipleLines_) {
        if (isBlank(line)) continue;
        if (!CheckLineNumber(line)) return false;
        any = true;
      }
      if (any) return true;
      multipleLines_[0].ReportError("ERR_PNR_DELETE_ATLEAST_ONE");
      return false;
    }
    case Mode::None:
      return true;
  }
  return true;
}

std::string CPNRDeleteEmail::BuildCommand() const {
  std::string lines;
  switch (SelectedMode()) {
    case Mode::Specific:
      lines = specificLine_.GetText();
      break;
    case Mode::Range:
      lines = rangeFirst_.GetText() + "-" + rangeLast_.GetText();
      break;
    case Mode::Multiple:
      for (const fields::CField& line : multipleLines_) {
        if (isBlank(line)) continue;
        if (!lines.empty()) lines += ",";
        lines += line.GetText();
      }
      break;
    case Mode::None:
      break;
  }
  return "PE" + lines + std::string(framework::kChangeMark);
}
