// The widths of a list's columns from its ColumnWidths text, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/column_widths.h is the framework's own header, not for program code"
#endif

#include <string_view>
#include <vector>

namespace fw::internal {

// One width for each of the columns. The text's comma-separated entries go to the columns in
// order; blanks inside an entry do not count. An entry is a number of pixels ("80"), a share of
// the total ("25%"), or a share of what the other entries leave ("*", "2*", or an empty or
// missing entry, as for every column when the text is empty). The shares together fill exactly
// what is left of the total, so rounding never leaves a gap or an overhang at the right edge;
// when nothing is left they get nothing. An entry that does not start with a number counts as 0,
// and a negative one as 0; entries beyond the last column are ignored.
std::vector<int> ColumnWidthsFor(std::string_view text, int columns, int total);

}  // namespace fw::internal
