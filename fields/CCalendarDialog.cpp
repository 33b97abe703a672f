#include "fields/CCalendarDialog.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "resources/dialogs/PickerDialogs.h"

namespace fields {

namespace {

constexpr DISPID kCancelled = 1;
constexpr DISPID kDateChosen = 2;

std::int16_t readProperty(IDispatch& control, DISPID property) {
  VARIANT value;
  VariantInit(&value);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  std::int16_t number = 0;
  if (SUCCEEDED(control.Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                               &value, nullptr, nullptr))) {
    if (value.vt == VT_I2) number = value.iVal;
    if (value.vt == VT_I4) number = static_cast<std::int16_t>(value.lVal);
  }
  VariantClear(&value);
  return number;
}

}  // namespace

std::string calendarDateText(int day, int month) {
  constexpr std::array<std::string_view, 12> kMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  if (month < 1 || month > 12 || day < 0 || day > 99) return {};
  char digits[3];
  std::snprintf(digits, sizeof digits, "%02d", day);
  return digits + std::string(kMonths[static_cast<std::size_t>(month - 1)]);
}

CCalendarDialog::CCalendarDialog()
    : PickerDialog(resources::calendar_dialog::kDialog, resources::calendar_dialog::kCalendar,
                   "calendar") {}

std::string CCalendarDialog::Run(platform::Window* owner) {
  cancelled_ = 1;
  DoModal(owner);
  return cancelled_ != 0 ? std::string() : calendarDateText(day_, month_);
}

void CCalendarDialog::OnControlEvent(DISPID event, const std::vector<std::string>&,
                                     IDispatch& control) {
  if (event == kCancelled) {
    cancelled_ = 1;
    EndDialog();
  } else if (event == kDateChosen) {
    day_ = readProperty(control, 1);
    month_ = readProperty(control, 2);
    year_ = readProperty(control, 3);
    cancelled_ = 0;
    EndDialog();
  }
}

}  // namespace fields
