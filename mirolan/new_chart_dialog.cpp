// SPDX-License-Identifier: MIT
#include "mirolan/new_chart_dialog.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "mirolan/files.h"
#include "mirolan/mirolan.h"
#include "platform/win/common_dialogs.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/msgbox.h"
#include "platform/win/resource.h"
#include "platform/win/window.h"

namespace mirolan {
namespace {

bool ContainsDotK(std::string_view name) {
  for (std::size_t i = 0; i + 1 < name.size(); ++i)
    if (name[i] == '.' && std::toupper(static_cast<unsigned char>(name[i + 1])) == 'K') return true;
  return false;
}

// Why a template that does not fit the caller's block cannot be chosen.
std::string TooLongMessage(std::string_view name, std::string_view folder) {
  if (name.size() >= kFileNameSize)
    return "The file name \"" + std::string(name) + "\" is too long to be used: it takes " +
           std::to_string(name.size()) + " bytes and at most " + std::to_string(kFileNameSize - 1) +
           " fit (a letter with an accent takes two). Rename the template to a shorter name.";
  return "The folder \"" + std::string(folder) + "\" is too long to be used: it takes " +
         std::to_string(folder.size()) + " bytes and at most " + std::to_string(kFolderSize - 1) +
         " fit. Move the gallery to a shorter path.";
}

}  // namespace

CNewChartDlg::CNewChartDlg(std::string root, win::HINSTANCE module) : root_(std::move(root)), module_(module) {}

win::INT_PTR CNewChartDlg::DoModal(win::HWND owner) {
  return win::DialogBoxParam(
      module_, kNewChartTemplate, owner,
      [this](win::HWND d, win::UINT m, win::WPARAM w, win::LPARAM l) { return Proc(d, m, w, l); });
}

win::INT_PTR CNewChartDlg::Proc(win::HWND dialog, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  switch (msg) {
    case win::WM_INITDIALOG: dialog_ = dialog; return OnInitDialog() ? 1 : 0;
    case win::WM_DRAWITEM:
      if (wparam != static_cast<win::WPARAM>(kThumbnailList) || lparam == 0) return 0;
      thumbnails_.DrawItem(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(lparam));
      return 1;
    case kThumbnailSelChange: OnThumbnailSelChange(); return 1;
    case kThumbnailConfirm: OnThumbnailConfirm(); return 1;
    case win::WM_COMMAND: {
      unsigned id = win::LOWORD(wparam), code = win::HIWORD(wparam);
      switch (id) {
        case kGalleryCombo:
          if (code == win::CBN_SELCHANGE) OnSelChangeGallery();
          return 1;
        case kCategoryList:
          if (code == win::LBN_SELCHANGE) OnSelChangeCategory();
          return 1;
        case kHelpButton: OnHelpButton(); return 1;
        case kSetupButton: OnSetupButton(); return 1;
        case win::IDOK: OnOK(); return 1;
        case win::IDCANCEL: win::EndDialog(dialog, win::IDCANCEL); return 1;
        default: return 0;
      }
    }
    default: return 0;
  }
}

bool CNewChartDlg::OnInitDialog() {
  win::HWND combo = win::GetDlgItem(dialog_, kGalleryCombo);
  win::HWND categories = win::GetDlgItem(dialog_, kCategoryList);
  win::HWND thumbnails = win::GetDlgItem(dialog_, kThumbnailList);
  categories_.Attach(categories);
  thumbnails_.Attach(thumbnails);

  win::ShowWindow(combo, win::SW_HIDE);

  // The category list takes the hidden combo box's place: its top level with
  // the thumbnail list's, its left edge, width and bottom kept.
  win::RECT dialog_rect, list_rect, thumbnail_rect;
  if (win::GetWindowRect(dialog_, &dialog_rect) && win::GetWindowRect(categories, &list_rect) &&
      win::GetWindowRect(thumbnails, &thumbnail_rect)) {
    win::MoveWindow(categories, list_rect.left - dialog_rect.left, thumbnail_rect.top - dialog_rect.top,
                    list_rect.width(), list_rect.bottom - thumbnail_rect.top);
  }

  thumbnails_.Init(dialog_, 3);
  FillGalleryCombo();
  win::ShowWindow(win::GetDlgItem(dialog_, kHelpButton), win::SW_SHOW);
  return true;
}

void CNewChartDlg::LoadGalleries() {
  SetCurrentDirectory(root_);
  gallery_folders_ = {JoinPath(root_, "Gallery")};
  gallery_labels_ = {"Gallery"};
}

void CNewChartDlg::FillGalleryCombo() {
  win::HWND combo = win::GetDlgItem(dialog_, kGalleryCombo);
  LoadGalleries();
  win::ComboBox_ResetContent(combo);
  for (const std::string& label : gallery_labels_) win::ComboBox_AddString(combo, label);
  if (win::ComboBox_GetCount(combo) < 1) return;
  current_gallery_ = std::clamp(current_gallery_, 0, static_cast<int>(gallery_folders_.size()) - 1);
  const std::string& folder = gallery_folders_[static_cast<std::size_t>(current_gallery_)];
  SetCurrentDirectory(folder);
  win::ComboBox_SetCurSel(combo, current_gallery_);
  categories_.Fill(folder);
  OnSelChangeCategory();
}

void CNewChartDlg::OnSelChangeGallery() {
  int selected = win::ComboBox_GetCurSel(win::GetDlgItem(dialog_, kGalleryCombo));
  if (selected < 0 || static_cast<std::size_t>(selected) >= gallery_folders_.size()) return;
  current_gallery_ = selected;
  const std::string& folder = gallery_folders_[static_cast<std::size_t>(selected)];
  if (!folder.empty()) SetCurrentDirectory(folder);
  categories_.Fill(folder);
  OnSelChangeCategory();
}

void CNewChartDlg::OnSelChangeCategory() {
  std::string folder = categories_.GetSelectedFolder();
  if (!folder.empty())
    thumbnails_.Fill(folder);
  else
    thumbnails_.Clear();
  win::EnableWindow(win::GetDlgItem(dialog_, win::IDOK), thumbnails_.row_count() > 0);
}

void CNewChartDlg::OnThumbnailSelChange() {
  if (thumbnails_.row_count() == 0) {
    // Nothing listed: no file name or description of another category stays.
    win::SetDlgItemText(dialog_, kFileName, "");
    win::SetDlgItemText(dialog_, kDescription, "");
    return;
  }
  const CThumbnailItem* item = thumbnails_.GetSelectedItem();
  if (!item) return;
  win::SetDlgItemText(dialog_, kFileName, item->file_name);
  win::SetDlgItemText(dialog_, kDescription, item->description);
}

void CNewChartDlg::OnThumbnailConfirm() { OnOK(); }

void CNewChartDlg::OnHelpButton() {}

void CNewChartDlg::OnSetupButton() {
  if (!module_ || !module_->dialog(kSetupTemplate)) return;  // the setup dialog cannot open; this one goes on
  win::OpenFileName request;
  request.owner = dialog_;
  request.filter = "All (*.*)|*.*";
  request.file = "file.nam";
  if (win::GetOpenFileName(request)) FillGalleryCombo();
}

void CNewChartDlg::OnOK() {
  const CThumbnailItem* item = thumbnails_.GetSelectedItem();
  if (!item) return;  // nothing chosen: the dialog stays
  std::string name = item->file_name;
  if (!ContainsDotK(name)) name += ".kwx";
  // What does not fit the caller's block is refused, never cut, and the user
  // is told why; the dialog stays open for another choice.
  if (name.size() >= kFileNameSize || item->folder.size() >= kFolderSize) {
    win::MessageBeep(win::MB_ICONEXCLAMATION);
    win::MessageBox(dialog_, TooLongMessage(name, item->folder), win::GetWindowText(dialog_),
                    win::MB_OK | win::MB_ICONEXCLAMATION);
    return;
  }
  result_file_name_ = std::move(name);
  result_folder_ = item->folder;
  win::EndDialog(dialog_, win::IDOK);
}

}  // namespace mirolan
