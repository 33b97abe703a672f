#include "fields/NumberFields.h"

#include <cstdio>
#include <string_view>

#include "fields/ScanNumber.h"
#include "framework/services/CTorvanValidate.h"

namespace fields {

using platform::Window;

namespace {

// The numbers these fields take go into host commands as typed, so none may carry a sign.
bool hasSign(std::string_view text) {
  return text.find_first_of("+-") != std::string_view::npos;
}

// A minus before digits: a number below 1 rather than a text that is no number.
bool isNegativeNumber(std::string_view text) {
  return text.size() > 1 && text[0] == '-' && CTorvanValidate().IsNumeric(text.substr(1)) != 0;
}

}  // namespace

int CFieldLineNo::Create(Window& dialog, int labelId, int valueId, int mandatory,
                         int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 2, "LAB_PNR_LINENO", "TIP_PNR_LINENO",
                        modification);
}

int CFieldLineNo::Validate() {
  const std::string text = GetText(kNumberBuffer);
  if (const auto outcome = CheckEmpty(text, "ERR_PNR_LINENO_NONE")) return *outcome;
  if (CTorvanValidate().IsNumeric(text) == 0) {
    ReportError(isNegativeNumber(text) ? "ERR_PNR_LINENO_INVALID" : "ERR_PNR_LINENO_NONNUMERIC");
    return 0;
  }
  const auto number = scanNumber(text);
  if (!number || number->value <= 0) {
    ReportError("ERR_PNR_LINENO_INVALID");
    return 0;
  }
  return 1;
}

int CFieldPaxNameNo::Create(Window& dialog, int labelId, int valueId, int mandatory) {
  return CField::Create(dialog, labelId, valueId, mandatory, 5, "LAB_PNR_PAXNAMENO",
                        "TIP_PNR_PAXNAMENO", kModification);
}

int CFieldPaxNameNo::Validate() {
  const std::string text = GetText(kNumberBuffer);
  if (const auto outcome = CheckEmpty(text, "ERR_PNR_PAXNAMENO_NONE")) return *outcome;
  const std::size_t bad = text.find_first_not_of("0123456789.");
  if (bad == std::string::npos) return 1;
  ReportErrorAt("ERR_PNR_PAXNAMENO_NONNUMERIC", bad);
  return 0;
}

int CFieldPaxNameNos::Create(Window& dialog, int labelId, int valueId, int mandatory) {
  return CField::Create(dialog, labelId, valueId, mandatory, 40, "LAB_PNR_PAXNAMENOS",
                        "TIP_PNR_PAXNAMENOS", kModification);
}

int CFieldPaxNameNos::Validate() {
  const std::string text = GetText(kNumberBuffer);
  if (const auto outcome = CheckEmpty(text, "ERR_PNR_PAXNAMENOS_NONE")) return *outcome;
  if (text.find_first_not_of("0123456789,.-") == std::string::npos) return 1;
  ReportError("ERR_PNR_PAXNAMENOS_INVALID");
  return 0;
}

int CFieldSeatNo::Create(Window& dialog, int labelId, int valueId, int mandatory) {
  return CField::Create(dialog, labelId, valueId, mandatory, 2, "LAB_PNR_SEATNO", "TIP_PNR_SEATNO",
                        kModification);
}

int CFieldSeatNo::Validate() {
  const std::string text = GetText(kNumberBuffer);
  if (const auto outcome = CheckEmpty(text, "ERR_PNR_SEATNO_NONE")) return *outcome;
  const auto number = scanNumber(text);
  if (number && number->value > 0 && !hasSign(text)) return 1;
  ReportError("ERR_PNR_SEATNO_INVALID");
  return 0;
}

int CFieldSegmentNo::Create(Window& dialog, int labelId, int valueId, int mandatory) {
  return CField::Create(dialog, labelId, valueId, mandatory, 15, "LAB_PNR_SEGMENTNO",
                        "TIP_PNR_SEGMENTNO", kModification);
}

int CFieldSegmentNo::Validate() {
  const std::string text = GetText(kShortBuffer);
  if (const auto outcome = CheckEmpty(text, "ERR_PNR_SEGMENTNO_NONE")) return *outcome;
  if (text.find('-') != std::string::npos) return ValidateRange(text);
  if (text.find('/') != std::string::npos) return ValidateList(text);
  return ValidateSingle(text);
}

int CFieldSegmentNo::ValidateRange(const std::string& text) {
  std::string spaced = text;
  spaced[spaced.find('-')] = ' ';
  const auto first = scanNumber(spaced);
  const auto second = first ? scanNumber(spaced, first->end) : std::nullopt;
  if (!second || first->value < 0 || second->value < 0) {
    ReportError("ERR_PNR_SEGMENTNO_INVALID");
    return 0;
  }
  if (first->value == 0 || second->value == 0) {
    ReportError("ERR_PNR_SEGMENTNO_ZERO");
    return 0;
  }
  SetText(std::to_string(first->value) + "-" + std::to_string(second->value));
  return 1;
}

int CFieldSegmentNo::ValidateList(const std::string& text) {
  std::size_t partStart = 0;
  while (true) {
    const std::size_t slash = text.find('/', partStart);
    const std::size_t partEnd = slash == std::string::npos ? text.size() : slash;
    const std::string_view part = std::string_view(text).substr(partStart, partEnd - partStart);
    const auto number = scanNumber(part);
    // A list goes out as typed, so a part with a sign is refused rather than rewritten.
    if (part.empty() || !number || number->value < 0 || hasSign(part)) {
      ReportErrorAt("ERR_PNR_SEGMENTNO_INVALID", partStart);
      return 0;
    }
    if (number->value == 0) {
      ReportError("ERR_PNR_SEGMENTNO_ZERO");
      return 0;
    }
    if (slash == std::string::npos) return 1;
    partStart = slash + 1;
  }
}

int CFieldSegmentNo::ValidateSingle(const std::string& text) {
  const auto number = scanNumber(text);
  if (!number || number->value < 0) {
    ReportError("ERR_PNR_SEGMENTNO_INVALID");
    return 0;
  }
  if (number->value == 0) {
    ReportError("ERR_PNR_SEGMENTNO_ZERO");
    return 0;
  }
  SetText(std::to_string(number->value));
  return 1;
}

int CFieldNoInGrp::Create(Window& dialog, int labelId, int valueId, int mandatory,
                          int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 2, "LAB_PNR_NOINGRP",
                        "TIP_PNR_NOINGRP", modification);
}

int CFieldNoInGrp::Validate() {
  const std::string text = GetText(kNumberBuffer);
  if (text.empty()) {
    ReportError("ERR_PNR_NOINGRP_NONE");
    return 0;
  }
  if (const auto number = scanNumber(text); number && number->value < 1) {
    ReportError("ERR_VESPIN2_GROUP_NONZERO_FIELD");
    return 0;
  }
  if (CTorvanValidate().IsDecimal(text) == 0) {
    ReportError("ERR_VESPIN2_GROUP_NUM_FIELD");
    return 0;
  }
  return 1;
}

int CFieldNoPaxDivide::Create(Window& dialog, int labelId, int valueId, int mandatory,
                              int remaining) {
  return CField::Create(dialog, labelId, valueId, mandatory, 2,
                        remaining != 0 ? "LAB_PNR_NOPAXREMAINING" : "LAB_PNR_NOPAXDIVIDE",
                        remaining != 0 ? "TIP_PNR_NOPAXREMAINING" : "TIP_PNR_NOPAXDIVIDE",
                        kModification);
}

int CFieldNoPaxDivide::Validate() {
  const std::string text = GetText(kNumberBuffer);
  if (const auto outcome = CheckEmpty(text, "ERR_PNR_NOPAX_NONE")) return *outcome;
  if (CTorvanValidate().IsNumeric(text) != 0) return 1;
  ReportError("ERR_PNR_NOPAX_NONNUMERIC");
  return 0;
}

}  // namespace fields
