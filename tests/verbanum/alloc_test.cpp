// SPDX-License-Identifier: MIT
// extenso when its copy of the input cannot be allocated. The program's array
// new can be told to fail once.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "platform/win/msgbox.h"
#include "verbanum/extenso.h"

namespace {
thread_local bool fail_next_array_new = false;
}  // namespace

void* operator new[](std::size_t size) {
  if (fail_next_array_new) {
    fail_next_array_new = false;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Case {
  const char* input;
  const char* message;
} const kCases[] = {
    {"", "Nada a converter"},  // checked before the copy is made
    {"1", "Erro na alocação de memória"},
    {"R$ 1.234,56", "Erro na alocação de memória"},
};

TEST(ExtensoAllocation, FailedCopyIsReported) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.input);
    std::vector<std::string> texts;
    win::ScopedMessageBoxHook hook([&](const win::MessageBoxRequest& r) {
      texts.push_back(r.text);
      return win::IDOK;
    });
    std::string buffer(64, ' ');
    fail_next_array_new = true;
    EXPECT_EQ(extenso(c.input, buffer.data()), 0);
    fail_next_array_new = false;
    EXPECT_EQ(texts, std::vector<std::string>{c.message});
    EXPECT_EQ(buffer, std::string(64, ' '));
  }
}

TEST(ExtensoAllocation, NextCallWorks) {
  std::string buffer(64, ' ');
  fail_next_array_new = true;
  {
    win::ScopedMessageBoxHook hook([](const win::MessageBoxRequest&) { return win::IDOK; });
    ASSERT_EQ(extenso("2", buffer.data()), 0);
  }
  EXPECT_EQ(extenso("2", buffer.data()), 11);
  EXPECT_EQ(buffer.substr(0, 11), " dois reais");
}

}  // namespace
