// SPDX-License-Identifier: MIT
// C_TOBRIK_CALCULATORDoc: line evaluation and its display forms, lifecycle, saving and loading.
#include "C_TOBRIK_CALCULATORDoc.h"

#include "C_VYXAngleUnit.h"
#include "C_VYXArchive.h"
#include "C_VYXDocumentFrame.h"
#include "C_VYXExpressionEvaluator.h"
#include "C_VYXFileStore.h"
#include "C_VYXLineCalculation.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStatusSink.h"
#include "C_VYXStringTable.h"
#include "C_VYXTextConversion.h"
#include "C_VYXVariables.h"
#include "VYXCalculator.h"

#include <QFileInfo>
#include <utility>

namespace {

const QString kErrorCaption = QStringLiteral("ERROR!!");

} // namespace

C_TOBRIK_CALCULATORDoc::C_TOBRIK_CALCULATORDoc(C_VYXMessageBoxes& messageBoxes)
    : m_messageBoxes(messageBoxes), m_variablesPanel(*this) {
    InitContents();
    connect(&m_variablesPanel, &C_VYXVariablesModel::insertTextRequested, this,
            &C_VYXCalcAreaHost::insertTextRequested);
}

C_TOBRIK_CALCULATORDoc::~C_TOBRIK_CALCULATORDoc() = default;

void C_TOBRIK_CALCULATORDoc::InitContents() {
    m_pSettings = std::make_unique<C_VYXSettings>();
    // The engine's one question (overwriting one of its own variables) goes to our boxes.
    m_pCalculator = std::make_unique<VYXCalculator>(
        [this](const std::string& caption, const std::string& text) {
            return m_messageBoxes.AskYesNo(C_VYXTextConversion::FromNarrow(caption),
                                           C_VYXTextConversion::FromNarrow(text));
        });
    m_pTokenTables = std::make_unique<C_VYXTokenTables>();
    m_nCalculations = 0;
    m_bSkipPlacement = false;
    m_strLastResult.clear();
    LinkContents();
}

void C_TOBRIK_CALCULATORDoc::LinkContents() {
    C_VYXVarNFO& variables = m_pSettings->Var();
    variables.m_pTokenTables = m_pTokenTables.get();
    m_pTokenTables->Translator().SetVariableMaps(&variables.definitions, &variables.values);
}

int C_TOBRIK_CALCULATORDoc::TrailingTokenLength(QStringView text) const {
    return m_pTokenTables->TrailingTokenLength(text);
}

// ---- line evaluation ----

QString C_TOBRIK_CALCULATORDoc::CalculateLine(const QString& line) {
    using C_VYXLineCalculation::Kind;
    switch (C_VYXLineCalculation::Classify(line)) {
    case Kind::Nothing:
        return QString();
    case Kind::Assignment: {
        const qsizetype equals = line.indexOf(u'=');
        m_variablesPanel.DefineFromText(line.left(equals), line.mid(equals + 1));
        return QString();
    }
    case Kind::Expression:
        break;
    }
    // The last result belongs to this line: a failing line must not hand Ctrl+Enter an older one.
    m_strLastResult.clear();
    C_VYXLineCalculation::Outcome outcome = C_VYXLineCalculation::Calculate(
        line, m_pTokenTables->Translator(), *m_pCalculator, ResultLayout());
    if (!outcome.calculated)
        return outcome.text;
    ++m_nCalculations;
    ShowCalculationCount();
    m_strLastResult = std::move(outcome.value);
    return outcome.text;
}

C_VYXResultLayout C_TOBRIK_CALCULATORDoc::ResultLayout() const {
    return C_VYXResultLayout::FromSettings(*m_pSettings);
}

QString C_TOBRIK_CALCULATORDoc::FormatArgument(const VYXNum& number) const {
    return ResultLayout().FormatArgument(number);
}

QString C_TOBRIK_CALCULATORDoc::CalculateLineAsDecimal(const QString& line) {
    C_VYXCalcTextNFO& display = m_pSettings->CalcText();
    const qint32 savedReal = display.showReal;
    const qint32 savedRational = display.showRational;
    display.showReal = 1;
    display.showRational = 0;
    display.displayChanged = 1;
    const QString result = CalculateLine(line);
    // Nothing inside a line's evaluation replaces the settings: the record is still the same.
    display.showReal = savedReal;
    display.showRational = savedRational;
    display.displayChanged = 1;
    return result;
}

QString C_TOBRIK_CALCULATORDoc::EvaluateExpressionText(const QString& text) {
    return ::EvaluateExpressionText(
        [this](const QString& line) { return CalculateLineAsDecimal(line); }, text);
}

std::unique_ptr<VYXNum> C_TOBRIK_CALCULATORDoc::EvaluateExpression(const QString& text) {
    C_VYXUnicodeTranslatorContainer& translator = m_pTokenTables->Translator();
    return EvaluateExpression(text, translator.SubstitutionOrder(), nullptr);
}

std::unique_ptr<VYXNum>
C_TOBRIK_CALCULATORDoc::EvaluateExpression(const QString& text, const C_VYXSubstitutionOrder& order,
                                           std::vector<qsizetype>* foundNames) {
    C_VYXUnicodeTranslatorContainer& translator = m_pTokenTables->Translator();
    const QString expression = translator.Translate(text, order, foundNames);
    translator.TakeComment();
    return std::unique_ptr<VYXNum>(
        m_pCalculator->ParseString(C_VYXTextConversion::ToNarrow(expression)));
}

std::unique_ptr<VYXNum> C_TOBRIK_CALCULATORDoc::EvaluateLiteral(const QString& text) {
    const QString expression = m_pTokenTables->Translator().ReplaceSymbols(text);
    return std::unique_ptr<VYXNum>(
        m_pCalculator->ParseString(C_VYXTextConversion::ToNarrow(expression)));
}

QString C_TOBRIK_CALCULATORDoc::TakeEngineMessage() {
    return C_VYXTextConversion::FromNarrow(m_pCalculator->GetExceptionMessage());
}

QString C_TOBRIK_CALCULATORDoc::RoundToDecimals(const QString& numberText) const {
    return ResultLayout().RoundToDecimals(numberText);
}

QString C_TOBRIK_CALCULATORDoc::TakeLastResult() {
    return std::exchange(m_strLastResult, {});
}

void C_TOBRIK_CALCULATORDoc::ApplyAngleUnit() {
    // An unknown unit gives an empty key, which the engine ignores.
    const QString key = C_VYXAngleUnit::EngineKey(m_pSettings->Trig().m_nAngleUnit);
    m_pCalculator->SetAngle(C_VYXTextConversion::ToNarrow(key));
}

// ---- user interface services ----

bool C_TOBRIK_CALCULATORDoc::AskYesNo(const QString& text, const QString& caption) {
    return m_messageBoxes.AskYesNo(caption, text);
}

void C_TOBRIK_CALCULATORDoc::ShowErrorBox(const QString& text, const QString& caption) {
    m_messageBoxes.ShowError(caption, text);
}

void C_TOBRIK_CALCULATORDoc::ShowStatusText(const QString& text) {
    if (m_pStatusSink != nullptr)
        m_pStatusSink->ShowStatusText(text);
}

void C_TOBRIK_CALCULATORDoc::ShowCalculationCount() {
    ShowStatusText(C_VYXStringTable::Text(C_VYXResourceIds::kStrCalculationCount) +
                   QString::number(m_nCalculations));
}

C_VYXPanelContext C_TOBRIK_CALCULATORDoc::PanelContext() {
    C_VYXPanelContext context;
    context.evaluate = [this](const QString& line) { return CalculateLineAsDecimal(line); };
    context.evaluateReal = [this](const QString& expression) -> std::optional<double> {
        const std::unique_ptr<VYXNum> number = EvaluateExpression(expression);
        // A failure was reported where the field's text was evaluated; the message is stale.
        TakeEngineMessage();
        if (!number || number->GetCmplxValue() != 0)
            return std::nullopt;
        return number->GetRealValue();
    };
    context.decimals = [this] { return int(m_pSettings->BasicButtons().m_nDecimals); };
    context.markModified = [this] { SetModifiedFlag(); };
    context.insertText = [this](const QString& text) { emit insertTextRequested(text); };
    context.setEngineAngle = [this](const QString& key) {
        m_pCalculator->SetAngle(C_VYXTextConversion::ToNarrow(key));
    };
    return context;
}

QString C_TOBRIK_CALCULATORDoc::DisplayName() const {
    return m_strPathName.isEmpty() ? UntitledName() : QFileInfo(m_strPathName).fileName();
}

void C_TOBRIK_CALCULATORDoc::SetModifiedFlag(bool modified) {
    if (modified)
        emit contentsChanged();
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    emit modifiedChanged(modified);
}

// ---- lifecycle ----

void C_TOBRIK_CALCULATORDoc::UpdateAllViews() {
    emit updateRequested();
}

void C_TOBRIK_CALCULATORDoc::RefreshPanels() {
    m_variablesPanel.RefreshFromSettings();
    if (m_pFrame != nullptr)
        m_pFrame->RefreshPanels();
}

bool C_TOBRIK_CALCULATORDoc::OnNewDocument() {
    if (m_bFirstNewDocument) {
        m_bFirstNewDocument = false;
        m_nCalculations = 0;
        return true;
    }
    m_pTokenTables.reset();
    m_pCalculator.reset();
    m_pSettings.reset();
    InitContents();
    m_bFirstNewDocument = false;
    UpdateAllViews();
    emit clearRequested();
    RefreshPanels();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool C_TOBRIK_CALCULATORDoc::OnOpenDocument(const QString& path, bool fromOpenCommand) {
    QByteArray bytes;
    QString error;
    const bool loaded = C_VYXFileStore::Load(path, &bytes, &error) && LoadFromBytes(bytes, &error);
    if (!loaded) {
        // Nothing was changed by the attempt: the work, and whether it is saved, stay as they
        // were, so the user is still asked before it is lost.
        ShowErrorBox(QStringLiteral("The document %1 could not be opened.\n%2").arg(path, error),
                     kErrorCaption);
        return false;
    }
    if (fromOpenCommand)
        m_bSkipPlacement = true;
    AdoptLoadedContents(path);
    if (m_pFrame != nullptr)
        m_pFrame->AddToRecentFiles(path);
    SetModifiedFlag(false);
    return true;
}

bool C_TOBRIK_CALCULATORDoc::OnRestoreDocument(const QByteArray& bytes, const QString& originalPath,
                                               QString* error) {
    if (!LoadFromBytes(bytes, error))
        return false;
    AdoptLoadedContents(originalPath);
    SetModifiedFlag(true);
    return true;
}

void C_TOBRIK_CALCULATORDoc::AdoptLoadedContents(const QString& path) {
    RefreshPanels();
    UpdateAllViews();
    m_bFirstNewDocument = false;
    m_strPathName = path;
    ApplyAngleUnit();
    m_nCalculations = 0;
}

bool C_TOBRIK_CALCULATORDoc::OnSaveDocument(const QString& path) {
    QByteArray bytes;
    QString error;
    try {
        bytes = SaveToBytes();
    } catch (const C_VYXArchiveError& failure) {
        error = failure.Message();
    }
    if (error.isEmpty() && C_VYXFileStore::Save(path, bytes, &error)) {
        m_strPathName = path;
        if (m_pFrame != nullptr)
            m_pFrame->AddToRecentFiles(path);
        SetModifiedFlag(false);
        return true;
    }
    ShowErrorBox(QStringLiteral("The document could not be saved.\n%1").arg(error), kErrorCaption);
    return false;
}

// ---- the file ----

QByteArray C_TOBRIK_CALCULATORDoc::SaveToBytes() {
    QByteArray bytes;
    C_VYXArchive archive = C_VYXArchive::ForStoring(&bytes);
    Serialize(archive);
    return bytes;
}

QByteArray C_TOBRIK_CALCULATORDoc::CopyToBytes() {
    C_VYXCalcTextNFO& area = m_pSettings->CalcText();
    const qint32 pendingSelection = area.selValid;
    QByteArray bytes = SaveToBytes();
    area.selValid = pendingSelection;
    return bytes;
}

bool C_TOBRIK_CALCULATORDoc::LoadFromBytes(const QByteArray& bytes, QString* error) {
    try {
        C_VYXArchive archive = C_VYXArchive::ForLoading(bytes);
        Serialize(archive);
        return true;
    } catch (const C_VYXArchiveError& failure) {
        if (error != nullptr)
            *error = failure.Message();
        return false;
    }
}

void C_TOBRIK_CALCULATORDoc::Serialize(C_VYXArchive& ar) {
    if (ar.IsLoading()) {
        // A trial run on scratch records first: a damaged file throws before anything of this
        // document has changed, and the real run below can then no longer fail.
        C_VYXArchive trial = ar;
        C_VYXSettings scratch;
        scratch.Serialize(trial);
        qint32 count = 0;
        trial.Exchange(count);
        qint32 placementPresent = 0;
        trial.Exchange(placementPresent);
        if (placementPresent != 0) {
            C_VYXWindowPlacement placement;
            placement.Serialize(trial);
        }

        m_pSettings->Serialize(ar);
        C_VYXVariables(m_pSettings->Var(), *this).RepairMaps();
        LoadDocumentRows(ar);
        return;
    }
    m_pSettings->Serialize(ar);
    ar.Exchange(m_nCalculations);
    const bool havePlacement = m_pFrame != nullptr && m_pFrame->GetWindowPlacement(m_placement);
    qint32 placementPresent = havePlacement ? 1 : 0;
    ar.Exchange(placementPresent);
    if (havePlacement)
        m_placement.Serialize(ar);
}

void C_TOBRIK_CALCULATORDoc::LoadDocumentRows(C_VYXArchive& ar) {
    ar.Exchange(m_nCalculations);
    qint32 placementPresent = 0;
    ar.Exchange(placementPresent);
    if (placementPresent == 0)
        return;
    C_VYXWindowPlacement placement;
    placement.Serialize(ar);
    if (m_bSkipPlacement) {
        m_bSkipPlacement = false;
        return;
    }
    m_placement = placement;
    if (m_pFrame != nullptr)
        m_pFrame->ApplyWindowPlacement(m_placement);
}
