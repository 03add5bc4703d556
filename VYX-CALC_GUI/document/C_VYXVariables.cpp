// SPDX-License-Identifier: MIT
// C_VYXVariables: adding, removing and re-evaluating variables so that dependants follow.
#include "C_VYXVariables.h"

#include "C_VYXEvaluationContext.h"
#include "C_VYXTokenTables.h"
#include "C_VYXValueText.h"
#include "C_VYXVarNFO.h"
#include "VYXNum.h"

#include <QHash>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString kEntrySeparator = QStringLiteral(" = ");

QString IllegalNameText(const QString& name) {
    return QStringLiteral("The variable name:\n") + name + QStringLiteral("\nis not allowed!!");
}

/// One ReevaluateAll. A definition none of whose variables changed since its last evaluation
/// translates to the same text and so gives the same value: only the first pass evaluates
/// everything (the angle unit may have changed since the last time), later passes what can have
/// changed. That gives exactly the values of evaluating everything in every pass.
class SettlingPasses {
public:
    SettlingPasses(C_VYXVarNFO& record, C_VYXEvaluationContext& context)
        : m_record(record), m_context(context), m_names(record.definitions.keys()),
          m_order(context.TokenTables().Translator().SubstitutionOrder()),
          m_state(std::size_t(m_names.size())) {
        QHash<QString, int> indexOfName;
        for (qsizetype i = 0; i < m_names.size(); ++i)
            indexOfName.insert(m_names.at(i), int(i));
        for (qsizetype rank = 0; rank < m_order.Size(); ++rank)
            m_variableOfRank.push_back(indexOfName.value(m_order.Name(rank), -1));
    }

    void Run() {
        for (;;) {
            const std::vector<int> unsettled = PassUntilSettled();
            if (unsettled.empty())
                return;
            // Each round ends at least one more variable as "ERROR", so the rounds end.
            for (const int index : unsettled) {
                Definition& definition = m_state[std::size_t(index)];
                definition.endedAsError = true;
                definition.changedAt = ++m_clock;
                m_record.values.insert(m_names.at(index), C_VYXVariables::ErrorValue);
            }
        }
    }

private:
    /// Times come from one clock that ticks at every evaluation and every change of a value.
    struct Definition {
        /// The variables found in the definition at its last evaluation.
        std::vector<int> uses;
        quint64 evaluatedAt = 0; // 0: not evaluated yet
        quint64 changedAt = 0;
        bool endedAsError = false;
    };

    /// Passes until one changes nothing (then the result is empty), at most one more than there
    /// are variables; the variables still changing in the last pass.
    std::vector<int> PassUntilSettled() {
        std::vector<int> changed;
        for (qsizetype pass = 0; pass <= m_names.size(); ++pass) {
            changed.clear();
            for (qsizetype index = 0; index < m_names.size(); ++index) {
                if (MayChange(m_state[std::size_t(index)]) && Evaluate(int(index)))
                    changed.push_back(int(index));
            }
            if (changed.empty())
                break;
        }
        return changed;
    }

    bool MayChange(const Definition& definition) const {
        if (definition.endedAsError)
            return false;
        if (definition.evaluatedAt == 0)
            return true;
        return std::any_of(definition.uses.cbegin(), definition.uses.cend(), [&](int used) {
            return m_state[std::size_t(used)].changedAt > definition.evaluatedAt;
        });
    }

    /// True when the value changed.
    bool Evaluate(int index) {
        Definition& definition = m_state[std::size_t(index)];
        const QString& name = m_names.at(index);
        definition.evaluatedAt = ++m_clock;
        m_found.clear();
        const std::unique_ptr<VYXNum> number =
            m_context.EvaluateExpression(m_record.definitions.value(name), m_order, &m_found);
        QString value = C_VYXVariables::ErrorValue;
        if (number)
            value = C_VYXValueText::FromNumber(*number);
        else
            m_context.TakeEngineMessage(); // not shown: the value says it all
        definition.uses.clear();
        for (const qsizetype rank : m_found) {
            if (m_variableOfRank[std::size_t(rank)] >= 0)
                definition.uses.push_back(m_variableOfRank[std::size_t(rank)]);
        }
        if (value == m_record.values.value(name))
            return false;
        m_record.values.insert(name, value);
        definition.changedAt = ++m_clock;
        return true;
    }

    C_VYXVarNFO& m_record;
    C_VYXEvaluationContext& m_context;
    const QStringList m_names;
    const C_VYXSubstitutionOrder m_order;
    std::vector<int> m_variableOfRank;
    std::vector<Definition> m_state;
    quint64 m_clock = 0;
    std::vector<qsizetype> m_found;
};

} // namespace

C_VYXVariables::C_VYXVariables(C_VYXVarNFO& record, C_VYXEvaluationContext& context)
    : m_record(record), m_context(context) {}

bool C_VYXVariables::AddVariable(const QString& name, const QString& definition,
                                 const QString& value) {
    C_VYXTokenTables& tables =
        m_record.m_pTokenTables != nullptr ? *m_record.m_pTokenTables : m_context.TokenTables();
    if (!tables.Translator().IsValidVariableName(name)) {
        m_context.ShowErrorBox(IllegalNameText(name), QStringLiteral("Illegal variable name."));
        return false;
    }
    if (m_record.definitions.contains(name)) {
        const QString question = QStringLiteral("The variable name\n") + name +
                                 QStringLiteral("\nalready exists!! Overwrite?");
        if (!m_context.AskYesNo(question, QStringLiteral("OVERWRITE?")))
            return false;
        RemoveVariable(name);
    }
    m_record.definitions.insert(name, definition);
    m_record.values.insert(name, value);
    return true;
}

bool C_VYXVariables::RemoveVariable(const QString& name) {
    if (!m_record.definitions.contains(name)) {
        m_context.ShowErrorBox(QStringLiteral("The variable ") + name +
                                   QStringLiteral(" could not be found."),
                               QStringLiteral("Variable not found!!"));
        return false;
    }
    m_record.definitions.remove(name);
    m_record.values.remove(name);
    return true;
}

void C_VYXVariables::ReevaluateAll() {
    SettlingPasses(m_record, m_context).Run();
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
        QString text = entry.key() + kEntrySeparator + entry.value();
        if (value != entry.value())
            text += kEntrySeparator + value;
        entries.append(text);
    }
    return entries;
}

QStringList C_VYXVariables::ToolbarEntries() const {
    QStringList entries;
    for (auto entry = m_record.definitions.cbegin(); entry != m_record.definitions.cend(); ++entry)
        entries.append(entry.key() + kEntrySeparator + m_record.values.value(entry.key()));
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
    const qsizetype separator = entry.indexOf(kEntrySeparator);
    return separator < 0 ? entry : entry.left(separator);
}
