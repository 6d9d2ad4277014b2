// SPDX-License-Identifier: MIT
#pragma once
// Stand-in for the chart engine's SDK: plain C functions that the chart
// dialogs call, and the C++ side that a host uses to feed them.

#include "platform/export.h"

#ifdef __cplusplus
#include <string>
#include <vector>
extern "C" {
#endif

// Number of standard number formats.
QV_EXPORT short GetSFTableSize(void);
// Name of format index (0-based) into a 64-byte buffer (at most 63 characters);
// an index outside the table writes an empty name.
QV_EXPORT void GetSFTableEntry(int index, char* name);
// value in standard format (1-based); 0, and any number outside the table,
// is the short general format, at most 22 characters (room for a "%" in 24
// bytes). Other formats write at most 63 characters into 64 bytes.
QV_EXPORT void StdFormat(double value, int format, char* text);
// Name of series (0-based) of a chart into a 256-byte buffer (at most 255
// characters); "Series n" (n from 1) when the host registered none.
QV_EXPORT void GetSeriesHeaderString(int chart, int series, char* text);

#ifdef __cplusplus
}

namespace vantrel {

inline constexpr int kFormatNameSize = 64;
inline constexpr int kFormatTextSize = 64;
inline constexpr int kShortFormatTextSize = 24;
inline constexpr int kSeriesNameSize = 256;

// The host's series names of a chart (replacing earlier ones).
QV_EXPORT void RegisterSeriesNames(int chart, std::vector<std::string> names);
QV_EXPORT void ClearSeriesNames();

// The formatter behind StdFormat, for C++ callers.
QV_EXPORT std::string FormatNumber(double value, int format);

}  // namespace vantrel
#endif
