// SPDX-License-Identifier: MIT
// The message box in a Qt program that has not loaded the user-interface
// layer: libqv_msgbox links no Qt, yet shows the layer's Qt box, which it
// loads once the program has a QApplication; without one, and from another
// thread than the application's, it writes to standard error.
#include "platform/win/msgbox.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <thread>
#include <vector>

#include "tests/support/yes_no_box.h"

namespace {

using namespace win;

bool LayerLoaded() {
  void* layer = dlopen(QV_WIN_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
  if (layer != nullptr) dlclose(layer);
  return layer != nullptr;
}

TEST(QtProgramMessageBox, BeforeTheApplicationGoesToStandardError) {
  ASSERT_FALSE(LayerLoaded()) << "the test links the layer";
  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(nullptr, "Sem janela", "Caixa", MB_YESNO), IDNO);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Sem janela"), std::string::npos);
}

class WithApplication : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "msgbox_qt_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app_.reset(); }
  static std::unique_ptr<QApplication> app_;
};
std::unique_ptr<QApplication> WithApplication::app_;

// The layer's box: a Yes/No box has no Cancel, so Escape and its close box leave it open.
TEST_F(WithApplication, AYesNoBoxIsTheLayersQtBox) {
  qvtest::YesNoBoxUser user;
  EXPECT_EQ(MessageBox(nullptr, "Continuar?", "Caixa", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(user.text(), "Continuar?");
  EXPECT_EQ(user.open_after(), (std::vector<bool>{true, true}));
  EXPECT_TRUE(LayerLoaded());
}

TEST_F(WithApplication, AnotherThreadsBoxGoesToStandardError) {
  int answer = 0;
  testing::internal::CaptureStderr();
  std::thread worker([&] { answer = MessageBox(nullptr, "De outra linha", "Caixa", MB_YESNO); });
  worker.join();
  EXPECT_EQ(answer, IDNO);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("De outra linha"), std::string::npos);
}

}  // namespace
