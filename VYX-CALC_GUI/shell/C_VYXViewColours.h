// SPDX-License-Identifier: MIT
// C_VYXViewColours: View > "Syntax colours" and "Dark colours", kept in the profile.
#pragma once

#include <QObject>
#include <QPalette>
#include <QPointer>

class C_TOBRIK_CALCULATORDoc;
class C_VYXProfile;
class C_VYXSyntaxHighlighter;
class QAction;
class QMenu;
class QPlainTextEdit;

/// The colours of the program: the calculation area's syntax colours and, when chosen, a dark
/// palette in place of the desktop's. Both choices are read from the profile at start and
/// written back when the user changes them.
class C_VYXViewColours : public QObject {
    Q_OBJECT

public:
    /// Everything passed in must outlive this object; the area must be the document's.
    C_VYXViewColours(C_VYXProfile& profile, C_TOBRIK_CALCULATORDoc& document, QPlainTextEdit& area,
                     QObject* parent = nullptr);
    ~C_VYXViewColours() override;

    /// Adds the two checkable commands to the View menu.
    void AddToMenu(QMenu& menu);
    QAction* SyntaxColoursAction() const { return m_pSyntaxColours; }
    QAction* DarkColoursAction() const { return m_pDarkColours; }

    /// A dark palette for every widget of the program.
    static QPalette DarkPalette();

private:
    void ApplySyntaxColours(bool on);
    void ApplyDarkColours(bool on);

    C_VYXProfile& m_profile;
    /// Belongs to the area, which may go first.
    QPointer<C_VYXSyntaxHighlighter> m_pHighlighter;
    QAction* m_pSyntaxColours = nullptr;
    QAction* m_pDarkColours = nullptr;
    /// The application's palette before a dark one was forced, given back when it is turned off.
    QPalette m_desktopPalette;
    bool m_bDarkApplied = false;
};
