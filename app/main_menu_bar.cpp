#include "app/main_menu_bar.h"

#include "framework/runtime.h"

using fw::MenuItem;
using fw::QuitMenuItem;

const char* const kSupportAddress = "support@kinetora.example";

namespace {

fw::Ref<class MainMenuBar> _implicitInstance;

fw::ClassDescription DescribeMainMenuBar() {
  return {"MainMenuBar", "MainMenuBar", {}};
}

const bool registered = fw::RegisterProgramClass(
    {typeid(class MainMenuBar), &DescribeMainMenuBar, [] { _implicitInstance = nullptr; },
     [] { _implicitInstance = nullptr; }});

constexpr const char* kSeparator = nullptr;  // a separator's shortcut is never set

}  // namespace

void MainMenuBar::AddMenu(const std::string& name, const std::string& text) {
  auto menu = fw::New<MenuItem>();
  menu->Constructor();
  menu->SetName(name);
  menu->SetAutoEnable(true);
  menu->SetText(text);
  menu->SetVisible(true);
  menu->SetKeyboardShortcut("");
  Append(menu);
}

template <class Item>
void MainMenuBar::AddItem(const std::string& menu, const std::string& name,
                          const std::string& text, const char* shortcut) {
  auto item = fw::New<Item>();
  item->Constructor();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  item->SetVisible(true);
  if (shortcut != kSeparator) item->SetKeyboardShortcut(shortcut);
  Child(menu)->Append(item);
}

void MainMenuBar::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void MainMenuBar::Untitled0() {
  AddMenu("FileMenu", "&File");
  AddItem("FileMenu", "FileAboutScorewright", "About Scorewright", "Cmd+A");
  AddItem<QuitMenuItem>("FileMenu", "FileQuit", "&Quit", "Cmd+Q");
}

void MainMenuBar::Untitled1() {
  AddMenu("EditMenu", "&Edit");
  AddItem("EditMenu", "EditUndo", "&Undo", "Cmd+Z");
  AddItem("EditMenu", "EditSeparator1", "-", kSeparator);
  AddItem("EditMenu", "EditCut", "Cu&t", "Cmd+X");
  AddItem("EditMenu", "EditCopy", "&Copy", "Cmd+C");
  AddItem("EditMenu", "EditPaste", "&Paste", "Cmd+V");
  AddItem("EditMenu", "EditClear", "&Delete", "");
  AddItem("EditMenu", "EditSeparator2", "-", kSeparator);
  AddItem("EditMenu", "EditSelectAll", "Select &All", "Cmd+A");
}

void MainMenuBar::Untitled2() {
  AddMenu("ResetMenu", "Reset");
  AddItem("ResetMenu", "ResetResetfornextstudent", "Reset for next student", "Cmd+R");
}

void MainMenuBar::Untitled3() {
  const std::string menu = "OurotherappsforteachersMenu";
  AddMenu(menu, "Other Apps for Teachers");
  AddItem(menu, "InternetKinetora", "Kinetora on the MacAppStore", "");
  AddItem(menu, "InternetGototheKinetoraWebsite", "Go to the Kinetora Website", "");
  AddItem(menu, "InternetLikeKinetoraonTwitter", "Like Kinetora on Twitter", "");
  AddItem(menu, "InternetLikeKinetoraonFacebook", "Like Kinetora on Facebook", "");
  AddItem(menu, "UntitledSeparator", "-", kSeparator);
  AddItem(menu, "InternetTabulix", "Tabulix on the MacAppStore", "");
  AddItem(menu, "UntitledSeparator0", "-", kSeparator);
  AddItem(menu, "InternetEmailSupport", std::string("Email ") + kSupportAddress, "");
}

void MainMenuBar::Untitled4() {
  AddMenu("HelpMenu", "Help");
  AddItem("HelpMenu", "HelpHelpWindow", "Help Window", "");
}

fw::Ref<class MainMenuBar> MainMenuBar() {
  if (_implicitInstance) return _implicitInstance;
  auto bar = fw::New<class MainMenuBar>();
  bar->Constructor();
  _implicitInstance = bar;
  return bar;
}
