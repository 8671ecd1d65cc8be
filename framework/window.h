// Windows and their construction.
//
// A window object is made (New<Scorewright>()), then its Constructor builds it: the framework
// raises the events that the class implements (its ClassDescription's event table): Layout, which
// applies the window's design values; CreateControls, which makes the controls; AddMenuHandlers;
// then every control's Open event in creation order; and shows the window when its design says
// Visible. Once CreateControls has made every control, the controls link to the ones that their
// design values name (Label.LabelFor). The framework holds every open window until it closes. A
// window made by its class's accessor is that class's implicit instance, which _GetImplicitWindow
// finds by qualified name.
//
// Controls are placed in the content area, whose size is the design size; a menu bar, when the
// window shows one, sits above it. Later-created controls are stacked over earlier ones.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/badge.h"
#include "framework/control.h"
#include "framework/menu_handler_table.h"
#include "framework/runtime.h"
#include "framework/value.h"

class QWidget;

namespace fw {

class Application;
class Label;
class MenuItem;
class RectControl;

namespace internal {
class ContentAreaWidget;
class WindowWidget;
}  // namespace internal

class Window : public Designable {
 public:
  static constexpr const char* kClassName = "Window";
  Window();
  ~Window() override;

  // Builds the window; see the header comment.
  virtual void Constructor();

  // Makes a control of class T for this window, not yet constructed.
  template <class T>
  Ref<T> __New() {
    CheckUIThread();
    auto control = New<T>();
    control->SetWindow(this);
    return control;
  }
  void _AddControl(const std::string& name, const Ref<RectControl>& control);
  Ref<Object> _ControlByName(const std::string& name) const;
  std::vector<Ref<RectControl>> Controls() const;  // in creation order

  void _AddMenuHandler(const std::string& item_name, MenuHandler handler);
  const MenuHandler* MenuHandlerFor(const std::string& item_name) const;

  // Design properties.
  std::int64_t Width() const;
  void SetWidth(std::int64_t v);
  std::int64_t Height() const;
  void SetHeight(std::int64_t v);
  std::int64_t MinWidth() const { return min_width_; }
  void SetMinWidth(std::int64_t v);
  std::int64_t MinHeight() const { return min_height_; }
  void SetMinHeight(std::int64_t v);
  std::int64_t MaxWidth() const { return max_width_; }
  void SetMaxWidth(std::int64_t v);
  std::int64_t MaxHeight() const { return max_height_; }
  void SetMaxHeight(std::int64_t v);
  std::int64_t Frame() const { return frame_; }
  void SetFrame(std::int64_t v);
  std::string Title() const;
  void SetTitle(const std::string& title);
  bool CloseButton() const { return close_button_; }
  void SetCloseButton(bool v);
  bool MinimizeButton() const { return minimize_button_; }
  void SetMinimizeButton(bool v);
  bool MaximizeButton() const { return maximize_button_; }
  void SetMaximizeButton(bool v);
  bool FullScreenButton() const { return full_screen_button_; }
  void SetFullScreenButton(bool v);
  bool Resizeable() const { return resizeable_; }
  void SetResizeable(bool v);
  bool LiveResize() const { return live_resize_; }
  void SetLiveResize(bool v) { live_resize_ = v; }
  bool FullScreen() const { return full_screen_; }
  void SetFullScreen(bool v);
  std::int64_t Placement() const { return placement_; }
  void SetPlacement(std::int64_t v) { placement_ = v; }
  bool Visible() const;
  void SetVisible(bool v);
  bool HasBackColor() const { return has_back_color_; }
  void SetHasBackColor(bool v);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  bool MenuBarVisible() const { return menu_bar_visible_; }
  void SetMenuBarVisible(bool v);
  bool Composite() const { return composite_; }
  void SetComposite(bool v) { composite_ = v; }
  std::int64_t MacProcId() const { return mac_proc_id_; }
  void SetMacProcId(std::int64_t v) { mac_proc_id_ = v; }

  // Closes the window as its close button would: raises Close, then the framework lets go of it.
  void Close();
  bool IsOpen() const { return open_; }
  bool IsImplicitInstance() const { return implicit_; }
  const ClassDescription* Description() const { return description_; }

  // The content area, where a control of this window makes its widget.
  QWidget* ContentArea(Badge<RectControl>) const;
  // Whether CreateControls has made every control of the window, for a label that names another.
  bool ControlsCreated(Badge<Label>) const { return controls_created_; }
  // The application's menu bar changed: the window shows the new one.
  void MenuBarChanged(Badge<Application>) { InstallMenuBar(); }
  // Whether the window is the desktop's active window, for the menu item that is chosen.
  bool IsActiveWindow(Badge<MenuItem>) const;

 protected:
  // One control by the construction pattern: made for this window, constructed, registered
  // under its name and let go of; fetched back by name to receive its design values; fetched
  // again for each handler, attached in the order given.
  template <class T>
  void CreateControl(const std::string& name, DesignValues design,
                     std::initializer_list<std::pair<const char*, HandlerBinding>> handlers = {}) {
    {
      Ref<T> made = __New<T>();
      made->Constructor();
      _AddControl(name, made);
    }
    _SetProperties(CheckedCast<T>(_ControlByName(name)), design);
    for (const auto& [event, handler] : handlers) {
      CheckedCast<T>(_ControlByName(name))->AddHandler(event, handler);
    }
  }

 private:
  friend class internal::WindowWidget;
  friend class internal::ContentAreaWidget;
  friend class testing::Access;
  template <class T>
  friend Ref<T> ImplicitInstance(const std::string& qualified_name);

  // Closes the window for Close and for Qt's close event.
  void HandleCloseRequest();
  // (Re)builds the Qt menu bar from the application's, and sizes the window around it.
  void InstallMenuBar();
  // Places every control for a content area of that size, by its locks.
  void PlaceControls(std::int64_t content_width, std::int64_t content_height);

  // Keyboard focus follows the controls' TabIndex among those that take it.
  void ApplyTabOrder();
  // The content area's ground: the design's BackColor where it has one, and the light ground
  // that the design's colours were made for where the desktop's is dark.
  void ApplyBackground();
  void ApplySizeLimits();
  void ApplyWindowFlags();

  std::unique_ptr<internal::WindowWidget> widget_;
  std::vector<Ref<RectControl>> controls_;  // in creation order
  std::unordered_map<std::string, Ref<RectControl>> controls_by_name_;
  MenuHandlerTable menu_handlers_;
  const ClassDescription* description_ = nullptr;
  std::int64_t design_width_ = 100, design_height_ = 100;
  std::int64_t min_width_ = 64, min_height_ = 64, max_width_ = 32000, max_height_ = 32000;
  std::int64_t frame_ = 0, placement_ = 0, mac_proc_id_ = 0;
  bool close_button_ = true, minimize_button_ = true, maximize_button_ = true;
  bool full_screen_button_ = false, resizeable_ = true, live_resize_ = true, full_screen_ = false;
  bool visible_ = true, has_back_color_ = false, menu_bar_visible_ = true, composite_ = false;
  Color back_color_{255, 255, 255, 0};
  bool constructing_ = false, constructed_ = false, open_ = false, closing_ = false;
  bool implicit_ = false, controls_created_ = false;
};

// The open window that is the implicit instance of the class with that qualified name, or nil.
Ref<Window> _GetImplicitWindow(const std::string& qualified_name);

// Every open window, front-most first.
std::vector<Ref<Window>> OpenWindows();

// The window accessor pattern: the class's open implicit instance, else a new one, built.
template <class T>
Ref<T> ImplicitInstance(const std::string& qualified_name) {
  Ref<Window> w = _GetImplicitWindow(qualified_name);
  if (!w) {
    auto made = New<T>();
    made->implicit_ = true;
    made->Constructor();
    w = made;
  }
  return CheckedCast<T>(w);
}

}  // namespace fw
