// Menu handlers by menu item name, as the application object and each window keep them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// A menu handler: True when it handled the choice.
using MenuHandler = std::function<bool()>;

// In registration order; registering a name again replaces its handler in place.
class MenuHandlerTable {
 public:
  void Add(const std::string& item_name, MenuHandler handler) {
    for (auto& [name, existing] : handlers_) {
      if (name == item_name) {
        existing = std::move(handler);
        return;
      }
    }
    handlers_.emplace_back(item_name, std::move(handler));
  }
  const MenuHandler* Find(std::string_view item_name) const {
    for (const auto& [name, handler] : handlers_) {
      if (name == item_name) return &handler;
    }
    return nullptr;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : handlers_) names.push_back(entry.first);
    return names;
  }

 private:
  std::vector<std::pair<std::string, MenuHandler>> handlers_;
};

}  // namespace fw
