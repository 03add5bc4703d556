// SPDX-License-Identifier: MIT
// Includes the one header named by the build; the layering check expects a lower layer not to
// find a higher layer's header at all.
#include VYX_PROBE_HEADER
