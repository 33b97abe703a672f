#pragma once
// The month calendar picker: a modal dialog hosting the calendar control. The control's
// event 1 cancels; its event 2 means a date was chosen, read from its first three properties
// (day, month, year).

#include <cstdint>
#include <string>

#include "fields/PickerDialog.h"

namespace fields {

// A date as the masks write it: the day in two digits and the month's three-letter English
// abbreviation, "05MAR"; empty for a month outside 1 to 12.
std::string calendarDateText(int day, int month);

class CCalendarDialog final : public PickerDialog {
 public:
  CCalendarDialog();

  // Opens the calendar owned by owner; the chosen date as calendarDateText, or empty when the
  // dialog was closed without one.
  std::string Run(platform::Window* owner);

  bool Cancelled() const { return cancelled_ != 0; }
  std::int16_t Day() const { return day_; }
  std::int16_t Month() const { return month_; }
  std::int16_t Year() const { return year_; }

 private:
  void OnControlEvent(DISPID event, const std::vector<std::string>& arguments,
                      IDispatch& control) override;

  std::int16_t day_ = 0;
  std::int16_t month_ = 0;
  std::int16_t year_ = 0;
  int cancelled_ = 1;
};

}  // namespace fields
