#include "framework/value.h"

#include <cstdio>

namespace fw {

namespace {
std::uint8_t Component(std::int64_t c) {
  if (c < 0 || c > 255) {
    throw OutOfBoundsException("colour component " + std::to_string(c) + " is outside 0 to 255");
  }
  return static_cast<std::uint8_t>(c);
}
}  // namespace

Color RGB(std::int64_t red, std::int64_t green, std::int64_t blue, std::int64_t alpha) {
  return Color{Component(red), Component(green), Component(blue), Component(alpha)};
}

double Value::AsDouble() const {
  if (kind() == Kind::Integer) return static_cast<double>(AsInteger());
  return std::get<double>(v_);
}

const char* Value::KindName(Kind kind) {
  switch (kind) {
    case Kind::Boolean: return "Boolean";
    case Kind::Integer: return "Integer";
    case Kind::Double: return "Double";
    case Kind::String: return "String";
    case Kind::Color: return "Color";
  }
  return "?";
}

std::string Value::Describe() const {
  switch (kind()) {
    case Kind::Boolean: return AsBoolean() ? "True" : "False";
    case Kind::Integer: return std::to_string(AsInteger());
    case Kind::Double: {
      char buf[40];
      std::snprintf(buf, sizeof buf, "%.17g", std::get<double>(v_));
      return buf;
    }
    case Kind::String: return "\"" + AsString() + "\"";
    case Kind::Color: {
      Color c = AsColor();
      char buf[16];
      std::snprintf(buf, sizeof buf, "&c%02X%02X%02X", c.red, c.green, c.blue);
      return buf;
    }
  }
  return "?";
}

void Designable::Register(const char* name, Value::Kind kind, std::function<Value()> get,
                          std::function<void(const Value&)> set) {
  properties_[name] = Property{kind, std::move(get), std::move(set)};
}

void Designable::SetProperty(std::string_view name, const Value& value) {
  auto it = properties_.find(name);
  if (it == properties_.end()) {
    throw KeyNotFoundException(ClassName() + " has no property " + std::string(name) +
                               " (value " + value.Describe() + ")");
  }
  const Property& p = it->second;
  bool fits = value.kind() == p.kind ||
              (p.kind == Value::Kind::Double && value.kind() == Value::Kind::Integer);
  if (!fits) {
    throw TypeMismatchException(ClassName() + "." + std::string(name) + " takes a " +
                                Value::KindName(p.kind) + ", not the " +
                                Value::KindName(value.kind()) + " " + value.Describe());
  }
  p.set(value);
}

Value Designable::GetProperty(std::string_view name) const {
  auto it = properties_.find(name);
  if (it == properties_.end()) {
    throw KeyNotFoundException(ClassName() + " has no property " + std::string(name));
  }
  return it->second.get();
}

void _SetProperties(const Ref<Designable>& object, DesignValues values) {
  for (const auto& [name, value] : values) object->SetProperty(name, value);
}

}  // namespace fw
