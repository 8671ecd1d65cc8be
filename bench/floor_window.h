// The floor the program is measured against: the grading window's controls in plain Qt Widgets,
// at the same places, with no framework in between. A menu bar with the same five menus, the
// 100 x 4 score table, the bars and labels, the total field, the mode pop-up and the Reset
// button. Typing into a score cell recomputes and shows the results as the program does, so that
// a keystroke costs the floor what Qt itself needs for it.
#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace sw_bench {

class FloorWindow : public QMainWindow {
 public:
  FloorWindow();

  QTableWidget* table() const { return table_; }

  // Opens the editor of that cell and gives it the whole text selected, as the program's first
  // cell opens; the editor, or nullptr.
  QLineEdit* EditCell(int row, int column);

 private:
  // The sum of the entries, with the edited row's text as typed so far.
  void Recalculate(int edited_row, const QString& edited_text);

  QTableWidget* table_ = nullptr;
  QLineEdit* total_ = nullptr;
  QComboBox* mode_ = nullptr;
  QLabel* percentage_ = nullptr;
  QLabel* points_ = nullptr;
  QLabel* lost_ = nullptr;
};

}  // namespace sw_bench
