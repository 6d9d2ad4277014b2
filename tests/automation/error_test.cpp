// SPDX-License-Identifier: MIT
// Any exception as the number and description of its error.
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "platform/automation/error.h"

namespace {

using automation::ErrorInfo;
using automation::ErrorOf;

ErrorInfo ErrorOfThrowing(const std::function<void()>& thrower) {
  try {
    thrower();
  } catch (...) {
    return ErrorOf(std::current_exception());
  }
  ADD_FAILURE() << "nothing thrown";
  return {};
}

TEST(ErrorOfTest, EachExceptionAsItsError) {
  struct Case {
    const char* name;
    std::function<void()> thrower;
    ErrorInfo error;
  };
  const Case cases[] = {
      {"automation error", [] { throw automation::Error(94, "Invalid use of Null", "ADODB.Field"); },
       {94, "Invalid use of Null", "ADODB.Field"}},
      {"raised", [] { automation::raise(automation::err::kDatabase, "refused"); },
       {automation::err::kDatabase, "refused", ""}},
      {"number 0", [] { throw automation::Error(0, "no number"); }, {51, "no number", ""}},
      {"out of memory", [] { throw std::bad_alloc(); }, {7, "Out of memory", ""}},
      {"standard exception", [] { throw std::out_of_range("index 3"); }, {51, "Internal error: index 3", ""}},
      {"anything else", [] { throw 42; }, {51, "Internal error", ""}},
  };
  for (const Case& c : cases) {
    const ErrorInfo e = ErrorOfThrowing(c.thrower);
    EXPECT_EQ(e.number, c.error.number) << c.name;
    EXPECT_EQ(e.description, c.error.description) << c.name;
    EXPECT_EQ(e.source, c.error.source) << c.name;
  }
}

}  // namespace
