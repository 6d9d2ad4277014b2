// SPDX-License-Identifier: MIT
#pragma once
// Kestrin: the chart engine's option dialogs, one exported C function each.
// The chart engine (the host) initialises the library with its host object,
// its resource module and the help switch, then calls the dialogs. Every
// dialog takes the caller's values through pointers, writes them back only
// when the user confirms, and returns 1 for OK and 0 otherwise.

#include "platform/win/types.h"

namespace kestrin {

// What the library asks of the chart engine.
class Host {
 public:
  virtual ~Host() = default;
  // Context help for a dialog, called as Help(contextId, kHelpContext).
  virtual void Help(int context_id, int command) = 0;
  // The dialog font, read at every dialog start; nullptr when there is none.
  virtual win::HFONT DialogFont() const = 0;
};

inline constexpr int kHelpContext = 11;

// The main window of the library's application object, owner of MSG_Box
// (none until a host registers one).
void SetApplicationMainWindow(win::HWND window);

}  // namespace kestrin

// The scale-range record of an axis, 18 bytes without padding.
#pragma pack(push, 1)
struct ScaleRange {
  short manual;   // 0 automatic, 1 the range below
  double first;
  double second;
};
#pragma pack(pop)
static_assert(sizeof(ScaleRange) == 18);

// A colour of three 16-bit channels; the high byte is the screen value.
struct RGBColor {
  unsigned short red;
  unsigned short green;
  unsigned short blue;
};
static_assert(sizeof(RGBColor) == 6);

extern "C" {

// Set-up. Each stores its arguments and returns its (first) argument.
kestrin::Host* InitDialogsDLL(kestrin::Host* host, win::HINSTANCE module, int help);
win::HWND SetDialogsDLLFrameWnd(win::HWND frame);
int EnableDialogsHelp(int help);

// A message box with the text of string textId and the caption of string
// 3018 + type: 0 exclamation, 1 stop, 2 information, 3 question with Yes/No;
// any other type a plain OK box with an empty caption. Returns the button.
int MSG_Box(int type, int textId);

// Data-label options: flags, label position (0-4), number format (1-based),
// then the dialog's own switches (low 16 bits count).
int DLOG_ScatOpt(short* flags, short* position, short* format);
int DLOG_SpecOpt(short* flags, short* position, short* format);
int DLOG_BarOpt(short* flags, short* position, short* format, int hideBox8002, int hideBox8001);
int DLOG_HistOpt(short* flags, short* position, short* format, int hideBox8101);
int DLOG_LineOpt(short* flags, short* position, short* format, int notRead, int hideBox8001);
int DLOG_AreaOpt(short* flags, short* position, short* format);
int DLOG_HiloOpt(short* flags, short* position, short* format, short* style, int hideBox8003,
                 int allowRadio8010, int allowRadio8011);

// Display options: the caller's flag array (the flags each dialog's boxes
// show), label position and number format (1-based) where the chart has them.
int DLOG_SpecDisp(short* flags, short* position, short* format);
int DLOG_HiloDisp(short* flags, short* position, short* format, short* style, int showBoxes, int allow1,
                  int allow2);
int DLOG_ScatDisp(short* flags, short* offset1, short* offset2, short* format, int allowBox8016, int showBoxes);
int DLOG_HistDisp(short* flags, short* position, short* format);
int DLOG_BarDisp(short* flags, short* position, short* format, int showBoxes, int allowPair);
int DLOG_PieDisp(short* flags, int allowBox8007);
int DLOG_3DDisp(short* flags);
int DLOG_3DScDisp(short* flags, int showBox8010);
int DLOG_DisplayOptions2D(short* flags);
// record: switches at 16-bit fields 0, 5, 2 and 4; format 0-based here.
int DLOG_BarDisplayOptions(short* record, short* position, short* format);

// Grid lines and 3D text. record: reserved, line kind, second-group flag,
// first style, second style, first count, second count.
int DLOG_2DGridLines(short* record);
int DLOG_3DGridLines(short* boxes, short* mode, short* count);
int DLOG_3DSCGridLines(short* boxes, short* mode, short* count1, short* count2, short* count3);
int DLOG_3DText(short* box1, short* choice1, short* box2, short* choice2, int variant);

// Axes: scale range, number format (1-based), series on the second axis
// (one byte per series; every series of the count is listed).
int DLOG_ScaleRange(ScaleRange* range, short* choice, short* box8010, short* box8009, int hideModeRadios, int swap);
int DLOG_NumberFormat(short* format);
int DLOG_AxisSplit(int chart, int seriesCount, char* axisOfSeries);

// Histogram intervals (record: mode at 16-bit field 1, count at field 5) and
// table charts (division: mode, three values, flag; statistics: three
// switches; lines: 16 flags).
int DLOG_HistIntv(short* record);
int DLOG_TablDiv(short* record);
int DLOG_TablStat(short* record);
int DLOG_TablLine(short* flags);
// Sets every table-line flag whose zero-ness differs from value's to value
// and repaints its samples on the table-line dialog.
int RedrawUpdateAllBars(win::HWND tableLineDialog, short value);

// Curve fitting (flags: 19) and the legend.
int DLOG_CurveFit(short* flags, short* kept, short* value1, short* value2, short* value3, int hideBox8004,
                  int hideBox8005, int pointCount, int notRead, short* extraBox);
int DLOG_Legend(short* showBox, short* secondBox, short* placement, short* mode, short* count, int maxCount);

// Prompts: which of up to four hi-lo series (0-3), the data's orientation,
// and one or two text values (buffers of at least 33 bytes; OK copies at most
// 32 bytes of the first line and a terminator).
int DLOG_WhichHilo(short* choice, int showRadio8003, int showRadio8004);
int DLOG_DataOrientDlog(short* first, short* second);
int DLOG_Get1Value(char* label, char* value);
int DLOG_Get2Values(char* label1, char* label2, char* value1, char* value2);

// One colour from the colour chooser (channels of the 8-bit choice x 256),
// with 16 custom colours kept for the life of the library; flag unused.
int DLOG_SelectRGB(win::HWND owner, RGBColor* colour, int flag);
// A colour range: steps (1 .. maxSteps), start and end colour, owned by the
// window active at the call.
int ColorRangeDlog(short* steps, RGBColor* from, RGBColor* to, int maxSteps);

// The pie feeler: the places of its three handles as percentages (start on
// the slice, bend, length of the horizontal part) and the label-line flag.
int DLOG_PieFeeler(short* p1, short* p2, short* p3, int* flag);

}  // extern "C"
