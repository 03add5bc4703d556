// SPDX-License-Identifier: MIT
// C_VYXTextChange: one replacement in the calculation area's text.
#pragma once

/// At `position`, `removed` characters of the old text became `inserted` characters of the new
/// one (which are new.mid(position, inserted)); everything before and after is as it was.
struct C_VYXTextChange {
    int position = 0;
    int removed = 0;
    int inserted = 0;
};
