// Controls and their events.
//
// A control is made by its window (Window::__New), constructed (RectControl::Constructor, which
// makes its Qt widget in the window's content area), registered by name, given its design values
// and then its handlers. Each control class declares its events with their signatures; a handler
// is a method of the window bound with Bind, whose signature text, such as
// "( Listbox, Integer, Integer, String ) as Boolean", must match the event's, or attaching it
// raises TypeMismatchException.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/badge.h"
#include "framework/runtime.h"
#include "framework/value.h"

class QWidget;

namespace fw {

class Label;
class Window;
struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
};

// The framework's names for the types of event arguments and results.
template <class T>
struct TypeText;
template <>
struct TypeText<std::int64_t> {
  static std::string Get() { return "Integer"; }
};
template <>
struct TypeText<double> {
  static std::string Get() { return "Double"; }
};
template <>
struct TypeText<bool> {
  static std::string Get() { return "Boolean"; }
};
template <>
struct TypeText<std::string> {
  static std::string Get() { return "String"; }
};
template <class T>
struct TypeText<Ref<T>> {
  static std::string Get() { return T::kClassName; }
};
template <class T>
struct TypeText<std::vector<T>> {
  static std::string Get() { return TypeText<T>::Get() + "()"; }
};
template <>
struct TypeText<Rect> {
  static std::string Get() { return "Rect"; }
};

template <class R, class... A>
std::string SignatureText() {
  std::string text = "(";
  bool first = true;
  ((text += (first ? " " : ", ") + TypeText<std::decay_t<A>>::Get(), first = false), ...);
  text += " )";
  if constexpr (!std::is_void_v<R>) text += " as " + TypeText<R>::Get();
  return text;
}

// A window's method bound to the window, ready to attach to an event.
struct HandlerBinding {
  std::string signature;
  std::any function;  // std::function<R(A...)>
};

template <class W, class R, class... A>
HandlerBinding Bind(W* window, R (W::*method)(A...)) {
  std::function<R(std::decay_t<A>...)> f = [window, method](std::decay_t<A>... args) -> R {
    return (window->*method)(std::move(args)...);
  };
  return HandlerBinding{SignatureText<R, A...>(), std::move(f)};
}

class Control : public Designable {
 public:
  static constexpr const char* kClassName = "Control";
  ~Control() override;

  const std::string& Name() const { return name_; }

  // Attaches a handler to one of the control's events.
  void AddHandler(const std::string& event, HandlerBinding handler);
  std::string EventSignature(const std::string& event) const;

 protected:
  // The window that made the control; nil for a control made without one.
  Window* Owner() const { return window_; }

  template <class R, class... A>
  void DeclareEvent(const std::string& event) {
    events_[event] = Slot{SignatureText<R, A...>(), {}};
  }
  // Calls the handler attached to the event, if any; without one, the result is R's default.
  template <class R, class... A>
  R RaiseEvent(const std::string& event, A... args) {
    auto it = events_.find(event);
    if (it == events_.end() || !it->second.handler.has_value()) {
      if constexpr (std::is_void_v<R>)
        return;
      else
        return R();
    }
    auto& f = std::any_cast<std::function<R(A...)>&>(it->second.handler);
    return f(std::move(args)...);
  }

 private:
  // The window makes its controls, names them and raises their Open event once it is built.
  friend class Window;
  void SetWindow(Window* window) { window_ = window; }
  void SetName(const std::string& name) { name_ = name; }
  virtual void RaiseOpen() = 0;

  struct Slot {
    std::string signature;
    std::any handler;
  };
  std::map<std::string, Slot> events_;
  std::string name_;
  Window* window_ = nullptr;
};

// A visual control with a place in its window.
class RectControl : public Control {
 public:
  static constexpr const char* kClassName = "RectControl";
  RectControl();
  ~RectControl() override;

  // The parameterless constructor of every visual control: makes its widget.
  virtual void Constructor();

  std::int64_t Left() const { return left_; }
  void SetLeft(std::int64_t v);
  std::int64_t Top() const { return top_; }
  void SetTop(std::int64_t v);
  std::int64_t Width() const;
  void SetWidth(std::int64_t v);
  std::int64_t Height() const;
  void SetHeight(std::int64_t v);
  bool LockLeft() const { return lock_left_; }
  void SetLockLeft(bool v) { lock_left_ = v; }
  bool LockTop() const { return lock_top_; }
  void SetLockTop(bool v) { lock_top_ = v; }
  bool LockRight() const { return lock_right_; }
  void SetLockRight(bool v) { lock_right_ = v; }
  bool LockBottom() const { return lock_bottom_; }
  void SetLockBottom(bool v) { lock_bottom_ = v; }
  std::int64_t TabIndex() const { return tab_index_; }
  void SetTabIndex(std::int64_t v) { tab_index_ = v; }
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v);
  bool Enabled() const;
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  std::string HelpTag() const;
  void SetHelpTag(const std::string& tag);
  const std::string& InitialParent() const { return initial_parent_; }
  void SetInitialParent(const std::string& parent);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  // What a screen reader calls the control. Empty: its own text, or the caption of the label that
  // names it (Label.LabelFor), names it.
  const std::string& AccessibleName() const { return accessible_name_; }
  void SetAccessibleName(const std::string& name);

  // What the label that captions this control reads, from that label (Label.LabelFor). It names
  // the control, unless the control's own text names it (a label showing a result): then it
  // describes it.
  void SetCaption(Badge<Label>, const std::string& caption);
  // The widget that the captioning label's widget has as its buddy.
  QWidget* CaptionedWidget(Badge<Label>) const { return QtWidget(); }

 protected:
  // The widget behind the control; nil once the window that held it has gone.
  QWidget* QtWidget() const;
  // Makes the control's widget; called once by Constructor.
  virtual QWidget* CreateWidget(QWidget* parent) = 0;
  void UpdateGeometry();
  // Whether the control's own text tells a screen reader what it is.
  virtual bool NamedByOwnText() const { return false; }

 private:
  // The window links its controls to each other, places them, orders their tabbing and raises
  // their Open event.
  friend class Window;
  friend class testing::Access;

  // Links the control to the other controls that its design values name, once every control of
  // its window exists: a control may be created before the one it names.
  virtual void LinkToControls() {}
  // Keeps the control's distances to the content area's edges as designed, for its locks.
  void RecordDesignPlace(std::int64_t content_width, std::int64_t content_height);
  // Places the control for a content area of that size, by its locks.
  void ApplyLocks(std::int64_t content_width, std::int64_t content_height);
  void RaiseOpen() override {}
  void ApplyAccessibleText();

  struct WidgetHandle;
  std::unique_ptr<WidgetHandle> widget_;
  std::int64_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, tab_index_ = 0;
  std::int64_t right_gap_ = 0, bottom_gap_ = 0;
  bool lock_left_ = true, lock_top_ = true, lock_right_ = false, lock_bottom_ = false;
  bool tab_stop_ = true, visible_ = true, transparent_ = false;
  std::string initial_parent_, accessible_name_, caption_;
};

}  // namespace fw
