// SPDX-License-Identifier: MIT
// Tests of the trigonometry panel in a real main window: angle unit, function names, the
// triangle solver's fields, buttons, messages and Enter key, and the triangle figure.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXCalcTrigView.h"
#include "C_VYXPanelSet.h"
#include "VYXCalculator.h"
#include "WidgetTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

// The fields in the order A, B, C, a, b, c, area.
const char* const kFieldNames[] = {"editAngleA", "editAngleB", "editAngleC", "editSideA",
                                   "editSideB",  "editSideC",  "editArea"};

/// A table cell holding the fields' texts separated by '|' (a comma is a decimal comma).
QStringList Cells(const QString& joined) {
    return joined.split(QLatin1Char('|'));
}

} // namespace

class TrigPanelTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcTrigView* m_panel = nullptr;

    C_VYXCalcAreaModel& Area() { return m_frame->CalcArea(); }
    C_TOBRIK_CALCULATORDoc& Doc() { return m_frame->Document(); }

    void ShowPanel() {
        auto panel = std::make_unique<C_VYXCalcTrigView>(*m_frame);
        m_panel = panel.get();
        m_frame->Panels().Install(Panel::Trigonometry, std::move(panel));
        m_frame->Panels().Toggle(Panel::Trigonometry);
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
    }
    template <typename T = QPushButton> T* Control(const QString& name) const {
        if (T* control = m_panel->findChild<T*>(name))
            return control;
        qFatal("no control %s", qPrintable(name));
    }
    QLineEdit* Field(int index) const { return Control<QLineEdit>(kFieldNames[index]); }
    void Click(const QString& name) {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }
    /// Types into the input fields as a user would, replacing what they held.
    void Fill(const QStringList& inputs) {
        for (int i = 0; i < inputs.size(); ++i) {
            Field(i)->selectAll();
            QTest::keyClick(Field(i), Qt::Key_Backspace);
            QTest::keyClicks(Field(i), inputs[i]);
        }
    }
    QStringList FieldTexts() const {
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts.append(Field(i)->text());
        return texts;
    }
    /// Evaluates a line typed into the calculation area and returns the line written below it.
    QString Evaluate(const QString& line) {
        QTest::keyClicks(&m_frame->TextView(), line);
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        return Area().LineText(Area().LineCount() - 2);
    }

private slots:
    void angleRadiosReachRecordAndEngine() {
        struct Row {
            const char *radio, *before;
            int unitId;
            const char* sinOf90;
        };
        const Row rows[] = {{"radioDegrees", "radioRadians", 213, "1"},
                            {"radioRadians", "radioGradians", 102, "0.893997"},
                            {"radioGradians", "radioDegrees", 214, "0.987688"}};
        ShowPanel();
        for (const Row& row : rows) {
            Click(row.before);
            Doc().SetModifiedFlag(false);
            Click(row.radio);
            QVERIFY2(!Control<QRadioButton>(row.before)->isChecked(), row.radio);
            QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, row.unitId);
            QVERIFY(Doc().IsModified());
            // The function buttons insert only the name: the user types the argument.
            Click(QStringLiteral("button_sin"));
            QCOMPARE(Evaluate(QStringLiteral("(90)")), QString::fromLatin1(row.sinOf90));
        }
    }

    void figureSolverButtonsAndEnterInAnyControl() {
        ShowPanel();
        auto* figure = Control<C_VYXTriangleFigure>(QStringLiteral("triangleFigure"));
        const C_VYXDialogUnits units = figure->DialogUnits();
        // Its corners (88, 14) and (170, 56) are converted, not its size.
        QCOMPARE(figure->size(), QSize(170 * units.baseX / 4 - 88 * units.baseX / 4,
                                       56 * units.baseY / 8 - 14 * units.baseY / 8));
        QVERIFY(figure->geometry().bottom() < Field(0)->geometry().top());
        // The middle of the bottom side A-C lies on the black outline.
        const QPoint middle =
            (figure->ToLocalPixels(QPoint(100, 47)) + figure->ToLocalPixels(QPoint(163, 47))) / 2;
        QVERIFY(qGray(figure->grab().toImage().pixel(middle)) < 100);
        QVERIFY(!Field(6)->isEnabled());
        // Fields take expressions with the document's variables and a decimal comma.
        Evaluate(QStringLiteral("s=4"));
        Click(QStringLiteral("radioDegrees"));
        Fill(Cells(QStringLiteral("30|||s+1|8,0|")));
        Click(QStringLiteral("buttonExe"));
        QCOMPARE(FieldTexts().mid(0, 6),
                 Cells("30.000000|53.130102|96.869898|5.000000|8.000000|9.928203"));
        Click(QStringLiteral("buttonSecond"));
        QCOMPARE(Field(2)->text(), QStringLiteral("23.130102"));
        Click(QStringLiteral("buttonUse")); // writes the triangle shown
        QVERIFY(Area().Text().contains(QStringLiteral(
            "Calculated Triangle:\r\nAngle: (Degrees)\r\nA=30.000000\r\nB=126.869898\r\n")));
        Click(QStringLiteral("buttonClr"));
        QCOMPARE(FieldTexts(), Cells(QStringLiteral("0|0|0|0|0|0|0")));
        QVERIFY(!Control("buttonClr")->isEnabled() && !Control("buttonUse")->isEnabled());

        // Enter solves wherever the focus is, a button included; Escape keeps the panel.
        const std::pair<const char*, Qt::Key> rows[] = {{"editAngleB", Qt::Key_Return},
                                                        {"buttonClr", Qt::Key_Enter}};
        for (auto [focus, key] : rows) {
            Fill(Cells(QStringLiteral("30|60||||")));
            QWidget* target = Control<QWidget>(focus);
            target->setFocus();
            QTest::keyClick(target, key);
            QVERIFY2(Field(2)->text() == QStringLiteral("90.000000"), focus);
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(m_panel->isVisible());
        }
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 2);
        QCOMPARE(
            m_env->messageBoxes.LastBox().text,
            QStringLiteral("TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED.."));
    }

    void valuesWithTenDecimalsShowInFull() {
        Doc().Settings().BasicButtons().m_nDecimals = 10;
        ShowPanel();
        Click(QStringLiteral("radioDegrees"));
        Fill(Cells(QStringLiteral("|||3|4|6")));
        Click(QStringLiteral("buttonExe"));
        // Worked out with Python's math module.
        QCOMPARE(FieldTexts().mid(0, 3), Cells("26.3843297494|36.3360575146|117.2796127360"));
        QCOMPARE(Field(6)->text(), QStringLiteral("5.3326822519"));
        const int frame = m_panel->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (int i = 0; i < 7; ++i) {
            // A line edit draws its text inside its frame and two pixels on either side.
            const QLineEdit* field = Field(i);
            const int textWidth = field->fontMetrics().horizontalAdvance(field->text());
            QVERIFY2(textWidth + 2 * frame + 4 <= field->width(), kFieldNames[i]);
        }
        // The widened fields still stand in the panel, side by side.
        QVERIFY(Field(0)->geometry().right() < Field(1)->geometry().left());
        QVERIFY(Field(2)->geometry().right() < m_panel->width());
    }

    void readsTheRecordAndTheNewDocumentResetsIt() {
        C_VYXTrigNFO& record = Doc().Settings().Trig();
        record.m_nAngleUnit = 214;
        record.m_solver.SetAngleUnit(214);
        record.m_solver.Solve({0, 0, 0, 3, 4, 5}, m_env->messageBoxes);
        ShowPanel();
        QVERIFY(Control<QRadioButton>("radioGradians")->isChecked());
        QCOMPARE(Doc().Calculator().GetAngle(), std::string("GRA"));
        QCOMPARE(Field(2)->text().toDouble(), 100.0);
        QVERIFY(Control("buttonUse")->isEnabled());

        Doc().SetModifiedFlag();
        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        Trigger("actionFileNew");
        QVERIFY(Control<QRadioButton>("radioRadians")->isChecked());
        QCOMPARE(Doc().Calculator().GetAngle(), std::string("RAD"));
        QCOMPARE(Field(2)->text().toDouble(), 0.0);
        QVERIFY(!Control("buttonUse")->isEnabled());
        Click(QStringLiteral("radioDegrees")); // the panel works on the new record
        QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, 213);
    }
};

VYX_WIDGET_TEST_MAIN(TrigPanelTest)

#include "test_trig_panel.moc"
