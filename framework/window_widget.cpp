#include "framework/window_widget.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>

#include "framework/error_report.h"
#include "framework/window.h"

namespace fw::internal {

void ContentAreaWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  CallFromQt([this] { owner_->PlaceControls(width(), height()); });
}

WindowWidget::WindowWidget(Window* owner) : owner_(owner), content_(new ContentAreaWidget(owner)) {
  setCentralWidget(content_);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

int WindowWidget::MenuBarHeight() const {
  QMenuBar* bar = menuWidget() ? qobject_cast<QMenuBar*>(menuWidget()) : nullptr;
  return bar && !bar->isHidden() && bar->actions().size() > 0 ? bar->sizeHint().height() : 0;
}

bool WindowWidget::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  // The desktop's scheme changed while the window is open (a dark one chosen, or left). Qt
  // tells the windows, which pass the new palette on to the content area.
  if (event->type() == QEvent::ApplicationPaletteChange) owner_->ApplyBackground();
  return handled;
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  CallFromQt([this] { owner_->HandleCloseRequest(); });
}

}  // namespace fw::internal
