// SPDX-License-Identifier: MIT
// C_VYXTriangleModel: EXE, CLR, 2'nd, USE and the enabling rules of the triangle solver panel.
#include "C_VYXTriangleModel.h"

#include "C_VYXAngleUnit.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXNumberText.h"
#include "C_VYXTrigNFO.h"

#include <vector>

namespace {

int RadioIndexOf(qint32 unitId, int unchanged) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return C_VYXTriangleModel::RadioDegrees;
    case VYX_ANGLE_RAD:
        return C_VYXTriangleModel::RadioRadians;
    case VYX_ANGLE_GRA:
        return C_VYXTriangleModel::RadioGradians;
    default:
        return unchanged;
    }
}

/// A field counts as given when it holds something other than a plain "0".
bool IsGiven(const QString& text) {
    return !text.isEmpty() && text != QStringLiteral("0");
}

} // namespace

C_VYXTriangleModel::C_VYXTriangleModel(C_VYXTrigNFO& record, C_VYXPanelContext context,
                                       C_VYXMessageBoxes& messageBoxes)
    : m_pRecord(&record), m_context(std::move(context)), m_messageBoxes(messageBoxes) {
    RefreshFromSettings(record);
}

void C_VYXTriangleModel::RefreshFromSettings(C_VYXTrigNFO& record) {
    m_pRecord = &record;
    m_radioIndex = RadioIndexOf(record.m_nAngleUnit, m_radioIndex);
    const QString key = C_VYXAngleUnit::EngineKey(record.m_nAngleUnit);
    if (!key.isEmpty())
        m_context.SetEngineAngle(key);

    const C_VYXTriangleSolver& solver = record.m_solver;
    for (int i = 0; i < FieldArea; ++i)
        m_inputs[static_cast<size_t>(i)] = solver.Value(i);
    const double area = solver.Value(C_VYXTriangleSolver::Area);
    m_fields[FieldArea] =
        area == 0 ? QStringLiteral("0")
                  : C_VYXNumberText::FormatDouble(C_VYXNumberText::Format::Fixed10, area);
    SetNumbersIntoFields();
    // The fields now show the first solution.
    m_showSecond = false;
    UpdateButtons();
}

void C_VYXTriangleModel::SetNumbersIntoFields() {
    for (int i = 0; i < FieldArea; ++i) {
        m_fields[static_cast<size_t>(i)] = C_VYXNumberText::FormatDouble(
            C_VYXNumberText::Format::FieldValue, m_inputs[static_cast<size_t>(i)]);
    }
}

void C_VYXTriangleModel::EditField(Field field, const QString& text) {
    if (field < 0 || field >= FieldCount)
        return;
    m_fields[field] = text;
    UpdateButtons();
}

void C_VYXTriangleModel::SelectAngleUnit(qint32 unitId) {
    const QString key = C_VYXAngleUnit::EngineKey(unitId);
    if (key.isEmpty())
        return;
    m_pRecord->m_nAngleUnit = unitId;
    m_pRecord->m_solver.SetAngleUnit(unitId);
    m_radioIndex = RadioIndexOf(unitId, m_radioIndex);
    m_context.SetEngineAngle(key);
    m_context.MarkModified();
}

void C_VYXTriangleModel::Execute() {
    const std::array<QString, FieldCount> typed = m_fields;
    for (QString& text : m_fields)
        text = text.isEmpty() ? QStringLiteral("0") : m_context.EvaluateExpressionText(text);

    std::array<double, FieldArea> inputs{};
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (!C_VYXNumberText::ParseDouble(m_fields[i], inputs[i])) {
            m_messageBoxes.ShowError(QStringLiteral("ERROR!!"),
                                     QStringLiteral("Please enter a number."));
            UpdateButtons();
            return;
        }
        // The field shows the value rounded; the solver takes it whole, so that the angle sum
        // of PI/3 three times is PI and the sides follow from the angles as typed.
        if (!typed[i].isEmpty())
            inputs[i] = m_context.EvaluateRealValue(typed[i]).value_or(inputs[i]);
    }
    m_inputs = inputs;
    C_VYXTriangleSolver& solver = m_pRecord->m_solver;
    if (InputSum() == 0) {
        UpdateButtons();
        return;
    }

    solver.Solve(std::vector<double>(m_inputs.begin(), m_inputs.end()), m_messageBoxes);
    if (!solver.HasError()) {
        // A new triangle without a second solution cannot stay on the second page.
        if (!solver.HasSecondSolution())
            m_showSecond = false;
        ShowSolution();
    }
    UpdateButtons();
}

void C_VYXTriangleModel::PressEnter() {
    m_context.MarkModified();
    Execute();
}

void C_VYXTriangleModel::ShowSolution() {
    const int base = m_showSecond ? C_VYXTriangleSolver::SolutionSize : 0;
    const C_VYXTriangleSolver& solver = m_pRecord->m_solver;
    using C_VYXNumberText::Format;
    for (int i = 0; i < FieldArea; ++i) {
        m_fields[static_cast<size_t>(i)] = m_context.RoundToDecimals(
            C_VYXNumberText::FormatDouble(Format::Fixed20Width20, solver.Value(base + i)));
    }
    m_fields[FieldArea] = m_context.RoundToDecimals(C_VYXNumberText::FormatDouble(
        Format::Fixed20WithPoint, solver.Value(base + C_VYXTriangleSolver::Area)));
}

void C_VYXTriangleModel::Clear() {
    m_inputs.fill(0.0);
    m_secondEnabled = false;
    m_useEnabled = false;
    m_showSecond = false;
    SetNumbersIntoFields();
    m_pRecord->m_solver.Clear();
    m_fields[FieldArea] = QStringLiteral("0");
    UpdateButtons();
}

void C_VYXTriangleModel::ToggleSecondSolution() {
    if (!m_secondEnabled)
        return;
    m_showSecond = !m_showSecond;
    ShowSolution();
    UpdateButtons();
}

QString C_VYXTriangleModel::UseText() const {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Calculated Triangle:\r\nAngle: (") +
           C_VYXAngleUnit::DisplayName(m_pRecord->m_nAngleUnit) + QStringLiteral(")\r\nA=") +
           m_fields[FieldA] + QStringLiteral("\r\nB=") + m_fields[FieldB] +
           QStringLiteral("\r\nC=") + m_fields[FieldC] + crlf +
           QStringLiteral("Lengths: (LengthUnits)\r\na=") + m_fields[FieldSideA] +
           QStringLiteral("\r\nb=") + m_fields[FieldSideB] + QStringLiteral("\r\nc=") +
           m_fields[FieldSideC] + crlf + QStringLiteral("Area: (LengthUnits²)\r\n") +
           m_fields[FieldArea] + crlf;
}

void C_VYXTriangleModel::Use() {
    if (!m_useEnabled)
        return;
    m_context.InsertText(UseText());
    m_context.MarkModified();
    UpdateButtons();
}

double C_VYXTriangleModel::InputSum() const {
    double sum = 0;
    for (double value : m_inputs)
        sum += value;
    return sum;
}

void C_VYXTriangleModel::UpdateButtons() {
    int angles = 0, sides = 0;
    for (int i = FieldA; i <= FieldC; ++i)
        angles += IsGiven(m_fields[static_cast<size_t>(i)]) ? 1 : 0;
    for (int i = FieldSideA; i <= FieldSideC; ++i)
        sides += IsGiven(m_fields[static_cast<size_t>(i)]) ? 1 : 0;
    const C_VYXTriangleSolver& solver = m_pRecord->m_solver;
    m_secondEnabled = solver.HasSecondSolution();
    m_useEnabled = InputSum() != 0 && !solver.HasError();
    m_executeEnabled =
        (angles >= 2 && sides == 1) || (angles == 1 && sides == 2) || (angles == 0 && sides == 3);
    m_clearEnabled = angles + sides > 0;
}
