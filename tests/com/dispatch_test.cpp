// SPDX-License-Identifier: MIT
// Dispatch by name over a class's method table.
#include <gtest/gtest.h>

#include <vector>

#include "platform/automation/array.h"
#include "platform/com/object.h"
#include "tests/com/sample.h"

namespace {

using automation::Date;
using automation::Variant;

class DispatchTest : public ::testing::Test {
 protected:
  com::DispatchObject<sample::classAmostra> object;
};

TEST_F(DispatchTest, MethodTableComesFromTheMemberFunctions) {
  const com::MethodInfo* somar = object.FindMethod("Somar");
  ASSERT_NE(somar, nullptr);
  ASSERT_EQ(somar->params.size(), 5u);
  EXPECT_EQ(somar->params[0].name, "a");
  EXPECT_EQ(somar->params[0].type, com::Type::Long);
  EXPECT_EQ(somar->params[3].type, com::Type::String);
  EXPECT_EQ(somar->params[4].type, com::Type::Date);
  EXPECT_TRUE(somar->returns_status);

  const com::MethodInfo* dobro = object.FindMethod("fdobro");
  ASSERT_NE(dobro, nullptr);
  EXPECT_FALSE(dobro->returns_status);
  EXPECT_EQ(dobro->result, com::Type::Long);

  const com::MethodInfo* preencher = object.FindMethod("PREENCHER");
  ASSERT_NE(preencher, nullptr);
  const std::vector<com::Type> types{com::Type::Variant, com::Type::Integer, com::Type::Byte,
                                     com::Type::Double,  com::Type::Single,  com::Type::Boolean};
  for (std::size_t i = 0; i < types.size(); ++i) EXPECT_EQ(preencher->params[i].type, types[i]) << i;
  EXPECT_EQ(object.FindMethod("Contar")->params[0].type, com::Type::Object);
  EXPECT_EQ(object.FindMethod("Inexistente"), nullptr);
  EXPECT_EQ(object.ClassName(), "Amostra.classAmostra");
  EXPECT_EQ(object.Methods().size(), 5u);
}

TEST_F(DispatchTest, ArgumentsAreConvertedAndWrittenBack) {
  std::vector<Variant> args{Variant("40"), Variant(std::int16_t{2}), Variant(), Variant("x"), Variant(Date{100.0})};
  const com::CallResult r = object.Invoke("somar", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(true));
  EXPECT_EQ(args[0], Variant(std::int32_t{40}));  // written back in the parameter's type
  EXPECT_EQ(args[1], Variant(std::int32_t{2}));
  EXPECT_EQ(args[2], Variant(std::int32_t{42}));
  EXPECT_EQ(args[3], Variant("x-40"));
  EXPECT_EQ(args[4], Variant(Date{101.0}));
}

TEST_F(DispatchTest, VariantParameterIsTheCallersOwn) {
  std::vector<Variant> args{Variant(automation::Null), Variant(std::int32_t{3}), Variant(std::int32_t{4}),
                            Variant(1.25), Variant(1.0f), Variant(false)};
  const com::CallResult r = object.Invoke("Preencher", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[0], Variant(std::int32_t{7}));
  EXPECT_EQ(args[1], Variant(std::int16_t{3}));
  EXPECT_EQ(args[2], Variant(std::uint8_t{4}));
  EXPECT_EQ(args[3], Variant(2.5));
  EXPECT_EQ(args[4], Variant(1.5f));
  EXPECT_EQ(args[5], Variant(true));
}

TEST_F(DispatchTest, FunctionValueIsTheResult) {
  std::vector<Variant> args{Variant(std::int32_t{21})};
  const com::CallResult r = object.Invoke("fDobro", args);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(r.value, Variant(std::int32_t{42}));
}

TEST_F(DispatchTest, ObjectParameter) {
  auto counter = std::make_shared<sample::Counter>();
  std::vector<Variant> args{Variant(std::shared_ptr<automation::Object>(counter))};
  ASSERT_FALSE(object.Invoke("Contar", args).failed());
  EXPECT_EQ(counter->calls, 1);
}

struct FailedCall {
  const char* name;
  const char* method;
  std::vector<Variant> args;
  int number;
};

class FailedCallTest : public DispatchTest, public ::testing::WithParamInterface<FailedCall> {};

TEST_P(FailedCallTest, ComesBackWithNumberAndDescription) {
  std::vector<Variant> args = GetParam().args;
  const com::CallResult r = object.Invoke(GetParam().method, args);
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(r.error.number, GetParam().number);
  EXPECT_FALSE(r.error.description.empty());
}

INSTANTIATE_TEST_SUITE_P(
    All, FailedCallTest,
    ::testing::Values(
        FailedCall{"UnknownMethod", "Subtrair", {}, com::err::kUnknownName},
        FailedCall{"TooFewArguments", "fDobro", {}, com::err::kWrongArgCount},
        FailedCall{"TooManyArguments", "fDobro", {Variant(1), Variant(2)}, com::err::kWrongArgCount},
        FailedCall{"TextIntoLong", "fDobro", {Variant("abc")}, automation::err::kTypeMismatch},
        FailedCall{"NullIntoLong", "fDobro", {Variant(automation::Null)}, automation::err::kInvalidUseOfNull},
        FailedCall{"OverflowIntoLong", "fDobro", {Variant(1e12)}, automation::err::kOverflow},
        FailedCall{"NoObject", "Contar", {Variant(std::int32_t{1})}, automation::err::kTypeMismatch},
        FailedCall{"UntrappedFailure", "Falhar", {Variant("")}, automation::err::kOverflow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DispatchTest, FailedCallKeepsWhatTheMethodWrote) {
  std::vector<Variant> args{Variant("")};
  const com::CallResult r = object.Invoke("Falhar", args);
  EXPECT_EQ(r.error.number, automation::err::kOverflow);
  EXPECT_EQ(args[0], Variant("written"));
}

TEST_F(DispatchTest, ArgumentThatDoesNotConvertCallsNothing) {
  std::vector<Variant> args{Variant(std::int32_t{1}), Variant("two"), Variant(), Variant("t"), Variant(Date{})};
  EXPECT_EQ(object.Invoke("Somar", args).error.number, automation::err::kTypeMismatch);
  EXPECT_TRUE(args[2].is_empty());
  EXPECT_EQ(args[3], Variant("t"));
}

}  // namespace
