// What the framework knows of the program's classes at run time: each class gives its description
// once per run, by its static initialiser or at its first lookup, whichever comes first.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

namespace fw {

class Object;

struct ClassDescription {
  std::string name;            // "Scorewright"
  std::string qualified_name;  // "Scorewright.Scorewright": the key of a window's implicit instance
  // The framework events the class implements itself, by event name, with the method that
  // implements each ("Layout", "CreateControls", "AddMenuHandlers", "Close").
  std::vector<std::pair<std::string, std::function<void(Object&)>>> events;

  const std::function<void(Object&)>* Event(std::string_view event) const;
};

// A program class registers its description with the module's static initialiser (module
// references start empty) and finaliser (they are released).
struct ClassRegistration {
  std::type_index type;
  ClassDescription (*describe)();
  void (*initialize_module)() = nullptr;
  void (*finalize_module)() = nullptr;
};
bool RegisterProgramClass(const ClassRegistration& registration);

// The description of a class; the class's first lookup describes it if its static initialiser
// has not run yet. Nil for a framework class, and outside a run.
const ClassDescription* DescriptionOf(const std::type_info& type);

}  // namespace fw
