// SPDX-License-Identifier: MIT
// C_VYXToolbarVariables: the drop-down list of the variables and its two commands.
#include "C_VYXToolbarVariables.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXCellHeightFont.h"
#include "C_VYXInkIcon.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXPrintLayout.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"
#include "C_VYXVariables.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QSignalBlocker>

namespace {

constexpr int kComboWidth = 100;

} // namespace

C_VYXToolbarVariables::C_VYXToolbarVariables(C_VYXPanelOwner& owner, QWidget* parent)
    : QToolBar(C_VYXStringTable::MenuText(C_VYXResourceIds::kBarVariables), parent),
      m_owner(owner) {
    setObjectName(QStringLiteral("toolbarVariables"));

    m_pCombo = new QComboBox(this);
    m_pCombo->setObjectName(QStringLiteral("comboVariables"));
    m_pCombo->setAccessibleName(QStringLiteral("Defined variables."));
    m_pCombo->setEditable(false);
    m_pCombo->setFixedWidth(kComboWidth);
    m_pCombo->setMaxVisibleItems(6);
    // Ten points as a cell height, at normal weight: Verdana has no light face, so a light
    // weight shows as normal where it is installed, but picks the hairline face of a substitute
    // (DejaVu Sans ExtraLight), whose grey strokes look disabled.
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    m_pCombo->setFont(C_VYXCellHeightFont::Fit(
        font, C_VYXPrintLayout::FontHeight(10, m_pCombo->logicalDpiY()), m_pCombo));
    addWidget(m_pCombo);
    addSeparator();

    m_pUseAction =
        MakeAction(C_VYXResourceIds::kCmdUseSelectedVariable,
                   QStringLiteral(":/icons/variable-use.svg"), "actionUseSelectedVariable");
    m_pDeleteAction =
        MakeAction(C_VYXResourceIds::kCmdDeleteSelectedVariable,
                   QStringLiteral(":/icons/variable-delete.svg"), "actionDeleteSelectedVariable");
    connect(m_pUseAction, &QAction::triggered, this, &C_VYXToolbarVariables::UseSelected);
    connect(m_pDeleteAction, &QAction::triggered, this, &C_VYXToolbarVariables::DeleteSelected);

    connect(&Model(), &C_VYXVariablesModel::changed, this, &C_VYXToolbarVariables::ShowEntries);
    ShowEntries();
}

C_VYXVariablesModel& C_VYXToolbarVariables::Model() const {
    return m_owner.ActiveDocument().VariablesPanel();
}

QAction* C_VYXToolbarVariables::MakeAction(int commandId, const QString& iconPath,
                                           const char* name) {
    const QString toolTip = C_VYXStringTable::ToolTip(commandId);
    // A missing icon leaves the action with its text, which the toolbar then shows.
    QAction* action = addAction(C_VYXInkIcon::FromFile(iconPath), toolTip);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(toolTip);
    action->setStatusTip(C_VYXStringTable::StatusPrompt(commandId));
    return action;
}

QString C_VYXToolbarVariables::SelectedName() const {
    if (m_pCombo->currentIndex() < 0)
        return QString();
    return C_VYXVariables::NameOfEntry(m_pCombo->currentText());
}

void C_VYXToolbarVariables::UseSelected() {
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    m_owner.CalcArea().InsertText(name);
    m_owner.FocusCalcArea();
}

void C_VYXToolbarVariables::DeleteSelected() {
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    Model().DeleteByName(name);
}

void C_VYXToolbarVariables::ShowEntries() {
    const QStringList& entries = Model().ToolbarEntries();
    const QSignalBlocker blocker(m_pCombo);
    QStringList shown;
    shown.reserve(m_pCombo->count());
    for (int index = 0; index < m_pCombo->count(); ++index)
        shown.append(m_pCombo->itemText(index));
    if (shown != entries) {
        const QString chosenName = SelectedName();
        m_pCombo->clear();
        m_pCombo->addItems(entries);
        // Keep the same variable chosen (its value may have changed); else the first one.
        int chosen = entries.isEmpty() ? -1 : 0;
        for (int index = 0; index < entries.size() && !chosenName.isEmpty(); ++index) {
            if (C_VYXVariables::NameOfEntry(entries.at(index)) == chosenName) {
                chosen = index;
                break;
            }
        }
        m_pCombo->setCurrentIndex(chosen);
    }
    const bool haveEntries = !entries.isEmpty();
    m_pCombo->setEnabled(haveEntries);
    m_pUseAction->setEnabled(haveEntries);
    m_pDeleteAction->setEnabled(haveEntries);
}
