// SPDX-License-Identifier: MIT
#include "verbanum/report.h"

#include "platform/automation/text.h"
#include "platform/win/msgbox.h"

namespace verbanum {

void ReportError(std::string_view message) {
  win::MessageBox(nullptr, automation::Cp1252ToUtf8(message), "Função Extenso", win::MB_OK);
}

}  // namespace verbanum
