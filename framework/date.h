// A point in time as a count of seconds from 1904-01-01 00:00:00.
//
// The count is plain calendar arithmetic in the proleptic Gregorian calendar with no time zone:
// Constructor() stores the current local wall-clock time, and the calendar accessors read it back
// unchanged. Fractional seconds are kept in TotalSeconds but the accessors and Str show whole
// seconds, rounded down (so -0.5 is 1903-12-31 23:59:59). NaN reads as 0, and counts beyond about
// three billion years either way read as that limit.
#pragma once

#include <cstdint>
#include <string>

#include "framework/object.h"

namespace fw {

class Date : public Object {
 public:
  Date() = default;

  // The parameterless constructor: the current local date and time.
  void Constructor();

  double TotalSeconds() const { return total_seconds_; }
  void SetTotalSeconds(double seconds) { total_seconds_ = seconds; }

  std::int64_t Year() const;
  std::int64_t Month() const;
  std::int64_t Day() const;
  std::int64_t Hour() const;
  std::int64_t Minute() const;
  std::int64_t Second() const;

  std::string ClassName() const override { return "Date"; }

 private:
  struct Fields {
    std::int64_t year, month, day, hour, minute, second;
  };
  Fields Calendar() const;

  double total_seconds_ = 0;
};

// "YYYY-MM-DD HH:MM:SS"; a nil date raises NilObjectException.
std::string Str(const Ref<Date>& date);

}  // namespace fw
