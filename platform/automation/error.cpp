// SPDX-License-Identifier: MIT
#include "platform/automation/error.h"

#include <new>

namespace automation {

Error::Error(int number, std::string description, std::string source)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

std::string_view standard_description(int number) {
  switch (number) {
    case 3: return "Return without GoSub";
    case err::kInvalidArgument: return "Invalid procedure call or argument";
    case err::kOverflow: return "Overflow";
    case err::kOutOfMemory: return "Out of memory";
    case err::kSubscriptOutOfRange: return "Subscript out of range";
    case 10: return "This array is fixed or temporarily locked";
    case 11: return "Division by zero";
    case err::kTypeMismatch: return "Type mismatch";
    case 28: return "Out of stack space";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 55: return "File already open";
    case 57: return "Device I/O error";
    case 58: return "File already exists";
    case 61: return "Disk full";
    case 62: return "Input past end of file";
    case 70: return "Permission denied";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    case 91: return "Object variable or With block variable not set";
    case err::kInvalidUseOfNull: return "Invalid use of Null";
    case 424: return "Object required";
    case 438: return "Object doesn't support this property or method";
    case 440: return "Automation error";
    case 450: return "Wrong number of arguments or invalid property assignment";
    case err::kNoCurrentRecord: return "No current record";
    case err::kItemNotFound:
      return "Item cannot be found in the collection corresponding to the requested name or ordinal.";
    default: return {};
  }
}

void raise(int number, std::string_view description, std::string_view source) {
  std::string text(description);
  if (text.empty()) text = standard_description(number);
  if (text.empty()) text = "Application-defined or object-defined error";
  throw Error(number, std::move(text), std::string(source));
}

ErrorInfo ErrorOf(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const Error& e) {
    return {e.number() != 0 ? e.number() : err::kInternal, e.description(), e.source()};
  } catch (const std::bad_alloc&) {
    return {err::kOutOfMemory, std::string(standard_description(err::kOutOfMemory)), {}};
  } catch (const std::exception& e) {
    return {err::kInternal, std::string("Internal error: ") + e.what(), {}};
  } catch (...) {
    return {err::kInternal, "Internal error", {}};
  }
}

}  // namespace automation
