// The data-label option dialogs: a few flag boxes, one master box that shows
// the label position and number format, and each member's own switches.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <array>
#include <vector>

namespace kestrin {
namespace {

enum Member { Scat, Spec, Bar, Hist, Line, Area, Hilo, kMembers };

struct Shape {
  const char* template_name;
  short help_id;
  std::vector<CheckEntry> boxes;  // box -> flag index
  Master master;
  int position_combo;
  int format_combo;
  PositionList list;
};

const Shape& ShapeOf(Member m) {
  static const std::array<Shape, kMembers> shapes{{
      {"DLOG_ScatOpt", 536, {{8002, 0, 0}}, {8002, 8011, 8014}, 8011, 8012, PositionList::Marker},
      {"DLOG_SpecOpt", 539, {{8002, 0, 0}}, {8002, 8011, 8014}, 8011, 8012, PositionList::Bar},
      {"DLOG_BarOpt", 521, {{8001, 0, 1}, {8002, 0, 0}, {8003, 0, 2}}, {8003, 8011, 8014}, 8011, 8012,
       PositionList::Bar},
      {"DLOG_HistOpt", 528, {{8101, 0, 0}, {8102, 0, 1}}, {8102, 8104, 8107}, 8104, 8105, PositionList::Bar},
      {"DLOG_LineOpt", 531, {{8001, 0, 0}, {8002, 0, 1}}, {8002, 8011, 8014}, 8011, 8012, PositionList::Bar},
      {"DLOG_AreaOpt", 517, {{8001, 0, 0}}, {8001, 8003, 8006}, 8003, 8004, PositionList::Bar},
      {"DLOG_HiloOpt", 526, {{8003, 0, 0}, {8001, 0, 1}}, {8001, 8004, 8011}, 8004, 8005, PositionList::Bar},
  }};
  return shapes[m];
}

constexpr int kFirstStyleRadio = 8008;
constexpr int kLastStyleRadio = 8011;

struct Hidden {
  int box = 0;
  short hide = 0;
};

// The statics of one member: the dialog edits only these.
struct State {
  std::vector<CheckEntry> boxes;
  short position = 0;
  short format_index = 0;  // 0-based
  std::array<Hidden, 2> hidden{};
  short style = 0;         // hi-lo label style, 0-3
  short allow_radio8010 = 0;
  short allow_radio8011 = 0;
};

State& StateOf(Member m) {
  static std::array<State, kMembers> states;
  return states[m];
}

void ShowHiloRadios(win::HWND dlg, const State& s) {
  bool master = win::IsDlgButtonChecked(dlg, 8001) == win::BST_CHECKED;
  ShowDlgControl(dlg, 8010, s.allow_radio8010 != 0 && master);
  ShowDlgControl(dlg, 8011, s.allow_radio8011 != 0 && master);
}

void Start(win::HWND dlg, Member m, State& s) {
  const Shape& shape = ShapeOf(m);
  CentreDialog(dlg);
  SetDialogFont(dlg, GetHostDialogFont());
  CheckTableBoxes(dlg, s.boxes);
  if (m == Hilo) {
    // A style outside 0-3 checks no radio (rather than whatever control has that id).
    bool known = s.style >= 0 && s.style <= kLastStyleRadio - kFirstStyleRadio;
    win::CheckRadioButton(dlg, kFirstStyleRadio, kLastStyleRadio, known ? kFirstStyleRadio + s.style : 0);
  }
  FillPositionAndFormatCombos(dlg, shape.position_combo, shape.format_combo, s.format_index, s.position, shape.list);
  ApplyMaster(dlg, shape.master);
  if (m == Bar && FindEntry(s.boxes, 8001)->value != 0) win::CheckDlgButton(dlg, 8002, win::BST_UNCHECKED);
  for (const Hidden& h : s.hidden)
    if (h.box != 0 && h.hide != 0) ShowDlgControl(dlg, h.box, false);
  if (m == Hilo) ShowHiloRadios(dlg, s);
  ShowHelpButton(dlg);
}

win::INT_PTR Command(win::HWND dlg, Member m, State& s, win::WPARAM wparam) {
  int id = static_cast<int>(win::LOWORD(wparam));
  unsigned code = win::HIWORD(wparam);
  if (id == win::IDOK || id == win::IDCANCEL) {
    ReadTableBoxes(dlg, s.boxes);
    ReadPositionAndFormat(dlg, &s.position, &s.format_index);
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  const Shape& shape = ShapeOf(m);
  if (FindEntry(s.boxes, id) != nullptr) {
    ToggleBox(dlg, id);
    if (id == shape.master.box) {
      ApplyMaster(dlg, shape.master);
      if (m == Hilo) ShowHiloRadios(dlg, s);
    }
    return 1;
  }
  if (m == Hilo && id >= kFirstStyleRadio && id <= kLastStyleRadio) {
    win::CheckRadioButton(dlg, kFirstStyleRadio, kLastStyleRadio, id);
    s.style = static_cast<short>(id - kFirstStyleRadio);
    return 1;
  }
  return 0;
}

struct Args {
  short* flags;
  short* position;
  short* format;
  short* style = nullptr;  // hi-lo only
};

int Run(Member m, const Args& a, std::array<Hidden, 2> hidden, short allow8010 = 0, short allow8011 = 0) {
  if (!a.flags || !a.position || !a.format || (m == Hilo && !a.style)) return 0;
  const Shape& shape = ShapeOf(m);
  State& s = StateOf(m);
  s.boxes = shape.boxes;
  LoadFlags(s.boxes, a.flags);
  s.position = *a.position;
  s.format_index = static_cast<short>(*a.format - 1);
  s.hidden = hidden;
  s.allow_radio8010 = allow8010;
  s.allow_radio8011 = allow8011;
  if (m == Hilo) s.style = *a.style;

  auto proc = [m](win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) -> win::INT_PTR {
    State& s = StateOf(m);
    switch (msg) {
      case win::WM_INITDIALOG: Start(dlg, m, s); return 1;
      case win::WM_HELP: return HandleHelp(msg, wparam, ShapeOf(m).help_id) ? 1 : 0;
      case win::WM_COMMAND:
        if (HandleHelp(msg, wparam, ShapeOf(m).help_id)) return 1;
        return Command(dlg, m, s, wparam);
      default: return 0;
    }
  };
  if (OpenDialog(shape.template_name, proc, library().frame) != win::IDOK) return 0;
  StoreFlags(s.boxes, a.flags);
  *a.position = s.position;
  *a.format = static_cast<short>(s.format_index + 1);
  if (m == Hilo) *a.style = s.style;
  return 1;
}

}  // namespace
}  // namespace kestrin

using kestrin::Switch;

extern "C" {

int DLOG_ScatOpt(short* flags, short* position, short* format) {
  return kestrin::Run(kestrin::Scat, {flags, position, format}, {});
}

int DLOG_SpecOpt(short* flags, short* position, short* format) {
  return kestrin::Run(kestrin::Spec, {flags, position, format}, {});
}

int DLOG_BarOpt(short* flags, short* position, short* format, int hideBox8002, int hideBox8001) {
  return kestrin::Run(kestrin::Bar, {flags, position, format},
                      {{{8002, Switch(hideBox8002)}, {8001, Switch(hideBox8001)}}});
}

int DLOG_HistOpt(short* flags, short* position, short* format, int hideBox8101) {
  return kestrin::Run(kestrin::Hist, {flags, position, format}, {{{8101, Switch(hideBox8101)}, {}}});
}

int DLOG_LineOpt(short* flags, short* position, short* format, int, int hideBox8001) {
  return kestrin::Run(kestrin::Line, {flags, position, format}, {{{8001, Switch(hideBox8001)}, {}}});
}

int DLOG_AreaOpt(short* flags, short* position, short* format) {
  return kestrin::Run(kestrin::Area, {flags, position, format}, {});
}

int DLOG_HiloOpt(short* flags, short* position, short* format, short* style, int hideBox8003, int allowRadio8010,
                 int allowRadio8011) {
  return kestrin::Run(kestrin::Hilo, {flags, position, format, style}, {{{8003, Switch(hideBox8003)}, {}}},
                      Switch(allowRadio8010), Switch(allowRadio8011));
}

}  // extern "C"
