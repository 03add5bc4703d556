// SPDX-License-Identifier: MIT
// C_VYXSettingsMenu: font size and solution display into the area record, always on top.
#include "C_VYXSettingsMenu.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <algorithm>

namespace {

using namespace C_VYXResourceIds;

constexpr std::array<int, 5> kFontCommands = {kCmdFontSize8, kCmdFontSize10, kCmdFontSize12,
                                              kCmdFontSize14, kCmdFontSize16};

struct DisplayChoice {
    int command;
    const char* objectName;
    bool showReal;
    bool showRational;
};

constexpr std::array<DisplayChoice, 3> kDisplayChoices = {{
    {kCmdShowRationalAndReal, "actionShowRationalAndReal", true, true},
    {kCmdShowRationalOnly, "actionShowRationalOnly", false, true},
    {kCmdShowRealOnly, "actionShowRealOnly", true, false},
}};

QAction* AddCheckable(QMenu* menu, int command, const QString& objectName) {
    QAction* action = menu->addAction(C_VYXStringTable::MenuText(command));
    action->setObjectName(objectName);
    action->setCheckable(true);
    action->setStatusTip(C_VYXStringTable::StatusPrompt(command));
    return action;
}

} // namespace

C_VYXSettingsMenu::C_VYXSettingsMenu(C_TOBRIK_CALCULATORDoc& document, C_VYXCalcTextView& view,
                                     QWidget& window, QObject* parent)
    : QObject(parent), m_document(document), m_view(view), m_window(window),
      m_pMenu(new QMenu(QStringLiteral("&Settings"), &window)) {
    m_pMenu->setObjectName(QStringLiteral("menuSettings"));

    QMenu* fontMenu = m_pMenu->addMenu(QStringLiteral("Font size"));
    fontMenu->setObjectName(QStringLiteral("menuFontSize"));
    for (std::size_t i = 0; i < kFontSizes.size(); ++i) {
        const int size = kFontSizes[i];
        m_fontActions[i] =
            AddCheckable(fontMenu, kFontCommands[i], QStringLiteral("actionFontSize%1").arg(size));
        connect(m_fontActions[i], &QAction::triggered, this,
                [this, size] { ChooseFontSize(size); });
    }

    QMenu* displayMenu = m_pMenu->addMenu(QStringLiteral("Solution disp."));
    displayMenu->setObjectName(QStringLiteral("menuSolutionDisplay"));
    for (std::size_t i = 0; i < kDisplayChoices.size(); ++i) {
        const DisplayChoice& choice = kDisplayChoices[i];
        m_displayActions[i] =
            AddCheckable(displayMenu, choice.command, QString::fromLatin1(choice.objectName));
        connect(m_displayActions[i], &QAction::triggered, this,
                [this, choice] { ChooseDisplay(choice.showReal, choice.showRational); });
    }

    m_pAlwaysOnTopAction =
        AddCheckable(m_pMenu, kCmdAlwaysOnTop, QStringLiteral("actionAlwaysOnTop"));
    connect(m_pAlwaysOnTopAction, &QAction::triggered, this, &C_VYXSettingsMenu::ToggleAlwaysOnTop);

    SyncFromDocument();
}

void C_VYXSettingsMenu::SyncFromDocument() {
    const C_VYXCalcTextNFO& record = m_document.Settings().CalcText();
    const auto found = std::find(kFontSizes.begin(), kFontSizes.end(), int(record.fontSize));
    // Any other size checks 12, as the menu has no item for it.
    const int checkedSize = found == kFontSizes.end() ? 12 : *found;
    for (std::size_t i = 0; i < kFontSizes.size(); ++i)
        m_fontActions[i]->setChecked(kFontSizes[i] == checkedSize);

    for (std::size_t i = 0; i < kDisplayChoices.size(); ++i) {
        const DisplayChoice& choice = kDisplayChoices[i];
        // With neither flag set no item is checked.
        m_displayActions[i]->setChecked((record.showReal != 0) == choice.showReal &&
                                        (record.showRational != 0) == choice.showRational);
    }
    m_pAlwaysOnTopAction->setChecked(m_bAlwaysOnTop);
}

void C_VYXSettingsMenu::ChooseFontSize(int size) {
    m_nFontSize = size;
    m_bFontSizeChanged = true;
    for (std::size_t i = 0; i < kFontSizes.size(); ++i)
        m_fontActions[i]->setChecked(kFontSizes[i] == size);
    PushToDocument();
}

void C_VYXSettingsMenu::ChooseDisplay(bool showReal, bool showRational) {
    m_bShowReal = showReal;
    m_bShowRational = showRational;
    m_bDisplayChanged = true;
    for (std::size_t i = 0; i < kDisplayChoices.size(); ++i)
        m_displayActions[i]->setChecked(kDisplayChoices[i].showReal == showReal &&
                                        kDisplayChoices[i].showRational == showRational);
    PushToDocument();
}

void C_VYXSettingsMenu::PushToDocument() {
    C_VYXCalcTextNFO& record = m_document.Settings().CalcText();
    if (m_bFontSizeChanged && m_nFontSize != record.fontSize) {
        record.fontSize = m_nFontSize;
        record.fontChanged = 1;
    }
    if (m_bDisplayChanged) {
        record.showReal = m_bShowReal ? 1 : 0;
        record.showRational = m_bShowRational ? 1 : 0;
        record.displayChanged = 1;
    }
    m_bFontSizeChanged = false;
    m_bDisplayChanged = false;
    m_view.OnUpdate();
    m_document.SetModifiedFlag();
    emit documentChanged();
}

void C_VYXSettingsMenu::ToggleAlwaysOnTop() {
    m_bAlwaysOnTop = !m_bAlwaysOnTop;
    m_pAlwaysOnTopAction->setChecked(m_bAlwaysOnTop);
    const QRect geometry = m_window.geometry();
    const bool visible = m_window.isVisible();
    m_window.setWindowFlag(Qt::WindowStaysOnTopHint, m_bAlwaysOnTop);
    // Changing a window flag hides the window; it comes back at the same place.
    m_window.setGeometry(geometry);
    if (visible)
        m_window.show();
}
