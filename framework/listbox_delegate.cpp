#include "framework/listbox_delegate.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "framework/error_report.h"
#include "framework/graphics.h"
#include "framework/listbox_view.h"
#include "framework/qt_support.h"

namespace fw::internal {

namespace {

constexpr int kTextPadding = 4;
constexpr int kLineEditMargin = 2;  // QLineEdit's own space before its text
constexpr int kFocusFrameWidth = 2;

// A frame of kFocusFrameWidth inside the rectangle's edges.
void DrawFrame(QPainter& painter, const QRect& r, const QColor& colour) {
  const int w = std::min({kFocusFrameWidth, r.width(), r.height()});
  painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
  painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
  painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
  painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

// The editor of a cell: it takes text of any length, and it draws a frame in the desktop's
// highlight colour over its own edges, as a text field being edited shows itself, so that the
// cell being typed into stands out. The text stays where the cell itself draws it.
class CellEditor : public QLineEdit {
 public:
  CellEditor(QWidget* parent, QWidget* palette_source)
      : QLineEdit(parent), palette_source_(palette_source) {
    setFrame(false);
    setMaxLength(std::numeric_limits<int>::max());
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLineEdit::paintEvent(event);
    const QWidget* source = palette_source_ ? palette_source_.data() : this;
    QPainter painter(this);
    DrawFrame(painter, rect(), source->palette().color(QPalette::Highlight));
  }

 private:
  QPointer<QWidget> palette_source_;
};

// The text CellKeyDown reports for a key that has a code of its own, whatever the modifiers
// held with it; nullopt for a key that reports the text it types.
std::optional<std::string> NamedKeyText(int key) {
  switch (key) {
    case Qt::Key_Return:
      return "\r";
    case Qt::Key_Enter:
      return "\x03";
    case Qt::Key_Up:
      return "\x1E";
    case Qt::Key_Down:
      return "\x1F";
    case Qt::Key_Left:
      return "\x1C";
    case Qt::Key_Right:
      return "\x1D";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return "\t";
    case Qt::Key_Escape:
      return "\x1B";
    case Qt::Key_Backspace:
      return "\b";
    case Qt::Key_Delete:
      return "\x7F";
    default:
      return std::nullopt;
  }
}

bool IsModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
      return true;
    default:
      return false;
  }
}

}  // namespace

CellDelegate::CellDelegate(Listbox* owner, ListView* view)
    : QStyledItemDelegate(view), owner_(owner), view_(view) {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    connect(app, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { OnFocusChanged(old, now); });
  }
}

void CellDelegate::FinishEdit(QLineEdit* editor) {
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellDelegate::ShowWrittenText(int row, int column, const std::string& text) {
  // Most writes go to other cells: only the edited cell's text is made a QString.
  if (!active_ || active_index_.row() != row || active_index_.column() != column) return;
  const QString shown = qt::ToQ(text);
  if (active_->text() != shown) active_->setText(shown);
}

void CellDelegate::StoreEditorText() {
  if (active_ && owner_ && active_index_.isValid()) {
    owner_->StoreEditedText(active_index_.row(), active_index_.column(),
                            qt::FromQ(active_->text()));
  }
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
  auto* editor = new CellEditor(parent, view_);
  if (active_text_) active_text_->EndEdit();
  active_ = editor;
  active_index_ = index;
  auto link = std::make_unique<TextEdit::Link>();
  link->editor = editor;
  link->store = [delegate = QPointer<CellDelegate>(const_cast<CellDelegate*>(this))] {
    if (delegate) delegate->StoreEditorText();
  };
  // Made here, where the badge is: a badge is never handed on, not even by New.
  active_text_ = Ref<TextEdit>(
      std::shared_ptr<TextEdit>(new TextEdit(Badge<CellDelegate>(), std::move(link))));
  connect(editor, &QLineEdit::textEdited, this,
          [this, editor](const QString& text) { OnTextEdited(editor, text); });
  return editor;
}

void CellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  if (editor == active_) {
    if (active_text_) active_text_->EndEdit();
    active_text_ = nullptr;
    active_ = nullptr;
    active_index_ = QPersistentModelIndex();
  }
  QStyledItemDelegate::destroyEditor(editor, index);
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
  editor->setGeometry(option.rect);
  auto* line = static_cast<QLineEdit*>(editor);
  line->setTextMargins(std::max(kTextPadding - kLineEditMargin, 0), 0, 0, 0);
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line = static_cast<QLineEdit*>(editor);
  const QString text = index.data(Qt::EditRole).toString();
  if (line->text() != text) line->setText(text);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const QRect cell = option.rect;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->fillRect(cell, option.palette.base());
  painter->translate(cell.topLeft());
  painter->setClipRect(QRect(0, 0, cell.width(), cell.height()), Qt::IntersectClip);
  bool handled = false;
  if (owner_) {
    auto g = New<Graphics>(painter, cell.width(), cell.height());
    const int row = index.row(), column = index.column();
    Listbox* owner = owner_;
    CallFromQt([&] { handled = owner->RaiseCellBackgroundPaint(g, row, column); });
    g->EndPaint();
  }
  painter->restore();
  // Unless the handler said it drew everything, a selected row shows the selection over the
  // painted background, as the platform's lists do.
  const bool highlighted = !handled && (option.state & QStyle::State_Selected);
  if (highlighted) painter->fillRect(cell, option.palette.highlight());

  painter->save();
  painter->setFont(option.font);
  painter->setPen(highlighted ? option.palette.highlightedText().color() : QColor(Qt::black));
  const QRect text_area = cell.adjusted(kTextPadding, 0, -kTextPadding, 0);
  const QString text = index.data(Qt::DisplayRole).toString();
  painter->drawText(text_area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    option.fontMetrics.elidedText(text, Qt::ElideRight, text_area.width()));
  // The current cell of the focused list shows where the keyboard is, framed as the edited cell
  // is; on a selected row in the colour of the selection's text.
  if ((option.state & QStyle::State_HasFocus) && !(active_ && index == active_index_)) {
    DrawFrame(*painter, cell,
              highlighted ? option.palette.highlightedText().color()
                          : option.palette.highlight().color());
  }
  painter->restore();
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QLineEdit*>(object);
  if (editor && event->type() == QEvent::KeyPress) {
    return HandleKey(editor, static_cast<QKeyEvent*>(event));
  }
  if (editor && event->type() == QEvent::FocusOut) {
    // The window losing activation (another window, a message box, another application), a
    // pop-up opening or the menu bar taking the keyboard (Alt, a mnemonic) leaves the edit open,
    // as it was. The line editor drops its selection when the menu bar takes the keyboard;
    // it gets it back with the keyboard.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::MenuBarFocusReason) KeepSelection(editor);
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason) {
      return false;
    }
  }
  if (editor && event->type() == QEvent::FocusIn) {
    if (static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
      RestoreSelection(editor);
    }
    kept_selection_ = {};
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

void CellDelegate::KeepSelection(QLineEdit* editor) {
  kept_selection_ = {};
  if (editor != active_ || !editor->hasSelectedText()) return;
  kept_selection_.editor = editor;
  kept_selection_.text = editor->text();
  kept_selection_.start = editor->selectionStart();
  kept_selection_.length = editor->selectionLength();
  kept_selection_.cursor_at_start = editor->cursorPosition() == kept_selection_.start;
}

void CellDelegate::RestoreSelection(QLineEdit* editor) const {
  const KeptSelection& kept = kept_selection_;
  if (kept.editor != editor || editor->text() != kept.text) return;
  if (kept.cursor_at_start) {
    editor->setSelection(kept.start + kept.length, -kept.length);
  } else {
    editor->setSelection(kept.start, kept.length);
  }
}

void CellDelegate::OnFocusChanged(QWidget* old, QWidget* now) {
  // An edit left open while the menu bar had the keyboard ends when the keyboard goes on to
  // another control of the window, as it ends when the editor itself hands the focus on. A
  // focus change away from the editor is its own focus-out's to judge.
  QLineEdit* editor = active_;
  if (!editor || !owner_ || old == editor || !now || now == editor || !view_) return;
  if (now->window() != view_->window() || qobject_cast<QMenuBar*>(now)) return;
  FinishEdit(editor);
}

bool CellDelegate::HandleKey(QLineEdit* editor, QKeyEvent* event) {
  if (forwarding_) return false;  // passed on from another cell's editor: the editor's own
  if (editor != active_ || !owner_) return QStyledItemDelegate::eventFilter(editor, event);
  // A modifier pressed alone is no key of its own: the handler never sees it, and the editor
  // ignores it.
  if (IsModifierKey(event->key())) return false;
  BringIntoView();
  // The command key with a character belongs to the editor (undo, cut, copy, paste, select all)
  // or to a menu: its text is a control character that would read as another key (Ctrl+C
  // gives the code of Enter, Ctrl+M that of Return). With a key that has a code of its own
  // (Return, Enter, the arrows) it reaches the handler as that key.
  const std::optional<std::string> named = NamedKeyText(event->key());
  const bool command_chord = (event->modifiers() & Qt::ControlModifier) && !named;
  if (!command_chord) {
    const int row = active_index_.row(), column = active_index_.column();
    const std::string key = named ? *named : qt::FromQ(event->text());
    bool handled = false;
    QPointer<CellDelegate> self(this);
    Listbox* owner = owner_;
    CallFromQt([&] { handled = owner->RaiseCellKeyDown(row, column, key); });
    if (!self || handled) return true;
  }

  QLineEdit* target = active_;  // the handler may have moved the edit to another cell
  if (!target) return true;
  switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      const bool next = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
      FinishEdit(target);
      view_->MoveFocus(next);
      return true;
    }
    case Qt::Key_Escape:
      FinishEdit(target);
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      break;
  }
  if (target == editor) return false;
  QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                 event->nativeVirtualKey(), event->nativeModifiers(), event->text(),
                 event->isAutoRepeat(), event->count());
  forwarding_ = true;
  QCoreApplication::sendEvent(target, &copy);
  forwarding_ = false;
  return true;
}

void CellDelegate::BringIntoView() const {
  if (!view_ || !active_index_.isValid()) return;
  const QRect cell = view_->visualRect(active_index_);
  if (!view_->viewport()->rect().contains(cell)) view_->scrollTo(active_index_);
}

void CellDelegate::OnTextEdited(QLineEdit* editor, const QString& text) const {
  if (editor != active_ || !owner_ || !active_index_.isValid()) return;
  const int row = active_index_.row(), column = active_index_.column();
  Listbox* owner = owner_;
  CallFromQt([&] {
    owner->StoreEditedText(row, column, qt::FromQ(text));
    owner->RaiseCellTextChange(row, column);
  });
}

}  // namespace fw::internal
