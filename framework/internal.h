// Calls between the framework's own files; the program never includes this header.
#pragma once

#include <exception>

class QApplication;

namespace fw::internal {

QApplication* QtApplication();

// window.cpp: the framework's hold on windows.
void ReleaseAllWindows();
void ReleaseClosedWindows();

// keyboard.cpp: the held-key tracker, installed for each run.
void InstallKeyTracker();
void RemoveKeyTracker();

// menu.cpp: the Qt actions behind the menu bar, made for each run.
void ReleaseMenuActions();

}  // namespace fw::internal
