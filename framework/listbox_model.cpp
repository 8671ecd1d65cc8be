#include "framework/listbox_model.h"

#include <QMetaObject>
#include <algorithm>
#include <numeric>
#include <utility>

#include "framework/qt_support.h"

namespace fw::internal {

int CellModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
}

int CellModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant CellModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return qt::ToQ(At(index.row(), index.column()).text);
}

QVariant CellModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columns_) return {};
  return Heading(section);
}

Qt::ItemFlags CellModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  const std::int64_t type = At(index.row(), index.column()).type;
  if (type == kEditableType || type == kTextAreaType || index == forced_editable_) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool CellModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  StoreText(index.row(), index.column(), qt::FromQ(value.toString()));
  return true;
}

void CellModel::StoreText(int row, int column, std::string text) {
  CellData& cell = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  if (cell.text == text) return;
  cell.text = std::move(text);
  MarkChanged(row, column);
}

void CellModel::SetType(int row, int column, std::int64_t type) {
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].type = type;
}

void CellModel::AppendRow(std::vector<std::string> texts) {
  std::vector<CellData> row(std::max(texts.size(), static_cast<std::size_t>(columns_)));
  for (std::size_t i = 0; i < texts.size(); ++i) row[i].text = std::move(texts[i]);
  rows_.push_back(std::move(row));
  ScheduleFlush();
}

void CellModel::Clear() {
  beginResetModel();
  rows_.clear();
  announced_ = 0;
  ForgetChanges();
  endResetModel();
}

void CellModel::SetColumns(int columns) {
  beginResetModel();
  columns_ = columns;
  for (auto& row : rows_) {
    if (row.size() < static_cast<std::size_t>(columns))
      row.resize(static_cast<std::size_t>(columns));
  }
  if (headings_.size() < static_cast<std::size_t>(columns)) {
    headings_.resize(static_cast<std::size_t>(columns));
  }
  announced_ = Rows();
  ForgetChanges();
  endResetModel();
}

void CellModel::SetHeading(int column, const QString& text) {
  if (headings_[static_cast<std::size_t>(column)] == text) return;
  headings_[static_cast<std::size_t>(column)] = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void CellModel::Flush() {
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

void CellModel::SortBy(int column) {
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

void CellModel::MarkChanged(int row, int column) {
  if (row >= announced_) return;  // the pending insertion shows it
  changed_top_ = std::min(changed_top_, row);
  changed_bottom_ = std::max(changed_bottom_, row);
  changed_left_ = std::min(changed_left_, column);
  changed_right_ = std::max(changed_right_, column);
  ScheduleFlush();
}

void CellModel::ForgetChanges() {
  changed_top_ = changed_left_ = std::numeric_limits<int>::max();
  changed_bottom_ = changed_right_ = -1;
}

void CellModel::ScheduleFlush() {
  if (flush_posted_) return;
  flush_posted_ = true;
  QMetaObject::invokeMethod(
      this, [this] { Flush(); }, Qt::QueuedConnection);
}

}  // namespace fw::internal
