// The two Objective-C runtime calls that the program makes on its controls, answered on this
// platform. Selectors are ids, stable per name within the process. Messaging a receiver of 0, or
// one that names no control, does nothing and answers 0, as messaging nil does. Understood:
// "setBezelStyle:" to a TextField's Handle, 0 the square field, 1 the rounded bezel. A selector
// that is not understood raises UnsupportedOperationException.
#pragma once

#include <cstdint>
#include <string>

namespace fw {

std::int64_t sel_registerName(const std::string& name);
std::int64_t objc_msgSend(std::int64_t receiver, std::int64_t selector, std::int64_t argument);

}  // namespace fw
