// SPDX-License-Identifier: MIT
// The two windows of the update program, driven as the user drives them,
// against a real PostgreSQL data source.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/common_dialogs.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/language.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"
#include "sendrik/data_sources.h"
#include "sendrik/main_window.h"
#include "sendrik/resource_ids.h"
#include "tests/sendrik/run_fixture.h"
#include "tests/sendrik/temp_folder.h"
#include "tests/support/x_screen.h"
#include "tests/support/testdb.h"
#include "tests/win/idle_paints.h"

namespace sendrik_test {
namespace {

namespace ids = sendrik::ids;
namespace ui = win::testing;
using ::testing::ElementsAre;

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    app_ = std::make_unique<ui::GuiApplication>();
    ui::PinScreenSize(1024, 768);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<ui::GuiApplication> app_;
};
const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

constexpr const char* kDsn = "DsnKelSendrikJanela";

TestDatabase& Db() {
  static TestDatabase db(kDsn);
  static const bool others = [] {
    for (const char* name : {"DsnKel Folha", "dsnkelfolha", "DsnKel", "RodERuPonto", "OutraBase"}) {
      testdb::AddDataSource(name, true, testdb::Get().postgres_database);
    }
    return true;
  }();
  (void)others;
  return db;
}

const win::ResourceModule& Module() {
  static const auto module = [] {
    std::string error;
    auto m = win::ResourceModule::Load(SENDRIK_MODULE, &error);
    if (!m) throw std::runtime_error("sendrik.rc: " + error);
    return m;
  }();
  return *module;
}

// The index of a data source's entry in the list, -1 when it is not listed.
int EntryOf(win::HWND dialog, const std::string& name) {
  const auto entry = sendrik::MakeListEntry(name);
  for (int i = 0; entry && i < ui::Count(dialog, ids::kLstOdbc); ++i) {
    if (ui::ItemText(dialog, ids::kLstOdbc, i) == entry->text) return i;
  }
  return -1;
}

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    Db().Exec("DROP TABLE IF EXISTS sendrik_itens");
    Db().Exec("CREATE TABLE sendrik_itens (n integer)");
    user.AnswerFileDialogs([this](const win::OpenFileName&) {
      std::optional<std::string> answer;
      if (!choices.empty()) {
        answer = choices.front();
        choices.pop_front();
      }
      return answer;
    });
    main = window.Create();
    ASSERT_NE(main, nullptr);
  }

  // The user picks a data source in the list by its exact name.
  void ChooseDataSource(const std::string& name) {
    user.OnDialog("fauConexoes", [name](win::HWND list) {
      const int index = EntryOf(list, name);
      ASSERT_GE(index, 0) << name;
      ASSERT_TRUE(ui::SelectItem(list, ids::kLstOdbc, index));
      ASSERT_TRUE(ui::Click(list, ids::kCmdOk));
    });
    ASSERT_TRUE(ui::Click(main, ids::kCommand2));
  }

  // The user answers the file dialog with a file, or cancels it (nothing).
  void ChooseScript(std::optional<std::string> path) {
    choices.push_back(std::move(path));
    ASSERT_TRUE(ui::Click(main, ids::kCmdScript));
  }

  void Close() {
    ASSERT_TRUE(ui::Click(main, ids::kCmdSair));
    EXPECT_FALSE(win::IsWindow(main));
  }

  std::vector<std::string> Items() { return Db().Column("SELECT n FROM sendrik_itens ORDER BY n"); }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : user.message_boxes()) texts.push_back(b.text);
    return texts;
  }

  TempFolder folder;
  ui::User user;
  std::deque<std::optional<std::string>> choices;  // the file dialog's answers
  sendrik::MainWindow window{Module().handle(), folder.path() / "SendrikLog.txt"};
  win::HWND main = nullptr;
};

TEST_F(Window, OpensCentredWithItsCaptionTextsAndOptions) {
  EXPECT_EQ(win::GetWindowText(main), "Sendrik 1.0.0");
  win::RECT r;
  ASSERT_TRUE(win::GetWindowRect(main, &r));
  EXPECT_EQ(r.left, 1024 / 2 - r.width() / 2);
  EXPECT_EQ(r.top, 768 / 2 - r.height() / 2);
  const std::pair<int, const char*> texts[] = {
      {ids::kLabel2, "Conexão com a Base de Dados para atualização"},
      {ids::kTxtConexao, ""},
      {ids::kCommand2, "..."},
      {ids::kLblScript, "Script para atualização"},
      {ids::kTxtScript, ""},
      {ids::kCmdScript, "..."},
      {ids::kOptTodosScript, "Passar todos script da pasta"},
      {ids::kOptUmScript, "Passar script manualmente"},
      {ids::kCmdAtualizar, "&Iniciar Atualização"},
      {ids::kCmdSair, "&Sair"},
      {ids::kLblMsg, ""},
  };
  for (const auto& [id, text] : texts) EXPECT_EQ(ui::Text(main, id), text) << id;
  EXPECT_TRUE(ui::IsChecked(main, ids::kOptUmScript));
  EXPECT_FALSE(ui::IsChecked(main, ids::kOptTodosScript));
  ASSERT_TRUE(ui::Click(main, ids::kOptTodosScript));
  EXPECT_FALSE(ui::IsChecked(main, ids::kOptUmScript));

  // The banner across the top, drawn as the window opens (its title in white
  // letters on the blue), the panel behind the fields, and around them the
  // grey bands: lighter above, darker below.
  const win::RECT banner = ui::ControlRect(main, ids::kImage1);
  EXPECT_EQ(banner.width(), 480);
  EXPECT_EQ(banner.height(), 63);
  const ui::Image image = ui::Grab(main);
  const std::uint32_t sky = image.at(banner.left + 400, banner.top + 5);
  EXPECT_LT((sky >> 16) & 0xFF, sky & 0xFF);  // the banner's blue, not a grey band
  int white = 0;
  for (int y = banner.top + 8; y < banner.top + 36; ++y)
    for (int x = banner.left + 95; x < banner.left + 230; ++x) white += (image.at(x, y) & 0xFFFFFF) == 0xFFFFFFu;
  EXPECT_GT(white, 200) << "no title on the banner";
  auto grey = [&](int x, int y) {
    const std::uint32_t p = image.at(x, y);
    EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF) << x << "," << y;
    return static_cast<int>(p & 0xFF);
  };
  EXPECT_GT(grey(2, 70), grey(2, image.height - 3));
  EXPECT_LT(grey(2, image.height - 3), 16);
  const win::RECT panel = ui::ControlRect(main, ids::kLabel1);
  EXPECT_GT(grey(panel.left + 4, panel.bottom - 4), 200);
  Close();
}

// Left alone, the window paints nothing more: painting never asks for
// another paint.
TEST_F(Window, AnIdleWindowPaintsNothing) {
  EXPECT_EQ(qvtest::PaintsWhileIdle(), 0);
  Close();
}

TEST(Templates, NameEveryControlBesideItsId) {
  struct Named {
    const char* dialog;
    const char* symbol;
    int id;
  };
  const Named controls[] = {
      {"Sendrik", "Image1", ids::kImage1},
      {"Sendrik", "Label1", ids::kLabel1},
      {"Sendrik", "Label2", ids::kLabel2},
      {"Sendrik", "txtConexao", ids::kTxtConexao},
      {"Sendrik", "Command2", ids::kCommand2},
      {"Sendrik", "lblScript", ids::kLblScript},
      {"Sendrik", "txtScript", ids::kTxtScript},
      {"Sendrik", "cmdScript", ids::kCmdScript},
      {"Sendrik", "Frame3", ids::kFrame3},
      {"Sendrik", "optTodosScript", ids::kOptTodosScript},
      {"Sendrik", "optUmScript", ids::kOptUmScript},
      {"Sendrik", "cmdAtualizar", ids::kCmdAtualizar},
      {"Sendrik", "cmdSair", ids::kCmdSair},
      {"Sendrik", "lblMSG", ids::kLblMsg},
      {"fauConexoes", "Frame1", ids::kFrame1},
      {"fauConexoes", "lblODBC", ids::kLblOdbc},
      {"fauConexoes", "lstODBC", ids::kLstOdbc},
      {"fauConexoes", "cmdOK", ids::kCmdOk},
      {"fauConexoes", "cmdSair", ids::kConexoesSair},
  };
  for (const Named& c : controls) {
    const win::DialogTemplate* t = Module().dialog(c.dialog);
    ASSERT_NE(t, nullptr) << c.dialog;
    const win::ControlTemplate* control = t->control(c.symbol);
    ASSERT_NE(control, nullptr) << c.symbol;
    EXPECT_EQ(control->id, c.id) << c.symbol;
  }
  const win::DialogTemplate* main = Module().dialog("Sendrik");
  EXPECT_EQ(main->controls.size(), 14u);
  EXPECT_EQ(main->font_face, "MS Sans Serif");
  // The fields are filled by their buttons only.
  EXPECT_TRUE(main->control("txtConexao")->style.read_only);
  EXPECT_TRUE(main->control("txtScript")->style.read_only);
  EXPECT_TRUE(Module().dialog("fauConexoes")->control("lstODBC")->style.notify);
}

TEST_F(Window, HintsFollowTheMouse) {
  const std::pair<int, const char*> hints[] = {
      {ids::kCmdAtualizar, "Atualizar a Base de Dados, de acordo com a Conexão e Script informados"},
      {ids::kCmdSair, "Finalizar Sendrik"},
      {ids::kCommand2, "Exibir relação de Conexões"},
      {ids::kCmdScript, "Localizar Scripts"},
  };
  for (const auto& [id, hint] : hints) {
    ASSERT_TRUE(ui::MouseMove(main, id, {3, 3}));
    EXPECT_EQ(ui::Text(main, ids::kLblMsg), hint) << id;
    for (const int keeps : {ids::kTxtScript, ids::kTxtConexao, ids::kOptTodosScript, ids::kOptUmScript}) {
      ASSERT_TRUE(ui::MouseMove(main, keeps, {3, 3}));  // the fields and options keep it
      EXPECT_EQ(ui::Text(main, ids::kLblMsg), hint) << id << " " << keeps;
    }
    for (const int passive : {ids::kLabel1, ids::kImage1, ids::kLabel2, ids::kFrame3}) {
      ASSERT_TRUE(ui::MouseMove(main, id, {3, 3}));
      ASSERT_TRUE(ui::MouseMove(main, passive, {2, 2}));  // the passive parts are background
      EXPECT_EQ(ui::Text(main, ids::kLblMsg), "") << id << " " << passive;
    }
    ASSERT_TRUE(ui::MouseMove(main, id, {3, 3}));
    ASSERT_TRUE(ui::MouseMoveOver(main, {2, 120}));  // the window's own background
    EXPECT_EQ(ui::Text(main, ids::kLblMsg), "");
  }
  Close();
}

// --- The data-source list ---------------------------------------------------------

struct ListCase {
  const char* name;
  const char* chosen;  // the data source picked, nullptr for none
  enum { kOk, kDoubleClick, kEnter, kSair, kEscape } how;
  const char* field;  // txtConexao afterwards
};

class DataSourceList : public Window, public ::testing::WithParamInterface<ListCase> {};

TEST_P(DataSourceList, HandsBackTheExactName) {
  const ListCase& c = GetParam();
  Db();
  user.OnDialog("fauConexoes", [&](win::HWND list) {
    EXPECT_EQ(win::GetWindowText(list), "Sendrik - Relação de Conexões");
    EXPECT_EQ(ui::Text(list, ids::kLblOdbc), "Conexões ODBC");
    EXPECT_EQ(ui::Text(list, ids::kCmdOk), "&OK");
    EXPECT_EQ(ui::Text(list, ids::kConexoesSair), "&Sair");
    EXPECT_EQ(ui::ToolTip(list, ids::kCmdOk), "Salvar Configurações");
    EXPECT_EQ(ui::ToolTip(list, ids::kConexoesSair), "Sair");
    win::RECT r;
    ASSERT_TRUE(win::GetWindowRect(list, &r));
    EXPECT_EQ(r.left, 1024 / 2 - r.width() / 2);
    EXPECT_EQ(r.top, 768 / 2 - r.height() / 2);
    EXPECT_EQ(EntryOf(list, "dsnkelfolha"), -1);
    EXPECT_EQ(EntryOf(list, "OutraBase"), -1);
    for (const char* listed : {kDsn, "DsnKel Folha", "DsnKel", "RodERuPonto"}) EXPECT_GE(EntryOf(list, listed), 0);
    if (c.chosen != nullptr) {
      ASSERT_TRUE(ui::SelectItem(list, ids::kLstOdbc, EntryOf(list, c.chosen)));
    }
    switch (c.how) {
      case ListCase::kOk: ASSERT_TRUE(ui::Click(list, ids::kCmdOk)); break;
      case ListCase::kDoubleClick:
        ASSERT_TRUE(ui::DoubleClickItem(list, ids::kLstOdbc, EntryOf(list, c.chosen)));
        break;
      case ListCase::kEnter: ASSERT_TRUE(ui::PressKey(list, ui::Key::Enter)); break;
      case ListCase::kSair: ASSERT_TRUE(ui::Click(list, ids::kConexoesSair)); break;
      case ListCase::kEscape: ASSERT_TRUE(ui::PressKey(list, ui::Key::Escape)); break;
    }
  });
  win::SetDlgItemText(main, ids::kTxtConexao, "anterior");
  ASSERT_TRUE(ui::Click(main, ids::kCommand2));
  EXPECT_EQ(ui::Text(main, ids::kTxtConexao), c.field);
  EXPECT_THAT(user.dialogs_opened(), ElementsAre("fauConexoes"));
  EXPECT_EQ(user.left_open(), 0);
  EXPECT_THAT(BoxTexts(), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DataSourceList,
                         ::testing::Values(ListCase{"Ok", kDsn, ListCase::kOk, kDsn},
                                           ListCase{"BlankInsideKept", "DsnKel Folha", ListCase::kOk, "DsnKel Folha"},
                                           ListCase{"BarePrefix", "DsnKel", ListCase::kOk, "DsnKel"},
                                           ListCase{"OtherPrefix", "RodERuPonto", ListCase::kOk, "RodERuPonto"},
                                           ListCase{"DoubleClick", kDsn, ListCase::kDoubleClick, kDsn},
                                           ListCase{"Enter", kDsn, ListCase::kEnter, kDsn},
                                           ListCase{"Sair", kDsn, ListCase::kSair, "anterior"},
                                           ListCase{"Escape", kDsn, ListCase::kEscape, "anterior"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Window, OkWithNothingSelectedWarnsAndStaysOpen) {
  Db();
  int still_open = 0;
  user.OnDialog("fauConexoes", [&](win::HWND list) {
    ASSERT_TRUE(ui::Click(list, ids::kCmdOk));
    still_open += win::IsWindow(list);
    ASSERT_TRUE(ui::Click(list, ids::kConexoesSair));
  });
  ASSERT_TRUE(ui::Click(main, ids::kCommand2));
  EXPECT_EQ(still_open, 1);
  ASSERT_EQ(user.message_boxes().size(), 1u);
  EXPECT_EQ(user.message_boxes()[0].text, "Informe a Conexão ODBC!");
  EXPECT_EQ(user.message_boxes()[0].style, win::MB_ICONSTOP);
  EXPECT_EQ(user.message_boxes()[0].caption, "Sendrik");
  EXPECT_EQ(ui::Text(main, ids::kTxtConexao), "");
}

// --- Runs through the window ----------------------------------------------------------

TEST_F(Window, RunsTheChosenScriptWithTheWaitMessage) {
  Db();
  const std::string script = folder
                                 .Write("Atualiza.spt",
                                        "-- versão\n"
                                        "INSERT INTO sendrik_itens VALUES (1)\n"
                                        "INSERT INTO fauversaodb VALUES (|3.00.0099|, |2.00.0099|)\n")
                                 .string();
  std::vector<std::string> status_during_boxes;
  user.AnswerMessageBoxes([&](const win::MessageBoxRequest&) {
    status_during_boxes.push_back(ui::Text(main, ids::kLblMsg));
    return win::IDOK;
  });
  ChooseDataSource(kDsn);
  ChooseScript(script);
  EXPECT_EQ(ui::Text(main, ids::kTxtScript), script);
  ChooseScript(std::nullopt);  // cancelled: the last choice stays
  EXPECT_EQ(ui::Text(main, ids::kTxtScript), script);
  ASSERT_TRUE(ui::Click(main, ids::kCmdAtualizar));
  EXPECT_EQ(ui::Text(main, ids::kLblMsg), "");

  EXPECT_THAT(Items(), ElementsAre("1"));
  const std::string wait = "Aguarde enquanto o Sendrik executa o Script...";
  EXPECT_THAT(BoxTexts(), ElementsAre("O último script passado não foi o anterior a este!",
                                      "O último script passado não foi o anterior a este!",
                                      "Atualização concluída com sucesso!"));
  EXPECT_THAT(status_during_boxes, ElementsAre(wait, wait, ""));
  for (const auto& box : user.message_boxes()) {
    EXPECT_EQ(box.caption, "Sendrik");
    EXPECT_EQ(box.style, win::MB_ICONINFORMATION);
  }
  const auto& dialogs = user.file_dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  for (const win::OpenFileName& d : dialogs) {
    EXPECT_EQ(d.filter, "Script|*.spt");
    EXPECT_EQ(d.title, "Localizar Scripts");
    EXPECT_EQ(d.owner, main);
  }
  EXPECT_EQ(dialogs[0].initial_folder, sendrik::HomeFolder().string());
  EXPECT_EQ(dialogs[1].initial_folder, folder.folder());
  EXPECT_EQ(dialogs[1].file, script);
  Db().Exec("DELETE FROM fauversaodb");
}

// The run blocks the window: the mouse over a button or the background, while
// a box of the run is up or after it has closed, leaves the wait message.
TEST_F(Window, HoveringDuringARunKeepsTheWaitMessage) {
  Db();
  const std::string script = folder
                                 .Write("Versoes.spt",
                                        "INSERT INTO fauversaodb VALUES (|3.00.0099|, |2.00.0099|)\n"
                                        "INSERT INTO sendrik_itens VALUES (1)\n"
                                        "INSERT INTO fauversaodb VALUES (|3.00.0098|, |2.00.0098|)\n")
                                 .string();
  const std::string wait = "Aguarde enquanto o Sendrik executa o Script...";
  std::vector<std::string> seen;  // the status line after each move, while the run goes on
  user.AnswerMessageBoxes([&](const win::MessageBoxRequest& box) {
    if (box.text.starts_with("O último")) {
      seen.push_back(ui::Text(main, ids::kLblMsg));
      for (int id : {ids::kCmdAtualizar, ids::kCmdSair, ids::kCommand2, ids::kCmdScript, ids::kLblScript}) {
        EXPECT_TRUE(ui::MouseMove(main, id, {3, 3}));
        seen.push_back(ui::Text(main, ids::kLblMsg));
      }
      EXPECT_TRUE(ui::MouseMoveOver(main, {2, 120}));
      seen.push_back(ui::Text(main, ids::kLblMsg));
    }
    return win::IDOK;
  });
  ChooseDataSource(kDsn);
  ChooseScript(script);
  ASSERT_TRUE(ui::Click(main, ids::kCmdAtualizar));
  EXPECT_EQ(user.message_boxes().size(), 5u);  // four warnings and the success
  EXPECT_EQ(seen, std::vector<std::string>(4 * 7, wait));
  EXPECT_THAT(Items(), ElementsAre("1"));
  // Once the run has ended the hints come back.
  ASSERT_TRUE(ui::MouseMove(main, ids::kCmdSair, {3, 3}));
  EXPECT_EQ(ui::Text(main, ids::kLblMsg), "Finalizar Sendrik");
  Db().Exec("DELETE FROM fauversaodb");
}

// --- On the X server (the run test_sendrik_screen) -----------------------------------

// The status line as the screen shows it equals the line as the window would
// paint it now: nothing stale is left on the screen.
::testing::AssertionResult StatusLineOnScreen(win::HWND main) {
  const win::RECT label = ui::ControlRect(main, ids::kLblMsg);
  const ui::Image screen = ui::ScreenGrab(main);  // after the event loop has painted
  const ui::Image painted = ui::Grab(main);
  if (screen.width != painted.width || screen.height != painted.height)
    return ::testing::AssertionFailure() << "the window is not on the screen";
  int differ = 0, dark = 0;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.left; x < label.right; ++x) {
      differ += xtest::Rgb(screen.at(x, y)) != xtest::Rgb(painted.at(x, y));
      dark += (screen.at(x, y) & 0xFF) < 0x40;
    }
  if (differ > 0) return ::testing::AssertionFailure() << differ << " pixels of the status line are stale";
  return ::testing::AssertionSuccess() << dark << " dark pixels";
}

class OnScreen : public Window {
 protected:
  void SetUp() override {
    if (!xtest::OnXServer()) GTEST_SKIP() << "runs on the X server (test_sendrik_screen)";
    Window::SetUp();
  }
  win::POINT Centre(int id) const {
    const win::RECT r = ui::ControlRect(main, id);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

TEST_F(OnScreen, TheWaitMessageStaysOnTheScreenWhileTheUserHovers) {
  Db();
  const std::string script = folder
                                 .Write("Versao.spt",
                                        "INSERT INTO sendrik_itens VALUES (1)\n"
                                        "INSERT INTO fauversaodb VALUES (|3.00.0099|, |2.00.0099|)\n")
                                 .string();
  const std::string wait = "Aguarde enquanto o Sendrik executa o Script...";
  int warnings = 0;
  user.AnswerMessageBoxes([&](const win::MessageBoxRequest& box) {
    if (box.text.starts_with("O último")) {
      ++warnings;
      for (int id : {ids::kCmdAtualizar, ids::kCmdSair, ids::kCommand2}) {
        EXPECT_TRUE(xtest::MoveTo(main, Centre(id)));
        EXPECT_EQ(ui::Text(main, ids::kLblMsg), wait) << id;
        EXPECT_TRUE(StatusLineOnScreen(main)) << id;
      }
    }
    return win::IDOK;
  });
  ChooseDataSource(kDsn);
  ChooseScript(script);
  ASSERT_TRUE(xtest::Click(main, Centre(ids::kCmdAtualizar)));
  EXPECT_EQ(warnings, 2);
  EXPECT_THAT(Items(), ElementsAre("1"));
  // After the run the hints are shown again, on the screen too.
  EXPECT_TRUE(xtest::MoveTo(main, Centre(ids::kCmdScript)));
  EXPECT_TRUE(xtest::MoveTo(main, Centre(ids::kCmdSair)));
  EXPECT_EQ(ui::Text(main, ids::kLblMsg), "Finalizar Sendrik");
  EXPECT_TRUE(StatusLineOnScreen(main));
  Db().Exec("DELETE FROM fauversaodb");
}

TEST_F(Window, FailuresOpenTheLogAndTheWindowWaitsForTheRun) {
  Db();
  const std::string script =
      folder.Write("Falha.spt", "SELEC 1\nINSERT INTO fauversaodb VALUES (|3.00.0007|, |2.00.0001|)\n").string();
  int warnings = 0;
  user.AnswerMessageBoxes([&](const win::MessageBoxRequest& box) {
    if (box.text.starts_with("O último")) {  // during the run
      ++warnings;
      EXPECT_TRUE(ui::Click(main, ids::kCmdAtualizar));
      EXPECT_TRUE(ui::Click(main, ids::kCommand2));
      EXPECT_TRUE(ui::Click(main, ids::kCmdScript));
      EXPECT_TRUE(ui::Click(main, ids::kCmdSair));
      EXPECT_TRUE(win::IsWindow(main));
    }
    return win::IDOK;
  });
  ChooseDataSource(kDsn);
  ChooseScript(script);
  ASSERT_TRUE(ui::Click(main, ids::kCmdAtualizar));
  ui::ProcessPosted();
  EXPECT_FALSE(win::IsWindow(main));  // closed once the run had ended

  EXPECT_EQ(warnings, 2);  // the two values of one line, in one run
  EXPECT_THAT(user.dialogs_opened(), ElementsAre("fauConexoes"));
  EXPECT_EQ(user.file_dialogs().size(), 1u);
  EXPECT_EQ(BoxTexts().back(), "Alguns comandos de Atualização não puderam ser Executados!");
  ASSERT_EQ(user.shell_requests().size(), 1u);
  EXPECT_EQ(user.shell_requests()[0].verb, "open");
  EXPECT_EQ(user.shell_requests()[0].file, (folder.path() / "SendrikLog.txt").string());
  EXPECT_NE(ReadAll(folder.path() / "SendrikLog.txt").find("Total de Camandos: 1 de 2\n"), std::string::npos);
  Db().Exec("DELETE FROM fauversaodb");
}

// An environment variable set while it lives.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* was = getenv(name)) was_ = was;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (was_) setenv(name_, was_->c_str(), 1);
    else unsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> was_;
};

// Qt's own texts in the program's windows are in its language, and the file
// dialog's columns show sizes, types and dates whole (also on the X server).
TEST(FileDialog, SpeaksTheProgramsLanguageAndShowsItsColumnsWhole) {
  const win::QtLanguage qt_texts(sendrik::kLanguage);
  ASSERT_TRUE(qt_texts.loaded()) << "Qt's translations (qt6-translations-l10n)";
  TempFolder folder;
  // Qt keeps the dialog's column widths in the user's settings: none here.
  const ScopedVariable settings("XDG_CONFIG_HOME", (folder.path() / "config").string());
  const std::string script = folder.Write("Script0001.spt", std::string(349, '-')).string();
  ui::User user;
  sendrik::MainWindow window{Module().handle(), folder.path() / "SendrikLog.txt"};
  const win::HWND main = window.Create();
  ASSERT_NE(main, nullptr);
  user.AnswerFileDialogs([&script](const win::OpenFileName&) { return script; });
  ASSERT_TRUE(ui::Click(main, ids::kCmdScript));  // the dialog opens in the script's folder from now on
  std::vector<std::string> texts;  // without their access-key marks
  auto add = [&texts](const QString& text) { texts.push_back(QString(text).remove('&').toStdString()); };
  user.ShowFileDialogs([&add] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
      add(dialog->findChild<QLabel*>(name)->text());
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) add(button->text());
    auto* view = dialog->findChild<QTreeView*>();
    ASSERT_NE(view, nullptr);
    // The folder is read in the background, then laid out.
    for (int pass = 0; pass < 200 && view->model()->rowCount(view->rootIndex()) == 0; ++pass)
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(view->model()->rowCount(view->rootIndex()), 1);
    for (int pass = 0; pass < 10; ++pass) QApplication::processEvents(QEventLoop::AllEvents, 10);
    QHeaderView* header = view->header();
    const QAbstractItemView* items = view;  // the size hint is public there
    for (int column = 1; column < header->count(); ++column) {
      if (header->isSectionHidden(column)) continue;
      SCOPED_TRACE(view->model()->headerData(column, Qt::Horizontal).toString().toStdString());
      EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column));
      EXPECT_GE(header->sectionSize(column), items->sizeHintForColumn(column));
      EXPECT_GT(items->sizeHintForColumn(column), 0);
    }
  });
  ASSERT_TRUE(ui::Click(main, ids::kCmdScript));
  EXPECT_THAT(texts, ElementsAre("Procurar em:", "Nome do arquivo:", "Arquivos do tipo:", "Abrir", "Cancelar"));
  EXPECT_EQ(ui::Text(main, ids::kTxtScript), script);  // cancelled: the last choice stays
  ASSERT_TRUE(ui::Click(main, ids::kCmdSair));
}

TEST_F(Window, AllScriptsRunsTheNumberedSeries) {
  Db();
  folder.Write("Script0012.spt", "INSERT INTO sendrik_itens VALUES (12)\n");
  folder.Write("Script13.spt", "INSERT INTO sendrik_itens VALUES (13)\n");
  ChooseDataSource(kDsn);
  ChooseScript(folder.folder() + "Script0012.spt");
  ASSERT_TRUE(ui::Click(main, ids::kOptTodosScript));
  ASSERT_TRUE(ui::Click(main, ids::kCmdAtualizar));
  EXPECT_EQ(ui::Text(main, ids::kTxtScript), folder.folder() + "Script14.spt");
  EXPECT_THAT(Items(), ElementsAre("12", "13"));
  EXPECT_THAT(BoxTexts(), ElementsAre("O Script ''Script14.spt'', não existe na pasta!",
                                      "Atualização concluída com sucesso. \r\n2 Script foram passados!"));
  Close();
}

TEST_F(Window, EmptyFieldsAreReportedAndTheCloseBoxEnds) {
  ASSERT_TRUE(ui::Click(main, ids::kCmdAtualizar));
  ASSERT_TRUE(ui::Click(main, ids::kOptTodosScript));
  ASSERT_TRUE(ui::Click(main, ids::kCmdAtualizar));
  EXPECT_THAT(BoxTexts(), ElementsAre("Informe a Conexão!", "Informe o Script!"));
  ASSERT_TRUE(win::PostMessage(main, win::WM_CLOSE, 0, 0));
  ui::ProcessPosted();
  EXPECT_FALSE(win::IsWindow(main));
}

}  // namespace
// The keyboard on the main window: Tab into the option pair lands on the
// selected option, the arrow keys change it, Enter presses the focused button.
TEST_F(OnScreen, TheKeyboardDrivesTheOptionsAndTheButtons) {
  auto Focused = [this](int id) { return win::GetFocus() == win::GetDlgItem(main, id); };
  ASSERT_TRUE(xtest::Activate(main));  // on the banner: the window takes the keys
  win::SetFocus(win::GetDlgItem(main, ids::kCmdScript));
  ASSERT_TRUE(xtest::Key(main, "Tab"));
  EXPECT_TRUE(Focused(ids::kOptUmScript)) << "Tab lands on the selected option";
  ASSERT_TRUE(xtest::Key(main, "Up"));
  EXPECT_TRUE(Focused(ids::kOptTodosScript));
  EXPECT_TRUE(ui::IsChecked(main, ids::kOptTodosScript));
  EXPECT_FALSE(ui::IsChecked(main, ids::kOptUmScript));
  ASSERT_TRUE(xtest::Key(main, "Up"));  // stays inside the pair
  EXPECT_TRUE(ui::IsChecked(main, ids::kOptUmScript));
  ASSERT_TRUE(xtest::Key(main, "Tab"));
  EXPECT_TRUE(Focused(ids::kCmdAtualizar));
  ASSERT_TRUE(xtest::Key(main, "Tab"));
  ASSERT_TRUE(Focused(ids::kCmdSair));
  xtest::Key(main, "Return");
  EXPECT_FALSE(win::IsWindow(main)) << "Enter on \"Sair\" closes the window";
}

// The data-source list marks the entry the user clicked while it has the
// focus, so that the mark stands out against the entry's highlight.
TEST_F(OnScreen, TheDataSourceListMarksTheClickedEntry) {
  Db();
  user.OnDialog("fauConexoes", [](win::HWND dialog) {
    ASSERT_TRUE(xtest::Activate(dialog));
    const win::RECT entry = ui::ItemRect(dialog, ids::kLstOdbc, 0);
    ASSERT_GT(entry.height(), 0) << "no entry shown";
    ASSERT_TRUE(xtest::Click(dialog, {(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2}));
    ASSERT_EQ(ui::Selection(dialog, ids::kLstOdbc), 0);
    ASSERT_TRUE(ui::HasFocus(dialog, ids::kLstOdbc));
    const ui::Image focused = ui::ScreenGrab(dialog);
    ASSERT_TRUE(xtest::Key(dialog, "Tab"));
    ASSERT_FALSE(ui::HasFocus(dialog, ids::kLstOdbc));
    EXPECT_EQ(xtest::FocusMarkFault(focused, ui::ScreenGrab(dialog), entry), "");
    ASSERT_TRUE(ui::Click(dialog, ids::kConexoesSair));
  });
  ASSERT_TRUE(ui::Click(main, ids::kCommand2));
  EXPECT_THAT(user.dialogs_opened(), ElementsAre("fauConexoes"));
  EXPECT_EQ(user.left_open(), 0);
  Close();
}

}  // namespace sendrik_test
