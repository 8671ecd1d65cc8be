#include "tests/support/program.h"

#include <QMainWindow>
#include <QTest>

#include "app/app.h"
#include "app/startup.h"
#include "framework/desktop.h"

namespace sw_test {

ProgramScope::ProgramScope(const std::function<void()>& before_start) {
  if (before_start) before_start();
  fw::testing::InterceptUrls([this](const std::string& url) { urls_.push_back(url); });
  _EarlyStartup();
  _LateStartup();
  window_ = fw::CheckedCast<class Scorewright>(fw::_GetImplicitWindow("Scorewright.Scorewright"));
  if (window_) (void)QTest::qWaitForWindowExposed(fw::testing::QtWindowOf(*window_));
}

ProgramScope::~ProgramScope() {
  window_ = nullptr;
  fw::testing::StopInterceptingUrls();
}

fw::Ref<fw::MenuItem> ProgramScope::MenuItemNamed(const std::string& name) {
  auto bar = App()->MenuBar();
  for (std::int64_t i = 0; i < bar->Count(); ++i) {
    auto menu = bar->Item(i);
    if (menu->Name() == name) return menu;
    if (auto item = menu->Child(name)) return item;
  }
  return nullptr;
}

std::vector<int> PixelAt(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return {c.red(), c.green(), c.blue()};
}

}  // namespace sw_test
