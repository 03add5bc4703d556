// SPDX-License-Identifier: MIT
// C_VYXCalcTextNFO: the calculation area's record: text, selection, font size, display flags.
#pragma once

#include <QString>
#include <QtGlobal>

class C_VYXArchive;

/// What the record needs of the calculation area's live text control when a document is
/// saved: its text and selection. The view implements it; the record only holds a pointer.
class C_VYXCalcTextEdit {
public:
    virtual ~C_VYXCalcTextEdit() = default;
    virtual QString LiveText() const = 0;
    virtual qint32 LiveSelectionStart() const = 0;
    virtual qint32 LiveSelectionEnd() const = 0;
};

/// Settings record of the calculation area. The pending flags (textValid, selValid,
/// fontChanged, displayChanged) tell the view what to apply at its next update. Booleans are
/// ints so that a stored value is written back exactly as read.
class C_VYXCalcTextNFO {
public:
    static constexpr qint32 kDefaultFontSize = 12;

    /// Text, selection start and end, font size, show-real, show-rational. Storing takes the
    /// live text and selection from m_pEdit when set; loading marks all of it pending.
    void Serialize(C_VYXArchive& ar);

    /// The view's text control, set by the view; not owned.
    C_VYXCalcTextEdit* m_pEdit = nullptr;
    QString text;
    qint32 textValid = 0;
    qint32 selStart = 0;
    qint32 selEnd = 0;
    qint32 selValid = 0;
    /// Points: 8, 10, 12, 14 or 16 from the menu.
    qint32 fontSize = kDefaultFontSize;
    qint32 fontChanged = 1;
    qint32 showReal = 1;
    qint32 showRational = 1;
    /// Set whenever the main window or a panel changes showReal/showRational.
    qint32 displayChanged = 0;
};
