// SPDX-License-Identifier: MIT
// classFaixaAquisFerias against PostgreSQL and SQLite.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "platform/automation/convert.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "quorvel/administration/classFaixaAquisFerias.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::Postgres;

void Seed(ado::Connection& conn, const char* rows) {
  qvtest::Exec(conn, std::string("DELETE FROM RhsFaixaAquisFerias;") + rows);
}

constexpr const char* kBrackets = "INSERT INTO RhsFaixaAquisFerias VALUES (10, 10), (2, 20), (2.5, 15)";

struct DaysCase {
  const char* name;
  const char* rows;  // after the table is emptied
  double absences;
  std::int32_t days;
  const char* error;
  bool brazil = false;
};

class FaixaAquisFeriasTest : public ::testing::TestWithParam<std::tuple<bool, DaysCase>> {};

TEST_P(FaixaAquisFeriasTest, Days) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? Postgres() : qvtest::Sqlite();
  Seed(conn, k.rows);
  std::optional<automation::ScopedRegionalSettings> regional;
  if (k.brazil) regional.emplace(automation::RegionalSettings::brazil());
  quorvel::classFaixaAquisFerias c;
  std::string desc = "before";
  double absences = k.absences;
  EXPECT_EQ(c.fNrDiasFerias(conn, desc, absences), k.days);
  EXPECT_EQ(desc, k.error);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    All, FaixaAquisFeriasTest,
    ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(DaysCase{"NoAbsences", kBrackets, 0, 20, "before"},
                          DaysCase{"AtTheFirstCeiling", kBrackets, 2, 20, "before"},
                          DaysCase{"FractionInBetween", kBrackets, 2.25, 15, "before"},
                          DaysCase{"AboveTheFirst", kBrackets, 3, 10, "before"},
                          DaysCase{"AtTheLastCeiling", kBrackets, 10, 10, "before"},
                          DaysCase{"AboveEveryCeiling", kBrackets, 11, -1, "before"},
                          DaysCase{"Negative", kBrackets, -4, 20, "before"},
                          DaysCase{"FractionUnderDecimalComma", kBrackets, 2.5, 15, "before", true},
                          DaysCase{"EmptyTable", "", 0, -1, "before"},
                          DaysCase{"NullDays", "INSERT INTO RhsFaixaAquisFerias VALUES (5, NULL)", 1, -1,
                                   "94    Quorvel"},
                          DaysCase{"NotANumber", kBrackets, kNaN, -1, "13    Quorvel"})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param) ? "Postgres_" : "Sqlite_") + std::get<1>(info.param).name;
    });

TEST(FaixaAquisFeriasStatementTest, Text) {
  struct Case {
    double absences;
    bool brazil;
    const char* statement;
  };
  const Case cases[] = {
      {3, false, "SELECT * FROM RhsFaixaAquisFerias WHERE Teto >= 3 ORDER BY Teto "},
      {1.5, false, "SELECT * FROM RhsFaixaAquisFerias WHERE Teto >= 1.5 ORDER BY Teto "},
      {1.5, true, "SELECT * FROM RhsFaixaAquisFerias WHERE Teto >= 1.5 ORDER BY Teto "},
  };
  Seed(Postgres(), kBrackets);
  quorvel::classFaixaAquisFerias c;
  for (const Case& k : cases) {
    std::optional<automation::ScopedRegionalSettings> regional;
    if (k.brazil) regional.emplace(automation::RegionalSettings::brazil());
    std::string desc;
    double absences = k.absences;
    qvtest::Trace trace;
    c.fNrDiasFerias(Postgres(), desc, absences);
    EXPECT_EQ(trace.statements(), std::vector<std::string>{k.statement});
    EXPECT_EQ(desc, "");
  }
}

TEST(FaixaAquisFeriasFailureTest, RefusedStatement) {
  quorvel::classFaixaAquisFerias c;
  std::string desc;
  double absences = 1;
  qvtest::Exec(qvtest::Sqlite(), "ALTER TABLE RhsFaixaAquisFerias RENAME TO RhsFaixaAway");
  const std::int32_t days = c.fNrDiasFerias(qvtest::Sqlite(), desc, absences);
  qvtest::Exec(qvtest::Sqlite(), "ALTER TABLE RhsFaixaAway RENAME TO RhsFaixaAquisFerias");
  EXPECT_EQ(days, -1);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
}

TEST(FaixaAquisFeriasDispatchTest, ByName) {
  Seed(Postgres(), kBrackets);
  com::DispatchObject<quorvel::classFaixaAquisFerias> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant(3.0)};
  const com::CallResult r = object.Invoke("fnrdiasferias", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(std::int32_t{10}));
  EXPECT_EQ(args[1], Variant(""));
}

}  // namespace
