// SPDX-License-Identifier: MIT
// C_TOBRIK_CALCULATORDoc: the document: engine, settings, token tables and line evaluation.
#pragma once

#include "C_VYXCalcAreaHost.h"
#include "C_VYXEvaluationContext.h"
#include "C_VYXPanelContext.h"
#include "C_VYXResultLayout.h"
#include "C_VYXSettings.h"
#include "C_VYXTokenTables.h"
#include "C_VYXVariablesModel.h"
#include "C_VYXWindowPlacement.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class C_VYXArchive;
class C_VYXDocumentFrame;
class C_VYXMessageBoxes;
class C_VYXStatusSink;
class C_VYXSubstitutionOrder;
class VYXCalculator;
class VYXNum;

/// The single document of the program. It owns the engine, the settings with every panel's
/// record, the token tables with the translator, and the variables panel's model. It turns one
/// line of the calculation area into the text written below it, and saves and loads itself.
/// It knows the calculation area only as a listener to its signals.
class C_TOBRIK_CALCULATORDoc : public C_VYXCalcAreaHost, public C_VYXEvaluationContext {
    Q_OBJECT

public:
    /// The message boxes must outlive the document.
    explicit C_TOBRIK_CALCULATORDoc(C_VYXMessageBoxes& messageBoxes);
    ~C_TOBRIK_CALCULATORDoc() override;

    C_TOBRIK_CALCULATORDoc(const C_TOBRIK_CALCULATORDoc&) = delete;
    C_TOBRIK_CALCULATORDoc& operator=(const C_TOBRIK_CALCULATORDoc&) = delete;

    /// The status bar; may be null. Not owned.
    void SetStatusSink(C_VYXStatusSink* sink) { m_pStatusSink = sink; }
    /// The main window; may be null. Not owned.
    void SetFrame(C_VYXDocumentFrame* frame) { m_pFrame = frame; }

    C_VYXSettings& Settings() { return *m_pSettings; }
    VYXCalculator& Calculator() { return *m_pCalculator; }
    C_VYXTokenTables& TokenTables() override { return *m_pTokenTables; }
    C_VYXVarNFO& VariablesRecord() override { return m_pSettings->Var(); }
    C_VYXVariablesModel& VariablesPanel() { return m_variablesPanel; }
    C_VYXMessageBoxes& MessageBoxes() { return m_messageBoxes; }
    C_VYXCalcTextNFO& CalcTextRecord() override { return m_pSettings->CalcText(); }
    int TrailingTokenLength(QStringView text) const override;

    /// The text to write below a line of the calculation area: the result, "//" + the engine's
    /// message, or an empty text (comments, assignments, empty lines).
    QString CalculateLine(const QString& line) override;
    /// CalculateLine with the result shown in decimal form only, for the panels' fields.
    QString CalculateLineAsDecimal(const QString& line);
    /// A panel field's expression: "," read as ".", the result without line breaks.
    QString EvaluateExpressionText(const QString& text);
    /// The full translation and evaluation of an expression, without counting or layout. Null
    /// on an engine error (the message is then waiting in TakeEngineMessage).
    std::unique_ptr<VYXNum> EvaluateExpression(const QString& text) override;
    /// EvaluateExpression for one of a series of texts over the same variable names, sorted once
    /// beforehand (the translator's SubstitutionOrder); `foundNames` receives the ranks of the
    /// variables found in the text.
    std::unique_ptr<VYXNum> EvaluateExpression(const QString& text,
                                               const C_VYXSubstitutionOrder& order,
                                               std::vector<qsizetype>* foundNames) override;
    /// Evaluates a text that only had its display symbols replaced: is a name itself a number?
    std::unique_ptr<VYXNum> EvaluateLiteral(const QString& text) override;
    /// The engine's message about the last failed evaluation; reading it clears it.
    QString TakeEngineMessage() override;
    /// A number text rounded to the numpad's number of decimals.
    QString RoundToDecimals(const QString& numberText) const override;
    /// The display settings results are laid out with, as they are now.
    C_VYXResultLayout ResultLayout() const;
    /// "ARGUMENT:" + the number's argument in the trigonometry panel's angle unit + its name.
    QString FormatArgument(const VYXNum& number) const;
    /// The value of the last result, for Ctrl+Enter; empties it.
    QString TakeLastResult() override;
    /// Passes the trigonometry record's angle unit to the engine.
    void ApplyAngleUnit();
    int CalculationCount() const { return m_nCalculations; }

    /// A question with Yes and No; true for Yes.
    bool AskYesNo(const QString& text, const QString& caption) override;
    void ShowErrorBox(const QString& text, const QString& caption) override;
    /// Shows a text in the first pane of the status bar.
    void ShowStatusText(const QString& text) override;

    /// The document services handed to the panels' logic.
    C_VYXPanelContext PanelContext();

    /// File New. The first call after construction only starts counting; every later call
    /// replaces settings, engine and token tables and clears the calculation area.
    bool OnNewDocument();
    /// File Open. `fromOpenCommand`: the user chose File Open (not the recently-used list or the
    /// command line). A failed open shows a message and leaves the document as it was.
    bool OnOpenDocument(const QString& path, bool fromOpenCommand = false);
    /// Work kept for recovery, loaded like File Open but still unsaved: the original file name
    /// (empty for an untitled document) stays for File Save, and the document is modified.
    /// False with `error` set when the bytes are not a whole document; nothing changed then.
    bool OnRestoreDocument(const QByteArray& bytes, const QString& originalPath, QString* error);
    /// File Save. Written atomically: a failed save shows a message and leaves the old file.
    bool OnSaveDocument(const QString& path);

    /// Settings, counter and window placement in file order. Loading reads everything before it
    /// changes anything: a damaged file throws C_VYXArchiveError and leaves the document as it
    /// was.
    void Serialize(C_VYXArchive& ar);
    QByteArray SaveToBytes();
    /// SaveToBytes for a copy kept on the side: the area's pending selection stays as it was,
    /// so a later view update does not move the caret back to where it was at the copy.
    QByteArray CopyToBytes();
    /// False with `error` set when the bytes are not a whole document.
    bool LoadFromBytes(const QByteArray& bytes, QString* error);

    /// Emits modifiedChanged when the flag changes, and contentsChanged for every change (the flag
    /// set).
    void SetModifiedFlag(bool modified = true) override;
    bool IsModified() const { return m_bModified; }
    const QString& PathName() const { return m_strPathName; }
    /// "Untitled" or the file name, as the title shows it.
    QString DisplayName() const;
    static QString UntitledName() { return QStringLiteral("Untitled"); }
    bool IsSkippingNextPlacement() const { return m_bSkipPlacement; }

signals:
    /// Anything of the document changed: the text, a setting or a variable (emitted on every
    /// change, not only the first one).
    void contentsChanged();

private:
    void InitContents();
    /// After a successful load: panels, views, file name, engine angle, counter.
    void AdoptLoadedContents(const QString& path);
    void LinkContents();
    void UpdateAllViews();
    void RefreshPanels();
    void ShowCalculationCount();
    /// Rows 22 to 34 of a loading archive, after the settings.
    void LoadDocumentRows(C_VYXArchive& ar);

    C_VYXMessageBoxes& m_messageBoxes;
    C_VYXStatusSink* m_pStatusSink = nullptr;
    C_VYXDocumentFrame* m_pFrame = nullptr;
    std::unique_ptr<C_VYXSettings> m_pSettings;
    std::unique_ptr<VYXCalculator> m_pCalculator;
    QString m_strLastResult;
    std::unique_ptr<C_VYXTokenTables> m_pTokenTables;
    bool m_bFirstNewDocument = true;
    int m_nCalculations = 0;
    C_VYXWindowPlacement m_placement;
    bool m_bSkipPlacement = false;
    bool m_bModified = false;
    QString m_strPathName;
    C_VYXVariablesModel m_variablesPanel;
};
