// SPDX-License-Identifier: MIT
// C_VYXPanelSet: the main window's eight tool panels, shown and hidden from the menu and the
// dialogs toolbar.
#pragma once

#include "C_VYXDlgFix.h"

#include <array>
#include <memory>

/// Owns the panels and knows their pairs: the numpad and the trigonometry panel share the left
/// side, the variables and conversion panels the right, one stacked under the other.
class C_VYXPanelSet {
public:
    /// In the order the panels are made and refreshed.
    enum class Panel { Numpad, Latin, Complex, Conversion, Variables, Trigonometry, Math, Greek };
    static constexpr int kCount = 8;

    void Install(Panel panel, std::unique_ptr<C_VYXDlgFix> dialog);
    /// The panel, null while none is installed in its place.
    C_VYXDlgFix* Get(Panel panel) const { return m_panels[Index(panel)].get(); }

    /// Stacks the panel against its partner, creates it on first use, then shows it when hidden
    /// and hides it when shown.
    void Toggle(Panel panel);
    /// Created and visible: the menu's check mark.
    bool IsShown(Panel panel) const;
    /// Makes the panel exist and read the document, without showing it.
    C_VYXDlgFix* Ensure(Panel panel);
    /// Every created panel re-reads its record, in the order of the enumeration.
    void RefreshAll();

    /// The panel stacked with this one, or the panel itself when it has no partner.
    static Panel Partner(Panel panel);

private:
    static int Index(Panel panel) { return static_cast<int>(panel); }

    std::array<std::unique_ptr<C_VYXDlgFix>, kCount> m_panels;
};
