// Every test fails when, while it ran, the framework reported an error (the line on standard error
// and the error box a teacher would see) or Qt gave a warning or critical message, unless the test
// declared it beforehand. The guard sees everything from the test's start to its end, in every
// runtime the test opens; nothing a test does clears it.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace sw_test {

// The current test provokes error reports on purpose and checks them itself.
void ExpectErrorReports();

// The current test provokes Qt warnings or critical messages that contain this text on purpose.
void ExpectQtWarning(const QString& text);

// What the offscreen platform says in every run, whatever the test does: never a failure.
extern const std::vector<QString> kPlatformMessages;

// The guard of one stretch of a test: every test has one from its start to its end, and a test
// of the guard itself can make an inner one. Declarations go to the innermost guard.
class TestGuard {
 public:
  TestGuard();
  ~TestGuard();
  TestGuard(const TestGuard&) = delete;
  TestGuard& operator=(const TestGuard&) = delete;

  // A failure of the current test for each report and each Qt warning since the guard began that
  // was not declared.
  void Check() const;

 private:
  friend void ExpectErrorReports();
  friend void ExpectQtWarning(const QString& text);

  TestGuard* outer_;
  std::size_t report_mark_;
  std::size_t message_mark_;
  bool reports_expected_ = false;
  std::vector<QString> expected_warnings_;
};

// Records Qt's messages for the guards from now on, and passes each on to the handler before.
void GuardQtMessages();

}  // namespace sw_test
