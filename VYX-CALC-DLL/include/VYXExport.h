// SPDX-License-Identifier: MIT
// Symbol export marker for the VYX_CALCULATOR shared library.
#pragma once

#if defined(_WIN32)
#if defined(VYX_CALCULATOR_BUILD)
#define VYX_API __declspec(dllexport)
#else
#define VYX_API __declspec(dllimport)
#endif
#else
#define VYX_API __attribute__((visibility("default")))
#endif
