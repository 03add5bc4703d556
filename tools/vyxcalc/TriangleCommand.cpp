// SPDX-License-Identifier: MIT
// vyxcalc --triangle: the fields typed, the solve, and USE for each solution.
#include "TriangleCommand.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXTextConversion.h"
#include "C_VYXTriangleModel.h"
#include "CountingMessageBoxes.h"
#include "VyxcalcExit.h"

namespace {

static_assert(kTriangleNames.size() == C_VYXTriangleModel::FieldArea,
              "one name for each of the panel's input fields, in their order");

void PrintLines(std::ostream& out, QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out << C_VYXTextConversion::ToUtf8(text);
}

} // namespace

int RunTriangleCommand(C_TOBRIK_CALCULATORDoc& document, const VyxcalcTriangle& triangle,
                       std::ostream& out, std::ostream& err) {
    CountingMessageBoxes boxes(document.MessageBoxes());
    QString used;
    C_VYXPanelContext context = document.PanelContext();
    context.insertText = [&used](const QString& text) { used += text; };
    C_VYXTriangleModel panel(document.Settings().Trig(), std::move(context), boxes);
    // A loaded document's last triangle is no part of this one.
    panel.Clear();
    for (std::size_t i = 0; i < triangle.size(); ++i) {
        if (!triangle[i].empty())
            panel.EditField(C_VYXTriangleModel::Field(i),
                            C_VYXTextConversion::FromUtf8(triangle[i]));
    }
    // Enter solves whatever was given (EXE only the combinations that can be solved), so the
    // solver itself says what is missing or too much.
    panel.Execute();
    if (!panel.IsUseEnabled()) {
        for (std::size_t i = 0; i < triangle.size(); ++i) {
            // The box only asks for a number; the engine's message says what was wrong.
            const QString& field = panel.FieldText(C_VYXTriangleModel::Field(i));
            if (field.startsWith(QStringLiteral("//")))
                err << "vyxcalc: " << kTriangleNames[i] << '=' << triangle[i] << " gives "
                    << C_VYXTextConversion::ToUtf8(field) << '\n';
        }
        if (boxes.Shown() == 0)
            err << "vyxcalc: nothing to solve: every value given is 0\n";
        return VyxcalcExit::kFailure;
    }
    panel.Use();
    PrintLines(out, used);
    if (panel.IsSecondEnabled()) {
        panel.ToggleSecondSolution();
        used.clear();
        panel.Use();
        out << "Second solution:\n";
        PrintLines(out, used);
    }
    return boxes.Shown() > 0 ? VyxcalcExit::kFailure : VyxcalcExit::kOk;
}
