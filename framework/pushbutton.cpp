#include "framework/pushbutton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "framework/qt_support.h"

namespace fw {

namespace internal {

// Watches its window for the Return, Enter and Escape presses that no widget took.
class PushButtonWidget : public QPushButton {
 public:
  PushButtonWidget(PushButton* owner, QWidget* parent) : QPushButton(parent), owner_(owner) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
      if (owner_) CallFromQt([this] { owner_->RaiseAction(); });
    });
    window()->installEventFilter(this);
  }
  void Detach() { owner_ = nullptr; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && owner_ && watched == window() && isVisible() &&
        isEnabled()) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      const bool accepting = (key == Qt::Key_Return || key == Qt::Key_Enter) && owner_->Default();
      const bool cancelling = key == Qt::Key_Escape && owner_->Cancel();
      if (accepting || cancelling) {
        animateClick();
        return true;
      }
    }
    return QPushButton::eventFilter(watched, event);
  }

 private:
  PushButton* owner_;
};

}  // namespace internal

PushButton::PushButton() {
  RegisterProperty("Caption", &PushButton::Caption, &PushButton::SetCaption);
  RegisterProperty("ButtonStyle", &PushButton::ButtonStyle, &PushButton::SetButtonStyle);
  RegisterProperty("Default", &PushButton::Default, &PushButton::SetDefault);
  RegisterProperty("Cancel", &PushButton::Cancel, &PushButton::SetCancel);
  DeclareEvent<void, Ref<PushButton>>("Open");
  DeclareEvent<void, Ref<PushButton>>("Action");
}

PushButton::~PushButton() {
  if (auto* w = static_cast<internal::PushButtonWidget*>(QtWidget())) w->Detach();
}

QWidget* PushButton::CreateWidget(QWidget* parent) {
  return new internal::PushButtonWidget(this, parent);
}

void PushButton::Constructor() {
  RectControl::Constructor();
  auto* w = static_cast<QPushButton*>(QtWidget());
  w->setText(qt::ToQ(caption_));
  w->setDefault(default_);
  ApplyFont();
}

void PushButton::SetCaption(const std::string& caption) {
  CheckUIThread();
  caption_ = caption;
  if (auto* w = static_cast<QPushButton*>(QtWidget())) w->setText(qt::ToQ(caption));
}

void PushButton::SetButtonStyle(std::int64_t style) {
  if (style != 0) {
    throw UnsupportedOperationException("PushButton.ButtonStyle " + std::to_string(style) +
                                        " is not supported; 0 (push button) is");
  }
  button_style_ = style;
}

void PushButton::SetDefault(bool v) {
  default_ = v;
  if (auto* w = static_cast<QPushButton*>(QtWidget())) w->setDefault(v);
}

void PushButton::SetCancel(bool v) { cancel_ = v; }

void PushButton::Push() {
  CheckUIThread();
  RaiseAction();
}

void PushButton::RaiseOpen() { RaiseEvent<void, Ref<PushButton>>("Open", SelfRef(this)); }

void PushButton::RaiseAction() { RaiseEvent<void, Ref<PushButton>>("Action", SelfRef(this)); }

}  // namespace fw
