#pragma once
// Small helpers shared by the tests of the position-profile and health classes.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/automation/variant.h"
#include "tests/quorvel/fixture.h"

namespace qvhealth {

using automation::Variant;

inline const Variant kNull(automation::Null);

// Column c of a ListArray after the captions, as blank-separated text (Null as "Null").
inline std::string Col(const Variant& list, long c = 0) {
  std::string out;
  for (const Variant& v : qvtest::Column(list, c))
    out += (out.empty() ? "" : " ") + (v.is_null() ? std::string("Null") : automation::CStr(v));
  return out;
}

// The caption row of a ListArray.
inline std::vector<Variant> Captions(const Variant& list) { return qvtest::Rows(list).at(0); }

inline std::vector<Variant> Texts(std::initializer_list<const char*> texts) {
  std::vector<Variant> out;
  for (const char* t : texts) out.emplace_back(t);
  return out;
}

using qvtest::Cell;

// A call and the statements it must send, in order.
struct StatementCase {
  const char* name;
  std::function<void()> call;
  std::vector<const char*> statements;
};

inline void ExpectStatements(const std::vector<StatementCase>& cases, const std::function<void()>& before = {}) {
  for (const StatementCase& k : cases) {
    if (before) before();
    qvtest::Trace trace;
    k.call();
    EXPECT_EQ(trace.statements(), std::vector<std::string>(k.statements.begin(), k.statements.end())) << k.name;
  }
}

}  // namespace qvhealth
