// Qt's messages while a run's QApplication is being made, for runtime.cpp.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/qt_start_messages.h is the framework's own header, not for program code"
#endif

namespace fw::internal {

// Started where no display can be opened, Qt's QApplication constructor ends the process itself
// (qFatal, an abort) after lines that advise reinstalling the application. While an object of
// this class lives (around the constructor), Qt's messages are held back: the fatal one of a
// platform that could not be initialised becomes one line of ours and exit status 1; when the
// object goes, the held messages go to the handler that was there before.
class QtStartMessages {
 public:
  QtStartMessages();
  ~QtStartMessages();
  QtStartMessages(const QtStartMessages&) = delete;
  QtStartMessages& operator=(const QtStartMessages&) = delete;
};

}  // namespace fw::internal
