#include "framework/application.h"

#include "framework/internal.h"
#include "framework/runtime.h"
#include "framework/window.h"

namespace fw {

namespace {
bool supports_hidpi = false;
}

Application::Application() = default;
Application::~Application() = default;

void Application::_AddMenuHandler(const std::string& item_name, MenuHandler handler) {
  FaultPoint("Application._AddMenuHandler");
  TracePoint("Application._AddMenuHandler:", item_name);
  handlers_.Add(item_name, std::move(handler));
}

void Application::_x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                    std::int64_t non_release, std::int64_t stage,
                                    const std::string& long_version,
                                    const std::string& short_version,
                                    const std::string& package_info) {
  FaultPoint("Application._x_SetVersionData");
  TracePoint("Application._x_SetVersionData");
  major_ = major;
  minor_ = minor;
  bug_ = bug;
  non_release_ = non_release;
  stage_ = stage;
  long_version_ = long_version;
  short_version_ = short_version;
  package_info_ = package_info;
}

void Application::SetMenuBar(Ref<fw::MenuBar> bar) {
  CheckUIThread();
  FaultPoint("Application.MenuBar");
  TracePoint("Application.MenuBar");
  menu_bar_ = std::move(bar);
  for (const Ref<Window>& window : OpenWindows()) window->MenuBarChanged(Badge<Application>());
}

const MenuHandler* Application::MenuHandlerFor(const std::string& item_name) const {
  return handlers_.Find(item_name);
}

std::vector<std::string> Application::MenuHandlerNames() const { return handlers_.Names(); }

void Application::_SetSupportsHiDPI(bool supported) {
  FaultPoint("Application._SetSupportsHiDPI");
  TracePoint("Application._SetSupportsHiDPI");
  // Qt 6 always scales for high-resolution displays; the flag is kept for what asks.
  supports_hidpi = supported;
}

bool Application::SupportsHiDPI() { return supports_hidpi; }

}  // namespace fw
