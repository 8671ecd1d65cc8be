// The application's menu bar: one instance for the whole run, built on its first use.
#pragma once

#include "framework/menu.h"

class MainMenuBar : public fw::MenuBar {
 public:
  static constexpr const char* kClassName = "MainMenuBar";
  std::string ClassName() const override { return kClassName; }
  void Constructor() override;
};

fw::Ref<class MainMenuBar> MainMenuBar();
