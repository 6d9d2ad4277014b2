// SPDX-License-Identifier: MIT
#pragma once
// The language of the texts that Qt itself shows in a program's windows: the
// buttons of message boxes, the open-file dialog, the colour chooser. They are
// Qt's own English until the program, which owns the process, chooses another;
// a library never does.

#include "platform/export.h"

#include <memory>
#include <string_view>

namespace win {

class QV_EXPORT QtLanguage {
 public:
  // Qt's translations into `locale` ("pt_BR"), from the system's Qt
  // translations (Debian: qt6-translations-l10n), for the application's life
  // or this object's; Qt's locale (sizes and dates in the file dialog) becomes
  // `locale` too (both undone with this object). Needs the application object.
  explicit QtLanguage(std::string_view locale);
  ~QtLanguage();
  QtLanguage(const QtLanguage&) = delete;
  QtLanguage& operator=(const QtLanguage&) = delete;

  // False when Qt's translations into the language are not installed: Qt's
  // texts stay English.
  bool loaded() const;

 private:
  struct Translation;
  std::unique_ptr<Translation> translation_;
};

}  // namespace win
