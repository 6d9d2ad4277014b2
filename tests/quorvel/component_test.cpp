// SPDX-License-Identifier: MIT
// libquorvel.so through the component model: registration, creation by
// class name, dispatch by method name on both databases.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/com/client.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/registration.h"

namespace {

using automation::Null;
using automation::Variant;

const char* const kClasses[] = {"Quorvel.classConselho", "Quorvel.classBanco", "Quorvel.classDadosPessoais"};

using ComponentTest = qvtest::RegisteredTest;

TEST_F(ComponentTest, RegisterAndUnregister) { qvtest::ExpectRegisteredAndUnregistered(kClasses); }

class ComponentCallTest : public qvtest::DatabaseTest<ComponentTest> {};

TEST_P(ComponentCallTest, InsertGivesTheNewKeyBackInTheCallersVariant) {
  qvtest::Exec(conn(), "DELETE FROM RhsConselho");
  auto conselho = com::CreateObject("quorvel.CLASSCONSELHO");
  std::vector<Variant> inc{ConnRH(), Variant(""), Variant("ana"), Variant("pc1"), Variant(), Variant("CRM"),
                           Variant("Medicina")};
  com::CallResult r = conselho->Invoke("incconselho", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(true));
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{1}));  // the new key, back in the caller's Variant
}

class ComponentCouncilTest : public ComponentCallTest {
 protected:
  void SetUp() override {
    qvtest::Exec(conn(), "DELETE FROM RhsConselho; INSERT INTO RhsConselho VALUES (1, 'CRM', 'Medicina')");
  }
  std::shared_ptr<com::IDispatch> conselho = com::CreateObject("Quorvel.classConselho");
};

TEST_P(ComponentCouncilTest, FetchWritesTheOutputsAndLeavesDescErr) {
  std::vector<Variant> bus{ConnRH(), Variant("texto"), Variant("1"), Variant(), Variant()};
  const com::CallResult r = conselho->Invoke("BusConselho", bus);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(bus[1], Variant("texto")) << "DescErr untouched by a successful call";
  EXPECT_EQ(bus[2], Variant(std::int32_t{1}));
  EXPECT_EQ(bus[3], Variant("CRM"));
  EXPECT_EQ(bus[4], Variant("Medicina"));
}

TEST_P(ComponentCouncilTest, ListGivesAnArray) {
  std::vector<Variant> car{ConnRH(), Variant(""), Variant(), Variant(Null), Variant("c%"), Variant(Null)};
  const com::CallResult r = conselho->Invoke("CarConselho", car);
  ASSERT_FALSE(r.failed());
  ASSERT_TRUE(car[2].is_array());
  EXPECT_EQ(car[2].as_array().ubound(2), 1);
  EXPECT_EQ(car[2].as_array().at(1, 1), Variant("CRM"));
}

// A trapped failure: the call succeeds, DescErr holds the error.
TEST_P(ComponentCouncilTest, TrappedFailureIsASuccessfulCallWithDescErr) {
  std::vector<Variant> missing{ConnRH(), Variant(""), Variant(std::int32_t{99}), Variant(""), Variant("")};
  const com::CallResult r = conselho->Invoke("BusConselho", missing);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(missing[1], Variant("3021    Quorvel"));
}

INSTANTIATE_TEST_SUITE_P(Databases, ComponentCouncilTest, ::testing::Bool(), qvtest::DatabaseName);

// One data-access layer per process: the host's statement trace sees the
// statements of the class that the loaded library created, in order.
TEST_P(ComponentCallTest, HostTraceSeesTheLibrarysStatements) {
  auto conselho = com::CreateObject("Quorvel.classConselho");
  std::vector<std::string> seen;
  {
    ado::ScopedTrace trace([&](std::string_view statement) { seen.emplace_back(statement); });
    std::vector<Variant> bus{ConnRH(), Variant(""), Variant(std::int32_t{7}), Variant(), Variant()};
    ASSERT_FALSE(conselho->Invoke("BusConselho", bus).failed());
    std::vector<Variant> exc{ConnRH(), Variant(""), Variant("ana"), Variant("pc1"), Variant(std::int32_t{7})};
    ASSERT_FALSE(conselho->Invoke("ExcConselho", exc).failed());
  }
  EXPECT_THAT(seen, ::testing::ElementsAre("SELECT * FROM   RhsConselho WHERE  CodConselho = 7",
                                           "DELETE FROM RhsConselho WHERE CodConselho = 7"));
}

TEST_P(ComponentCallTest, FailedCalls) {
  auto pessoa = com::CreateObject("Quorvel.classDadosPessoais");
  struct Case {
    const char* method;
    std::vector<Variant> args;
    int number;
  };
  std::vector<Case> cases;
  cases.push_back({"BusNome", {ConnRH(), Variant("x"), Variant("abc"), Variant("")}, automation::err::kTypeMismatch});
  cases.push_back({"BusNome", {Variant("no connection"), Variant("x"), Variant(1), Variant("")},
                   automation::err::kTypeMismatch});
  cases.push_back({"BusNome", {ConnRH(), Variant("x")}, com::err::kWrongArgCount});
  cases.push_back({"BusNomes", {ConnRH(), Variant("x")}, com::err::kUnknownName});
  // The whole-record update reads pnArray before its trap: a malformed one fails the call.
  const com::MethodInfo* alt = pessoa->FindMethod("AltDadosPessoais");
  ASSERT_NE(alt, nullptr);
  ASSERT_EQ(alt->params.size(), 59u);
  std::vector<Variant> args{ConnRH(), Variant("x")};
  for (std::size_t i = 2; i < alt->params.size(); ++i) {
    switch (alt->params[i].type) {
      case com::Type::String: args.emplace_back(""); break;
      case com::Type::Variant: args.emplace_back(Null); break;
      default: args.emplace_back(std::int32_t{1});
    }
  }
  cases.push_back({"AltDadosPessoais", args, automation::err::kTypeMismatch});  // pnArray Null is no array
  for (Case& c : cases) {
    const com::CallResult r = pessoa->Invoke(c.method, c.args);
    EXPECT_TRUE(r.failed()) << c.method;
    EXPECT_EQ(r.error.number, c.number) << c.method;
    EXPECT_FALSE(r.error.description.empty());
    if (c.args.size() > 1) {
      EXPECT_EQ(c.args[1], Variant("x")) << "DescErr untouched";
    }
  }
}

TEST_P(ComponentCallTest, MethodTablesInInterfaceOrder) {
  struct Case {
    const char* cls;
    std::vector<const char*> methods;
  };
  const Case cases[] = {
      {"Quorvel.classConselho", {"ExcConselho", "CarConselho", "BusConselho", "AltConselho", "IncConselho"}},
      {"Quorvel.classBanco", {"BusBanco", "CarBanco"}},
      {"Quorvel.classDadosPessoais",
       {"BusStatus", "AltSituacao", "CarComboHabProfissional", "CarComboBairro", "CarComboLogradouro",
        "CarComboEndereco", "CarComboFilhosFicamCom", "AltStatus", "AltDadosPessoais", "IncDadosPessoais",
        "BusDadosPessoais", "BusNome", "fExisteCPF", "fExisteNrIdentidade", "fExisteNome", "CarDadosPessoais",
        "CarDadosPessoaisFiltro"}},
  };
  for (const Case& c : cases) {
    auto object = com::CreateObject(c.cls);
    const auto methods = object->Methods();
    ASSERT_EQ(methods.size(), c.methods.size()) << c.cls;
    for (std::size_t i = 0; i < methods.size(); ++i) {
      EXPECT_EQ(methods[i].name, c.methods[i]);
      EXPECT_EQ(methods[i].params[0].name, "ConnRH");
      EXPECT_EQ(methods[i].params[0].type, com::Type::Object);
      EXPECT_EQ(methods[i].params[1].name, "DescErr");
      EXPECT_TRUE(methods[i].returns_status);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, ComponentCallTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
