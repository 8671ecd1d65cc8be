// The framework's hold on windows: every open window, front-most first, and the windows closed
// but not yet let go of. A window is released after the event that closed it has returned.
#include <QApplication>
#include <QMetaObject>
#include <algorithm>
#include <vector>

#include "framework/internal.h"
#include "framework/window.h"

namespace fw {

namespace {

std::vector<Ref<Window>>& HeldWindows() {
  static std::vector<Ref<Window>> held;
  return held;
}
std::vector<Ref<Window>>& ClosedWindows() {
  static std::vector<Ref<Window>> closed;
  return closed;
}

std::vector<Ref<Window>>::iterator Find(Window* window) {
  auto& held = HeldWindows();
  return std::find_if(held.begin(), held.end(), [&](const auto& w) { return w.get() == window; });
}

}  // namespace

Ref<Window> _GetImplicitWindow(const std::string& qualified_name) {
  FaultPoint("_GetImplicitWindow");
  for (const Ref<Window>& window : HeldWindows()) {
    if (window->IsOpen() && window->IsImplicitInstance() && window->Description() &&
        window->Description()->qualified_name == qualified_name) {
      return window;
    }
  }
  return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
  std::vector<Ref<Window>> result;
  for (const auto& window : HeldWindows()) {
    if (window->IsOpen()) result.push_back(window);
  }
  return result;
}

namespace internal {

void HoldWindow(const Ref<Window>& window) { HeldWindows().insert(HeldWindows().begin(), window); }

void BringWindowToFront(Window* window) {
  auto it = Find(window);
  if (it != HeldWindows().end()) std::rotate(HeldWindows().begin(), it, it + 1);
}

void ForgetWindow(Window* window) {
  auto it = Find(window);
  if (it == HeldWindows().end()) return;
  ClosedWindows().push_back(*it);
  HeldWindows().erase(it);
  if (auto* app = QtApplication()) {
    QMetaObject::invokeMethod(
        app, [] { ReleaseClosedWindows(); }, Qt::QueuedConnection);
  }
}

bool AnyWindowOpen() { return !OpenWindows().empty(); }

void CloseOpenWindows() {
  for (const Ref<Window>& window : OpenWindows()) window->Close();
}

void ReleaseClosedWindows() {
  auto closed = std::move(ClosedWindows());
  ClosedWindows().clear();
  closed.clear();
}

void ReleaseAllWindows() {
  auto held = std::move(HeldWindows());
  HeldWindows().clear();
  held.clear();
  ReleaseClosedWindows();
}

}  // namespace internal

}  // namespace fw
