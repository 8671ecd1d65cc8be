#include "framework/listbox.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <vector>

#include "framework/qt_support.h"

namespace fw {

struct TextEdit::Link {
  QPointer<QLineEdit> editor;
  std::function<void()> store;  // stores the editor's text in its cell
};

namespace listbox_detail {

constexpr int kTextPadding = 4;
constexpr int kLineEditMargin = 2;  // QLineEdit's own space before its text
constexpr std::int64_t kEditableType = 3;
constexpr std::int64_t kTextAreaType = 4;

struct CellData {
  std::string text;
  std::int64_t type = 0;
};

// The list's rows and headings. The views learn of added rows and changed cells on the next turn
// of the event loop: one insertion for every row added and one dataChanged over the changed
// cells, whatever the number of writes. Each row holds at least as many cells as there are
// columns (more when its initial value gave more).
class CellModel : public QAbstractTableModel {
 public:
  int Rows() const { return static_cast<int>(rows_.size()); }
  int Columns() const { return columns_; }
  const CellData& At(int row, int column) const {
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  const QString& Heading(int column) const { return headings_[static_cast<std::size_t>(column)]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : announced_;
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : columns_;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return qt::ToQ(At(index.row(), index.column()).text);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columns_) return {};
    return Heading(section);
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const std::int64_t type = At(index.row(), index.column()).type;
    if (type == kEditableType || type == kTextAreaType || index == forced_editable_) {
      flags |= Qt::ItemIsEditable;
    }
    return flags;
  }
  // The view's commit of an editor: the text is normally stored already, keystroke by keystroke.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (!index.isValid() || role != Qt::EditRole) return false;
    StoreText(index.row(), index.column(), qt::FromQ(value.toString()));
    return true;
  }

  void StoreText(int row, int column, std::string text) {
    CellData& cell = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (cell.text == text) return;
    cell.text = std::move(text);
    MarkChanged(row, column);
  }
  void SetType(int row, int column, std::int64_t type) {
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].type = type;
  }
  void AppendRow(std::vector<std::string> texts) {
    std::vector<CellData> row(std::max(texts.size(), static_cast<std::size_t>(columns_)));
    for (std::size_t i = 0; i < texts.size(); ++i) row[i].text = std::move(texts[i]);
    rows_.push_back(std::move(row));
    ScheduleFlush();
  }
  void Clear() {
    beginResetModel();
    rows_.clear();
    announced_ = 0;
    ForgetChanges();
    endResetModel();
  }
  void SetColumns(int columns) {
    beginResetModel();
    columns_ = columns;
    for (auto& row : rows_) {
      if (row.size() < static_cast<std::size_t>(columns)) row.resize(static_cast<std::size_t>(columns));
    }
    if (headings_.size() < static_cast<std::size_t>(columns)) {
      headings_.resize(static_cast<std::size_t>(columns));
    }
    announced_ = Rows();
    ForgetChanges();
    endResetModel();
  }
  void SetHeading(int column, const QString& text) {
    if (headings_[static_cast<std::size_t>(column)] == text) return;
    headings_[static_cast<std::size_t>(column)] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
  }
  // Editing is allowed on this one cell whatever its type, for EditCell's call of the view.
  void ForceEditable(const QModelIndex& index) { forced_editable_ = index; }

  // Tells the views now of every pending change.
  void Flush() {
    flush_posted_ = false;
    if (changed_bottom_ >= 0) {
      const int bottom = std::min(changed_bottom_, announced_ - 1);
      const int right = std::min(changed_right_, columns_ - 1);
      const int top = changed_top_, left = changed_left_;
      ForgetChanges();
      if (top <= bottom && left <= right) emit dataChanged(index(top, left), index(bottom, right));
    }
    if (announced_ < Rows()) {
      beginInsertRows(QModelIndex(), announced_, Rows() - 1);
      announced_ = Rows();
      endInsertRows();
    }
  }

  // Stable, by the column's text; open editors, the current cell and the selection follow their
  // rows.
  void SortBy(int column) {
    Flush();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto col = static_cast<std::size_t>(column);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return rows_[a][col].text < rows_[b][col].text;
    });
    std::vector<int> new_row(rows_.size());
    std::vector<std::vector<CellData>> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
      new_row[order[i]] = static_cast<int>(i);
      sorted.push_back(std::move(rows_[order[i]]));
    }
    rows_ = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from) {
      to.append(index(new_row[static_cast<std::size_t>(old.row())], old.column()));
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  }

 private:
  void MarkChanged(int row, int column) {
    if (row >= announced_) return;  // the pending insertion shows it
    changed_top_ = std::min(changed_top_, row);
    changed_bottom_ = std::max(changed_bottom_, row);
    changed_left_ = std::min(changed_left_, column);
    changed_right_ = std::max(changed_right_, column);
    ScheduleFlush();
  }
  void ForgetChanges() {
    changed_top_ = changed_left_ = std::numeric_limits<int>::max();
    changed_bottom_ = changed_right_ = -1;
  }
  void ScheduleFlush() {
    if (flush_posted_) return;
    flush_posted_ = true;
    QMetaObject::invokeMethod(this, [this] { Flush(); }, Qt::QueuedConnection);
  }

  std::vector<std::vector<CellData>> rows_;
  std::vector<QString> headings_{QString()};
  int columns_ = 1;
  int announced_ = 0;
  int changed_top_ = std::numeric_limits<int>::max(), changed_bottom_ = -1;
  int changed_left_ = std::numeric_limits<int>::max(), changed_right_ = -1;
  bool flush_posted_ = false;
  QPersistentModelIndex forced_editable_;
};

// Widths for the columns from a ColumnWidths text, filling exactly the total width when any
// column takes a share of what is left.
std::vector<int> ColumnWidthsFor(const std::string& text, int columns, int total) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= text.size() && !text.empty()) {
    const std::size_t comma = text.find(',', start);
    entries.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  std::vector<double> fixed(static_cast<std::size_t>(columns), -1);
  std::vector<double> weight(static_cast<std::size_t>(columns), 0);
  for (std::size_t i = 0; i < fixed.size(); ++i) {
    std::string entry = i < entries.size() ? entries[i] : std::string();
    entry.erase(std::remove_if(entry.begin(), entry.end(), [](unsigned char c) { return std::isspace(c); }),
                entry.end());
    double number = 0;
    std::from_chars(entry.data(), entry.data() + entry.size(), number);
    if (entry.empty() || entry == "*") {
      weight[i] = 1;
    } else if (entry.back() == '*') {
      weight[i] = std::max(number, 0.0);
    } else if (entry.back() == '%') {
      fixed[i] = std::max(total * number / 100.0, 0.0);
    } else {
      fixed[i] = std::max(number, 0.0);
    }
  }
  std::vector<int> widths(static_cast<std::size_t>(columns), 0);
  double used = 0;
  for (std::size_t i = 0; i < fixed.size(); ++i) {
    if (fixed[i] >= 0) {
      widths[i] = static_cast<int>(std::lround(fixed[i]));
      used += widths[i];
    }
  }
  const double weights = std::accumulate(weight.begin(), weight.end(), 0.0);
  if (weights > 0) {
    const double left = std::max(total - used, 0.0);
    double share_before = 0;
    int given = 0;
    for (std::size_t i = 0; i < weight.size(); ++i) {
      if (fixed[i] >= 0) continue;
      share_before += weight[i];
      const int until_here = static_cast<int>(std::lround(left * share_before / weights));
      widths[i] = until_here - given;
      given = until_here;
    }
  }
  return widths;
}

// The table view: no edit triggers of its own, a click raises CellClick first, and while a cell
// is being edited the view leaves the keys that the editor did not take alone.
class ListView : public QTableView {
 public:
  ListView(Listbox* owner, QWidget* parent) : QTableView(parent), owner_(owner) {}

  Listbox* Owner() const { return owner_; }
  void Detach() { owner_ = nullptr; }
  void SetColumnWidthsText(const std::string& text) {
    widths_text_ = text;
    LayOutColumns();
  }
  void LayOutColumns() {
    const int columns = model() ? model()->columnCount() : 0;
    const std::vector<int> widths = ColumnWidthsFor(widths_text_, columns, viewport()->width());
    for (int i = 0; i < columns; ++i) horizontalHeader()->resizeSection(i, widths[static_cast<std::size_t>(i)]);
  }
  void LayOutNow() { executeDelayedItemsLayout(); }
  void MoveFocus(bool next) { focusNextPrevChild(next); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
  void keyPressEvent(QKeyEvent* event) override {
    if (state() == EditingState) {
      event->ignore();
      return;
    }
    QTableView::keyPressEvent(event);
  }
  bool viewportEvent(QEvent* event) override {
    if (event->type() == QEvent::Resize) LayOutColumns();
    return QTableView::viewportEvent(event);
  }

 private:
  Listbox* owner_;
  std::string widths_text_;
};

// Paints the cells and keeps the one open editor: its keys go to CellKeyDown before anything
// else sees them, and its text reaches the cell on every keystroke.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(Listbox* owner, ListView* view) : QStyledItemDelegate(view), owner_(owner), view_(view) {}

  void Detach() { owner_ = nullptr; }
  QLineEdit* Active() const { return active_; }
  QModelIndex ActiveIndex() const { return active_index_; }
  Ref<TextEdit> ActiveText() const { return active_ ? active_text_ : nullptr; }

  // Commits the editor's text and closes it.
  void FinishEdit(QLineEdit* editor) {
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
  // A program write: the editor of that very cell shows a different text.
  void ShowWrittenText(int row, int column, const QString& text) {
    if (active_ && active_index_.row() == row && active_index_.column() == column &&
        active_->text() != text) {
      active_->setText(text);
    }
  }
  void StoreEditorText() {
    if (active_ && owner_ && active_index_.isValid()) {
      owner_->_StoreEditedText(active_index_.row(), active_index_.column(), qt::FromQ(active_->text()));
    }
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (active_text_) active_text_->_Invalidate();
    active_ = editor;
    active_index_ = index;
    auto link = std::make_unique<TextEdit::Link>();
    link->editor = editor;
    link->store = [delegate = QPointer<CellDelegate>(const_cast<CellDelegate*>(this))] {
      if (delegate) delegate->StoreEditorText();
    };
    active_text_ = New<TextEdit>(std::move(link));
    connect(editor, &QLineEdit::textEdited, this,
            [this, editor](const QString& text) { OnTextEdited(editor, text); });
    return editor;
  }
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    if (editor == active_) {
      if (active_text_) active_text_->_Invalidate();
      active_text_ = nullptr;
      active_ = nullptr;
      active_index_ = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
  }
  // The editor covers the cell and shows its text where the cell draws it.
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex&) const override {
    editor->setGeometry(option.rect);
    auto* line = static_cast<QLineEdit*>(editor);
    line->setTextMargins(std::max(kTextPadding - kLineEditMargin, 0), 0, 0, 0);
  }
  // Left alone when the editor shows the text already: setText would move its cursor and
  // forget its undo history.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text) line->setText(text);
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
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
      CallFromQt([&] { handled = owner->_RaiseCellBackgroundPaint(g, row, column); });
      g->_Invalidate();
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
    painter->restore();
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
      return HandleKey(editor, static_cast<QKeyEvent*>(event));
    }
    if (editor && event->type() == QEvent::FocusOut) {
      // The window losing activation (another window, a message box, another application) or a
      // pop-up opening leaves the edit open, as it was.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  static std::string KeyText(const QKeyEvent* event) {
    switch (event->key()) {
      case Qt::Key_Return: return "\r";
      case Qt::Key_Enter: return "\x03";
      case Qt::Key_Up: return "\x1E";
      case Qt::Key_Down: return "\x1F";
      case Qt::Key_Left: return "\x1C";
      case Qt::Key_Right: return "\x1D";
      case Qt::Key_Tab:
      case Qt::Key_Backtab: return "\t";
      case Qt::Key_Escape: return "\x1B";
      case Qt::Key_Backspace: return "\b";
      case Qt::Key_Delete: return "\x7F";
      default: return qt::FromQ(event->text());
    }
  }

  bool HandleKey(QLineEdit* editor, QKeyEvent* event) {
    if (forwarding_) return false;  // passed on from another cell's editor: the editor's own
    if (editor != active_ || !owner_) return QStyledItemDelegate::eventFilter(editor, event);
    const int row = active_index_.row(), column = active_index_.column();
    const std::string key = KeyText(event);
    bool handled = false;
    QPointer<CellDelegate> self(this);
    Listbox* owner = owner_;
    CallFromQt([&] { handled = owner->_RaiseCellKeyDown(row, column, key); });
    if (!self || handled) return true;

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

  void OnTextEdited(QLineEdit* editor, const QString& text) const {
    if (editor != active_ || !owner_ || !active_index_.isValid()) return;
    const int row = active_index_.row(), column = active_index_.column();
    Listbox* owner = owner_;
    CallFromQt([&] {
      owner->_StoreEditedText(row, column, qt::FromQ(text));
      owner->_RaiseCellTextChange(row, column);
    });
  }

  Listbox* owner_;
  ListView* view_;
  mutable QPointer<QLineEdit> active_;
  mutable QPersistentModelIndex active_index_;
  mutable Ref<TextEdit> active_text_;
  bool forwarding_ = false;
};

void ListView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const QModelIndex index = indexAt(p);
  if (!owner_ || !index.isValid()) {
    QTableView::mousePressEvent(event);
    return;
  }
  const int row = index.row(), column = index.column();
  const QRect cell = visualRect(index);
  bool handled = false;
  QPointer<ListView> self(this);
  Listbox* owner = owner_;
  CallFromQt([&] { handled = owner->_RaiseCellClick(row, column, p.x() - cell.left(), p.y() - cell.top()); });
  if (!self) return;
  if (handled) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  if (!self || !owner_) return;
  owner = owner_;
  CallFromQt([&] {
    if (row < owner->ListCount() && column < owner->ColumnCount() &&
        owner->CellType(row, column) == kEditableType) {
      owner->EditCell(row, column);
    }
  });
}

}  // namespace listbox_detail

using listbox_detail::CellDelegate;
using listbox_detail::CellModel;
using listbox_detail::ListView;
using listbox_detail::kTextAreaType;

TextEdit::TextEdit(std::unique_ptr<Link> link) : link_(std::move(link)) {}
TextEdit::~TextEdit() = default;

QLineEdit& TextEdit::Editor() const {
  CheckUIThread();
  if (!link_ || !link_->editor) throw NilObjectException("TextEdit: the cell's edit has ended");
  return *link_->editor;
}

QLineEdit* TextEdit::_Editor() const { return link_ ? link_->editor.data() : nullptr; }

void TextEdit::_Invalidate() {
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
  editor.setCursorPosition(static_cast<int>(std::clamp<std::int64_t>(start, 0, editor.text().size())));
}

std::int64_t TextEdit::SelLength() const { return Editor().selectedText().size(); }

void TextEdit::SetSelLength(std::int64_t length) {
  QLineEdit& editor = Editor();
  const auto start = static_cast<int>(SelStart());
  editor.setSelection(start, static_cast<int>(std::clamp<std::int64_t>(length, 0, editor.text().size() - start)));
}

std::string TextEdit::SelText() const { return qt::FromQ(Editor().selectedText()); }

struct Listbox::Parts {
  QPointer<CellModel> model;
  QPointer<ListView> view;
  QPointer<CellDelegate> delegate;
};

Listbox::Listbox() : parts_(std::make_unique<Parts>()) {
  parts_->model = new CellModel;
  RegisterProperty("ColumnCount", &Listbox::ColumnCount, &Listbox::SetColumnCount);
  RegisterProperty("ColumnWidths", &Listbox::ColumnWidths, &Listbox::SetColumnWidths);
  RegisterProperty("HasHeading", &Listbox::HasHeading, &Listbox::SetHasHeading);
  RegisterProperty("InitialValue", &Listbox::InitialValue, &Listbox::SetInitialValue);
  RegisterProperty("DefaultRowHeight", &Listbox::DefaultRowHeight, &Listbox::SetDefaultRowHeight);
  RegisterProperty("GridLinesHorizontal", &Listbox::GridLinesHorizontal, &Listbox::SetGridLinesHorizontal);
  RegisterProperty("GridLinesVertical", &Listbox::GridLinesVertical, &Listbox::SetGridLinesVertical);
  RegisterProperty("Border", &Listbox::Border, &Listbox::SetBorder);
  RegisterProperty("ScrollBarVertical", &Listbox::ScrollBarVertical, &Listbox::SetScrollBarVertical);
  RegisterProperty("ScrollBarHorizontal", &Listbox::ScrollBarHorizontal, &Listbox::SetScrollBarHorizontal);
  RegisterProperty("AutoHideScrollbars", &Listbox::AutoHideScrollbars, &Listbox::SetAutoHideScrollbars);
  RegisterProperty("UseFocusRing", &Listbox::UseFocusRing, &Listbox::SetUseFocusRing);
  RegisterProperty("SelectionType", &Listbox::SelectionType, &Listbox::SetSelectionType);
  RegisterProperty("RequiresSelection", &Listbox::RequiresSelection, &Listbox::SetRequiresSelection);
  RegisterProperty("ColumnsResizable", &Listbox::ColumnsResizable, &Listbox::SetColumnsResizable);
  RegisterProperty("EnableDrag", &Listbox::EnableDrag, &Listbox::SetEnableDrag);
  RegisterProperty("EnableDragReorder", &Listbox::EnableDragReorder, &Listbox::SetEnableDragReorder);
  RegisterProperty("DropIndicatorVisible", &Listbox::DropIndicatorVisible, &Listbox::SetDropIndicatorVisible);
  RegisterProperty("Hierarchical", &Listbox::Hierarchical, &Listbox::SetHierarchical);
  RegisterProperty("HeadingIndex", &Listbox::HeadingIndex, &Listbox::SetHeadingIndex);
  DeclareEvent<void, Ref<Listbox>>("Open");
  DeclareEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::int64_t, std::int64_t>("CellClick");
  DeclareEvent<void, Ref<Listbox>, std::int64_t, std::int64_t>("CellTextChange");
  DeclareEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::string>("CellKeyDown");
  DeclareEvent<bool, Ref<Listbox>, Ref<Graphics>, std::int64_t, std::int64_t>("CellBackgroundPaint");
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

  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setTabKeyNavigation(false);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(false);
  view->setDragEnabled(false);
  view->verticalHeader()->hide();
  QHeaderView* header = view->horizontalHeader();
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(1);
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QObject::connect(header, &QHeaderView::sectionClicked, view, [view](int column) {
    Listbox* owner = view->Owner();
    if (!owner) return;
    CallFromQt([&] { owner->_HeadingClicked(column); });
  });

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

QTableView* Listbox::_View() const { return parts_->view; }

void Listbox::CheckRow(const char* operation, std::int64_t row) const {
  if (row < 0 || row >= ListCount()) {
    throw OutOfBoundsException("Listbox " + Name() + "." + operation + ": row " + std::to_string(row) +
                               " is outside 0 to " + std::to_string(ListCount() - 1));
  }
}

void Listbox::CheckColumn(const char* operation, std::int64_t column) const {
  if (column < 0 || column >= ColumnCount()) {
    throw OutOfBoundsException("Listbox " + Name() + "." + operation + ": column " +
                               std::to_string(column) + " is outside 0 to " +
                               std::to_string(ColumnCount() - 1));
  }
}

std::int64_t Listbox::ColumnCount() const { return parts_->model->Columns(); }

void Listbox::SetColumnCount(std::int64_t count) {
  CheckUIThread();
  if (count < 1 || count > 4096) {
    throw OutOfBoundsException("Listbox " + Name() + ".ColumnCount " + std::to_string(count) +
                               " is outside 1 to 4096");
  }
  parts_->model->Flush();
  parts_->model->SetColumns(static_cast<int>(count));
  if (heading_index_ >= count) heading_index_ = -1;
  ApplyHeading();
  ApplyColumnWidths();
}

void Listbox::SetColumnWidths(const std::string& widths) {
  CheckUIThread();
  column_widths_ = widths;
  ApplyColumnWidths();
}

void Listbox::ApplyColumnWidths() {
  ListView* view = parts_->view;
  if (!view) return;
  view->horizontalHeader()->setSectionResizeMode(columns_resizable_ ? QHeaderView::Interactive
                                                                    : QHeaderView::Fixed);
  view->SetColumnWidthsText(column_widths_);
}

void Listbox::SetHasHeading(bool v) {
  CheckUIThread();
  has_heading_ = v;
  ApplyHeading();
}

void Listbox::ApplyHeading() {
  ListView* view = parts_->view;
  if (!view) return;
  QHeaderView* header = view->horizontalHeader();
  header->setVisible(has_heading_);
  header->setSortIndicatorShown(heading_index_ >= 0);
  header->setSortIndicator(heading_index_ >= 0 ? static_cast<int>(heading_index_) : -1,
                           Qt::AscendingOrder);
}

void Listbox::SetInitialValue(const std::string& value) {
  CheckUIThread();
  initial_value_ = value;
  parts_->model->Clear();
  std::size_t start = 0;
  while (start < value.size()) {
    std::size_t end = value.find_first_of("\r\n", start);
    if (end == std::string::npos) end = value.size();
    std::vector<std::string> cells;
    std::size_t cell_start = start;
    for (;;) {
      const std::size_t tab = value.find('\t', cell_start);
      if (tab == std::string::npos || tab >= end) {
        cells.push_back(value.substr(cell_start, end - cell_start));
        break;
      }
      cells.push_back(value.substr(cell_start, tab - cell_start));
      cell_start = tab + 1;
    }
    parts_->model->AppendRow(std::move(cells));
    start = end;
    if (start < value.size() && value[start] == '\r') ++start;
    if (start < value.size() && value[start] == '\n') ++start;
  }
}

void Listbox::SetDefaultRowHeight(std::int64_t height) {
  CheckUIThread();
  if (height < -1 || height > 32000) {
    throw OutOfBoundsException("Listbox " + Name() + ".DefaultRowHeight " + std::to_string(height) +
                               " is outside -1 to 32000");
  }
  default_row_height_ = height;
  ApplyRowHeight();
}

void Listbox::ApplyRowHeight() {
  ListView* view = parts_->view;
  if (!view) return;
  const int height = default_row_height_ > 0 ? static_cast<int>(default_row_height_)
                                             : QFontMetrics(view->font()).height() + 4;
  QHeaderView* rows = view->verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(height);
}

void Listbox::SetGridLinesHorizontal(std::int64_t style) {
  CheckUIThread();
  if (style < 0) throw OutOfBoundsException("Listbox " + Name() + ".GridLinesHorizontal " + std::to_string(style) + " is negative");
  grid_horizontal_ = style;
  ApplyGrid();
}

void Listbox::SetGridLinesVertical(std::int64_t style) {
  CheckUIThread();
  if (style < 0) throw OutOfBoundsException("Listbox " + Name() + ".GridLinesVertical " + std::to_string(style) + " is negative");
  grid_vertical_ = style;
  ApplyGrid();
}

void Listbox::ApplyGrid() {
  if (ListView* view = parts_->view) view->setShowGrid(grid_horizontal_ > 1 || grid_vertical_ > 1);
}

void Listbox::SetBorder(bool v) {
  CheckUIThread();
  border_ = v;
  if (ListView* view = parts_->view) view->setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
}

void Listbox::SetScrollBarVertical(bool v) {
  CheckUIThread();
  scroll_vertical_ = v;
  ApplyScrollBars();
}

void Listbox::SetScrollBarHorizontal(bool v) {
  CheckUIThread();
  scroll_horizontal_ = v;
  ApplyScrollBars();
}

void Listbox::SetAutoHideScrollbars(bool v) {
  CheckUIThread();
  auto_hide_scrollbars_ = v;
  ApplyScrollBars();
}

void Listbox::ApplyScrollBars() {
  ListView* view = parts_->view;
  if (!view) return;
  auto policy = [this](bool shown) {
    if (!shown) return Qt::ScrollBarAlwaysOff;
    return auto_hide_scrollbars_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
  };
  view->setVerticalScrollBarPolicy(policy(scroll_vertical_));
  view->setHorizontalScrollBarPolicy(policy(scroll_horizontal_));
}

void Listbox::SetUseFocusRing(bool v) {
  CheckUIThread();
  use_focus_ring_ = v;
  if (ListView* view = parts_->view) view->setAttribute(Qt::WA_MacShowFocusRect, v);
}

void Listbox::SetSelectionType(std::int64_t type) {
  CheckUIThread();
  if (type != 0 && type != 1) {
    throw OutOfBoundsException("Listbox " + Name() + ".SelectionType " + std::to_string(type) +
                               " is neither 0 (single) nor 1 (multiple)");
  }
  selection_type_ = type;
  if (ListView* view = parts_->view) {
    view->setSelectionMode(type == 0 ? QAbstractItemView::SingleSelection
                                     : QAbstractItemView::ExtendedSelection);
  }
}

void Listbox::SetColumnsResizable(bool v) {
  CheckUIThread();
  columns_resizable_ = v;
  ApplyColumnWidths();
}

void Listbox::SetEnableDrag(bool v) {
  if (v) throw UnsupportedOperationException("Listbox " + Name() + ".EnableDrag True is not supported");
}

void Listbox::SetEnableDragReorder(bool v) {
  if (v) throw UnsupportedOperationException("Listbox " + Name() + ".EnableDragReorder True is not supported");
}

void Listbox::SetDropIndicatorVisible(bool v) {
  CheckUIThread();
  drop_indicator_visible_ = v;
  if (ListView* view = parts_->view) view->setDropIndicatorShown(v);
}

void Listbox::SetHierarchical(bool v) {
  if (v) throw UnsupportedOperationException("Listbox " + Name() + ".Hierarchical True is not supported");
}

void Listbox::SetHeadingIndex(std::int64_t column) {
  CheckUIThread();
  if (column != -1) CheckColumn("HeadingIndex", column);
  heading_index_ = column;
  ApplyHeading();
}







void Listbox::ApplyFont() {
  ListView* view = parts_->view;
  if (!view) return;
  view->setFont(qt::DesignFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  ApplyRowHeight();
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
    delegate->ShowWrittenText(static_cast<int>(row), static_cast<int>(column), qt::ToQ(text));
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
  if (type == 2) throw UnsupportedOperationException("Listbox " + Name() + ".CellType 2 (check box) is not supported");
  if (type < 0 || type > kTextAreaType) {
    throw OutOfBoundsException("Listbox " + Name() + ".CellType " + std::to_string(type) + " is outside 0 to 4");
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

void Listbox::_StoreEditedText(std::int64_t row, std::int64_t column, const std::string& text) {
  if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount()) return;
  parts_->model->StoreText(static_cast<int>(row), static_cast<int>(column), text);
}

void Listbox::_HeadingClicked(std::int64_t column) {
  if (column < 0 || column >= ColumnCount()) return;
  if (!_RaiseSortColumn(column)) {
    parts_->model->SortBy(static_cast<int>(column));
    heading_index_ = column;
  }
  // A click turns the heading's sort indicator round; it shows what the rows are sorted by.
  ApplyHeading();
}

void Listbox::_RaiseOpen() {
  RaiseEvent<void, Ref<Listbox>>("Open", SelfRef(this));
}

bool Listbox::_RaiseCellClick(std::int64_t row, std::int64_t column, std::int64_t x, std::int64_t y) {
  return RaiseEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::int64_t, std::int64_t>(
      "CellClick", SelfRef(this), row, column, x, y);
}

void Listbox::_RaiseCellTextChange(std::int64_t row, std::int64_t column) {
  RaiseEvent<void, Ref<Listbox>, std::int64_t, std::int64_t>("CellTextChange", SelfRef(this), row, column);
}

bool Listbox::_RaiseCellKeyDown(std::int64_t row, std::int64_t column, const std::string& key) {
  return RaiseEvent<bool, Ref<Listbox>, std::int64_t, std::int64_t, std::string>(
      "CellKeyDown", SelfRef(this), row, column, key);
}

bool Listbox::_RaiseCellBackgroundPaint(const Ref<Graphics>& g, std::int64_t row, std::int64_t column) {
  return RaiseEvent<bool, Ref<Listbox>, Ref<Graphics>, std::int64_t, std::int64_t>(
      "CellBackgroundPaint", SelfRef(this), g, row, column);
}

bool Listbox::_RaiseSortColumn(std::int64_t column) {
  return RaiseEvent<bool, Ref<Listbox>, std::int64_t>("SortColumn", SelfRef(this), column);
}

}  // namespace fw
