// The keyboard's state: which keys are held down now, by the platform-neutral virtual key codes
// that the framework uses (those of the classic desktop keyboard: 126 up arrow, 125 down arrow,
// 123 left, 124 right, 36 Return, 76 Enter, 48 Tab, 53 Escape, 49 Space, 51 Backspace).
// Held keys are forgotten when the application loses the focus, since their release may then
// never arrive.
#pragma once

#include <cstdint>

#include "framework/object.h"

namespace fw {

class _Keyboard : public Object {
 public:
  static constexpr const char* kClassName = "Keyboard";
  // Whether the key with that code is held down at the moment of the call.
  bool AsyncKeyDown(std::int64_t code) const;
};

Ref<_Keyboard> Keyboard();

}  // namespace fw
