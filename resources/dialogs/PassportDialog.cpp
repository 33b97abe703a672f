#include "resources/dialogs/PassportDialog.h"

namespace resources::pnr_creation_ssr {

constexpr int kLeft = 7, kRight = 180, kLeftLabel = 58, kRightLabel = 52;

constexpr auto kControls = joinControls(
    labelledComboAt(kTypeLabel, "Type:", kType, kLeft, 8, kLeftLabel, 60),
    labelledEditAt(kPassportLabel, "Passport No.:", kPassport, kLeft, 24, kLeftLabel, 100),
    labelledEditAt(kNationalityLabel, "Nationality:", kNationality, kLeft, 40, kLeftLabel, 24),
    labelledEditAt(kSurnameLabel, "Surname:", kSurname, kLeft, 56, kLeftLabel, 100),
    labelledEditAt(kGivenNameLabel, "Given Name:", kGivenName, kLeft, 72, kLeftLabel, 100),
    labelledEditAt(kSegmentLabel, "Seg #:", kSegment, kRight, 8, kRightLabel, 40),
    checkBoxAt(kPrimaryHolder, "Primary Passport Holder", kRight, 24, 120),
    labelledEditAt(kNameSelectLabel, "Name Select:", kNameSelect, kRight, 40, kRightLabel, 60),
    labelledEditAt(kDateOfBirthLabel, "Date of Birth:", kDateOfBirth, kRight, 56, kRightLabel, 40),
    labelledComboAt(kGenderLabel, "Gender:", kGender, kRight, 72, kRightLabel, 80),
    markerStyleFooter(94));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 330, 124, kControls);

}  // namespace resources::pnr_creation_ssr
