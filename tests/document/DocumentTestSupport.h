// SPDX-License-Identifier: MIT
// DocumentTestSupport: a document with scripted message boxes and a recorded status bar.
#pragma once

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXScriptedMessageBoxes.h"
#include "C_VYXStatusSink.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace DocumentTestSupport {

class RecordingStatusSink : public C_VYXStatusSink {
public:
    void ShowStatusText(const QString& text) override { texts.append(text); }
    QString Last() const { return texts.isEmpty() ? QString() : texts.last(); }
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

} // namespace DocumentTestSupport
