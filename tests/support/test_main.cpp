// The tests' entry: GoogleTest with a listener that fails a test on any error report or Qt warning
// it did not expect.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtGlobal>

#include <memory>
#include <optional>

#include "tests/support/report_guard.h"

namespace sw_test {

namespace {

class GuardListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { guard_ = std::make_unique<TestGuard>(); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    guard_->Check();
    guard_.reset();
  }

  std::unique_ptr<TestGuard> guard_;
};

}  // namespace

}  // namespace sw_test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // A desktop session always has a runtime folder; without one, Qt warns as each run starts.
  std::optional<QTemporaryDir> runtime_folder;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    qputenv("XDG_RUNTIME_DIR", runtime_folder.emplace().path().toLocal8Bit());
  }
  sw_test::GuardQtMessages();
  // Listeners hear a test's end in reverse order: the guard's failures come before the printer's
  // verdict line and count in it.
  ::testing::UnitTest::GetInstance()->listeners().Append(new sw_test::GuardListener);
  return RUN_ALL_TESTS();
}
