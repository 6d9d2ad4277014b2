// CarDadosPessoais over 10,000 and 100,000 people on PostgreSQL against the
// raw fetch of the same statement in the same run. Prints the figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/support/testdb.h"

namespace {

using automation::Variant;
using Clock = std::chrono::steady_clock;

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

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

template <class F>
double Time(F&& f) {
  const auto start = Clock::now();
  f();
  return Seconds(Clock::now() - start);
}

struct Figures {
  double list, raw;
  long rows;
};

// Best of five runs of each, the two taking turns so that a busy moment of
// the machine does not fall on one of them only.
Figures Measure(ado::Connection& conn, long people) {
  Fill(people);
  quorvel::classDadosPessoais c;
  Figures f{1e300, 1e300, 0};
  Variant list;  // the caller's array, released outside the timing
  for (int run = 0; run < 5; ++run) {
    list = Variant();
    f.list = std::min(f.list, Time([&] {
      std::string desc;
      Variant null(automation::Null);
      c.CarDadosPessoais(conn, desc, list, null, null, null, null, null, null, null, null, null, null, null);
      if (!desc.empty()) std::fprintf(stderr, "CarDadosPessoais: %s\n", desc.c_str());
    }));
    f.rows = list.as_array().ubound(2);
    f.raw = std::min(f.raw, Time([&] {
      auto rs = conn.Execute(kStatement);
      Variant cell;
      while (!rs->EOF_()) {
        for (const char* name : kFields) cell = rs->Fields(name).Value();
        rs->MoveNext();
      }
      rs->Close();
    }));
  }
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
