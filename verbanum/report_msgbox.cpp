#include "verbanum/report.h"

#include "platform/win/msgbox.h"
#include "verbanum/cp1252.h"

namespace verbanum {

void ReportError(std::string_view message) {
  win::MessageBox(nullptr, Cp1252ToUtf8(message), "Função Extenso", win::MB_OK);
}

}  // namespace verbanum
