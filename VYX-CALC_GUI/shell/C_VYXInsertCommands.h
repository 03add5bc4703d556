// SPDX-License-Identifier: MIT
// C_VYXInsertCommands: the symbol, execute and delete commands of the function toolbars.
#pragma once

#include <QObject>

#include <array>

class C_VYXCalcAreaModel;
class C_VYXPanelOwner;
class QAction;

/// Commands 32849 to 32863: insert a display symbol at the caret, calculate the caret's line
/// (exactly or approximately), delete the character before the caret, clear the area. Each is
/// one action, enabled by the state of the calculation area.
class C_VYXInsertCommands : public QObject {
    Q_OBJECT

public:
    /// When a command may run.
    enum class Rule {
        Always,
        /// A character precedes the caret on its line: the command needs an operand.
        CharacterBeforeCaret,
        /// Something is selected or the caret is not at the very start.
        SomethingToDelete,
        /// Keep last: UpdateEnabling counts the rules by it.
        AreaNotEmpty,
    };
    enum class Effect { Insert, Enter, EnterApproximate, DeleteChar, Clear };

    struct Command {
        int id;
        const char* objectName;
        /// The inserted text for Effect::Insert; the button's text for the others.
        const char16_t* text;
        const char* iconName;
        Effect effect;
        Rule rule;
    };
    static constexpr int kCount = 15;
    static const std::array<Command, kCount>& Commands();

    static bool IsEnabled(Rule rule, const C_VYXCalcAreaModel& area);

    /// The owner must outlive the commands.
    explicit C_VYXInsertCommands(C_VYXPanelOwner& owner, QObject* parent = nullptr);

    /// The action of a command id; null for an id that is none of these commands.
    QAction* Action(int commandId) const;
    /// Re-reads the enabling rules from the calculation area.
    void UpdateEnabling();

private:
    void Run(const Command& command);

    C_VYXPanelOwner& m_owner;
    std::array<QAction*, kCount> m_actions{};
};
