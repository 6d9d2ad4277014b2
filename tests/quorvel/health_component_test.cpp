// SPDX-License-Identifier: MIT
// The position-profile and health classes through libquorvel.so: registered
// by name, created through the registry, answering dispatch on both databases.
#include <gtest/gtest.h>

#include <vector>

#include "tests/quorvel/fixture.h"
#include "tests/quorvel/registration.h"

namespace {

using automation::Variant;
using qvtest::kNull;

class HealthComponentTest : public qvtest::DatabaseTest<qvtest::RegisteredTest> {};

TEST_P(HealthComponentTest, OneCallOfEachClass) {
  qvtest::Exec(conn(),
               "DELETE FROM RhsTipoExameMedico; DELETE FROM RhsEPI; DELETE FROM RhsEPIPerfilCargo;"
               "DELETE FROM RhsPerfilCargo; DELETE FROM RhsExamePerfilCargo; DELETE FROM RhsPeriodicidadeExame;"
               "DELETE FROM RhsConhecPerfilCargo; DELETE FROM RhsExameMedico; DELETE FROM RhsExameFuncionario;"
               "DELETE FROM RhsExameAgendado;"
               "INSERT INTO RhsTipoExameMedico VALUES (3, 'Audiometria', 1, 'S');"
               "INSERT INTO RhsEPI VALUES (7, 'Luva');"
               "INSERT INTO RhsExameAgendado (CodExameAgendado, Medico) VALUES (1, 'Dr. Paulo')");
  const Variant u("u"), m("m");
  const qvtest::ComponentCall calls[] = {
      {"classTipoExameMedico",
       "BusDescrTipoExame",
       {Variant("3"), Variant()},
       [](const auto& a) { EXPECT_EQ(a[3], Variant("Audiometria")); }},
      {"classEPI", "CarEPI", {Variant(), kNull, kNull}, [](const auto& a) { EXPECT_EQ(qvtest::Keys(a[2]), "7"); }},
      {"classEPIPerfilCargo",
       "IncEPIPerfilCargo",
       {u, m, Variant(), Variant("1"), Variant("7")},
       [](const auto& a) { EXPECT_EQ(a[4], Variant(std::int32_t{1})); }},
      {"classPerfilCargo",
       "IncPerfilCargo",
       {u, m, Variant(), Variant("1"), Variant("10"), Variant("18"), kNull, Variant("F"), Variant("5"), Variant("1"),
        Variant("6")},
       [](const auto& a) { EXPECT_EQ(a[4], Variant(std::int32_t{1})); }},
      {"classExamePerfilCargo",
       "CarExamePerfilCargo",
       {Variant(), kNull, kNull, kNull},
       [](const auto& a) { EXPECT_EQ(qvtest::Rows(a[2]).size(), 1u); }},
      {"classPeriodicidadeExame",
       "IncPeriodicidadeExame",
       {u, m, Variant(), Variant("1"), Variant("40,5"), Variant("1"), Variant("0"), Variant("0")},
       [](const auto& a) { EXPECT_EQ(a[6], Variant(40.5)); }},
      {"classConhecPerfilCargo",
       "IncConhecPerfilCargo",
       {u, m, Variant(), Variant("1"), Variant("8"), Variant("2")},
       [](const auto& a) { EXPECT_EQ(a[4], Variant(std::int32_t{1})); }},
      {"classExameMedico",
       "IncExameMedico",
       {u, m, Variant(), Variant("1"), Variant("3"), Variant("2024-03-05"), Variant("S"), Variant(""), Variant(""),
        Variant("Dr. Paulo"), Variant("1234"), Variant("1"), Variant("1,5")},
       [](const auto& a) { EXPECT_EQ(a[14], Variant(1.5f)); }},
      {"classExameFuncionario",
       "IncExameFuncionario",
       {u, m, Variant(), Variant("1"), Variant("3"), Variant("S"), Variant("N"), Variant("1"), Variant("0"),
        Variant("0")},
       [](const auto& a) { EXPECT_EQ(a[4], Variant(std::int32_t{1})); }},
      {"classExameAgendado",
       "CarComboMedico",
       {Variant()},
       [](const auto& a) {
         EXPECT_EQ(qvtest::Elements(a[2]), (std::vector<Variant>{Variant("Dr. Paulo"), Variant()}));
       }},
  };
  qvtest::MakeComponentCalls(ConnRH(), calls);
  EXPECT_EQ(qvtest::Cell(conn(), "SELECT IdadeMin FROM RhsPerfilCargo WHERE CodRegPerfilCargo = 1"), "18");
  EXPECT_EQ(qvtest::Count(conn(), "RhsExameMedico WHERE DiasPerdidos = 1.5"), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, HealthComponentTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
