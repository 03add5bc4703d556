// SPDX-License-Identifier: MIT
// ToolbarIcon: a button icon from the compiled-in SVG files.
#pragma once

#include "C_VYXInkIcon.h"

#include <QIcon>
#include <QString>

/// The icon ":/icons/<name>.svg", drawn for the current palette; a null icon when there is no
/// such file, so the button shows its text instead of an empty square.
inline QIcon ToolbarIcon(const QString& name) {
    return C_VYXInkIcon::FromFile(QStringLiteral(":/icons/%1.svg").arg(name));
}
