// SPDX-License-Identifier: MIT
// classExameAgendado against PostgreSQL, its lists on SQLite too.
#include "quorvel/health/classExameAgendado.h"

#include <gtest/gtest.h>

#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::TimeSerial;
using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;

// The writable values of an appointment.
struct Appointment {
  std::int32_t funcionario, tipo;
  std::string status;
  Variant data, hora;
  std::string local, medico, registro;
};

class AgendadoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsExameAgendado"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsExameAgendado; DELETE FROM RhsTipoExameMedico;"
                 "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (100, 'Ana Souza'), (101, 'João Lima');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (1, 100), (2, 101), (3, 999);"
                 "INSERT INTO RhsTipoExameMedico VALUES (1, 'Admissional', 0, 'S'), (2, 'Periódico', 0, 'S');"
                 "INSERT INTO RhsExameAgendado VALUES"
                 " (1, 2, 2, 'Agendado', '2024-03-05', '08:30', 'Clínica Central', 'Dr. Paulo', 'CRM 1234'),"
                 " (2, 1, 2, 'Realizado', '2024-01-10', '14:00', 'Clínica Central', 'Dra. Lia', ''),"
                 " (3, 1, 1, 'Agendado', NULL, NULL, '', '', 'CRM 555'),"
                 " (4, 3, 1, 'Cancelado', '2024-02-01', '09:15', 'Hospital Sul', 'Dr. Paulo', 'CRM 1234'),"
                 " (12, 2, 1, 'agendado', '2024-06-30', '23:59', 'Posto d''Água', 'Dr. Rui', 'CRM 9')");
  }
  std::int32_t Insert(Appointment a) {
    std::int32_t key = -1;
    c.IncExameAgendado(Postgres(), desc, user, machine, key, a.funcionario, a.tipo, a.status, a.data, a.hora, a.local,
                       a.medico, a.registro);
    return key;
  }
  static std::string Stored(std::int32_t key) {
    return qvtest::Cell(Postgres(),
                          "SELECT CodFuncionario || '|' || CodTipoExame || '|' || Status || '|' || "
                          "COALESCE(CAST(Data AS text), 'Null') || '|' || COALESCE(CAST(Hora AS text), "
                          "'Null') || '|' || LocalConsulta || '|' || Medico || '|' || NrRegMedico "
                          "FROM RhsExameAgendado WHERE CodExameAgendado = " +
                              std::to_string(key));
  }

  quorvel::classExameAgendado c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(AgendadoTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert({1, 2, "Agendado", Variant(DateSerial(2024, 3, 5)), Variant(TimeSerial(8, 30, 0)), "Clínica",
                    "Dr. Paulo", "CRM 1"}),
            1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsExameAgendado (CodExameAgendado) VALUES (41)");
  EXPECT_EQ(Insert({2, 1, "x' OR '1'='1", kNull, kNull, "d'Ávila", "O'Brien", "UPPER"}), 42);
  EXPECT_EQ(Insert({2, 1, "", Variant("05/03/2024"), Variant("17:45"), "", "", ""}), 43);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "1|2|Agendado|2024-03-05|08:30:00|Clínica|Dr. Paulo|CRM 1");
  EXPECT_EQ(Stored(42), "2|1|x' OR '1'='1|Null|Null|d'Ávila|O'Brien|UPPER");
  EXPECT_EQ(Stored(43), "2|1||2024-03-05|17:45:00|||");
}

TEST_F(AgendadoTest, WritersRefuseWhatIsNoDateOrTime) {
  const Appointment cases[] = {
      {1, 1, "", Variant("amanhã' OR '1'='1"), kNull, "", "", ""},
      {1, 1, "", kNull, Variant("08:30'); DELETE FROM RhsCargo; --"), "", "", ""},
  };
  for (const Appointment& a : cases) {
    qvtest::Trace trace;
    desc.clear();
    Insert(a);
    EXPECT_EQ(desc, "13    Quorvel");
    Appointment b = a;
    std::int32_t key = 1;
    desc.clear();
    c.AltExameAgendado(Postgres(), desc, user, machine, key, b.funcionario, b.tipo, b.status, b.data, b.hora, b.local,
                       b.medico, b.registro);
    EXPECT_EQ(desc, "13    Quorvel");
    EXPECT_FALSE(trace.Sent("INSERT") || trace.Sent("UPDATE"));
  }
}

TEST_F(AgendadoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsExameAgendado (CodExameAgendado) VALUES (2147483647)", "RhsExameAgendado",
      [&] {
        return Insert({1, 1, "", kNull, kNull, "", "", ""});
      },
      desc);
}

TEST_F(AgendadoTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // every output, "|"-separated; they start as -1 and "old"
  };
  const Case cases[] = {
      {1, "", "1|2|João Lima|2|Periódico|Agendado|05/03/2024|08:30|Clínica Central|Dr. Paulo|CRM 1234"},
      {3, "", "3|1|Ana Souza|1|Admissional|Agendado|Null|Null|||CRM 555"},
      {77, "3021    Quorvel", "77|-1|old|-1|old|old|old|old|old|old|old"},
      {4, "94    Quorvel", "4|3|old|-1|old|old|old|old|old|old|old"},  // no person row
  };
  auto shown = [](const Variant& v, const char* pattern) {
    return v.is_null() ? std::string("Null") : v == Variant("old") ? "old" : automation::Format(v, pattern);
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, funcionario = -1, tipo = -1;
    std::string nome = "old", descr = "old", status = "old", local = "old", medico = "old", registro = "old";
    Variant data("old"), hora("old");
    desc.clear();
    c.BusExameAgendado(Postgres(), desc, key, funcionario, nome, tipo, descr, status, data, hora, local, medico,
                       registro);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream out;
    out << key << '|' << funcionario << '|' << nome << '|' << tipo << '|' << descr << '|' << status << '|'
        << shown(data, "dd/mm/yyyy") << '|' << shown(hora, "hh:mm") << '|' << local << '|' << medico << '|' << registro;
    EXPECT_EQ(out.str(), k.outputs) << k.key;
  }
}

TEST_F(AgendadoTest, UpdateWithNullClearsTheDateAndTime) {
  Seed(Postgres());
  std::int32_t key = 1;
  Appointment a{2, 1, "Realizado", kNull, kNull, "Hospital Sul", "Dr. O'Hara", "CRM 2"};
  c.AltExameAgendado(Postgres(), desc, user, machine, key, a.funcionario, a.tipo, a.status, a.data, a.hora, a.local,
                     a.medico, a.registro);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "2|1|Realizado|Null|Null|Hospital Sul|Dr. O'Hara|CRM 2") << "Null clears the date and time";
}

TEST_F(AgendadoTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 1;
  Appointment a{2, 1, "Realizado", Variant(DateSerial(2025, 12, 31)), Variant(TimeSerial(7, 5, 0)), "Hospital Sul",
                "Dr. O'Hara", "CRM 2"};
  c.AltExameAgendado(Postgres(), desc, user, machine, key, a.funcionario, a.tipo, a.status, a.data, a.hora, a.local,
                     a.medico, a.registro);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "2|1|Realizado|2025-12-31|07:05:00|Hospital Sul|Dr. O'Hara|CRM 2");
  EXPECT_EQ(Stored(2), "1|2|Realizado|2024-01-10|14:00:00|Clínica Central|Dra. Lia|");
}

TEST_F(AgendadoTest, DeleteRemovesItsRow) {
  Seed(Postgres());
  std::int32_t key = 1;
  c.ExcExameAgendado(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsExameAgendado"), 4);
}

class AgendadoListTest : public qvtest::ListTest<AgendadoTest> {};

const Variant N = kNull;

TEST_P(AgendadoListTest, Filters) {
  Seed(conn());
  auto f = Args(7);
  Variant list = qvtest::kUntouchedList;
  c.CarExameAgendado(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  ExpectList(desc, list,
             qvtest::Texts({"CodExameAgendado", "Nome", "DescrTipoExame", "Status", "Data", "Hora", "LocalConsulta"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "3 2 12 1 4", "", "4 3 2 12 1"},
    {"Key", {Variant("1%")}, "12 1"},
    {"Employee", {N, Variant(std::int32_t{1})}, "3 2"},
    {"Name", {N, N, Variant("%lima")}, "12 1"},
    {"NameWithPortugueseLetters", {N, N, Variant("joão%")}, "12 1"},
    {"ExamType", {N, N, N, Variant(std::int32_t{1})}, "3 12 4", "", "4 3 12"},
    {"StatusKeepsItsCase", {N, N, N, N, Variant("Agendado")}, "3 1", "", "3 12 1"},
    {"Place", {N, N, N, N, N, Variant("clínica%")}, "2 1"},
    {"PlaceAscii", {N, N, N, N, N, Variant("%central")}, "2 1"},
    {"QuoteInPlace", {N, N, N, N, N, Variant("posto d'água")}, "12"},
    {"Doctor", {N, N, N, N, N, N, Variant("dr. paulo")}, "1 4", "", "4 1"},
    {"Several", {N, Variant("2"), Variant("%"), Variant("%"), Variant("%"), Variant("%"), Variant("DR%")}, "12 1"},
    {"InjectionInName", {N, N, Variant("x' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, AgendadoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

class AgendadoDatabaseTest : public qvtest::DatabaseTest<AgendadoTest> {};

TEST_P(AgendadoDatabaseTest, ListShowsDateAndTimeAsText) {
  Seed(conn());
  Variant list, a = kNull, b = kNull, d = kNull, e = kNull, f = kNull, g = kNull, h = kNull;
  c.CarExameAgendado(conn(), desc, list, a, b, d, e, f, g, h);
  EXPECT_EQ(desc, "");
  for (const auto& row : qvtest::Rows(list)) {
    if (row[0] == Variant(std::int32_t{1})) {
      EXPECT_EQ(row, (std::vector<Variant>{Variant(std::int32_t{1}), Variant("João Lima"), Variant("Periódico"),
                                           Variant("Agendado"), Variant("05/03/2024"), Variant("08:30"),
                                           Variant("Clínica Central")}));
    }
    if (row[0] == Variant(std::int32_t{3})) {
      EXPECT_TRUE(row[4].is_null());
      EXPECT_TRUE(row[5].is_null());
    }
    if (row[0] == Variant(std::int32_t{4})) {
      EXPECT_TRUE(row[1].is_null()) << "no person row";
    }
  }
}

TEST_P(AgendadoDatabaseTest, PickLists) {
  struct Case {
    const char* name;
    void (quorvel::classExameAgendado::*method)(ado::Connection&, std::string&, Variant&);
    std::vector<Variant> seeded, empty;
  };
  const Case cases[] = {
      {"Place",
       &quorvel::classExameAgendado::CarComboLocalConsulta,
       {Variant("Clínica Central"), Variant("Hospital Sul"), Variant("Posto d'Água"), Variant()},
       {Variant()}},
      {"Doctor",
       &quorvel::classExameAgendado::CarComboMedico,
       {Variant("Dr. Paulo"), Variant("Dr. Rui"), Variant("Dra. Lia"), Variant()},
       {Variant()}},
      {"Registration",
       &quorvel::classExameAgendado::CarComboNrRegMedico,
       {Variant("CRM 1234"), Variant("CRM 555"), Variant("CRM 9"), Variant()},
       {Variant()}},
  };
  for (const Case& k : cases) {
    Seed(conn());
    qvtest::Exec(conn(), "INSERT INTO RhsExameAgendado (CodExameAgendado) VALUES (50)");  // Nulls are not offered
    Variant list;
    (c.*k.method)(conn(), desc, list);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(qvtest::Elements(list), k.seeded) << k.name;
    qvtest::Exec(conn(), "UPDATE RhsExameAgendado SET LocalConsulta = '', Medico = '', NrRegMedico = ''");
    (c.*k.method)(conn(), desc, list);
    EXPECT_EQ(qvtest::Elements(list), k.empty) << k.name;
  }
}

TEST_F(AgendadoTest, Statements) {
  std::int32_t key = 7, funcionario = 1, tipo = 2;
  std::string status = "A", local = "L", medico = "M", registro = "R", s;
  Variant data(DateSerial(2024, 3, 5)), hora(TimeSerial(8, 30, 0)), none = kNull, list, v1, v2;
  const std::string select =
      "SELECT RhsExameAgendado.*, RhsTipoExameMedico.DescrTipoExame, RhsDadosPessoais.Nome FROM ((( RhsExameAgendado "
      "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameAgendado.CodTipoExame) "
      "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameAgendado.CodFuncionario) "
      "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) ";
  const std::string all = select +
                          "WHERE CodExameAgendado LIKE '1' AND  RhsExameAgendado.CodFuncionario  LIKE '2' AND "
                          "UPPER(RhsDadosPessoais.Nome) LIKE 'ANA%' AND  RhsExameAgendado.CodTipoExame LIKE '3' AND "
                          "RhsExameAgendado.Status LIKE 'ag%' AND UPPER(LocalConsulta) LIKE 'CL%' AND "
                          "UPPER(Medico) LIKE 'DR%' ORDER BY Nome, DescrTipoExame";
  const std::string sqlite = select +
                             "WHERE (RhsDadosPessoais.Nome) LIKE 'ANA%' AND (LocalConsulta) LIKE 'CL%' AND "
                             "(Medico) LIKE 'DR%' ORDER BY Nome, DescrTipoExame";
  const std::string none_list = select + " ORDER BY Nome, DescrTipoExame";
  const std::string bus = select + "WHERE RhsExameAgendado.CodExameAgendado = 7";
  qvtest::ExpectStatements(
      {
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull, e = kNull, f = kNull, g = kNull, h = kNull;
             c.CarExameAgendado(Postgres(), desc, list, a, b, d, e, f, g, h);
           },
           {none_list.c_str()}},
          {"CarAll",
           [&] {
             Variant a(std::int32_t{1}), b(std::int32_t{2}), d("ana%"), e(std::int32_t{3}), f("ag%"), g("cl%"),
                 h("dr%");
             c.CarExameAgendado(Postgres(), desc, list, a, b, d, e, f, g, h);
           },
           {all.c_str()}},
          {"CarOffPostgres",
           [&] {
             Variant a = kNull, b = kNull, d("ana%"), e = kNull, f = kNull, g("cl%"), h("dr%");
             c.CarExameAgendado(qvtest::Sqlite(), desc, list, a, b, d, e, f, g, h);
           },
           {sqlite.c_str()}},
          {"Bus",
           [&] {
             std::int32_t n = 0;
             c.BusExameAgendado(Postgres(), desc, key, n, s, n, s, s, v1, v2, s, s, s);
           },
           {bus.c_str()}},
          {"ComboPlace",
           [&] { c.CarComboLocalConsulta(qvtest::Sqlite(), desc, list); },
           {"SELECT DISTINCT LocalConsulta FROM RhsExameAgendado WHERE LocalConsulta <> '' ORDER BY LocalConsulta "}},
          {"ComboDoctor",
           [&] { c.CarComboMedico(Postgres(), desc, list); },
           {"SELECT DISTINCT Medico FROM RhsExameAgendado WHERE Medico <> '' ORDER BY Medico "}},
          {"ComboRegistration",
           [&] { c.CarComboNrRegMedico(Postgres(), desc, list); },
           {"SELECT DISTINCT NrRegMedico FROM RhsExameAgendado WHERE NrRegMedico <> '' ORDER BY NrRegMedico "}},
          {"Alt",
           [&] {
             c.AltExameAgendado(Postgres(), desc, user, machine, key, funcionario, tipo, status, data, hora, local,
                                medico, registro);
           },
           {"UPDATE RhsExameAgendado SET CodFuncionario = 1, CodTipoExame = 2, Status = 'A', Data = '2024/03/05', "
            "Hora = '08:30', LocalConsulta = 'L', Medico = 'M', NrRegMedico = 'R' WHERE CodExameAgendado = 7"}},
          {"AltNull",
           [&] {
             c.AltExameAgendado(Postgres(), desc, user, machine, key, funcionario, tipo, status, none, none, local,
                                medico, registro);
           },
           {"UPDATE RhsExameAgendado SET CodFuncionario = 1, CodTipoExame = 2, Status = 'A', Data = Null, "
            "Hora = Null, LocalConsulta = 'L', Medico = 'M', NrRegMedico = 'R' WHERE CodExameAgendado = 7"}},
          {"Exc",
           [&] { c.ExcExameAgendado(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsExameAgendado WHERE CodExameAgendado = 7"}},
          {"Inc",
           [&] {
             c.IncExameAgendado(Postgres(), desc, user, machine, key, funcionario, tipo, status, data, hora, local,
                                medico, registro);
           },
           {"SELECT MAX(CodExameAgendado) AS MaxCod FROM RhsExameAgendado ",
            "INSERT INTO RhsExameAgendado (CodExameAgendado, CodFuncionario, CodTipoExame, Status, Data, Hora, "
            "LocalConsulta, Medico, NrRegMedico) VALUES ( 1,  1,  2, 'A',  '2024/03/05',  '08:30', 'L', 'M', 'R') "}},
          {"IncNull",
           [&] {
             c.IncExameAgendado(Postgres(), desc, user, machine, key, funcionario, tipo, status, none, none, local,
                                medico, registro);
           },
           {"SELECT MAX(CodExameAgendado) AS MaxCod FROM RhsExameAgendado ",
            "INSERT INTO RhsExameAgendado (CodExameAgendado, CodFuncionario, CodTipoExame, Status, Data, Hora, "
            "LocalConsulta, Medico, NrRegMedico) VALUES ( 1,  1,  2, 'A',  Null,  Null, 'L', 'M', 'R') "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsExameAgendado"); });
}

TEST_F(AgendadoTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classExameAgendado> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> combo{conn, Variant(""), Variant()};
  const com::CallResult r = object.Invoke("carcombomedico", combo);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(qvtest::Elements(combo[2]).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Both, AgendadoDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
