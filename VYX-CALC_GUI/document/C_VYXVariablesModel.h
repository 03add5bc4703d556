// SPDX-License-Identifier: MIT
// C_VYXVariablesModel: the variables panel and toolbar without their widgets.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class C_VYXEvaluationContext;
class C_VYXUnicodeTranslatorContainer;
class C_VYXVarNFO;

/// The panel's two fields, its sorted list with the selection, the toolbar's drop-down entries
/// and the panel's buttons. The widgets show this state and forward the user's actions. The
/// document owns it, so assignment lines work whether or not the panel was ever shown; the
/// variables record is looked up afresh for every operation.
class C_VYXVariablesModel : public QObject {
    Q_OBJECT

public:
    /// The context must outlive the model.
    explicit C_VYXVariablesModel(C_VYXEvaluationContext& context);

    /// Whether the panel's window exists; it decides two checks of AddFromFields and
    /// DefineFromText. The panel widget sets it when it is created.
    void SetPanelCreated(bool created) { m_bPanelCreated = created; }
    /// The name field (1050) and the value field (1049), as the user edits them.
    const QString& NameField() const { return m_strName; }
    const QString& ValueField() const { return m_strValue; }
    void SetNameField(const QString& name);
    void SetValueField(const QString& value);

    /// The message for a definition the engine fails on without a message of its own.
    static inline const QString kValueNotEvaluated =
        QStringLiteral("The value cannot be evaluated.");

    /// The text without the blanks and tabs around it, as names and definitions are taken.
    static QString WithoutSurroundingBlanks(const QString& text);
    /// Why a variable cannot be added: the error box's text and caption.
    struct Rejection {
        QString text;
        QString caption;
    };
    /// The checks of a new variable before its definition is evaluated: a definition, and a
    /// name that is not empty, numeric, reserved or with a blank. Nothing when both pass.
    static std::optional<Rejection>
    CheckNewVariable(const QString& name, const QString& definition,
                     const C_VYXUnicodeTranslatorContainer& translator);

    /// Validates the fields and adds the variable; every failed check shows one error box. The
    /// blanks and tabs around the name and around the definition are dropped first.
    bool AddFromFields();
    /// An assignment line "name=definition" from the calculation area.
    void DefineFromText(const QString& typedName, const QString& definition);
    /// Rebuilds the panel's sorted list and the toolbar's drop-down entries.
    void RefreshList();
    /// The variables as printed after "\nVARIABLES:\n".
    QString ListText() const;

    /// The panel's list, sorted without regard to letter case.
    const QStringList& ListEntries() const { return m_listEntries; }
    /// The toolbar's drop-down entries, "name = value".
    const QStringList& ToolbarEntries() const { return m_toolbarEntries; }
    /// Index of the selected list entry, -1 for none.
    int SelectedIndex() const { return m_nSelected; }
    /// Selecting an entry puts its name and definition into the fields; -1 clears the selection.
    void SelectEntry(int index);

    /// "Add" (and Enter in either field).
    bool OnAdd();
    /// "Del": removes the selected variable.
    void OnDelete();
    /// "Delete all.": asks first.
    void OnDeleteAll();
    /// "Use selected.": inserts the name field into the calculation area.
    void OnUseSelected();
    /// The toolbar's delete button, for the variable `name`.
    void DeleteByName(const QString& name);
    /// Refills the list from the current document's record.
    void RefreshFromSettings();

    /// The button states UpdateButtons gives.
    bool IsAddEnabled() const;
    bool IsDeleteEnabled() const;
    bool IsDeleteAllEnabled() const;
    bool IsUseSelectedEnabled() const;

signals:
    /// After every change of the fields, the list or the selection (the panel, the variables
    /// toolbar and the window title follow the model).
    void changed();
    /// A text for the caret of the calculation area: "Use selected." and the confirmation of an
    /// assignment line.
    void insertTextRequested(const QString& text);

private:
    C_VYXVarNFO& Record();
    /// Fails the check with an error box.
    bool Reject(const QString& text, const QString& caption);
    /// Removes a variable and lets its dependants follow.
    void RemoveAndReevaluate(const QString& name);
    void Changed();

    C_VYXEvaluationContext& m_context;
    bool m_bPanelCreated = false;
    QString m_strName;
    QString m_strValue;
    QStringList m_listEntries;
    QStringList m_toolbarEntries;
    int m_nSelected = -1;
};
