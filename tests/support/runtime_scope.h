// A fresh runtime for one test: initialised and given its class descriptions on construction,
// finalised and ended on destruction. Fault points, trace and reports start clear.
#pragma once

#include <cstdint>

#include "framework/runtime.h"
#include "framework/testing.h"

namespace sw_test {

class RuntimeScope {
 public:
  RuntimeScope();
  ~RuntimeScope();
  RuntimeScope(const RuntimeScope&) = delete;
  RuntimeScope& operator=(const RuntimeScope&) = delete;

  // Ends the run early and returns its exit result.
  std::int32_t Finish();

 private:
  bool finished_ = false;
};

}  // namespace sw_test
