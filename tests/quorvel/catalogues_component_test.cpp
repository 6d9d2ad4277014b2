// SPDX-License-Identifier: MIT
// The personnel catalogues through libquorvel.so: registered by name,
// created through the registry, answering dispatch on both databases.
#include <gtest/gtest.h>

#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/registration.h"

namespace {

using automation::Null;
using automation::Variant;

const char* const kClasses[] = {"Quorvel.classTipoGrauParentesco", "Quorvel.classTipoContrato", "Quorvel.classCargo",
                                "Quorvel.classInfTabelas", "Quorvel.classRelatorios"};

class CataloguesComponentTest : public qvtest::DatabaseTest<qvtest::RegisteredTest> {};

TEST_P(CataloguesComponentTest, RegisteredAndUnregistered) { qvtest::ExpectRegisteredAndUnregistered(kClasses); }

TEST_P(CataloguesComponentTest, OneCallOfEachClass) {
  qvtest::Exec(conn(),
               "DELETE FROM RhsTipoGrauParentesco; DELETE FROM RhsTipoContrato; DELETE FROM RhsCargo;"
               "DELETE FROM TempRegistros; DELETE FROM FauTabelasAuxiliares;"
               "INSERT INTO RhsTipoContrato VALUES (4, 'Estágio', 'T', '', 'Lei', 'ESTAGIÁRIO', 'S');"
               "INSERT INTO FauTabelasAuxiliares VALUES ('RhsCorPele', 'Cor da pele')");
  const qvtest::ComponentCall calls[] = {
      {"classTipoGrauParentesco", "IncTipoGrauParentesco",
       {Variant("u"), Variant("m"), Variant(), Variant("Filho"), Variant(std::int32_t{1}), Variant("S")},
       [](const std::vector<Variant>& a) { EXPECT_EQ(a[4], Variant(std::int32_t{1})); }},
      {"classTipoContrato", "BusDescrTipoContrato", {Variant("4"), Variant()},
       [](const std::vector<Variant>& a) { EXPECT_EQ(a[3], Variant("Estágio")); }},
      {"classCargo", "CarCargo", {Variant(), Variant(Null), Variant(Null), Variant(Null), Variant(Null)},
       [](const std::vector<Variant>& a) { EXPECT_EQ(qvtest::Rows(a[2]).size(), 1u); }},
      {"classInfTabelas", "pCarTabelasAuxiliares", {Variant()},
       [](const std::vector<Variant>& a) { EXPECT_EQ(qvtest::Column(a[2], 0), std::vector<Variant>{Variant("RhsCorPele")}); }},
      {"classRelatorios", "IncTabelaTemporaria", {Variant(std::int32_t{15})},
       [](const std::vector<Variant>& a) { EXPECT_EQ(a[2], Variant(std::int32_t{15})); }},
  };
  qvtest::MakeComponentCalls(ConnRH(), calls);
  EXPECT_EQ(qvtest::Count(conn(), "TempRegistros WHERE Codigo = 15"), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, CataloguesComponentTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
