// SPDX-License-Identifier: MIT
// The shell's "open": the desktop's opener (xdg-open) takes the file, and a
// missing or failing opener is a failure the caller can tell the user about.
#include "platform/win/shell.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/win/gui_environment.h"

namespace {

constexpr int kNoAssociation = 31;
constexpr int kFileNotFound = 2;

// A folder that is the whole PATH while it lives, with the opener a case gives
// (its commands are the shell's own, or named by their full path).
class DesktopWithOpener {
 public:
  // script: the opener's shell commands ("" for no opener); "$1" is the file.
  explicit DesktopWithOpener(const std::string& script) {
    std::string pattern = (std::filesystem::temp_directory_path() / "shell-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
    if (!script.empty()) {
      std::ofstream(folder_ / "xdg-open") << "#!/bin/sh\n" << script << "\n";
      chmod((folder_ / "xdg-open").c_str(), 0700);
    }
    if (const char* path = getenv("PATH")) path_ = path;
    setenv("PATH", folder_.c_str(), 1);
  }
  ~DesktopWithOpener() {
    setenv("PATH", path_.c_str(), 1);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  DesktopWithOpener(const DesktopWithOpener&) = delete;
  DesktopWithOpener& operator=(const DesktopWithOpener&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path Write(const std::string& name) {
    std::ofstream(folder_ / name) << "log\n";
    return folder_ / name;
  }

 private:
  std::filesystem::path folder_;
  std::string path_;
};

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct OpenCase {
  const char* name;
  const char* opener;  // the script of xdg-open; "" for none
  bool opened;
};

class ShellOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(ShellOpen, SucceedsOnlyWhenTheDesktopsOpenerTookTheFile) {
  DesktopWithOpener desktop(GetParam().opener);
  const auto log = desktop.Write("SendrikLog.txt");
  const int result = win::ShellExecute(nullptr, "open", log.string());
  if (GetParam().opened) {
    EXPECT_GT(result, 32);
    EXPECT_EQ(ReadAll(desktop.folder() / "opened"), log.string() + "\n");
  } else {
    EXPECT_EQ(result, kNoAssociation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Openers, ShellOpen,
    ::testing::Values(OpenCase{"None", "", false},
                      // xdg-open finds no program for the file's type (a server reached over X forwarding).
                      OpenCase{"NoProgramForTheType", "exit 3", false}, OpenCase{"Failing", "exit 4", false},
                      OpenCase{"Opens", "echo \"$1\" > \"${0%/*}/opened\"", true},
                      // Still showing the file when the call returns.
                      OpenCase{"KeepsRunning", "echo \"$1\" > \"${0%/*}/opened\"; exec /bin/sleep 3", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Shell, AMissingFileOrAnotherVerbIsRefused) {
  DesktopWithOpener desktop("echo \"$1\" > \"${0%/*}/opened\"");
  EXPECT_EQ(win::ShellExecute(nullptr, "open", (desktop.folder() / "missing.txt").string()), kFileNotFound);
  EXPECT_EQ(win::ShellExecute(nullptr, "print", desktop.Write("a.txt").string()), kNoAssociation);
  EXPECT_FALSE(std::filesystem::exists(desktop.folder() / "opened"));
}

}  // namespace
