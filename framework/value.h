// Design values and named properties.
//
// A Designable registers each of its properties under its framework name with a getter and a
// setter; _SetProperties applies a design table by those names. An unknown name raises
// KeyNotFoundException and a value of the wrong type TypeMismatchException, each naming the class,
// the property and the value: nothing is silently dropped.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "framework/object.h"

namespace fw {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;  // transparency: 0 is opaque
  friend bool operator==(const Color&, const Color&) = default;
};

// A colour from its components, each 0 to 255; alpha counts transparency (0: opaque).
Color RGB(std::int64_t red, std::int64_t green, std::int64_t blue, std::int64_t alpha = 0);

class Value {
 public:
  enum class Kind { Boolean, Integer, Double, String, Color };

  Value(bool v) : v_(v) {}                             // NOLINT(google-explicit-constructor)
  Value(int v) : v_(static_cast<std::int64_t>(v)) {}   // NOLINT(google-explicit-constructor)
  Value(std::int64_t v) : v_(v) {}                     // NOLINT(google-explicit-constructor)
  Value(double v) : v_(v) {}                           // NOLINT(google-explicit-constructor)
  Value(const char* v) : v_(std::string(v)) {}         // NOLINT(google-explicit-constructor)
  Value(std::string v) : v_(std::move(v)) {}           // NOLINT(google-explicit-constructor)
  Value(Color v) : v_(v) {}                            // NOLINT(google-explicit-constructor)

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool AsBoolean() const { return std::get<bool>(v_); }
  std::int64_t AsInteger() const { return std::get<std::int64_t>(v_); }
  double AsDouble() const;  // an Integer widens to a Double
  const std::string& AsString() const { return std::get<std::string>(v_); }
  Color AsColor() const { return std::get<Color>(v_); }

  // The value as a design table writes it, for messages: True, 42, 1.5, "text", &c0A0B0C.
  std::string Describe() const;
  static const char* KindName(Kind kind);

 private:
  std::variant<bool, std::int64_t, double, std::string, Color> v_;
};

using DesignValues = std::initializer_list<std::pair<std::string_view, Value>>;

class Designable : public Object {
 public:
  void SetProperty(std::string_view name, const Value& value);
  Value GetProperty(std::string_view name) const;

 protected:
  // Registers a property under its framework name; its type is the setter's argument type.
  template <class Self, class Getter, class Arg>
  void RegisterProperty(const char* name, Getter getter, void (Self::*setter)(Arg)) {
    using T = std::decay_t<Arg>;
    Register(
        name, KindOf<T>(), [this, getter] { return Value(T((static_cast<Self*>(this)->*getter)())); },
        [this, setter](const Value& v) { (static_cast<Self*>(this)->*setter)(Convert<T>(v)); });
  }

 private:
  struct Property {
    Value::Kind kind;
    std::function<Value()> get;
    std::function<void(const Value&)> set;
  };
  void Register(const char* name, Value::Kind kind, std::function<Value()> get,
                std::function<void(const Value&)> set);

  template <class T>
  static constexpr Value::Kind KindOf() {
    if constexpr (std::is_same_v<T, bool>) return Value::Kind::Boolean;
    else if constexpr (std::is_same_v<T, std::int64_t>) return Value::Kind::Integer;
    else if constexpr (std::is_same_v<T, double>) return Value::Kind::Double;
    else if constexpr (std::is_same_v<T, std::string>) return Value::Kind::String;
    else return Value::Kind::Color;
  }
  template <class T>
  static T Convert(const Value& v) {
    if constexpr (std::is_same_v<T, bool>) return v.AsBoolean();
    else if constexpr (std::is_same_v<T, std::int64_t>) return v.AsInteger();
    else if constexpr (std::is_same_v<T, double>) return v.AsDouble();
    else if constexpr (std::is_same_v<T, std::string>) return v.AsString();
    else return v.AsColor();
  }

  std::map<std::string, Property, std::less<>> properties_;
};

// Applies each design value to the object's property of that name, in table order.
void _SetProperties(const Ref<Designable>& object, DesignValues values);

}  // namespace fw
