// SPDX-License-Identifier: MIT
// DocumentFuzzing: how fuzz inputs drive the document, shared by the fuzz targets and their replay.
#pragma once

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXStreamMessageBoxes.h"
#include "DocumentModeRunner.h"
#include "HeadlessDocumentFrame.h"
#include "VYXNum.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>

namespace DocumentFuzzing {

/// Lines of one calculate-line input beyond this are ignored: each costs a whole evaluation.
constexpr int kMaxLines = 32;
/// Variables of a loaded file that are evaluated by name.
constexpr int kMaxVariablesUsed = 4;

/// A broken promise of the document is a finding just like a crash.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "document fuzzing: %s\n", what);
    std::abort();
}

/// A document as the command line has it: no window, message boxes that say nothing and
/// answer Yes.
class QuietDocument {
public:
    QuietDocument() {
        document.SetFrame(&frame);
        document.OnNewDocument();
    }

    C_VYXStreamMessageBoxes boxes{nullptr};
    HeadlessDocumentFrame frame;
    C_TOBRIK_CALCULATORDoc document{boxes};
};

/// Saved bytes must load again and save to the very same bytes.
inline void CheckSavedBytesReload(const QByteArray& saved) {
    QuietDocument reloaded;
    if (!reloaded.document.LoadFromBytes(saved, nullptr))
        Fail("a saved document does not load");
    if (reloaded.document.SaveToBytes() != saved)
        Fail("loading and saving changed a saved document");
}

/// The input is a document file. A refused file must leave the document untouched; a loaded
/// one must survive a save and reload, and its text, variables and settings must be usable.
inline void LoadDocument(const std::uint8_t* data, std::size_t size) {
    QuietDocument fuzzed;
    C_TOBRIK_CALCULATORDoc& document = fuzzed.document;
    const QByteArray untouched = document.SaveToBytes();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!document.LoadFromBytes(bytes, nullptr)) {
        if (document.SaveToBytes() != untouched)
            Fail("a refused file changed the document");
        return;
    }
    CheckSavedBytesReload(document.SaveToBytes());

    // What the desktop program does next: show the text, pass the angle unit, evaluate.
    C_VYXCalcAreaModel area(document);
    area.OnUpdate();
    document.ApplyAngleUnit();
    int used = 0;
    const QStringList names = document.Settings().Var().definitions.keys();
    for (const QString& name : names) {
        if (used++ == kMaxVariablesUsed)
            break;
        (void)document.CalculateLine(name);
    }
    const int end = int(area.Text().size());
    area.SetSelection(end, end);
    area.TypeText(QStringLiteral("\r\n1+i"));
    area.PressEnter(false);
    (void)area.Undo();
}

/// The settings a leading control byte (below 0x20) picks, so plain-text seeds stay readable.
inline VyxcalcOptions OptionsFor(std::uint8_t control) {
    static constexpr std::array<const char*, 3> kAngleKeys{"ANGLE_RAD", "ANGLE_DEG", "ANGLE_GRA"};
    static constexpr std::array<VyxcalcDisplay, 3> kDisplays{
        VyxcalcDisplay::Both, VyxcalcDisplay::Rational, VyxcalcDisplay::Real};
    VyxcalcOptions options;
    options.angleKey = kAngleKeys[control % 3];
    options.angleGiven = true;
    options.display = kDisplays[(control / 3) % 3];
    options.displayGiven = true;
    options.showArgument = (control / 9) % 2 != 0;
    options.decimals = 1 + control % 10;
    options.decimalsGiven = true;
    return options;
}

/// The input is UTF-8 text: each line is typed at the end of a document and entered, as by
/// vyxcalc. Afterwards the engine must still calculate, and the document save and reload
/// unchanged.
inline void EnterLines(const std::uint8_t* data, std::size_t size) {
    VyxcalcOptions options;
    std::size_t start = 0;
    if (size > 0 && data[0] < 0x20) {
        options = OptionsFor(data[0]);
        start = 1;
    }
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + start, qsizetype(size - start));

    C_VYXStreamMessageBoxes boxes(nullptr);
    std::ostream nowhere(nullptr);
    DocumentModeRunner runner(options, boxes, nowhere, false);
    if (!runner.Open())
        Fail("a document without a file did not open");
    const QStringList lines = DocumentModeRunner::SplitLines(text);
    for (int i = 0; i < lines.size() && i < kMaxLines; ++i) {
        (void)runner.EnterLine(lines[i]);
        const QString& area = runner.Area().Text();
        if (!area.isEmpty() && !area.endsWith(C_VYXCalcAreaModel::LineBreak))
            Fail("Enter left the text without a final line break");
    }
    // Any text can be a variable's name, so the check goes around the variables.
    const std::unique_ptr<VYXNum> product =
        runner.Document().EvaluateLiteral(QStringLiteral("2*3"));
    if (!product || product->GetValue() != "6")
        Fail("the document's engine no longer calculates 2*3");
    CheckSavedBytesReload(runner.Document().SaveToBytes());
}

} // namespace DocumentFuzzing
