// SPDX-License-Identifier: MIT
#include "platform/com/dispatch.h"

#include <cctype>

#include "platform/automation/error.h"
#include "platform/com/object.h"

namespace com {

std::string_view TypeName(Type type) {
  switch (type) {
    case Type::Variant: return "Variant";
    case Type::Object: return "Object";
    case Type::String: return "String";
    case Type::Long: return "Long";
    case Type::Integer: return "Integer";
    case Type::Byte: return "Byte";
    case Type::Double: return "Double";
    case Type::Single: return "Single";
    case Type::Date: return "Date";
    case Type::Boolean: return "Boolean";
  }
  return "?";
}

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

long FindMethodIndex(std::span<const MethodInfo> infos, std::string_view name) noexcept {
  for (std::size_t i = 0; i < infos.size(); ++i) {
    if (EqualsNoCase(infos[i].name, name)) return static_cast<long>(i);
  }
  return -1;
}

const MethodInfo* IDispatch::FindMethod(std::string_view name) const {
  const auto methods = Methods();
  const long index = FindMethodIndex(methods, name);
  return index < 0 ? nullptr : &methods[static_cast<std::size_t>(index)];
}

CallResult CallFailure(int number, std::string_view class_name, std::string_view method) {
  CallResult result;
  result.error.number = number;
  result.error.description = std::string(automation::standard_description(number)) + ": " +
                             std::string(class_name) + "." + std::string(method);
  result.error.source = std::string(class_name);
  return result;
}

std::atomic<long>& ModuleLockCount() {
  static std::atomic<long> count{0};
  return count;
}

}  // namespace com
