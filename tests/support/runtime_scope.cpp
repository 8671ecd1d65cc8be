#include "tests/support/runtime_scope.h"

namespace sw_test {

RuntimeScope::RuntimeScope() {
  fw::testing::ClearFaults();
  fw::testing::ClearTrace();
  fw::testing::ClearReports();
  fw::RuntimeInit();
  fw::RuntimePerformInitializers();
}

RuntimeScope::~RuntimeScope() { Finish(); }

std::int32_t RuntimeScope::Finish() {
  if (finished_) return 0;
  finished_ = true;
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}

}  // namespace sw_test
