// SPDX-License-Identifier: MIT
// libverbanum.so as a host loads it: extenso found by name, and without a
// display its messages go to standard error in UTF-8.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using ExtensoFn = std::int32_t (*)(const char*, char*);

struct Closer {
  void operator()(void* handle) const { dlclose(handle); }
};
using Library = std::unique_ptr<void, Closer>;

// Standard error sent to a temporary file while it lives.
class StderrCapture {
 public:
  StderrCapture() : file_(std::tmpfile()), saved_(dup(STDERR_FILENO)) {
    std::fflush(stderr);
    dup2(fileno(file_), STDERR_FILENO);
  }
  ~StderrCapture() {
    restore();
    std::fclose(file_);
  }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  std::string text() {
    restore();
    std::string out;
    std::rewind(file_);
    for (int c; (c = std::fgetc(file_)) != EOF;) out += static_cast<char>(c);
    return out;
  }

 private:
  void restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
  }
  std::FILE* file_;
  int saved_;
};

class Loaded : public testing::Test {
 protected:
  void SetUp() override {
    // Kept mapped after dlclose: the leak checker then still sees what its
    // globals (and Qt's) hold at exit.
    library_.reset(dlopen(VERBANUM_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
    ASSERT_NE(library_, nullptr) << dlerror();
    extenso_ = reinterpret_cast<ExtensoFn>(dlsym(library_.get(), "extenso"));
    ASSERT_NE(extenso_, nullptr) << dlerror();
  }
  Library library_;
  ExtensoFn extenso_ = nullptr;
};

TEST_F(Loaded, ExportsExtensoByName) {
  std::string buffer = std::string(69, ' ') + ".";
  ASSERT_EQ(extenso_("R$ 1.234,56", buffer.data()), 69);
  EXPECT_EQ(buffer, " um mil, duzentos e trinta e quatro reais e cinq\xFC" "enta e seis centavos.");
  // Only extenso: the word tables and the conversion stay inside.
  EXPECT_EQ(dlsym(library_.get(), "_ZN8verbanum7tabelasE"), nullptr);
  EXPECT_EQ(dlsym(library_.get(), "_ZN8verbanum18inicializa_tabelasEv"), nullptr);
}

TEST_F(Loaded, MessageWithoutDisplayGoesToStandardError) {
  char buffer[] = "          ";
  StderrCapture capture;
  EXPECT_EQ(extenso_("1a2", buffer), 0);
  const std::string text = capture.text();
  EXPECT_NE(text.find("Função Extenso"), std::string::npos) << text;
  EXPECT_NE(text.find("Há caracteres não numéricos no texto"), std::string::npos) << text;
  EXPECT_STREQ(buffer, "          ");
}

}  // namespace
