#include "framework/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "framework/exceptions.h"

namespace fw {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// For a number from_chars rejected as out of range: whether it is too large (rather than too
// small), judged by the decimal exponent of its leading nonzero digit.
bool Overflows(std::string_view number) {
  constexpr std::int64_t kSaturated = 1'000'000'000'000;
  const std::size_t mantissa_end = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, mantissa_end);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t lead = mantissa.find_first_of("123456789");
  if (lead == std::string_view::npos) return false;
  std::int64_t exponent = lead < point ? static_cast<std::int64_t>(point - lead) - 1
                                       : -static_cast<std::int64_t>(lead - point);
  if (mantissa_end < number.size()) {
    std::size_t i = mantissa_end + 1;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') ++i;
    std::int64_t written = 0;
    for (; i < number.size(); ++i) written = std::min(written * 10 + (number[i] - '0'), kSaturated);
    exponent += negative ? -written : written;
  }
  return exponent >= 0;
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

// Adds one unit in the last place to a string of decimal digits; returns false on carry out.
bool IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  return false;
}

// The most decimals that a mask may ask for.
constexpr std::size_t kMostDecimals = 20;

// The number of decimals asked for by a mask "-#", "-#.0", "-#.00", ..., or -1 for any other mask.
int MaskDecimals(std::string_view mask) {
  if (!mask.starts_with("-#")) return -1;
  mask.remove_prefix(2);
  if (mask.empty()) return 0;
  if (mask[0] != '.' || mask.size() < 2 || mask.size() > kMostDecimals + 1 ||
      mask.find_first_not_of('0', 1) != std::string_view::npos) {
    return -1;
  }
  return static_cast<int>(mask.size()) - 1;
}

// The most decimals that one multiplication decides: with more than a double's 15 significant
// digits, only values under one half would keep the product below 2^52, and UnitsText's power of
// ten must fit in 64 bits.
constexpr int kMostMultipliedDecimals = std::numeric_limits<double>::digits10;

// The value times 10^decimals, rounded half away from zero, when one multiplication decides it:
// the product is off by at most half a unit in its last place, so while its fraction stays two
// units (four times that error) or more from one half, the exact value rounds the same way (near
// an integer, both round to it). Nothing when the value is too large for it or lies near a tie;
// the exact path decides those.
std::optional<std::uint64_t> ScaledByOneMultiplication(double magnitude, int decimals) {
  if (decimals > kMostMultipliedDecimals) return std::nullopt;
  double power = 1;
  for (int i = 0; i < decimals; ++i) power *= 10;  // exact up to 10^22
  const double scaled = magnitude * power;
  if (!(scaled < 0x1p52)) return std::nullopt;
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;  // exact below 2^52
  const double margin =
      2 * (std::nextafter(scaled, std::numeric_limits<double>::infinity()) - scaled);
  if (std::fabs(fraction - 0.5) < margin) return std::nullopt;
  return static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
}

// A whole number of units of 10^-decimals as text: the integer digits, then the decimals.
std::string UnitsText(bool negative, std::uint64_t units, int decimals) {
  std::uint64_t power = 1;
  for (int i = 0; i < decimals; ++i) power *= 10;
  char buffer[48];
  char* end = buffer;
  if (negative && units != 0) *end++ = '-';
  end = std::to_chars(end, buffer + sizeof buffer, units / power).ptr;
  if (decimals > 0) {
    *end++ = '.';
    char fraction[24];
    char* fraction_end = std::to_chars(fraction, fraction + sizeof fraction, units % power).ptr;
    const auto written = static_cast<int>(fraction_end - fraction);
    end = std::fill_n(end, decimals - written, '0');
    end = std::copy(fraction, fraction_end, end);
  }
  return std::string(buffer, end);
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  i = SkipDigits(text, i);
  bool has_digits = i > start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction_end = SkipDigits(text, i + 1);
    if (has_digits || fraction_end > i + 1) {
      has_digits = true;
      i = fraction_end;
    }
  }
  if (!has_digits) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponent_end = SkipDigits(text, j);
    if (exponent_end > j) i = exponent_end;
  }

  const std::string_view number = text.substr(start, i - start);
  double magnitude = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = Overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

std::string Str(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Str(float value) { return Str(static_cast<double>(value)); }

std::string Str(double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return std::string(buffer, result.ptr);
}

std::string Format(double value, std::string_view mask) {
  const int decimals = MaskDecimals(mask);
  if (decimals < 0) {
    throw UnsupportedOperationException("unsupported format mask \"" + std::string(mask) + "\"");
  }
  if (!std::isfinite(value)) return NonFinite(value);
  if (const auto units = ScaledByOneMultiplication(std::fabs(value), decimals)) {
    return UnitsText(value < 0, *units, decimals);
  }

  // Print the exact binary value: a double m * 2^(e - 53) has at most 53 - e fractional digits.
  int exponent = 0;
  std::frexp(value, &exponent);
  const int exact_digits = std::clamp(53 - exponent, decimals + 1, 1074);
  char buffer[309 + 1 + 1074];  // the largest double's integer digits, the point, the decimals
  const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::fixed, exact_digits);
  const std::string_view exact(buffer, printed.ptr);
  const std::size_t point = exact.find('.');

  std::string digits(exact.substr(0, point));
  digits += exact.substr(point + 1, decimals);
  if (exact[point + 1 + decimals] >= '5' && !IncrementDigits(digits)) digits.insert(0, 1, '1');

  const std::size_t integer_digits = digits.size() - decimals;
  std::string text;
  if (digits.find_first_not_of('0') != std::string::npos && value < 0) text = "-";
  text.append(digits, 0, integer_digits);
  if (decimals > 0) {
    text += '.';
    text.append(digits, integer_digits);
  }
  return text;
}

std::int64_t Asc(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
  };
  const std::uint32_t lead = byte(0);
  std::size_t length;
  std::uint32_t code;
  std::uint32_t smallest;
  if (lead < 0x80) {
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, smallest = 0x10000;
  } else {
    return lead;
  }
  if (text.size() < length) return lead;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return lead;
    code = code << 6 | (byte(i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < smallest || code > 0x10FFFF || surrogate) return lead;
  return code;
}

}  // namespace fw
