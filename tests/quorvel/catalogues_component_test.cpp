// The personnel catalogues through libquorvel.so: registered by name,
// created through the registry, answering dispatch on both databases.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/registration.h"

namespace {

using automation::Null;
using automation::Variant;
namespace fs = std::filesystem;

const char* const kClasses[] = {"Quorvel.classTipoGrauParentesco", "Quorvel.classTipoContrato", "Quorvel.classCargo",
                                "Quorvel.classInfTabelas", "Quorvel.classRelatorios"};

class CataloguesComponentTest : public qvtest::DatabaseTest<> {
 protected:
  static void SetUpTestSuite() {
    registry_ = std::make_unique<qvtest::PrivateRegistry>("quorvel-catalogues", QUORVEL_LIBRARY);
  }
  static void TearDownTestSuite() { registry_.reset(); }
  static std::unique_ptr<qvtest::PrivateRegistry> registry_;
};

std::unique_ptr<qvtest::PrivateRegistry> CataloguesComponentTest::registry_;

TEST_P(CataloguesComponentTest, RegisteredAndUnregistered) {
  const auto file = com::RegistryPath();
  for (const char* name : kClasses)
    EXPECT_EQ(com::Registry::Load(file).Find(name), fs::canonical(QUORVEL_LIBRARY).string()) << name;
  com::RegisterServer(QUORVEL_LIBRARY, /*unregister=*/true);
  for (const char* name : kClasses) EXPECT_FALSE(com::Registry::Load(file).Find(name)) << name;
  com::RegisterServer(QUORVEL_LIBRARY);
  for (const char* name : kClasses) EXPECT_TRUE(com::CreateObject(name)) << name;
}

TEST_P(CataloguesComponentTest, OneCallOfEachClass) {
  qvtest::Exec(conn(),
               "DELETE FROM RhsTipoGrauParentesco; DELETE FROM RhsTipoContrato; DELETE FROM RhsCargo;"
               "DELETE FROM TempRegistros; DELETE FROM FauTabelasAuxiliares;"
               "INSERT INTO RhsTipoContrato VALUES (4, 'Estágio', 'T', '', 'Lei', 'ESTAGIÁRIO', 'S');"
               "INSERT INTO FauTabelasAuxiliares VALUES ('RhsCorPele', 'Cor da pele')");
  struct Case {
    const char* cls;
    const char* method;
    std::vector<Variant> args;  // after ConnRH and DescErr
    std::function<void(const std::vector<Variant>&)> check;
  };
  const Case cases[] = {
      {"classTipoGrauParentesco", "IncTipoGrauParentesco",
       {Variant("u"), Variant("m"), Variant(), Variant("Filho"), Variant(std::int32_t{1}), Variant("S")},
       [](const std::vector<Variant>& a) { EXPECT_EQ(a[4], Variant(std::int32_t{1})); }},
      {"classTipoContrato", "BusDescrTipoContrato", {Variant("4"), Variant()},
       [](const std::vector<Variant>& a) { EXPECT_EQ(a[3], Variant("Estágio")); }},
      {"classCargo", "CarCargo", {Variant(), Variant(Null), Variant(Null), Variant(Null), Variant(Null)},
       [](const std::vector<Variant>& a) { EXPECT_EQ(qvtest::Rows(a[2]).size(), 1u); }},
      {"classInfTabelas", "pCarTabelasAuxiliares", {Variant()},
       [](const std::vector<Variant>& a) { EXPECT_EQ(qvtest::Column(a[2], 0), std::vector<Variant>{Variant("RhsCorPele")}); }},
      {"classRelatorios", "IncTabelaTemporaria", {Variant(std::int32_t{15})},
       [](const std::vector<Variant>& a) { EXPECT_EQ(a[2], Variant(std::int32_t{15})); }},
  };
  for (const Case& k : cases) {
    auto object = com::CreateObject(std::string("Quorvel.") + k.cls);
    ASSERT_TRUE(object) << k.cls;
    std::vector<Variant> args{ConnRH(), Variant("")};
    args.insert(args.end(), k.args.begin(), k.args.end());
    const com::CallResult r = object->Invoke(k.method, args);
    ASSERT_FALSE(r.failed()) << k.cls << ": " << r.error.description;
    EXPECT_EQ(r.value, Variant(true)) << k.cls;
    EXPECT_EQ(args[1], Variant("")) << k.cls;
    k.check(args);
  }
  EXPECT_EQ(qvtest::Count(conn(), "TempRegistros WHERE Codigo = 15"), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, CataloguesComponentTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
