#include "framework/canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace fw {

namespace internal {

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(Canvas* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
  }
  void Detach() { owner_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!owner_) return;
    QPainter painter(this);
    if (!owner_->Transparent() && owner_->EraseBackground()) {
      for (const QRect& r : event->region()) painter.fillRect(r, palette().window());
    }
    std::vector<Rect> areas;
    for (const QRect& r : event->region()) {
      areas.push_back(Rect{static_cast<double>(r.x()), static_cast<double>(r.y()),
                           static_cast<double>(r.width()), static_cast<double>(r.height())});
    }
    CallFromQt([&] {
      auto g = New<Graphics>(&painter, width(), height());
      try {
        owner_->RaisePaint(g, areas);
      } catch (...) {
        g->EndPaint();
        throw;
      }
      g->EndPaint();
    });
  }

  void mousePressEvent(QMouseEvent* event) override {
    bool handled = false;
    if (owner_) {
      const QPoint p = event->position().toPoint();
      CallFromQt([&] { handled = owner_->RaiseMouseDown(p.x(), p.y()); });
    }
    if (!handled) QWidget::mousePressEvent(event);
  }

  bool focusNextPrevChild(bool next) override {
    if (owner_ && owner_->AcceptTabs()) return false;
    return QWidget::focusNextPrevChild(next);
  }

 private:
  Canvas* owner_;
};

}  // namespace internal

Canvas::Canvas() {
  RegisterProperty("AcceptFocus", &Canvas::AcceptFocus, &Canvas::SetAcceptFocus);
  RegisterProperty("AcceptTabs", &Canvas::AcceptTabs, &Canvas::SetAcceptTabs);
  RegisterProperty("UseFocusRing", &Canvas::UseFocusRing, &Canvas::SetUseFocusRing);
  RegisterProperty("DoubleBuffer", &Canvas::DoubleBuffer, &Canvas::SetDoubleBuffer);
  RegisterProperty("EraseBackground", &Canvas::EraseBackground, &Canvas::SetEraseBackground);
  DeclareEvent<void, Ref<Canvas>>("Open");
  DeclareEvent<void, Ref<Canvas>, Ref<Graphics>, std::vector<Rect>>("Paint");
  DeclareEvent<bool, Ref<Canvas>, std::int64_t, std::int64_t>("MouseDown");
}

Canvas::~Canvas() {
  if (auto* w = static_cast<internal::CanvasWidget*>(QtWidget())) w->Detach();
}

QWidget* Canvas::CreateWidget(QWidget* parent) { return new internal::CanvasWidget(this, parent); }

void Canvas::Constructor() {
  RectControl::Constructor();
  SetAcceptFocus(accept_focus_);
}

void Canvas::SetAcceptFocus(bool v) {
  accept_focus_ = v;
  if (auto* w = QtWidget())
    w->setFocusPolicy(v && TabStop() ? Qt::StrongFocus : v ? Qt::ClickFocus : Qt::NoFocus);
}

void Canvas::SetEraseBackground(bool v) {
  erase_background_ = v;
  Invalidate();
}

void Canvas::Invalidate() {
  CheckUIThread();
  if (auto* w = QtWidget()) w->update();
}

void Canvas::RaiseOpen() { RaiseEvent<void, Ref<Canvas>>("Open", SelfRef(this)); }

void Canvas::RaisePaint(const Ref<Graphics>& g, const std::vector<Rect>& areas) {
  RaiseEvent<void, Ref<Canvas>, Ref<Graphics>, std::vector<Rect>>("Paint", SelfRef(this), g, areas);
}

bool Canvas::RaiseMouseDown(std::int64_t x, std::int64_t y) {
  return RaiseEvent<bool, Ref<Canvas>, std::int64_t, std::int64_t>("MouseDown", SelfRef(this), x,
                                                                   y);
}

}  // namespace fw
