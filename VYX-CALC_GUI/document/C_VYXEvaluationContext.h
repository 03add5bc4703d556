// SPDX-License-Identifier: MIT
// C_VYXEvaluationContext: what the variables need of the document: evaluation, tables, boxes.
#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class C_VYXSubstitutionOrder;
class C_VYXTokenTables;
class C_VYXVarNFO;
class VYXNum;

/// The document's services the variables use, and no more: evaluating an expression through the
/// translator and the engine, the token tables, the variables record, the message boxes and the
/// status bar. The document implements it; a test may hand in a small fake.
class C_VYXEvaluationContext {
public:
    virtual ~C_VYXEvaluationContext() = default;

    virtual C_VYXTokenTables& TokenTables() = 0;
    /// The current variables record; File New and loading replace it, so ask for it each time.
    virtual C_VYXVarNFO& VariablesRecord() = 0;

    /// The full translation and evaluation of an expression. Null on an engine error (the
    /// message is then waiting in TakeEngineMessage).
    virtual std::unique_ptr<VYXNum> EvaluateExpression(const QString& text) = 0;
    /// EvaluateExpression for one of a series of texts over the same variable names, sorted once
    /// beforehand; `foundNames` receives the ranks of the variables found in the text.
    virtual std::unique_ptr<VYXNum> EvaluateExpression(const QString& text,
                                                       const C_VYXSubstitutionOrder& order,
                                                       std::vector<qsizetype>* foundNames) = 0;
    /// Evaluates a text that only had its display symbols replaced: is a name itself a number?
    virtual std::unique_ptr<VYXNum> EvaluateLiteral(const QString& text) = 0;
    /// The engine's message about the last failed evaluation; reading it clears it.
    virtual QString TakeEngineMessage() = 0;
    /// A number text rounded to the numpad's number of decimals.
    virtual QString RoundToDecimals(const QString& numberText) const = 0;

    /// A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& caption) = 0;
    virtual void ShowErrorBox(const QString& text, const QString& caption) = 0;
    /// Shows a text in the first pane of the status bar.
    virtual void ShowStatusText(const QString& text) = 0;
    virtual void SetModifiedFlag(bool modified = true) = 0;
};
