// The windows on other desktops than the designs were drawn for. The designs' colours (black
// captions, grey bars, the coloured results) were chosen for a light window: every text must stay
// as readable as it is there. Their boxes were drawn for a system font of about 13 pixels: under a
// larger desktop font every text must still show whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "framework/label.h"
#include "framework/listbox.h"
#include "info_windows/aboutwindow.h"
#include "info_windows/helpwindow.h"
#include "tests/support/program.h"

namespace {

using fw::testing::ContentAreaOf;
using fw::testing::EditorOf;
using fw::testing::QtWindowOf;
using fw::testing::ViewOf;
using fw::testing::WidgetOf;
using sw_test::ProgramScope;

// A desktop with a dark scheme: the colours of qt6ct's "darker".
QPalette DarkDesktop() {
  QPalette dark(Qt::white, QColor(0x42, 0x42, 0x45), QColor(0x97, 0x97, 0x97),
                QColor(0x30, 0x2f, 0x2e), QColor(0x4a, 0x49, 0x47), Qt::white, Qt::white,
                QColor(0x3d, 0x3d, 0x3d), QColor(0x22, 0x20, 0x20));
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Highlight, QColor(0x12, 0x60, 0x8a));
  dark.setColor(QPalette::HighlightedText, QColor(0xf9, 0xf9, 0xf9));
  return dark;
}

// A saturated scheme: yellow text on pure blue, dark by its luminance though not by its HSL
// lightness, which rates both colours alike.
QPalette SaturatedDesktop() {
  const QColor blue(0x00, 0x00, 0xff), yellow(0xff, 0xff, 0x00);
  QPalette saturated(yellow, blue, blue.lighter(), blue.darker(), blue.darker(120), yellow,
                     Qt::white, blue, blue);
  saturated.setColor(QPalette::ButtonText, yellow);
  return saturated;
}

// The contrast ratio of two colours as the accessibility guidelines count it (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Text {
  const char* what;
  fw::Ref<fw::Label> label;
  double at_least;  // 4.5 for ordinary text, 3 for the large results
};

// Each label's text as its window shows it: its design colour, which pixels of its box show
// unchanged, against the colour that fills most of its box.
void ExpectReadable(const fw::Ref<fw::Window>& window, const std::vector<Text>& texts) {
  QMainWindow* qt_window = QtWindowOf(*window);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(qt_window));
  const QImage image = qt_window->grab().toImage();
  for (const Text& text : texts) {
    SCOPED_TRACE(text.what);
    QWidget* widget = WidgetOf(*text.label);
    const QRect box = QRect(widget->mapTo(qt_window, QPoint(0, 0)), widget->size()) & image.rect();
    const fw::Color designed = text.label->TextColor();
    const QRgb ink = qRgb(designed.red, designed.green, designed.blue);
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
    }
    QRgb ground = 0;
    for (const auto& [colour, count] : counts) {
      if (counts[ground] < count) ground = colour;
    }
    EXPECT_GT(counts[ink], 0) << "drawn in its design colour";
    EXPECT_GE(Contrast(QColor(ink), QColor(ground)), text.at_least)
        << "on " << QColor(ground).name().toStdString();
  }
}

void ExpectGradingWindowReadable(const fw::Ref<class Scorewright>& w) {
  // Label10 lies under the teal bar but for one pixel row: no text of it shows.
  ExpectReadable(w, {{"Assignment Points:", w->Label12(), 4.5},
                     {"explanation", w->ExplanationLabel(), 4.5},
                     {"heading", w->Label11(), 4.5},
                     {"Percentage caption", w->Label6(), 4.5},
                     {"Points Lost caption", w->Label13(), 4.5},
                     {"Points caption", w->Label8(), 4.5},
                     {"percentage", w->percentageLabel(), 3},
                     {"points lost", w->lostLabel(), 3},
                     {"points", w->pointsLabel(), 3}});
}

void ExpectInfoWindowsReadable() {
  auto about = aboutwindow();
  ExpectReadable(about, {{"product", about->Label1(), 4.5},
                         {"version", about->Label2(), 4.5},
                         {"copyright", about->Label3(), 4.5}});
  auto help = helpWindow();
  ExpectReadable(help, {{"first heading", help->Label1(), 4.5},
                        {"first paragraph", help->Label2(), 4.5},
                        {"second heading", help->Label3(), 4.5},
                        {"second paragraph", help->Label4(), 4.5}});
}

TEST(DarkDesktop, EveryTextOfTheThreeWindowsReadsAsOnALightOne) {
  struct Case {
    const char* name;
    QPalette desktop;
  };
  const Case cases[] = {{"Darker", DarkDesktop()}, {"YellowOnBlue", SaturatedDesktop()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramScope program([&c] { QApplication::setPalette(c.desktop); });
    ExpectGradingWindowReadable(program.window());
    ExpectInfoWindowsReadable();
  }
}

TEST(DarkDesktop, WindowsFollowTheDesktopChangingItsSchemeAndBack) {
  ProgramScope program;
  QWidget* content = ContentAreaOf(*program.window());
  // The window as drawn, but for the open cell editor, whose caret blinks.
  auto look = [&] {
    QImage image = content->grab().toImage();
    if (fw::Ref<fw::TextEdit> cell = program.window()->LabBox()->ActiveCell()) {
      QWidget* editor = EditorOf(*cell);
      QPainter(&image).fillRect(QRect(editor->mapTo(content, QPoint(0, 0)), editor->size()),
                                Qt::magenta);
    }
    return image;
  };
  const QImage light = look();
  const QPalette desktop = QApplication::palette();

  QApplication::setPalette(DarkDesktop());
  QCoreApplication::processEvents();  // the change reaches the open windows
  ExpectGradingWindowReadable(program.window());

  QApplication::setPalette(desktop);
  QCoreApplication::processEvents();
  EXPECT_EQ(look(), light) << "back to exactly the light look";
}

// Every text that the style draws for a widget, with the font it is drawn in.
class TextRecorder : public QProxyStyle {
 public:
  struct Drawn {
    QRect rect;
    int flags;
    QString text;
    QFont font;
  };

  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text, QPalette::ColorRole role) const override {
    drawn_[painter->device()].push_back({rect, flags, text, painter->font()});
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
  }

  // Draws the window anew and returns what each of its widgets drew.
  std::map<const QPaintDevice*, std::vector<Drawn>> DrawnIn(QWidget* window) {
    drawn_.clear();
    (void)window->grab();
    return std::move(drawn_);
  }

 private:
  mutable std::map<const QPaintDevice*, std::vector<Drawn>> drawn_;
};

// The text drawn in the box shows whole: the bounds of its lines, in the font it was drawn in.
void ExpectWhole(const std::vector<TextRecorder::Drawn>& drawn, const QString& text,
                 const QRect& box) {
  const auto found = std::find_if(drawn.begin(), drawn.end(),
                                  [&](const TextRecorder::Drawn& d) { return d.text == text; });
  ASSERT_NE(found, drawn.end()) << "drawn at all";
  const QRectF bounds =
      QFontMetricsF(found->font).boundingRect(QRectF(found->rect), found->flags, text);
  EXPECT_TRUE(QRectF(box).contains(bounds))
      << "lines " << bounds.width() << " x " << bounds.height() << " at (" << bounds.x() << ", "
      << bounds.y() << ") in a box of " << box.width() << " x " << box.height() << ", "
      << found->font.pixelSize() << " px";
}

void ExpectLabelsWhole(TextRecorder& recorder, const fw::Ref<fw::Window>& window) {
  QMainWindow* qt_window = QtWindowOf(*window);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(qt_window));
  const auto drawn = recorder.DrawnIn(qt_window);
  const QList<QLabel*> labels = ContentAreaOf(*window)->findChildren<QLabel*>();
  ASSERT_FALSE(labels.empty());
  for (QLabel* label : labels) {
    SCOPED_TRACE(label->text().toStdString());
    const auto own = drawn.find(label);
    ExpectWhole(own == drawn.end() ? std::vector<TextRecorder::Drawn>{} : own->second,
                label->text(), label->rect());
  }
}

void ExpectHeadingsWhole(TextRecorder& recorder, const fw::Ref<class Scorewright>& w) {
  QHeaderView* header = ViewOf(*w->LabBox())->horizontalHeader();
  const auto drawn = recorder.DrawnIn(QtWindowOf(*w));
  const auto own = drawn.find(header->viewport());
  ASSERT_NE(own, drawn.end());
  for (int column = 0; column < header->count(); ++column) {
    const QString text = QString::fromStdString(w->LabBox()->Heading(column));
    SCOPED_TRACE(text.toStdString());
    ExpectWhole(own->second, text,
                QRect(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                      header->viewport()->height()));
  }
}

TEST(DesktopFont, EveryLabelAndHeadingShowsItsWholeText) {
  for (const int points : {9, 11, 12, 14}) {
    SCOPED_TRACE(std::to_string(points) + " pt");
    TextRecorder* recorder = nullptr;
    ProgramScope program([&] {
      QFont desktop = QApplication::font();
      desktop.setPointSize(points);
      QApplication::setFont(desktop);
      recorder = new TextRecorder;
      QApplication::setStyle(recorder);  // the application owns it
    });
    auto w = program.window();
    ExpectLabelsWhole(*recorder, w);
    ExpectHeadingsWhole(*recorder, w);
    {
      SCOPED_TRACE("grading gained points");
      w->gradingTypePop()->SetListIndex(1);
      ExpectLabelsWhole(*recorder, w);
      ExpectHeadingsWhole(*recorder, w);
    }
    ExpectLabelsWhole(*recorder, aboutwindow());
    ExpectLabelsWhole(*recorder, helpWindow());
  }
}

}  // namespace
