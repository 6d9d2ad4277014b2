// SPDX-License-Identifier: MIT
#pragma once
// The thumbnail list of the new-chart dialog: the chart files of a category
// as pictures, `columns` to a row, with a red frame on the selected one. It
// posts to its receiver WM_USER + 1 (the selection may have changed),
// WM_USER + 2 (double-click) and WM_USER + 3 (click, wParam the list's id).
//
// The list box is owner-drawn: its owner passes WM_DRAWITEM on to DrawItem.

#include <memory>
#include <string>
#include <vector>

#include "platform/win/gdi.h"
#include "platform/win/global_memory.h"
#include "platform/win/owner_list.h"
#include "platform/win/types.h"

namespace mirolan {

inline constexpr win::UINT kThumbnailSelChange = win::WM_USER + 1;
inline constexpr win::UINT kThumbnailDoubleClick = win::WM_USER + 2;
inline constexpr win::UINT kThumbnailClick = win::WM_USER + 3;
inline constexpr win::UINT kThumbnailConfirm = win::WM_USER + 4;

// One chart file: its picture (freed with the item), name, folder, description.
struct CThumbnailItem {
  win::UniqueGlobal picture;
  std::string file_name;
  std::string folder;
  std::string description;
};

// One list item: up to kMaxColumns thumbnails.
struct CThumbnailRow {
  std::vector<std::unique_ptr<CThumbnailItem>> items;
  bool full(int columns) const { return static_cast<int>(items.size()) >= columns; }
};

class CThumbnailListBox {
 public:
  static constexpr int kMaxColumns = 4;
  static constexpr int kCellWidth = 88;
  static constexpr int kRowHeight = 68;
  static constexpr int kDescriptionSize = 512;

  CThumbnailListBox();
  ~CThumbnailListBox();
  CThumbnailListBox(const CThumbnailListBox&) = delete;
  CThumbnailListBox& operator=(const CThumbnailListBox&) = delete;

  // Takes over the list's messages (it must be an owner-drawn list box).
  bool Attach(win::HWND list);
  win::HWND hwnd() const { return list_; }
  // The receiver of the notifications and the thumbnails per row (1 to 4).
  void Init(win::HWND receiver, int columns);
  // Lists the loadable chart files (*.K?X) of a folder; selects the first row.
  void Fill(const std::string& folder);
  void Clear();

  // The selected thumbnail; nullptr when the list is empty or nothing is selected.
  const CThumbnailItem* GetSelectedItem() const;
  const std::string* GetSelectedFileName() const;
  const std::string* GetSelectedDescription() const;

  void DrawItem(const win::DRAWITEMSTRUCT& item);

  int row_count() const { return static_cast<int>(rows_.size()); }
  const CThumbnailRow* row(int index) const;
  int columns() const { return columns_; }
  int selected_column() const { return selected_column_; }
  int visible_row() const { return visible_row_; }
  int last_column() const { return last_column_; }
  bool partial_redraw() const { return partial_redraw_; }

 private:
  win::LRESULT WindowProc(win::HWND window, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);
  win::LRESULT Standard(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);
  win::LRESULT Mouse(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);
  win::LRESULT Key(win::WPARAM key, win::LPARAM lparam);
  void AddRow(std::unique_ptr<CThumbnailRow> row);
  const CThumbnailRow* SelectedRow() const;
  void Notify(win::UINT msg, win::WPARAM wparam = 0);
  void RedrawBand();  // the selected row's frames only
  void ClampColumn(const CThumbnailRow& row);
  void EraseFrames(win::HDC dc, const win::RECT& item);
  void DrawFrame(win::HDC dc, const win::RECT& item);

  win::HWND list_ = nullptr;
  win::HWND receiver_ = nullptr;
  win::WNDPROC standard_;
  int columns_ = 3;
  int cell_width_ = kCellWidth;
  int row_height_ = kRowHeight;
  int selected_column_ = 0;
  int visible_row_ = 0;
  int last_column_ = 0;
  bool partial_redraw_ = false;
  std::vector<std::unique_ptr<CThumbnailRow>> rows_;
  win::Pen red_pen_;
  win::Pen white_pen_;
  win::Brush white_brush_;
};

}  // namespace mirolan
