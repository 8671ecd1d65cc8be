#include "framework/object.h"

#include <cxxabi.h>

#include <cstdlib>

namespace fw {

std::string DemangledName(const std::type_info& type) {
  int status = 0;
  char* name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string result = status == 0 && name ? name : type.name();
  std::free(name);
  if (result.rfind("fw::", 0) == 0) result.erase(0, 4);
  return result;
}

std::string Object::ClassName() const { return DemangledName(typeid(*this)); }

}  // namespace fw
