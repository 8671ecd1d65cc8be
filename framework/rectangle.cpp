#include "framework/rectangle.h"

#include <QPainter>
#include <QWidget>

#include "framework/qt_support.h"

namespace fw {

namespace {

class RectangleWidget : public QWidget {
 public:
  RectangleWidget(Rectangle* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, owner->FillColor().alpha == 0);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), qt::ToQ(owner_->FillColor()));
    const int border = static_cast<int>(owner_->BorderWidth());
    if (border > 0) {
      const QColor top_left = qt::ToQ(owner_->TopLeftColor());
      const QColor bottom_right = qt::ToQ(owner_->BottomRightColor());
      painter.fillRect(0, 0, width(), border, top_left);
      painter.fillRect(0, 0, border, height(), top_left);
      painter.fillRect(0, height() - border, width(), border, bottom_right);
      painter.fillRect(width() - border, 0, border, height(), bottom_right);
    }
  }

 private:
  Rectangle* owner_;
};

}  // namespace

Rectangle::Rectangle() {
  RegisterProperty("FillColor", &Rectangle::FillColor, &Rectangle::SetFillColor);
  RegisterProperty("BorderWidth", &Rectangle::BorderWidth, &Rectangle::SetBorderWidth);
  RegisterProperty("TopLeftColor", &Rectangle::TopLeftColor, &Rectangle::SetTopLeftColor);
  RegisterProperty("BottomRightColor", &Rectangle::BottomRightColor,
                   &Rectangle::SetBottomRightColor);
  DeclareEvent<void, Ref<Rectangle>>("Open");
}

QWidget* Rectangle::CreateWidget(QWidget* parent) { return new RectangleWidget(this, parent); }

void Rectangle::SetFillColor(Color c) {
  fill_ = c;
  if (auto* w = QtWidget()) {
    // An opaque fill covers every pixel: Qt then paints nothing of what lies beneath, which
    // spares the bars and captions that overlap a changing result label a repaint at every key.
    w->setAttribute(Qt::WA_OpaquePaintEvent, c.alpha == 0);
    w->update();
  }
}
void Rectangle::SetBorderWidth(std::int64_t v) {
  if (v < 0)
    throw OutOfBoundsException("Rectangle.BorderWidth " + std::to_string(v) + " is negative");
  border_width_ = v;
  if (auto* w = QtWidget()) w->update();
}
void Rectangle::SetTopLeftColor(Color c) {
  top_left_ = c;
  if (auto* w = QtWidget()) w->update();
}
void Rectangle::SetBottomRightColor(Color c) {
  bottom_right_ = c;
  if (auto* w = QtWidget()) w->update();
}

void Rectangle::RaiseOpen() { RaiseEvent<void, Ref<Rectangle>>("Open", SelfRef(this)); }

}  // namespace fw
