// Listbox: a table of text cells in rows and columns, with an optional heading row.
//
// The program's writes (SetCell, SetHeading, AddRow) raise no event and are shown on the next
// turn of the event loop, all of one turn's writes together; reads see every write at once. A
// write leaves an edit in progress alone (its cursor, selection and undo history), except that a
// different text written into the very cell being edited replaces the editor's text.
//
// Editing: EditCell opens a cell's editor whatever its CellType; a click on a cell of type 3
// (editable) opens it too, unless the CellClick handler took the click. Each of the user's
// keystrokes in an editor stores the editor's text in the cell, then raises CellTextChange; so do
// its undo, cut, paste and delete. A key typed into an editor whose cell is scrolled out of view
// scrolls it back first. CellKeyDown sees every key pressed in an editor first, except a modifier
// key pressed alone (Shift, Ctrl, Alt, AltGr, Meta, Super, the lock keys), which it never sees,
// and chords of the command key (Ctrl) with a character, which go to the editor or the menus; Ctrl
// with a key of its own code (Return, Enter, the arrows, Tab, Escape, Backspace, Delete) comes as
// that key. True consumes the key; False passes it on to the editor open at that moment, which
// may be another cell's if the handler moved the edit. Return, Enter, the arrows up and down and
// the page keys then do nothing more; Tab ends the edit and moves the focus on; Escape ends the
// edit keeping its text. The edit stays open, with its text, selection and undo, while another
// window, a pop-up or the menu bar (Alt, a mnemonic) has the keyboard; it ends when the keyboard
// goes on to another control of the window. The cell being edited shows a frame in the desktop's
// highlight colour; its text has no length limit.
//
// While the list itself has the keyboard and no cell is being edited, its current cell shows the
// same frame and a screen reader hears of it; the arrows move it, F2 and Return act as a click
// in its middle (CellClick, then an editable cell's edit unless the handler took the click), and
// characters typed edit nothing and move nothing.
//
// Events: Open ( Listbox ); CellClick ( Listbox, Integer, Integer, Integer, Integer ) as Boolean
// (row, column, x and y within the cell); CellTextChange ( Listbox, Integer, Integer );
// CellKeyDown ( Listbox, Integer, Integer, String ) as Boolean; CellBackgroundPaint ( Listbox,
// Graphics, Integer, Integer ) as Boolean, raised for every cell before its text is drawn, whatever
// the result; SortColumn ( Listbox, Integer ) as Boolean, raised by a click on a heading: False
// sorts the rows by that column's text, True leaves them as they are.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/badge.h"
#include "framework/graphics.h"
#include "framework/text_control.h"

class QLineEdit;

namespace fw {

namespace internal {
class CellDelegate;
class ListView;
}  // namespace internal

// The editor of the cell being edited. Once that edit has ended, every call raises
// NilObjectException. Positions count characters.
class TextEdit : public Object {
  struct Link;

 public:
  static constexpr const char* kClassName = "TextEdit";
  // Made by the list's cell delegate when an edit starts.
  TextEdit(Badge<internal::CellDelegate>, std::unique_ptr<Link> link);
  ~TextEdit() override;

  std::string Text() const;
  // Replaces the editor's text and stores it in the cell; raises no event.
  void SetText(const std::string& text);
  void SelectAll();
  std::int64_t SelStart() const;
  void SetSelStart(std::int64_t start);
  std::int64_t SelLength() const;
  void SetSelLength(std::int64_t length);
  std::string SelText() const;

 private:
  friend class internal::CellDelegate;
  friend class testing::Access;

  // The edit has ended: the editor is gone.
  void EndEdit();
  QLineEdit& Editor() const;
  std::unique_ptr<Link> link_;
};

class Listbox : public TextControl {
 public:
  static constexpr const char* kClassName = "Listbox";
  Listbox();
  ~Listbox() override;

  // Design properties.
  std::int64_t ColumnCount() const;
  void SetColumnCount(std::int64_t count);
  // Comma-separated widths: pixels ("80"), a share of the width ("25%") or of what is left ("*",
  // "2*" or an empty entry). Empty: equal widths that fill the list.
  const std::string& ColumnWidths() const { return column_widths_; }
  void SetColumnWidths(const std::string& widths);
  bool HasHeading() const { return has_heading_; }
  void SetHasHeading(bool v);
  // Rows separated by line breaks, columns by tabs; replaces every row.
  const std::string& InitialValue() const { return initial_value_; }
  void SetInitialValue(const std::string& value);
  // -1: a height from the font.
  std::int64_t DefaultRowHeight() const { return default_row_height_; }
  void SetDefaultRowHeight(std::int64_t height);
  // 0 and 1: no grid lines (cells paint their own); 2 and more: the view's thin lines.
  std::int64_t GridLinesHorizontal() const { return grid_horizontal_; }
  void SetGridLinesHorizontal(std::int64_t style);
  std::int64_t GridLinesVertical() const { return grid_vertical_; }
  void SetGridLinesVertical(std::int64_t style);
  bool Border() const { return border_; }
  void SetBorder(bool v);
  bool ScrollBarVertical() const { return scroll_vertical_; }
  void SetScrollBarVertical(bool v);
  bool ScrollBarHorizontal() const { return scroll_horizontal_; }
  void SetScrollBarHorizontal(bool v);
  bool AutoHideScrollbars() const { return auto_hide_scrollbars_; }
  void SetAutoHideScrollbars(bool v);
  bool UseFocusRing() const { return use_focus_ring_; }
  void SetUseFocusRing(bool v);
  // 0: one row at a time; 1: several rows.
  std::int64_t SelectionType() const { return selection_type_; }
  void SetSelectionType(std::int64_t type);
  bool RequiresSelection() const { return requires_selection_; }
  void SetRequiresSelection(bool v) { requires_selection_ = v; }
  bool ColumnsResizable() const { return columns_resizable_; }
  void SetColumnsResizable(bool v);
  // Only False is supported for EnableDrag, EnableDragReorder and Hierarchical.
  bool EnableDrag() const { return false; }
  void SetEnableDrag(bool v);
  bool EnableDragReorder() const { return false; }
  void SetEnableDragReorder(bool v);
  bool DropIndicatorVisible() const { return drop_indicator_visible_; }
  void SetDropIndicatorVisible(bool v);
  bool Hierarchical() const { return false; }
  void SetHierarchical(bool v);
  // The column whose heading shows the sort indicator; -1: none.
  std::int64_t HeadingIndex() const { return heading_index_; }
  void SetHeadingIndex(std::int64_t column);

  // Contents. A row or column outside the list raises OutOfBoundsException.
  std::int64_t ListCount() const;
  std::string Heading(std::int64_t column) const;
  void SetHeading(std::int64_t column, const std::string& text);
  // Appends a row with the text in its first column.
  void AddRow(const std::string& text);
  void RemoveAllRows();
  std::string Cell(std::int64_t row, std::int64_t column) const;
  void SetCell(std::int64_t row, std::int64_t column, const std::string& text);
  // 0 default, 1 normal, 3 editable in place, 4 editable text area; 2 (check box) is unsupported.
  std::int64_t CellType(std::int64_t row, std::int64_t column) const;
  void SetCellType(std::int64_t row, std::int64_t column, std::int64_t type);

  // Ends any other edit (keeping its text), makes the cell current, scrolls it into view and
  // opens its editor with the keyboard focus, the cursor at the end of the text and nothing
  // selected.
  void EditCell(std::int64_t row, std::int64_t column);
  // The editor of the cell being edited; nil when no cell is being edited.
  Ref<TextEdit> ActiveCell() const;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  // The view and its delegate raise the list's events and store what the user typed.
  friend class internal::ListView;
  friend class internal::CellDelegate;
  friend class testing::Access;
  struct Parts;

  void RaiseOpen() override;
  bool RaiseCellClick(std::int64_t row, std::int64_t column, std::int64_t x, std::int64_t y);
  void RaiseCellTextChange(std::int64_t row, std::int64_t column);
  bool RaiseCellKeyDown(std::int64_t row, std::int64_t column, const std::string& key);
  bool RaiseCellBackgroundPaint(const Ref<Graphics>& g, std::int64_t row, std::int64_t column);
  bool RaiseSortColumn(std::int64_t column);
  // The editor's text, stored as the user typed it: no event of its own.
  void StoreEditedText(std::int64_t row, std::int64_t column, const std::string& text);
  // A click on a heading: raises SortColumn, then sorts unless the handler said True.
  void HeadingClicked(std::int64_t column);

  void CheckRow(const char* operation, std::int64_t row) const;
  void CheckColumn(const char* operation, std::int64_t column) const;
  void ApplyFont() override;
  void ApplyRowHeight();
  void ApplyScrollBars();
  void ApplyGrid();
  void ApplyHeading();
  void ApplyColumnWidths();

  std::unique_ptr<Parts> parts_;
  std::string column_widths_, initial_value_;
  std::int64_t default_row_height_ = -1, grid_horizontal_ = 0, grid_vertical_ = 0;
  std::int64_t selection_type_ = 0, heading_index_ = -1;
  bool has_heading_ = false, border_ = true, scroll_vertical_ = true, scroll_horizontal_ = false;
  bool auto_hide_scrollbars_ = true, use_focus_ring_ = true, requires_selection_ = false;
  bool columns_resizable_ = false, drop_indicator_visible_ = false;
};

}  // namespace fw
