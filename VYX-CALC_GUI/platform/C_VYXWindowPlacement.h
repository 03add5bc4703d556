// SPDX-License-Identifier: MIT
// C_VYXWindowPlacement: the main window's placement as stored in rows 24 to 34 of a document.
#pragma once

#include "C_VYXArchive.h"

#include <QtGlobal>

/// Plain record of the main window's placement. The field set and order are those of the
/// document file; on Linux the widgets layer fills it from the window geometry (normal
/// rectangle, minimised/maximised state) and applies it back.
struct C_VYXWindowPlacement {
    /// Show commands as the file stores them.
    static constexpr qint32 kShowNormal = 1;
    static constexpr qint32 kShowMinimized = 2;
    static constexpr qint32 kShowMaximized = 3;
    /// The length field holds the size of the original record: 11 four-byte fields.
    static constexpr qint32 kRecordLength = 44;

    qint32 flags = 0;
    qint32 length = kRecordLength;
    qint32 maxX = 0;
    qint32 maxY = 0;
    qint32 minX = 0;
    qint32 minY = 0;
    qint32 normalBottom = 0;
    qint32 normalLeft = 0;
    qint32 normalRight = 0;
    qint32 normalTop = 0;
    qint32 showCommand = kShowNormal;

    /// Rows 24 to 34 in file order; note the rectangle goes bottom, left, right, top.
    void Serialize(C_VYXArchive& ar) {
        ar.Exchange(flags);
        ar.Exchange(length);
        ar.Exchange(maxX);
        ar.Exchange(maxY);
        ar.Exchange(minX);
        ar.Exchange(minY);
        ar.Exchange(normalBottom);
        ar.Exchange(normalLeft);
        ar.Exchange(normalRight);
        ar.Exchange(normalTop);
        ar.Exchange(showCommand);
    }

    /// 64-bit, because a damaged file may hold extreme coordinates.
    qint64 NormalWidth() const { return qint64(normalRight) - normalLeft; }
    qint64 NormalHeight() const { return qint64(normalBottom) - normalTop; }

    friend bool operator==(const C_VYXWindowPlacement&, const C_VYXWindowPlacement&) = default;
};
