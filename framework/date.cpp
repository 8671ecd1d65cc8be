#include "framework/date.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace fw {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to the given proleptic Gregorian date, and back (eras of 400 years
// starting on March 1st, so that the leap day ends each year).
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t year_of_era = year - era * 400;
  const std::int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

struct Civil {
  std::int64_t year, month, day;
};

constexpr Civil CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t day_of_era = days - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
  const std::int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  return {year_of_era + era * 400 + (month <= 2), month,
          day_of_year - (153 * shifted_month + 2) / 5 + 1};
}

constexpr std::int64_t kEpochDays = DaysFromCivil(1904, 1, 1);

std::string Padded(std::int64_t value, std::size_t width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

}  // namespace

void Date::Constructor() {
  using std::chrono::system_clock;
  const auto now = system_clock::now();
  const auto whole = std::chrono::floor<std::chrono::seconds>(now);
  const std::time_t time = system_clock::to_time_t(whole);
  std::tm local{};
  localtime_r(&time, &local);
  const std::int64_t days = DaysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  const std::int64_t seconds = (days - kEpochDays) * kSecondsPerDay + local.tm_hour * 3600 +
                               local.tm_min * 60 + local.tm_sec;
  total_seconds_ =
      static_cast<double>(seconds) + std::chrono::duration<double>(now - whole).count();
}

Date::Fields Date::Calendar() const {
  // About three billion years either way keeps every field within range.
  constexpr double kLimit = 1e17;
  const double clamped =
      std::isnan(total_seconds_) ? 0 : std::clamp(total_seconds_, -kLimit, kLimit);
  const auto seconds = static_cast<std::int64_t>(std::floor(clamped));
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t second_of_day = seconds % kSecondsPerDay;
  if (second_of_day < 0) {
    second_of_day += kSecondsPerDay;
    --days;
  }
  const Civil civil = CivilFromDays(days + kEpochDays);
  const std::int64_t hour = second_of_day / 3600;
  const std::int64_t minute = second_of_day / 60 % 60;
  return {civil.year, civil.month, civil.day, hour, minute, second_of_day % 60};
}

std::int64_t Date::Year() const { return Calendar().year; }
std::int64_t Date::Month() const { return Calendar().month; }
std::int64_t Date::Day() const { return Calendar().day; }
std::int64_t Date::Hour() const { return Calendar().hour; }
std::int64_t Date::Minute() const { return Calendar().minute; }
std::int64_t Date::Second() const { return Calendar().second; }

std::string Str(const Ref<Date>& date) {
  const Date& d = *date;
  return Padded(d.Year(), 4) + "-" + Padded(d.Month(), 2) + "-" + Padded(d.Day(), 2) + " " +
         Padded(d.Hour(), 2) + ":" + Padded(d.Minute(), 2) + ":" + Padded(d.Second(), 2);
}

}  // namespace fw
