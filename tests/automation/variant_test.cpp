// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <type_traits>

#include "platform/automation/array.h"
#include "platform/automation/error.h"
#include "platform/automation/variant.h"
#include "tests/automation/expect_error.h"

namespace automation {
namespace {

static_assert(std::is_nothrow_move_constructible_v<Variant>);
static_assert(std::is_nothrow_move_assignable_v<Variant>);

TEST(Variant, KindOfEachConstructor) {
  struct Case {
    Variant v;
    VarType type;
  };
  const Case cases[] = {
      {Variant(), VarType::Empty},
      {Variant(Empty), VarType::Empty},
      {Variant(Null), VarType::Null},
      {Variant(std::int16_t{1}), VarType::Integer},
      {Variant(1), VarType::Long},
      {Variant(std::int64_t{1}), VarType::LongLong},
      {Variant(std::uint8_t{1}), VarType::Byte},
      {Variant(1.0f), VarType::Single},
      {Variant(1.0), VarType::Double},
      {Variant(Decimal{"1.5"}), VarType::Decimal},
      {Variant(Date{1.5}), VarType::Date},
      {Variant("text"), VarType::String},
      {Variant(std::string_view("text")), VarType::String},
      {Variant(true), VarType::Boolean},
      {Variant(std::shared_ptr<Object>{}), VarType::Object},
      {Variant(VariantArray{}), VarType::Array},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.v.type(), c.type) << static_cast<int>(c.type);
    Variant copy = c.v;
    EXPECT_EQ(copy, c.v) << static_cast<int>(c.type);
    const Variant moved = std::move(copy);
    EXPECT_EQ(moved, c.v) << static_cast<int>(c.type);
  }
}

TEST(Variant, OtherIntegersPickTheirKind) {
  EXPECT_EQ(Variant(short{1}).type(), VarType::Integer);
  EXPECT_EQ(Variant(char{'a'}).type(), VarType::Long);  // promoted, as before
  EXPECT_EQ(Variant(7u).type(), VarType::LongLong);
  EXPECT_EQ(Variant(7LL), Variant(std::int64_t{7}));
  EXPECT_EQ(Variant(std::size_t{9}), Variant(std::int64_t{9}));
  EXPECT_AUTOMATION_ERROR(Variant(~0ull), err::kOverflow);
}

TEST(Variant, EmptyAndNullAreDistinct) {
  EXPECT_TRUE(Variant().is_empty());
  EXPECT_FALSE(Variant().is_null());
  EXPECT_TRUE(Variant(Null).is_null());
  EXPECT_FALSE(Variant(Null).is_empty());
  EXPECT_NE(Variant(), Variant(Null));
}

TEST(Variant, EqualityWantsSameKindAndValue) {
  EXPECT_EQ(Variant(3), Variant(3));
  EXPECT_NE(Variant(3), Variant(std::int16_t{3}));
  EXPECT_NE(Variant(3), Variant(4));
  EXPECT_EQ(Variant("a"), Variant(std::string("a")));
  EXPECT_NE(Variant("a"), Variant("b"));
}

TEST(Variant, NumericKinds) {
  EXPECT_TRUE(Variant(true).is_numeric());
  EXPECT_TRUE(Variant(Decimal{"1"}).is_numeric());
  EXPECT_FALSE(Variant("1").is_numeric());
  EXPECT_FALSE(Variant(Date{1}).is_numeric());
  EXPECT_FALSE(Variant(Null).is_numeric());
}

TEST(Variant, WrongKindAccessRaisesTypeMismatch) {
  const Variant v(5);
  EXPECT_AUTOMATION_ERROR(v.as_string(), err::kTypeMismatch);
  EXPECT_AUTOMATION_ERROR(v.as_array(), err::kTypeMismatch);
  EXPECT_AUTOMATION_ERROR(v.as_object(), err::kTypeMismatch);
}

TEST(Variant, ArrayCopyIsDeepAndMoveTransfers) {
  VariantArray a({{0, 1}});
  a.at(0) = "x";
  Variant original(std::move(a));
  Variant copy = original;
  copy.as_array().at(0) = "changed";
  EXPECT_EQ(original.as_array().at(0), Variant("x"));
  EXPECT_NE(original, copy);

  const Variant* element = &original.as_array().at(0);
  Variant moved = std::move(original);
  EXPECT_EQ(&moved.as_array().at(0), element);  // no copy of the elements
  copy = moved;
  EXPECT_EQ(copy, moved);
}

TEST(Variant, ObjectIsShared) {
  auto object = std::make_shared<Object>();
  const Variant v(object);
  const Variant copy = v;
  EXPECT_EQ(copy.as_object().get(), object.get());
}

TEST(Variant, SelfAssignmentKeepsValue) {
  Variant v(VariantArray({{1, 2}}));
  v.as_array().at(2) = 7;
  Variant& same = v;
  v = same;
  EXPECT_EQ(v.as_array().at(2), Variant(7));
}

}  // namespace
}  // namespace automation
