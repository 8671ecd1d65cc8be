#include "tests/support/runtime_scope.h"

namespace sw_test {

RuntimeScope::RuntimeScope() : report_mark_(fw::testing::ReportCount()) {
  fw::testing::ClearFaults();
  fw::testing::ClearTrace();
  fw::RuntimeInit();
  fw::RuntimePerformInitializers();
}

RuntimeScope::~RuntimeScope() { Finish(); }

std::vector<std::string> RuntimeScope::Reports() const {
  return fw::testing::ReportsSince(report_mark_);
}

std::int32_t RuntimeScope::Finish() {
  if (finished_) return 0;
  finished_ = true;
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}

}  // namespace sw_test
