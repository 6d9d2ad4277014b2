// SPDX-License-Identifier: MIT
#pragma once
// The automation error: a number, a description and a source, raised as an
// exception by the platform and caught by the callers' error traps, and any
// exception turned into that number and description.

#include "platform/export.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace automation {

// Error numbers of the automation runtime that the system relies on.
namespace err {
inline constexpr int kOverflow = 6;            // a number does not fit its type
inline constexpr int kOutOfMemory = 7;         // an array larger than can be held
inline constexpr int kSubscriptOutOfRange = 9; // array index outside its bounds
inline constexpr int kTypeMismatch = 13;       // a value that is no number, no date
inline constexpr int kInvalidUseOfNull = 94;   // Null read into a typed value
inline constexpr int kNoCurrentRecord = 3021;  // record set at end of file
inline constexpr int kItemNotFound = 3265;     // no field of that name or position
inline constexpr int kDatabase = -2147217900;  // any failure reported by the database driver
inline constexpr int kInvalidArgument = 5;     // invalid procedure call or argument
inline constexpr int kInternal = 51;           // internal error: a failure of no automation error
}  // namespace err

class QV_EXPORT Error : public std::runtime_error {
 public:
  Error(int number, std::string description, std::string source = {});

  int number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }
  const std::string& source() const noexcept { return source_; }

 private:
  int number_;
  std::string description_;
  std::string source_;
};

// An error as a value: number 0 means none.
struct QV_EXPORT ErrorInfo {
  int number = 0;
  std::string description;
  std::string source;
};

// Maps any exception to its error: an Error keeps its number (51 for 0),
// description and source, out of memory is 7, anything else 51.
QV_EXPORT ErrorInfo ErrorOf(std::exception_ptr failure);

// Raise helpers with the runtime's own descriptions.
[[noreturn]] QV_EXPORT void raise(int number, std::string_view description = {}, std::string_view source = {});

// The runtime's description of a standard error number ("Overflow", "Type mismatch" ...).
QV_EXPORT std::string_view standard_description(int number);

}  // namespace automation
