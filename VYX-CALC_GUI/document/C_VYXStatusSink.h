// SPDX-License-Identifier: MIT
// C_VYXStatusSink: where the document writes the texts of the status bar's first pane.
#pragma once

#include <QString>

/// The main window shows these texts in its status bar; tests record them. The document works
/// without one (the texts are then simply not shown).
class C_VYXStatusSink {
public:
    virtual ~C_VYXStatusSink() = default;
    /// Replaces the text of the first pane ("Number of calculations: 3", "Variable: x=3").
    virtual void ShowStatusText(const QString& text) = 0;
};
