#include "framework/control.h"

#include <QPointer>
#include <QWidget>

#include "framework/internal.h"
#include "framework/qt_support.h"
#include "framework/window.h"

namespace fw {

Control::~Control() = default;

void Control::AddHandler(const std::string& event, HandlerBinding handler) {
  CheckUIThread();
  FaultPoint("AddHandler");
  auto it = events_.find(event);
  if (it == events_.end()) {
    throw KeyNotFoundException(ClassName() + " " + name_ + " has no event " + event);
  }
  if (it->second.signature != handler.signature) {
    throw TypeMismatchException("the handler " + handler.signature + " does not fit the event " +
                                event + " " + it->second.signature + " of " + ClassName() + " " +
                                name_);
  }
  it->second.handler = std::move(handler.function);
}

std::string Control::EventSignature(const std::string& event) const {
  auto it = events_.find(event);
  if (it == events_.end()) throw KeyNotFoundException(ClassName() + " has no event " + event);
  return it->second.signature;
}

struct RectControl::WidgetHandle {
  QPointer<QWidget> widget;
};

QWidget* RectControl::QtWidget() const { return widget_->widget.data(); }

RectControl::RectControl() : widget_(std::make_unique<WidgetHandle>()) {
  RegisterProperty("Left", &RectControl::Left, &RectControl::SetLeft);
  RegisterProperty("Top", &RectControl::Top, &RectControl::SetTop);
  RegisterProperty("Width", &RectControl::Width, &RectControl::SetWidth);
  RegisterProperty("Height", &RectControl::Height, &RectControl::SetHeight);
  RegisterProperty("LockLeft", &RectControl::LockLeft, &RectControl::SetLockLeft);
  RegisterProperty("LockTop", &RectControl::LockTop, &RectControl::SetLockTop);
  RegisterProperty("LockRight", &RectControl::LockRight, &RectControl::SetLockRight);
  RegisterProperty("LockBottom", &RectControl::LockBottom, &RectControl::SetLockBottom);
  RegisterProperty("TabIndex", &RectControl::TabIndex, &RectControl::SetTabIndex);
  RegisterProperty("TabStop", &RectControl::TabStop, &RectControl::SetTabStop);
  RegisterProperty("Enabled", &RectControl::Enabled, &RectControl::SetEnabled);
  RegisterProperty("Visible", &RectControl::Visible, &RectControl::SetVisible);
  RegisterProperty("HelpTag", &RectControl::HelpTag, &RectControl::SetHelpTag);
  RegisterProperty("InitialParent", &RectControl::InitialParent, &RectControl::SetInitialParent);
  RegisterProperty("Transparent", &RectControl::Transparent, &RectControl::SetTransparent);
  RegisterProperty("AccessibleName", &RectControl::AccessibleName, &RectControl::SetAccessibleName);
}

RectControl::~RectControl() {
  // The window's content area owns the widget; a control that never joined a window owns it.
  if (QWidget* widget = QtWidget(); widget && !widget->parent()) delete widget;
}

void RectControl::Constructor() {
  CheckUIThread();
  FaultPoint("RectControl.Constructor");
  if (QtWidget()) throw UnsupportedOperationException(ClassName() + " is constructed already");
  Window* window = Owner();
  QWidget* parent = window ? window->ContentArea(Badge<RectControl>()) : nullptr;
  QWidget* widget = CreateWidget(parent);
  widget_->widget = widget;
  widget->show();
  UpdateGeometry();
  ApplyAccessibleText();
}

void RectControl::UpdateGeometry() {
  QWidget* widget = QtWidget();
  if (!widget) return;
  // Positions are window coordinates, also for a control that lies inside another.
  int x = static_cast<int>(left_), y = static_cast<int>(top_);
  if (!initial_parent_.empty() && Owner()) {
    if (auto parent = CheckedCast<RectControl>(Owner()->_ControlByName(initial_parent_))) {
      x -= static_cast<int>(parent->Left());
      y -= static_cast<int>(parent->Top());
    }
  }
  widget->setGeometry(x, y, static_cast<int>(width_), static_cast<int>(height_));
}

void RectControl::SetLeft(std::int64_t v) {
  left_ = v;
  UpdateGeometry();
}
void RectControl::SetTop(std::int64_t v) {
  top_ = v;
  UpdateGeometry();
}
std::int64_t RectControl::Width() const { return width_; }
void RectControl::SetWidth(std::int64_t v) {
  width_ = v;
  UpdateGeometry();
}
std::int64_t RectControl::Height() const { return height_; }
void RectControl::SetHeight(std::int64_t v) {
  height_ = v;
  UpdateGeometry();
}

void RectControl::SetTabStop(bool v) {
  tab_stop_ = v;
  if (QWidget* widget = QtWidget(); widget && !v) widget->setFocusPolicy(Qt::NoFocus);
}

bool RectControl::Enabled() const { return QtWidget() ? QtWidget()->isEnabled() : true; }
void RectControl::SetEnabled(bool v) {
  if (QWidget* widget = QtWidget()) widget->setEnabled(v);
}

void RectControl::SetVisible(bool v) {
  visible_ = v;
  if (QWidget* widget = QtWidget()) widget->setVisible(v);
}

std::string RectControl::HelpTag() const {
  return QtWidget() ? QtWidget()->toolTip().toStdString() : std::string();
}
void RectControl::SetHelpTag(const std::string& tag) {
  if (QWidget* widget = QtWidget()) widget->setToolTip(QString::fromStdString(tag));
}

void RectControl::SetInitialParent(const std::string& parent) {
  if (parent.empty()) {
    initial_parent_.clear();
    return;
  }
  if (!Owner()) throw NilObjectException(ClassName() + " " + Name() + " belongs to no window");
  auto control = CheckedCast<RectControl>(Owner()->_ControlByName(parent));
  if (!control) {
    throw KeyNotFoundException(ClassName() + " " + Name() + ": no control named " + parent +
                               " to lie in");
  }
  initial_parent_ = parent;
  if (QWidget* widget = QtWidget()) {
    widget->setParent(control->QtWidget());
    widget->show();
  }
  UpdateGeometry();
}

void RectControl::SetAccessibleName(const std::string& name) {
  accessible_name_ = name;
  ApplyAccessibleText();
}

void RectControl::SetCaption(Badge<Label>, const std::string& caption) {
  caption_ = caption;
  ApplyAccessibleText();
}

void RectControl::ApplyAccessibleText() {
  QWidget* widget = QtWidget();
  if (!widget) return;
  // A caption ends in a colon where it stands before its field; the field is called by its words.
  QString caption = qt::ToQ(caption_).trimmed();
  if (caption.endsWith(u':')) caption = caption.chopped(1).trimmed();
  QString name = qt::ToQ(accessible_name_);
  if (NamedByOwnText()) {
    widget->setAccessibleDescription(caption);
  } else if (name.isEmpty()) {
    name = caption;
  }
  widget->setAccessibleName(name);
}

void RectControl::RecordDesignPlace(std::int64_t content_width, std::int64_t content_height) {
  right_gap_ = content_width - (left_ + width_);
  bottom_gap_ = content_height - (top_ + height_);
}

void RectControl::ApplyLocks(std::int64_t content_width, std::int64_t content_height) {
  if (lock_right_) {
    if (lock_left_) {
      width_ = content_width - right_gap_ - left_;
    } else {
      left_ = content_width - right_gap_ - width_;
    }
  }
  if (lock_bottom_) {
    if (lock_top_) {
      height_ = content_height - bottom_gap_ - top_;
    } else {
      top_ = content_height - bottom_gap_ - height_;
    }
  }
  if (lock_right_ || lock_bottom_) UpdateGeometry();
}

}  // namespace fw
