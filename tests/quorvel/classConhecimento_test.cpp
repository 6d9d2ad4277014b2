// SPDX-License-Identifier: MIT
// classConhecimento against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classConhecimento.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

class ConhecimentoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsConhecimento"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsConhecimento;"
                 "INSERT INTO RhsConhecimento VALUES ('1', '', 'Informática', '.1.', '> Informática >'),"
                 " ('2', '', 'Idiomas', '.2.', '> Idiomas >'),"
                 " ('3', '1', 'Redes', '.1.3.', '> Informática > Redes >'),"
                 " ('7', '12', 'C++', '.1.12.7.', '> Informática > Linguagens > C++ >'),"
                 " ('10', '', 'Gestão', '.10.', '> Gestão >'),"
                 " ('12', '1', 'Linguagens', '.1.12.', '> Informática > Linguagens >')");
  }
  struct Node {
    std::string code, parent, descr, code_path, descr_path;
  };
  Node Insert(std::string parent, std::string descr) {
    Node n{"old", std::move(parent), std::move(descr), "old", "old"};
    c.IncConhecimento(Postgres(), desc, user, machine, n.code, n.parent, n.descr, n.code_path, n.descr_path);
    return n;
  }
  void Rename(std::string code, std::string now, std::string before, std::string* last_path = nullptr) {
    std::string parent = "unused", code_path = "unused", path;
    c.AltConhecimento(Postgres(), desc, user, machine, code, parent, now, code_path, path, before);
    if (last_path) *last_path = path;
  }
  std::string Paths() {  // code path = description path, in tree order
    std::string out;
    Variant list, a = kNull, b = kNull, d = kNull, e = kNull, f = kNull;
    c.CarConhecimento(Postgres(), desc, list, a, b, d, e, f);
    for (const auto& row : qvtest::Rows(list))
      if (row[0] != Variant("CodConhec"))
        out += (out.empty() ? "" : " | ") + automation::CStr(row[3]) + "=" + automation::CStr(row[4]);
    return out;
  }

  quorvel::classConhecimento c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ConhecimentoTest, InsertComputesCodeAndPaths) {
  struct Case {
    const char* parent;
    const char* descr;
    const char* code;
    const char* code_path;
    const char* descr_path;
  };
  const Case cases[] = {
      {"", "A", "1", ".1.", "> A >"},
      {"1", "B", "2", ".1.2.", "> A > B >"},
      {"2", "C", "3", ".1.2.3.", "> A > B > C >"},
      {"99", "Órfão", "4", ".4.", "> Órfão >"},   // a parent that names no node: a root
      {"1", "O'Brien", "5", ".1.5.", "> A > O'Brien >"},
      {"x' OR '1'='1", "D", "6", ".6.", "> D >"},
      {"%", "E", "7", ".1.7.", "> A > E >"},       // the parent code is the whole pattern: the first match
  };
  for (const Case& k : cases) {
    const Node n = Insert(k.parent, k.descr);
    EXPECT_EQ(desc, "") << k.descr;
    EXPECT_EQ(n.code, k.code) << k.descr;
    EXPECT_EQ(n.code_path, k.code_path) << k.descr;
    EXPECT_EQ(n.descr_path, k.descr_path) << k.descr;
    std::string code = n.code, parent, descr, code_path, descr_path;
    c.BusConhecimento(Postgres(), desc, code, parent, descr, code_path, descr_path);
    EXPECT_EQ(parent + "|" + descr + "|" + code_path + "|" + descr_path,
              std::string(k.parent) + "|" + k.descr + "|" + k.code_path + "|" + k.descr_path);
  }
}

TEST_F(ConhecimentoTest, NextCodeIsNumericallyGreatest) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('9', '', 'N', '.9.', '> N >'),"
                           " ('41', '', 'Q', '.41.', '> Q >')");
  EXPECT_EQ(Insert("", "R").code, "42");
  EXPECT_EQ(Insert("", "S").code, "43");
  EXPECT_EQ(desc, "");
}

TEST_F(ConhecimentoTest, FailedNextCodeSendsNothing) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('2147483647', '', 'M', '.2147483647.', '> M >')");
  qvtest::Trace trace;
  const Node n = Insert("", "A");
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_EQ(n.code, "");
  EXPECT_EQ(n.code_path, "old");
  EXPECT_EQ(trace.statements().size(), 1u);
  EXPECT_FALSE(trace.Sent("INSERT"));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento"), 1);
}

TEST_F(ConhecimentoTest, RenameRewritesTheSubtree) {
  struct Case {
    const char* name;
    const char* code;
    const char* now;
    const char* before;
    const char* desc;
    const char* paths;  // after the rename
  };
  const Case cases[] = {
      {"Root", "1", "Z", "A", "", ".1.=> Z > | .1.2.=> Z > B > | .1.2.3.=> Z > B > C > | .4.=> B >"},
      {"Middle", "2", "Y", "B", "", ".1.=> A > | .1.2.=> A > Y > | .1.2.3.=> A > Y > C > | .4.=> B >"},
      {"Leaf", "3", "O'Brien", "C", "", ".1.=> A > | .1.2.=> A > B > | .1.2.3.=> A > B > O'Brien > | .4.=> B >"},
      {"OldDoesNotMatch", "1", "Z", "X", "", ".1.=> A > | .1.2.=> A > B > | .1.2.3.=> A > B > C > | .4.=> B >"},
      {"NoSuchCode", "9", "Z", "A", "3021    Quorvel",
       ".1.=> A > | .1.2.=> A > B > | .1.2.3.=> A > B > C > | .4.=> B >"},
      {"HostileCode", "1' OR '1'='1", "Z", "A", "3021    Quorvel",
       ".1.=> A > | .1.2.=> A > B > | .1.2.3.=> A > B > C > | .4.=> B >"},
  };
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(), "DELETE FROM RhsConhecimento;"
                             "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >'),"
                             " ('2', '1', 'B', '.1.2.', '> A > B >'), ('3', '2', 'C', '.1.2.3.', '> A > B > C >'),"
                             " ('4', '', 'B', '.4.', '> B >')");
    desc.clear();
    Rename(k.code, k.now, k.before);
    EXPECT_EQ(desc.substr(0, std::string(k.desc).size()), k.desc) << k.name;
    EXPECT_EQ(Paths(), k.paths) << k.name;
    const std::string own = automation::CStr(
        qvtest::Scalar(Postgres(), "SELECT DescrConhec FROM RhsConhecimento WHERE CodConhec = 1"));
    EXPECT_EQ(own, std::string(k.name) == "Root" || std::string(k.name) == "OldDoesNotMatch" ? "Z" : "A") << k.name;
  }
}

TEST_F(ConhecimentoTest, RenameHandsBackTheLastPath) {
  Insert("", "A");
  Insert("1", "B");
  std::string last;
  Rename("2", "Bê", "B", &last);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(last, "> A > Bê >");
}

TEST_F(ConhecimentoTest, RenameTouchesOnlyTheNodesOwnSegment) {
  // An ancestor and a descendant bear the node's description too.
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >'),"
                           " ('2', '1', 'A', '.1.2.', '> A > A >'), ('3', '2', 'A', '.1.2.3.', '> A > A > A >')");
  Rename("2", "B", "A");
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Paths(), ".1.=> A > | .1.2.=> A > B > | .1.2.3.=> A > B > A >");
}

TEST_F(ConhecimentoTest, RenameAfterDeleteStillRewritesTheChildren) {
  Insert("", "A");
  Insert("1", "B");
  Insert("2", "C");
  std::string code = "2";
  c.ExcConhecimento(Postgres(), desc, user, machine, code);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento"), 2) << "the children stay";
  Rename("2", "Y", "B");
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Paths(), ".1.=> A > | .1.2.3.=> A > Y > C >");
}

// The node's own row is gone: each row's code path tells which segment is
// the node's, so an ancestor or descendant of the same description keeps its own.
TEST_F(ConhecimentoTest, RenameOfAGoneNodeRewritesItsSegmentOnly) {
  struct Case {
    const char* name;
    const char* rows;  // VALUES of the tree, node 2 absent
    const char* paths;  // after renaming node 2 from A to B
  };
  const Case cases[] = {
      {"AncestorOfTheSameDescription",
       "('1', '', 'A', '.1.', '> A >'), ('3', '2', 'C', '.1.2.3.', '> A > A > C >')",
       ".1.=> A > | .1.2.3.=> A > B > C >"},
      {"DescendantOfTheSameDescription",
       "('3', '2', 'A', '.1.2.3.', '> X > A > A >'), ('4', '3', 'D', '.1.2.3.4.', '> X > A > A > D >')",
       ".1.2.3.=> X > B > A > | .1.2.3.4.=> X > B > A > D >"},
      {"RootGone", "('3', '2', 'A', '.2.3.', '> A > A >')", ".2.3.=> B > A >"},
      {"SegmentNotThere", "('3', '2', 'C', '.1.2.3.', '> A > Z > C >')", ".1.2.3.=> A > Z > C >"},
  };
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(), std::string("DELETE FROM RhsConhecimento; INSERT INTO RhsConhecimento VALUES ") + k.rows);
    desc.clear();
    Rename("2", "B", "A");
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(Paths(), k.paths) << k.name;
  }
}

// A failed path look-up sends no insert: the error of the look-up stays in
// DescErr, the new code is handed back, and no row is stored.
TEST_F(ConhecimentoTest, FailedPathLookupSendsNoInsert) {
  struct Case {
    const char* name;
    const char* parent_row;  // the parent, whose Null path fails the look-up
    const char* code_path;   // handed back
  };
  const Case cases[] = {
      {"CodePath", "('1', '', 'A', NULL, '> A >')", ""},
      {"DescriptionPath", "('1', '', 'A', '.1.', NULL)", ".1.2."},
  };
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(),
                 std::string("DELETE FROM RhsConhecimento; INSERT INTO RhsConhecimento VALUES ") + k.parent_row);
    desc.clear();
    qvtest::Trace trace;
    const Node n = Insert("1", "B");
    EXPECT_EQ(desc, "94    Quorvel") << k.name;
    EXPECT_EQ(n.code, "2") << k.name;
    EXPECT_EQ(n.code_path, k.code_path) << k.name;
    EXPECT_FALSE(trace.Sent("INSERT")) << k.name;
    EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento"), 1) << k.name;
  }
}

TEST_F(ConhecimentoTest, FailedRenameRollsBackEverything) {
  // The third row's Null path fails the rename after the node and the first path were written.
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >'),"
                           " ('2', '1', 'B', '.1.2.', '> A > B >'), ('3', '1', 'C', '.1.3.', NULL)");
  Rename("1", "Z", "A");
  EXPECT_EQ(desc, "94    Quorvel");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento WHERE DescrConhec = 'A' AND DescrCompletaConhec = '> A >'"),
            1);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento WHERE DescrCompletaConhec LIKE '> Z%'"), 0);
  // The connection is out of the transaction: a new one begins.
  Postgres().BeginTrans();
  Postgres().RollbackTrans();
}

TEST_F(ConhecimentoTest, RenameInsideTheCallersTransactionLeavesItAlone) {
  Insert("", "A");
  Postgres().BeginTrans();
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('5', '', 'P', '.5.', '> P >')");
  Rename("1", "Z", "A");
  EXPECT_EQ(desc.substr(0, 15), "-2147217900    ") << "a second transaction cannot begin";
  Postgres().CommitTrans();
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento"), 2) << "the caller's own work is kept";
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento WHERE DescrConhec = 'A'"), 1);
}

TEST_F(ConhecimentoTest, FetchTakesTheCodeAsOneValue) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >'),"
                           " ('2', '1', NULL, '.1.2.', '> A > B >')");
  struct Case {
    const char* code;
    const char* desc;
    const char* outputs;  // code|parent|descr|code path|descr path, "old" where untouched
  };
  const Case cases[] = {
      {"1", "", "1||A|.1.|> A >"},
      {"2", "94    Quorvel", "2|1|old|old|old"},
      {"9", "3021    Quorvel", "9|old|old|old|old"},
      {"x' OR '1'='1", "3021    Quorvel", "x' OR '1'='1|old|old|old|old"},
  };
  for (const Case& k : cases) {
    std::string code = k.code, parent = "old", descr = "old", code_path = "old", descr_path = "old";
    desc.clear();
    c.BusConhecimento(Postgres(), desc, code, parent, descr, code_path, descr_path);
    EXPECT_EQ(desc.substr(0, std::string(k.desc).size()), k.desc) << k.code;
    EXPECT_EQ(code + "|" + parent + "|" + descr + "|" + code_path + "|" + descr_path, k.outputs) << k.code;
  }
}

TEST_F(ConhecimentoTest, DeleteTakesTheCodeAsOneValue) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >'),"
                           " ('2', '1', NULL, '.1.2.', '> A > B >')");
  std::string code = "1";
  c.ExcConhecimento(Postgres(), desc, user, machine, code);
  code = "x' OR '1'='1";
  c.ExcConhecimento(Postgres(), desc, user, machine, code);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecimento"), 1);
}

class ConhecimentoListTest : public qvtest::ListTest<ConhecimentoTest> {};

TEST_P(ConhecimentoListTest, Filters) {
  Seed(conn());
  auto f = Args(5);
  Variant list = qvtest::kUntouchedList;
  c.CarConhecimento(conn(), desc, list, f[0], f[1], f[2], f[3], f[4]);
  ExpectList(desc, list,
             qvtest::Texts({"CodConhec", "CodPaiConhec", "DescrConhec", "CodCompletoConhec", "DescrCompletaConhec"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 12 7 3 10 2"},
    {"Code", {Variant("1")}, "1"},
    {"CodePattern", {Variant("1%")}, "1 12 10"},
    {"Parent", {kNull, Variant("1")}, "12 3"},
    {"DescriptionLowerCase", {kNull, kNull, Variant("%gest%")}, "10"},
    {"PortugueseLetters", {kNull, kNull, Variant("informática")}, "1"},
    {"CodePath", {kNull, kNull, kNull, Variant(".1.12.")}, "12"},
    {"DescriptionPath", {kNull, kNull, kNull, kNull, Variant("> informática > redes >")}, "3"},
    {"Several", {kNull, Variant("1"), Variant("%"), Variant(".1.3.")}, "3"},
    {"QuoteInCode", {Variant("1' OR '1'='1")}, ""},
    {"QuoteInDescription", {kNull, kNull, Variant("x' OR '1'='1")}, ""},
    {"WordsInValue", {kNull, kNull, Variant("%UPPER%cstr%")}, ""},
    {"Empty", {kNull, Variant("")}, "1 10 2"},
};
INSTANTIATE_TEST_SUITE_P(All, ConhecimentoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ConhecimentoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(ConhecimentoTest&)> call;
    std::vector<const char*> statements;
  };
  const Case cases[] = {
      {"Inc", [](ConhecimentoTest& t) { t.Insert("O'Brien", "A"); },
       {"SELECT MAX(CodConhec) AS MaxCod FROM RhsConhecimento",
        "SELECT CodCompletoConhec FROM RhsConhecimento WHERE CodConhec LIKE 'O''Brien'",
        "SELECT DescrCompletaConhec FROM RhsConhecimento WHERE CodConhec LIKE 'O''Brien'",
        "INSERT INTO RhsConhecimento (CodConhec, CodPaiConhec, DescrConhec, CodCompletoConhec, "
        "DescrCompletaConhec) VALUES ('1', 'O''Brien', 'A', '.1.', '> A >') "}},
      {"Alt",
       [](ConhecimentoTest& t) {
         qvtest::Exec(Postgres(), "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >')");
         t.Rename("1", "Z", "A");
       },
       {"UPDATE RhsConhecimento SET DescrConhec = 'Z' WHERE CodConhec = '1'",
        "SELECT CodConhec, DescrCompletaConhec, CodCompletoConhec FROM RhsConhecimento WHERE CodCompletoConhec LIKE '%.1.%'",
        "UPDATE RhsConhecimento SET DescrCompletaConhec = '> Z >' WHERE CodConhec = '1'"}},
      {"Exc",
       [](ConhecimentoTest& t) {
         std::string code = "4";
         t.c.ExcConhecimento(Postgres(), t.desc, t.user, t.machine, code);
       },
       {"DELETE FROM RhsConhecimento WHERE CodConhec = '4'"}},
      {"Bus",
       [](ConhecimentoTest& t) {
         std::string code = "4", a, b, d, e;
         t.c.BusConhecimento(Postgres(), t.desc, code, a, b, d, e);
       },
       {"SELECT * FROM RhsConhecimento WHERE CodConhec = '4'"}},
      {"CarAll",
       [](ConhecimentoTest& t) {
         Variant list, a("1%"), b("2"), d("ab%"), e(".1."), f("> a >");
         t.c.CarConhecimento(Postgres(), t.desc, list, a, b, d, e, f);
       },
       {"SELECT * FROM RhsConhecimento WHERE CodConhec LIKE '1%' AND CodPaiConhec LIKE '2' AND "
        "UPPER(DescrConhec) LIKE 'AB%' AND CodCompletoConhec = '.1.' AND UPPER(DescrCompletaConhec) = '> A >' "
        "ORDER BY CodCompletoConhec "}},
      {"CarOffPostgres",
       [](ConhecimentoTest& t) {
         Variant list, a = kNull, b = kNull, d("ção"), e = kNull, f = kNull;
         t.c.CarConhecimento(qvtest::Sqlite(), t.desc, list, a, b, d, e, f);
       },
       {"SELECT * FROM RhsConhecimento WHERE (DescrConhec) LIKE 'ÇÃO' ORDER BY CodCompletoConhec "}},
  };
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(), "DELETE FROM RhsConhecimento");
    std::vector<std::string> sent;
    {
      qvtest::Trace trace;
      k.call(*this);
      sent = trace.statements();
    }
    std::erase_if(sent, [](const std::string& s) { return s.starts_with("INSERT INTO RhsConhecimento VALUES"); });
    EXPECT_EQ(sent, std::vector<std::string>(k.statements.begin(), k.statements.end())) << k.name;
  }
}

TEST_F(ConhecimentoTest, DispatchByName) {
  com::DispatchObject<quorvel::classConhecimento> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant(""),
                           Variant("Informática"), Variant(), Variant()};
  com::CallResult r = object.Invoke("incconhecimento", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant("1"));
  EXPECT_EQ(inc[7], Variant(".1."));
  EXPECT_EQ(inc[8], Variant("> Informática >"));
}

}  // namespace
