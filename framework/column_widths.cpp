#include "framework/column_widths.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <string>

namespace fw::internal {

std::vector<int> ColumnWidthsFor(std::string_view text, int columns, int total) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= text.size() && !text.empty()) {
    const std::size_t comma = text.find(',', start);
    entries.emplace_back(text.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  std::vector<double> fixed(static_cast<std::size_t>(columns), -1);
  std::vector<double> weight(static_cast<std::size_t>(columns), 0);
  for (std::size_t i = 0; i < fixed.size(); ++i) {
    std::string entry = i < entries.size() ? entries[i] : std::string();
    entry.erase(
        std::remove_if(entry.begin(), entry.end(), [](unsigned char c) { return std::isspace(c); }),
        entry.end());
    double number = 0;
    std::from_chars(entry.data(), entry.data() + entry.size(), number);
    if (entry.empty() || entry == "*") {
      weight[i] = 1;
    } else if (entry.back() == '*') {
      weight[i] = std::max(number, 0.0);
    } else if (entry.back() == '%') {
      fixed[i] = std::max(total * number / 100.0, 0.0);
    } else {
      fixed[i] = std::max(number, 0.0);
    }
  }
  std::vector<int> widths(static_cast<std::size_t>(columns), 0);
  double used = 0;
  for (std::size_t i = 0; i < fixed.size(); ++i) {
    if (fixed[i] >= 0) {
      widths[i] = static_cast<int>(std::lround(fixed[i]));
      used += widths[i];
    }
  }
  const double weights = std::accumulate(weight.begin(), weight.end(), 0.0);
  if (weights > 0) {
    const double left = std::max(total - used, 0.0);
    // Each share ends where the rounded running total ends, so the last one meets the edge.
    double share_before = 0;
    int given = 0;
    for (std::size_t i = 0; i < weight.size(); ++i) {
      if (fixed[i] >= 0) continue;
      share_before += weight[i];
      const int until_here = static_cast<int>(std::lround(left * share_before / weights));
      widths[i] = until_here - given;
      given = until_here;
    }
  }
  return widths;
}

}  // namespace fw::internal
