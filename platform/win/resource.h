// SPDX-License-Identifier: MIT
#pragma once
// Resource modules: dialog templates and string tables in a text format of
// our own (see docs/user-interface.md), loaded at run time.
//
//   # comment
//   dialog "DLOG_ScatOpt" {
//     caption "Data Labels"
//     font "MS Sans Serif" 8
//     size 186 92
//     checkbox 8002 "&Show data labels" 10 10 120 10
//     combobox 8011 "" 60 28 110 70 vscroll
//     button 1 "OK" 130 72 50 14 default
//   }
//   strings {
//     3018 "Warning"
//   }

#include "platform/export.h"
#include "platform/win/types.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

enum class ControlKind {
  Button,        // push button
  CheckBox,      // toggled by the procedure, never by the layer
  AutoCheckBox,  // toggled by the layer on click
  Radio,         // checked by the procedure, never by the layer
  AutoRadio,     // exclusive within its run of automatic radios (a "group" style starts a new run)
  GroupBox,
  Static,
  Edit,
  ComboBox,      // drop-down list
  ListBox,
  Image,         // a picture: the text names an image file beside the module
  Custom,        // a control of a registered window class (style class=NAME)
};

// Styles of a control, as words in the script.
struct QV_EXPORT ControlStyle {
  bool default_button = false;  // default
  bool disabled = false;        // disabled
  bool hidden = false;          // hidden
  bool center = false;          // center (static text)
  bool right = false;           // right (static text)
  bool owner_draw = false;      // ownerdraw
  bool multi_select = false;    // multiselect (list)
  bool notify = false;          // notify (list: selection and double-click notifications)
  bool vscroll = false;         // vscroll
  bool hscroll = false;         // hscroll
  bool border = false;          // border
  bool group = false;           // group: starts a run of automatic radios
  bool password = false;        // password (edit)
  bool read_only = false;       // readonly (edit)
  std::string window_class;     // class=NAME (custom control)
};

struct QV_EXPORT ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = IDC_STATIC;
  std::string symbol;  // optional symbolic name
  std::string text;    // UTF-8
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  ControlStyle style;
};

struct QV_EXPORT DialogTemplate {
  ResId name = 0;
  std::string caption;
  std::string font_face = "MS Sans Serif";
  int font_size = 8;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::vector<ControlTemplate> controls;

  const ControlTemplate* control(int id) const;
  const ControlTemplate* control(std::string_view symbol) const;  // case-insensitive
};

class QV_EXPORT ResourceModule {
 public:
  // Reads a module from its text; on a syntax error returns nullptr and
  // writes "line N: what" into *error.
  static std::unique_ptr<ResourceModule> Parse(std::string_view text, std::string* error = nullptr,
                                               std::string folder = {});
  static std::unique_ptr<ResourceModule> Load(const std::string& path, std::string* error = nullptr);

  HINSTANCE handle() const { return this; }
  // Templates by number or by name (names case-insensitive); nullptr when missing.
  const DialogTemplate* dialog(const ResId& name) const;
  std::optional<std::string_view> string(int id) const;
  // Every template, in the script's order.
  const std::vector<DialogTemplate>& dialogs() const { return dialogs_; }
  const std::string& folder() const { return folder_; }  // where the module's files live

 private:
  std::vector<DialogTemplate> dialogs_;
  std::map<int, std::string> strings_;
  std::string folder_;
};

// Copies string id into buffer (at most size - 1 bytes and a terminator);
// returns the bytes copied, 0 when the string is missing.
QV_EXPORT int LoadString(HINSTANCE module, int id, char* buffer, int size);

// Dialog units of a font face and size, from a fixed table, and the face and
// pixel size the layer draws that font with.
struct QV_EXPORT DialogFontMetrics {
  int base_x = 6;       // pixels per 4 horizontal dialog units
  int base_y = 13;      // pixels per 8 vertical dialog units
  std::string draw_face = "DejaVu Sans";
  int pixel_size = 11;  // the drawing font's pixel size
};
QV_EXPORT DialogFontMetrics FontMetrics(std::string_view face, int point_size);
QV_EXPORT RECT DialogUnitsToPixels(const DialogFontMetrics& m, int x, int y, int cx, int cy);

}  // namespace win
