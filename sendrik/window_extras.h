#pragma once
// What the data-source list needs beyond the user-interface layer.

#include "platform/win/types.h"

namespace sendrik {

// A list whose entries are cut at its edge, without an ellipsis, so that the
// text beyond its width stays out of sight.
void ClipListEntries(win::HWND list);

}  // namespace sendrik
