// SPDX-License-Identifier: MIT
// classTipoValeTransporte against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "quorvel/administration/classTipoValeTransporte.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);
const Variant N = kNull;

std::string Text(const Variant& v) {
  return v.is_null() ? "Null" : v.is_empty() ? "<Empty>" : automation::CStr(v);
}

std::string Joined(const std::vector<Variant>& values) {
  std::string out;
  for (const Variant& v : values) out += (out.empty() ? "" : "|") + Text(v);
  return out;
}

// The writers' values after the key.
struct VoucherType {
  std::string descr = "Ônibus municipal";
  double valor = 4.4;
  std::int32_t quant = 1000, transp = 1;
  Variant data = Variant(automation::DateSerial(2024, 3, 5));
  std::int32_t quantUlt = 200;
  std::string ativado = "S";
};

class TipoValeTransporteTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTipoValeTransporte; DELETE FROM RhsTransportador;"
                 "INSERT INTO RhsTransportador (CodTransp, NomeTransp) VALUES (1, 'Viação Cometa'),"
                 " (2, 'Expresso Árvore');"
                 "INSERT INTO RhsTipoValeTransporte VALUES"
                 " (1, 'Ônibus intermunicipal', 12.75, 500, 1, '2024-02-01', 100, 'S'),"
                 " (2, 'Metrô', 2.5, 1000, 2, NULL, 0, 'N'),"
                 " (10, 'Balsa', 7, 20, 9, '2023-12-24', 5, 'S'),"
                 " (11, 'Trem', NULL, NULL, 2, NULL, NULL, NULL)");
  }
  void Write(bool insert, std::int32_t& key, VoucherType& k) {
    if (insert) {
      c.IncTipoValeTransporte(Postgres(), desc, user, machine, key, k.descr, k.valor, k.quant, k.transp, k.data,
                              k.quantUlt, k.ativado);
    } else {
      c.AltTipoValeTransporte(Postgres(), desc, user, machine, key, k.descr, k.valor, k.quant, k.transp, k.data,
                              k.quantUlt, k.ativado);
    }
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(
        Postgres(), "SELECT concat_ws('|', DescrTipoValeTransporte, ValorUnitario, QuantComercializada, CodTransp,"
                    " coalesce(to_char(DataUltimaCompra, 'YYYY-MM-DD'), 'Null'), QuantUltimaCompra, Ativado)"
                    " FROM RhsTipoValeTransporte WHERE CodTipoValeTransporte = " + std::to_string(key));
    return v.is_null() || v.is_empty() ? "none" : automation::CStr(v);
  }

  quorvel::classTipoValeTransporte c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TipoValeTransporteTest, InsertAndUpdateWriteEveryColumn) {
  struct Case {
    const char* name;
    bool insert;
    std::int32_t key;  // of the row written
    std::function<void(VoucherType&)> change;
    const char* row;
    const char* desc = "";
  };
  const Case cases[] = {
      {"Insert", true, 12, [](VoucherType&) {}, "Ônibus municipal|4.4|1000|1|2024-03-05|200|S"},
      {"InsertWithoutPurchase", true, 12, [](VoucherType& k) { k.data = kNull; },
       "Ônibus municipal|4.4|1000|1|Null|200|S"},
      {"InsertDateAsText", true, 12, [](VoucherType& k) { k.data = Variant("24/12/2023"); },
       "Ônibus municipal|4.4|1000|1|2023-12-24|200|S"},
      {"InsertHostileTexts", true, 12,
       [](VoucherType& k) {
         k.descr = "O'Brien x' OR '1'='1";
         k.ativado = "cstr";
       },
       "O'Brien x' OR '1'='1|4.4|1000|1|2024-03-05|200|cstr"},
      {"InsertDateThatIsNone", true, 12, [](VoucherType& k) { k.data = Variant("2024' OR '1'='1"); }, "none",
       "13    Quorvel"},
      {"Update", false, 2,
       [](VoucherType& k) {
         k.valor = 12.5;
         k.data = kNull;
       },
       "Ônibus municipal|12.5|1000|1|Null|200|S"},
      {"UpdateWithDate", false, 2, [](VoucherType&) {}, "Ônibus municipal|4.4|1000|1|2024-03-05|200|S"},
  };
  for (const Case& k : cases) {
    Seed(Postgres());
    VoucherType values;
    k.change(values);
    std::int32_t key = k.insert ? -1 : k.key;
    desc.clear();
    Write(k.insert, key, values);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(key, k.key) << k.name;
    EXPECT_EQ(Row(k.key), k.row) << k.name;
    EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoValeTransporte"), k.insert && !*k.desc ? 5 : 4) << k.name;
  }
}

TEST_F(TipoValeTransporteTest, NextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsTipoValeTransporte");
  VoucherType values;
  std::int32_t key = -1;
  Write(true, key, values);
  EXPECT_EQ(key, 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoValeTransporte (CodTipoValeTransporte) VALUES (41)");
  Write(true, key, values);
  EXPECT_EQ(key, 42);
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsTipoValeTransporte (CodTipoValeTransporte) VALUES (2147483647)", "RhsTipoValeTransporte",
      [&] {
        Write(true, key, values);
        return key;
      },
      desc);
}

TEST_F(TipoValeTransporteTest, Delete) {
  for (std::int32_t key : {2, 99}) c.ExcTipoValeTransporte(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoValeTransporte"), 3);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoValeTransporte WHERE CodTipoValeTransporte = 2"), 0);
}

TEST_F(TipoValeTransporteTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* expected;
  };
  const Case cases[] = {
      {1, "", "1|Ônibus intermunicipal|12.75|500|1|Viação Cometa|01/02/2024|100|S"},
      {2, "", "2|Metrô|2.5|1000|2|Expresso Árvore|Null|0|N"},
      {10, "94    Quorvel", "10|Balsa|7|20|9|old|old|-1|old"},  // its carrier is gone
      {11, "94    Quorvel", "11|Trem|-1|-1|-1|old|old|-1|old"},
      {77, "3021    Quorvel", "77|old|-1|-1|-1|old|old|-1|old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, quant = -1, transp = -1, quantUlt = -1;
    std::string descr = "old", nome = "old", ativado = "old";
    double valor = -1;
    Variant data("old");
    desc.clear();
    c.BusTipoValeTransporte(Postgres(), desc, key, descr, valor, quant, transp, nome, data, quantUlt, ativado);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream got;
    got << key << "|" << descr << "|" << valor << "|" << quant << "|" << transp << "|" << nome << "|" << Text(data)
        << "|" << quantUlt << "|" << ativado;
    EXPECT_EQ(got.str(), k.expected) << k.key;
  }
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoValeTransporte (CodTipoValeTransporte) VALUES (20)");
  struct DescrCase {
    std::int32_t key;
    const char* desc;
    const char* descr;
  };
  for (const DescrCase& k : {DescrCase{2, "", "Metrô"}, DescrCase{77, "3021    Quorvel", "old"},
                             DescrCase{20, "94    Quorvel", "old"}}) {
    std::int32_t key = k.key;
    std::string descr = "old";
    desc.clear();
    c.BusDescrTipoValeTransporte(Postgres(), desc, key, descr);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
  }
}

class TipoValeTransporteListTest : public qvtest::ListTest<TipoValeTransporteTest> {};

TEST_P(TipoValeTransporteListTest, Filters) {
  Seed(conn());
  auto f = Args(7);
  Variant list = qvtest::kUntouchedList;
  c.CarTipoValeTransporte(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  ExpectList(desc, list,
             qvtest::Texts({"CodTipoValeTransporte", "DescrTipoValeTransporte", "ValorUnitario", "QuantComercializada",
                            "CodTransp", "DataUltimaCompra", "QuantUltimaCompra", "Ativado"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "10 2 11 1"},  // Ô sorts after the ASCII letters
    {"OnlyTheLast", {N, N, N, N, N, N, Variant("S")}, "10 1"},
    {"KeyPattern", {Variant("1%")}, "10 11 1"},
    {"LowerCaseDescription", {N, Variant("%ô%")}, "2 1"},
    {"AsciiDescription", {N, Variant("b%")}, "10"},
    {"PriceWithDecimalComma", {N, N, Variant("12,75")}, "1"},
    {"PriceAsDouble", {N, N, Variant(2.5)}, "2"},
    {"Quantity", {N, N, N, Variant(std::int32_t{1000})}, "2"},
    {"Carrier", {N, N, N, N, Variant("2")}, "2 11"},
    {"CarrierName", {N, N, N, N, N, Variant("%árvore")}, "2 11"},
    {"Several",
     {Variant("%"), Variant("%"), Variant(12.75), Variant("500"), Variant(std::int32_t{1}), Variant("%"), Variant("S")},
     "1"},
    {"NoMatch", {N, Variant("zz%")}, ""},
    {"QuoteInKey", {Variant("1' OR '1'='1")}, ""},
    {"QuoteInFlag", {N, N, N, N, N, N, Variant("S' OR '1'='1")}, ""},
    {"InjectionInPrice", {N, N, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"InjectionInCarrier", {N, N, N, N, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyQuantity", {N, N, N, Variant()}, "", "13    Quorvel"},
    {"EmptyTextCarrier", {N, N, N, N, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, TipoValeTransporteListTest, qvtest::OnBothDatabases(kListCases),
                         qvtest::DatabaseCaseName());

TEST_F(TipoValeTransporteTest, ListFormatsThePriceAndKeepsNulls) {
  struct Case {
    const char* name;
    const char* decimal;
    const char* rows;
  };
  const Case cases[] = {
      {"Comma", ",", "10|Balsa|7,00|20|9|2023-12-24|5|S;2|Metrô|2,50|1000|2|Null|0|N;11|Trem|Null|Null|2|Null|Null|Null;"
                     "1|Ônibus intermunicipal|12,75|500|1|2024-02-01|100|S;"},
      {"Point", ".", "10|Balsa|7.00|20|9|2023-12-24|5|S;2|Metrô|2.50|1000|2|Null|0|N;11|Trem|Null|Null|2|Null|Null|Null;"
                     "1|Ônibus intermunicipal|12.75|500|1|2024-02-01|100|S;"},
  };
  for (const Case& k : cases) {
    automation::RegionalSettings settings;
    settings.decimal_separator = k.decimal;
    settings.thousands_separator = *k.decimal == ',' ? "." : ",";
    automation::ScopedRegionalSettings scope(settings);
    Variant list, f[7] = {N, N, N, N, N, N, N};
    c.CarTipoValeTransporte(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
    EXPECT_EQ(desc, "") << k.name;
    std::string got;
    const auto rows = qvtest::Rows(list);
    for (std::size_t r = 1; r < rows.size(); ++r) {
      std::vector<Variant> cells = rows[r];
      if (!cells[5].is_null()) cells[5] = Variant(automation::Format(cells[5], "yyyy-mm-dd"));
      got += Joined(cells) + ";";
    }
    EXPECT_EQ(got, k.rows) << k.name;
    EXPECT_TRUE(rows[1][2].is_string()) << k.name;
  }
}

TEST_F(TipoValeTransporteTest, ListOnAnEmptyTableGivesTheCaptions) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsTipoValeTransporte");
  Variant list, f[7] = {N, N, N, N, N, N, N};
  c.CarTipoValeTransporte(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(TipoValeTransporteTest, Statements) {
  const qvtest::StatementCase<TipoValeTransporteTest> cases[] = {
      {"BusDescr",
       [](TipoValeTransporteTest& t) {
         std::int32_t key = 7;
         std::string d;
         t.c.BusDescrTipoValeTransporte(Postgres(), t.desc, key, d);
       },
       {"SELECT DescrTipoValeTransporte FROM   RhsTipoValeTransporte WHERE  CodTipoValeTransporte = 7"}},
      {"Exc",
       [](TipoValeTransporteTest& t) {
         std::int32_t key = 7;
         t.c.ExcTipoValeTransporte(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsTipoValeTransporte WHERE CodTipoValeTransporte = 7"}},
      {"CarAll",
       [](TipoValeTransporteTest& t) {
         Variant list, f[] = {Variant("1%"), Variant("ô%"), Variant("2,5"), Variant(std::int32_t{10}),
                              Variant(std::int32_t{3}), Variant("via%"), Variant("S")};
         t.c.CarTipoValeTransporte(Postgres(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
       },
       {"SELECT RhsTipoValeTransporte.*, RhsTransportador.NomeTransp FROM ( RhsTipoValeTransporte LEFT JOIN "
        "RhsTransportador ON RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) WHERE "
        "CStr(CodTipoValeTransporte) LIKE '1%' AND UPPER(DescrTipoValeTransporte) LIKE 'Ô%' AND ValorUnitario = 2.5  "
        "AND QuantComercializada = 10 AND RhsTipoValeTransporte.CodTransp = 3 AND UPPER(NomeTransp) LIKE 'VIA%' AND "
        "Ativado = 'S' ORDER BY DescrTipoValeTransporte"}},
      {"CarOffPostgres",
       [](TipoValeTransporteTest& t) {
         Variant list, f[] = {N, Variant("ô%"), N, N, N, N, N};
         t.c.CarTipoValeTransporte(qvtest::Sqlite(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
       },
       {"SELECT RhsTipoValeTransporte.*, RhsTransportador.NomeTransp FROM ( RhsTipoValeTransporte LEFT JOIN "
        "RhsTransportador ON RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) WHERE "
        "(DescrTipoValeTransporte) LIKE 'Ô%' ORDER BY DescrTipoValeTransporte"}},
      {"Bus",
       [](TipoValeTransporteTest& t) {
         std::int32_t key = 7, q = 0, tr = 0, qu = 0;
         std::string d, n, a;
         double v = 0;
         Variant data;
         t.c.BusTipoValeTransporte(Postgres(), t.desc, key, d, v, q, tr, n, data, qu, a);
       },
       {"SELECT RhsTipoValeTransporte.*, RhsTransportador.NomeTransp FROM ( RhsTipoValeTransporte LEFT JOIN "
        "RhsTransportador ON  RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) WHERE  "
        "CodTipoValeTransporte = 7"}},
      {"Alt",
       [](TipoValeTransporteTest& t) {
         VoucherType k;
         k.valor = 12.5;
         std::int32_t key = 7;
         t.Write(false, key, k);
       },
       {"UPDATE RhsTipoValeTransporte SET DescrTipoValeTransporte = 'Ônibus municipal', ValorUnitario = 12.5, "
        "QuantComercializada = 1000, CodTransp = 1, DataUltimaCompra = '2024/03/05', QuantUltimaCompra = 200, "
        "Ativado = 'S' WHERE CodTipoValeTransporte = 7"}},
      {"Inc",
       [](TipoValeTransporteTest& t) {
         VoucherType k;
         k.data = kNull;
         std::int32_t key = 7;
         t.Write(true, key, k);
       },
       {"SELECT MAX(CodTipoValeTransporte) AS MaxCod FROM RhsTipoValeTransporte",
        "INSERT INTO RhsTipoValeTransporte (CodTipoValeTransporte, DescrTipoValeTransporte, ValorUnitario, "
        "QuantComercializada, CodTransp, DataUltimaCompra, QuantUltimaCompra, Ativado) VALUES ( 1, "
        "'Ônibus municipal',  4.4,  1000,  1,  Null,  200, 'S') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoValeTransporte"); });
}

TEST_F(TipoValeTransporteTest, DispatchByName) {
  com::DispatchObject<quorvel::classTipoValeTransporte> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn,      Variant(""), Variant("1"), Variant(), Variant(), Variant(),
                           Variant(), Variant(),   Variant(),    Variant(), Variant()};
  const com::CallResult r = object.Invoke("bustipovaletransporte", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[1], Variant(""));
  EXPECT_EQ(bus[3], Variant("Ônibus intermunicipal"));
  EXPECT_EQ(bus[4], Variant(12.75));
  EXPECT_EQ(bus[7], Variant("Viação Cometa"));
  EXPECT_EQ(automation::Format(bus[8], "yyyy-mm-dd"), "2024-02-01");
}

}  // namespace
