// SPDX-License-Identifier: MIT
#pragma once
// The platform's common dialogs: the open-file dialog (the colour chooser
// comes with its caller).

#include "platform/export.h"
#include "platform/win/types.h"

#include <string>

namespace win {

struct QV_EXPORT OpenFileName {
  HWND owner = nullptr;
  std::string filter;          // "Script|*.spt|All|*.*": description and patterns (";"-separated) in pairs
  std::string title;           // empty: the platform's
  std::string initial_folder;  // empty: the current folder
  std::string file;            // in: the file first shown; out: the chosen full path
};

// Shows the dialog; true with request.file set when the user chose a file,
// false (request.file unchanged) when cancelled or without an application.
QV_EXPORT bool GetOpenFileName(OpenFileName& request);

}  // namespace win
