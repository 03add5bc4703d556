// SPDX-License-Identifier: MIT
// C_VYXVariables: adding, removing and re-evaluating variables so that dependants follow.
#include "C_VYXVariables.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXTranslatorSymbols.h"
#include "C_VYXVarNFO.h"
#include "C_VYXVariableDependencies.h"
#include "VYXNum.h"

#include "C_VYXTextConversion.h"

namespace {

const QString EntrySeparator = QStringLiteral(" = ");

QString IllegalNameText(const QString& name) {
    return QStringLiteral("The variable name:\n") + name + QStringLiteral("\nis not allowed!!");
}

} // namespace

C_VYXVariables::C_VYXVariables(C_VYXVarNFO& record, C_TOBRIK_CALCULATORDoc& document)
    : m_record(record), m_document(document) {}

bool C_VYXVariables::AddVariable(const QString& name, const QString& definition,
                                 const QString& value) {
    C_VYXTokenTables& tables =
        m_record.m_pTokenTables != nullptr ? *m_record.m_pTokenTables : m_document.TokenTables();
    if (!tables.Translator().IsValidVariableName(name)) {
        m_document.ShowErrorBox(IllegalNameText(name), QStringLiteral("Illegal variable name."));
        return false;
    }
    if (m_record.definitions.contains(name)) {
        const QString question = QStringLiteral("The variable name\n") + name +
                                 QStringLiteral("\nalready exists!! Overwrite?");
        if (!m_document.AskYesNo(question, QStringLiteral("OVERWRITE?")))
            return false;
        RemoveVariable(name);
    }
    m_record.definitions.insert(name, definition);
    m_record.values.insert(name, value);
    return true;
}

bool C_VYXVariables::RemoveVariable(const QString& name) {
    if (!m_record.definitions.contains(name)) {
        m_document.ShowErrorBox(QStringLiteral("The variable ") + name +
                                    QStringLiteral(" could not be found."),
                                QStringLiteral("Variable not found!!"));
        return false;
    }
    m_record.definitions.remove(name);
    m_record.values.remove(name);
    return true;
}

void C_VYXVariables::ReevaluateAll() {
    const C_VYXVariableDependencies graph(m_record.definitions,
                                          C_VYXTranslatorSymbols::FunctionNames());
    const C_VYXVariableDependencies::Plan plan = graph.PlanAll();
    EvaluateInOrder(plan.order, plan.circular);
}

void C_VYXVariables::ReevaluateAffectedBy(const QString& name) {
    const C_VYXVariableDependencies graph(m_record.definitions,
                                          C_VYXTranslatorSymbols::FunctionNames());
    const C_VYXVariableDependencies::Plan plan = graph.PlanAffectedBy(name);
    EvaluateInOrder(plan.order, plan.circular);
}

void C_VYXVariables::EvaluateInOrder(const QStringList& order, const QStringList& circular) {
    // The values go first: evaluating in order must never substitute a stale value of a
    // variable that is itself on a cycle.
    for (const QString& name : circular)
        m_record.values.insert(name, ErrorValue);
    for (const QString& name : order)
        m_record.values.insert(name, EvaluateDefinition(m_record.definitions.value(name)));
}

QString C_VYXVariables::EvaluateDefinition(const QString& definition) {
    const std::unique_ptr<VYXNum> number = m_document.EvaluateExpression(definition);
    if (!number) {
        // The engine's message is not shown here; the value says it all.
        m_document.TakeEngineMessage();
        return ErrorValue;
    }
    return C_VYXTextConversion::FromNarrow(number->GetValue());
}

void C_VYXVariables::DeleteAll() {
    m_record.definitions.clear();
    m_record.values.clear();
}

void C_VYXVariables::RepairMaps() {
    for (auto value = m_record.values.begin(); value != m_record.values.end();) {
        if (m_record.definitions.contains(value.key()))
            ++value;
        else
            value = m_record.values.erase(value);
    }
    for (auto definition = m_record.definitions.cbegin(); definition != m_record.definitions.cend();
         ++definition) {
        if (!m_record.values.contains(definition.key()))
            m_record.values.insert(definition.key(), ErrorValue);
    }
}

QStringList C_VYXVariables::PanelEntries() const {
    QStringList entries;
    for (auto entry = m_record.definitions.cbegin(); entry != m_record.definitions.cend();
         ++entry) {
        const QString value = m_record.values.value(entry.key());
        QString text = entry.key() + EntrySeparator + entry.value();
        if (value != entry.value())
            text += EntrySeparator + value;
        entries.append(text);
    }
    return entries;
}

QStringList C_VYXVariables::ToolbarEntries() const {
    QStringList entries;
    for (auto entry = m_record.definitions.cbegin(); entry != m_record.definitions.cend(); ++entry)
        entries.append(entry.key() + EntrySeparator + m_record.values.value(entry.key()));
    return entries;
}

QString C_VYXVariables::ListText() const {
    QString text;
    for (auto entry = m_record.definitions.cbegin(); entry != m_record.definitions.cend();
         ++entry) {
        const QString value = m_record.values.value(entry.key());
        text += entry.key() + u'=' + entry.value();
        if (value != entry.value())
            text += u'=' + value;
        text += u'\n';
    }
    return text;
}

QString C_VYXVariables::NameOfEntry(const QString& entry) {
    const qsizetype separator = entry.indexOf(EntrySeparator);
    return separator < 0 ? entry : entry.left(separator);
}
