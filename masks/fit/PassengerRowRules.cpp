#include "masks/fit/PassengerRowRules.h"

#include <charconv>

#include "framework/services/CTorvanValidate.h"
#include "platform/text/TextRules.h"

namespace fit {
namespace {

bool isEmpty(std::string_view text) {
  return platform::trimWhiteSpace(text).empty();
}

// The value of a numeric text as the decimal check reads it (a sign before the digits);
// nothing when it does not fit.
std::optional<long> decimalValue(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

RowEnabling rowEnabling(Ptc ptc) {
  return {ptc == Ptc::Child || ptc == Ptc::Infant, ptc == Ptc::Others};
}

std::optional<RowFault> checkRowNames(const PassengerRow& row) {
  if (isEmpty(row.title) && row.ptc == Ptc::Adult) return std::nullopt;
  if (isEmpty(row.surname)) {
    return RowFault{"ERR_CUSTPROF_PASSENGER_SURNAME_BLANK", RowControl::Surname};
  }
  if (isEmpty(row.givenName)) return RowFault{"ERR_PNR_GIVENNAME_NONE", RowControl::GivenName};
  return std::nullopt;
}

std::optional<RowFault> checkRowPtc(const PassengerRow& row) {
  const CTorvanValidate validate;
  if (row.ptc == Ptc::Others) {
    if (isEmpty(row.others)) return RowFault{"ERR_OTHER_PTC_MANDATORY", RowControl::Others};
    if (!validate.IsAlpha(row.others)) {
      return RowFault{"ERR_QRTLX_OTHERPTC_INVALID", RowControl::Others};
    }
    if (row.others.size() < 3) {
      return RowFault{"ERR_QRTLX_OTHERPTC_MINVALUE_FIELD", RowControl::Others};
    }
    return std::nullopt;
  }
  if (row.ptc != Ptc::Child && row.ptc != Ptc::Infant) return std::nullopt;
  if (isEmpty(row.age)) return RowFault{"ERR_PNR_AGE_MANDATORY", RowControl::Age};
  if (!validate.IsNumeric(row.age)) return RowFault{"ERR_AGE_INVALID", RowControl::Age};
  if (row.age.size() < 2) return RowFault{"ERR_AGE_MINLEN", RowControl::Age};
  const std::optional<long> age = decimalValue(row.age);
  if (row.ptc == Ptc::Child && (!age || *age < 2 || *age > 11)) {
    return RowFault{"ERR_CHILD_AGE_RANGE", RowControl::Age};
  }
  if (row.ptc == Ptc::Infant && (!age || *age < 1 || *age > 23)) {
    return RowFault{"ERR_INFANT_AGE_RANGE", RowControl::Age};
  }
  return std::nullopt;
}

}  // namespace fit
