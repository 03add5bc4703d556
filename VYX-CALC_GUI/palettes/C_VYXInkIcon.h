// SPDX-License-Identifier: MIT
// C_VYXInkIcon: the program's SVG icons, with their ink following a light or dark palette.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPalette>
#include <QString>

namespace C_VYXInkIcon {

/// The icon of the SVG file at `path`, drawn for the application's palette at the time it is
/// painted, so it follows a change to dark colours; a null icon when there is no such file, so
/// a button shows its text instead of an empty square.
QIcon FromFile(const QString& path);

/// The SVG text for a palette: unchanged on a light one. On a dark one the ink turns light (grey
/// ink the palette's text colour, coloured ink a light colour of its hue) and the paper behind
/// it dark, so the ink still stands out on it; middle tones stay as they are.
QByteArray ForPalette(const QByteArray& svg, const QPalette& palette);

} // namespace C_VYXInkIcon
