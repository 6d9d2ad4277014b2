// SPDX-License-Identifier: MIT
// hrapp's argument conversion and table output.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "hosts/hrapp/arguments.h"
#include "hosts/hrapp/output.h"
#include "platform/automation/array.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"

namespace {

using automation::Variant;
using com::Type;

struct ArgCase {
  const char* text;
  Type type;
  Variant want;
};

class ArgumentTest : public ::testing::TestWithParam<ArgCase> {};

TEST_P(ArgumentTest, Converts) { EXPECT_EQ(hrapp::ParseArgument(GetParam().text, GetParam().type), GetParam().want); }

INSTANTIATE_TEST_SUITE_P(
    All, ArgumentTest,
    ::testing::Values(ArgCase{"null", Type::Variant, Variant(automation::Null)},
                      ArgCase{"empty", Type::Variant, Variant()},
                      ArgCase{"12", Type::Variant, Variant(std::int32_t{12})},
                      ArgCase{"3000000000", Type::Variant, Variant(std::int64_t{3000000000})},
                      ArgCase{"1.5", Type::Variant, Variant(1.5)},
                      ArgCase{"1,5", Type::Variant, Variant("1,5")},
                      ArgCase{"2024-03-05", Type::Variant, Variant(automation::DateSerial(2024, 3, 5))},
                      ArgCase{"\"12\"", Type::Variant, Variant("12")},
                      ArgCase{"ana%", Type::Variant, Variant("ana%")},
                      ArgCase{"null", Type::String, Variant("null")},
                      ArgCase{"", Type::String, Variant("")},
                      ArgCase{"-7", Type::Long, Variant(std::int32_t{-7})},
                      ArgCase{"300", Type::Integer, Variant(std::int16_t{300})},
                      ArgCase{"255", Type::Byte, Variant(std::uint8_t{255})},
                      ArgCase{"2.25", Type::Double, Variant(2.25)},
                      ArgCase{"2.25", Type::Single, Variant(2.25f)},
                      ArgCase{"true", Type::Boolean, Variant(true)},
                      ArgCase{"1e999", Type::Variant, Variant("1e999")},
                      ArgCase{"\"\\u00e7\\ud83d\\ude00\"", Type::Variant, Variant("ç\xF0\x9F\x98\x80")},
                      ArgCase{"2024-03-05 07:30", Type::Date,
                              Variant(automation::MakeDate({2024, 3, 5, 7, 30, 0}))}));

TEST(ArgumentTest, RefusesWhatDoesNotConvert) {
  struct Case {
    const char* text;
    Type type;
  };
  const Case cases[] = {{"x", Type::Long},        {"2147483648", Type::Long}, {"256", Type::Byte},
                        {"1,5", Type::Double},    {"2024-13-01", Type::Date}, {"yes", Type::Boolean},
                        {"[1,[2]]", Type::Variant}, {"[[1,2],[3]]", Type::Variant}, {"[[[1]]]", Type::Variant},
                        {"\"open", Type::Variant}, {"conn", Type::Object},
                        {"1e999", Type::Double},  {"1e39", Type::Single},   {"[1e999]", Type::Variant},
                        {"\"\\ud800\"", Type::Variant}, {"\"\\udc00\"", Type::Variant}, {"\"\\u12zz\"", Type::Variant}};
  for (const Case& c : cases) {
    EXPECT_THROW(hrapp::ParseArgument(c.text, c.type), automation::Error) << c.text;
  }
}

TEST(ArgumentTest, JsonArrays) {
  const Variant two = hrapp::ParseArgument(R"([[null,"obs",55,"",""]])", Type::Variant);
  const auto& a = two.as_array();
  ASSERT_EQ(a.dimensions(), 2);
  EXPECT_EQ(a.ubound(1), 0);
  EXPECT_EQ(a.ubound(2), 4);
  EXPECT_TRUE(a.at(0, 0).is_null());
  EXPECT_EQ(a.at(0, 1), Variant("obs"));
  EXPECT_EQ(a.at(0, 2), Variant(std::int32_t{55}));

  const Variant one = hrapp::ParseJson(R"(["Candidato", "Funcion\u00e1rio", 1.5, true])");
  const auto& b = one.as_array();
  ASSERT_EQ(b.dimensions(), 1);
  EXPECT_EQ(b.ubound(1), 3);
  EXPECT_EQ(b.at(1), Variant("Funcionário"));
  EXPECT_EQ(b.at(2), Variant(1.5));
  EXPECT_EQ(b.at(3), Variant(true));
  EXPECT_EQ(hrapp::ParseJson("[]").as_array().size(), 0u);
}

TEST(OutputTest, AlignedTables) {
  automation::VariantArray list({automation::Bounds{0, 2}, automation::Bounds{0, 2}});
  const char* cells[3][3] = {{"Cod", "Nome", "Cidade"}, {"1", "Conceição", ""}, {"12", "Ana", ""}};
  for (long r = 0; r < 3; ++r) {
    for (long c = 0; c < 3; ++c) list.at(c, r) = Variant(cells[r][c]);
  }
  list.at(2, 1) = Variant(automation::Null);
  list.at(2, 2) = Variant();
  std::ostringstream out;
  hrapp::PrintTable(out, Variant(list));
  EXPECT_EQ(out.str(),
            "  Cod  Nome       Cidade\n"
            "  1    Conceição  Null\n"
            "  12   Ana\n");

  automation::VariantArray combo({automation::Bounds{0, 1}});
  combo.at(0) = Variant("Centro");
  std::ostringstream out2;
  hrapp::PrintTable(out2, Variant(combo));
  EXPECT_EQ(out2.str(), "  0  Centro\n  1\n");

  EXPECT_EQ(hrapp::Describe(Variant()), "Empty");
  EXPECT_EQ(hrapp::Describe(Variant("x")), "\"x\"");
  EXPECT_EQ(hrapp::Describe(Variant(automation::Null)), "Null");
  EXPECT_EQ(hrapp::Cell(Variant(automation::DateSerial(2024, 3, 5))), "2024-03-05");
  EXPECT_EQ(hrapp::Cell(Variant(automation::Decimal{"1.65"})), "1.65");
  EXPECT_EQ(hrapp::Cell(Variant(1.1f)), "1.1");
  EXPECT_EQ(hrapp::Cell(Variant(0.1 + 0.2)), "0.3");
}

}  // namespace

// Only JSON is read as JSON, and a refusal says why.
TEST(ArgumentTest, JsonIsStrict) {
  struct Case {
    const char* text;
    const char* reason;  // part of the error's description
  };
  const Case cases[] = {{R"("a\qb")", "not JSON"},
                        {"[+1,01,.5,1.]", "not JSON"},
                        {"[1,]", "not JSON"},
                        {"[1] x", "not JSON"},
                        {R"([{"a":1}])", "objects are not accepted"},
                        {"[1e999]", "not JSON"},
                        {"[[1,2],3]", "mixes arrays and values"},
                        {"[1,[2]]", "mixes arrays and values"},
                        {"[[1,2],[3]]", "differ in length"},
                        {"[[[1]]]", "at most two dimensions"}};
  for (const Case& c : cases) {
    try {
      hrapp::ParseArgument(c.text, Type::Variant);
      ADD_FAILURE() << c.text << " was accepted";
    } catch (const automation::Error& e) {
      EXPECT_THAT(e.description(), ::testing::HasSubstr(c.reason)) << c.text;
    }
  }
  EXPECT_EQ(hrapp::ParseArgument(R"("a\"b\\c\/d")", Type::Variant), Variant("a\"b\\c/d"));
  EXPECT_EQ(hrapp::ParseArgument("[-0.5e1,2147483648]", Type::Variant).as_array().at(1),
            Variant(std::int64_t{2147483648}));
}
