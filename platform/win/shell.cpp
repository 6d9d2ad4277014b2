// SPDX-License-Identifier: MIT
#include "platform/win/shell.h"

#include "platform/win/internal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace win {
namespace {

constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kDone = 42;
// How long the desktop's opener is given to fail: one that is still running
// then is showing the file (some wait for the program they started).
constexpr int kOpenerVerdictMs = 2000;

// The desktop's opener (xdg-open, which hands the file to the desktop's own
// program for its type); false when there is none or it failed.
bool OpenWithDesktop(const QString& path) {
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty()) return false;
  // Owned by the application, so that an opener still running outlives the call.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  QObject::connect(process, &QProcess::errorOccurred, process, &QObject::deleteLater);
  process->start(opener, {path});
  if (!process->waitForStarted()) return false;
  if (!process->waitForFinished(kOpenerVerdictMs)) return process->state() == QProcess::Running;
  return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

}  // namespace

int ShellExecute(HWND, std::string_view verb, std::string_view file, std::string_view, std::string_view, int) {
  if (auto& hook = detail::Automation().shell) return hook(verb, file);
  if (verb != "open" || !detail::HaveGuiApplication()) return kNoAssociation;
  QString path = detail::Q(file);
  if (!QFileInfo::exists(path)) return kFileNotFound;
  return OpenWithDesktop(QFileInfo(path).absoluteFilePath()) ? kDone : kNoAssociation;
}

}  // namespace win
