// SPDX-License-Identifier: MIT
// C_VYXSettingsMenu: the Settings menu: font size, solution display, always on top.
#pragma once

#include <QObject>

#include <array>

class C_TOBRIK_CALCULATORDoc;
class C_VYXCalcTextView;
class QAction;
class QMenu;
class QWidget;

/// The menu state of the main window. A choice is pushed into the document's area record (the
/// authoritative copy), the view re-reads the record and the document becomes modified; after
/// every update of the view the checks are re-read from the record.
class C_VYXSettingsMenu : public QObject {
    Q_OBJECT

public:
    static constexpr std::array<int, 5> kFontSizes = {8, 10, 12, 14, 16};

    /// Builds the menu under `menuParent`; everything must outlive this object.
    C_VYXSettingsMenu(C_TOBRIK_CALCULATORDoc& document, C_VYXCalcTextView& view, QWidget& window,
                      QObject* parent = nullptr);

    QMenu* Menu() const { return m_pMenu; }
    /// Re-checks the menu items from the document's record.
    void SyncFromDocument();

signals:
    /// A choice changed the document.
    void documentChanged();

private:
    void ChooseFontSize(int size);
    void ChooseDisplay(bool showReal, bool showRational);
    void ToggleAlwaysOnTop();
    void PushToDocument();

    C_TOBRIK_CALCULATORDoc& m_document;
    C_VYXCalcTextView& m_view;
    QWidget& m_window;
    QMenu* m_pMenu;
    std::array<QAction*, 5> m_fontActions{};
    /// Rational and real, rational only, real only.
    std::array<QAction*, 3> m_displayActions{};
    QAction* m_pAlwaysOnTopAction = nullptr;

    int m_nFontSize = 12;
    bool m_bFontSizeChanged = false;
    bool m_bShowReal = true;
    bool m_bShowRational = true;
    bool m_bDisplayChanged = false;
    bool m_bAlwaysOnTop = false;
};
