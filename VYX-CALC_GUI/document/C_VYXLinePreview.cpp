// SPDX-License-Identifier: MIT
// C_VYXLinePreview: results, messages and assignments of a line, on a private engine.
#include "C_VYXLinePreview.h"

#include "C_VYXLineCalculation.h"
#include "C_VYXTextConversion.h"
#include "C_VYXTokenTables.h"
#include "C_VYXValueText.h"
#include "C_VYXVariablesModel.h"
#include "VYXCalculator.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

/// The text without its trailing line break, on one line, at most kMaxPaneLength long.
QString OneShortLine(QStringView text) {
    if (text.endsWith(kLineBreak))
        text.chop(kLineBreak.size());
    QString line = text.size() > C_VYXLinePreview::kMaxPaneLength
                       ? text.left(C_VYXLinePreview::kMaxPaneLength - 1).toString() + QChar(0x2026)
                       : text.toString();
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

} // namespace

QString C_VYXPreviewResult::PaneText() const {
    switch (kind) {
    case Kind::Nothing:
        return QString();
    case Kind::Result:
        return OneShortLine(QString(QStringLiteral("= ") + text));
    case Kind::Error:
        // Written as a comment; the bar shows the message itself.
        return OneShortLine(QStringView(text).mid(2));
    case Kind::Assignment:
    case Kind::AssignmentError:
        return OneShortLine(text);
    }
    return QString();
}

C_VYXLinePreview::C_VYXLinePreview()
    : m_pTokenTables(std::make_unique<C_VYXTokenTables>()),
      // No question handler: the preview never defines anything the engine could ask about.
      m_pCalculator(std::make_unique<VYXCalculator>()) {}

C_VYXLinePreview::~C_VYXLinePreview() = default;

bool C_VYXLinePreview::NeedsEvaluation(const QString& line) {
    // "cls" clears the area instead of being evaluated.
    if (line.compare(QStringLiteral("CLS"), Qt::CaseInsensitive) == 0)
        return false;
    return C_VYXLineCalculation::Classify(line) != C_VYXLineCalculation::Kind::Nothing;
}

void C_VYXLinePreview::ApplyEngineSettings(const C_VYXPreviewRequest& request) {
    m_pCalculator->SetAngle("ANGLE_" + request.engineAngle);
    m_pCalculator->SetDecimals(request.engineDecimals);
}

C_VYXPreviewResult C_VYXLinePreview::Preview(const C_VYXPreviewRequest& request) {
    using Kind = C_VYXPreviewResult::Kind;
    if (!NeedsEvaluation(request.line))
        return {};
    ApplyEngineSettings(request);
    C_VYXUnicodeTranslatorContainer& translator = m_pTokenTables->Translator();
    translator.SetVariableMaps(&request.values, &request.values);
    C_VYXPreviewResult result;
    if (C_VYXLineCalculation::Classify(request.line) == C_VYXLineCalculation::Kind::Assignment) {
        result = PreviewAssignment(request);
    } else {
        C_VYXLineCalculation::Outcome outcome = C_VYXLineCalculation::Calculate(
            request.line, translator, *m_pCalculator, request.layout);
        if (!outcome.text.isEmpty())
            result = {outcome.calculated ? Kind::Result : Kind::Error, std::move(outcome.text)};
    }
    // The request's maps go with the request.
    translator.SetVariableMaps(nullptr, nullptr);
    return result;
}

C_VYXPreviewResult C_VYXLinePreview::PreviewAssignment(const C_VYXPreviewRequest& request) {
    using Kind = C_VYXPreviewResult::Kind;
    const qsizetype equals = request.line.indexOf(u'=');
    const QString name = C_VYXVariablesModel::WithoutSurroundingBlanks(request.line.left(equals));
    const QString definition =
        C_VYXVariablesModel::WithoutSurroundingBlanks(request.line.mid(equals + 1));
    C_VYXUnicodeTranslatorContainer& translator = m_pTokenTables->Translator();
    if (const auto rejection = C_VYXVariablesModel::CheckNewVariable(name, definition, translator))
        return {Kind::AssignmentError, rejection->text};

    const QString expression = translator.Translate(definition);
    translator.TakeComment();
    const std::unique_ptr<VYXNum> number(
        m_pCalculator->ParseString(C_VYXTextConversion::ToNarrow(expression)));
    if (!number) {
        QString message = C_VYXTextConversion::FromNarrow(m_pCalculator->GetExceptionMessage());
        if (message.isEmpty())
            message = C_VYXVariablesModel::kValueNotEvaluated;
        return {Kind::AssignmentError, message};
    }
    const QString value = request.layout.RoundToDecimals(C_VYXValueText::FromNumber(*number));
    return {Kind::Assignment, name + QStringLiteral(" := ") + value};
}
