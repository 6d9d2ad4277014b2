// SPDX-License-Identifier: MIT
// CarDadosPessoais over 10,000 and 100,000 people on PostgreSQL against the
// raw fetch of the same statement in the same run. Prints the figures.
#include <cstdio>
#include <string>
#include <tuple>

#include "bench/timing.h"
#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/support/testdb.h"

namespace {

using automation::Variant;

constexpr const char* kStatement =
    "SELECT CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade, NrCPF, Status, Situacao "
    "FROM RhsDadosPessoais  ORDER BY Nome";
constexpr const char* kFields[] = {"CodIndividual", "Nome", "Status", "DataNasc", "Sexo", "NrIdentidade",
                                   "NrCPF", "Situacao", "NomePai", "NomeMae"};

void Fill(long people) {
  testdb::ExecPostgres(
      "DELETE FROM RhsDadosPessoais;"
      "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade, NrCPF,"
      " Status, Situacao) SELECT i, 'Pessoa ' || md5(i::text), 'Pai ' || i, 'Mãe ' || i,"
      " date '1950-01-01' + (i % 20000), CASE WHEN i % 2 = 0 THEN 'F' ELSE 'M' END, 'RG' || i, 'CPF' || i,"
      " 'Candidato', 'Ativo' FROM generate_series(1, " + std::to_string(people) + ") AS i;"
      "ANALYZE RhsDadosPessoais;");
}

struct Figures {
  double list, raw;
  long rows;
};

Figures Measure(ado::Connection& conn, long people) {
  Fill(people);
  quorvel::classDadosPessoais c;
  Figures f{0, 0, 0};
  Variant list;  // the caller's array, released outside the timing
  std::tie(f.list, f.raw) = bench::BestInTurns(
      5,
      [&] {
        std::string desc;
        Variant null(automation::Null);
        c.CarDadosPessoais(conn, desc, list, null, null, null, null, null, null, null, null, null, null, null);
        if (!desc.empty()) std::fprintf(stderr, "CarDadosPessoais: %s\n", desc.c_str());
      },
      [&] {
        auto rs = conn.Execute(kStatement);
        Variant cell;
        while (!rs->EOF_()) {
          for (const char* name : kFields) cell = rs->Fields(name).Value();
          rs->MoveNext();
        }
        rs->Close();
      },
      [&] { list = Variant(); });
  f.rows = list.as_array().ubound(2);
  return f;
}

}  // namespace

int main() {
  const testdb::Databases& db = testdb::Get();
  ado::Connection conn;
  conn.Open(db.postgres);
  const Figures small = Measure(conn, 10000);
  const Figures large = Measure(conn, 100000);
  for (const Figures* f : {&small, &large}) {
    std::printf("%7ld people: CarDadosPessoais %.3f s, raw fetch %.3f s, ratio %.2f (target <= 1.3)\n", f->rows,
                f->list, f->raw, f->list / f->raw);
  }
  std::printf("growth 100,000 / 10,000 rows: %.2f (target <= 11)\n", large.list / small.list);
  return 0;
}
