#include "framework/class_registry.h"

#include <map>

#include "framework/error_report.h"
#include "framework/internal.h"

namespace fw {

namespace {

std::vector<ClassRegistration>& Registrations() {
  static std::vector<ClassRegistration> registrations;
  return registrations;
}

// Descriptions are given anew in every run.
bool run_open = false;
std::map<std::type_index, ClassDescription>& Described() {
  static std::map<std::type_index, ClassDescription> described;
  return described;
}

const ClassDescription& Describe(const ClassRegistration& registration) {
  auto [it, inserted] = Described().try_emplace(registration.type, ClassDescription{});
  if (inserted) it->second = registration.describe();
  return it->second;
}

}  // namespace

const std::function<void(Object&)>* ClassDescription::Event(std::string_view event) const {
  for (const auto& [name, implementation] : events) {
    if (name == event) return &implementation;
  }
  return nullptr;
}

bool RegisterProgramClass(const ClassRegistration& registration) {
  Registrations().push_back(registration);
  return true;
}

const ClassDescription* DescriptionOf(const std::type_info& type) {
  if (!run_open) return nullptr;
  auto it = Described().find(std::type_index(type));
  if (it != Described().end()) return &it->second;
  for (const auto& registration : Registrations()) {
    if (registration.type == std::type_index(type)) return &Describe(registration);
  }
  return nullptr;
}

namespace internal {

void OpenClassRegistry() { run_open = true; }

void CloseClassRegistry() {
  Described().clear();
  run_open = false;
}

void RunStaticInitializers() {
  for (const auto& registration : Registrations()) {
    const ClassDescription& description = Describe(registration);
    FaultPoint("StaticInitializer:", description.name);
    if (registration.initialize_module) registration.initialize_module();
  }
}

void RunFinalizers() {
  auto& registrations = Registrations();
  for (auto it = registrations.rbegin(); it != registrations.rend(); ++it) {
    try {
      if (it->finalize_module) it->finalize_module();
    } catch (...) {
      ReportException(std::current_exception(), "finaliser");
    }
  }
}

}  // namespace internal

}  // namespace fw
