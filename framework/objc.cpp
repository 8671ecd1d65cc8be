#include "framework/objc.h"

#include <map>
#include <mutex>

#include "framework/exceptions.h"
#include "framework/runtime.h"
#include "framework/textfield.h"

namespace fw {

namespace {

struct Selectors {
  std::mutex mutex;
  std::map<std::string, std::int64_t, std::less<>> ids;
  std::map<std::int64_t, std::string> names;
};

Selectors& Registered() {
  static Selectors selectors;
  return selectors;
}

std::string SelectorName(std::int64_t selector) {
  Selectors& s = Registered();
  const std::lock_guard lock(s.mutex);
  auto it = s.names.find(selector);
  return it == s.names.end() ? std::string() : it->second;
}

}  // namespace

std::int64_t sel_registerName(const std::string& name) {
  Selectors& s = Registered();
  const std::lock_guard lock(s.mutex);
  auto [it, inserted] = s.ids.try_emplace(name, static_cast<std::int64_t>(s.ids.size()) + 1);
  if (inserted) s.names[it->second] = name;
  return it->second;
}

std::int64_t objc_msgSend(std::int64_t receiver, std::int64_t selector, std::int64_t argument) {
  CheckUIThread();
  if (receiver == 0) return 0;
  TextField* field = TextField::FromHandle(receiver);
  if (!field) return 0;
  const std::string name = SelectorName(selector);
  if (name == "setBezelStyle:") {
    field->SetBezelStyle(argument);
    return 0;
  }
  throw UnsupportedOperationException(
      "objc_msgSend: the selector " +
      (name.empty() ? "with id " + std::to_string(selector) : "\"" + name + "\"") +
      " is not supported on " + field->ClassName() + " " + field->Name());
}

}  // namespace fw
