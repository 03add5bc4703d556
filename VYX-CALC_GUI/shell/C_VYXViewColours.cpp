// SPDX-License-Identifier: MIT
// C_VYXViewColours: the highlighter, the dark palette and their two View commands.
#include "C_VYXViewColours.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXProfile.h"
#include "C_VYXSyntaxHighlighter.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>

C_VYXViewColours::C_VYXViewColours(C_VYXProfile& profile, C_TOBRIK_CALCULATORDoc& document,
                                   QPlainTextEdit& area, QObject* parent)
    : QObject(parent), m_profile(profile), m_desktopPalette(QApplication::palette()) {
    m_pSyntaxColours = new QAction(QStringLiteral("S&yntax colours"), this);
    m_pSyntaxColours->setObjectName(QStringLiteral("actionViewSyntaxColours"));
    m_pSyntaxColours->setStatusTip(
        QStringLiteral("Colour numbers, operators, functions and variables in the calculation "
                       "area"));
    m_pSyntaxColours->setCheckable(true);
    m_pDarkColours = new QAction(QStringLiteral("Dar&k colours"), this);
    m_pDarkColours->setObjectName(QStringLiteral("actionViewDarkColours"));
    m_pDarkColours->setStatusTip(
        QStringLiteral("Show the program in dark colours, whatever the desktop uses"));
    m_pDarkColours->setCheckable(true);

    // The dark palette goes first, so the highlighter starts with the colours it will show.
    m_pDarkColours->setChecked(m_profile.DarkColours());
    ApplyDarkColours(m_pDarkColours->isChecked());
    m_pHighlighter = new C_VYXSyntaxHighlighter(document, area);
    m_pSyntaxColours->setChecked(m_profile.SyntaxColours());
    m_pHighlighter->SetEnabled(m_pSyntaxColours->isChecked());

    connect(m_pSyntaxColours, &QAction::toggled, this, &C_VYXViewColours::ApplySyntaxColours);
    connect(m_pDarkColours, &QAction::toggled, this, &C_VYXViewColours::ApplyDarkColours);
    // New variables, a loaded file or File New change which names are defined.
    const auto refresh = [this] {
        if (m_pHighlighter)
            m_pHighlighter->Refresh();
    };
    connect(&document.VariablesPanel(), &C_VYXVariablesModel::changed, this, refresh);
    connect(&document, &C_VYXCalcAreaHost::updateRequested, this, refresh);
    connect(&document, &C_VYXCalcAreaHost::clearRequested, this, refresh);
}

C_VYXViewColours::~C_VYXViewColours() {
    // The palette belongs to the whole application, which may go on with another window.
    if (m_bDarkApplied)
        QApplication::setPalette(m_desktopPalette);
}

void C_VYXViewColours::AddToMenu(QMenu& menu) {
    menu.addAction(m_pSyntaxColours);
    menu.addAction(m_pDarkColours);
}

void C_VYXViewColours::ApplySyntaxColours(bool on) {
    if (m_pHighlighter)
        m_pHighlighter->SetEnabled(on);
    m_profile.SetSyntaxColours(on);
}

void C_VYXViewColours::ApplyDarkColours(bool on) {
    m_profile.SetDarkColours(on);
    if (on == m_bDarkApplied)
        return;
    m_bDarkApplied = on;
    QApplication::setPalette(on ? DarkPalette() : m_desktopPalette);
}

QPalette C_VYXViewColours::DarkPalette() {
    const QColor window(0x2b, 0x2d, 0x31);
    const QColor base(0x1e, 0x1f, 0x22);
    const QColor text(0xe6, 0xe7, 0xea);
    const QColor disabledText(0x80, 0x84, 0x8b);
    const QColor highlight(0x3d, 0x6f, 0xb6);
    QPalette palette(text, window, window.lighter(160), window.darker(160), window.darker(120),
                     text, QColor(Qt::white), base, window);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, QColor(Qt::white));
    palette.setColor(QPalette::Link, QColor(0x79, 0xb8, 0xff));
    palette.setColor(QPalette::LinkVisited, QColor(0xc2, 0x9d, 0xff));
    palette.setColor(QPalette::Button, QColor(0x35, 0x37, 0x3c));
    palette.setColor(QPalette::ButtonText, text);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}
