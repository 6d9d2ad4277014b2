// SPDX-License-Identifier: MIT
#include "tests/quorvel/catalogue.h"

#include <algorithm>
#include <utility>

#include "platform/automation/convert.h"

namespace qvtest {

namespace {

std::string Table(const Catalogue& c) { return c.table; }

}  // namespace

std::string CatalogueName(const ::testing::TestParamInfo<const Catalogue*>& info) { return info.param->name; }

std::string CatalogueListName(const ::testing::TestParamInfo<CatalogueListParam>& info) {
  const auto& [catalogue, postgres, k] = info.param;
  return std::string(catalogue->name) + (postgres ? "_Postgres_" : "_Sqlite_") + k.name;
}

void SeedCatalogue(const Catalogue& c, ado::Connection& conn) {
  const std::string others = c.other_values;
  std::string rows;
  for (const char* row : {"1, 'Fundamental'", "2, 'Bota d''água'", "3, 'Cancelada'", "12, 'Pós-graduação'",
                          "13, 'Orçamento suspenso'", "30, 'Sem candidatos'", "40, NULL"})
    rows += std::string(rows.empty() ? "" : ", ") + "(" + row + others + ")";
  Exec(conn, "DELETE FROM " + Table(c) + "; INSERT INTO " + Table(c) + " (" + c.key + ", " + c.text +
                 c.other_columns + ") VALUES " + rows);
}

namespace {

struct CatalogueListCase {
  ListCase pattern;           // the answer of a list that matches the code as a pattern
  bool code_is_text = false;  // the code is no number
};

const CatalogueListCase kCatalogueListCases[] = {
    {{"None", {}, "1 2 3 12 13 30 40"}},
    {{"ExactCode", {Variant("3")}, "3"}},
    {{"CodeAsNumber", {Variant(std::int32_t{13})}, "13"}},
    {{"CodePattern", {Variant("%3%")}, "3 13 30"}, true},
    {{"CodeOfOneMoreDigit", {Variant("1_")}, "12 13"}, true},
    {{"LowerCaseText", {kNull, Variant("%cand%")}, "30"}},
    {{"PortugueseLetters", {kNull, Variant("orçamento%")}, "13"}},
    {{"PortugueseLettersUpperCased", {kNull, Variant("%ção")}, "12"}},
    {{"QuoteInText", {kNull, Variant("bota d'água")}, "2"}},
    {{"Both", {Variant("1%"), Variant("%o%")}, "12 13"}, true},
    {{"NoMatch", {kNull, Variant("zz%")}, ""}},
    {{"EmptyText", {kNull, Variant("")}, ""}},
    {{"WordsInValue", {kNull, Variant("%UPPER%")}, ""}},
    {{"QuoteInCode", {Variant("3' OR '1'='1")}, ""}, true},
    {{"QuoteInTextFilter", {kNull, Variant("x' OR '1'='1")}, ""}},
};

}  // namespace

std::vector<ListCase> CatalogueListCasesOf(const Catalogue& catalogue) {
  std::vector<ListCase> cases;
  for (const CatalogueListCase& k : kCatalogueListCases) {
    ListCase c = k.pattern;
    if (catalogue.exact_code && k.code_is_text) {
      c.keys = "";
      c.desc = "-2147217900    Quorvel";  // PostgreSQL refuses a text as the number
      c.sqlite_desc = "";
    }
    cases.push_back(c);
  }
  return cases;
}

// Instantiated by the tests of the catalogue classes alone.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CatalogueTest);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CatalogueListTest);

TEST_P(CatalogueListTest, Filters) {
  const auto& [catalogue, postgres, k] = GetParam();
  ado::Connection& conn = postgres ? Postgres() : Sqlite();
  SeedCatalogue(*catalogue, conn);
  std::vector<Variant> f = k.filters.Args(2);
  std::string desc;
  Variant list = kUntouchedList;
  catalogue->list(conn, desc, list, f[0], f[1]);
  ExpectListed(k, postgres, desc, list, catalogue->captions, [](const Variant& l) { return SortedKeys(l); });
}

void CatalogueTest::SetUp() { Exec(Postgres(), "DELETE FROM " + Table(catalogue())); }

std::int32_t CatalogueTest::Insert(std::string text) {
  std::int32_t key = -1;
  catalogue().insert(Postgres(), desc, user, machine, key, text);
  return key;
}

std::string CatalogueTest::TextOf(std::int32_t key) const {
  const Catalogue& c = catalogue();
  const Variant v = Scalar(Postgres(), std::string("SELECT ") + c.text + " FROM " + c.table + " WHERE " + c.key +
                                           " = " + std::to_string(key));
  if (v.is_empty()) return "(none)";
  return v.is_null() ? "Null" : automation::CStr(v);
}

long CatalogueTest::Rows() const { return Count(Postgres(), Table(catalogue())); }

TEST_P(CatalogueTest, InsertOnAnEmptyTableTakesKeyOne) {
  if (!catalogue().insert) GTEST_SKIP() << "no insert";
  EXPECT_EQ(Insert("Fundamental"), 1);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(TextOf(1), "Fundamental");
}

TEST_P(CatalogueTest, InsertTakesTheKeyAfterTheGreatest) {
  if (!catalogue().insert) GTEST_SKIP() << "no insert";
  Seed();
  Exec(Postgres(), std::string("DELETE FROM ") + catalogue().table + " WHERE " + catalogue().key + " = 13");
  EXPECT_EQ(Insert("Novo"), 41);
  EXPECT_EQ(Insert("Outro"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(TextOf(13), "(none)") << "a gap is not filled";
}

TEST_P(CatalogueTest, InsertStoresTheTextAsGiven) {
  if (!catalogue().insert) GTEST_SKIP() << "no insert";
  for (const char* text : {"O'Brien", "x' OR '1'='1", "UPPER cstr", "Diretoria d'área", "barra \\ invertida"}) {
    const std::int32_t key = Insert(text);
    EXPECT_EQ(desc, "") << text;
    EXPECT_EQ(TextOf(key), text);
  }
}

TEST_P(CatalogueTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  const Catalogue& c = catalogue();
  if (!c.insert) GTEST_SKIP() << "no insert";
  ExpectInsertRefusedAtTheLastKey(std::string("INSERT INTO ") + c.table + " (" + c.key + ", " + c.text +
                                      c.other_columns + ") VALUES (2147483647, 'Max'" + c.other_values + ")",
                                  c.table, [&] { return Insert("Novo"); }, desc);
}

// A fetch of key `key`: what DescErr, the key and the text (starting as "old") end as.
struct FetchCase {
  const char* name;
  std::int32_t key;
  const char* desc;
  const char* text;
};

const FetchCase kFetchCases[] = {
    {"Found", 13, "", "Orçamento suspenso"},
    {"QuoteInTheText", 2, "", "Bota d'água"},
    {"Missing", 77, "3021    Quorvel", "old"},
    {"NullText", 40, "94    Quorvel", "old"},
};

TEST_P(CatalogueTest, Fetch) {
  if (!catalogue().fetch) GTEST_SKIP() << "no fetch";
  Seed();
  for (const FetchCase& k : kFetchCases) {
    std::int32_t key = k.key;
    std::string text = "old";
    desc.clear();
    catalogue().fetch(Postgres(), desc, key, text);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(key, k.key) << k.name;
    EXPECT_EQ(text, k.text) << k.name;
  }
}

TEST_P(CatalogueTest, FetchOfTheTextAlone) {
  if (!catalogue().fetch_text) GTEST_SKIP() << "no fetch of the text alone";
  Seed();
  for (const FetchCase& k : kFetchCases) {
    std::int32_t key = k.key;
    std::string text = "old";
    desc.clear();
    catalogue().fetch_text(Postgres(), desc, key, text);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(key, k.key) << k.name;
    EXPECT_EQ(text, k.text) << k.name;
  }
}

TEST_P(CatalogueTest, SuccessLeavesDescErrAlone) {
  const Catalogue& c = catalogue();
  Seed();
  std::int32_t key = 13;
  std::string text = "Outro";
  Variant list, code = kNull, filter = kNull;
  const std::pair<const char*, std::function<void()>> calls[] = {
      {"insert", [&] { if (c.insert) Insert("Novo"); }},
      {"fetch", [&] { if (c.fetch) c.fetch(Postgres(), desc, key, text); }},
      {"fetch of the text", [&] { if (c.fetch_text) c.fetch_text(Postgres(), desc, key, text); }},
      {"update", [&] { if (c.update) c.update(Postgres(), desc, user, machine, key, text); }},
      {"delete", [&] { if (c.remove) c.remove(Postgres(), desc, user, machine, key); }},
      {"list", [&] { c.list(Postgres(), desc, list, code, filter); }},
  };
  for (const auto& [name, call] : calls) {
    desc = "texto anterior";
    call();
    EXPECT_EQ(desc, "texto anterior") << name;
  }
}

TEST_P(CatalogueTest, UpdateRewritesTheTextOfItsRowAlone) {
  if (!catalogue().update) GTEST_SKIP() << "no update";
  Seed();
  std::int32_t key = 3;
  std::string text = "Cancelada pela diretoria d'área";
  catalogue().update(Postgres(), desc, user, machine, key, text);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(TextOf(3), "Cancelada pela diretoria d'área");
  EXPECT_EQ(TextOf(1), "Fundamental");
  EXPECT_EQ(TextOf(13), "Orçamento suspenso");
}

TEST_P(CatalogueTest, UpdateOfAMissingKeyChangesNothing) {
  if (!catalogue().update) GTEST_SKIP() << "no update";
  Seed();
  std::int32_t key = 99;
  std::string text = "Nada";
  catalogue().update(Postgres(), desc, user, machine, key, text);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Rows(), 7);
  EXPECT_EQ(TextOf(99), "(none)");
  EXPECT_EQ(Count(Postgres(), Table(catalogue()) + " WHERE " + catalogue().text + " = 'Nada'"), 0);
}

TEST_P(CatalogueTest, DeleteRemovesItsRowAlone) {
  if (!catalogue().remove) GTEST_SKIP() << "no delete";
  Seed();
  std::int32_t key = 3;
  catalogue().remove(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(TextOf(3), "(none)");
  EXPECT_EQ(Rows(), 6);
}

TEST_P(CatalogueTest, DeleteOfAMissingKeyChangesNothing) {
  if (!catalogue().remove) GTEST_SKIP() << "no delete";
  Seed();
  std::int32_t key = 99;
  catalogue().remove(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Rows(), 7);
}

TEST_P(CatalogueTest, ListOnAnEmptyTableGivesTheCaptions) {
  Variant list, code = kNull, text = kNull;
  catalogue().list(Postgres(), desc, list, code, text);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  EXPECT_EQ(Captions(list), catalogue().captions);
}

TEST_P(CatalogueTest, ListKeepsANullText) {
  Seed();
  Variant list, code = Variant("40"), text = kNull;
  catalogue().list(Postgres(), desc, list, code, text);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  const auto at = std::find(rows[0].begin(), rows[0].end(), Variant(catalogue().text)) - rows[0].begin();
  ASSERT_LT(static_cast<std::size_t>(at), rows[0].size()) << "no column " << catalogue().text;
  EXPECT_TRUE(rows[1][static_cast<std::size_t>(at)].is_null());
}

TEST_P(CatalogueTest, DispatchByNameTakesTheKeyAsText) {
  if (!catalogue().fetch_method) GTEST_SKIP() << "no fetch";
  Seed();
  const std::shared_ptr<com::IDispatch> object = catalogue().create();
  std::vector<Variant> args{Variant(std::shared_ptr<automation::Object>(PostgresConnection())), Variant(""),
                            Variant("13")};
  args.resize(catalogue().fetch_arguments);
  const com::CallResult r = object->Invoke(catalogue().fetch_method, args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[1], Variant(""));
  EXPECT_EQ(args[2], Variant(std::int32_t{13}));
  EXPECT_EQ(args.at(catalogue().fetch_text_at), Variant("Orçamento suspenso"));
}

}  // namespace qvtest
