// SPDX-License-Identifier: MIT
// The chart-file reader: the order of the SDK calls, the statuses and the
// rule for the description text.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "mirolan/mirolan.h"
#include "platform/vantrel/chartfile.h"
#include "tests/mirolan/fixture.h"

namespace {

using mirolantest::TempFolder;
using Calls = std::vector<std::string>;

enum class File { Complete, NoDescription, NoThumbnail, Missing, TooLarge, LongDescription };

struct ReadCase {
  const char* label;
  File file;
  int want_thumbnail;
  int want_description;
  short status;
  std::string description;  // afterwards; it starts as "old"
  Calls calls;
};

const Calls kOpenClose{"IOopen", "Tiff_AllocInputInfo", "Tiff_FreeInputInfo", "IOclose"};
const Calls kDescription{"IOopen", "Tiff_AllocInputInfo", "FKRX_ReadDescription", "Tiff_FreeInputInfo", "IOclose"};
const Calls kThumbnail{"IOopen", "Tiff_AllocInputInfo", "FKRX_ReadThumbnail", "Tiff_FreeInputInfo", "IOclose"};
const Calls kBoth{"IOopen", "Tiff_AllocInputInfo", "FKRX_ReadThumbnail", "FKRX_ReadDescription", "Tiff_FreeInputInfo",
                  "IOclose"};

class ReadKrxTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadKrxTest, CallsTheSdkInOrderAndKeepsTheRule) {
  const ReadCase& c = GetParam();
  TempFolder dir;
  std::string path = dir / "chart.KWX";
  switch (c.file) {
    case File::Complete: mirolantest::WriteChart(path, "Clustered bars"); break;
    case File::NoDescription: mirolantest::WriteChart(path, ""); break;
    case File::NoThumbnail: mirolantest::WriteBytes(path, vantrel::EncodeChartFile("Lines", {})); break;
    case File::Missing: break;
    case File::TooLarge:
      mirolantest::WriteChart(path, "big");
      ASSERT_EQ(::truncate(path.c_str(), 17 * 1024 * 1024), 0);
      break;
    case File::LongDescription: mirolantest::WriteChart(path, std::string(400, 'x')); break;
  }
  std::string description = "old";
  win::HGLOBAL thumbnail = nullptr;
  Calls calls;
  vantrel::TraceCalls(&calls);
  short status = ReadKRXFile(&path, c.want_thumbnail, &thumbnail, 0, c.want_description, &description);
  vantrel::TraceCalls(nullptr);
  EXPECT_EQ(status, c.status);
  EXPECT_EQ(description, c.description);
  EXPECT_EQ(calls, c.calls);
  EXPECT_EQ(thumbnail != nullptr, (c.want_thumbnail & 0xFFFF) != 0 && c.status == VT_OK);
  win::GlobalFree(thumbnail);
  EXPECT_EQ(vantrel::OpenIoBlocks(), 0);
  EXPECT_EQ(vantrel::LiveInputInfos(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadKrxTest,
    ::testing::Values(ReadCase{"neither", File::Complete, 0, 0, VT_OK, "", kOpenClose},
                      ReadCase{"description", File::Complete, 0, 1, VT_OK, "Clustered bars", kDescription},
                      ReadCase{"both", File::Complete, 1, 1, VT_OK, "Clustered bars", kBoth},
                      ReadCase{"thumbnail only empties the text", File::Complete, 1, 0, VT_OK, "", kThumbnail},
                      ReadCase{"no description keeps the text", File::NoDescription, 0, 1, VT_ERR_NO_DESCRIPTION, "old",
                               kDescription},
                      ReadCase{"thumbnail failing", File::NoThumbnail, 1, 1, VT_ERR_NO_THUMBNAIL, "old", kThumbnail},
                      ReadCase{"missing file", File::Missing, 1, 1, VT_ERR_OPEN, "old", Calls{"IOopen", "IOclose"}},
                      ReadCase{"no input information", File::TooLarge, 1, 1, VT_ERR_NO_INPUT_INFO, "old",
                               Calls{"IOopen", "Tiff_AllocInputInfo", "IOclose"}},
                      ReadCase{"flags by their low 16 bits", File::Complete, 0x10000, 0x10000, VT_OK, "", kOpenClose},
                      ReadCase{"description of 255 at most", File::LongDescription, 0, 1, VT_OK, std::string(255, 'x'),
                               kDescription}),
    [](const auto& info) {
      std::string name;
      for (char ch : std::string(info.param.label)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(ReadKrx, MissingTextObjectsAreNotTouched) {
  TempFolder dir;
  std::string path = dir / "c.kwx";
  mirolantest::WriteChart(path, "Area");
  EXPECT_EQ(ReadKRXFile(&path, 0, nullptr, 0, 1, nullptr), VT_OK);
  EXPECT_EQ(ReadKRXFile(&path, 0, nullptr, 0, 0, nullptr), VT_OK);
  EXPECT_EQ(ReadKRXFile(&path, 1, nullptr, 0, 0, nullptr), VT_ERR_ARGUMENT);  // no destination
  std::string text = "old";
  EXPECT_EQ(ReadKRXFile(nullptr, 0, nullptr, 0, 1, &text), VT_ERR_ARGUMENT);
  EXPECT_EQ(text, "old");
  EXPECT_EQ(vantrel::OpenIoBlocks(), 0);
}

TEST(ReadKrx, IsExportedUnderItsName) {
  void* self = ::dlopen(nullptr, RTLD_NOW);
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(::dlsym(self, "_ReadKRXFile"), reinterpret_cast<void*>(&ReadKRXFile));
  for (const char* name : {"InitNewDialogDLL", "PromptNewDialog"}) EXPECT_NE(::dlsym(self, name), nullptr) << name;
  ::dlclose(self);
}

TEST(Library, KeepsTheGraphicsLibraryOpenWhileLoaded) {
  EXPECT_GE(vantrel::GraphicsLibraryStarts(), 1);
  EXPECT_NE(InitNewDialogDLL(0, nullptr), nullptr);
}

}  // namespace
