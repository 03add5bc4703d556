// SPDX-License-Identifier: MIT
// C_VYXTriangleModel: the trigonometry panel's angle unit and triangle fields, without any window.
#pragma once

#include "C_VYXPanelContext.h"

#include <QString>

#include <array>

class C_VYXMessageBoxes;
class C_VYXTrigNFO;

/// The state behind the trigonometry panel: the angle radio buttons, the six triangle fields and
/// the area field, the EXE, CLR, 2'nd and USE buttons, and what they do to the record's solver.
class C_VYXTriangleModel {
public:
    enum Field {
        FieldA,
        FieldB,
        FieldC,
        FieldSideA,
        FieldSideB,
        FieldSideC,
        FieldArea,
        FieldCount
    };
    /// Radio indices of the angle units.
    enum Radio { RadioDegrees = 0, RadioRadians = 1, RadioGradians = 2 };

    C_VYXTriangleModel(C_VYXTrigNFO& record, C_VYXPanelContext context,
                       C_VYXMessageBoxes& messageBoxes);

    /// Reads the record (again, e.g. after the document was replaced) and tells the engine the
    /// angle unit.
    void RefreshFromSettings(C_VYXTrigNFO& record);

    const QString& FieldText(Field field) const { return m_fields[field]; }
    int RadioIndex() const { return m_radioIndex; }
    bool ShowsSecondSolution() const { return m_showSecond; }

    bool IsExecuteEnabled() const { return m_executeEnabled; }
    bool IsClearEnabled() const { return m_clearEnabled; }
    bool IsSecondEnabled() const { return m_secondEnabled; }
    bool IsUseEnabled() const { return m_useEnabled; }

    /// The user typed into a field.
    void EditField(Field field, const QString& text);
    /// One of the angle radio buttons (102, 213 or 214).
    void SelectAngleUnit(qint32 unitId);
    /// EXE: evaluates the fields and solves the triangle.
    void Execute();
    /// Enter in one of the panel's controls solves even while EXE is disabled.
    void PressEnter();
    /// CLR.
    void Clear();
    /// 2'nd: switches between the first and the second solution.
    void ToggleSecondSolution();
    /// USE: writes the shown triangle into the calculation area.
    void Use();

    /// The text USE inserts for the fields as they stand.
    QString UseText() const;

private:
    void ShowSolution();
    void SetNumbersIntoFields();
    void UpdateButtons();
    double InputSum() const;

    C_VYXTrigNFO* m_pRecord;
    C_VYXPanelContext m_context;
    C_VYXMessageBoxes& m_messageBoxes;

    std::array<QString, FieldCount> m_fields;
    /// A, B, C, a, b, c as last read from the fields.
    std::array<double, FieldArea> m_inputs{};
    int m_radioIndex = RadioRadians;
    bool m_showSecond = false;

    bool m_executeEnabled = false;
    bool m_clearEnabled = false;
    bool m_secondEnabled = false;
    bool m_useEnabled = false;
};
