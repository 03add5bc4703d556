// SPDX-License-Identifier: MIT
// CountingMessageBoxes: passes every message box on and counts them.
#pragma once

#include "C_VYXMessageBoxes.h"

/// A command-line run of a panel fails when the panel had something to say: this wrapper tells
/// whether it did, while the boxes still reach the user as before.
class CountingMessageBoxes : public C_VYXMessageBoxes {
public:
    /// `boxes` is not owned and must outlive this object.
    explicit CountingMessageBoxes(C_VYXMessageBoxes& boxes) : m_boxes(boxes) {}

    void ShowError(const QString& caption, const QString& text) override {
        ++m_shown;
        m_boxes.ShowError(caption, text);
    }
    bool AskYesNo(const QString& caption, const QString& text) override {
        ++m_shown;
        return m_boxes.AskYesNo(caption, text);
    }
    Answer AskYesNoCancel(const QString& caption, const QString& text) override {
        ++m_shown;
        return m_boxes.AskYesNoCancel(caption, text);
    }
    void ShowInformation(const QString& caption, const QString& text) override {
        ++m_shown;
        m_boxes.ShowInformation(caption, text);
    }

    int Shown() const { return m_shown; }

private:
    C_VYXMessageBoxes& m_boxes;
    int m_shown = 0;
};
