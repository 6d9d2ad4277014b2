// SPDX-License-Identifier: MIT
#include "platform/automation/variant.h"

#include "platform/automation/array.h"
#include "platform/automation/error.h"

#include <ostream>

namespace automation {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

VariantArrayPtr make_array(VariantArray a) {
  return VariantArrayPtr(std::make_unique<VariantArray>(std::move(a)).release());
}

}  // namespace

void VariantArrayDelete::operator()(VariantArray* a) const noexcept { std::default_delete<VariantArray>()(a); }

Variant::Variant(VariantArray x) : v_(make_array(std::move(x))) {}

Variant::Variant(const Variant& other)
    : v_(std::visit(
          Overloaded{[](const VariantArrayPtr& a) -> Storage {
                       return a ? make_array(*a) : VariantArrayPtr{};
                     },
                     [](const auto& x) -> Storage { return x; }},
          other.v_)) {}

Variant::Variant(Variant&&) noexcept = default;

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    Variant copy(other);
    v_ = std::move(copy.v_);
  }
  return *this;
}

Variant& Variant::operator=(Variant&&) noexcept = default;
Variant::~Variant() = default;

void Variant::overflow() { raise(err::kOverflow); }

VarType Variant::type() const noexcept {
  static constexpr VarType kinds[] = {
      VarType::Empty,  VarType::Null,    VarType::Integer, VarType::Long,   VarType::LongLong,
      VarType::Byte,   VarType::Single,  VarType::Double,  VarType::Decimal, VarType::Date,
      VarType::String, VarType::Boolean, VarType::Object,  VarType::Array};
  static_assert(std::size(kinds) == std::variant_size_v<Storage>);
  return kinds[v_.index()];
}

bool Variant::is_numeric() const noexcept {
  switch (type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::LongLong:
    case VarType::Byte:
    case VarType::Single:
    case VarType::Double:
    case VarType::Decimal:
    case VarType::Boolean:
      return true;
    default:
      return false;
  }
}

const std::string& Variant::as_string() const {
  if (const auto* s = std::get_if<std::string>(&v_)) return *s;
  raise(err::kTypeMismatch);
}

const VariantArray& Variant::as_array() const {
  if (const auto* a = std::get_if<VariantArrayPtr>(&v_); a && *a) return **a;
  raise(err::kTypeMismatch);
}

VariantArray& Variant::as_array() {
  if (auto* a = std::get_if<VariantArrayPtr>(&v_); a && *a) return **a;
  raise(err::kTypeMismatch);
}

const std::shared_ptr<Object>& Variant::as_object() const {
  if (const auto* o = std::get_if<std::shared_ptr<Object>>(&v_)) return *o;
  raise(err::kTypeMismatch);
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.v_.index() != b.v_.index()) return false;
  return std::visit(
      Overloaded{[&](const VariantArrayPtr& x) {
                   const auto& y = std::get<VariantArrayPtr>(b.v_);
                   if (!x || !y) return x == y;
                   return *x == *y;
                 },
                 [&](const auto& x) { return x == std::get<std::decay_t<decltype(x)>>(b.v_); }},
      a.v_);
}

void PrintTo(const Variant& value, std::ostream* os) {
  if (value.is_array()) {
    const VariantArray& a = value.as_array();
    *os << "Array (";
    for (int d = 1; d <= a.dimensions(); ++d) *os << (d > 1 ? ", " : "") << a.lbound(d) << " To " << a.ubound(d);
    *os << ") {";
    const char* separator = "";
    for (const Variant& element : a.elements()) {
      *os << separator;
      PrintTo(element, os);
      separator = ", ";
    }
    *os << "}";
    return;
  }
  if (value.is_empty()) *os << "Empty";
  else if (value.is_null()) *os << "Null";
  else if (const auto* x = value.get_if<std::int16_t>()) *os << "Integer " << *x;
  else if (const auto* x = value.get_if<std::int32_t>()) *os << "Long " << *x;
  else if (const auto* x = value.get_if<std::int64_t>()) *os << "LongLong " << *x;
  else if (const auto* x = value.get_if<std::uint8_t>()) *os << "Byte " << static_cast<int>(*x);
  else if (const auto* x = value.get_if<float>()) *os << "Single " << *x;
  else if (const auto* x = value.get_if<double>()) *os << "Double " << *x;
  else if (const auto* x = value.get_if<Decimal>()) *os << "Decimal " << x->text;
  else if (const auto* x = value.get_if<Date>()) *os << "Date " << x->value;
  else if (const auto* x = value.get_if<std::string>()) *os << "String \"" << *x << '"';
  else if (const auto* x = value.get_if<bool>()) *os << "Boolean " << (*x ? "True" : "False");
  else if (const auto* x = value.get_if<std::shared_ptr<Object>>()) *os << (*x ? "Object" : "Nothing");
  else *os << "Array";  // no array held
}

}  // namespace automation
