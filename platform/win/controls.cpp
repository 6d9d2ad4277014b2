// SPDX-License-Identifier: MIT
#include "platform/win/controls.h"

#include "platform/win/dialog.h"
#include "platform/win/internal.h"

#include <QApplication>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace win {

using detail::Live;

namespace {

template <class T>
T* As(HWND hwnd, std::initializer_list<ControlKind> kinds) {
  WindowHandle* h = Live(hwnd);
  if (!h || h->kind != WindowKind::Control) return nullptr;
  if (std::find(kinds.begin(), kinds.end(), h->control) == kinds.end()) return nullptr;
  return static_cast<T*>(h);
}

detail::ComboBox* Combo(HWND h) { return As<detail::ComboBox>(h, {ControlKind::ComboBox}); }
detail::ListBox* List(HWND h) { return As<detail::ListBox>(h, {ControlKind::ListBox}); }

QAbstractButton* Button(HWND h) {
  WindowHandle* w = Live(h);
  if (!w || w->kind != WindowKind::Control) return nullptr;
  switch (w->control) {
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox: return static_cast<detail::CheckBox*>(w);
    case ControlKind::Radio:
    case ControlKind::AutoRadio: return static_cast<detail::RadioButton*>(w);
    default: return nullptr;
  }
}

void SetButtonChecked(QAbstractButton* b, bool checked) {
  QButtonGroup* group = b->group();
  bool exclusive = group && group->exclusive();
  if (exclusive && !checked) group->setExclusive(false);
  b->setChecked(checked);
  if (exclusive && !checked) group->setExclusive(true);
}

}  // namespace

bool ShowWindow(HWND window, int command) {
  WindowHandle* h = Live(window);
  if (!h) return false;
  bool was = !h->widget->isHidden();
  h->widget->setVisible(command != SW_HIDE);
  return was;
}

bool EnableWindow(HWND window, bool enable) {
  WindowHandle* h = Live(window);
  if (!h) return false;
  bool was_disabled = !h->widget->isEnabled();
  h->widget->setEnabled(enable);
  return was_disabled;
}

bool IsWindowVisible(HWND window) {
  WindowHandle* h = Live(window);
  if (!h) return false;
  if (h->kind != WindowKind::Control) return h->widget->isVisible();
  return h->widget->isVisibleTo(h->widget->window());
}

bool IsWindowEnabled(HWND window) {
  WindowHandle* h = Live(window);
  return h && h->widget->isEnabled();
}

bool IsWindow(HWND window) {
  return Live(window) != nullptr;
}

HWND SetFocus(HWND window) {
  HWND previous = GetFocus();
  if (WindowHandle* h = Live(window)) h->widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

HWND GetFocus() {
  if (!detail::HaveGuiApplication()) return nullptr;
  QWidget* w = QApplication::focusWidget();
  if (!w) {
    if (QWidget* active = QApplication::activeModalWidget()) w = active->focusWidget();
  }
  return detail::HandleOf(w);
}

bool SetWindowText(HWND window, std::string_view text) {
  WindowHandle* h = Live(window);
  if (!h) return false;
  if (h->kind != WindowKind::Control) {
    h->widget->setWindowTitle(detail::Q(text));
    return true;
  }
  detail::SetControlText(h, text);
  if (h->control == ControlKind::Edit) detail::Notify(h, EN_CHANGE);
  return true;
}

std::string GetWindowText(HWND window) {
  WindowHandle* h = Live(window);
  if (!h) return {};
  if (h->kind != WindowKind::Control) return detail::S(h->widget->windowTitle());
  return detail::ControlText(h);
}

bool SetDlgItemText(HWND dialog, int id, std::string_view text) {
  return SetWindowText(GetDlgItem(dialog, id), text);
}

std::string GetDlgItemText(HWND dialog, int id) {
  return GetWindowText(GetDlgItem(dialog, id));
}

int GetDlgItemText(HWND dialog, int id, std::span<char> buffer) {
  if (buffer.empty()) return 0;
  std::string text = GetDlgItemText(dialog, id);
  std::size_t n = std::min(text.size(), buffer.size() - 1);
  std::memcpy(buffer.data(), text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

bool SetDlgItemInt(HWND dialog, int id, long value, bool is_signed) {
  std::string text = is_signed ? std::to_string(value) : std::to_string(static_cast<unsigned long>(value) & 0xFFFFFFFFul);
  return SetDlgItemText(dialog, id, text);
}

long ParseDialogInt(std::string_view text, bool* translated, bool is_signed) {
  if (translated) *translated = false;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (is_signed && i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  std::size_t digits = 0;
  const long long limit = is_signed ? (negative ? -static_cast<long long>(INT_MIN) : INT_MAX) : UINT_MAX;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) return 0;
  }
  if (digits == 0) return 0;
  if (translated) *translated = true;
  return static_cast<long>(negative ? -value : value);
}

long GetDlgItemInt(HWND dialog, int id, bool* translated, bool is_signed) {
  if (translated) *translated = false;
  if (!GetDlgItem(dialog, id)) return 0;
  return ParseDialogInt(GetDlgItemText(dialog, id), translated, is_signed);
}

bool CheckDlgButton(HWND dialog, int id, int state) {
  QAbstractButton* b = Button(GetDlgItem(dialog, id));
  if (!b) return false;
  SetButtonChecked(b, state != BST_UNCHECKED);
  return true;
}

int IsDlgButtonChecked(HWND dialog, int id) {
  QAbstractButton* b = Button(GetDlgItem(dialog, id));
  return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

bool CheckRadioButton(HWND dialog, int first, int last, int id) {
  if (!Live(dialog)) return false;
  for (int i = first; i <= last; ++i) {
    if (i == id) continue;
    if (QAbstractButton* b = Button(GetDlgItem(dialog, i))) SetButtonChecked(b, false);
  }
  if (QAbstractButton* b = Button(GetDlgItem(dialog, id))) SetButtonChecked(b, true);
  return true;
}

int ComboBox_AddString(HWND combo, std::string_view text) {
  auto* c = Combo(combo);
  if (!c) return CB_ERR;
  QSignalBlocker block(c);
  int selected = c->currentIndex();
  c->addItem(detail::Q(text));
  c->setCurrentIndex(selected);  // adding never selects
  return c->count() - 1;
}

void ComboBox_ResetContent(HWND combo) {
  if (auto* c = Combo(combo)) {
    QSignalBlocker block(c);
    c->clear();
  }
}

int ComboBox_SetCurSel(HWND combo, int index) {
  auto* c = Combo(combo);
  if (!c) return CB_ERR;
  QSignalBlocker block(c);
  if (index < 0 || index >= c->count()) {
    c->setCurrentIndex(-1);
    return CB_ERR;
  }
  c->setCurrentIndex(index);
  return index;
}

int ComboBox_GetCurSel(HWND combo) {
  auto* c = Combo(combo);
  return c ? c->currentIndex() : CB_ERR;
}

int ComboBox_GetCount(HWND combo) {
  auto* c = Combo(combo);
  return c ? c->count() : CB_ERR;
}

std::string ComboBox_GetText(HWND combo, int index) {
  auto* c = Combo(combo);
  if (!c || index < 0 || index >= c->count()) return {};
  return detail::S(c->itemText(index));
}

int ListBox_AddString(HWND list, std::string_view text) {
  auto* l = List(list);
  if (!l) return LB_ERR;
  l->programmatic = true;
  l->addItem(detail::Q(text));
  l->programmatic = false;
  return l->count() - 1;
}

void ListBox_ResetContent(HWND list) {
  if (auto* l = List(list)) {
    l->programmatic = true;
    l->clear();
    l->programmatic = false;
  }
}

int ListBox_SetCurSel(HWND list, int index) {
  auto* l = List(list);
  if (!l) return LB_ERR;
  l->programmatic = true;
  int result = index;
  if (index < 0 || index >= l->count()) {
    l->clearSelection();
    l->setCurrentRow(-1);
    result = LB_ERR;
  } else {
    l->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  }
  l->programmatic = false;
  return result;
}

int ListBox_GetCurSel(HWND list) {
  auto* l = List(list);
  if (!l) return LB_ERR;
  QList<QListWidgetItem*> selected = l->selectedItems();
  return selected.isEmpty() ? LB_ERR : l->row(selected.front());
}

int ListBox_GetCount(HWND list) {
  auto* l = List(list);
  return l ? l->count() : LB_ERR;
}

std::string ListBox_GetText(HWND list, int index) {
  auto* l = List(list);
  if (!l || index < 0 || index >= l->count()) return {};
  return detail::S(l->item(index)->text());
}

bool ListBox_SetEllipsis(HWND list, bool ellipsis) {
  return ListBox_SetEllipsis(list, ellipsis ? ListEllipsis::End : ListEllipsis::None);
}

bool ListBox_SetEllipsis(HWND list, ListEllipsis where) {
  auto* l = List(list);
  if (!l) return false;
  switch (where) {
    case ListEllipsis::None: l->setTextElideMode(Qt::ElideNone); break;
    case ListEllipsis::End: l->setTextElideMode(Qt::ElideRight); break;
    case ListEllipsis::Middle: l->setTextElideMode(Qt::ElideMiddle); break;
  }
  return true;
}

int ListBox_DeleteString(HWND list, int index) {
  auto* l = List(list);
  if (!l || index < 0 || index >= l->count()) return LB_ERR;
  l->programmatic = true;
  std::unique_ptr<QListWidgetItem> item(l->takeItem(index));
  l->programmatic = false;
  return l->count();
}

}  // namespace win
