// SPDX-License-Identifier: MIT
// C_VYXDocumentFrame: what the document asks of the main window when it is renewed, saved or
// opened.
#pragma once

#include "C_VYXWindowPlacement.h"

#include <QString>

/// The main window's services the document needs. Every operation has a neutral default, so a
/// document without a window (tests, the command-line calculator) needs no implementation.
class C_VYXDocumentFrame {
public:
    virtual ~C_VYXDocumentFrame() = default;

    /// Makes every created panel re-read its record after the settings were replaced or loaded.
    virtual void RefreshPanels() {}
    /// Fills `placement` with the main window's placement; false when there is no window.
    virtual bool GetWindowPlacement(C_VYXWindowPlacement& placement) {
        (void)placement;
        return false;
    }
    /// Moves the main window to a placement read from a document.
    virtual void ApplyWindowPlacement(const C_VYXWindowPlacement& placement) { (void)placement; }
    /// Adds a successfully opened or saved file to the recently-used list.
    virtual void AddToRecentFiles(const QString& path) { (void)path; }
};
