// SPDX-License-Identifier: MIT
// DocumentTestSupport: a document with scripted message boxes and a recorded status bar, and the
// stand-ins the records and the panels' models talk to.
#pragma once

#include "../tools/QStringPrinter.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXArchive.h"
#include "C_VYXPanelContext.h"
#include "C_VYXScriptedMessageBoxes.h"
#include "C_VYXStatusSink.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMap>
#include <QStringList>

#include <functional>
#include <random>

// Every test writes its texts as u"..."_s.
using namespace Qt::StringLiterals;

/// The caption and text of the last message box shown, as "caption|text".
inline QString CaptionAndText(const C_VYXScriptedMessageBoxes& boxes) {
    return boxes.LastBox().caption + u'|' + boxes.LastBox().text;
}

/// The bytes an object writes with its Serialize.
template <typename Serializable> QByteArray StoredBytes(Serializable&& object) {
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    object.Serialize(out);
    return bytes;
}

/// Loads an object from `bytes` with its Serialize; returns how many bytes it left unread.
template <typename Serializable>
qsizetype LoadBytes(Serializable& object, const QByteArray& bytes) {
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    object.Serialize(in);
    return in.Remaining();
}

namespace DocumentTestSupport {

/// Up to `maxLength` characters drawn from `alphabet`: few distinct characters, so that random
/// texts keep meeting the same pairs and overlaps.
inline QString RandomText(std::mt19937& random, QStringView alphabet, int maxLength) {
    QString text;
    for (int n = std::uniform_int_distribution<int>(0, maxLength)(random); n > 0; --n)
        text += alphabet[std::uniform_int_distribution<qsizetype>(0, alphabet.size() - 1)(random)];
    return text;
}

/// The event loop that delayed writes and worked-out results need, made once for the whole run.
inline void EnsureCoreApplication() {
    static int argc = 1;
    static char name[] = "document_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QCoreApplication(argc, argv);
}

/// Runs the event loop until `done` holds, at most ten seconds; returns whether it holds.
inline bool ProcessEventsUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class RecordingStatusSink : public C_VYXStatusSink {
public:
    void ShowStatusText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

/// A fresh document after the framework's first File New, as at program start.
class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() {
        doc.SetStatusSink(&status);
        doc.OnNewDocument();
    }

    /// Line evaluation with the display flags of Settings > "Solution disp." (real, rational).
    QString Calculate(const QString& line, int showReal = 1, int showRational = 1) {
        doc.Settings().CalcText().showReal = showReal;
        doc.Settings().CalcText().showRational = showRational;
        return doc.CalculateLine(line);
    }

    C_VYXScriptedMessageBoxes boxes;
    RecordingStatusSink status;
    C_TOBRIK_CALCULATORDoc doc{boxes};
};

/// The text control of a calculation area, holding a text and selection of its own.
class FixedEdit : public C_VYXCalcTextEdit {
public:
    FixedEdit(const QString& text, qint32 start, qint32 end)
        : m_text(text), m_start(start), m_end(end) {}
    QString LiveText() const override { return m_text; }
    qint32 LiveSelectionStart() const override { return m_start; }
    qint32 LiveSelectionEnd() const override { return m_end; }

private:
    QString m_text;
    qint32 m_start, m_end;
};

/// A document stand-in for the panels' models: evaluates the expressions it was given (any other
/// line to itself, as a plain number does), and records what the panel asked of it.
struct FakePanelHost {
    C_VYXPanelContext Context() {
        C_VYXPanelContext context;
        context.evaluate = [this](const QString& line) {
            evaluated.append(line);
            return results.value(line, line + QStringLiteral("\r\n"));
        };
        context.evaluateReal = [this](const QString& line) -> std::optional<double> {
            if (!values.contains(line))
                return std::nullopt;
            return values.value(line);
        };
        context.decimals = [this] { return decimals; };
        context.markModified = [this] { ++modified; };
        context.insertText = [this](const QString& text) { inserted.append(text); };
        context.setEngineAngle = [this](const QString& key) { engineAngles.append(key); };
        return context;
    }

    QMap<QString, QString> results;
    /// Unrounded values of expressions, where the document has one.
    QMap<QString, double> values;
    QStringList evaluated, inserted, engineAngles;
    int decimals = 6;
    int modified = 0;
};

} // namespace DocumentTestSupport
