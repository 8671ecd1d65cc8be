// Keys as the desktop delivers them.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace sw_test {

// Ctrl with a letter, carrying the text that X11 gives such a chord: the letter's control
// character (Ctrl+C "\x03", Ctrl+M "\r"), where QTest::keyClick would give the letter itself.
inline void ClickCtrlChord(QWidget* widget, Qt::Key letter) {
  QString text;
  if (letter >= Qt::Key_A && letter <= Qt::Key_Z) text = QChar(char16_t(letter - Qt::Key_A + 1));
  QTest::sendKeyEvent(QTest::Click, widget, letter, text, Qt::ControlModifier);
}

// A modifier key pressed and released alone, as X11 delivers it: the press carries the key's own
// flag (Alt arrives with AltModifier, which is what puts a menu bar into keyboard mode) and the
// release none. Qt flips a modifier key's own flag in the state that it is given, so the state
// passed here is the one before the press and the one before the release.
inline void TapModifier(QWidget* widget, Qt::Key key) {
  Qt::KeyboardModifiers own;
  switch (key) {
    case Qt::Key_Shift:
      own = Qt::ShiftModifier;
      break;
    case Qt::Key_Control:
      own = Qt::ControlModifier;
      break;
    case Qt::Key_Alt:
      own = Qt::AltModifier;
      break;
    case Qt::Key_Meta:
      own = Qt::MetaModifier;
      break;
    case Qt::Key_AltGr:
      own = Qt::GroupSwitchModifier;
      break;
    default:
      break;
  }
  QTest::simulateEvent(widget, true, key, Qt::NoModifier, QString(), false);
  QTest::simulateEvent(widget, false, key, own, QString(), false);
}

}  // namespace sw_test
