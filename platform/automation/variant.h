// SPDX-License-Identifier: MIT
#pragma once
// Variant: the automation value type. Holds Empty, Null, the integer kinds,
// Single, Double, Decimal, Date, String (UTF-8), Boolean, an object reference
// and arrays of Variants.

#include "platform/export.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace automation {

class VariantArray;

// Owner of an array held by a Variant. The deleter is defined where
// VariantArray is complete, so this header can stay light.
struct QV_EXPORT VariantArrayDelete {
  void operator()(VariantArray* a) const noexcept;
};
using VariantArrayPtr = std::unique_ptr<VariantArray, VariantArrayDelete>;

// Automation date: days from 1899-12-30, the fraction being the time of day.
struct QV_EXPORT Date {
  double value = 0.0;
  friend bool operator==(Date, Date) = default;
};

// Exact decimal number (database numeric columns), kept as its text in the
// plain form "-123.45" (a point, no exponent, no grouping).
struct QV_EXPORT Decimal {
  std::string text;
  friend bool operator==(const Decimal&, const Decimal&) = default;
};

// Marker types for the two empty states.
struct EmptyT { friend bool operator==(EmptyT, EmptyT) = default; };
struct NullT { friend bool operator==(NullT, NullT) = default; };
inline constexpr EmptyT Empty{};
inline constexpr NullT Null{};

// Any object passed by reference through a Variant (a database connection).
class QV_EXPORT Object {
 public:
  virtual ~Object() = default;
};

// Kinds, numbered as the automation VARTYPE codes.
enum class VarType : int {
  Empty = 0,
  Null = 1,
  Integer = 2,   // 16-bit signed
  Long = 3,      // 32-bit signed
  Single = 4,
  Double = 5,
  Date = 7,
  String = 8,
  Object = 9,
  Boolean = 11,
  Decimal = 14,
  Byte = 17,
  LongLong = 20, // 64-bit signed
  Array = 0x2000,
};

class QV_EXPORT Variant {
 public:
  Variant() = default;  // Empty
  Variant(EmptyT) {}
  Variant(NullT) : v_(NullT{}) {}
  Variant(std::int16_t x) : v_(x) {}
  Variant(std::int32_t x) : v_(x) {}
  Variant(std::int64_t x) : v_(x) {}
  // Other wide integers (long long, unsigned, std::size_t) become 64-bit;
  // an unsigned value above the 64-bit range raises overflow (6).
  template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && sizeof(T) >= sizeof(int) &&
             !std::is_same_v<T, std::int32_t> && !std::is_same_v<T, std::int64_t>)
  Variant(T x) : v_(wide(x)) {}
  Variant(std::uint8_t x) : v_(x) {}
  Variant(float x) : v_(x) {}
  Variant(double x) : v_(x) {}
  Variant(Decimal x) : v_(std::move(x)) {}
  Variant(Date x) : v_(x) {}
  Variant(std::string x) : v_(std::move(x)) {}
  Variant(std::string_view x) : v_(std::string(x)) {}
  Variant(const char* x) : v_(std::string(x)) {}
  Variant(bool x) : v_(x) {}
  Variant(std::shared_ptr<Object> x) : v_(std::move(x)) {}
  Variant(VariantArray x);

  Variant(const Variant&);
  Variant(Variant&&) noexcept;
  Variant& operator=(const Variant&);
  Variant& operator=(Variant&&) noexcept;
  ~Variant();

  VarType type() const noexcept;
  bool is_empty() const noexcept { return std::holds_alternative<EmptyT>(v_); }
  bool is_null() const noexcept { return std::holds_alternative<NullT>(v_); }
  bool is_array() const noexcept {
    const auto* a = std::get_if<VariantArrayPtr>(&v_);
    return a && *a;
  }
  bool is_string() const noexcept { return std::holds_alternative<std::string>(v_); }
  bool is_numeric() const noexcept;  // an integer kind, Single, Double, Decimal or Boolean

  // Direct access to the held value; a wrong kind raises type mismatch (13).
  const std::string& as_string() const;
  const VariantArray& as_array() const;
  VariantArray& as_array();
  const std::shared_ptr<Object>& as_object() const;

  template <class T> const T* get_if() const noexcept { return std::get_if<T>(&v_); }

  // Same kind and same value (arrays element by element). Not VB's "=".
  friend QV_EXPORT bool operator==(const Variant& a, const Variant& b);

 private:
  using Storage = std::variant<EmptyT, NullT, std::int16_t, std::int32_t, std::int64_t, std::uint8_t,
                               float, double, Decimal, Date, std::string, bool,
                               std::shared_ptr<Object>, VariantArrayPtr>;
  template <class T>
  static std::int64_t wide(T x) {
    if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(std::int64_t)) {
      if (x > static_cast<T>(INT64_MAX)) overflow();
    }
    return static_cast<std::int64_t>(x);
  }
  [[noreturn]] static void overflow();

  Storage v_;
};

// The kind and value, as GoogleTest shows a Variant: Long 5, String "abc",
// Null, Array (0 To 1) {Long 1, Empty}.
QV_EXPORT void PrintTo(const Variant& value, std::ostream* os);

}  // namespace automation
