#pragma once
// The month calendar a picker shows: one month at a time, its days laid out by weekday, moved
// a month back or on, and a day of it chosen. Containers draw it; the calendar control reports
// the chosen date.

#include <optional>

namespace desk {

struct CalendarDate {
  int day = 1;
  int month = 1;  // 1 to 12
  int year = 2000;

  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Years a calendar shows: the four-digit years of the Gregorian calendar.
inline constexpr int kFirstCalendarYear = 1601;
inline constexpr int kLastCalendarYear = 9999;

bool isLeapYear(int year);
// 0 for a month outside 1 to 12.
int daysInMonth(int month, int year);
// Whether the day exists in that month of a year the calendar shows.
bool isCalendarDate(int day, int month, int year);

class MonthCalendar {
 public:
  // Shows the month of the date (today's, as the container knows it).
  explicit MonthCalendar(CalendarDate shown);

  int month() const { return month_; }
  int year() const { return year_; }
  int dayCount() const { return daysInMonth(month_, year_); }
  // The weekday of the month's first day: 0 Monday to 6 Sunday.
  int firstWeekday() const;
  void nextMonth();
  void previousMonth();
  // The date of a day of the shown month; nothing for a day the month does not have.
  std::optional<CalendarDate> choose(int day) const;

 private:
  int month_;
  int year_;
};

}  // namespace desk
