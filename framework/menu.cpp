#include "framework/menu.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>
#include <map>
#include <memory>

#include "framework/application.h"
#include "framework/internal.h"
#include "framework/qt_support.h"
#include "framework/window.h"

namespace fw {

namespace {

// The Qt action of each item, made once per run and shared by the menu bars of all windows, so
// that one application-wide shortcut fires from every window. Items are told apart by their
// ownership, not by their address: an item made where a gone one lay gets an action of its own.
using ActionMap = std::map<std::weak_ptr<const MenuItem>, QAction*, std::owner_less<>>;
ActionMap& Actions() {
  static ActionMap actions;
  return actions;
}

// "Cmd+R" is the platform's command key with R: Ctrl+R here.
QKeySequence KeySequenceFor(const std::string& shortcut) {
  std::string text = shortcut;
  if (text.rfind("Cmd+", 0) == 0) text.replace(0, 3, "Ctrl");
  return QKeySequence(qt::ToQ(text), QKeySequence::PortableText);
}

// The action that holds the shortcut application-wide, or nil.
QAction* ShortcutHolder(const QKeySequence& keys) {
  for (const auto& [item, action] : Actions()) {
    if (action->shortcut() == keys && action->shortcutContext() == Qt::ApplicationShortcut) {
      return action;
    }
  }
  return nullptr;
}

class MenuAction : public QAction {
 public:
  using QAction::QAction;

 protected:
  // An item that shows a shortcut that another holds can only meet it while the menu bar has the
  // keyboard focus (keyboard navigation of the bar); the key then goes to the holder, as it does
  // everywhere else, rather than to neither of them.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Shortcut) {
      auto* shortcut = static_cast<QShortcutEvent*>(event);
      if (QAction* holder = ShortcutHolder(shortcut->key()); holder && shortcut->isAmbiguous()) {
        if (holder->isEnabled()) holder->trigger();
        return true;
      }
    }
    return QAction::event(event);
  }
};

QAction* ActionFor(const Ref<MenuItem>& item) {
  auto& actions = Actions();
  auto it = actions.find(item.shared());
  if (it != actions.end()) return it->second;
  auto* action = new MenuAction(internal::QtApplication());
  action->setObjectName(qt::ToQ(item->Name()));
  if (item->IsSeparator()) {
    action->setSeparator(true);
  } else {
    const QString text = qt::ToQ(item->Text());
    const QKeySequence keys = KeySequenceFor(item->KeyboardShortcut());
    if (!keys.isEmpty()) {
      // Qt fires neither of two actions with one application-wide shortcut. The first item keeps
      // it; the others show it as a shortcut of their own that cannot fire outside the open menu.
      // A focused text editor still takes its own keys (Ctrl+A selects all).
      const bool taken = ShortcutHolder(keys) != nullptr;
      action->setShortcut(keys);
      action->setShortcutContext(taken ? Qt::WidgetShortcut : Qt::ApplicationShortcut);
    }
    action->setText(text);
    if (item->IsA<QuitMenuItem>()) action->setMenuRole(QAction::QuitRole);
  }
  action->setVisible(item->Visible());
  action->setEnabled(item->AutoEnable());
  std::weak_ptr<Object> weak = item.shared();
  QObject::connect(action, &QAction::triggered, action, [weak] {
    CallFromQt([weak] {
      if (auto object = weak.lock()) std::static_pointer_cast<MenuItem>(object)->Choose();
    });
  });
  actions.emplace(item.shared(), action);
  return action;
}

// The standard Edit items act on the focused text editor, as the platform's own do.
bool StandardEditAction(const std::string& name) {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    if (name == "EditUndo")
      line->undo();
    else if (name == "EditCut")
      line->cut();
    else if (name == "EditCopy")
      line->copy();
    else if (name == "EditPaste")
      line->paste();
    else if (name == "EditClear")
      line->del();
    else if (name == "EditSelectAll")
      line->selectAll();
    else
      return false;
    return true;
  }
  return false;
}

}  // namespace

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::Constructor() {
  CheckUIThread();
  FaultPoint("MenuItem.Constructor");
}

void MenuItem::SetName(const std::string& name) {
  FaultPoint("MenuItem.Name");
  name_ = name;
}
void MenuItem::SetAutoEnable(bool value) { auto_enable_ = value; }
void MenuItem::SetText(const std::string& text) { text_ = text; }
void MenuItem::SetVisible(bool value) { visible_ = value; }
void MenuItem::SetKeyboardShortcut(const std::string& shortcut) {
  if (!shortcut.empty() && KeySequenceFor(shortcut).isEmpty()) {
    throw InvalidArgumentException("MenuItem " + name_ + ": \"" + shortcut +
                                   "\" is no keyboard shortcut");
  }
  shortcut_ = shortcut;
  shortcut_set_ = true;
}

void MenuItem::Append(const Ref<MenuItem>& child) {
  CheckUIThread();
  FaultPoint("MenuItem.Append");
  if (!child) throw NilObjectException("MenuItem.Append: the item is nil");
  children_.push_back(child);
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
  FaultPoint("MenuItem.Child");
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
  }
  return nullptr;
}

std::int64_t MenuItem::Count() const { return static_cast<std::int64_t>(children_.size()); }

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
  if (index < 0 || index >= Count()) {
    throw OutOfBoundsException("MenuItem " + name_ + " has no item " + std::to_string(index));
  }
  return children_[static_cast<std::size_t>(index)];
}

void MenuItem::Choose() {
  CheckUIThread();
  TracePoint("MenuItem.Choose:", name_);
  // The desktop's active window, else the front-most open one.
  const auto front_window = []() -> Window* {
    const std::vector<Ref<Window>> open = OpenWindows();
    for (const Ref<Window>& window : open) {
      if (window->IsActiveWindow(Badge<MenuItem>())) return window.get();
    }
    return open.empty() ? nullptr : open.front().get();
  };
  if (Window* front = front_window()) {
    if (const MenuHandler* handler = front->MenuHandlerFor(name_)) {
      if ((*handler)()) return;
    }
  }
  if (auto app = CheckedCast<Application>(_GetAppObject())) {
    if (const MenuHandler* handler = app->MenuHandlerFor(name_)) {
      (*handler)();
      return;
    }
  }
  if (IsA<QuitMenuItem>()) {
    Quit(0);
    return;
  }
  StandardEditAction(name_);
}

namespace internal {
bool FillMenuBar(QMenuBar* qt_bar) {
  auto app = CheckedCast<Application>(_GetAppObject());
  Ref<MenuBar> bar = app ? app->MenuBar() : nullptr;
  if (!bar) return false;
  for (std::int64_t i = 0; i < bar->Count(); ++i) {
    Ref<MenuItem> menu_item = bar->Item(i);
    QMenu* menu = qt_bar->addMenu(qt::ToQ(menu_item->Text()));
    menu->setObjectName(qt::ToQ(menu_item->Name()));
    menu->menuAction()->setVisible(menu_item->Visible());
    for (std::int64_t j = 0; j < menu_item->Count(); ++j) {
      menu->addAction(ActionFor(menu_item->Item(j)));
    }
  }
  return true;
}

void ReleaseMenuActions() {
  for (auto& [item, action] : Actions()) delete action;
  Actions().clear();
}
}  // namespace internal

}  // namespace fw
