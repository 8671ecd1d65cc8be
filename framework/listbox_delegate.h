// The painting and the cell editing of a Listbox, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/listbox_delegate.h is the framework's own header, not for program code"
#endif

#include <QLineEdit>
#include <QModelIndex>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>
#include <functional>

#include "framework/listbox.h"

namespace fw {

// What a TextEdit stands for: the open editor and the way to store its text in the cell. The
// delegate cuts the link when the edit ends.
struct TextEdit::Link {
  QPointer<QLineEdit> editor;
  std::function<void()> store;
};

}  // namespace fw

namespace fw::internal {

class ListView;

// Paints the cells and keeps the one open editor: its keys go to CellKeyDown before anything
// else sees them, and its text reaches the cell on every keystroke. Its owner detaches it when the
// Listbox goes; a detached delegate raises nothing.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(Listbox* owner, ListView* view);

  void Detach() { owner_ = nullptr; }
  QLineEdit* Active() const { return active_; }
  QModelIndex ActiveIndex() const { return active_index_; }
  Ref<TextEdit> ActiveText() const { return active_ ? active_text_ : nullptr; }

  // Commits the editor's text and closes it.
  void FinishEdit(QLineEdit* editor);
  // A program write: the editor of that very cell shows a different text.
  void ShowWrittenText(int row, int column, const std::string& text);
  void StoreEditorText();

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
  // The editor covers the cell and shows its text where the cell draws it.
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  // Left alone when the editor shows the text already: setText would move its cursor and
  // forget its undo history.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  // The selection of an editor that the menu bar took the keyboard from.
  struct KeptSelection {
    QPointer<QLineEdit> editor;
    QString text;
    int start = 0, length = 0;
    bool cursor_at_start = false;
  };

  bool HandleKey(QLineEdit* editor, QKeyEvent* event);
  void KeepSelection(QLineEdit* editor);
  void RestoreSelection(QLineEdit* editor) const;
  void OnFocusChanged(QWidget* old, QWidget* now);
  // A key typed into a cell that the mouse wheel has scrolled away brings the cell back first,
  // so that the user sees what the key does.
  void BringIntoView() const;
  void OnTextEdited(QLineEdit* editor, const QString& text) const;

  Listbox* owner_;
  ListView* view_;
  // createEditor and destroyEditor are const in Qt's interface, yet they open and end the edit.
  mutable QPointer<QLineEdit> active_;
  mutable QPersistentModelIndex active_index_;
  mutable Ref<TextEdit> active_text_;
  KeptSelection kept_selection_;
  bool forwarding_ = false;
};

}  // namespace fw::internal
