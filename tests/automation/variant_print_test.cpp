// SPDX-License-Identifier: MIT
#include "platform/automation/array.h"
#include "platform/automation/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

using automation::Variant;

TEST(VariantPrinter, ShowsKindAndValue) {
  automation::VariantArray list({automation::Bounds{0, 1}});
  list.at(0) = Variant(std::int32_t{1});
  const struct {
    Variant value;
    std::string shown;
  } cases[] = {
      {Variant(), "Empty"},
      {Variant(automation::Null), "Null"},
      {Variant(std::int16_t{-3}), "Integer -3"},
      {Variant(std::int32_t{5}), "Long 5"},
      {Variant(std::uint8_t{200}), "Byte 200"},
      {Variant(1.5), "Double 1.5"},
      {Variant(automation::Decimal{"-12.50"}), "Decimal -12.50"},
      {Variant("abc"), "String \"abc\""},
      {Variant(true), "Boolean True"},
      {Variant(std::shared_ptr<automation::Object>()), "Nothing"},
      {Variant(list), "Array (0 To 1) {Long 1, Empty}"},
  };
  for (const auto& c : cases) EXPECT_EQ(::testing::PrintToString(c.value), c.shown);
}

}  // namespace
