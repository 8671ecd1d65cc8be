#include "bench/floor_window.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <functional>
#include <utility>

#include "grading_window/score_math.h"

namespace sw_bench {

namespace {

// Hands every keystroke in a cell editor to the window, as the program recomputes on each one.
class EditingDelegate : public QStyledItemDelegate {
 public:
  using Edited = std::function<void(int row, const QString& text)>;
  EditingDelegate(Edited edited, QObject* parent)
      : QStyledItemDelegate(parent), edited_(std::move(edited)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      const int row = index.row();
      connect(line, &QLineEdit::textEdited, line,
              [this, row](const QString& text) { edited_(row, text); });
    }
    return editor;
  }

 private:
  Edited edited_;
};

QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }

QWidget* Bar(QWidget* parent, QRect place, QColor fill) {
  auto* bar = new QWidget(parent);
  bar->setGeometry(place);
  bar->setAutoFillBackground(true);
  QPalette palette = bar->palette();
  palette.setColor(QPalette::Window, fill);
  bar->setPalette(palette);
  return bar;
}

QLabel* Caption(QWidget* parent, QRect place, const QString& text, QColor color, bool bold,
                int pixel_size = 0) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  QFont font = label->font();
  font.setBold(bold);
  if (pixel_size > 0) font.setPixelSize(pixel_size);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}

void AddMenu(QMenuBar* bar, const QString& title,
             std::initializer_list<std::pair<const char*, const char*>> items) {
  QMenu* menu = bar->addMenu(title);
  for (const auto& [text, shortcut] : items) {
    if (text == nullptr) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(QString::fromUtf8(text));
    if (shortcut != nullptr) action->setShortcut(QKeySequence(QString::fromUtf8(shortcut)));
  }
}

}  // namespace

FloorWindow::FloorWindow() {
  setWindowTitle(QStringLiteral("Scorewright"));
  AddMenu(menuBar(), QStringLiteral("&File"),
          {{"About Scorewright", "Ctrl+A"}, {"&Quit", "Ctrl+Q"}});
  AddMenu(menuBar(), QStringLiteral("&Edit"),
          {{"&Undo", "Ctrl+Z"},
           {nullptr, nullptr},
           {"Cu&t", "Ctrl+X"},
           {"&Copy", "Ctrl+C"},
           {"&Paste", "Ctrl+V"},
           {"&Delete", nullptr},
           {nullptr, nullptr},
           {"Select &All", "Ctrl+A"}});
  AddMenu(menuBar(), QStringLiteral("Reset"), {{"Reset for next student", "Ctrl+R"}});
  AddMenu(menuBar(), QStringLiteral("Other Apps for Teachers"),
          {{"Kinetora on the MacAppStore", nullptr},
           {"Go to the Kinetora Website", nullptr},
           {"Like Kinetora on Twitter", nullptr},
           {"Like Kinetora on Facebook", nullptr},
           {nullptr, nullptr},
           {"Tabulix on the MacAppStore", nullptr},
           {nullptr, nullptr},
           {"Email support@kinetora.example", nullptr}});
  AddMenu(menuBar(), QStringLiteral("Help"), {{"Help Window", nullptr}});

  auto* content = new QWidget;
  setCentralWidget(content);
  content->setMinimumSize(780, 400);
  resize(780, 400 + menuBar()->sizeHint().height());

  const QColor white = Rgb(255, 254, 254);
  const QColor grey = Rgb(102, 102, 102);

  table_ = new QTableWidget(100, 4, content);
  table_->setGeometry(0, 23, 501, 377);
  table_->setHorizontalHeaderLabels({QStringLiteral("Problem #"), QStringLiteral("Graded Points"),
                                     QStringLiteral("Points Incorrect"),
                                     QStringLiteral("Percentage")});
  table_->verticalHeader()->hide();
  table_->setShowGrid(false);
  table_->setAlternatingRowColors(true);
  table_->setItemDelegate(new EditingDelegate(
      [this](int row, const QString& text) { Recalculate(row, text); }, table_));
  for (int r = 0; r < 100; ++r) {
    auto* problem = new QTableWidgetItem(QString::number(r + 1));
    problem->setFlags(problem->flags() & ~Qt::ItemIsEditable);
    table_->setItem(r, 0, problem);
    for (int c = 1; c < 4; ++c) table_->setItem(r, c, new QTableWidgetItem(QStringLiteral("0")));
  }

  Bar(content, {0, -2, 501, 25}, Rgb(7, 63, 128));
  Caption(content, {8, -2, 461, 20},
          QStringLiteral("Enter lost points per question into the second column as you grade"),
          white, true);

  total_ = new QLineEdit(QStringLiteral("100"), content);
  total_->setGeometry(643, 69, 117, 25);
  total_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

  percentage_ =
      Caption(content, {511, 165, 249, 59}, QStringLiteral("100%"), Rgb(16, 127, 64), false, 42);
  Bar(content, {500, 144, 280, 25}, grey);
  Caption(content, {513, 142, 176, 27}, QStringLiteral("Percentage"), white, true);
  Bar(content, {500, 313, 280, 25}, grey);
  Caption(content, {513, 311, 176, 27}, QStringLiteral("Points"), white, true);
  points_ =
      Caption(content, {511, 342, 247, 49}, QStringLiteral("100/100"), Rgb(0, 0, 0), false, 42);

  auto* reset = new QPushButton(QStringLiteral("Reset for next student"), content);
  reset->setGeometry(513, 106, 247, 20);

  Caption(content, {528, 4, 224, 20}, QStringLiteral("Percentage"), Rgb(0, 0, 0), false, 16);
  Bar(content, {500, -2, 280, 25}, Rgb(16, 127, 128));
  Caption(content, {513, -2, 247, 20}, QStringLiteral("Grading  Calculations"), white, true);

  mode_ = new QComboBox(content);
  mode_->setGeometry(513, 35, 245, 20);
  mode_->addItems(
      {QStringLiteral("Grade as lost points"), QStringLiteral("Grade as gained points")});

  Caption(content, {513, 67, 122, 27}, QStringLiteral("Assignment Points:"), Rgb(0, 0, 0), false);
  Bar(content, {500, 226, 280, 25}, grey);
  Caption(content, {513, 224, 176, 27}, QStringLiteral("Points Lost"), white, true);
  lost_ = Caption(content, {513, 254, 247, 49}, QStringLiteral("0"), Rgb(251, 1, 6), false, 42);

  connect(total_, &QLineEdit::textChanged, this, [this] { Recalculate(-1, QString()); });
  connect(mode_, &QComboBox::currentIndexChanged, this, [this] { Recalculate(-1, QString()); });
  Recalculate(-1, QString());
}

QLineEdit* FloorWindow::EditCell(int row, int column) {
  QTableWidgetItem* item = table_->item(row, column);
  if (!item) return nullptr;
  const QModelIndex index = table_->model()->index(row, column);
  table_->setCurrentItem(item);
  // The view refuses to open a second editor while one is open, and the open one is kept.
  if (!table_->indexWidget(index)) table_->editItem(item);
  auto* editor = qobject_cast<QLineEdit*>(table_->indexWidget(index));
  if (editor) editor->selectAll();
  return editor;
}

void FloorWindow::Recalculate(int edited_row, const QString& edited_text) {
  using score_math::ToSingle;
  const float total = ToSingle(total_->text().toDouble());
  float sum = 0;
  for (int r = 0; r < 100; ++r) {
    const QString text = r == edited_row ? edited_text : table_->item(r, 1)->text();
    sum = sum + ToSingle(text.toDouble());
  }
  const auto [score, lost] = score_math::ScoreAndLost(total, sum, mode_->currentIndex());
  const float percentage = score_math::Percentage(score, total);
  percentage_->setText(QString::number(static_cast<double>(percentage), 'f', 2) + u'%');
  points_->setText(QString::number(static_cast<double>(score)) + u'/' +
                   QString::number(static_cast<double>(total)));
  lost_->setText(QString::number(static_cast<double>(lost)));

  const bool lost_mode = mode_->currentIndex() == 0;
  for (int r = 0; r < 100; ++r) {
    QString points;
    QString share;
    if (score_math::RowInRange(total, r)) {
      points =
          lost_mode ? QString::number(r) : QString::number(score_math::GainedScalePoints(total, r));
      share = QString::number(score_math::ScalePercentage(total, r), 'f', 2) + u'%';
    }
    table_->item(r, 2)->setText(points);
    table_->item(r, 3)->setText(share);
  }
}

}  // namespace sw_bench
