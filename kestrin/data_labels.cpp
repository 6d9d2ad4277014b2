// SPDX-License-Identifier: MIT
// The data-label option dialogs: a few flag boxes, one master box that shows
// the label position and number format, and each member's own switches.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <array>
#include <span>
#include <vector>

namespace kestrin {
namespace {

// Control ids. The scatter, special, bar and line members share their label
// group: the position and format combos, then their labels.
namespace common {
enum : int {
  kPositionCombo = 8011,
  kFormatCombo = 8012,
  kPositionLabel = 8013,
  kFormatLabel = 8014,
};
constexpr LabelCombos kCombos{.position = kPositionCombo, .format = kFormatCombo};
}  // namespace common

namespace scat {  // DLOG_ScatOpt and DLOG_SpecOpt
enum : int { kShowLabels = 8002 };
constexpr BoxFlag kBoxes[]{{kShowLabels, 0}};
}  // namespace scat

namespace bar {  // DLOG_BarOpt
enum : int {
  kTotals = 8001,
  kValuesInside = 8002,
  kShowLabels = 8003,
};
constexpr BoxFlag kBoxes[]{{kTotals, 1}, {kValuesInside, 0}, {kShowLabels, 2}};
}  // namespace bar

namespace hist {  // DLOG_HistOpt
enum : int {
  kPercentages = 8101,
  kShowLabels = 8102,
  kPositionCombo = 8104,
  kFormatCombo = 8105,
  kPositionLabel = 8106,
  kFormatLabel = 8107,
};
constexpr BoxFlag kBoxes[]{{kPercentages, 0}, {kShowLabels, 1}};
}  // namespace hist

namespace line {  // DLOG_LineOpt
enum : int {
  kLastPointOnly = 8001,
  kShowLabels = 8002,
};
constexpr BoxFlag kBoxes[]{{kLastPointOnly, 0}, {kShowLabels, 1}};
}  // namespace line

namespace area {  // DLOG_AreaOpt
enum : int {
  kShowLabels = 8001,
  kPositionCombo = 8003,
  kFormatCombo = 8004,
  kPositionLabel = 8005,
  kFormatLabel = 8006,
};
constexpr BoxFlag kBoxes[]{{kShowLabels, 0}};
}  // namespace area

namespace hilo {  // DLOG_HiloOpt
enum : int {
  kShowLabels = 8001,
  kTicks = 8003,
  kPositionCombo = 8004,
  kFormatCombo = 8005,
  kLabel = 8006,
  kStyleGroup = 8007,
  // The label-style radios, in style order.
  kHighAndLow = 8008,
  kHighOnly = 8009,
  kOpenAndClose = 8010,
  kAllFour = 8011,
};
constexpr RadioGroup kStyles{kHighAndLow, kAllFour};
constexpr BoxFlag kBoxes[]{{kTicks, 0}, {kShowLabels, 1}};
}  // namespace hilo

enum Member { Scat, Spec, Bar, Hist, Line, Area, Hilo, kMembers };

struct Shape {
  const char* template_name = nullptr;
  short help_id = 0;
  std::span<const BoxFlag> boxes{};
  Master master;  // the box that shows the label group
  LabelCombos combos = common::kCombos;
  PositionList list = PositionList::Bar;
};

constexpr Master LabelGroup(int box) { return {box, common::kPositionCombo, common::kFormatLabel}; }

constexpr std::array<Shape, kMembers> kShapes{{
    {.template_name = "DLOG_ScatOpt", .help_id = 536, .boxes = scat::kBoxes, .master = LabelGroup(scat::kShowLabels),
     .list = PositionList::Marker},
    {.template_name = "DLOG_SpecOpt", .help_id = 539, .boxes = scat::kBoxes, .master = LabelGroup(scat::kShowLabels)},
    {.template_name = "DLOG_BarOpt", .help_id = 521, .boxes = bar::kBoxes, .master = LabelGroup(bar::kShowLabels)},
    {.template_name = "DLOG_HistOpt", .help_id = 528, .boxes = hist::kBoxes,
     .master = {hist::kShowLabels, hist::kPositionCombo, hist::kFormatLabel},
     .combos = {.position = hist::kPositionCombo, .format = hist::kFormatCombo}},
    {.template_name = "DLOG_LineOpt", .help_id = 531, .boxes = line::kBoxes, .master = LabelGroup(line::kShowLabels)},
    {.template_name = "DLOG_AreaOpt", .help_id = 517, .boxes = area::kBoxes,
     .master = {area::kShowLabels, area::kPositionCombo, area::kFormatLabel},
     .combos = {.position = area::kPositionCombo, .format = area::kFormatCombo}},
    {.template_name = "DLOG_HiloOpt", .help_id = 526, .boxes = hilo::kBoxes,
     .master = {hilo::kShowLabels, hilo::kPositionCombo, hilo::kAllFour},
     .combos = {.position = hilo::kPositionCombo, .format = hilo::kFormatCombo}},
}};

// A box the caller may hide.
struct Hidden {
  int box = 0;
  short hide = 0;
};

// What one call's dialog edits (the style: hi-lo labels, 0-3), and its switches.
struct State {
  FlagCopy values;
  std::array<Hidden, 2> hidden{};
  short allow_open_and_close = 0;
  short allow_all_four = 0;
};

void ShowHiloRadios(win::HWND dlg, const State& s) {
  bool master = Checked(dlg, hilo::kShowLabels);
  ShowDlgControl(dlg, hilo::kOpenAndClose, s.allow_open_and_close != 0 && master);
  ShowDlgControl(dlg, hilo::kAllFour, s.allow_all_four != 0 && master);
}

void Start(win::HWND dlg, Member m, const State& s) {
  const Shape& shape = kShapes[m];
  CheckTableBoxes(dlg, s.values.boxes);
  if (m == Hilo) CheckGroupRadio(dlg, hilo::kStyles, s.values.style);
  FillPositionAndFormatCombos(dlg, shape.combos, s.values.format_index, s.values.position, shape.list);
  ApplyMaster(dlg, shape.master);
  if (m == Bar && FindEntry(s.values.boxes, bar::kTotals)->value != 0)
    Check(dlg, bar::kValuesInside, false);
  for (const Hidden& h : s.hidden)
    if (h.box != 0 && h.hide != 0) ShowDlgControl(dlg, h.box, false);
  if (m == Hilo) ShowHiloRadios(dlg, s);
}

win::INT_PTR Command(win::HWND dlg, Member m, State& s, int id, unsigned code) {
  const Shape& shape = kShapes[m];
  if (id == win::IDOK || id == win::IDCANCEL) {
    EndFlagDialog(dlg, s.values, &shape.combos, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (FindEntry(s.values.boxes, id) != nullptr) {
    ToggleBox(dlg, id);
    if (id == shape.master.box) {
      ApplyMaster(dlg, shape.master);
      if (m == Hilo) ShowHiloRadios(dlg, s);
    }
    return 1;
  }
  return m == Hilo && ChooseGroupRadio(dlg, hilo::kStyles, id, s.values.style) ? 1 : 0;
}

// The style is the hi-lo member's only.
int Run(Member m, const CallerFlags& a, std::array<Hidden, 2> hidden, short allow_open_and_close = 0,
        short allow_all_four = 0) {
  if (!a.flags || !a.position || !a.format || (m == Hilo && !a.style)) return 0;
  const Shape& shape = kShapes[m];
  State s{.values = CopyFlagsIn(shape.boxes, a),
          .hidden = hidden,
          .allow_open_and_close = allow_open_and_close,
          .allow_all_four = allow_all_four};
  DialogRules rules{.help_id = shape.help_id,
                    .start = [&](win::HWND dlg) { Start(dlg, m, s); },
                    .command = [&](win::HWND dlg, int id, unsigned code) { return Command(dlg, m, s, id, code); }};
  if (OpenDialog(shape.template_name, StandardProc(std::move(rules)), library().frame) != win::IDOK) return 0;
  CopyFlagsOut(s.values, a);
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
  using namespace kestrin;
  return Run(Bar, {flags, position, format},
             {{{bar::kValuesInside, Switch(hideBox8002)}, {bar::kTotals, Switch(hideBox8001)}}});
}

int DLOG_HistOpt(short* flags, short* position, short* format, int hideBox8101) {
  using namespace kestrin;
  return Run(Hist, {flags, position, format}, {{{hist::kPercentages, Switch(hideBox8101)}, {}}});
}

int DLOG_LineOpt(short* flags, short* position, short* format, int, int hideBox8001) {
  using namespace kestrin;
  return Run(Line, {flags, position, format}, {{{line::kLastPointOnly, Switch(hideBox8001)}, {}}});
}

int DLOG_AreaOpt(short* flags, short* position, short* format) {
  return kestrin::Run(kestrin::Area, {flags, position, format}, {});
}

int DLOG_HiloOpt(short* flags, short* position, short* format, short* style, int hideBox8003, int allowRadio8010,
                 int allowRadio8011) {
  using namespace kestrin;
  return Run(Hilo, {flags, position, format, style}, {{{hilo::kTicks, Switch(hideBox8003)}, {}}},
             Switch(allowRadio8010), Switch(allowRadio8011));
}

}  // extern "C"
