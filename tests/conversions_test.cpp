#include "framework/conversions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "framework/date.h"

namespace fw {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ConversionsTest, ValReadsTheLeadingDecimalNumber) {
  struct Row {
    const char* name;
    std::string_view text;
    double expected;
  };
  const Row rows[] = {
      {"Decimal", "2.5", 2.5},
      {"LeadingBlanksAndMinus", " \t -3", -3},
      {"ExplicitPlus", "+4", 4},
      {"NoIntegerDigits", ".5", 0.5},
      {"TrailingPoint", "5.", 5},
      {"Exponent", "1e3", 1000},
      {"SignedUpperCaseExponent", "2.5E-1", 0.25},
      {"ExponentWithoutDigits", "1e", 1},
      {"ExponentSignWithoutDigits", "1e+x", 1},
      {"TrailingText", "12abc", 12},
      {"CommaEndsTheNumber", "1,5", 1},
      {"SecondPointEndsTheNumber", "1.5.3", 1.5},
      {"CorrectlyRounded", "0.1000000000000000055511151231257827", 0.1},
      {"ManyDigits", "123456789012345678901234567890", 1.2345678901234568e29},
      {"Denormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
      {"Overflow", "1e400", kInfinity},
      {"NegativeOverflow", "-1e400", -kInfinity},
      {"OverflowFromIntegerDigits", "1000e306", kInfinity},
      {"HugeExponent", "1e99999999999999999999999", kInfinity},
      {"Underflow", "1e-400", 0},
      {"UnderflowDespiteIntegerDigits", "1000e-400", 0},
      {"ZeroWithHugeExponent", "0.000e99999", 0},
      {"Letters", "abc", 0},
      {"Empty", "", 0},
      {"SignAlone", "-", 0},
      {"PointAlone", ".", 0},
      {"BlankAfterSign", "- 1", 0},
      {"DoubleSign", "--1", 0},
      {"Infinity", "inf", 0},
      {"NotANumber", "nan", 0},
      {"HexStopsAfterZero", "0x10", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Val(row.text), row.expected);
  }
}

TEST(ConversionsTest, StrWritesAtMostSevenSignificantDigits) {
  const float epsilon = std::numeric_limits<float>::epsilon();
  struct Row {
    const char* name;
    std::string actual;
    std::string expected;
  };
  const Row rows[] = {
      {"IntegerZero", Str(0), "0"},
      {"IntegerNegative", Str(-42), "-42"},
      {"IntegerSmallest", Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
      {"IntegerLargest", Str(std::numeric_limits<std::int64_t>::max()), "9223372036854775807"},

      {"SingleFraction", Str(16.5f), "16.5"},
      {"SingleNearestTenPointOne", Str(10.1f), "10.1"},
      {"SingleNearestOneTenth", Str(0.1f), "0.1"},
      {"SingleRoundedToSevenDigits", Str(1.0f + epsilon), "1"},
      {"SingleTinyNegative", Str(-epsilon), "-1.192093e-07"},
      {"SingleLargestPlain", Str(9999999.0f), "9999999"},
      {"SingleSmallestExponent", Str(1e7f), "1e+07"},
      {"SingleLarge", Str(16777216.0f), "1.677722e+07"},
      {"SingleSmallestPlain", Str(0.0001f), "0.0001"},
      {"SingleLargestExponent", Str(0.00001f), "1e-05"},
      {"SingleMaximum", Str(std::numeric_limits<float>::max()), "3.402823e+38"},
      {"SingleNegativeZero", Str(-0.0f), "0"},
      {"SingleInfinity", Str(std::numeric_limits<float>::infinity()), "Infinity"},
      {"SingleNaN", Str(std::numeric_limits<float>::quiet_NaN()), "NaN"},

      {"DoubleWhole", Str(100.0), "100"},
      {"DoubleFraction", Str(99.375), "99.375"},
      {"DoubleNegative", Str(-2.0), "-2"},
      {"DoubleWidenedSingle", Str(10.100000381469727), "10.1"},
      {"DoubleSumOfTenths", Str(0.1 + 0.2), "0.3"},
      {"DoubleRoundedToSevenDigits", Str(1234567.891), "1234568"},
      {"DoubleRoundedIntoExponent", Str(9999999.5), "1e+07"},
      {"DoubleTiny", Str(1e-300), "1e-300"},
      {"DoubleDenormal", Str(std::numeric_limits<double>::denorm_min()), "4.940656e-324"},
      {"DoubleMaximum", Str(std::numeric_limits<double>::max()), "1.797693e+308"},
      {"DoubleNegativeZero", Str(-0.0), "0"},
      {"DoubleInfinity", Str(kInfinity), "Infinity"},
      {"DoubleNegativeInfinity", Str(-kInfinity), "-Infinity"},
      {"DoubleNaN", Str(kNaN), "NaN"},
      {"DoubleNegativeNaN", Str(-kNaN), "NaN"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.actual, row.expected);
  }
}

TEST(ConversionsTest, FormatRoundsHalfAwayFromZeroOnTheExactValue) {
  struct Row {
    const char* name;
    double value;
    std::string_view mask;
    std::string expected;
  };
  const Row rows[] = {
      {"OneDecimal", 82.5, "-#.00", "82.50"},
      {"Negative", -20, "-#.00", "-20.00"},
      {"ZeroBeforePoint", 0.5, "-#.00", "0.50"},
      {"Hundred", 100, "-#.00", "100.00"},
      {"ExactTieRoundsUp", 99.375, "-#.00", "99.38"},
      {"ExactTieWithEvenNeighbourBelow", 0.125, "-#.00", "0.13"},
      {"NegativeExactTie", -0.125, "-#.00", "-0.13"},
      {"JustBelowTie", 2.675, "-#.00", "2.67"},
      {"JustAboveTie", -0.005, "-#.00", "-0.01"},
      {"CarryIntoNewDigit", 99.995, "-#.00", "100.00"},
      {"Millions", 1234567.891, "-#.00", "1234567.89"},
      {"Huge", 1e20, "-#.00", "100000000000000000000.00"},
      {"NegativeRoundingToZero", -0.001, "-#.00", "0.00"},
      {"NegativeZero", -0.0, "-#.00", "0.00"},
      {"Denormal", std::numeric_limits<double>::denorm_min(), "-#.00", "0.00"},
      {"Infinity", kInfinity, "-#.00", "Infinity"},
      {"NegativeInfinity", -kInfinity, "-#.00", "-Infinity"},
      {"NaN", kNaN, "-#.00", "NaN"},
      {"NoDecimalsTie", 2.5, "-#", "3"},
      {"NoDecimalsNegativeTie", -2.5, "-#", "-3"},
      {"NoDecimalsZero", 0.4, "-#", "0"},
      {"OneDecimalTie", 0.25, "-#.0", "0.3"},
      {"ThreeDecimals", 1.0005, "-#.000", "1.000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Format(row.value, row.mask), row.expected);
  }
}

// Format decides most values by one multiplication and the rest from the exact decimal expansion;
// both must agree with rounding the exact expansion, also next to every kind of tie.
TEST(ConversionsTest, FormatAgreesWithTheExactExpansionEverywhere) {
  auto exact = [](double value, int decimals) {
    char buffer[2000];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::fixed, 1100)
                         .ptr;
    std::string digits(buffer, end);
    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, decimals);
    if (digits[point + 1 + decimals] >= '5') {
      std::size_t i = kept.size();
      while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
      if (i == 0)
        kept.insert(0, 1, '1');
      else
        ++kept[i - 1];
    }
    std::string text = kept.substr(0, kept.size() - decimals);
    if (decimals > 0) text += "." + kept.substr(kept.size() - decimals);
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + text;
  };
  const char* const masks[] = {"-#", "-#.0", "-#.00", "-#.000"};
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    const double magnitude = std::pow(10.0, std::floor(unit(random) * 18) - 6);
    values.push_back((unit(random) - 0.5) * magnitude);
  }
  for (int n = -4000; n <= 4000; ++n) {  // ties of every kind, and their neighbours
    for (double tie : {n / 8.0, n / 200.0 + 0.005, n / 2000.0 + 0.0005, n + 0.5}) {
      values.insert(values.end(), {tie, std::nextafter(tie, -1e300), std::nextafter(tie, 1e300)});
    }
  }
  for (int total = 1; total <= 1000; ++total) {  // the grade scale's percentages, as computed
    for (int lost = 0; lost <= 100; ++lost) {
      values.push_back(static_cast<double>(100.0f * static_cast<float>(total - lost) / total));
    }
  }
  for (double value : values) {
    for (int decimals = 0; decimals < 4; ++decimals) {
      ASSERT_EQ(Format(value, masks[decimals]), exact(value, decimals))
          << "value " << std::hexfloat << value;
    }
  }
}

TEST(ConversionsTest, FormatRejectsOtherMasks) {
  struct Row {
    const char* name;
    std::string_view mask;
  };
  const Row rows[] = {
      {"Empty", ""},
      {"Grouping", "-#,##0.00"},
      {"NoSign", "#.00"},
      {"ZeroPlaceholder", "-0.00"},
      {"PointWithoutDecimals", "-#."},
      {"Percent", "-#.00%"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      Format(1, row.mask);
      ADD_FAILURE() << "no exception";
    } catch (const UnsupportedOperationException& e) {
      EXPECT_NE(e.Message().find("\"" + std::string(row.mask) + "\""), std::string::npos)
          << e.Message();
    }
  }
}

TEST(ConversionsTest, AscDecodesTheFirstUtf8Character) {
  struct Row {
    const char* name;
    std::string_view text;
    std::int64_t expected;
  };
  const Row rows[] = {
      {"Empty", "", 0},
      {"Ascii", "Abc", 65},
      {"Nul", std::string_view("\0A", 2), 0},
      {"TwoBytes", "\xC3\xA9t\xC3\xA9", 0xE9},
      {"ThreeBytes", "\xE2\x82\xAC", 0x20AC},
      {"FourBytes", "\xF0\x9F\x98\x80", 0x1F600},
      {"ContinuationByte", "\x80", 0x80},
      {"InvalidLeadByte", "\xFF", 0xFF},
      {"Truncated", "\xE2\x82", 0xE2},
      {"BadContinuation", "\xC3(", 0xC3},
      {"Overlong", "\xC0\x80", 0xC0},
      {"Surrogate", "\xED\xA0\x80", 0xED},
      {"LastCodePoint", "\xF4\x8F\xBF\xBF", 0x10FFFF},
      {"BeyondUnicode", "\xF4\x90\x80\x80", 0xF4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Asc(row.text), row.expected);
  }
}

// The calendar fields of a date, written independently of Str.
std::string FieldsText(const Date& date) {
  char text[64];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld",
                static_cast<long long>(date.Year()), static_cast<long long>(date.Month()),
                static_cast<long long>(date.Day()), static_cast<long long>(date.Hour()),
                static_cast<long long>(date.Minute()), static_cast<long long>(date.Second()));
  return text;
}

TEST(ConversionsTest, DateCountsSecondsFrom1904) {
  struct Row {
    const char* name;
    double seconds;
    std::string expected;
  };
  const Row rows[] = {
      {"Epoch", 0, "1904-01-01 00:00:00"},
      {"EndOfFirstDay", 86399, "1904-01-01 23:59:59"},
      {"Afternoon", 3647950574, "2019-08-06 15:36:14"},
      {"FractionNotRoundedUp", 3647950574.75, "2019-08-06 15:36:14"},
      {"LeapDay", 3034670400, "2000-02-29 12:00:00"},
      {"CenturyWithoutLeapDay", 6190387200, "2100-03-01 00:00:00"},
      {"UnsignedLimit", 4294967295, "2040-02-06 06:28:15"},
      {"OneSecondBefore", -1, "1903-12-31 23:59:59"},
      {"HalfSecondBefore", -0.5, "1903-12-31 23:59:59"},
      {"BeforeWithoutLeapDay", -121046400, "1900-03-01 00:00:00"},
      {"BeforeOnLeapDay", -9588067201, "1600-02-29 23:59:59"},
      {"FirstYear", -60052752000, "0001-01-01 00:00:00"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto date = New<Date>();
    date->SetTotalSeconds(row.seconds);
    EXPECT_EQ(date->TotalSeconds(), row.seconds);
    EXPECT_EQ(Str(date), row.expected);
    EXPECT_EQ(FieldsText(*date), row.expected);
  }
}

TEST(ConversionsTest, DateConstructorTakesTheLocalTime) {
  const auto local_text = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(text);
  };
  const std::string before = local_text();
  auto date = New<Date>();
  date->Constructor();
  const std::string after = local_text();
  const std::string text = Str(date);
  EXPECT_TRUE(text == before || text == after)
      << text << " not in [" << before << ", " << after << "]";
}

TEST(ConversionsTest, StrOfNilDateRaises) { EXPECT_THROW(Str(Ref<Date>()), NilObjectException); }

TEST(ConversionsTest, NumbersIgnoreTheProcessLocale) {
  struct LocaleRestorer {
    std::string saved;
    ~LocaleRestorer() { std::setlocale(LC_ALL, saved.c_str()); }
  } restorer{std::setlocale(LC_ALL, nullptr)};
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(Val("2.5"), 2.5);
  EXPECT_EQ(Str(2.5), "2.5");
  EXPECT_EQ(Str(2.5f), "2.5");
  EXPECT_EQ(Format(2.5, "-#.00"), "2.50");
}

}  // namespace
}  // namespace fw
