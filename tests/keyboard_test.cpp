#include "framework/keyboard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/support/runtime_scope.h"

namespace {

void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyPress(target, key, modifiers);
}
void Release(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyRelease(target, key, modifiers);
}
// The release half of an auto-repeat pair; its press follows later.
void AutoRepeatRelease(QWidget* target, Qt::Key key) {
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(target, &release);
}
void Deactivate(QWidget*) {
  QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
  QApplication::sendEvent(qApp, &inactive);
}

TEST(KeyboardTest, AsyncKeyDownFollowsPressesAndReleases) {
  sw_test::RuntimeScope scope;
  struct Row {
    const char* name;
    std::function<void(QWidget*)> steps;
    std::int64_t code;
    bool held;
  };
  const Row rows[] = {
      {"UpPressed", [](QWidget* w) { Press(w, Qt::Key_Up); }, 126, true},
      {"UpReleased", [](QWidget* w) { Press(w, Qt::Key_Up); Release(w, Qt::Key_Up); }, 126, false},
      {"AutoRepeatReleaseKeepsTheKeyHeld",
       [](QWidget* w) { Press(w, Qt::Key_Down); AutoRepeatRelease(w, Qt::Key_Down); },
       125, true},
      {"PressSeenTwiceReleasedOnce",
       [](QWidget* w) { Press(w, Qt::Key_Up); Press(w, Qt::Key_Up); Release(w, Qt::Key_Up); }, 126, false},
      {"ApplicationInactiveForgetsHeldKeys", [](QWidget* w) { Press(w, Qt::Key_Up); Deactivate(w); }, 126,
       false},
      {"ApplicationDeactivateForgetsHeldKeys",
       [](QWidget* w) {
         Press(w, Qt::Key_Left);
         QEvent deactivate(QEvent::ApplicationDeactivate);
         QApplication::sendEvent(qApp, &deactivate);
       },
       123, false},
      {"OtherKeyLeavesUpAlone", [](QWidget* w) { Press(w, Qt::Key_A); }, 126, false},
      {"LetterA", [](QWidget* w) { Press(w, Qt::Key_A); }, 0, true},
      {"LetterM", [](QWidget* w) { Press(w, Qt::Key_M); }, 46, true},
      {"DigitFive", [](QWidget* w) { Press(w, Qt::Key_5); }, 23, true},
      {"KeypadFive", [](QWidget* w) { Press(w, Qt::Key_5, Qt::KeypadModifier); }, 87, true},
      {"Return", [](QWidget* w) { Press(w, Qt::Key_Return); }, 36, true},
      {"KeypadEnter", [](QWidget* w) { Press(w, Qt::Key_Enter, Qt::KeypadModifier); }, 76, true},
      {"Escape", [](QWidget* w) { Press(w, Qt::Key_Escape); }, 53, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QLineEdit target;
    row.steps(&target);
    EXPECT_EQ(fw::Keyboard()->AsyncKeyDown(row.code), row.held);
    Deactivate(&target);  // each row starts with no key held
  }
}

TEST(KeyboardTest, UnknownKeysAreNotTracked) {
  sw_test::RuntimeScope scope;
  QLineEdit target;
  Press(&target, Qt::Key_F35);
  for (std::int64_t code = -1; code <= 128; ++code) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(fw::Keyboard()->AsyncKeyDown(code));
  }
}

TEST(KeyboardTest, ANewRunStartsWithNoKeyHeld) {
  {
    sw_test::RuntimeScope scope;
    QLineEdit target;
    Press(&target, Qt::Key_Up);
    ASSERT_TRUE(fw::Keyboard()->AsyncKeyDown(126));
  }
  sw_test::RuntimeScope scope;
  EXPECT_FALSE(fw::Keyboard()->AsyncKeyDown(126));
}

}  // namespace
