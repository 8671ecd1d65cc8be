#include "app/main_menu_bar.h"

#include "framework/runtime.h"

namespace {

fw::Ref<class MainMenuBar> _implicitInstance;

fw::ClassDescription DescribeMainMenuBar() {
  return {"MainMenuBar", "MainMenuBar", "MenuBar", {}, {}, {}};
}

const bool registered = fw::RegisterProgramClass(
    {typeid(class MainMenuBar), &DescribeMainMenuBar, [] { _implicitInstance = nullptr; },
     [] { _implicitInstance = nullptr; }});

}  // namespace

void MainMenuBar::Constructor() {}

fw::Ref<class MainMenuBar> MainMenuBar() {
  if (_implicitInstance) return _implicitInstance;
  auto bar = fw::New<class MainMenuBar>();
  bar->Constructor();
  _implicitInstance = bar;
  return bar;
}
