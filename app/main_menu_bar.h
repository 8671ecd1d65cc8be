// The application's menu bar: File, Edit, Reset, "Other Apps for Teachers" and Help. One instance
// for the whole run, built by its first use; once built nothing in it changes.
#pragma once

#include "framework/menu.h"

class MainMenuBar : public fw::MenuBar {
 public:
  static constexpr const char* kClassName = "MainMenuBar";
  std::string ClassName() const override { return kClassName; }

  void Constructor() override;
  virtual void Untitled0();
  virtual void Untitled1();
  virtual void Untitled2();
  virtual void Untitled3();
  virtual void Untitled4();

 private:
  // Appends a menu to the bar.
  void AddMenu(const std::string& name, const std::string& text);
  // Appends an item to the bar's menu of that name; a separator gets no shortcut at all.
  template <class Item = fw::MenuItem>
  void AddItem(const std::string& menu, const std::string& name, const std::string& text,
               const char* shortcut);
};

fw::Ref<class MainMenuBar> MainMenuBar();

// The support address behind the "Email" item and the mail link.
extern const char* const kSupportAddress;
