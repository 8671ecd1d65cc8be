#include "framework/window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <algorithm>

#include "framework/control.h"
#include "framework/design_palette.h"
#include "framework/internal.h"
#include "framework/qt_support.h"
#include "framework/window_widget.h"

namespace fw {

Window::Window() {
  RegisterProperty("Width", &Window::Width, &Window::SetWidth);
  RegisterProperty("Height", &Window::Height, &Window::SetHeight);
  RegisterProperty("MinWidth", &Window::MinWidth, &Window::SetMinWidth);
  RegisterProperty("MinHeight", &Window::MinHeight, &Window::SetMinHeight);
  RegisterProperty("MaxWidth", &Window::MaxWidth, &Window::SetMaxWidth);
  RegisterProperty("MaxHeight", &Window::MaxHeight, &Window::SetMaxHeight);
  RegisterProperty("Frame", &Window::Frame, &Window::SetFrame);
  RegisterProperty("Title", &Window::Title, &Window::SetTitle);
  RegisterProperty("CloseButton", &Window::CloseButton, &Window::SetCloseButton);
  RegisterProperty("MinimizeButton", &Window::MinimizeButton, &Window::SetMinimizeButton);
  RegisterProperty("MaximizeButton", &Window::MaximizeButton, &Window::SetMaximizeButton);
  RegisterProperty("FullScreenButton", &Window::FullScreenButton, &Window::SetFullScreenButton);
  RegisterProperty("Resizeable", &Window::Resizeable, &Window::SetResizeable);
  RegisterProperty("LiveResize", &Window::LiveResize, &Window::SetLiveResize);
  RegisterProperty("FullScreen", &Window::FullScreen, &Window::SetFullScreen);
  RegisterProperty("Placement", &Window::Placement, &Window::SetPlacement);
  RegisterProperty("Visible", &Window::Visible, &Window::SetVisible);
  RegisterProperty("HasBackColor", &Window::HasBackColor, &Window::SetHasBackColor);
  RegisterProperty("BackColor", &Window::BackColor, &Window::SetBackColor);
  RegisterProperty("MenuBarVisible", &Window::MenuBarVisible, &Window::SetMenuBarVisible);
  RegisterProperty("Composite", &Window::Composite, &Window::SetComposite);
  RegisterProperty("MacProcId", &Window::MacProcId, &Window::SetMacProcId);
}

Window::~Window() {
  // Controls go before the widgets they live in.
  controls_by_name_.clear();
  controls_.clear();
  widget_.reset();
}

void Window::Constructor() {
  CheckUIThread();
  FaultPoint("Window.Constructor");
  TracePoint("Window.Constructor:", *this);
  description_ = DescriptionOf(typeid(*this));
  widget_ = std::make_unique<internal::WindowWidget>(this);
  ApplyWindowFlags();
  ApplyBackground();
  open_ = true;
  internal::HoldWindow(SelfRef(this));
  try {
    constructing_ = true;
    auto raise = [this](const char* event) {
      if (description_) {
        if (const auto* implementation = description_->Event(event)) (*implementation)(*this);
      }
    };
    raise("Layout");
    raise("CreateControls");
    controls_created_ = true;
    for (const auto& control : controls_) control->LinkToControls();
    for (const auto& control : controls_) {
      control->RecordDesignPlace(design_width_, design_height_);
    }
    ApplyTabOrder();
    raise("AddMenuHandlers");
    InstallMenuBar();  // and sizes the window around the content area and the bar
    for (const auto& control : controls_) control->RaiseOpen();
    constructing_ = false;
    constructed_ = true;
    if (visible_) SetVisible(true);
  } catch (...) {
    constructing_ = false;
    open_ = false;
    internal::ForgetWindow(this);
    if (widget_) widget_->hide();
    throw;
  }
}

void Window::ApplyTabOrder() {
  std::vector<QWidget*> chain;
  std::vector<Ref<RectControl>> ordered = Controls();
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto& a, const auto& b) { return a->TabIndex() < b->TabIndex(); });
  for (const auto& control : ordered) {
    QWidget* widget = control->QtWidget();
    if (widget && widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Window::_AddControl(const std::string& name, const Ref<RectControl>& control) {
  CheckUIThread();
  FaultPoint("Window._AddControl");
  if (!control) throw NilObjectException("Window._AddControl: the control " + name + " is nil");
  if (controls_by_name_.count(name)) {
    throw InvalidArgumentException(ClassName() + " has a control named " + name + " already");
  }
  control->SetName(name);
  controls_.push_back(control);
  controls_by_name_.emplace(name, control);
}

Ref<Object> Window::_ControlByName(const std::string& name) const {
  FaultPoint("Window._ControlByName");
  auto it = controls_by_name_.find(name);
  return it == controls_by_name_.end() ? nullptr : it->second;
}

std::vector<Ref<RectControl>> Window::Controls() const { return controls_; }

void Window::_AddMenuHandler(const std::string& item_name, MenuHandler handler) {
  FaultPoint("Window._AddMenuHandler");
  TracePoint("Window._AddMenuHandler:", item_name);
  menu_handlers_.Add(item_name, std::move(handler));
}

const MenuHandler* Window::MenuHandlerFor(const std::string& item_name) const {
  return menu_handlers_.Find(item_name);
}

std::int64_t Window::Width() const { return widget_ ? widget_->content()->width() : design_width_; }
std::int64_t Window::Height() const {
  return widget_ ? widget_->content()->height() : design_height_;
}

void Window::SetWidth(std::int64_t v) {
  design_width_ = v;
  ApplySizeLimits();
}
void Window::SetHeight(std::int64_t v) {
  design_height_ = v;
  ApplySizeLimits();
}
void Window::SetMinWidth(std::int64_t v) {
  min_width_ = v;
  ApplySizeLimits();
}
void Window::SetMinHeight(std::int64_t v) {
  min_height_ = v;
  ApplySizeLimits();
}
void Window::SetMaxWidth(std::int64_t v) {
  max_width_ = v;
  ApplySizeLimits();
}
void Window::SetMaxHeight(std::int64_t v) {
  max_height_ = v;
  ApplySizeLimits();
}

void Window::ApplySizeLimits() {
  if (!widget_) return;
  const int bar = widget_->MenuBarHeight();
  auto clamp = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, 32000));
  };
  if (resizeable_) {
    widget_->setMinimumSize(clamp(min_width_), clamp(min_height_) + bar);
    widget_->setMaximumSize(clamp(max_width_), std::min(clamp(max_height_) + bar, 32767));
    widget_->content()->setMinimumSize(clamp(min_width_), clamp(min_height_));
  } else {
    widget_->setFixedSize(clamp(design_width_), clamp(design_height_) + bar);
    widget_->content()->setFixedSize(clamp(design_width_), clamp(design_height_));
  }
  widget_->resize(clamp(design_width_), clamp(design_height_) + bar);
  widget_->content()->resize(clamp(design_width_), clamp(design_height_));
}

void Window::SetFrame(std::int64_t v) {
  if (v != 0)
    throw UnsupportedOperationException("Window.Frame " + std::to_string(v) +
                                        " is not supported; 0 (a document window) is");
  frame_ = v;
}

std::string Window::Title() const { return widget_ ? widget_->windowTitle().toStdString() : ""; }
void Window::SetTitle(const std::string& title) {
  CheckUIThread();
  if (widget_) widget_->setWindowTitle(QString::fromStdString(title));
}

void Window::SetCloseButton(bool v) {
  close_button_ = v;
  ApplyWindowFlags();
}
void Window::SetMinimizeButton(bool v) {
  minimize_button_ = v;
  ApplyWindowFlags();
}
void Window::SetMaximizeButton(bool v) {
  maximize_button_ = v;
  ApplyWindowFlags();
}
void Window::SetFullScreenButton(bool v) { full_screen_button_ = v; }
void Window::SetResizeable(bool v) {
  resizeable_ = v;
  ApplySizeLimits();
}

void Window::ApplyWindowFlags() {
  if (!widget_) return;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (close_button_) flags |= Qt::WindowCloseButtonHint;
  if (minimize_button_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximize_button_) flags |= Qt::WindowMaximizeButtonHint;
  const bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (shown) widget_->show();
}

void Window::SetFullScreen(bool v) {
  full_screen_ = v;
  if (widget_ && constructed_) {
    if (v) {
      widget_->showFullScreen();
    } else if (widget_->isFullScreen()) {
      widget_->showNormal();
    }
  }
}

bool Window::Visible() const {
  return widget_ ? widget_->isVisible() || (constructing_ && visible_) : visible_;
}

void Window::SetVisible(bool v) {
  CheckUIThread();
  visible_ = v;
  if (!widget_ || constructing_ || !open_) return;
  if (v) {
    // show() and raise() leave a minimised window minimised.
    if (const Qt::WindowStates state = widget_->windowState(); state & Qt::WindowMinimized) {
      widget_->setWindowState(state & ~Qt::WindowMinimized);
    }
    if (full_screen_) {
      widget_->showFullScreen();
    } else {
      widget_->show();
    }
    widget_->raise();
    widget_->activateWindow();
    internal::BringWindowToFront(this);
  } else {
    widget_->hide();
  }
}

void Window::SetHasBackColor(bool v) {
  has_back_color_ = v;
  ApplyBackground();
}

void Window::SetBackColor(Color c) {
  back_color_ = c;
  ApplyBackground();
}

void Window::ApplyBackground() {
  if (!widget_) return;
  QWidget* content = widget_->content();
  QPalette palette = internal::DesignPalette();
  if (has_back_color_) {
    const Color c = back_color_;
    palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue, 255 - c.alpha));
  }
  content->setAutoFillBackground(has_back_color_ || internal::IsDark(QApplication::palette()));
  content->setPalette(palette);
}

void Window::SetMenuBarVisible(bool v) {
  menu_bar_visible_ = v;
  if (constructed_) InstallMenuBar();
}

void Window::Close() {
  CheckUIThread();
  if (!open_ || closing_) return;
  HandleCloseRequest();
  if (widget_) widget_->hide();
}

void Window::HandleCloseRequest() {
  if (!open_ || closing_) return;
  closing_ = true;
  Ref<Window> self = SelfRef(this);  // held until the Close event has run
  open_ = false;
  internal::ForgetWindow(this);
  if (description_) {
    if (const auto* implementation = description_->Event("Close")) (*implementation)(*this);
  }
}

QWidget* Window::ContentArea(Badge<RectControl>) const {
  return widget_ ? widget_->content() : nullptr;
}

bool Window::IsActiveWindow(Badge<MenuItem>) const {
  return widget_ && widget_.get() == QApplication::activeWindow();
}

void Window::PlaceControls(std::int64_t content_width, std::int64_t content_height) {
  for (const auto& control : Controls()) control->ApplyLocks(content_width, content_height);
}

void Window::InstallMenuBar() {
  if (!widget_) return;
  QMenuBar* qt_bar = widget_->menuBar();
  qt_bar->clear();
  qt_bar->setVisible(menu_bar_visible_ && internal::FillMenuBar(qt_bar));
  ApplySizeLimits();
}

}  // namespace fw
