// SPDX-License-Identifier: MIT
// C_VYXPanelOwner: what a tool panel needs from the main window that owns it.
#pragma once

class C_TOBRIK_CALCULATORDoc;
class C_VYXCalcAreaModel;
class QWidget;

/// The main window as the panels see it: the window they stand beside, the document they work
/// on and the calculation area they type into.
class C_VYXPanelOwner {
public:
    virtual ~C_VYXPanelOwner() = default;

    /// The window the panels are placed beside and parented to.
    virtual QWidget* OwnerWindow() = 0;
    virtual C_TOBRIK_CALCULATORDoc& ActiveDocument() = 0;
    /// The calculation area: insertion at the caret, Enter, delete, clear.
    virtual C_VYXCalcAreaModel& CalcArea() = 0;
    /// Makes the main window the active window with the keyboard in the calculation area.
    virtual void FocusCalcArea() = 0;
    /// Makes the numpad exist, unseen, so that its number of decimals is in the engine.
    virtual void EnsureNumpad() = 0;
};
