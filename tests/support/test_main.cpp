// The tests' entry: GoogleTest with a listener that fails a test on any error report it did not
// expect.
#include <gtest/gtest.h>

#include <string>

#include "framework/testing.h"
#include "tests/support/report_guard.h"

namespace sw_test {

namespace {

bool reports_expected = false;

class ReportGuard : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    reports_expected = false;
    fw::testing::ClearReports();
  }
  void OnTestEnd(const ::testing::TestInfo& test) override {
    if (reports_expected) return;
    for (const std::string& report : fw::testing::Reports()) {
      ADD_FAILURE() << test.test_suite_name() << "." << test.name()
                    << ": the framework reported an error that the test did not expect: " << report;
    }
  }
};

}  // namespace

void ExpectErrorReports() { reports_expected = true; }

}  // namespace sw_test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new sw_test::ReportGuard);
  return RUN_ALL_TESTS();
}
