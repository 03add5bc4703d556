// SPDX-License-Identifier: MIT
// C_VYXExpressionEvaluator: evaluation of the expression in a panel field.
#include "C_VYXExpressionEvaluator.h"

QString EvaluateExpressionText(const C_VYXExpressionEvaluator& evaluator, const QString& text) {
    if (!evaluator)
        return QString();
    QString line = text;
    line.replace(u',', u'.');
    QString result = evaluator(line);
    result.remove(QStringLiteral("\r\n"));
    return result;
}
