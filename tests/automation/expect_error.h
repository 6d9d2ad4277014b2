// SPDX-License-Identifier: MIT
#pragma once
// EXPECT_AUTOMATION_ERROR(statement, number): the statement raises automation::Error `number`.

#include <gtest/gtest.h>

#include "platform/automation/error.h"

#define EXPECT_AUTOMATION_ERROR(statement, expected)                          \
  do {                                                                        \
    try {                                                                     \
      statement;                                                              \
      ADD_FAILURE() << #statement " raised nothing, expected " << (expected); \
    } catch (const automation::Error& e) {                                    \
      EXPECT_EQ(e.number(), (expected)) << #statement ": " << e.what();       \
    }                                                                         \
  } while (0)
