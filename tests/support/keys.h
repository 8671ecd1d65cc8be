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

}  // namespace sw_test
