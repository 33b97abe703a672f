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
  const auto declareLine = [&](fields::CField& line, int id, int limit, std::string_view tipKey) {
    fields().declare(line, "", kNoControl, id, 0, limit, "", tipKey, fields::kModification);
  };
  declareLine(specificLine_, ids::kSpecificLine, 2, "TOOLTIP_PNR_SPECIFIC");
  declareLine(rangeFirst_, ids::kRangeFirst, 3, "TOOLTIP_PNR_RANGE_FIRST");
  declareLine(rangeLast_, ids::kRangeLast, 3, "TOOLTIP_PNR_RANGE_LAST");
  for (std::size_t index = 0; index < multipleLines_.size(); ++index) {
    declareLine(multipleLines_[index], ids::kMultipleLines[index], 2, "TOOLTIP_PNR_MULTIPLE");
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
  const Window& dialog = *this->dialog();
  if (dialog.child(ids::kSpecificMode)->checkState() == 1) return Mode::Specific;
  if (dialog.child(ids::kRangeMode)->checkState() == 1) return Mode::Range;
  if (dialog.child(ids::kMultipleMode)->checkState() == 1) return Mode::Multiple;
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

// The three mode states, every line key emptied, then the lines of the chosen mode.
void CPNRDeleteEmail::SaveFields(CTorvanProfile& profile) {
  const Window& dialog = *this->dialog();
  const auto write = [&](std::string_view key, const std::string& value) {
    profile.setKeyName(key);
    profile.setValue(value);
  };
  write("SPECIFIC_CHECK", std::to_string(dialog.child(ids::kSpecificMode)->checkState()));
  write("RANGE", std::to_string(dialog.child(ids::kRangeMode)->checkState()));
  write("MULTIPLE", std::to_string(dialog.child(ids::kMultipleMode)->checkState()));
  write("SPECIFIC", "");
  write("RANGE_FROM", "");
  write("RANGE_TO", "");
  for (std::size_t index = 0; index < multipleLines_.size(); ++index) {
    write("MULTIPLE" + std::to_string(index + 1), "");
  }
  switch (SelectedMode()) {
    case Mode::Specific:
      specificLine_.Save(profile, "SPECIFIC");
      break;
    case Mode::Range:
      rangeFirst_.Save(profile, "RANGE_FROM");
      rangeLast_.Save(profile, "RANGE_TO");
      break;
    case Mode::Multiple:
      for (std::size_t index = 0; index < multipleLines_.size(); ++index) {
        multipleLines_[index].Save(profile, "MULTIPLE" + std::to_string(index + 1));
      }
      break;
    case Mode::None:
      break;
  }
}

void CPNRDeleteEmail::LoadFields(CTorvanProfile& profile) {
  const auto restoreRadio = [&](int id, std::string_view key) {
    profile.setKeyName(key);
    std::string value;
    profile.getValue(value, "", 1024);
    dialog()->child(id)->setCheckState(value == "1" ? 1 : 0);
  };
  restoreRadio(ids::kSpecificMode, "SPECIFIC_CHECK");
  restoreRadio(ids::kRangeMode, "RANGE");
  restoreRadio(ids::kMultipleMode, "MULTIPLE");
  if (SelectedMode() == Mode::None) {
    ClearFields();
    return;
  }
  specificLine_.Load(profile, "SPECIFIC");
  rangeFirst_.Load(profile, "RANGE_FROM");
  rangeLast_.Load(profile, "RANGE_TO");
  for (std::size_t index = 0; index < multipleLines_.size(); ++index) {
    multipleLines_[index].Load(profile, "MULTIPLE" + std::to_string(index + 1));
  }
  ApplyMode();
}

void CPNRDeleteEmail::ClearFields() {
  specificLine_.Clear();
  rangeFirst_.Clear();
  rangeLast_.Clear();
  for (fields::CField& line : multipleLines_) line.Clear();
  SelectMode(ids::kSpecificMode);
}
