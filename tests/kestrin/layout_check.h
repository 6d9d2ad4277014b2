// SPDX-License-Identifier: MIT
#pragma once
// Layout checks of dialog templates and of dialogs as they are open:
// - every control inside its dialog;
// - no two controls over one another, unless one holds the other (a group
//   box or a bordered frame) or they are alternates, shown one at a time;
// - every text fits its control in the template's drawing font (wrapped
//   statics in their height too, combo boxes for their longest entry);
// - no access key twice in one dialog.
// A template is checked as written (every control, shown or not); an open
// dialog for what it shows now, with the texts it has now.

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvtest {

// Controls of one template that are shown one at a time in the same place:
// no control of `one` is ever visible together with one of `other`.
struct Alternates {
  std::string_view dialog;  // template name, or "#n" for a numbered one
  std::vector<int> one;
  std::vector<int> other;
};

// Every pair of alternates of the chart and update-program templates.
inline std::span<const Alternates> KnownAlternates() {
  static const std::vector<Alternates> list{
      // The count's label follows the mode: entries per column, or per row.
      {"DLOG_Legend", {8011}, {8012}},
      // Only the active list's move button is shown.
      {"DLOG_AxisSplit", {8000}, {8001}},
      // The variant argument shows the axis titles' controls or the labels'.
      {"DLOG_3DTxtDlg", {8001, 8002, 8003}, {8004, 8005, 8006}},
  };
  return list;
}

namespace layout_detail {

namespace t = win::testing;

// A control's text without its mnemonic marks, and the marked letter (0: none).
inline std::pair<std::string, char> Label(std::string_view text) {
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

inline QFont DrawingFont(const win::DialogTemplate& dialog) {
  win::DialogFontMetrics drawing = win::FontMetrics(dialog.font_face, dialog.font_size);
  QFont font(QString::fromStdString(drawing.draw_face));
  font.setPixelSize(drawing.pixel_size);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

inline bool HasText(win::ControlKind kind) {
  switch (kind) {
    case win::ControlKind::Edit:
    case win::ControlKind::ListBox:
    case win::ControlKind::Image:
    case win::ControlKind::Custom: return false;
    default: return true;
  }
}

// What a text needs in a control of this kind: "" when it fits, else why not.
inline std::string TextMisfit(win::ControlKind kind, bool owner_draw, std::string_view raw, const win::RECT& r,
                              const QFont& font, std::span<const std::string> entries = {}) {
  if (!HasText(kind) || owner_draw) return {};
  QFontMetrics metrics(font);
  QStyle* style = QApplication::style();
  QString text = QString::fromStdString(Label(raw).first);
  int needed = 0;
  switch (kind) {
    case win::ControlKind::Static: {
      QRect bounds = metrics.boundingRect(QRect(0, 0, r.width(), INT_MAX / 2), Qt::TextWordWrap, text);
      if (text.isEmpty() || (bounds.width() <= r.width() && bounds.height() <= r.height())) return {};
      std::ostringstream why;
      why << "text needs " << bounds.width() << " x " << bounds.height() << " pixels, has " << r.width() << " x "
          << r.height();
      return why.str();
    }
    case win::ControlKind::CheckBox:
    case win::ControlKind::AutoCheckBox:
      needed = metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_IndicatorWidth) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
      break;
    case win::ControlKind::Radio:
    case win::ControlKind::AutoRadio:
      needed = metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      break;
    case win::ControlKind::Button:
      needed = metrics.horizontalAdvance(text) + 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
      break;
    case win::ControlKind::GroupBox: needed = metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth(); break;
    case win::ControlKind::ComboBox: {
      QComboBox probe;
      probe.setFont(font);
      for (const std::string& e : entries) probe.addItem(QString::fromStdString(e));
      needed = entries.empty() ? 0 : probe.sizeHint().width();
      break;
    }
    default: return {};
  }
  if (needed <= r.width()) return {};
  return "text needs " + std::to_string(needed) + " pixels, has " + std::to_string(r.width());
}

inline bool Overlap(const win::RECT& a, const win::RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline bool Contains(const win::RECT& outer, const win::RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Group boxes and bordered statics are frames that may hold other controls.
inline bool IsFrame(const win::ControlTemplate& c) {
  return c.kind == win::ControlKind::GroupBox || (c.kind == win::ControlKind::Static && c.style.border);
}

inline bool AreAlternates(std::string_view dialog, int a, int b) {
  for (const Alternates& alt : KnownAlternates()) {
    if (alt.dialog != dialog) continue;
    auto in = [](const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    if ((in(alt.one, a) && in(alt.other, b)) || (in(alt.one, b) && in(alt.other, a))) return true;
  }
  return false;
}

// One control as placed: its template, its rectangle, its text now.
struct Placed {
  const win::ControlTemplate* control;
  win::RECT rect;
  std::string text;
  std::vector<std::string> entries;  // a combo box's entries
};

inline std::string Name(const win::ControlTemplate& c) {
  std::string label = Label(c.text).first;
  return std::to_string(c.id) + (label.empty() ? "" : " \"" + label + "\"");
}

inline std::vector<std::string> Problems(std::string_view dialog_name, const win::RECT& dialog,
                                         std::span<const Placed> placed, const QFont& font) {
  std::vector<std::string> problems;
  std::map<char, const Placed*> keys;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const Placed& p = placed[i];
    const win::ControlTemplate& c = *p.control;
    if (!Contains(dialog, p.rect)) problems.push_back(Name(c) + ": outside the dialog");
    if (std::string why = TextMisfit(c.kind, c.style.owner_draw, p.text, p.rect, font, p.entries); !why.empty())
      problems.push_back(Name(c) + ": " + why);
    if (char key = Label(p.text).second) {
      auto [it, fresh] = keys.emplace(key, &p);
      if (!fresh)
        problems.push_back(std::string("access key '") + key + "' of " + Name(c) + " and " +
                           Name(*it->second->control));
    }
    for (std::size_t j = 0; j < i; ++j) {
      const Placed& q = placed[j];
      if (!Overlap(p.rect, q.rect)) continue;
      if ((IsFrame(c) && Contains(p.rect, q.rect)) || (IsFrame(*q.control) && Contains(q.rect, p.rect))) continue;
      if (AreAlternates(dialog_name, c.id, q.control->id)) continue;
      problems.push_back(Name(c) + " over " + Name(*q.control));
    }
  }
  return problems;
}

}  // namespace layout_detail

// A template as written: every control, shown at start or not.
inline std::vector<std::string> TemplateLayoutProblems(const win::DialogTemplate& dialog) {
  using namespace layout_detail;
  win::DialogFontMetrics metrics = win::FontMetrics(dialog.font_face, dialog.font_size);
  std::vector<Placed> placed;
  for (const win::ControlTemplate& c : dialog.controls) {
    win::RECT r = win::DialogUnitsToPixels(metrics, c.x, c.y, c.cx, c.cy);
    if (c.kind == win::ControlKind::ComboBox)  // the closed box; the template's height is the drop-down's
      r.bottom = r.top + std::min(r.height(), (12 * metrics.base_y + 4) / 8 + 2);
    placed.push_back({&c, r, c.text, {}});
  }
  return Problems(dialog.name.text(), win::DialogUnitsToPixels(metrics, 0, 0, dialog.cx, dialog.cy), placed,
                  DrawingFont(dialog));
}

// An open dialog as it shows now: its visible controls (those the template
// names by id) with their texts and entries of this moment.
inline std::vector<std::string> OpenLayoutProblems(win::HWND dlg, const win::DialogTemplate& dialog) {
  using namespace layout_detail;
  std::vector<Placed> placed;
  for (const win::ControlTemplate& c : dialog.controls) {
    if (c.id == win::IDC_STATIC) {  // not addressable: never shown or hidden, its text as written
      win::DialogFontMetrics metrics = win::FontMetrics(dialog.font_face, dialog.font_size);
      placed.push_back({&c, win::DialogUnitsToPixels(metrics, c.x, c.y, c.cx, c.cy), c.text, {}});
      continue;
    }
    if (!t::IsVisible(dlg, c.id)) continue;
    Placed p{&c, t::ControlRect(dlg, c.id), c.kind == win::ControlKind::ComboBox ? "" : t::Text(dlg, c.id), {}};
    if (c.kind == win::ControlKind::ComboBox)
      for (int i = 0; i < t::Count(dlg, c.id); ++i) p.entries.push_back(t::ItemText(dlg, c.id, i));
    placed.push_back(std::move(p));
  }
  win::RECT window;
  if (!win::GetWindowRect(dlg, &window)) return {"no such dialog"};
  std::vector<std::string> problems =
      Problems(dialog.name.text(), win::RECT{0, 0, window.width(), window.height()}, placed, DrawingFont(dialog));
  if (win::GetWindowText(dlg) != dialog.caption) problems.push_back("caption \"" + win::GetWindowText(dlg) + "\"");
  return problems;
}

// Call inside the dialog's action when every control it names by id should
// be shown: each is visible and the layout has no problem.
inline void ExpectLayoutFits(win::HWND dlg, const win::DialogTemplate& dialog) {
  EXPECT_FALSE(dialog.caption.empty());
  for (const win::ControlTemplate& c : dialog.controls) {
    if (c.id != win::IDC_STATIC) {
      EXPECT_TRUE(win::testing::IsVisible(dlg, c.id)) << c.id;
    }
  }
  for (const std::string& problem : OpenLayoutProblems(dlg, dialog)) ADD_FAILURE() << problem;
}

}  // namespace qvtest
