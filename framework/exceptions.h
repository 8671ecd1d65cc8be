// The framework's exceptions. Every failure is a RuntimeException; the subclasses name the kind.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  virtual std::string ClassName() const { return "RuntimeException"; }
  std::string Message() const { return what(); }
};

#define FW_DECLARE_EXCEPTION(Name)                                       \
  class Name : public RuntimeException {                                 \
   public:                                                               \
    explicit Name(const std::string& message) : RuntimeException(message) {} \
    std::string ClassName() const override { return #Name; }             \
  }

FW_DECLARE_EXCEPTION(NilObjectException);
FW_DECLARE_EXCEPTION(IllegalCastException);
FW_DECLARE_EXCEPTION(ThreadAccessingUIException);
FW_DECLARE_EXCEPTION(OutOfBoundsException);
FW_DECLARE_EXCEPTION(KeyNotFoundException);
FW_DECLARE_EXCEPTION(TypeMismatchException);
FW_DECLARE_EXCEPTION(UnsupportedOperationException);
FW_DECLARE_EXCEPTION(InvalidArgumentException);

#undef FW_DECLARE_EXCEPTION

}  // namespace fw
