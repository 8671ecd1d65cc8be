// Windows: design values by name, construction, implicit instances and the main-thread rule.
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/label.h"
#include "framework/menu.h"
#include "framework/pushbutton.h"
#include "framework/textfield.h"
#include "tests/support/runtime_scope.h"

namespace {

using fw::testing::ContentAreaOf;
using fw::testing::QtWindowOf;
using fw::testing::WidgetOf;

class Plain : public fw::Window {
 public:
  static constexpr const char* kClassName = "Plain";
  std::string ClassName() const override { return kClassName; }
  void Layout() {
    fw::_SetProperties(fw::SelfRef(this), {{"Width", 300},
                                           {"Height", 200},
                                           {"MinWidth", 300},
                                           {"MinHeight", 200},
                                           {"Title", "Plain"}});
  }
  void CreateControls() {
    auto label = __New<fw::Label>();
    label->Constructor();
    _AddControl("Caption", label);
    fw::_SetProperties(fw::CheckedCast<fw::Label>(_ControlByName("Caption")),
                       {{"Left", 10}, {"Top", 20}, {"Width", 100}, {"Height", 20}, {"Text", "hi"}});
    // Created in the reverse of their tab order.
    CreateControl<fw::PushButton>("Third", {{"Left", 10}, {"Top", 110}, {"TabIndex", 3}});
    CreateControl<fw::PushButton>("Second", {{"Left", 10}, {"Top", 50}, {"TabIndex", 2}});
    CreateControl<fw::PushButton>("First", {{"Left", 10}, {"Top", 80}, {"TabIndex", 1}});
  }
  void Event_Close() { ++closes; }
  int closes = 0;
};

const bool registered = fw::RegisterProgramClass(
    {typeid(Plain), [] {
       return fw::ClassDescription{
           "Plain",
           "Plain.Plain",
           {{"Layout", [](fw::Object& w) { static_cast<Plain&>(w).Layout(); }},
            {"CreateControls", [](fw::Object& w) { static_cast<Plain&>(w).CreateControls(); }},
            {"Close", [](fw::Object& w) { static_cast<Plain&>(w).Event_Close(); }}}};
     }});

// Captions made before and after the controls they caption: a field, and a result that shows its
// value as its own text.
class Captioned : public fw::Window {
 public:
  static constexpr const char* kClassName = "Captioned";
  std::string ClassName() const override { return kClassName; }
  void CreateControls() {
    CreateControl<fw::Label>("FieldCaption", {{"Left", 10},
                                              {"Top", 10},
                                              {"Width", 80},
                                              {"Height", 20},
                                              {"Text", "Total Points:"},
                                              {"LabelFor", "Field"}});
    CreateControl<fw::TextField>(
        "Field", {{"Left", 100}, {"Top", 10}, {"Width", 80}, {"Height", 20}, {"Text", "100"}});
    CreateControl<fw::Label>(
        "Result", {{"Left", 10}, {"Top", 40}, {"Width", 80}, {"Height", 20}, {"Text", "97%"}});
    CreateControl<fw::Label>("ResultCaption", {{"Left", 100},
                                               {"Top", 40},
                                               {"Width", 80},
                                               {"Height", 20},
                                               {"Text", "Score"},
                                               {"LabelFor", "Result"}});
  }
};

// A caption that names a control its window does not have.
class Miscaptioned : public fw::Window {
 public:
  static constexpr const char* kClassName = "Miscaptioned";
  std::string ClassName() const override { return kClassName; }
  void CreateControls() {
    CreateControl<fw::Label>("Caption", {{"Text", "Total:"}, {"LabelFor", "Nowhere"}});
  }
};

const bool registered_captioned = fw::RegisterProgramClass(
    {typeid(Captioned), [] {
       return fw::ClassDescription{
           "Captioned", "Captioned.Captioned", {{"CreateControls", [](fw::Object& w) {
                                                   static_cast<Captioned&>(w).CreateControls();
                                                 }}}};
     }});
const bool registered_miscaptioned = fw::RegisterProgramClass(
    {typeid(Miscaptioned), [] {
       return fw::ClassDescription{"Miscaptioned",
                                   "Miscaptioned.Miscaptioned",
                                   {{"CreateControls", [](fw::Object& w) {
                                       static_cast<Miscaptioned&>(w).CreateControls();
                                     }}}};
     }});

// What a screen reader hears of a widget: its name, its description and the labels that it is
// labelled by.
struct Heard {
  QString name, description;
  std::vector<QWidget*> labelled_by;
};
Heard HeardOf(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  if (!accessible) return {};
  Heard heard{accessible->text(QAccessible::Name), accessible->text(QAccessible::Description), {}};
  for (const auto& [other, relation] : accessible->relations(QAccessible::Label)) {
    heard.labelled_by.push_back(qobject_cast<QWidget*>(other->object()));
  }
  return heard;
}

TEST(Label, LabelForNamesAFieldAndDescribesAResultWhateverTheCreationOrder) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Captioned>();
  window->Constructor();
  auto control = [&](const char* name) {
    return fw::CheckedCast<fw::RectControl>(window->_ControlByName(name));
  };
  auto label = [&](const char* name) { return fw::CheckedCast<fw::Label>(control(name)); };
  QWidget* field = WidgetOf(*control("Field"));
  QWidget* result = WidgetOf(*control("Result"));

  Heard heard = HeardOf(field);
  EXPECT_EQ(heard.name, "Total Points") << "the caption's words, without its colon";
  EXPECT_EQ(heard.labelled_by, std::vector<QWidget*>{WidgetOf(*control("FieldCaption"))});
  heard = HeardOf(result);
  EXPECT_EQ(heard.name, "97%") << "a result is known by its value";
  EXPECT_EQ(heard.description, "Score");
  EXPECT_EQ(heard.labelled_by, std::vector<QWidget*>{WidgetOf(*control("ResultCaption"))});

  // A caption's new words follow it to what it captions.
  label("FieldCaption")->SetText("Maximum:");
  label("ResultCaption")->SetText("Grade");
  label("Result")->SetText("88%");
  EXPECT_EQ(HeardOf(field).name, "Maximum");
  EXPECT_EQ(HeardOf(result).name, "88%");
  EXPECT_EQ(HeardOf(result).description, "Grade");

  // A name of its own wins over the caption's words.
  fw::_SetProperties(control("Field"), {{"AccessibleName", "Points possible"}});
  EXPECT_EQ(HeardOf(field).name, "Points possible");

  // Captioning another control at run time lets go of the first.
  fw::_SetProperties(label("ResultCaption"), {{"LabelFor", "Field"}});
  EXPECT_EQ(HeardOf(result).description, "");
  EXPECT_TRUE(HeardOf(result).labelled_by.empty());
  EXPECT_EQ(qobject_cast<QLabel*>(WidgetOf(*control("ResultCaption")))->buddy(), field);
}

TEST(Label, LabelForAControlThatIsNotThereIsRefusedByName) {
  sw_test::RuntimeScope scope;
  auto refusal = [](const std::function<void()>& step) -> std::string {
    try {
      step();
    } catch (const fw::KeyNotFoundException& e) {
      return e.Message();
    }
    return "accepted";
  };
  const std::string built = refusal([] { fw::New<Miscaptioned>()->Constructor(); });
  for (const char* part : {"Label", "LabelFor", "\"Nowhere\""}) {
    EXPECT_NE(built.find(part), std::string::npos) << built;
  }
  EXPECT_TRUE(fw::OpenWindows().empty());

  auto window = fw::New<Captioned>();
  window->Constructor();
  auto caption = fw::CheckedCast<fw::Label>(window->_ControlByName("FieldCaption"));
  const std::string later = refusal([&] { fw::_SetProperties(caption, {{"LabelFor", "Fields"}}); });
  EXPECT_NE(later.find("\"Fields\""), std::string::npos) << later;
}

TEST(DesignValues, AreRefusedLoudlyWhenUnknownOrOfTheWrongType) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Plain>();
  window->Constructor();
  struct Case {
    const char* name;
    std::string property;
    fw::Value value;
    std::vector<std::string> message_parts;
  };
  const Case cases[] = {
      {"unknown property", "Colour", fw::Value(3), {"Plain", "Colour", "3"}},
      {"text for an integer", "Width", fw::Value("wide"), {"Plain", "Width", "\"wide\""}},
      {"integer for a boolean", "Resizeable", fw::Value(1), {"Plain", "Resizeable", "1"}},
      {"double for an integer", "Height", fw::Value(2.5), {"Plain", "Height", "2.5"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      fw::_SetProperties(window, {{c.property, c.value}});
      ADD_FAILURE() << "accepted";
    } catch (const fw::RuntimeException& e) {
      for (const auto& part : c.message_parts)
        EXPECT_NE(e.Message().find(part), std::string::npos) << e.Message();
    }
  }
}

TEST(Window, ContentAreaHasTheDesignSizeBesideTheMenuBar) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Plain>();
  window->Constructor();
  auto* qt_window = QtWindowOf(*window);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(qt_window));
  EXPECT_EQ(ContentAreaOf(*window)->size(), QSize(300, 200));
  EXPECT_EQ(qt_window->windowTitle(), "Plain");
  auto label = fw::CheckedCast<fw::Label>(window->_ControlByName("Caption"));
  EXPECT_EQ(WidgetOf(*label)->geometry(), QRect(10, 20, 100, 20));
}

TEST(Window, ImplicitInstanceIsReusedUntilClosed) {
  sw_test::RuntimeScope scope;
  auto first = fw::ImplicitInstance<Plain>("Plain.Plain");
  EXPECT_EQ(fw::ImplicitInstance<Plain>("Plain.Plain").get(), first.get());
  QtWindowOf(*first)->close();
  EXPECT_EQ(first->closes, 1);
  EXPECT_FALSE(fw::_GetImplicitWindow("Plain.Plain"));
  auto second = fw::ImplicitInstance<Plain>("Plain.Plain");
  EXPECT_NE(second.get(), first.get());
  EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST(Window, ControlsAreFetchedByNameAndCastChecked) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Plain>();
  window->Constructor();
  EXPECT_TRUE(fw::CheckedCast<fw::Label>(window->_ControlByName("Caption")));
  EXPECT_FALSE(window->_ControlByName("Missing"));
  EXPECT_THROW(fw::CheckedCast<fw::Window>(window->_ControlByName("Caption")),
               fw::IllegalCastException);
  fw::Ref<fw::Label> nil;
  EXPECT_THROW(nil->Text(), fw::NilObjectException);
}

TEST(Window, TabMovesFocusByTabIndexNotCreationOrder) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Plain>();
  window->Constructor();
  QApplication::setActiveWindow(QtWindowOf(*window));
  auto button = [&](const char* name) {
    return WidgetOf(*fw::CheckedCast<fw::PushButton>(window->_ControlByName(name)));
  };
  button("First")->setFocus(Qt::OtherFocusReason);
  for (const char* next : {"Second", "Third"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button(next)) << next;
  }
}

// The rows and the rightmost column that a label's text inks.
std::pair<int, int> Ink(fw::Label& label) {
  const QImage image = WidgetOf(label)->grab().toImage();
  int rows = 0, right = -1;
  for (int y = 0; y < image.height(); ++y) {
    bool row_inked = false;
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() > 128 && c.lightness() < 128) {
        row_inked = true;
        right = std::max(right, x);
      }
    }
    rows += row_inked;
  }
  return {rows, right};
}

TEST(Label, ALineTooLongForItsBoxShowsWholeInASmallerSize) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Plain>();
  window->Constructor();
  auto label = fw::CheckedCast<fw::Label>(window->_ControlByName("Caption"));
  auto ink = [&](const std::string& text) {
    label->SetText(text);
    return Ink(*label);
  };
  const auto [short_rows, short_right] = ink("Ep");
  const auto [long_rows, long_right] = ink("Enter gained points per question");  // over 100 px
  EXPECT_LT(long_rows, short_rows) << "drawn in a smaller size";
  EXPECT_GT(long_right, 50) << "across the label";
}

TEST(Label, TheShrunkSizeFollowsTheWidthAndTheFont) {
  sw_test::RuntimeScope scope;
  auto window = fw::New<Plain>();
  window->Constructor();
  auto label = fw::CheckedCast<fw::Label>(window->_ControlByName("Caption"));
  label->SetHeight(60);
  label->SetText("Enter gained points per question");  // over 100 px
  const int narrow_rows = Ink(*label).first;

  label->SetWidth(400);
  const int wide_rows = Ink(*label).first;
  EXPECT_GT(wide_rows, narrow_rows) << "fits: drawn in the font's own size";
  label->SetWidth(100);
  EXPECT_EQ(Ink(*label).first, narrow_rows) << "narrow again";
  label->SetWidth(400);
  EXPECT_EQ(Ink(*label).first, wide_rows) << "wide again";

  label->SetTextSize(30);  // over 400 px at 30 pixels
  const auto [large_rows, large_right] = Ink(*label);
  label->SetText("Ep");
  const int full_rows = Ink(*label).first;
  EXPECT_LT(large_rows, full_rows - 3) << "a larger font is shrunk anew";
  EXPECT_GT(large_right, 300) << "across the label";
}

TEST(Window, AControlHeldPastItsWindowIsHarmless) {
  sw_test::RuntimeScope scope;
  fw::Ref<fw::Label> label;
  {
    auto window = fw::New<Plain>();
    window->Constructor();
    label = fw::CheckedCast<fw::Label>(window->_ControlByName("Caption"));
    window->Close();
  }
  QCoreApplication::processEvents();  // the framework lets go of the closed window
  EXPECT_EQ(WidgetOf(*label), nullptr);
  label->SetText("still here");
  EXPECT_EQ(label->Text(), "still here");
}

TEST(Window, AMenuItemMadeWhereAGoneOneLayShowsItsOwnText) {
  sw_test::RuntimeScope scope;
  auto app = fw::New<fw::Application>();
  fw::_RuntimeRegisterAppObject(app);
  auto window = fw::New<Plain>();
  window->Constructor();
  // Each bar's one item is made in the same place, so the second item has the first one's address.
  alignas(fw::MenuItem) unsigned char place[sizeof(fw::MenuItem)];
  auto bar_with_item = [&place](const std::string& text) {
    fw::Ref<fw::MenuItem> item(std::shared_ptr<fw::MenuItem>(
        new (place) fw::MenuItem, [](fw::MenuItem* gone) { gone->~MenuItem(); }));
    item->SetName("Item");
    item->SetText(text);
    auto menu = fw::New<fw::MenuItem>();
    menu->SetName("Menu");
    menu->SetText("Menu");
    menu->Append(item);
    auto bar = fw::New<fw::MenuBar>();
    bar->Append(menu);
    return bar;
  };
  auto shown_item = [&window] {
    const QList<QAction*> menus = QtWindowOf(*window)->menuBar()->actions();
    if (menus.size() != 1 || !menus.front()->menu()) return std::string();
    const QList<QAction*> items = menus.front()->menu()->actions();
    return items.size() == 1 ? items.front()->text().toStdString() : std::string();
  };

  app->SetMenuBar(bar_with_item("First"));
  ASSERT_EQ(shown_item(), "First");
  app->SetMenuBar(nullptr);  // the first bar and its item go
  app->SetMenuBar(bar_with_item("Second"));

  EXPECT_EQ(shown_item(), "Second");
}

TEST(Window, UserInterfaceCallsFromAnotherThreadAreRefused) {
  sw_test::RuntimeScope scope;
  bool refused = false;
  std::thread worker([&] {
    try {
      fw::New<Plain>()->Constructor();
    } catch (const fw::ThreadAccessingUIException&) {
      refused = true;
    }
  });
  worker.join();
  EXPECT_TRUE(refused);
  EXPECT_TRUE(fw::OpenWindows().empty());
}

}  // namespace
