// The Qt widgets behind a Window, for the framework's own files: the main window with its menu
// bar, and the content area in it where the controls lie.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/window_widget.h is the framework's own header, not for program code"
#endif

#include <QMainWindow>
#include <QWidget>

namespace fw {
class Window;
}  // namespace fw

namespace fw::internal {

// Places the window's controls by their locks whenever its size changes.
class ContentAreaWidget : public QWidget {
 public:
  explicit ContentAreaWidget(Window* owner) : owner_(owner) {}

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  Window* owner_;
};

// Takes the desktop's close requests and changes of colour scheme to its window.
class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window* owner);

  ContentAreaWidget* content() const { return content_; }
  // The height of the menu bar while it shows; 0 without one.
  int MenuBarHeight() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Window* owner_;
  ContentAreaWidget* content_;
};

}  // namespace fw::internal
