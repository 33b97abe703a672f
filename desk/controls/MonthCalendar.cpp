#include "desk/controls/MonthCalendar.h"

#include <algorithm>

namespace desk {

bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isCalendarDate(int day, int month, int year) {
  if (year < kFirstCalendarYear || year > kLastCalendarYear) return false;
  return day >= 1 && day <= daysInMonth(month, year);
}

MonthCalendar::MonthCalendar(CalendarDate shown)
    : month_(std::clamp(shown.month, 1, 12)),
      year_(std::clamp(shown.year, kFirstCalendarYear, kLastCalendarYear)) {}

int MonthCalendar::firstWeekday() const {
  // Zeller's congruence for the first of the month, turned to 0 = Monday.
  int month = month_;
  int year = year_;
  if (month < 3) {
    month += 12;
    --year;
  }
  const int century = year / 100;
  const int inCentury = year % 100;
  const int saturdayFirst =
      (1 + (13 * (month + 1)) / 5 + inCentury + inCentury / 4 + century / 4 + 5 * century) % 7;
  return (saturdayFirst + 5) % 7;
}

void MonthCalendar::nextMonth() {
  if (month_ == 12) {
    if (year_ == kLastCalendarYear) return;
    month_ = 1;
    ++year_;
  } else {
    ++month_;
  }
}

void MonthCalendar::previousMonth() {
  if (month_ == 1) {
    if (year_ == kFirstCalendarYear) return;
    month_ = 12;
    --year_;
  } else {
    --month_;
  }
}

std::optional<CalendarDate> MonthCalendar::choose(int day) const {
  if (!isCalendarDate(day, month_, year_)) return std::nullopt;
  return CalendarDate{day, month_, year_};
}

}  // namespace desk
