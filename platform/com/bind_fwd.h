// SPDX-License-Identifier: MIT
#pragma once
// What a class's header names of bind.h: its description, declared only.

namespace com {

template <class C>
struct ClassDescription;

}  // namespace com
