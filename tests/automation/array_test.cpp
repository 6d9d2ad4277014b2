// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>
#include <span>
#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/error.h"
#include "tests/automation/expect_error.h"

namespace automation {
namespace {

TEST(VariantArray, DefaultIsEmptyOneDimension) {
  const VariantArray a;
  EXPECT_EQ(a.dimensions(), 1);
  EXPECT_EQ(a.lbound(), 0);
  EXPECT_EQ(a.ubound(), -1);
  EXPECT_EQ(a.size(), 0u);
  EXPECT_AUTOMATION_ERROR(a.at(0), err::kSubscriptOutOfRange);
}

TEST(VariantArray, BoundsPerDimension) {
  const VariantArray a({{1, 3}, {-2, 5}});
  EXPECT_EQ(a.dimensions(), 2);
  EXPECT_EQ(a.lbound(1), 1);
  EXPECT_EQ(a.ubound(1), 3);
  EXPECT_EQ(a.lbound(2), -2);
  EXPECT_EQ(a.ubound(2), 5);
  EXPECT_EQ(a.size(), 3u * 8u);
  EXPECT_TRUE(a.at(1, -2).is_empty());
}

TEST(VariantArray, OutOfRangeRaisesSubscriptError) {
  VariantArray one({{1, 3}});
  VariantArray two({{0, 2}, {0, 4}});
  EXPECT_AUTOMATION_ERROR(one.at(0), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(one.at(4), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(one.at(1, 1), err::kSubscriptOutOfRange);  // wrong dimension count
  EXPECT_AUTOMATION_ERROR(two.at(3, 0), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(two.at(0, 5), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(two.at(-1, 0), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(two.at(1), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(two.ubound(3), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(two.lbound(0), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(VariantArray({{5, 2}}), err::kSubscriptOutOfRange);
}

TEST(VariantArray, BoundsAtTheEndsOfTheRange) {
  constexpr long kMin = std::numeric_limits<long>::min();
  constexpr long kMax = std::numeric_limits<long>::max();
  struct Case {
    std::vector<Bounds> dims;
    int error;  // 0: accepted
  };
  const Case cases[] = {
      {{{kMin, kMin + 3}}, 0},
      {{{kMax - 2, kMax}}, 0},
      {{{kMin + 5, kMin}}, err::kSubscriptOutOfRange},
      {{{kMax, kMax - 1}}, 0},                             // no element
      {{{kMax, kMin}}, err::kSubscriptOutOfRange},
      {{{0, kMax}}, err::kOutOfMemory},
      {{{kMin, kMax}}, err::kOutOfMemory},
      {{{kMin, 0}}, err::kOutOfMemory},
      {{{0, 70000}, {0, 70000}}, err::kOutOfMemory},     // each fits, not the product
      {{{1, 1L << 40}, {1, 1L << 40}}, err::kOutOfMemory},
      {{{0, 2}, {5, 3}}, err::kSubscriptOutOfRange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    if (c.error) {
      EXPECT_AUTOMATION_ERROR(VariantArray{std::span<const Bounds>(c.dims)}, c.error);
    } else {
      const VariantArray a{std::span<const Bounds>(c.dims)};
      EXPECT_EQ(a.lbound(), c.dims[0].lower);
      EXPECT_EQ(a.ubound(), c.dims[0].upper);
    }
  }
  VariantArray a({{0, 1}, {0, 1}});
  a.at(1, 1) = 4;
  EXPECT_AUTOMATION_ERROR(a.redim_preserve_last({0, kMax}), err::kOutOfMemory);
  EXPECT_EQ(a.ubound(2), 1);  // a refused growth changes nothing
  EXPECT_EQ(a.at(1, 1), Variant(4));
}

TEST(VariantArray, ColumnMajorElements) {
  VariantArray a({{0, 1}, {0, 2}});
  for (long j = 0; j <= 2; ++j)
    for (long i = 0; i <= 1; ++i) a.at(i, j) = static_cast<int>(10 * j + i);
  const auto e = a.elements();
  ASSERT_EQ(e.size(), 6u);
  EXPECT_EQ(e[0], Variant(0));
  EXPECT_EQ(e[1], Variant(1));
  EXPECT_EQ(e[2], Variant(10));
  EXPECT_EQ(e[5], Variant(21));
}

TEST(VariantArray, RedimDropsContents) {
  VariantArray a({{0, 2}});
  a.at(1) = "kept?";
  a.redim({{1, 2}, {0, 0}});
  EXPECT_EQ(a.dimensions(), 2);
  EXPECT_TRUE(a.at(1, 0).is_empty());
  EXPECT_AUTOMATION_ERROR(a.redim({{3, 1}}), err::kSubscriptOutOfRange);
  EXPECT_EQ(a.dimensions(), 2);  // a refused redim changes nothing
}

TEST(VariantArray, RedimPreserveKeepsContents) {
  VariantArray a({{0, 1}, {0, 1}});
  a.at(0, 0) = "a";
  a.at(1, 1) = "d";
  a.redim_preserve_last({0, 3});
  EXPECT_EQ(a.ubound(2), 3);
  EXPECT_EQ(a.at(0, 0), Variant("a"));
  EXPECT_EQ(a.at(1, 1), Variant("d"));
  EXPECT_TRUE(a.at(1, 3).is_empty());
  a.redim_preserve_last({0, 0});
  EXPECT_EQ(a.size(), 2u);
  EXPECT_EQ(a.at(0, 0), Variant("a"));
  EXPECT_AUTOMATION_ERROR(a.at(1, 1), err::kSubscriptOutOfRange);
}

TEST(VariantArray, PushBackLastGrowsRowsAndKeepsThem) {
  // A 2-D (column, row) table starting with its caption row, and a 1-D list.
  VariantArray table({{0, 2}, {0, 0}});
  for (long i = 0; i <= 2; ++i) table.at(i, 0) = "caption";
  constexpr long kRows = 5000;
  for (long r = 1; r <= kRows; ++r) {
    table.push_back_last();
    for (long i = 0; i <= 2; ++i) table.at(i, r) = static_cast<int>(r * 10 + i);
  }
  EXPECT_EQ(table.ubound(2), kRows);
  EXPECT_EQ(table.at(2, 0), Variant("caption"));
  for (long r = 1; r <= kRows; r += 997) EXPECT_EQ(table.at(1, r), Variant(static_cast<int>(r * 10 + 1)));

  VariantArray list;
  for (int k = 0; k < 100; ++k) {
    list.push_back_last();
    list.at(k) = k;
  }
  EXPECT_EQ(list.ubound(), 99);
  EXPECT_EQ(list.at(0), Variant(0));
  EXPECT_EQ(list.at(99), Variant(99));

  VariantArray one_based({{1, 0}});
  one_based.push_back_last();
  EXPECT_EQ(one_based.lbound(), 1);
  EXPECT_EQ(one_based.ubound(), 1);
}

TEST(VariantArray, GrowthIsGeometric) {
  // Appending rows must not reallocate per row.
  VariantArray table({{0, 3}, {0, -1}});
  int reallocations = 0;
  const Variant* storage = nullptr;
  for (int r = 0; r < 10000; ++r) {
    table.push_back_last();
    if (&table.at(0, 0) != storage) {
      ++reallocations;
      storage = &table.at(0, 0);
    }
  }
  EXPECT_LT(reallocations, 40);
}

TEST(VariantArray, TakesOverElementsInStorageOrder) {
  const Bounds dims[] = {{0, 1}, {0, 2}};
  const VariantArray a(dims, std::vector<Variant>{0, 1, 10, 11, 20, 21});
  EXPECT_EQ(a.ubound(1), 1);
  EXPECT_EQ(a.ubound(2), 2);
  EXPECT_EQ(a.at(1, 0), Variant(1));
  EXPECT_EQ(a.at(0, 2), Variant(20));
  EXPECT_AUTOMATION_ERROR(VariantArray(dims, std::vector<Variant>(5)), err::kSubscriptOutOfRange);
  EXPECT_AUTOMATION_ERROR(VariantArray(dims, std::vector<Variant>(7)), err::kSubscriptOutOfRange);
}

TEST(VariantArray, EqualityComparesBoundsAndElements) {
  VariantArray a({{0, 1}});
  VariantArray b({{1, 2}});
  EXPECT_NE(a, b);
  b.redim({{0, 1}});
  EXPECT_EQ(a, b);
  b.at(1) = 1;
  EXPECT_NE(a, b);
}

}  // namespace
}  // namespace automation
