// SPDX-License-Identifier: MIT
#pragma once
// The checks that every small code/description catalogue class answers
// alike. A class's test names its table and columns and says how its methods
// are called; instantiating CatalogueTest and CatalogueListTest with it gives
// the class every check its methods allow (a class without inserts skips the
// insert checks).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/dispatch.h"
#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace qvtest {

struct Catalogue {
  using Conn = ado::Connection;
  using Text = std::string;

  const char* name;   // the class
  const char* table;  // its table
  const char* key;    // the integer key column
  const char* text;   // the description column, the list's second filter
  // The table's other columns and the values every seeded row takes in them
  // (", Falta, Ativado" and ", 'N', 'S'").
  const char* other_columns = "";
  const char* other_values = "";
  std::vector<Variant> captions;  // of the list
  // The list compares the code by equality (as a number), not as a pattern.
  bool exact_code = false;

  // The calls; whatever else a method takes is the class's business.
  std::function<void(Conn&, std::string& desc, Variant& list, Variant& code, Variant& text)> list = {};
  std::function<void(Conn&, std::string& desc, std::int32_t& key, Text& text)> fetch = {};
  std::function<void(Conn&, std::string& desc, std::int32_t& key, Text& text)> fetch_text = {};  // the text alone
  std::function<void(Conn&, std::string& desc, Text& user, Text& machine, std::int32_t& key, Text& text)> insert = {};
  std::function<void(Conn&, std::string& desc, Text& user, Text& machine, std::int32_t& key, Text& text)> update = {};
  std::function<void(Conn&, std::string& desc, Text& user, Text& machine, std::int32_t& key)> remove = {};

  // The fetch through dispatch by name: the key given as text (argument 2),
  // the text argument `fetch_text_at`, `fetch_arguments` arguments in all.
  std::shared_ptr<com::IDispatch> (*create)() = nullptr;
  const char* fetch_method = nullptr;
  std::size_t fetch_arguments = 0;
  std::size_t fetch_text_at = 3;
};

// The methods of a class that take the key and the text alone.
template <class C>
struct PlainMethods {
  using Conn = ado::Connection;
  using Text = std::string;
  void (C::*list)(Conn&, std::string&, Variant&, Variant&, Variant&);
  void (C::*fetch)(Conn&, std::string&, std::int32_t&, Text&);
  void (C::*insert)(Conn&, std::string&, Text&, Text&, std::int32_t&, Text&);
  void (C::*update)(Conn&, std::string&, Text&, Text&, std::int32_t&, Text&);
  void (C::*remove)(Conn&, std::string&, Text&, Text&, std::int32_t&);
};

// The catalogue c calling those methods, each on an object of its own.
template <class C>
Catalogue WithMethods(Catalogue c, PlainMethods<C> m) {
  c.list = [m](auto&... args) { (C().*m.list)(args...); };
  c.fetch = [m](auto&... args) { (C().*m.fetch)(args...); };
  c.insert = [m](auto&... args) { (C().*m.insert)(args...); };
  c.update = [m](auto&... args) { (C().*m.update)(args...); };
  c.remove = [m](auto&... args) { (C().*m.remove)(args...); };
  c.create = &com::CreateDispatch<C>;
  return c;
}

// Names a catalogue's cases by its class.
std::string CatalogueName(const ::testing::TestParamInfo<const Catalogue*>& info);

// The suite's rows in the catalogue's table on that database, the other
// columns as the class says: 1 Fundamental, 2 Bota d'água, 3 Cancelada,
// 12 Pós-graduação, 13 Orçamento suspenso, 30 Sem candidatos, 40 Null.
void SeedCatalogue(const Catalogue& catalogue, ado::Connection& conn);

class CatalogueTest : public ::testing::TestWithParam<const Catalogue*> {
 protected:
  const Catalogue& catalogue() const { return *GetParam(); }
  void SetUp() override;
  void Seed() const { SeedCatalogue(catalogue(), Postgres()); }
  std::int32_t Insert(std::string text);
  // The row's text: "Null", or "(none)" without the row.
  std::string TextOf(std::int32_t key) const;
  long Rows() const;

  std::string desc, user = "ana", machine = "estacao1";
};

using CatalogueListParam = std::tuple<const Catalogue*, bool, ListCase>;

// The list filters of the code and the text, on both databases.
class CatalogueListTest : public ::testing::TestWithParam<CatalogueListParam> {};

// The code and text filters every catalogue answers alike, over the rows of
// SeedCatalogue; with an exact code, a code that is no number is refused by
// PostgreSQL and finds nothing on SQLite.
std::vector<ListCase> CatalogueListCasesOf(const Catalogue& catalogue);

// The list cases of a catalogue, each on PostgreSQL and on SQLite.
inline auto CatalogueListCases(const Catalogue& catalogue) {
  return ::testing::Combine(::testing::Values(&catalogue), ::testing::Bool(),
                            ::testing::ValuesIn(CatalogueListCasesOf(catalogue)));
}
std::string CatalogueListName(const ::testing::TestParamInfo<CatalogueListParam>& info);

}  // namespace qvtest
