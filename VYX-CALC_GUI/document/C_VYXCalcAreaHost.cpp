// SPDX-License-Identifier: MIT
// C_VYXCalcAreaHost: the interface's one out-of-line member, so its meta-object has a home.
#include "C_VYXCalcAreaHost.h"

C_VYXCalcAreaHost::~C_VYXCalcAreaHost() = default;
