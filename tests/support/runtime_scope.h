// A fresh runtime for one test: initialised and given its class descriptions on construction,
// finalised and ended on destruction. Fault points and trace start clear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

  // The framework's error reports since this runtime began, in order.
  std::vector<std::string> Reports() const;

 private:
  std::size_t report_mark_;
  bool finished_ = false;
};

}  // namespace sw_test
