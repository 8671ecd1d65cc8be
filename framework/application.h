// The application object: version data, the menu bar, and the application's menu handlers.
// One object per run, registered with the runtime by _RuntimeRegisterAppObject.
#pragma once

#include <cstdint>
#include <string>

#include "framework/menu_handler_table.h"
#include "framework/object.h"

namespace fw {

class MenuBar;

class Application : public Object {
 public:
  static constexpr const char* kClassName = "Application";
  Application();
  ~Application() override;

  virtual void _AddMenuHandler(const std::string& item_name, MenuHandler handler);
  virtual void _x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                 std::int64_t non_release, std::int64_t stage,
                                 const std::string& long_version, const std::string& short_version,
                                 const std::string& package_info);

  std::int64_t MajorVersion() const { return major_; }
  std::int64_t MinorVersion() const { return minor_; }
  std::int64_t BugVersion() const { return bug_; }
  std::int64_t NonReleaseVersion() const { return non_release_; }
  std::int64_t StageCode() const { return stage_; }
  std::int64_t RegionCode() const { return region_; }
  const std::string& LongVersion() const { return long_version_; }
  const std::string& ShortVersion() const { return short_version_; }
  const std::string& PackageInfo() const { return package_info_; }

  Ref<fw::MenuBar> MenuBar() const { return menu_bar_; }
  void SetMenuBar(Ref<fw::MenuBar> bar);

  // The handler registered on the application under a menu item name, if any.
  const MenuHandler* MenuHandlerFor(const std::string& item_name) const;
  std::vector<std::string> MenuHandlerNames() const;  // in registration order

  static void _SetSupportsHiDPI(bool supported);
  static bool SupportsHiDPI();

 private:
  std::int64_t major_ = 0, minor_ = 0, bug_ = 0, non_release_ = 0, stage_ = 0, region_ = 0;
  std::string long_version_, short_version_, package_info_;
  Ref<fw::MenuBar> menu_bar_;
  MenuHandlerTable handlers_;
};

}  // namespace fw
