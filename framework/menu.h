// Menus: a menu bar is a MenuItem whose children are the menus; a menu's children are its items.
// An item's Name is the key under which menu handlers are registered. "-" as Text makes a
// separator; "&" marks the access letter; KeyboardShortcut is "Cmd+" and a capital letter, where
// Cmd is the platform's command key (Ctrl on Linux and Windows).
#pragma once

#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {

class MenuItem : public Object {
 public:
  static constexpr const char* kClassName = "MenuItem";
  MenuItem();
  ~MenuItem() override;

  virtual void Constructor();

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  bool AutoEnable() const { return auto_enable_; }
  void SetAutoEnable(bool value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const std::string& shortcut);
  bool HasKeyboardShortcut() const { return shortcut_set_; }  // false until a shortcut is set

  bool IsSeparator() const { return text_ == "-"; }
  template <class T>
  bool IsA() const {
    return dynamic_cast<const T*>(this) != nullptr;
  }

  virtual void Append(const Ref<MenuItem>& child);
  // The direct child of that name, or nil.
  virtual Ref<MenuItem> Child(const std::string& name) const;
  virtual std::int64_t Count() const;
  virtual Ref<MenuItem> Item(std::int64_t index) const;

  // Chosen by the user or by a shortcut: the front window's handler for the name, else the
  // application's; a quit item quits; the standard Edit items act on the focused text editor.
  void Choose();

 private:
  std::string name_, text_, shortcut_;
  bool auto_enable_ = false, visible_ = true, shortcut_set_ = false;
  std::vector<Ref<MenuItem>> children_;
};

class QuitMenuItem : public MenuItem {
 public:
  static constexpr const char* kClassName = "QuitMenuItem";
};

class MenuBar : public MenuItem {
 public:
  static constexpr const char* kClassName = "MenuBar";
};

}  // namespace fw
