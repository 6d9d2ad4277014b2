#pragma once
// Checks of a dialog as it opened: every control inside the dialog, none over
// another (group boxes aside), every text and combo entry wide enough in the
// template's drawing font, no mnemonic letter twice, the template's caption.

#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qvtest {

namespace layout_detail {

namespace t = win::testing;

// A control's text without its mnemonic marks, and the marked letter (0: none).
inline std::pair<std::string, char> Label(const std::string& text) {
  std::string plain;
  char mnemonic = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      if (text[i + 1] != '&' && mnemonic == 0)
        mnemonic = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
      ++i;
    }
    plain += text[i];
  }
  return {plain, mnemonic};
}

// The width a control needs for its text (and a combo for its longest entry).
inline int NeededWidth(win::HWND dlg, const win::ControlTemplate& c, const QFont& font) {
  QFontMetrics metrics(font);
  int text = metrics.horizontalAdvance(QString::fromStdString(Label(c.text).first));
  QStyle* style = QApplication::style();
  switch (c.kind) {
    case win::ControlKind::CheckBox:
    case win::ControlKind::AutoCheckBox:
      return text + style->pixelMetric(QStyle::PM_IndicatorWidth) +
             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    case win::ControlKind::Radio:
    case win::ControlKind::AutoRadio:
      return text + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    case win::ControlKind::ComboBox: {
      QComboBox probe;
      probe.setFont(font);
      for (int i = 0; i < t::Count(dlg, c.id); ++i) probe.addItem(QString::fromStdString(t::ItemText(dlg, c.id, i)));
      return probe.sizeHint().width();
    }
    case win::ControlKind::Button: return text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    default: return text;
  }
}

inline bool Overlap(const win::RECT& a, const win::RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace layout_detail

// Call inside the dialog's action, with the controls to check visible.
inline void ExpectLayoutFits(win::HWND dlg, const win::DialogTemplate& dialog) {
  using namespace layout_detail;
  win::DialogFontMetrics drawing = win::FontMetrics(dialog.font_face, dialog.font_size);
  QFont font(QString::fromStdString(drawing.draw_face));
  font.setPixelSize(drawing.pixel_size);
  EXPECT_FALSE(dialog.caption.empty());
  EXPECT_EQ(win::GetWindowText(dlg), dialog.caption);
  win::RECT window;
  ASSERT_TRUE(win::GetWindowRect(dlg, &window));
  std::map<char, int> mnemonics;
  std::vector<std::pair<const win::ControlTemplate*, win::RECT>> placed;
  for (const win::ControlTemplate& c : dialog.controls) {
    if (char letter = Label(c.text).second) {
      auto [it, fresh] = mnemonics.emplace(letter, c.id);
      EXPECT_TRUE(fresh) << "'" << letter << "' marks " << c.id << " and " << it->second;
    }
    if (c.id == win::IDC_STATIC) continue;  // not addressable by id
    SCOPED_TRACE(c.id);
    win::RECT r = t::ControlRect(dlg, c.id);
    EXPECT_TRUE(t::IsVisible(dlg, c.id));
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.right, window.width());
    EXPECT_LE(r.bottom, window.height());
    EXPECT_GE(r.width(), NeededWidth(dlg, c, font));
    if (c.kind == win::ControlKind::GroupBox) continue;
    for (const auto& [other, other_rect] : placed) EXPECT_FALSE(Overlap(r, other_rect)) << "over " << other->id;
    placed.emplace_back(&c, r);
  }
}

}  // namespace qvtest
