// SPDX-License-Identifier: MIT
#include "platform/win/language.h"

#include "platform/win/internal.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace win {

struct QtLanguage::Translation {
  QTranslator translator;
  bool installed = false;
  QLocale previous;  // Qt's locale before
};

QtLanguage::QtLanguage(std::string_view locale) : translation_(std::make_unique<Translation>()) {
  const QLocale language(detail::Q(locale));
  QLocale::setDefault(language);
  if (QCoreApplication::instance() == nullptr) return;
  if (translation_->translator.load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    translation_->installed = QCoreApplication::installTranslator(&translation_->translator);
}

QtLanguage::~QtLanguage() {
  if (translation_->installed) QCoreApplication::removeTranslator(&translation_->translator);
  QLocale::setDefault(translation_->previous);
}

bool QtLanguage::loaded() const { return translation_->installed; }

}  // namespace win
