// SPDX-License-Identifier: MIT
// C_VYXDlgFix: the base of every tool panel: lazy creation, placement beside the main window,
// hiding on close, and the utilities the panels share.
#pragma once

#include "C_VYXPanelPlacement.h"

#include <QDialog>
#include <QRect>
#include <QString>

class C_TOBRIK_CALCULATORDoc;
class C_VYXPanelOwner;

/// A modeless tool window. The object is made with the main window; its controls are built the
/// first time it is shown (Create). The close box only hides it.
class C_VYXDlgFix : public QDialog {
    Q_OBJECT

public:
    using Side = C_VYXPanelPlacement::Side;

    C_VYXDlgFix(C_VYXPanelOwner& owner, unsigned templateId, const QString& caption, Side side);
    ~C_VYXDlgFix() override;

    /// Builds the controls, reads the settings and places the panel, the first time only. The
    /// panel stays hidden: the caller shows it.
    bool Create();
    bool IsCreated() const { return m_bCreated; }
    Side PlacementSide() const { return m_side; }

    /// Moves the document's record into the controls (and, where the panel owns an engine
    /// setting, into the engine). Does nothing before the panel is created.
    void RefreshFromSettings();

    void SetOffsetY(int offsetY) { m_nOffsetY = offsetY; }
    /// Puts this panel directly under `partner` when the partner is created and visible, else
    /// at the owner's top edge.
    void StackBelow(const C_VYXDlgFix& partner);

    /// The left edge of a panel `panelWidth` wide beside `owner` (normal rectangles): on the
    /// left it touches the owner's left edge, or stands at 0 when there is no room; on the right
    /// it touches the owner's right edge, or stands flush with the screen's right edge.
    static int PlacementX(Side side, const QRect& owner, int panelWidth, int screenWidth);

    /// Top edge of the owner's normal rectangle.
    int GetOwnerTop() const;

    /// A field's expression evaluated through the document (empty without one).
    QString EvaluateExpressionText(const QString& text) const;
    /// A question with Yes and No through the document's message boxes; true for Yes.
    bool AskYesNo(const QString& text, const QString& caption) const;
    void ShowErrorBox(const QString& text, const QString& caption) const;

protected:
    /// Builds the panel's controls; runs once, before the first RefreshFromSettings.
    virtual void SetupControls() = 0;
    /// Moves the record into the controls; runs only on a created panel.
    virtual void ReadSettings() = 0;
    /// Runs once, after the first RefreshFromSettings (tooltips, geometry of drawings).
    virtual void AfterFirstRefresh() {}
    /// Panels that Enter and Escape must not close (numpad, trigonometry, converter).
    virtual bool StaysOpenOnEnterAndEscape() const { return true; }
    /// Panels with fields take the keyboard. A panel made of buttons only never does, neither
    /// when shown nor when clicked: typing goes on in the calculation area.
    virtual bool TakesKeyboard() const { return true; }

    C_VYXPanelOwner& Owner() const { return m_owner; }
    /// The document, set when the panel is created; null before.
    C_TOBRIK_CALCULATORDoc* Document() const { return m_pDocument; }

    void accept() override;
    void reject() override;
    /// The close box hides the panel, whatever Escape does.
    void closeEvent(QCloseEvent* event) override;
    /// Places the panel once more when it is first shown; shown again, it moves off any panel
    /// that has come to stand where it was.
    void showEvent(QShowEvent* event) override;

private:
    /// Beside the owner, on the screen that holds it, clear of the windows shown.
    void PlacePanel();
    /// Off the other panels shown and onto the screen, from where the panel stands now.
    void KeepClearOfPanels();
    /// Wide enough for the window manager to show the whole caption.
    void WidenForTitle();
    /// The owner's normal (restored) frame.
    QRect OwnerRect() const;
    /// The free area of the screen that holds the owner; empty without a screen.
    QRect AvailableArea() const;
    /// This panel's frame at `topLeft`, with the window manager's frame once known (estimated
    /// from the owner's until then).
    QRect FrameAt(const QPoint& topLeft) const;
    /// The frames of the other panels shown.
    QList<QRect> OtherPanelFrames() const;

    C_VYXPanelOwner& m_owner;
    C_TOBRIK_CALCULATORDoc* m_pDocument = nullptr;
    bool m_bCreated = false;
    bool m_bShownOnce = false;
    unsigned m_nTemplateId;
    int m_nOffsetY = 0;
    Side m_side;
};
