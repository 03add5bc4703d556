// SPDX-License-Identifier: MIT
// C_VYXLivePreview: keeps the preview of the caret's line current, worked out on a thread.
#pragma once

#include "C_VYXLinePreview.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class C_TOBRIK_CALCULATORDoc;
class C_VYXCalcAreaModel;

/// Follows the calculation area and the document: whenever the caret's line, the variables or
/// the display settings differ from what was last asked, a copy of them goes to a worker thread
/// with an engine of its own, so a slow or huge line never holds up typing. The worker takes one
/// line at a time; a newer request replaces one still waiting, and a result that arrives after
/// a newer request is dropped. Nothing of the document is changed: no variable, no count, no
/// undo step, no modified flag.
class C_VYXLivePreview : public QObject {
    Q_OBJECT

public:
    /// The document and the area must outlive the preview.
    C_VYXLivePreview(C_TOBRIK_CALCULATORDoc& document, C_VYXCalcAreaModel& area,
                     QObject* parent = nullptr);
    /// Waits for the evaluation in progress, if any.
    ~C_VYXLivePreview() override;

    /// Looks at the caret's line and the document's settings again; the area's, the variables'
    /// and the document's changes call it by themselves.
    void Refresh();
    /// The text shown now: "= 25/36 //≈0.694444", a message, "x := 3" or nothing.
    const QString& PaneText() const { return m_paneText; }
    /// Evaluations the worker has finished, dropped ones included.
    int FinishedEvaluations() const;

    /// The request for a line under the document's current variables and settings.
    static C_VYXPreviewRequest RequestFor(C_TOBRIK_CALCULATORDoc& document, const QString& line);

signals:
    /// The preview of the caret's line changed; empty when there is nothing to show.
    void previewChanged(const QString& paneText);

private:
    class Worker;

    void Accept(quint64 generation, const QString& paneText);
    void Show(const QString& paneText);

    C_TOBRIK_CALCULATORDoc& m_document;
    C_VYXCalcAreaModel& m_area;
    std::optional<C_VYXPreviewRequest> m_lastRequest;
    quint64 m_generation = 0;
    QString m_paneText;
    std::unique_ptr<Worker> m_pWorker;
};
