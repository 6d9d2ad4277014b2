// SPDX-License-Identifier: MIT
// CarConhecCandidato, CarConhecVaga and CarConhecPerfilCargo over a tree of
// 2,000 nodes and 5,000 or 50,000 rows each on PostgreSQL, against the raw
// fetch of the statement each one sends, in the same run. Prints the figures.
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "bench/timing.h"
#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "quorvel/health/classConhecPerfilCargo.h"
#include "quorvel/recruitment/classConhecCandidato.h"
#include "quorvel/recruitment/classConhecVaga.h"
#include "tests/support/testdb.h"

namespace {

using automation::Variant;

constexpr long kNodes = 2000;

// The tree: nodes 1..kNodes, each below node i / 10 (roots under 10).
void FillTree() {
  testdb::ExecPostgres(
      "DELETE FROM RhsConhecimento;"
      "INSERT INTO RhsConhecimento (CodConhec, CodPaiConhec, DescrConhec, CodCompletoConhec, DescrCompletaConhec)"
      " SELECT i::text, (i / 10)::text, 'Conhecimento ' || i, '.' || (i / 10) || '.' || i || '.',"
      " '> Area ' || (i / 10) || ' > Conhecimento ' || i || ' >' FROM generate_series(1, " +
      std::to_string(kNodes) + ") AS i;"
      "ANALYZE RhsConhecimento;");
}

// Rows of the three tables; every tenth names a node the tree does not hold.
void FillRows(long rows) {
  const std::string n = std::to_string(rows);
  const std::string node = "CASE WHEN i % 10 = 0 THEN (i + 100000)::text ELSE (1 + i % " +
                           std::to_string(kNodes) + ")::text END";
  testdb::ExecPostgres(
      "DELETE FROM RhsConhecCandidato; DELETE FROM RhsConhecVaga; DELETE FROM RhsConhecPerfilCargo;"
      "INSERT INTO RhsConhecCandidato (CodRegConhecCandidato, CodCandidato, CodConhec, NivelConhecCandidato,"
      " DescrConhecCandidato) SELECT i, i / 5, " + node + ", i % 5, 'Descricao ' || i"
      " FROM generate_series(1, " + n + ") AS i;"
      "INSERT INTO RhsConhecVaga (CodRegConhecVaga, CodVaga, CodConhec, NivelConhecVaga)"
      " SELECT i, i / 5, " + node + ", i % 5 FROM generate_series(1, " + n + ") AS i;"
      "INSERT INTO RhsConhecPerfilCargo (CodRegConhecPerfil, CodRegPerfilCargo, CodConhec, NivelConhecPerfil)"
      " SELECT i, i / 5, " + node + ", i % 5 FROM generate_series(1, " + n + ") AS i;"
      "ANALYZE RhsConhecCandidato; ANALYZE RhsConhecVaga; ANALYZE RhsConhecPerfilCargo;");
}

struct List {
  const char* name;
  std::function<void(ado::Connection&, std::string&, Variant&)> call;
};

struct Figures {
  double list = 0, raw = 0;
  long rows = 0;
};

// Best of nine runs of the list and of the raw fetch of the statement it
// sent, taking turns so that a busy moment falls on neither alone.
Figures Measure(ado::Connection& conn, const List& list) {
  std::string statement;
  {
    ado::ScopedTrace trace([&](std::string_view sql) { statement = sql; });
    std::string desc;
    Variant array;
    list.call(conn, desc, array);
    if (!desc.empty()) std::fprintf(stderr, "%s: %s\n", list.name, desc.c_str());
  }
  Figures f;
  Variant array;  // the caller's array, released outside the timing
  std::tie(f.list, f.raw) = bench::BestInTurns(
      9,
      [&] {
        std::string desc;
        list.call(conn, desc, array);
      },
      [&] {
        auto rs = conn.Execute(statement);
        Variant cell;
        const std::size_t fields = rs->FieldCount();
        while (!rs->EOF_()) {
          for (std::size_t i = 0; i < fields; ++i) cell = rs->Fields(i).Value();
          rs->MoveNext();
        }
        rs->Close();
      },
      [&] { array = Variant(); });
  f.rows = array.as_array().ubound(2);
  return f;
}

}  // namespace

int main() {
  const testdb::Databases& db = testdb::Get();
  ado::Connection conn;
  conn.Open(db.postgres);
  const Variant null(automation::Null);
  const std::vector<List> lists = {
      {"CarConhecCandidato",
       [&](ado::Connection& c, std::string& desc, Variant& array) {
         Variant a = null, b = null, d = null, e = null, g = null, h = null, k = null;
         quorvel::classConhecCandidato().CarConhecCandidato(c, desc, array, a, b, d, e, g, h, k);
       }},
      {"CarConhecVaga",
       [&](ado::Connection& c, std::string& desc, Variant& array) {
         Variant a = null, b = null, d = null;
         quorvel::classConhecVaga().CarConhecVaga(c, desc, array, a, b, d);
       }},
      {"CarConhecPerfilCargo",
       [&](ado::Connection& c, std::string& desc, Variant& array) {
         Variant a = null, b = null, d = null;
         quorvel::classConhecPerfilCargo().CarConhecPerfilCargo(c, desc, array, a, b, d);
       }},
  };

  FillTree();
  std::vector<Figures> small, large;
  FillRows(5000);
  for (const List& list : lists) small.push_back(Measure(conn, list));
  FillRows(50000);
  for (const List& list : lists) large.push_back(Measure(conn, list));

  std::printf("knowledge lists over %ld nodes on PostgreSQL (best of 9)\n", kNodes);
  for (std::size_t i = 0; i < lists.size(); ++i) {
    for (const Figures* f : {&small[i], &large[i]}) {
      std::printf("%-21s %6ld rows: list %.3f s, raw fetch %.3f s, ratio %.2f (target <= 1.3)\n", lists[i].name,
                  f->rows, f->list, f->raw, f->list / f->raw);
    }
    std::printf("%-21s growth 50,000 / 5,000 rows: %.2f (target <= 11)\n", lists[i].name,
                large[i].list / small[i].list);
  }
  return 0;
}
