#include "platform/win/common_dialogs.h"

#include "platform/win/internal.h"

#include <QFileDialog>

namespace win {
namespace {

// "Script|*.spt|All|*.*" -> "Script (*.spt);;All (*.*)"
QString QtFilter(std::string_view filter) {
  QStringList parts = detail::Q(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    out << parts[i].trimmed() + " (" + parts[i + 1].trimmed().replace(';', ' ') + ")";
  return out.join(";;");
}

}  // namespace

bool GetOpenFileName(OpenFileName& request) {
  if (auto& hook = detail::Automation().open_file) {
    std::optional<std::string> chosen = hook(request);
    if (!chosen) return false;
    request.file = *chosen;
    return true;
  }
  if (!detail::HaveGuiApplication()) return false;
  QWidget* parent = nullptr;
  if (WindowHandle* owner = detail::Live(request.owner)) parent = owner->widget->window();
  QFileDialog dialog(parent, detail::Q(request.title), detail::Q(request.initial_folder), QtFilter(request.filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!request.file.empty()) dialog.selectFile(detail::Q(request.file));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  request.file = detail::S(dialog.selectedFiles().front());
  return true;
}

}  // namespace win
