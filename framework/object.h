// Reference-counted objects, the checked cast and nil checks.
//
// Every framework and program object derives from Object and is held through Ref<T>, a shared
// reference. Calling through a nil Ref raises NilObjectException; CheckedCast raises
// IllegalCastException when the object is of another class.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "framework/exceptions.h"

namespace fw {

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  // The class's name as the program knows it ("Listbox", "Scorewright").
  virtual std::string ClassName() const;
};

std::string DemangledName(const std::type_info& type);

template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}                           // NOLINT(google-explicit-constructor): nil
  Ref(std::shared_ptr<T> p) : p_(std::move(p)) {}  // NOLINT(google-explicit-constructor)
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& other) : p_(other.shared()) {}  // NOLINT(google-explicit-constructor)

  T* operator->() const { return &Deref(); }
  T& operator*() const { return Deref(); }
  T* get() const { return p_.get(); }
  const std::shared_ptr<T>& shared() const& { return p_; }
  std::shared_ptr<T> shared() && { return std::move(p_); }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() { p_.reset(); }
  long use_count() const { return p_.use_count(); }

  friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }
  friend bool operator==(const Ref& a, std::nullptr_t) { return a.p_ == nullptr; }

 private:
  T& Deref() const {
    if (!p_)
      throw NilObjectException("a method or property was called on nil (" +
                               DemangledName(typeid(T)) + ")");
    return *p_;
  }
  std::shared_ptr<T> p_;
};

template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// The checked cast: nil stays nil; an object of another class raises IllegalCastException. A
// reference handed over (a fetch's result) becomes the typed one without touching the count.
template <class T, class U>
Ref<T> CheckedCast(Ref<U> object) {
  if (!object) return nullptr;
  if constexpr (std::is_base_of_v<U, T>) {
    // The usual case, an object of exactly the class asked for, needs no search of the hierarchy.
    if (typeid(*object) == typeid(T)) {
      return Ref<T>(std::static_pointer_cast<T>(std::move(object).shared()));
    }
  }
  auto cast = std::dynamic_pointer_cast<T>(object.shared());
  if (!cast) {
    throw IllegalCastException("cannot cast " + object->ClassName() + " to " +
                               DemangledName(typeid(T)));
  }
  return Ref<T>(std::move(cast));
}

// A reference to this object of the caller's own, typed as the object's class.
template <class T>
Ref<T> SelfRef(T* self) {
  return Ref<T>(std::static_pointer_cast<T>(self->shared_from_this()));
}

}  // namespace fw
