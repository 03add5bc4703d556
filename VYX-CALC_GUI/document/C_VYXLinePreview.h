// SPDX-License-Identifier: MIT
// C_VYXLinePreview: what Enter would write for a line, worked out without touching the document.
#pragma once

#include "C_VYXResultLayout.h"

#include <QMap>
#include <QString>

#include <memory>
#include <string>

class C_VYXTokenTables;
class VYXCalculator;

/// Everything the preview of one line depends on, copied from the document, so that it can be
/// worked out on another thread while the document goes on changing.
struct C_VYXPreviewRequest {
    QString line;
    /// The variables' values (name → value); an implicitly shared copy.
    QMap<QString, QString> values;
    C_VYXResultLayout layout;
    /// The engine's settings: angle unit ("RAD", "DEG", "GRA") and decimals.
    std::string engineAngle = "RAD";
    int engineDecimals = 6;

    friend bool operator==(const C_VYXPreviewRequest&, const C_VYXPreviewRequest&) = default;
};

/// The preview of a line, by what Enter would do with it.
struct C_VYXPreviewResult {
    enum class Kind {
        /// Comments, empty lines and "cls": nothing to show.
        Nothing,
        /// `text` is exactly what Enter writes below the line.
        Result,
        /// `text` is exactly what Enter writes: "//" + the engine's message.
        Error,
        /// `text` is "name := value"; nothing is defined.
        Assignment,
        /// `text` is the message an assignment line would be refused with.
        AssignmentError,
    };
    Kind kind = Kind::Nothing;
    QString text;

    /// The one-line text of the status bar: "= 25/36 //≈0.694444", the message, "x := 3"; cut
    /// short when long, so a huge line cannot make the bar slow.
    QString PaneText() const;
};

/// Works a preview out with an engine and token tables of its own: it shares nothing with the
/// document, so it may run on any one thread at a time.
class C_VYXLinePreview {
public:
    /// Longest pane text; longer ones end in "…".
    static constexpr int kMaxPaneLength = 160;

    C_VYXLinePreview();
    ~C_VYXLinePreview();

    C_VYXLinePreview(const C_VYXLinePreview&) = delete;
    C_VYXLinePreview& operator=(const C_VYXLinePreview&) = delete;

    /// Whether the line needs the engine at all; the others preview as nothing.
    static bool NeedsEvaluation(const QString& line);

    C_VYXPreviewResult Preview(const C_VYXPreviewRequest& request);

private:
    /// "name := value" as the variable would be defined, or the message it would be refused
    /// with.
    C_VYXPreviewResult PreviewAssignment(const C_VYXPreviewRequest& request);
    void ApplyEngineSettings(const C_VYXPreviewRequest& request);

    std::unique_ptr<C_VYXTokenTables> m_pTokenTables;
    std::unique_ptr<VYXCalculator> m_pCalculator;
};
