// SPDX-License-Identifier: MIT
#pragma once
// Dispatch by name: the interface every creatable object answers, the type
// description of its methods, and the outcome of a call.

#include "platform/export.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/error.h"
#include "platform/automation/variant.h"

namespace com {

using automation::Variant;

// Declared types of parameters and function values.
enum class Type { Variant, Object, String, Long, Integer, Byte, Double, Single, Date, Boolean };
QV_EXPORT std::string_view TypeName(Type type);

struct QV_EXPORT ParamInfo {
  std::string name;
  Type type = Type::Variant;
};

struct QV_EXPORT MethodInfo {
  std::string name;
  std::vector<ParamInfo> params;  // every one by reference
  bool returns_status = true;     // the result is the success status (True)
  Type result = Type::Boolean;    // otherwise the function value's type
};

struct QV_EXPORT CallResult {
  Variant value;                // the success status or the function value
  automation::ErrorInfo error;  // set on a failed call (automation::ErrorOf)
  bool failed() const noexcept { return error.number != 0; }
};

// Error numbers of the dispatch itself.
namespace err {
inline constexpr int kUnknownName = 438;     // no method of that name
inline constexpr int kWrongArgCount = 450;   // wrong number of arguments
inline constexpr int kCannotCreate = 429;    // class not registered or not creatable
}  // namespace err

// Every object created through the component model answers this interface.
class QV_EXPORT IDispatch : public automation::Object {
 public:
  virtual const std::string& ClassName() const = 0;
  virtual std::span<const MethodInfo> Methods() const = 0;
  // Calls a method by name (case-insensitive) with by-reference arguments:
  // each is converted to its parameter's type, and written back after the call.
  virtual CallResult Invoke(std::string_view method, std::span<Variant> args) = 0;

  // The method of that name (case-insensitive), or nullptr.
  const MethodInfo* FindMethod(std::string_view name) const;
};

QV_EXPORT bool EqualsNoCase(std::string_view a, std::string_view b) noexcept;

}  // namespace com
