// SPDX-License-Identifier: MIT
// Message boxes under a window manager (fluxbox): what a box asks of the
// manager, what the manager offers, what its close box does, and buttons that
// show their text alone.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/msgbox.h"
#include "tests/support/x_screen.h"
#include "tests/win/gui_environment.h"

namespace {

// The Motif hints: flags, functions...; functions "all" turns the list into exceptions.
constexpr unsigned long kHintsFunctions = 1, kFunctionAll = 1, kFunctionClose = 0x20;

bool AsksForClose(const std::vector<unsigned long>& hints) {
  if (hints.size() < 2 || !(hints[0] & kHintsFunctions)) return true;
  const bool listed = (hints[1] & kFunctionClose) != 0;
  return (hints[1] & kFunctionAll) ? !listed : listed;
}

// What the user found on the box, and whether it was still up after a close request.
struct Seen {
  std::vector<unsigned long> hints;
  std::vector<std::string> allowed_actions;
  std::vector<std::string> buttons_with_icons;
  bool open_after_close = false;
  bool found = false;
};

// Once a box is up: reads it, asks the window manager to close it, and
// answers Yes where the close request left it open.
class CloseBoxUser {
 public:
  // closes: whether the close request is expected to close the box, which is
  // then given longer (a loaded machine) than a box that must stay open.
  explicit CloseBoxUser(bool closes) : patience_ms_(closes ? 5000 : 1500) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Act(); });
    timer_.start(20);
  }
  const Seen& seen() const { return seen_; }

 private:
  void Act() {
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer_.stop();
    seen_.found = true;
    const auto window = static_cast<unsigned long>(box->winId());
    EXPECT_TRUE(xtest::WaitUntilManaged(window));
    seen_.hints = xtest::Property(window, "_MOTIF_WM_HINTS");
    seen_.allowed_actions = xtest::AtomNames(window, "_NET_WM_ALLOWED_ACTIONS");
    for (QAbstractButton* button : box->buttons())
      if (!button->icon().isNull()) seen_.buttons_with_icons.push_back(button->text().toStdString());
    EXPECT_TRUE(xtest::RequestClose(window));
    QElapsedTimer clock;
    clock.start();
    while (box && box->isVisible() && clock.elapsed() < patience_ms_) QApplication::processEvents(QEventLoop::AllEvents, 20);
    seen_.open_after_close = box && box->isVisible();
    if (box && box->isVisible()) {
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      (yes ? yes : box->buttons().front())->click();
    }
  }

  int patience_ms_;
  QTimer timer_;
  Seen seen_;
};

struct BoxCase {
  const char* name;
  unsigned style;
  bool closes;  // offers the close function, and its close box answers
  int answer;   // the answer to the close box (Yes where it does not close)
};

class UnderWindowManager : public ::testing::TestWithParam<BoxCase> {
 protected:
  void SetUp() override {
    if (!xtest::OnXServer() || !xtest::WindowManagerRunning())
      GTEST_SKIP() << "needs a window manager: the CTest fixture wm";
  }
};

TEST_P(UnderWindowManager, OnlyABoxThatCanBeCancelledOffersToCloseAndNoButtonHasAnIcon) {
  const BoxCase& c = GetParam();
  CloseBoxUser user(c.closes);
  EXPECT_EQ(win::MessageBox(nullptr, "Mover todas as séries?", "Caixa", c.style), c.answer);
  const Seen& seen = user.seen();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(AsksForClose(seen.hints), c.closes) << "functions " << (seen.hints.size() > 1 ? seen.hints[1] : 0);
  EXPECT_FALSE(seen.allowed_actions.empty()) << "the manager published no allowed actions";
  const bool offered = std::find(seen.allowed_actions.begin(), seen.allowed_actions.end(), "_NET_WM_ACTION_CLOSE") !=
                       seen.allowed_actions.end();
  EXPECT_EQ(offered, c.closes) << "the manager's close action";
  EXPECT_EQ(seen.open_after_close, !c.closes);
  EXPECT_TRUE(seen.buttons_with_icons.empty()) << seen.buttons_with_icons.front();
}

INSTANTIATE_TEST_SUITE_P(Boxes, UnderWindowManager,
                         ::testing::Values(BoxCase{"YesNo", win::MB_YESNO | win::MB_ICONQUESTION, false, win::IDYES},
                                           BoxCase{"OkCancel", win::MB_OKCANCEL, true, win::IDCANCEL},
                                           BoxCase{"Ok", win::MB_OK | win::MB_ICONINFORMATION, true, win::IDOK}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
