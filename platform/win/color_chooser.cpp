// SPDX-License-Identifier: MIT
#include "platform/win/color_chooser.h"

#include "platform/win/internal.h"

#include <QColorDialog>

namespace win {
namespace {

QColor Colour(COLORREF c) {
  return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)), static_cast<int>(GetBValue(c)));
}

COLORREF Colorref(const QColor& c) {
  return RGB(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()), static_cast<unsigned>(c.blue()));
}

}  // namespace

bool ChooseColor(CHOOSECOLOR* request) {
  if (request == nullptr) return false;
  if (auto& hook = detail::Automation().choose_color) {
    std::optional<COLORREF> chosen = hook(*request);
    if (!chosen) return false;
    request->rgbResult = *chosen;
    return true;
  }
  return detail::RunColorChooser(*request, {});
}

namespace detail {

bool RunColorChooser(CHOOSECOLOR& request, const std::function<void()>& inside) {
  if (!HaveGuiApplication()) return false;
  QWidget* parent = nullptr;
  if (WindowHandle* owner = Live(request.hwndOwner)) parent = owner->widget->window();
  int custom = request.lpCustColors ? std::min(kCustomColorCount, QColorDialog::customCount()) : 0;
  for (int i = 0; i < custom; ++i) QColorDialog::setCustomColor(i, Colour(request.lpCustColors[i]));
  QColorDialog dialog(parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setCurrentColor(Colour(request.Flags & CC_RGBINIT ? request.rgbResult : RGB(0, 0, 0)));
  bool chosen = ExecWith(dialog, inside) == QDialog::Accepted;
  for (int i = 0; i < custom; ++i) request.lpCustColors[i] = Colorref(QColorDialog::customColor(i));
  if (chosen) request.rgbResult = Colorref(dialog.selectedColor());
  return chosen;
}

}  // namespace detail
}  // namespace win
