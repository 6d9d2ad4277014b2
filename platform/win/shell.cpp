#include "platform/win/shell.h"

#include "platform/win/internal.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace win {

int ShellExecute(HWND, std::string_view verb, std::string_view file, std::string_view, std::string_view, int) {
  if (auto& hook = detail::Automation().shell) return hook(verb, file);
  constexpr int kFileNotFound = 2;
  constexpr int kNoAssociation = 31;
  if (verb != "open" || !detail::HaveGuiApplication()) return kNoAssociation;
  QString path = detail::Q(file);
  if (!QFileInfo::exists(path)) return kFileNotFound;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? 42 : kNoAssociation;
}

}  // namespace win
