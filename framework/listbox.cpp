#include "framework/listbox.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "framework/listbox_parts.h"
#include "framework/qt_support.h"

namespace fw {

using internal::CellDelegate;
using internal::CellModel;
using internal::kTextAreaType;
using internal::ListView;

TextEdit::TextEdit(Badge<internal::CellDelegate>, std::unique_ptr<Link> link)
    : link_(std::move(link)) {}
TextEdit::~TextEdit() = default;

QLineEdit& TextEdit::Editor() const {
  CheckUIThread();
  if (!link_ || !link_->editor) throw NilObjectException("TextEdit: the cell's edit has ended");
  return *link_->editor;
}

void TextEdit::EndEdit() {
  if (link_) {
    link_->editor = nullptr;
    link_->store = nullptr;
  }
}

std::string TextEdit::Text() const { return qt::FromQ(Editor().text()); }

void TextEdit::SetText(const std::string& text) {
  Editor().setText(qt::ToQ(text));
  if (link_->store) link_->store();
}

void TextEdit::SelectAll() { Editor().selectAll(); }

std::int64_t TextEdit::SelStart() const {
  const QLineEdit& editor = Editor();
  return editor.hasSelectedText() ? editor.selectionStart() : editor.cursorPosition();
}

void TextEdit::SetSelStart(std::int64_t start) {
  QLineEdit& editor = Editor();
  editor.setCursorPosition(
      static_cast<int>(std::clamp<std::int64_t>(start, 0, editor.text().size())));
}

std::int64_t TextEdit::SelLength() const { return Editor().selectedText().size(); }

void TextEdit::SetSelLength(std::int64_t length) {
  QLineEdit& editor = Editor();
  const auto start = static_cast<int>(SelStart());
  editor.setSelection(
      start, static_cast<int>(std::clamp<std::int64_t>(length, 0, editor.text().size() - start)));
}

std::string TextEdit::SelText() const { return qt::FromQ(Editor().selectedText()); }

Listbox::Listbox() : parts_(std::make_unique<Parts>()) {
  parts_->model = new CellModel;
  RegisterProperty("ColumnCount", &Listbox::ColumnCount, &Listbox::SetColumnCount);
  RegisterProperty("ColumnWidths", &Listbox::ColumnWidths, &Listbox::SetColumnWidths);
  RegisterProperty("HasHeading", &Listbox::HasHeading, &Listbox::SetHasHeading);
  RegisterProperty("InitialValue", &Listbox::InitialValue, &Listbox::SetInitialValue);
  RegisterProperty("DefaultRowHeight", &Listbox::DefaultRowHeight, &Listbox::SetDefaultRowHeight);
  RegisterProperty("GridLinesHorizontal", &Listbox::GridLinesHorizontal,
                   &Listbox::SetGridLinesHorizontal);
  RegisterProperty("GridLinesVertical", &Listbox::GridLinesVertical,
                   &Listbox::SetGridLinesVertical);
  RegisterProperty("Border", &Listbox::Border, &Listbox::SetBorder);
  RegisterProperty("ScrollBarVertical", &Listbox::ScrollBarVertical,
                   &Listbox::SetScrollBarVertical);
  RegisterProperty("ScrollBarHorizontal", &Listbox::ScrollBarHorizontal,
                   &Listbox::SetScrollBarHorizontal);
  RegisterProperty("AutoHideScrollbars", &Listbox::AutoHideScrollbars,
                   &Listbox::SetAutoHideScrollbars);
  RegisterProperty("UseFocusRing", &Listbox::UseFocusRing, &Listbox::SetUseFocusRing);
  RegisterProperty("SelectionType", &Listbox::SelectionType, &Listbox::SetSelectionType);
  RegisterProperty("RequiresSelection", &Listbox::RequiresSelection,
                   &Listbox::SetRequiresSelection);
  RegisterProperty("ColumnsResizable", &Listbox::ColumnsResizable, &Listbox::SetColumnsResizable);
  RegisterProperty("EnableDrag", &Listbox::EnableDrag, &Listbox::SetEnableDrag);
  RegisterProperty("EnableDragReorder", &Listbox::EnableDragReorder,
                   &Listbox::SetEnableDragReorder);
  RegisterProperty("DropIndicatorVisible", &Listbox::DropIndicatorVisible,
                   &Listbox::SetDropIndicatorVisible);
  RegisterProperty("Hierarchical", &Listbox::Hierarchical, &Listbox::SetHierarchical);
  RegisterProperty("HeadingIndex", &Listbox::HeadingIndex, &Listbox::SetHeadingIndex);
  DeclareEvent<void, Ref<Listbox>>("Open");
  DeclareEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::int64_t, std::int64_t>(
      "CellClick");
  DeclareEvent<void, Ref<Listbox>, std::int64_t, std::int64_t>("CellTextChange");
  DeclareEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::string>("CellKeyDown");
  DeclareEvent<bool, Ref<Listbox>, Ref<Graphics>, std::int64_t, std::int64_t>(
      "CellBackgroundPaint");
  DeclareEvent<bool, Ref<Listbox>, std::int64_t>("SortColumn");
}

Listbox::~Listbox() {
  // The window may keep the view a little longer than this object: it must not call back.
  if (parts_->view) parts_->view->Detach();
  if (parts_->delegate) parts_->delegate->Detach();
  if (parts_->model && !parts_->model->parent()) delete parts_->model.data();
}

QWidget* Listbox::CreateWidget(QWidget* parent) {
  auto* view = new ListView(this, parent);
  CellModel* model = parts_->model;
  model->setParent(view);
  view->setModel(model);
  auto* delegate = new CellDelegate(this, view);
  view->setItemDelegate(delegate);
  parts_->view = view;
  parts_->delegate = delegate;

  ApplyFont();
  ApplyScrollBars();
  ApplyGrid();
  ApplyHeading();
  ApplyColumnWidths();
  SetBorder(border_);
  SetUseFocusRing(use_focus_ring_);
  SetSelectionType(selection_type_);
  SetDropIndicatorVisible(drop_indicator_visible_);
  return view;
}

void Listbox::CheckRow(const char* operation, std::int64_t row) const {
  if (row < 0 || row >= ListCount()) {
    throw OutOfBoundsException("Listbox " + Name() + "." + operation + ": row " +
                               std::to_string(row) + " is outside 0 to " +
                               std::to_string(ListCount() - 1));
  }
}

void Listbox::CheckColumn(const char* operation, std::int64_t column) const {
  if (column < 0 || column >= ColumnCount()) {
    throw OutOfBoundsException("Listbox " + Name() + "." + operation + ": column " +
                               std::to_string(column) + " is outside 0 to " +
                               std::to_string(ColumnCount() - 1));
  }
}

std::int64_t Listbox::ListCount() const { return parts_->model->Rows(); }

std::string Listbox::Heading(std::int64_t column) const {
  CheckUIThread();
  CheckColumn("Heading", column);
  return qt::FromQ(parts_->model->Heading(static_cast<int>(column)));
}

void Listbox::SetHeading(std::int64_t column, const std::string& text) {
  CheckUIThread();
  CheckColumn("Heading", column);
  parts_->model->SetHeading(static_cast<int>(column), qt::ToQ(text));
}

void Listbox::AddRow(const std::string& text) {
  CheckUIThread();
  parts_->model->AppendRow({text});
}

void Listbox::RemoveAllRows() {
  CheckUIThread();
  parts_->model->Clear();
}

std::string Listbox::Cell(std::int64_t row, std::int64_t column) const {
  CheckUIThread();
  CheckRow("Cell", row);
  CheckColumn("Cell", column);
  return parts_->model->At(static_cast<int>(row), static_cast<int>(column)).text;
}

void Listbox::SetCell(std::int64_t row, std::int64_t column, const std::string& text) {
  CheckUIThread();
  CheckRow("Cell", row);
  CheckColumn("Cell", column);
  parts_->model->StoreText(static_cast<int>(row), static_cast<int>(column), text);
  if (CellDelegate* delegate = parts_->delegate) {
    delegate->ShowWrittenText(static_cast<int>(row), static_cast<int>(column), text);
  }
}

std::int64_t Listbox::CellType(std::int64_t row, std::int64_t column) const {
  CheckUIThread();
  CheckRow("CellType", row);
  CheckColumn("CellType", column);
  return parts_->model->At(static_cast<int>(row), static_cast<int>(column)).type;
}

void Listbox::SetCellType(std::int64_t row, std::int64_t column, std::int64_t type) {
  CheckUIThread();
  CheckRow("CellType", row);
  CheckColumn("CellType", column);
  if (type == 2) {
    throw UnsupportedOperationException("Listbox " + Name() +
                                        ".CellType 2 (check box) is not supported");
  }
  if (type < 0 || type > kTextAreaType) {
    throw OutOfBoundsException("Listbox " + Name() + ".CellType " + std::to_string(type) +
                               " is outside 0 to 4");
  }
  parts_->model->SetType(static_cast<int>(row), static_cast<int>(column), type);
}

void Listbox::EditCell(std::int64_t row, std::int64_t column) {
  CheckUIThread();
  CheckRow("EditCell", row);
  CheckColumn("EditCell", column);
  ListView* view = parts_->view;
  CellDelegate* delegate = parts_->delegate;
  CellModel* model = parts_->model;
  if (!view || !delegate) return;
  model->Flush();
  view->LayOutNow();
  const QModelIndex index = model->index(static_cast<int>(row), static_cast<int>(column));
  if (QLineEdit* open = delegate->Active(); open && delegate->ActiveIndex() != index) {
    delegate->FinishEdit(open);
  }
  // The edited cell becomes current; no row stays selected behind the editor.
  view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Clear);
  view->scrollTo(index);
  if (!delegate->Active()) {
    // The view opens editors only on editable cells.
    model->ForceEditable(index);
    view->edit(index);
    model->ForceEditable(QModelIndex());
  }
  if (QLineEdit* editor = delegate->Active()) {
    editor->end(false);
    editor->setFocus(Qt::OtherFocusReason);
  }
}

Ref<TextEdit> Listbox::ActiveCell() const {
  CheckUIThread();
  return parts_->delegate ? parts_->delegate->ActiveText() : nullptr;
}

void Listbox::StoreEditedText(std::int64_t row, std::int64_t column, const std::string& text) {
  if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount()) return;
  parts_->model->StoreText(static_cast<int>(row), static_cast<int>(column), text);
}

void Listbox::HeadingClicked(std::int64_t column) {
  if (column < 0 || column >= ColumnCount()) return;
  if (!RaiseSortColumn(column)) {
    parts_->model->SortBy(static_cast<int>(column));
    heading_index_ = column;
  }
  // A click turns the heading's sort indicator round; it shows what the rows are sorted by.
  ApplyHeading();
}

void Listbox::RaiseOpen() { RaiseEvent<void, Ref<Listbox>>("Open", SelfRef(this)); }

bool Listbox::RaiseCellClick(std::int64_t row, std::int64_t column, std::int64_t x,
                             std::int64_t y) {
  return RaiseEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::int64_t, std::int64_t>(
      "CellClick", SelfRef(this), row, column, x, y);
}

void Listbox::RaiseCellTextChange(std::int64_t row, std::int64_t column) {
  RaiseEvent<void, Ref<Listbox>, std::int64_t, std::int64_t>("CellTextChange", SelfRef(this), row,
                                                             column);
}

bool Listbox::RaiseCellKeyDown(std::int64_t row, std::int64_t column, const std::string& key) {
  return RaiseEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::string>(
      "CellKeyDown", SelfRef(this), row, column, key);
}

bool Listbox::RaiseCellBackgroundPaint(const Ref<Graphics>& g, std::int64_t row,
                                       std::int64_t column) {
  return RaiseEvent<bool, Ref<Listbox>, Ref<Graphics>, std::int64_t, std::int64_t>(
      "CellBackgroundPaint", SelfRef(this), g, row, column);
}

bool Listbox::RaiseSortColumn(std::int64_t column) {
  return RaiseEvent<bool, Ref<Listbox>, std::int64_t>("SortColumn", SelfRef(this), column);
}

}  // namespace fw
