// Conversions between numbers and text, independent of the process locale.
//
// Val reads the decimal number at the start of a text (leading blanks, optional sign, digits,
// optional fraction and exponent) and gives 0 when the text does not start with one; overflow
// gives an infinity. Str writes integers in full and floating-point values with at most seven
// significant digits, switching to exponent form ("1.234568e+07", "1e-07") only when the decimal
// exponent is below -4 or at least 7; negative zero is "0", and the non-finite values are
// "Infinity", "-Infinity" and "NaN". Format supports the masks "-#", "-#.0", "-#.00" and so on:
// the integer digits, then exactly as many decimals as the mask has zeros, rounded half away from
// zero on the exact binary value; a value that rounds to zero shows no minus sign. Asc gives the
// code point of the first UTF-8 character, or the first byte's value when that byte does not
// start a well-formed sequence.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

double Val(std::string_view text);

std::string Str(std::int64_t value);
inline std::string Str(int value) { return Str(static_cast<std::int64_t>(value)); }
std::string Str(float value);
std::string Str(double value);

// Throws UnsupportedOperationException for a mask outside the family described above.
std::string Format(double value, std::string_view mask);

std::int64_t Asc(std::string_view text);

}  // namespace fw
