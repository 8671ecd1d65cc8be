// The Qt objects behind the framework's own, for the tests that drive and observe them.
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QWidget>

#include "framework/control.h"
#include "framework/graphics.h"
#include "framework/listbox.h"
#include "framework/listbox_delegate.h"
#include "framework/listbox_parts.h"
#include "framework/picture.h"
#include "framework/testing.h"
#include "framework/window.h"
#include "framework/window_widget.h"

namespace fw::testing {

class Access {
 public:
  static QWidget* Widget(const RectControl& control) { return control.QtWidget(); }
  static internal::WindowWidget* QtWindow(const Window& window) { return window.widget_.get(); }
  static QTableView* View(const Listbox& list) { return list.parts_->view; }
  static QLineEdit* Editor(const TextEdit& edit) {
    return edit.link_ ? edit.link_->editor.data() : nullptr;
  }
  static const QImage& Image(const Picture& picture) { return *picture.image_; }
  static void EndPaint(Graphics& graphics) { graphics.EndPaint(); }
};

QWidget* WidgetOf(const RectControl& control) { return Access::Widget(control); }

QMainWindow* QtWindowOf(const Window& window) { return Access::QtWindow(window); }

QWidget* ContentAreaOf(const Window& window) {
  internal::WindowWidget* qt_window = Access::QtWindow(window);
  return qt_window ? qt_window->content() : nullptr;
}

QTableView* ViewOf(const Listbox& list) { return Access::View(list); }

QLineEdit* EditorOf(const TextEdit& edit) { return Access::Editor(edit); }

const QImage& ImageOf(const Picture& picture) { return Access::Image(picture); }

void EndPaint(Graphics& graphics) { Access::EndPaint(graphics); }

}  // namespace fw::testing
