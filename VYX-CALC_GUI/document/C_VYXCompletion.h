// SPDX-License-Identifier: MIT
// C_VYXCompletion: the names offered while a word is typed in the calculation area.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class C_VYXEvaluationContext;

/// The word a caret ends: where it starts on its line and what has been typed of it.
struct C_VYXCompletionWord {
    int start = -1;
    QString prefix;

    bool IsValid() const { return start >= 0; }
};

/// Knows which names can complete a typed word: the function names of the translator's table
/// that the engine evaluates, the named constants and the variables defined at the moment.
/// Function names and constants match in any letter case, as the translator upper-cases them;
/// variable names only as written, as they are substituted.
class C_VYXCompletion {
public:
    /// Completion starts with this many characters typed.
    static constexpr int kMinPrefixLength = 2;

    /// The context must outlive this object; its variables are read anew on every call.
    explicit C_VYXCompletion(C_VYXEvaluationContext& context);

    /// The word ending at `column` of `line`: letters, digits and "_" starting with a letter, at
    /// least kMinPrefixLength long, not followed by another word character and not inside a
    /// comment. Invalid when there is none.
    static C_VYXCompletionWord WordBeforeCaret(QStringView line, int column);

    /// The names beginning with `prefix`, sorted ignoring case; a name equal to the prefix is
    /// left out, there being nothing left to complete.
    QStringList Candidates(QStringView prefix);

    /// The function names and constants, in their tables' order.
    const QStringList& FixedNames();

private:
    C_VYXEvaluationContext& m_context;
    QStringList m_fixedNames;
};
