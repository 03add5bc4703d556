// SPDX-License-Identifier: MIT
// C_VYXListOrder: the order in which the panels' sorted boxes and lists show their entries.
#pragma once

#include <QString>
#include <QStringList>

/// Sorted boxes order entries the way desktop lists do: letters without regard to case,
/// blanks and punctuation before digits (superscripts count as their digits) before letters.
/// Stored box indices count in this order, so it must not depend on the user's locale.
namespace C_VYXListOrder {

/// True when `left` is shown before `right`.
bool Less(const QString& left, const QString& right);

/// The entries in display order (a stable sort; equal entries keep their order).
QStringList Sorted(QStringList entries);

} // namespace C_VYXListOrder
