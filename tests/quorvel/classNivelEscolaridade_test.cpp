// SPDX-License-Identifier: MIT
// classNivelEscolaridade: a catalogue of the levels of schooling.
#include <gtest/gtest.h>

#include "quorvel/recruitment/classNivelEscolaridade.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classNivelEscolaridade;

using C = classNivelEscolaridade;
const qvtest::Catalogue kNivel = qvtest::WithMethods<C>(
    {.name = "classNivelEscolaridade",
     .table = "RhsNivelEscolaridade",
     .key = "CodNivel",
     .text = "DescrNivel",
     .captions = qvtest::Texts({"CodNivel", "DescrNivel"}),
     .fetch_method = "busnivelescolaridade",
     .fetch_arguments = 4},
    {&C::CarNivelEscolaridade, &C::BusNivelEscolaridade, &C::IncNivelEscolaridade,
     &C::AltNivelEscolaridade, &C::ExcNivelEscolaridade});

INSTANTIATE_TEST_SUITE_P(Nivel, CatalogueTest, ::testing::Values(&kNivel), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(Nivel, CatalogueListTest, qvtest::CatalogueListCases(kNivel), qvtest::CatalogueListName);

TEST(NivelTest, Statements) {
  classNivelEscolaridade c;
  std::string desc, user = "ana", machine = "estacao1", text;
  std::int32_t key = 7;
  Variant list;
  const qvtest::StatementCase<> cases[] = {
      {"Inc",
       [&] {
         text = "O'Brien";
         c.IncNivelEscolaridade(Postgres(), desc, user, machine, key, text);
       },
       {"SELECT MAX(CodNivel) AS MaxCod FROM RhsNivelEscolaridade",
        "INSERT INTO RhsNivelEscolaridade (CodNivel, DescrNivel) VALUES ( 1, 'O''Brien') "}},
      {"Exc",
       [&] {
         key = 7;
         c.ExcNivelEscolaridade(Postgres(), desc, user, machine, key);
       },
       {"DELETE FROM RhsNivelEscolaridade WHERE CodNivel = 7"}},
      {"Bus",
       [&] {
         key = 7;
         c.BusNivelEscolaridade(Postgres(), desc, key, text);
       },
       {"SELECT * FROM RhsNivelEscolaridade WHERE CodNivel = 7"}},
      {"Alt",
       [&] {
         key = 7;
         text = "Médio";
         c.AltNivelEscolaridade(Postgres(), desc, user, machine, key, text);
       },
       {"UPDATE RhsNivelEscolaridade SET DescrNivel = 'Médio' WHERE CodNivel = 7"}},
      {"CarBoth",
       [&] {
         Variant a("3"), b("téc%");
         c.CarNivelEscolaridade(Postgres(), desc, list, a, b);
       },
       {"SELECT * FROM RhsNivelEscolaridade WHERE CStr(CodNivel) LIKE '3' AND UPPER(DescrNivel) LIKE 'TÉC%'"}},
      {"CarOffPostgres",
       [&] {
         Variant a("3"), b("téc%");
         c.CarNivelEscolaridade(qvtest::Sqlite(), desc, list, a, b);
       },
       {"SELECT * FROM RhsNivelEscolaridade WHERE CStr(CodNivel) LIKE '3' AND (DescrNivel) LIKE 'TÉC%'"}},
  };
  qvtest::Exec(Postgres(), "DELETE FROM RhsNivelEscolaridade");
  qvtest::ExpectStatements(cases);
}

}  // namespace
