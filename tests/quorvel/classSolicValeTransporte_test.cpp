// SPDX-License-Identifier: MIT
// classSolicValeTransporte against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/administration/classSolicValeTransporte.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::SortedKeys;

const Variant kNull(Null);
const Variant N = kNull;

std::string Text(const Variant& v) {
  if (v.is_null()) return "Null";
  if (v.is_empty()) return "<Empty>";
  if (v.get_if<automation::Date>()) return automation::Format(v, "yyyy-mm-dd");
  return automation::CStr(v);
}

// The rows of a list whose order is the database's, sorted by key, cells joined.
std::string SortedRows(const Variant& list) {
  auto rows = qvtest::Rows(list);
  std::vector<std::pair<long, std::string>> out;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    std::string line;
    for (const Variant& v : rows[r]) line += (line.empty() ? "" : "|") + Text(v);
    out.emplace_back(automation::CLng(rows[r][0]), line);
  }
  std::sort(out.begin(), out.end());
  std::string joined;
  for (const auto& [key, line] : out) joined += line + ";";
  return joined;
}

class SolicValeTransporteTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsSolicValeTransporte; DELETE FROM RhsTipoValeTransporte; DELETE FROM RhsTransportador;"
                 "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Maria da Conceição'),"
                 " (2, 'João Sá');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (5, 1), (6, 2);"
                 "INSERT INTO RhsTransportador (CodTransp, NomeTransp) VALUES (1, 'Viação Cometa'),"
                 " (2, 'Expresso Árvore');"
                 "INSERT INTO RhsTipoValeTransporte (CodTipoValeTransporte, DescrTipoValeTransporte, CodTransp)"
                 " VALUES (1, 'Ônibus', 1), (2, 'Metrô', 2), (3, 'Trem', 2), (4, 'Balsa', 9);"
                 "INSERT INTO RhsSolicValeTransporte VALUES"
                 " (1, 5, 1, 'Linha 101', 4, '2024-03-05'),"
                 " (2, 5, 2, 'Linha Azul', 2, '2024-03-05'),"
                 " (3, 6, 3, 'Linha 7', 2, '2024-04-01'),"
                 " (10, 6, 4, 'Travessia', 1, '2024-04-02'),"   // the type's carrier is gone
                 " (11, 8, 1, 'Linha 101', 2, '2024-04-03'),"   // the employee is gone
                 " (12, 5, 99, 'X', 300, '2024-04-04')");     // the type is gone
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(),
                                     "SELECT concat_ws('|', CodFuncionario, CodTipoValeTransporte, LinhaUtilizada,"
                                     " QuantDiaria, to_char(DataSolicitacao, 'YYYY-MM-DD')) FROM"
                                     " RhsSolicValeTransporte WHERE CodRegSolicValeTransporte = " +
                                         std::to_string(key));
    return v.is_null() || v.is_empty() ? "none" : automation::CStr(v);
  }
  void Write(bool insert, std::int32_t& key, std::int32_t func, std::int32_t tipo, std::string linha,
             std::uint8_t quant, automation::Date data) {
    if (insert) {
      c.IncSolicValeTransporte(Postgres(), desc, user, machine, key, func, tipo, linha, quant, data);
    } else {
      c.AltSolicValeTransporte(Postgres(), desc, user, machine, key, func, tipo, linha, quant, data);
    }
  }

  quorvel::classSolicValeTransporte c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(SolicValeTransporteTest, InsertAndUpdateWriteTheirRow) {
  struct Case {
    const char* name;
    bool insert;
    std::int32_t key;  // of the row written
    const char* linha;
    std::uint8_t quant;
    const char* row;
  };
  const Case cases[] = {
      {"Insert", true, 13, "Linha 101", 4, "6|2|Linha 101|4|2024-12-31"},
      {"InsertHostileLine", true, 13, "O'Brien x' OR '1'='1", 255, "6|2|O'Brien x' OR '1'='1|255|2024-12-31"},
      {"InsertDialectWords", true, 13, "UPPER(cstr)", 0, "6|2|UPPER(cstr)|0|2024-12-31"},
      {"Update", false, 3, "D'Ávila", 3, "6|2|D'Ávila|3|2024-12-31"},
      {"UpdateMissing", false, 99, "X", 1, "none"},
  };
  for (const Case& k : cases) {
    Seed(Postgres());
    std::int32_t key = k.insert ? -1 : k.key;
    desc.clear();
    Write(k.insert, key, 6, 2, k.linha, k.quant, automation::DateSerial(2024, 12, 31));
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(key, k.key) << k.name;
    EXPECT_EQ(Row(k.key), k.row) << k.name;
    EXPECT_EQ(qvtest::Count(Postgres(), "RhsSolicValeTransporte"), k.insert ? 7 : 6) << k.name;
  }
  EXPECT_EQ(Row(1), "5|1|Linha 101|4|2024-03-05");
}

TEST_F(SolicValeTransporteTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  for (std::int32_t key : {2, 99}) c.ExcSolicValeTransporte(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsSolicValeTransporte"), 5);
  EXPECT_EQ(Row(2), "none");
}

TEST_F(SolicValeTransporteTest, NextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsSolicValeTransporte");
  std::int32_t key = -1;
  const automation::Date day = automation::DateSerial(2024, 1, 2);
  Write(true, key, 5, 1, "L", 1, day);
  EXPECT_EQ(key, 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsSolicValeTransporte (CodRegSolicValeTransporte) VALUES (41)");
  Write(true, key, 5, 1, "L", 1, day);
  EXPECT_EQ(key, 42);
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsSolicValeTransporte (CodRegSolicValeTransporte) VALUES (2147483647)", "RhsSolicValeTransporte",
      [&] {
        Write(true, key, 5, 1, "L", 1, day);
        return key;
      },
      desc);
}

TEST_F(SolicValeTransporteTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* expected;
  };
  const Case cases[] = {
      {1, "", "1|5|Maria da Conceição|1|Ônibus|Viação Cometa|Linha 101|4|2024-03-05"},
      {3, "", "3|6|João Sá|3|Trem|Expresso Árvore|Linha 7|2|2024-04-01"},
      {10, "94    Quorvel", "10|6|João Sá|4|Balsa|old|old|7|1999-01-01"},
      {11, "94    Quorvel", "11|8|old|-1|old|old|old|7|1999-01-01"},
      {12, "94    Quorvel", "12|5|Maria da Conceição|99|old|old|old|7|1999-01-01"},
      {77, "3021    Quorvel", "77|-1|old|-1|old|old|old|7|1999-01-01"},
  };
  qvtest::Exec(Postgres(), "UPDATE RhsTipoValeTransporte SET DescrTipoValeTransporte = 'Balsa' WHERE"
                           " CodTipoValeTransporte = 4");
  for (const Case& k : cases) {
    std::int32_t key = k.key, func = -1, tipo = -1;
    std::string nome = "old", descr = "old", transp = "old", linha = "old";
    std::uint8_t quant = 7;
    automation::Date data = automation::DateSerial(1999, 1, 1);
    desc.clear();
    c.BusSolicValeTransporte(Postgres(), desc, key, func, nome, tipo, descr, transp, linha, quant, data);
    EXPECT_EQ(desc, k.desc) << k.key;
    const std::string got = std::to_string(key) + "|" + std::to_string(func) + "|" + nome + "|" +
                            std::to_string(tipo) + "|" + descr + "|" + transp + "|" + linha + "|" +
                            std::to_string(quant) + "|" + Text(Variant(data));
    EXPECT_EQ(got, k.expected) << k.key;
  }
}

TEST_F(SolicValeTransporteTest, FetchOfAQuantityOutOfRangeOverflows) {
  // Key 12's type is missing, so give it one first: its quantity, 300, is then reached.
  qvtest::Exec(Postgres(), "UPDATE RhsSolicValeTransporte SET CodTipoValeTransporte = 1 WHERE"
                           " CodRegSolicValeTransporte = 12");
  std::int32_t key = 12, func = -1, tipo = -1;
  std::string nome, descr, transp, linha;
  std::uint8_t quant = 7;
  automation::Date data = automation::DateSerial(1999, 1, 1);
  c.BusSolicValeTransporte(Postgres(), desc, key, func, nome, tipo, descr, transp, linha, quant, data);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_EQ(linha, "X");
  EXPECT_EQ(quant, 7);
}

TEST_F(SolicValeTransporteTest, ListShowsTypeAndCarrier) {
  Variant list("replaced"), f1 = N, f2 = N, f3 = N;
  c.CarSolicValeTransporte(Postgres(), desc, list, f1, f2, f3);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  std::string captions;
  for (const Variant& v : rows[0]) captions += Text(v) + "|";
  EXPECT_EQ(captions, "CodRegSolicValeTransporte|CodFuncionario|CodTipoValeTransporte|DescrTipoValeTransporte|"
                      "LinhaUtilizada|QuantDiaria|DataSolicitacao|");
  EXPECT_EQ(SortedRows(list),
            "1|5|1|Ônibus (Viação Cometa)|Linha 101|4|2024-03-05;"
            "2|5|2|Metrô (Expresso Árvore)|Linha Azul|2|2024-03-05;"
            "3|6|3|Trem (Expresso Árvore)|Linha 7|2|2024-04-01;"
            "10|6|4|Balsa ()|Travessia|1|2024-04-02;"
            "11|8|1|Ônibus (Viação Cometa)|Linha 101|2|2024-04-03;"
            "12|5|99| ()|X|300|2024-04-04;");
  qvtest::Exec(Postgres(), "DELETE FROM RhsSolicValeTransporte");
  c.CarSolicValeTransporte(Postgres(), desc, list, f1, f2, f3);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

class SolicValeTransporteListTest : public qvtest::ListTest<SolicValeTransporteTest> {};

TEST_P(SolicValeTransporteListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarSolicValeTransporte(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, {}, qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 10 11 12"},
    {"OnlyTheLast", {N, N, Variant(std::int32_t{2})}, "2 3"},
    {"Employee", {Variant("5")}, "1 2 12"},
    {"Type", {N, Variant(std::int16_t{1})}, "1 11"},
    {"Several", {Variant(5.0), Variant("1"), Variant(std::int32_t{1})}, "1"},
    {"NoMatch", {Variant(std::int32_t{77})}, ""},
    {"InjectionInEmployee", {Variant("5 OR 1=1")}, "", "13    Quorvel"},
    {"QuoteInType", {N, Variant("1' OR '1'='1")}, "", "13    Quorvel"},
    {"EmptyCarrier", {N, N, Variant()}, "", "13    Quorvel"},
    {"EmptyTextCarrier", {N, N, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, SolicValeTransporteListTest, qvtest::OnBothDatabases(kListCases),
                         qvtest::DatabaseCaseName());

TEST_F(SolicValeTransporteTest, Statements) {
  const qvtest::StatementCase<SolicValeTransporteTest> cases[] = {
      {"Bus",
       [](SolicValeTransporteTest& t) {
         std::int32_t key = 7, f = 0, tp = 0;
         std::string n, d, tr, l;
         std::uint8_t q = 0;
         automation::Date data;
         t.c.BusSolicValeTransporte(Postgres(), t.desc, key, f, n, tp, d, tr, l, q, data);
       },
       {"SELECT RhsSolicValeTransporte.*, RhsDadosPessoais.Nome, RhsTipoValeTransporte.DescrTipoValeTransporte, "
        "RhsTransportador.NomeTransp FROM (((( RhsSolicValeTransporte LEFT JOIN RhsDadosFuncionario ON "
        "RhsDadosFuncionario.CodFuncionario = RhsSolicValeTransporte.CodFuncionario) LEFT JOIN RhsDadosPessoais ON "
        "RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) LEFT JOIN RhsTipoValeTransporte ON "
        "RhsTipoValeTransporte.CodTipoValeTransporte = RhsSolicValeTransporte.CodTipoValeTransporte) LEFT JOIN "
        "RhsTransportador ON RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) WHERE "
        "CodRegSolicValeTransporte = 7"}},
      {"Exc",
       [](SolicValeTransporteTest& t) {
         std::int32_t key = 7;
         t.c.ExcSolicValeTransporte(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsSolicValeTransporte WHERE CodRegSolicValeTransporte = 7"}},
      {"CarAll",
       [](SolicValeTransporteTest& t) {
         Variant list, f(std::int32_t{5}), tp(std::int32_t{1}), tr(std::int32_t{2});
         t.c.CarSolicValeTransporte(Postgres(), t.desc, list, f, tp, tr);
       },
       {"SELECT RhsSolicValeTransporte.*, RhsTipoValeTransporte.DescrTipoValeTransporte, "
        "RhsTransportador.NomeTransp FROM (( RhsSolicValeTransporte LEFT JOIN RhsTipoValeTransporte ON "
        "RhsTipoValeTransporte.CodTipoValeTransporte = RhsSolicValeTransporte.CodTipoValeTransporte) LEFT JOIN "
        "RhsTransportador ON RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) WHERE "
        "RhsSolicValeTransporte.CodFuncionario = 5 AND RhsSolicValeTransporte.CodTipoValeTransporte = 1 AND "
        "RhsTipoValeTransporte.CodTransp = 2"}},
      {"Alt",
       [](SolicValeTransporteTest& t) {
         std::int32_t key = 7;
         t.Write(false, key, 5, 1, "Linha 1", 4, automation::DateSerial(2024, 3, 5));
       },
       {"UPDATE RhsSolicValeTransporte SET CodFuncionario = 5, CodTipoValeTransporte = 1, LinhaUtilizada = "
        "'Linha 1', QuantDiaria = 4, DataSolicitacao = '2024/03/05' WHERE CodRegSolicValeTransporte = 7"}},
      {"Inc",
       [](SolicValeTransporteTest& t) {
         std::int32_t key = 7;
         t.Write(true, key, 5, 1, "Linha 1", 4, automation::DateSerial(2024, 3, 5));
       },
       {"SELECT MAX(CodRegSolicValeTransporte) AS MaxCod FROM RhsSolicValeTransporte",
        "INSERT INTO RhsSolicValeTransporte (CodRegSolicValeTransporte, CodFuncionario, CodTipoValeTransporte, "
        "LinhaUtilizada, QuantDiaria, DataSolicitacao) VALUES ( 1,  5,  1, 'Linha 1',  4, '2024/03/05') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsSolicValeTransporte"); });
}

TEST_F(SolicValeTransporteTest, DispatchByName) {
  com::DispatchObject<quorvel::classSolicValeTransporte> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn,        Variant(""),    Variant("u"), Variant("m"),
                           Variant(),   Variant("6"),   Variant(std::int32_t{3}), Variant("Linha 9"),
                           Variant("2"), Variant("05/06/2024")};
  const com::CallResult r = object.Invoke("incsolicvaletransporte", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[4], Variant(std::int32_t{13}));
  EXPECT_EQ(Row(13), "6|3|Linha 9|2|2024-06-05");
}

}  // namespace
