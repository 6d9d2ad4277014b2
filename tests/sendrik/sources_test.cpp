// SPDX-License-Identifier: MIT
// The data-source list over the driver manager, with data sources of the
// test's own ODBC ini file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "sendrik/data_sources.h"
#include "tests/support/testdb.h"

namespace sendrik {
namespace {

using ::testing::UnorderedElementsAreArray;

std::vector<std::string> Names(const std::vector<DataSource>& sources) {
  std::vector<std::string> names;
  for (const DataSource& s : sources) names.push_back(s.name);
  return names;
}

class DataSourceList : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto& db = testdb::Get();
    for (const char* name :
         {"DsnKelFolha", "DsnKel Folha", "dsnkelfolha", "DsnKel", "RodERuPonto", "RoderuPonto", "OutraBase"}) {
      testdb::AddDataSource(name, true, db.postgres_database);
    }
    // A source with a very long driver text, which the driver manager gives as its description.
    const char* ini = std::getenv("ODBCINI");
    ASSERT_NE(ini, nullptr);
    std::ofstream(ini, std::ios::app) << "\n[DsnKelDescricaoLonga]\nDriver = " << std::string(1500, 'd') << "\n";
    testdb::AddDataSource("RodERuDepois", true, db.postgres_database);
  }
};

TEST_F(DataSourceList, EnumeratesEveryDataSource) {
  const Enumeration all = EnumerateDataSources();
  ASSERT_TRUE(all.allocated);
  const std::vector<std::string> names = Names(all.sources);
  for (const char* name : {"DsnKelFolha", "DsnKel Folha", "dsnkelfolha", "DsnKel", "RodERuPonto", "RoderuPonto",
                           "OutraBase", "DsnKelDescricaoLonga", "RodERuDepois"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
  // The long driver text is listed (the driver manager cuts ini values to about
  // a thousand characters, below the buffer), and the sources after it still come.
  const auto longer = std::find(names.begin(), names.end(), "DsnKelDescricaoLonga");
  ASSERT_NE(longer, names.end());
  EXPECT_GT(all.sources[static_cast<std::size_t>(longer - names.begin())].description.size(), 900u);
}

TEST_F(DataSourceList, DescriptionsCutToTheirBufferAreListedAndTheEnumerationGoesOn) {
  const std::vector<std::string> names = Names(EnumerateDataSources().sources);
  const Enumeration cut = EnumerateDataSources(kEnumerationBuffer, 8);
  EXPECT_EQ(Names(cut.sources), names);
  for (const DataSource& s : cut.sources) EXPECT_LE(s.description.size(), 7u) << s.name;
}

TEST_F(DataSourceList, ListsTheAcceptedPrefixesWithTheExactNames) {
  const Listing listing = ListDataSources(EnumerateDataSources().sources);
  EXPECT_FALSE(listing.failed);
  std::vector<std::pair<std::string, std::string>> shown;  // name, text up to the padding
  for (const ListEntry& e : listing.entries) {
    ASSERT_EQ(e.text.size(), 106u) << e.name;
    EXPECT_EQ(e.text.substr(100), e.name.substr(0, 6));
    shown.emplace_back(e.name, e.text.substr(0, e.name.size() - 6));
  }
  const std::vector<std::pair<std::string, std::string>> expected{
      {"DsnKelFolha", "Folha"},
      {"DsnKel Folha", " Folha"},
      {"DsnKel", ""},
      {"RodERuPonto", "Ponto"},
      {"DsnKelDescricaoLonga", "DescricaoLonga"},
      {"RodERuDepois", "Depois"},
  };
  EXPECT_THAT(shown, UnorderedElementsAreArray(expected));
}

}  // namespace
}  // namespace sendrik
