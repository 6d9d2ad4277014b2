// SPDX-License-Identifier: MIT
#pragma once
// The option dialogs beyond the data labels (display, grid lines, scales,
// tables, curve fit and legend) in charthost's table.

#include "hosts/charthost/dialogs.h"

#include <span>

namespace charthost {

std::span<const DialogEntry> OptionDialogs();

}  // namespace charthost
