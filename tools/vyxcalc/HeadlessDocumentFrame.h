// SPDX-License-Identifier: MIT
// HeadlessDocumentFrame: the main window's part for a document that has no window.
#pragma once

#include "C_VYXDocumentFrame.h"

/// Keeps the window placement a loaded file holds and hands it back when the document is
/// saved, so a command-line run writes the desktop program's placement back unchanged. A new
/// document has none, and is then saved without one.
class HeadlessDocumentFrame : public C_VYXDocumentFrame {
public:
    bool GetWindowPlacement(C_VYXWindowPlacement& placement) override {
        if (!m_hasPlacement)
            return false;
        placement = m_placement;
        return true;
    }
    void ApplyWindowPlacement(const C_VYXWindowPlacement& placement) override {
        m_placement = placement;
        m_hasPlacement = true;
    }

    bool HasPlacement() const { return m_hasPlacement; }

private:
    C_VYXWindowPlacement m_placement;
    bool m_hasPlacement = false;
};
