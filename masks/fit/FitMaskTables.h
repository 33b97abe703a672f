#pragma once
// The tables of the individual creation mask's controls that its files share: the personnel
// numbers and the keys of a passenger row.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "resources/dialogs/FitDialog.h"

namespace fit {

// A personnel number: its check box, its edit and their keys.
struct PersonnelEntry {
  int box;
  int edit;
  std::string_view labelKey, labelTipKey, editTipKey;
  int maxLength;
  std::string_view boxKey, editKey;
};

namespace fit_ids = resources::pnr_creation_fit;
inline constexpr std::array<PersonnelEntry, 5> kPersonnel{{
    {fit_ids::kDepartmentBox, fit_ids::kDepartment, "LAB_PNR_DEPTNO", "TIP_PNR_DEPTNOLABEL",
     "TIP_PNR_DEPTNOEDIT", 20, "DEPTNO", "DEPTNOE"},
    {fit_ids::kIcNumberBox, fit_ids::kIcNumber, "LAB_PNR_ICNO", "TIP_PNR_ICNOLABEL",
     "TIP_PNR_ICNOEDIT", 30, "ICNO", "ICNOE"},
    {fit_ids::kEmployeeNumberBox, fit_ids::kEmployeeNumber, "LAB_PNR_EMPNO", "TIP_PNR_EMPNOLABEL",
     "TIP_PNR_EMPNOEDIT", 30, "EMPNO", "EMPNOE"},
    {fit_ids::kExitPermitBox, fit_ids::kExitPermit, "LAB_PNR_EXITNO", "TIP_PNR_EXITNOLABEL",
     "TIP_PNR_EXITNOEDIT", 15, "EXITNO", "EXITNOE"},
    {fit_ids::kDependentIcBox, fit_ids::kDependentIc, "LAB_PNR_DEPICNO", "TIP_PNR_DEPICNOLABEL",
     "TIP_PNR_DEPICNOEDIT", 25, "DEPICNO", "DEPICNOE"},
}};

// The whiteboard key of a row's value: "PROFILE.<row>.<name>", rows from 0.
inline std::string rowKey(std::size_t row, std::string_view name) {
  return "PROFILE." + std::to_string(row) + "." + std::string(name);
}

}  // namespace fit
