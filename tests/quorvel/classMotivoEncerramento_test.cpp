// SPDX-License-Identifier: MIT
// classMotivoEncerramento: a catalogue of the reasons a vacancy closes.
#include <gtest/gtest.h>

#include "quorvel/recruitment/classMotivoEncerramento.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classMotivoEncerramento;

using C = classMotivoEncerramento;
const qvtest::Catalogue kMotivo = qvtest::WithMethods<C>(
    {.name = "classMotivoEncerramento",
     .table = "RhsMotivoEncerramento",
     .key = "CodMotivoEncerramento",
     .text = "DescrMotivoEncerramento",
     .captions = qvtest::Texts({"CodMotivoEncerramento", "DescrMotivoEncerramento"}),
     .fetch_method = "BUSMOTIVOENCERRAMENTO",
     .fetch_arguments = 4},
    {&C::CarMotivoEncerramento, &C::BusMotivoEncerramento, &C::IncMotivoEncerramento,
     &C::AltMotivoEncerramento, &C::ExcMotivoEncerramento});

INSTANTIATE_TEST_SUITE_P(Motivo, CatalogueTest, ::testing::Values(&kMotivo), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(Motivo, CatalogueListTest, qvtest::CatalogueListCases(kMotivo), qvtest::CatalogueListName);

TEST(MotivoTest, Statements) {
  classMotivoEncerramento c;
  std::string desc, user = "ana", machine = "estacao1", text;
  std::int32_t key = 7;
  Variant list;
  const qvtest::StatementCase<> cases[] = {
      {"Inc",
       [&] {
         text = "O'Brien";
         c.IncMotivoEncerramento(Postgres(), desc, user, machine, key, text);
       },
       {"SELECT MAX(CodMotivoEncerramento) AS MaxCod FROM RhsMotivoEncerramento",
        "INSERT INTO RhsMotivoEncerramento (CodMotivoEncerramento, DescrMotivoEncerramento) VALUES ( 1, "
        "'O''Brien') "}},
      {"Exc",
       [&] {
         key = 7;
         c.ExcMotivoEncerramento(Postgres(), desc, user, machine, key);
       },
       {"DELETE FROM RhsMotivoEncerramento WHERE CodMotivoEncerramento = 7"}},
      {"Bus",
       [&] {
         key = 7;
         c.BusMotivoEncerramento(Postgres(), desc, key, text);
       },
       {"SELECT * FROM RhsMotivoEncerramento WHERE CodMotivoEncerramento = 7"}},
      {"Alt",
       [&] {
         key = 7;
         text = "Cancelada";
         c.AltMotivoEncerramento(Postgres(), desc, user, machine, key, text);
       },
       {"UPDATE RhsMotivoEncerramento SET DescrMotivoEncerramento = 'Cancelada' WHERE CodMotivoEncerramento = 7"}},
      {"CarBoth",
       [&] {
         Variant a("3"), b("can%");
         c.CarMotivoEncerramento(Postgres(), desc, list, a, b);
       },
       {"SELECT * FROM RhsMotivoEncerramento WHERE CStr(CodMotivoEncerramento) LIKE '3' AND "
        "UPPER(DescrMotivoEncerramento) LIKE 'CAN%'"}},
      {"CarOffPostgres",
       [&] {
         Variant a("3"), b("can%");
         c.CarMotivoEncerramento(qvtest::Sqlite(), desc, list, a, b);
       },
       {"SELECT * FROM RhsMotivoEncerramento WHERE CStr(CodMotivoEncerramento) LIKE '3' AND "
        "(DescrMotivoEncerramento) LIKE 'CAN%'"}},
  };
  qvtest::Exec(Postgres(), "DELETE FROM RhsMotivoEncerramento");
  qvtest::ExpectStatements(cases);
}

}  // namespace
