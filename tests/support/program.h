// The program started as far as its event loop, in a fresh runtime: the application object with
// its menu bar and handlers, and the grading window. URLs handed to the desktop are caught.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "framework/menu.h"
#include "framework/window.h"
#include "grading_window/scorewright.h"
#include "tests/support/runtime_scope.h"

namespace sw_test {

class ProgramScope {
 public:
  // before_start runs once the runtime is up, before the program's start-up builds anything.
  explicit ProgramScope(const std::function<void()>& before_start = {});
  ~ProgramScope();

  fw::Ref<class Scorewright> window() const { return window_; }
  const std::vector<std::string>& urls() const { return urls_; }
  // The framework's error reports since this program's runtime began, in order.
  std::vector<std::string> reports() const { return runtime_.Reports(); }

  // The menu item of that name anywhere on the application's menu bar, or nil.
  static fw::Ref<fw::MenuItem> MenuItemNamed(const std::string& name);

 private:
  RuntimeScope runtime_;
  std::vector<std::string> urls_;
  fw::Ref<class Scorewright> window_;
};

// The colour of one pixel of a grabbed widget, as (red, green, blue).
std::vector<int> PixelAt(const QImage& image, int x, int y);

}  // namespace sw_test
