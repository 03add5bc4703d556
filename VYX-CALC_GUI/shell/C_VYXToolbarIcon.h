// SPDX-License-Identifier: MIT
// ToolbarIcon: a button icon from the compiled-in SVG files.
#pragma once

#include <QFile>
#include <QIcon>
#include <QString>

/// The icon ":/icons/<name>.svg"; a null icon when there is no such file, so the button shows
/// its text instead of an empty square.
inline QIcon ToolbarIcon(const QString& name) {
    const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}
