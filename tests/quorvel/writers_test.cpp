// SPDX-License-Identifier: MIT
// Inserts that lose their new key to another writer: taken again and retried,
// the key handed back is the one written; a bounded number of attempts; a
// duplicate in another unique key is not retried. Then eight real writers at
// once on PostgreSQL.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/automation/convert.h"
#include "quorvel/common/new_key.h"
#include "quorvel/personnel/classCargo.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/recruitment/classConhecimento.h"
#include "tests/quorvel/fixture.h"
#include "tests/support/testdb.h"

namespace {

using automation::Variant;

const std::string kKeyTakenText = std::to_string(quorvel::kKeyTaken) + "    Quorvel";
const std::string kDatabaseText = std::to_string(automation::err::kDatabase) + "    Quorvel";

// Another writer on a connection of its own: just before each of the first
// `times` inserts into the table is sent, it inserts a row under the key
// that insert carries (the largest key plus one). Records every statement of
// the library's connection meanwhile.
class Rival {
 public:
  Rival(bool postgres, std::string table, std::string row, int times)
      : prefix_("INSERT INTO " + table + " ("),
        statement_("INSERT INTO " + table + " " + row + " FROM " + table),
        times_(times),
        trace_([this](std::string_view sql) { Seen(sql); }) {
    conn_.Open(postgres ? testdb::Get().postgres : testdb::Get().sqlite);
  }

  const std::vector<std::string>& statements() const { return statements_; }
  int Sent(std::string_view prefix) const {
    int n = 0;
    for (const auto& s : statements_) n += s.starts_with(prefix);
    return n;
  }

 private:
  void Seen(std::string_view sql) {
    if (inside_) return;  // the rival's own statement
    statements_.emplace_back(sql);
    if (!sql.starts_with(prefix_) || taken_ == times_) return;
    ++taken_;
    inside_ = true;
    conn_.Execute(statement_, -1);
    inside_ = false;
  }

  std::string prefix_, statement_;
  int times_, taken_ = 0;
  bool inside_ = false;
  ado::Connection conn_;
  std::vector<std::string> statements_;
  ado::ScopedTrace trace_;
};

class LostKeyTest : public qvtest::DatabaseTest<> {
 protected:
  void SetUp() override {
    qvtest::Exec(conn(), "DROP INDEX IF EXISTS RhsConselhoSigla; DELETE FROM RhsConselho; DELETE FROM RhsConhecimento");
  }

  // A rival that takes the council keys.
  Rival Councils(int times) const {
    return Rival(postgres(), "RhsConselho",
                 "(CodConselho, SiglaConselho, NomeConselho) SELECT COALESCE(MAX(CodConselho), 0) + 1, 'R', 'rival'",
                 times);
  }
  std::int32_t IncConselho(std::string sigla, std::string nome) {
    std::int32_t key = -1;
    quorvel::classConselho().IncConselho(conn(), desc, user, machine, key, sigla, nome);
    return key;
  }

  std::string desc, user = "ana", machine = "estacao1";
};

TEST_P(LostKeyTest, TakesTheNextKeyAgain) {
  struct Case {
    const char* name;
    int losses;
    std::int32_t key;  // handed back
    const char* desc;
  };
  const Case cases[] = {
      {"WinsAtOnce", 0, 1, ""},
      {"LosesOnce", 1, 2, ""},
      {"LosesThreeTimes", 3, 4, ""},
      {"LosesEveryAttempt", quorvel::kInsertAttempts, 0, kKeyTakenText.c_str()},
  };
  for (const Case& k : cases) {
    SetUp();
    desc.clear();
    Rival rival = Councils(k.losses);
    EXPECT_EQ(IncConselho("CRM", "Medicina"), k.key) << k.name;
    EXPECT_EQ(desc, k.desc) << k.name;
    const bool written = k.key != 0;
    EXPECT_EQ(rival.Sent("INSERT INTO RhsConselho ("), k.losses + (written ? 1 : 0)) << k.name;
    EXPECT_EQ(rival.Sent("SELECT MAX(CodConselho) AS MaxCod FROM RhsConselho"), rival.Sent("INSERT")) << k.name;
    // The look-up that tells the lost key from other refusals, once a loss.
    EXPECT_EQ(rival.Sent("SELECT CodConselho FROM RhsConselho WHERE CodConselho = "), k.losses) << k.name;
    EXPECT_EQ(qvtest::Count(conn(), "RhsConselho WHERE NomeConselho = 'rival'"), k.losses) << k.name;
    EXPECT_EQ(qvtest::Count(conn(), "RhsConselho WHERE NomeConselho = 'Medicina'"), written ? 1 : 0) << k.name;
    if (written) {
      EXPECT_EQ(qvtest::Cell(conn(), "SELECT NomeConselho FROM RhsConselho WHERE CodConselho = " +
                                         std::to_string(k.key)),
                "Medicina")
          << k.name;
    }
  }
}

TEST_P(LostKeyTest, TextKeyAndItsPaths) {
  Rival rival(postgres(), "RhsConhecimento",
              "(CodConhec, CodPaiConhec, DescrConhec, CodCompletoConhec, DescrCompletaConhec)"
              " SELECT CAST(COALESCE(MAX(CAST(CodConhec AS integer)), 0) + 1 AS varchar(20)),"
              " '', 'rival', '.r.', '> rival >'",
              1);
  std::string code = "old", parent, descr = "Inglês", code_path, descr_path;
  quorvel::classConhecimento().IncConhecimento(conn(), desc, user, machine, code, parent, descr, code_path,
                                               descr_path);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(code, "2");
  EXPECT_EQ(code_path, ".2.");
  EXPECT_EQ(descr_path, "> Inglês >");
  EXPECT_EQ(qvtest::Cell(conn(), "SELECT CodCompletoConhec FROM RhsConhecimento WHERE DescrConhec = 'Inglês'"),
            ".2.");
  EXPECT_EQ(rival.Sent("SELECT CodConhec FROM RhsConhecimento WHERE CodConhec = '1'"), 1);
}

// A duplicate in another unique key is the database's refusal as before:
// one insert, the generic error, the allocated key handed back.
TEST_P(LostKeyTest, OtherUniqueKeyIsNotRetried) {
  qvtest::Exec(conn(), "CREATE UNIQUE INDEX RhsConselhoSigla ON RhsConselho (SiglaConselho);"
                       "INSERT INTO RhsConselho VALUES (1, 'CRM', 'Medicina')");
  qvtest::Trace trace;
  const std::int32_t key = IncConselho("CRM", "Outra");
  qvtest::Exec(conn(), "DROP INDEX RhsConselhoSigla");
  EXPECT_EQ(key, 2);
  EXPECT_EQ(desc, kDatabaseText);
  int inserts = 0;
  for (const auto& s : trace.statements()) inserts += s.starts_with("INSERT");
  EXPECT_EQ(inserts, 1);
  EXPECT_EQ(qvtest::Count(conn(), "RhsConselho"), 1);
}

// Each database's own refusal of a duplicate key; a key that no row holds,
// or a look-up that fails, is no lost key.
TEST_P(LostKeyTest, RecognisesEachDialectsDuplicate) {
  qvtest::Exec(conn(), "INSERT INTO RhsConselho VALUES (1, 'CRM', 'Medicina')");
  ado::Connection& c = conn();
  try {
    c.Execute("INSERT INTO RhsConselho (CodConselho, SiglaConselho, NomeConselho) VALUES (1, 'X', 'Y')", -1);
    FAIL() << "the duplicate was accepted";
  } catch (const automation::Error& e) {
    EXPECT_TRUE(quorvel::IsUniqueViolation(e)) << e.description();
    EXPECT_TRUE(quorvel::LostKey(c, e, {"RhsConselho", "CodConselho"}, "1"));
    EXPECT_FALSE(quorvel::LostKey(c, e, {"RhsConselho", "CodConselho"}, "2"));
    EXPECT_FALSE(quorvel::LostKey(c, e, {"NoSuchTable", "CodConselho"}, "1"));
  }
  try {
    c.Execute("INSERT INTO NoSuchTable VALUES (1)", -1);
    FAIL();
  } catch (const automation::Error& e) {
    EXPECT_FALSE(quorvel::IsUniqueViolation(e)) << e.description();
  }
}

INSTANTIATE_TEST_SUITE_P(Both, LostKeyTest, ::testing::Bool(), qvtest::DatabaseName);

// Eight writers, each on its own connection and thread, 200 inserts each.
struct Call {
  std::int32_t key = -1;
  std::string desc;
  std::string text;
};

using Insert = std::function<void(ado::Connection&, Call&)>;

struct WriterCase {
  const char* name;
  const char* table;
  const char* key_column;
  const char* text_column;
  Insert insert;
};

TEST(ConcurrentWriters, EveryKeyHandedBackIsTheRowWritten) {
  constexpr int kWriters = 8, kCalls = 200;
  const WriterCase cases[] = {
      {"IncConselho", "RhsConselho", "CodConselho", "NomeConselho",
       [](ado::Connection& conn, Call& k) {
         std::string user = "w", machine = "m", sigla = "C", nome = k.text;
         quorvel::classConselho().IncConselho(conn, k.desc, user, machine, k.key, sigla, nome);
       }},
      {"IncCargo", "RhsCargo", "CodCargo", "NomeCargo",
       [](ado::Connection& conn, Call& k) {
         std::string user = "w", machine = "m", nome = k.text, cbo = "2521-05";
         double piso = 1.05;
         quorvel::classCargo().IncCargo(conn, k.desc, user, machine, k.key, nome, cbo, piso);
       }},
  };
  for (const WriterCase& w : cases) {
    qvtest::Exec(qvtest::Postgres(), std::string("DELETE FROM ") + w.table);
    // Connections opened first, one thread at a time.
    std::vector<std::unique_ptr<ado::Connection>> conns;
    for (int i = 0; i < kWriters; ++i) {
      conns.push_back(std::make_unique<ado::Connection>());
      conns.back()->Open(testdb::Get().postgres);
    }
    std::vector<std::vector<Call>> calls(kWriters, std::vector<Call>(kCalls));
    std::vector<std::thread> threads;
    for (int i = 0; i < kWriters; ++i) {
      threads.emplace_back([&, i] {
        for (int n = 0; n < kCalls; ++n) {
          Call& k = calls[i][n];
          k.text = "w" + std::to_string(i) + "-" + std::to_string(n);
          w.insert(*conns[i], k);
        }
      });
    }
    for (auto& t : threads) t.join();

    std::map<std::int32_t, std::string> rows;
    auto rs = qvtest::Postgres().Execute(std::string("SELECT ") + w.key_column + ", " + w.text_column +
                                         " FROM " + w.table, -1);
    for (; !rs->EOF_(); rs->MoveNext())
      rows[automation::CLng(rs->Fields(std::size_t{0}).Value())] = automation::CStr(rs->Fields(std::size_t{1}).Value());
    int failed = 0, ok = 0;
    std::set<std::int32_t> keys;
    for (const auto& writer : calls) {
      for (const Call& k : writer) {
        if (k.desc.empty()) {
          ++ok;
          EXPECT_TRUE(keys.insert(k.key).second) << w.name << ": key " << k.key << " handed back twice";
          EXPECT_EQ(rows[k.key], k.text) << w.name << ": key " << k.key;
        } else {
          ++failed;
          EXPECT_EQ(k.desc, kKeyTakenText) << w.name;
          EXPECT_EQ(k.key, 0) << w.name;
        }
      }
    }
    EXPECT_EQ(static_cast<int>(rows.size()), ok) << w.name << ": a row for each success, no other";
    EXPECT_LT(failed * 100, kWriters * kCalls) << w.name << ": " << failed << " calls failed";
  }
}

}  // namespace
