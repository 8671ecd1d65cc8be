// The cells behind a Listbox, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/listbox_model.h is the framework's own header, not for program code"
#endif

#include <QAbstractTableModel>
#include <QPersistentModelIndex>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace fw::internal {

// The CellTypes whose cells the view may edit; a click opens an editor on kEditableType only.
constexpr std::int64_t kEditableType = 3;
constexpr std::int64_t kTextAreaType = 4;

struct CellData {
  std::string text;
  std::int64_t type = 0;
};

// The list's rows and headings. The views learn of added rows and changed cells on the next turn
// of the event loop: one insertion for every row added and one dataChanged over the changed
// cells, whatever the number of writes. Each row holds at least as many cells as there are
// columns (more when its initial value gave more). Callers check rows and columns first.
class CellModel : public QAbstractTableModel {
 public:
  int Rows() const { return static_cast<int>(rows_.size()); }
  int Columns() const { return columns_; }
  const CellData& At(int row, int column) const {
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  const QString& Heading(int column) const { return headings_[static_cast<std::size_t>(column)]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The view's commit of an editor: the text is normally stored already, keystroke by keystroke.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  void StoreText(int row, int column, std::string text);
  void SetType(int row, int column, std::int64_t type);
  void AppendRow(std::vector<std::string> texts);
  void Clear();
  void SetColumns(int columns);
  void SetHeading(int column, const QString& text);
  // Editing is allowed on this one cell whatever its type, for EditCell's call of the view.
  void ForceEditable(const QModelIndex& index) { forced_editable_ = index; }

  // Tells the views now of every pending change.
  void Flush();
  // Stable, by the column's text; open editors, the current cell and the selection follow their
  // rows.
  void SortBy(int column);

 private:
  void MarkChanged(int row, int column);
  void ForgetChanges();
  void ScheduleFlush();

  std::vector<std::vector<CellData>> rows_;
  std::vector<QString> headings_{QString()};
  int columns_ = 1;
  int announced_ = 0;  // rows the views know of
  int changed_top_ = std::numeric_limits<int>::max(), changed_bottom_ = -1;
  int changed_left_ = std::numeric_limits<int>::max(), changed_right_ = -1;
  bool flush_posted_ = false;
  QPersistentModelIndex forced_editable_;
};

}  // namespace fw::internal
