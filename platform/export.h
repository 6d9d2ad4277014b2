// SPDX-License-Identifier: MIT
#pragma once
// The platform's shared libraries are built with hidden visibility: only the
// classes and functions marked QV_EXPORT are part of their public interface.

#define QV_EXPORT __attribute__((visibility("default")))
