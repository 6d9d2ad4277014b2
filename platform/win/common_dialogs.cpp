// SPDX-License-Identifier: MIT
#include "platform/win/common_dialogs.h"

#include "platform/win/internal.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>

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

// The columns of the detail view as wide as their contents (sizes, types and
// dates whole); the name takes what is left.
void FitColumns(QFileDialog& dialog) {
  for (QTreeView* view : dialog.findChildren<QTreeView*>()) {
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

}  // namespace

bool GetOpenFileName(OpenFileName& request) {
  if (auto& hook = detail::Automation().open_file) {
    std::optional<std::string> chosen = hook(request);
    if (!chosen) return false;
    request.file = *chosen;
    return true;
  }
  return detail::RunOpenFileDialog(request, {});
}

namespace detail {

int ExecWith(QDialog& dialog, const std::function<void()>& inside) {
  if (inside) {
    QTimer::singleShot(0, &dialog, [&dialog, &inside] {
      inside();
      if (dialog.isVisible()) dialog.reject();
    });
  }
  return dialog.exec();
}

bool RunOpenFileDialog(OpenFileName& request, const std::function<void()>& inside) {
  if (!HaveGuiApplication()) return false;
  QWidget* parent = nullptr;
  if (WindowHandle* owner = Live(request.owner)) parent = owner->widget->window();
  QFileDialog dialog(parent, Q(request.title), Q(request.initial_folder), QtFilter(request.filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  FitColumns(dialog);
  if (!request.file.empty()) dialog.selectFile(Q(request.file));
  if (ExecWith(dialog, inside) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  request.file = S(dialog.selectedFiles().front());
  return true;
}

}  // namespace detail
}  // namespace win
