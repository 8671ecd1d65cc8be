// The lines of a design's multi-line text value, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/text_lines.h is the framework's own header, not for program code"
#endif

#include <string>
#include <string_view>
#include <vector>

namespace fw::internal {

// Lines end at CR, LF or CR LF; a line break at the very end starts no further line, and an
// empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace fw::internal
