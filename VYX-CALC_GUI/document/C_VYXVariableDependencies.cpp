// SPDX-License-Identifier: MIT
// C_VYXVariableDependencies: the variables' dependency graph and its evaluation order.
#include "C_VYXVariableDependencies.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <optional>
#include <vector>

namespace {

/// Names this short are not substituted inside a function name ("s" keeps "sin").
constexpr qsizetype kLongestProtectedName = 4;

struct Span {
    qsizetype begin;
    qsizetype end;
};

/// Where function names stand in the text, in any letter case.
QList<Span> FunctionNameSpans(QStringView text, const QStringList& functionNames) {
    QList<Span> spans;
    for (const QString& function : functionNames) {
        qsizetype at = text.indexOf(function, 0, Qt::CaseInsensitive);
        while (at >= 0) {
            spans.append({at, at + function.size()});
            at = text.indexOf(function, at + 1, Qt::CaseInsensitive);
        }
    }
    return spans;
}

bool StartsInside(const QList<Span>& spans, qsizetype position) {
    return std::any_of(spans.cbegin(), spans.cend(), [position](const Span& span) {
        return span.begin <= position && position < span.end;
    });
}

/// The part of a definition the translator substitutes into: no comment, no spaces.
QString AsTranslated(const QString& definition) {
    QString text = definition.left(definition.indexOf(QStringLiteral("//")));
    text.remove(u' ');
    return text;
}

} // namespace

C_VYXVariableDependencies::C_VYXVariableDependencies(const QMap<QString, QString>& definitions,
                                                     const QStringList& functionNames)
    : m_functionNames(functionNames) {
    m_names.reserve(definitions.size());
    m_definitions.reserve(definitions.size());
    for (auto entry = definitions.cbegin(); entry != definitions.cend(); ++entry) {
        // An empty name (only a damaged file can hold one) is never substituted.
        if (entry.key().isEmpty())
            continue;
        m_names.append(entry.key());
        m_definitions.append(AsTranslated(entry.value()));
    }
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        m_indexOfName.insert(QStringView(m_names.at(i)), int(i));
        if (!m_nameLengths.contains(m_names.at(i).size()))
            m_nameLengths.append(m_names.at(i).size());
    }
    std::sort(m_nameLengths.begin(), m_nameLengths.end(), std::greater<>());

    m_uses.resize(m_names.size());
    m_usedBy.resize(m_names.size());
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        m_uses[i] = ReferenceIndexes(m_definitions.at(i));
        for (int used : m_uses.at(i))
            m_usedBy[used].append(int(i));
    }
}

QList<int> C_VYXVariableDependencies::ReferenceIndexes(QStringView definition) const {
    QList<int> found;
    const qsizetype size = definition.size();
    if (size == 0 || m_names.isEmpty())
        return found;
    // Looked for only when a short name is met: most definitions never need them.
    std::optional<QList<Span>> functionSpans;
    const auto insideFunctionName = [&](qsizetype at) {
        if (!functionSpans)
            functionSpans = FunctionNameSpans(definition, m_functionNames);
        return StartsInside(*functionSpans, at);
    };
    // Characters already taken by a longer name cannot be part of a shorter one: the translator
    // has replaced them by a value by then.
    std::vector<bool> taken(std::size_t(size), false);
    for (const qsizetype length : m_nameLengths) {
        qsizetype at = 0;
        while (at + length <= size) {
            const auto first = taken.begin() + at;
            if (std::find(first, first + length, true) != first + length) {
                ++at;
                continue;
            }
            const auto match = m_indexOfName.constFind(definition.mid(at, length));
            const bool substituted = match != m_indexOfName.cend() &&
                                     !(length <= kLongestProtectedName && insideFunctionName(at));
            if (!substituted) {
                ++at;
                continue;
            }
            if (!found.contains(match.value()))
                found.append(match.value());
            std::fill(first, first + length, true);
            at += length;
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

QStringList C_VYXVariableDependencies::References(const QString& definition) const {
    QStringList names;
    for (int index : ReferenceIndexes(AsTranslated(definition)))
        names.append(m_names.at(index));
    return names;
}

C_VYXVariableDependencies::Plan C_VYXVariableDependencies::PlanAll() const {
    QList<int> seeds(m_names.size());
    std::iota(seeds.begin(), seeds.end(), 0);
    return PlanFor(seeds);
}

C_VYXVariableDependencies::Plan
C_VYXVariableDependencies::PlanAffectedBy(const QString& name) const {
    QList<int> seeds;
    if (name.isEmpty())
        return PlanFor(seeds);
    // Mentioning the name is enough: after a removal the name is no longer in the graph, and a
    // definition evaluated once more than needed comes to the same value.
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i) == name || m_definitions.at(i).contains(name))
            seeds.append(int(i));
    }
    return PlanFor(seeds);
}

C_VYXVariableDependencies::Plan C_VYXVariableDependencies::PlanFor(const QList<int>& seeds) const {
    // The seeds and everything that depends on them, transitively.
    std::vector<bool> affected(std::size_t(m_names.size()), false);
    std::deque<int> pending(seeds.cbegin(), seeds.cend());
    while (!pending.empty()) {
        const int index = pending.front();
        pending.pop_front();
        if (affected[std::size_t(index)])
            continue;
        affected[std::size_t(index)] = true;
        for (int dependant : m_usedBy.at(index))
            pending.push_back(dependant);
    }

    // Kahn's order over the affected part: a variable is ready when none of the affected
    // variables it uses is still waiting. Unaffected ones keep their values and never wait.
    std::vector<int> waitingFor(std::size_t(m_names.size()), 0);
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (!affected[std::size_t(i)])
            continue;
        for (int used : m_uses.at(i)) {
            if (affected[std::size_t(used)])
                ++waitingFor[std::size_t(i)];
        }
    }
    std::deque<int> ready;
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (affected[std::size_t(i)] && waitingFor[std::size_t(i)] == 0)
            ready.push_back(int(i));
    }
    Plan plan;
    std::vector<bool> planned(std::size_t(m_names.size()), false);
    while (!ready.empty()) {
        const int index = ready.front();
        ready.pop_front();
        planned[std::size_t(index)] = true;
        plan.order.append(m_names.at(index));
        for (int dependant : m_usedBy.at(index)) {
            if (affected[std::size_t(dependant)] && --waitingFor[std::size_t(dependant)] == 0)
                ready.push_back(dependant);
        }
    }
    // Whatever never became ready sits on a cycle or depends on one.
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (affected[std::size_t(i)] && !planned[std::size_t(i)])
            plan.circular.append(m_names.at(i));
    }
    return plan;
}
