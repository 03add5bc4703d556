// SPDX-License-Identifier: MIT
// C_VYXVariablesModel: validation of new variables, the panel's list and buttons.
#include "C_VYXVariablesModel.h"

#include "C_VYXEvaluationContext.h"
#include "C_VYXNumberText.h"
#include "C_VYXTokenTables.h"
#include "C_VYXValueText.h"
#include "C_VYXVarNFO.h"
#include "C_VYXVariables.h"
#include "VYXNum.h"

#include <algorithm>

namespace {

const QString kErrorCaption = QStringLiteral("ERROR!!");

bool ListOrder(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

QString C_VYXVariablesModel::WithoutSurroundingBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text.at(begin) == u' ' || text.at(begin) == u'\t'))
        ++begin;
    while (end > begin && (text.at(end - 1) == u' ' || text.at(end - 1) == u'\t'))
        --end;
    return text.mid(begin, end - begin);
}

C_VYXVariablesModel::C_VYXVariablesModel(C_VYXEvaluationContext& context) : m_context(context) {}

C_VYXVarNFO& C_VYXVariablesModel::Record() {
    return m_context.VariablesRecord();
}

void C_VYXVariablesModel::SetNameField(const QString& name) {
    m_strName = name;
    Changed();
}

void C_VYXVariablesModel::SetValueField(const QString& value) {
    m_strValue = value;
    Changed();
}

bool C_VYXVariablesModel::Reject(const QString& text, const QString& caption) {
    m_context.ShowErrorBox(text, caption);
    Changed();
    return false;
}

std::optional<C_VYXVariablesModel::Rejection>
C_VYXVariablesModel::CheckNewVariable(const QString& name, const QString& definition,
                                      const C_VYXUnicodeTranslatorContainer& translator) {
    if (definition.isEmpty())
        return Rejection{QStringLiteral("No value entered!!"), kErrorCaption};
    if (name.isEmpty())
        return Rejection{QStringLiteral("No variable name entered!!"), kErrorCaption};
    if (C_VYXNumberText::IsDoubleText(name))
        return Rejection{QStringLiteral("Variable name is not allowed to be numeric."),
                         kErrorCaption};
    if (!translator.IsValidVariableName(name)) {
        return Rejection{QStringLiteral("The variable name:\n") + name +
                             QStringLiteral("\nis not allowed!!"),
                         QStringLiteral("Illegal variable name.")};
    }
    return std::nullopt;
}

bool C_VYXVariablesModel::AddFromFields() {
    // "x = 3" names x: the blanks around the name would keep every expression from reaching it.
    m_strName = WithoutSurroundingBlanks(m_strName);
    m_strValue = WithoutSurroundingBlanks(m_strValue);
    const QString name = m_strName;
    const QString definition = m_strValue;
    if (const auto rejection =
            CheckNewVariable(name, definition, m_context.TokenTables().Translator()))
        return Reject(rejection->text, rejection->caption);
    if (m_bPanelCreated) {
        const bool isNumber = m_context.EvaluateLiteral(name) != nullptr;
        // A failed test leaves a message in the engine that belongs to nobody.
        m_context.TakeEngineMessage();
        if (isNumber) {
            m_strName.clear();
            return Reject(QStringLiteral("Variable name can be evaluated to a nummeric "
                                         "expression.\r\nThis kind of variable name is not "
                                         "allowed!!"),
                          kErrorCaption);
        }
    }
    const std::unique_ptr<VYXNum> number = m_context.EvaluateExpression(definition);
    if (!number) {
        QString message = m_context.TakeEngineMessage();
        // Some engine failures carry no text; an empty error box would say nothing.
        if (message.isEmpty())
            message = kValueNotEvaluated;
        return Reject(message, kErrorCaption);
    }
    const QString value = C_VYXValueText::FromNumber(*number);

    C_VYXVariables variables(Record(), m_context);
    if (!variables.AddVariable(name, definition, value)) {
        Changed();
        return false;
    }
    variables.ReevaluateAll();
    m_context.SetModifiedFlag();
    RefreshList();
    return true;
}

void C_VYXVariablesModel::DefineFromText(const QString& typedName, const QString& definition) {
    const QString name = WithoutSurroundingBlanks(typedName);
    m_strName = name;
    m_strValue = WithoutSurroundingBlanks(definition);
    Changed();
    if (!AddFromFields())
        return;
    if (m_bPanelCreated &&
        std::none_of(m_listEntries.cbegin(), m_listEntries.cend(), [&name](const QString& entry) {
            return entry.startsWith(name, Qt::CaseInsensitive);
        }))
        return;
    const QString value = m_context.RoundToDecimals(Record().values.value(name));
    const QString assignment = QStringLiteral("Variable: ") + name + u'=' + value;
    m_context.ShowStatusText(assignment);
    // A comment line, so that Enter on it never defines the variable again.
    emit insertTextRequested(QStringLiteral("//") + assignment + QStringLiteral("\r\n"));
}

void C_VYXVariablesModel::RefreshList() {
    C_VYXVariables variables(Record(), m_context);
    m_listEntries = variables.PanelEntries();
    std::stable_sort(m_listEntries.begin(), m_listEntries.end(), ListOrder);
    m_toolbarEntries = variables.ToolbarEntries();
    // Refilling a list box drops its selection.
    m_nSelected = -1;
    Changed();
}

QString C_VYXVariablesModel::ListText() const {
    C_VYXVariables variables(m_context.VariablesRecord(), m_context);
    return variables.ListText();
}

void C_VYXVariablesModel::SelectEntry(int index) {
    if (index < 0 || index >= m_listEntries.size()) {
        m_nSelected = -1;
        Changed();
        return;
    }
    m_nSelected = index;
    m_strName = C_VYXVariables::NameOfEntry(m_listEntries.at(index));
    m_strValue = Record().definitions.value(m_strName);
    Changed();
}

bool C_VYXVariablesModel::OnAdd() {
    return AddFromFields();
}

void C_VYXVariablesModel::RemoveAndReevaluate(const QString& name) {
    C_VYXVariables variables(Record(), m_context);
    if (variables.RemoveVariable(name)) {
        // Dependants of the removed variable can no longer be evaluated: they become "ERROR".
        variables.ReevaluateAll();
        m_context.SetModifiedFlag();
    }
}

void C_VYXVariablesModel::OnDelete() {
    if (!IsDeleteEnabled())
        return;
    RemoveAndReevaluate(m_strName);
    m_strName.clear();
    m_strValue.clear();
    RefreshList();
}

void C_VYXVariablesModel::OnDeleteAll() {
    if (!IsDeleteAllEnabled())
        return;
    if (!m_context.AskYesNo(QStringLiteral("Delete all variables?"), QStringLiteral("Delete all?")))
        return;
    C_VYXVariables(Record(), m_context).DeleteAll();
    m_context.SetModifiedFlag();
    m_strName.clear();
    m_strValue.clear();
    RefreshList();
}

void C_VYXVariablesModel::OnUseSelected() {
    emit insertTextRequested(m_strName);
}

void C_VYXVariablesModel::DeleteByName(const QString& name) {
    if (m_nSelected >= 0 && C_VYXVariables::NameOfEntry(m_listEntries.at(m_nSelected)) == name) {
        m_strName.clear();
        m_strValue.clear();
    }
    RemoveAndReevaluate(name);
    RefreshList();
}

void C_VYXVariablesModel::RefreshFromSettings() {
    RefreshList();
}

bool C_VYXVariablesModel::IsAddEnabled() const {
    return !m_strName.isEmpty() && !m_strValue.isEmpty();
}

bool C_VYXVariablesModel::IsDeleteEnabled() const {
    return m_nSelected >= 0;
}

bool C_VYXVariablesModel::IsDeleteAllEnabled() const {
    return !m_listEntries.isEmpty();
}

bool C_VYXVariablesModel::IsUseSelectedEnabled() const {
    return m_nSelected >= 0;
}

void C_VYXVariablesModel::Changed() {
    emit changed();
}
