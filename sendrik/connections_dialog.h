// SPDX-License-Identifier: MIT
#pragma once
// The modal list of data sources, fauConexoes.

#include <optional>
#include <string>

#include "platform/win/types.h"

namespace sendrik {

// Shows the list over `owner`; the exact name of the chosen data source, or
// nothing when the window was closed without a choice.
std::optional<std::string> ChooseDataSource(win::HINSTANCE module, win::HWND owner);

}  // namespace sendrik
