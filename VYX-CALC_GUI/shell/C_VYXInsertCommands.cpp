// SPDX-License-Identifier: MIT
// C_VYXInsertCommands: the command table, the enabling rules and what each command does.
#include "C_VYXInsertCommands.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"
#include "C_VYXToolbarIcon.h"

#include <QAction>

namespace {

using namespace C_VYXResourceIds;
using Command = C_VYXInsertCommands::Command;
using Effect = C_VYXInsertCommands::Effect;
using Rule = C_VYXInsertCommands::Rule;

constexpr std::array<Command, C_VYXInsertCommands::kCount> kCommands = {{
    {kCmdInsertSquareRoot, "actionInsertSquareRoot", u"\u221A", "root-square", Effect::Insert,
     Rule::Always},
    {kCmdInsertCubeRoot, "actionInsertCubeRoot", u"\u00B3\u221A", "root-cube", Effect::Insert,
     Rule::Always},
    {kCmdInsertNthRoot, "actionInsertNthRoot", u"\u207F\u221A", "root-n", Effect::Insert,
     Rule::CharacterBeforeCaret},
    {kCmdInsertSquare, "actionInsertSquare", u"\u00B2", "power-square", Effect::Insert,
     Rule::CharacterBeforeCaret},
    {kCmdInsertCube, "actionInsertCube", u"\u00B3", "power-cube", Effect::Insert,
     Rule::CharacterBeforeCaret},
    {kCmdInsertPower, "actionInsertPower", u"^", "power-n", Effect::Insert,
     Rule::CharacterBeforeCaret},
    {kCmdInsertInverse, "actionInsertInverse", u"\u02C9\u00B9", "power-inverse", Effect::Insert,
     Rule::CharacterBeforeCaret},
    {kCmdInsertExpPower, "actionInsertExpPower", u"e^", "exp-e", Effect::Insert, Rule::Always},
    {kCmdInsertNaturalLog, "actionInsertNaturalLog", u"ln", "log-natural", Effect::Insert,
     Rule::Always},
    {kCmdInsertTenPower, "actionInsertTenPower", u"10^", "exp-ten", Effect::Insert, Rule::Always},
    {kCmdInsertTenLog, "actionInsertTenLog", u"log", "log-ten", Effect::Insert, Rule::Always},
    {kCmdCalculateLine, "actionCalculateLine", u"=", "execute-enter", Effect::Enter,
     Rule::CharacterBeforeCaret},
    {kCmdCalculateApproximate, "actionCalculateApproximate", u"\u2248", "execute-approx",
     Effect::EnterApproximate, Rule::CharacterBeforeCaret},
    {kCmdDeleteChar, "actionDeleteChar", u"DEL", "delete-char", Effect::DeleteChar,
     Rule::SomethingToDelete},
    {kCmdClearArea, "actionClearArea", u"CLS", "delete-all", Effect::Clear, Rule::AreaNotEmpty},
}};

} // namespace

const std::array<Command, C_VYXInsertCommands::kCount>& C_VYXInsertCommands::Commands() {
    return kCommands;
}

bool C_VYXInsertCommands::IsEnabled(Rule rule, const C_VYXCalcAreaModel& area) {
    switch (rule) {
    case Rule::Always:
        return true;
    case Rule::CharacterBeforeCaret:
        return area.HasCharacterBeforeCaretOnLine();
    case Rule::SomethingToDelete:
        return area.SelectionStart() != area.SelectionEnd() || area.Caret() != 0;
    case Rule::AreaNotEmpty:
        return !area.Text().isEmpty();
    }
    return false;
}

C_VYXInsertCommands::C_VYXInsertCommands(C_VYXPanelOwner& owner, QObject* parent)
    : QObject(parent), m_owner(owner) {
    setObjectName(QStringLiteral("insertCommands"));
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const Command& command = kCommands[i];
        auto* action = new QAction(ToolbarIcon(QString::fromLatin1(command.iconName)),
                                   QString::fromUtf16(command.text), this);
        action->setObjectName(QString::fromLatin1(command.objectName));
        action->setToolTip(C_VYXStringTable::ToolTip(command.id));
        action->setStatusTip(C_VYXStringTable::StatusPrompt(command.id));
        connect(action, &QAction::triggered, this, [this, &command] { Run(command); });
        m_actions[i] = action;
    }
}

QAction* C_VYXInsertCommands::Action(int commandId) const {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].id == commandId)
            return m_actions[i];
    return nullptr;
}

void C_VYXInsertCommands::UpdateEnabling() {
    const C_VYXCalcAreaModel& area = m_owner.CalcArea();
    // Each rule is judged once, however many commands share it.
    constexpr int kRuleCount = int(Rule::AreaNotEmpty) + 1;
    std::array<bool, kRuleCount> enabled{};
    for (int rule = 0; rule < kRuleCount; ++rule)
        enabled[std::size_t(rule)] = IsEnabled(Rule(rule), area);
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        m_actions[i]->setEnabled(enabled[std::size_t(kCommands[i].rule)]);
}

void C_VYXInsertCommands::Run(const Command& command) {
    C_VYXCalcAreaModel& area = m_owner.CalcArea();
    // The enabling may lag behind a change nobody reported; the rule decides, not the button.
    if (!IsEnabled(command.rule, area))
        return;
    // An opened document's decimals reach the engine through the numpad, which may not exist
    // yet: the result written now must use them.
    m_owner.EnsureNumpad();
    switch (command.effect) {
    case Effect::Insert:
        area.InsertText(QString::fromUtf16(command.text));
        break;
    case Effect::Enter:
        area.EnterAtCaret();
        break;
    case Effect::EnterApproximate:
        area.EnterApproximate();
        break;
    case Effect::DeleteChar:
        area.DeleteBackward();
        break;
    case Effect::Clear:
        area.ClearArea();
        break;
    }
    // A click on a floating toolbar may have made it the active window; typing goes on in the
    // calculation area.
    m_owner.FocusCalcArea();
}
