// The guard that every test runs under: what fails a test, and what it lets pass.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QtGlobal>

#include <functional>
#include <string>
#include <vector>

#include "framework/error_report.h"
#include "framework/exceptions.h"
#include "tests/support/report_guard.h"
#include "tests/support/runtime_scope.h"

namespace {

// The failures that a guard of its own raises over the stretch, the first line of each.
std::vector<std::string> GuardFailuresOver(const std::function<void()>& stretch) {
  ::testing::TestPartResultArray results;
  {
    const ::testing::ScopedFakeTestPartResultReporter spy(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    const sw_test::TestGuard guard;
    stretch();
    guard.Check();
  }
  std::vector<std::string> failures;
  for (int i = 0; i < results.size(); ++i) {
    std::string message = results.GetTestPartResult(i).message();
    if (message.rfind("Failed\n", 0) == 0) message.erase(0, 7);  // ADD_FAILURE's heading
    failures.push_back(message.substr(0, message.find('\n')));
  }
  return failures;
}

// An exception escaping program code that Qt called, as a failing event handler's does.
void ReportFromAHandler() {
  fw::CallFromQt([] { throw fw::OutOfBoundsException("row -1 is outside 0 to 99"); });
}

TEST(TestGuard, FailsOnEveryReportAndQtWarningTheTestDidNotDeclare) {
  // The stretches raise these on purpose for the inner guards; this test's own guard lets them be.
  sw_test::ExpectErrorReports();
  sw_test::ExpectQtWarning("on purpose");

  const std::string report =
      "the framework reported an error that the test did not expect: "
      "OutOfBoundsException: row -1 is outside 0 to 99";
  struct Row {
    const char* name;
    std::function<void()> stretch;
    std::vector<std::string> failures;
  };
  const Row rows[] = {
      {"AReportInTheFirstOfTwoRuntimes",
       [] {
         {
           sw_test::RuntimeScope first;
           ReportFromAHandler();
         }
         sw_test::RuntimeScope second;
       },
       {report}},
      {"AReportInTheSecondOfTwoRuntimes",
       [] {
         { sw_test::RuntimeScope first; }
         sw_test::RuntimeScope second;
         ReportFromAHandler();
       },
       {report}},
      {"ReportsTheTestDeclared",
       [] {
         sw_test::ExpectErrorReports();
         sw_test::RuntimeScope scope;
         ReportFromAHandler();
       },
       {}},
      {"AQtWarning",
       [] { qWarning("a warning on purpose"); },
       {"Qt gave a warning that the test did not expect: a warning on purpose"}},
      {"AQtCriticalMessage",
       [] { qCritical("a critical message on purpose"); },
       {"Qt gave a critical message that the test did not expect: a critical message on purpose"}},
      {"AQtWarningTheTestDeclared",
       [] {
         sw_test::ExpectQtWarning("warning on purpose");
         qWarning("a warning on purpose");
       },
       {}},
      {"WhatTheOffscreenPlatformAlwaysSays",
       [] {
         for (const QString& message : sw_test::kPlatformMessages) {
           qWarning("%s", qPrintable(message));
         }
       },
       {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GuardFailuresOver(row.stretch), row.failures);
  }
}

}  // namespace
