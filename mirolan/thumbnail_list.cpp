// SPDX-License-Identifier: MIT
#include "mirolan/thumbnail_list.h"

#include <algorithm>

#include "mirolan/files.h"
#include "platform/vantrel/chartfile.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

namespace mirolan {

CThumbnailListBox::CThumbnailListBox()
    : red_pen_(win::PS_INSIDEFRAME, 4, win::RGB(255, 0, 0)),
      white_pen_(win::PS_INSIDEFRAME, 4, win::RGB(255, 255, 255)),
      white_brush_(win::RGB(255, 255, 255)) {}

CThumbnailListBox::~CThumbnailListBox() {
  if (win::IsWindow(list_)) win::SetWindowProc(list_, standard_);
}

bool CThumbnailListBox::Attach(win::HWND list) {
  if (!win::ListBox_SetItemHeight(list, row_height_)) return false;
  list_ = list;
  standard_ = win::SetWindowProc(
      list, [this](win::HWND w, win::UINT m, win::WPARAM wp, win::LPARAM lp) { return WindowProc(w, m, wp, lp); });
  return true;
}

void CThumbnailListBox::Init(win::HWND receiver, int columns) {
  receiver_ = receiver;
  columns_ = std::clamp(columns, 1, kMaxColumns);
  cell_width_ = kCellWidth;
  row_height_ = kRowHeight;
  win::ListBox_SetItemHeight(list_, row_height_);
}

void CThumbnailListBox::Notify(win::UINT msg, win::WPARAM wparam) { win::PostMessage(receiver_, msg, wparam, 0); }

const CThumbnailRow* CThumbnailListBox::row(int index) const {
  return index >= 0 && index < row_count() ? rows_[static_cast<std::size_t>(index)].get() : nullptr;
}

void CThumbnailListBox::AddRow(std::unique_ptr<CThumbnailRow> r) {
  rows_.push_back(std::move(r));
  win::ListBox_AddItemData(list_, static_cast<win::LPARAM>(rows_.size() - 1));
  last_column_ = static_cast<int>(rows_.back()->items.size()) - 1;
}

void CThumbnailListBox::Clear() {
  visible_row_ = 0;
  selected_column_ = 0;
  partial_redraw_ = false;           // nothing of an emptied list is half drawn
  win::ListBox_ResetContent(list_);  // before the rows it draws go
  rows_.clear();
  Notify(kThumbnailSelChange);
}

void CThumbnailListBox::Fill(const std::string& folder) {
  Clear();
  auto current = std::make_unique<CThumbnailRow>();
  int count = 0;
  for (const FolderEntry& e : ListFolder(folder, "*.K?X")) {
    if (e.directory) continue;
    if (current->full(columns_)) {
      AddRow(std::move(current));
      current = std::make_unique<CThumbnailRow>();
    }
    std::string path = JoinPath(folder, e.name);
    char description[kDescriptionSize] = {};
    ThumbWIN_LoadDescription(path.c_str(), description, kDescriptionSize);
    win::HGLOBAL picture = nullptr;
    if (ThumbWIN_LoadThumbnail(path.c_str(), &picture) != VT_OK) continue;
    auto item = std::make_unique<CThumbnailItem>();
    item->picture.reset(picture);
    item->description = description;
    auto [item_folder, file_name] = SplitPath(path);
    item->folder = std::move(item_folder);
    item->file_name = std::move(file_name);
    current->items.push_back(std::move(item));
    ++count;
  }
  if (count > 0 && !current->items.empty()) AddRow(std::move(current));
  if (count > 0) {
    selected_column_ = 0;
    win::ListBox_SetCurSel(list_, 0);
    Notify(kThumbnailSelChange);
  }
}

const CThumbnailRow* CThumbnailListBox::SelectedRow() const {
  if (rows_.empty()) return nullptr;
  int selected = win::ListBox_GetCurSel(list_);
  if (selected < 0) return nullptr;
  const CThumbnailRow* r = row(static_cast<int>(win::ListBox_GetItemData(list_, selected)));
  return r && !r->items.empty() ? r : nullptr;
}

const CThumbnailItem* CThumbnailListBox::GetSelectedItem() const {
  const CThumbnailRow* r = SelectedRow();
  if (!r) return nullptr;
  int column = std::clamp(selected_column_, 0, static_cast<int>(r->items.size()) - 1);
  return r->items[static_cast<std::size_t>(column)].get();
}

const std::string* CThumbnailListBox::GetSelectedFileName() const {
  const CThumbnailItem* item = GetSelectedItem();
  return item ? &item->file_name : nullptr;
}

const std::string* CThumbnailListBox::GetSelectedDescription() const {
  const CThumbnailItem* item = GetSelectedItem();
  return item ? &item->description : nullptr;
}

// --- Drawing ------------------------------------------------------------------

void CThumbnailListBox::ClampColumn(const CThumbnailRow& r) {
  selected_column_ = std::clamp(selected_column_, 0, std::max(0, static_cast<int>(r.items.size()) - 1));
}

void CThumbnailListBox::EraseFrames(win::HDC dc, const win::RECT& item) {
  win::HGDIOBJ pen = win::SelectObject(dc, white_pen_.get());
  win::HGDIOBJ brush = win::SelectObject(dc, win::GetStockObject(win::HOLLOW_BRUSH));
  for (int column = 0; column < columns_; ++column)
    win::Rectangle(dc, item.left + column * cell_width_ + 2, item.top + 2, item.left + (column + 1) * cell_width_ - 2,
                   item.bottom - 2);
  win::SelectObject(dc, pen);
  win::SelectObject(dc, brush);
}

void CThumbnailListBox::DrawFrame(win::HDC dc, const win::RECT& item) {
  win::HGDIOBJ pen = win::SelectObject(dc, red_pen_.get());
  win::HGDIOBJ brush = win::SelectObject(dc, win::GetStockObject(win::HOLLOW_BRUSH));
  win::Rectangle(dc, item.left + selected_column_ * cell_width_ + 2, item.top + 2,
                 item.left + (selected_column_ + 1) * cell_width_ - 2, item.bottom - 2);
  win::SelectObject(dc, pen);
  win::SelectObject(dc, brush);
  visible_row_ = std::max(0, (item.top + item.bottom) / 2 / row_height_);
  partial_redraw_ = false;
}

void CThumbnailListBox::DrawItem(const win::DRAWITEMSTRUCT& d) {
  const CThumbnailRow* r = row(static_cast<int>(d.itemData));
  if (rows_.empty() || d.itemID < 0 || !r || !d.hDC) return;
  bool selected = (d.itemState & win::ODS_SELECTED) != 0;
  if (d.itemAction & win::ODA_DRAWENTIRE) {
    // A pending partial redraw spares the selected row's pictures only.
    if (!(partial_redraw_ && selected)) {
      win::FillRect(d.hDC, d.rcItem, white_brush_.get());
      int shown = std::min(static_cast<int>(r->items.size()), columns_);
      for (int i = 0; i < shown; ++i)
        DibBlt(d.hDC, d.rcItem.left + i * cell_width_ + 4, d.rcItem.top + 4, cell_width_ - 8,
               d.rcItem.bottom - d.rcItem.top - 8, r->items[static_cast<std::size_t>(i)]->picture.get(), 0, 0, SRCCOPY);
    }
    if (selected) {
      ClampColumn(*r);
      EraseFrames(d.hDC, d.rcItem);
      DrawFrame(d.hDC, d.rcItem);
    }
  } else if (d.itemAction & win::ODA_SELECT) {
    EraseFrames(d.hDC, d.rcItem);
    if (selected) {
      ClampColumn(*r);
      DrawFrame(d.hDC, d.rcItem);
    }
  }
}

// --- Input --------------------------------------------------------------------

win::LRESULT CThumbnailListBox::Standard(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  return win::CallWindowProc(standard_, list_, msg, wparam, lparam);
}

void CThumbnailListBox::RedrawBand() {
  partial_redraw_ = true;
  win::RECT band{0, visible_row_ * row_height_, columns_ * cell_width_, visible_row_ * row_height_ + row_height_};
  win::InvalidateRect(list_, &band, false);
}

win::LRESULT CThumbnailListBox::Mouse(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  if (win::ListBox_GetCount(list_) <= 0) return Standard(msg, wparam, lparam);
  if (wparam != win::MK_LBUTTON) {
    // Another button or a key held: the list's own handling, which may select
    // another row; the receiver hears of it, so that the name it shows is the
    // template it returns.
    int before = win::ListBox_GetCurSel(list_);
    win::HWND self = list_;
    win::LRESULT result = Standard(msg, wparam, lparam);
    if (win::IsWindow(self) && win::ListBox_GetCurSel(self) != before) Notify(kThumbnailSelChange);
    return result;
  }
  int column = std::clamp(win::GET_X_LPARAM(lparam) / cell_width_, 0, columns_ - 1);
  int visible = std::max(0, win::GET_Y_LPARAM(lparam) / row_height_);
  bool column_changed = column != selected_column_;
  bool row_changed = visible != visible_row_;
  if (column_changed || row_changed) {
    selected_column_ = column;
    visible_row_ = visible;
    win::HWND self = list_;
    Standard(msg, wparam, lparam);
    if (!win::IsWindow(self)) return 0;
    Notify(kThumbnailSelChange);
    if (column_changed && !row_changed) RedrawBand();
  }
  if (msg == win::WM_LBUTTONDOWN) Notify(kThumbnailClick, static_cast<win::WPARAM>(win::GetDlgCtrlID(list_)));
  return 0;
}

win::LRESULT CThumbnailListBox::Key(win::WPARAM key, win::LPARAM lparam) {
  int count = win::ListBox_GetCount(list_);
  if (count <= 0) return Standard(win::WM_KEYDOWN, key, lparam);
  int selected = win::ListBox_GetCurSel(list_);
  switch (key) {
    case win::VK_END:
      if (selected == count - 1 && selected_column_ != last_column_) RedrawBand();
      selected_column_ = last_column_;
      Notify(kThumbnailSelChange);
      return Standard(win::WM_KEYDOWN, key, lparam);
    case win::VK_HOME:
      // Notified from any row, as End is: the selection may move to the first row.
      if (selected == 0 && selected_column_ != 0) RedrawBand();
      selected_column_ = 0;
      Notify(kThumbnailSelChange);
      return Standard(win::WM_KEYDOWN, key, lparam);
    case win::VK_LEFT:
      if (selected_column_ == 0) return 0;
      --selected_column_;
      RedrawBand();
      Notify(kThumbnailSelChange);
      return 0;
    case win::VK_RIGHT:
      if (selected_column_ >= columns_ - 1) return 0;
      ++selected_column_;
      RedrawBand();
      Notify(kThumbnailSelChange);
      return 0;
    default: Notify(kThumbnailSelChange); return Standard(win::WM_KEYDOWN, key, lparam);
  }
}

win::LRESULT CThumbnailListBox::WindowProc(win::HWND, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  switch (msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_MOUSEMOVE: return Mouse(msg, wparam, lparam);
    case win::WM_LBUTTONDBLCLK: Notify(kThumbnailDoubleClick); return Standard(msg, wparam, lparam);
    case win::WM_KEYDOWN: return Key(wparam, lparam);
    default: return Standard(msg, wparam, lparam);
  }
}

}  // namespace mirolan
