#include "masks/fit/FitChecks.h"

#include "framework/services/CTorvanValidate.h"
#include "platform/text/TextRules.h"
#include "resources/dialogs/FitDialog.h"

namespace fit {
namespace {

namespace ids = resources::pnr_creation_fit;

bool isEmpty(std::string_view text) {
  return platform::trimWhiteSpace(text).empty();
}

bool onlyAlphanumericAnd(std::string_view text, std::string_view extra) {
  return CTorvanValidate().IsAlphanumericEx(text, extra) != 0;
}

// A personal phone must not hold the characters the host reads as separators.
std::optional<FitFault> personalPhone(std::string_view text, int controlId,
                                      std::string_view invalidKey) {
  const std::size_t forbidden = text.find_first_of("I.*/");
  if (forbidden != std::string_view::npos) {
    return FitFault{"ERR_PNR_HOMENO_WRONG", controlId, forbidden};
  }
  if (!isEmpty(text) && !onlyAlphanumericAnd(text, " -")) {
    return FitFault{invalidKey, controlId, std::nullopt};
  }
  return std::nullopt;
}

}  // namespace

std::optional<FitFault> checkPhones(const PhoneTexts& texts) {
  if (!isEmpty(texts.contactPerson) && !onlyAlphanumericAnd(texts.contactPerson, " ")) {
    return FitFault{"ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD", ids::kContactPerson, std::nullopt};
  }
  if (!isEmpty(texts.businessPhone) && !onlyAlphanumericAnd(texts.businessPhone, " -")) {
    return FitFault{"ERR_PNR_BUS_NUM_INVALID", ids::kBusinessPhone, std::nullopt};
  }
  if (auto fault = personalPhone(texts.mobilePhone, ids::kMobilePhone, "ERR_PNR_MOB_NUM_INVALID")) {
    return fault;
  }
  return personalPhone(texts.homePhone, ids::kHomePhone, "ERR_PNR_HOME_NUM_INVALID");
}

std::optional<FitFault> checkFaxCharacters(std::string_view fax) {
  if (!isEmpty(fax) && !onlyAlphanumericAnd(fax, " -")) {
    return FitFault{"ERR_CARSELL_FAX_NUM_INVALID", ids::kFax, std::nullopt};
  }
  return std::nullopt;
}

std::optional<FitFault> checkBilling(const BillingTexts& texts) {
  const CTorvanValidate validate;
  const std::string& sf = texts.sfCustId;
  if (!isEmpty(sf)) {
    if (!validate.IsAlphanumeric(sf))
      return FitFault{"ERR_SF_CUST_ID_ALPHANUM", ids::kSfCustId, {}};
    if (sf.size() < 6) return FitFault{"ERR_SF_CUST_ID_LENGTH", ids::kSfCustId, {}};
    if (sf.size() == 6 && texts.billToCompanyEnabled && !texts.billToCompanyChecked) {
      return FitFault{"ERR_EDITOTHERS_PROVIDE", ids::kSfCustId, {}};
    }
  }
  const std::string& dk = texts.dkNumber;
  if (!isEmpty(dk)) {
    if (!validate.IsAlphanumeric(dk)) return FitFault{"ERR_DKNBR_ALPHANUM", ids::kDkNumber, {}};
    if (dk.size() != 6 && dk.size() != 7 && dk.size() != 10) {
      return FitFault{"ERR_DKNBR_LENGTH", ids::kDkNumber, {}};
    }
  }
  return std::nullopt;
}

std::optional<FitFault> checkReceivedFromCharacters(std::string_view receivedFrom) {
  if (!isEmpty(receivedFrom) && !onlyAlphanumericAnd(receivedFrom, " -/")) {
    return FitFault{"ERR_VESPIN2_RECVD_ALPHANUM_FIELD", ids::kReceivedFrom, std::nullopt};
  }
  return std::nullopt;
}

std::optional<FitFault> checkAddress(const std::array<std::string, 5>& lines,
                                     const std::array<int, 5>& lineIds) {
  if (isEmpty(lines[0])) return FitFault{"ERR_PNR_ADDRESS_NONE", lineIds[0], std::nullopt};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find('#') != std::string::npos) {
      return FitFault{"ERR_PNR_ADDRESS_INVALID", lineIds[i], std::nullopt};
    }
  }
  return std::nullopt;
}

std::optional<FitFault> checkPersonnel(const PersonnelTexts& texts) {
  const struct {
    const PersonnelTexts::Number& number;
    int controlId;
    std::string_view noneKey;
    std::string_view alphanumericKey;
    std::string_view extraCharacters;
    std::size_t minLength;
  } numbers[] = {
      {texts.department, ids::kDepartment, "ERR_PNR_DEPTNO_NONE", "ERR_DEPT_NO_ALPHANUM", " ", 0},
      {texts.icNumber, ids::kIcNumber, "ERR_PNR_ICNO_NONE", "ERR_IC_NO_ALPHANUM", "", 0},
      {texts.employeeNumber, ids::kEmployeeNumber, "ERR_PNR_EMPNO_NONE", "ERR_EMPL_NO_ALPHANUM", "",
       0},
      {texts.exitPermit, ids::kExitPermit, "ERR_PNR_EXITNO_NONE", "ERR_EP_NO_ALPHANUM", "", 2},
      {texts.dependentIc, ids::kDependentIc, "ERR_PNR_DEPICNO_NONE", "ERR_DEPIC_NO_ALPHANUM", "",
       0},
  };
  for (const auto& n : numbers) {
    if (!n.number.checked) continue;
    if (isEmpty(n.number.text)) return FitFault{n.noneKey, n.controlId, std::nullopt};
    if (!onlyAlphanumericAnd(n.number.text, n.extraCharacters)) {
      return FitFault{n.alphanumericKey, n.controlId, std::nullopt};
    }
    if (n.number.text.size() < n.minLength) {
      return FitFault{"ERR_EP_NO_MINLEN", n.controlId, std::nullopt};
    }
  }
  return std::nullopt;
}

std::optional<FitFault> checkCtp(std::string_view ctp) {
  if (!isEmpty(ctp) && !onlyAlphanumericAnd(ctp, "-/")) {
    return FitFault{"ERR_CTP_ALPHANUM_VALUE", ids::kCtp, std::nullopt};
  }
  return std::nullopt;
}

}  // namespace fit
