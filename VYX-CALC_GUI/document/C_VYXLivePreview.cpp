// SPDX-License-Identifier: MIT
// C_VYXLivePreview: the request from the caret's line, the worker thread, stale results.
#include "C_VYXLivePreview.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "VYXCalculator.h"

#include <QMetaObject>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

/// One thread with its own C_VYXLinePreview and a mailbox of one request.
class C_VYXLivePreview::Worker {
public:
    explicit Worker(C_VYXLivePreview& receiver)
        : m_pReceiver(&receiver), m_thread([this] { Run(); }) {}

    ~Worker() {
        {
            const std::lock_guard lock(m_mutex);
            m_bStopping = true;
            // Results are posted under the lock: none can reach the receiver once it is gone.
            m_pReceiver = nullptr;
        }
        m_wake.notify_one();
        m_thread.join();
    }

    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    /// Replaces the request still waiting, if any.
    void Submit(quint64 generation, C_VYXPreviewRequest request) {
        {
            const std::lock_guard lock(m_mutex);
            m_pending = Job{generation, std::move(request)};
        }
        m_wake.notify_one();
    }

    int Finished() const { return m_finished.load(); }

private:
    struct Job {
        quint64 generation = 0;
        C_VYXPreviewRequest request;
    };

    void Run() {
        C_VYXLinePreview preview;
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_bStopping || m_pending.has_value(); });
                if (m_bStopping)
                    return;
                job = std::move(*m_pending);
                m_pending.reset();
            }
            const QString paneText = preview.Preview(job.request).PaneText();
            const std::lock_guard lock(m_mutex);
            ++m_finished;
            if (m_pReceiver != nullptr) {
                C_VYXLivePreview* receiver = m_pReceiver;
                QMetaObject::invokeMethod(
                    receiver,
                    [receiver, generation = job.generation, paneText] {
                        receiver->Accept(generation, paneText);
                    },
                    Qt::QueuedConnection);
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_pending;
    bool m_bStopping = false;
    C_VYXLivePreview* m_pReceiver;
    std::atomic<int> m_finished{0};
    // Last: the thread starts once everything it uses exists.
    std::thread m_thread;
};

C_VYXLivePreview::C_VYXLivePreview(C_TOBRIK_CALCULATORDoc& document, C_VYXCalcAreaModel& area,
                                   QObject* parent)
    : QObject(parent), m_document(document), m_area(area),
      m_pWorker(std::make_unique<Worker>(*this)) {
    connect(&area, &C_VYXCalcAreaModel::changed, this, &C_VYXLivePreview::Refresh);
    connect(&document.VariablesPanel(), &C_VYXVariablesModel::changed, this,
            &C_VYXLivePreview::Refresh);
    // A panel's setting (decimals, angle unit, argument) changes how the line would be written;
    // the panel may still be passing it on to the engine, so the look comes once it is done.
    connect(&document, &C_TOBRIK_CALCULATORDoc::contentsChanged, this, &C_VYXLivePreview::Refresh,
            Qt::QueuedConnection);
    Refresh();
}

C_VYXLivePreview::~C_VYXLivePreview() = default;

int C_VYXLivePreview::FinishedEvaluations() const {
    return m_pWorker->Finished();
}

C_VYXPreviewRequest C_VYXLivePreview::RequestFor(C_TOBRIK_CALCULATORDoc& document,
                                                 const QString& line) {
    C_VYXPreviewRequest request;
    request.line = line;
    request.values = document.Settings().Var().values;
    request.layout = document.ResultLayout();
    const VYXCalculator& engine = document.Calculator();
    request.engineAngle = engine.GetAngle();
    request.engineDecimals = engine.GetDecimals();
    return request;
}

void C_VYXLivePreview::Refresh() {
    const QString line = m_area.LineText(m_area.LineFromPosition(m_area.Caret()));
    if (!C_VYXLinePreview::NeedsEvaluation(line)) {
        // Whatever is still being worked out is stale now.
        ++m_generation;
        m_lastRequest.reset();
        Show(QString());
        return;
    }
    C_VYXPreviewRequest request = RequestFor(m_document, line);
    // The same line under the same settings: the preview shown, or on its way, still holds.
    if (m_lastRequest.has_value() && *m_lastRequest == request)
        return;
    m_lastRequest = request;
    m_pWorker->Submit(++m_generation, std::move(request));
}

void C_VYXLivePreview::Accept(quint64 generation, const QString& paneText) {
    if (generation == m_generation)
        Show(paneText);
}

void C_VYXLivePreview::Show(const QString& paneText) {
    if (paneText == m_paneText)
        return;
    m_paneText = paneText;
    emit previewChanged(m_paneText);
}
