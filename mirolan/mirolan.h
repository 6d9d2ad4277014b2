// SPDX-License-Identifier: MIT
#pragma once
// Mirolan: the chart engine's new-chart dialog ("Select a Chart Template")
// and its chart-file reader.
//
//   InitNewDialogDLL(0, module);            // the host's resource module, or nullptr
//   mirolan::NewChartBlock block{};         // root folder of the galleries in
//   std::strcpy(block.root, "/opt/charts");
//   if (PromptNewDialog(&block) == 0) Open(block.folder, block.file_name);

#include <cstddef>
#include <string>

#include "platform/win/global_memory.h"
#include "platform/win/types.h"

namespace mirolan {

inline constexpr std::size_t kRootSize = 64;
inline constexpr std::size_t kFileNameSize = 64;
inline constexpr std::size_t kFolderSize = 260;

// The caller's parameter block of PromptNewDialog: zero-terminated
// single-byte texts. The root is read (at most 64 bytes, a terminator not
// required); the file name and folder are written on OK only, always
// terminated.
struct NewChartBlock {
  char root[kRootSize];
  char file_name[kFileNameSize];
  char folder[kFolderSize];
};
static_assert(offsetof(NewChartBlock, file_name) == 64 && offsetof(NewChartBlock, folder) == 128);

inline constexpr short kChosen = 0;
inline constexpr short kNotChosen = 1;

inline constexpr int kNewChartTemplate = 2120;
inline constexpr int kSetupTemplate = 2121;

}  // namespace mirolan

extern "C" {

// The module becomes the source of the dialog's template (nullptr: the
// library's own). The first argument is ignored. Returns a non-zero value.
void* InitNewDialogDLL(int ignored, win::HINSTANCE module);

// Runs the dialog: 0 (kChosen) when the user chose a template with OK, the
// block then holding its file name and folder; 1 otherwise, the block
// untouched (also with no block, no Qt application or no template).
short PromptNewDialog(mirolan::NewChartBlock* block);

// Reads a chart file's thumbnail (into *thumbnail, a picture the caller
// frees with GlobalFree) and/or its description (into *description) when the
// low 16 bits of the flags ask for them. 0 when all that was asked for was
// read, else the first failing status of the SDK (VT_ERR_NO_INPUT_INFO when
// the file's input information could not be made). Exported as
// "_ReadKRXFile" (see the README).
short ReadKRXFile(const std::string* file_name, int want_thumbnail, win::HGLOBAL* thumbnail, int reserved,
                  int want_description, std::string* description) __asm__("_ReadKRXFile");

}  // extern "C"
