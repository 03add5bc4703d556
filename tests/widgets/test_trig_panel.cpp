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

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

// The fields in the order A, B, C, a, b, c, area.
const char* const kFieldNames[] = {"editAngleA", "editAngleB", "editAngleC", "editSideA",
                                   "editSideB",  "editSideC",  "editArea"};
const char* const kSolverButtons[] = {"buttonExe", "buttonClr", "buttonSecond", "buttonUse"};

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
        T* control = m_panel->findChild<T*>(name);
        if (control == nullptr)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit* Field(int index) const { return Control<QLineEdit>(kFieldNames[index]); }
    void Click(const QString& name) {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }
    /// Types into the input fields as a user would, replacing what they held.
    void Fill(const QStringList& inputs) {
        for (int i = 0; i < inputs.size(); ++i) {
            Field(i)->setFocus();
            Field(i)->selectAll();
            if (inputs[i].isEmpty())
                QTest::keyClick(Field(i), Qt::Key_Backspace);
            else
                QTest::keyClicks(Field(i), inputs[i]);
        }
    }
    QStringList FieldTexts() const {
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts.append(Field(i)->text());
        return texts;
    }
    void CheckAllCleared() {
        for (const QString& text : FieldTexts())
            QCOMPARE(text.toDouble(), 0.0);
        for (const char* name : kSolverButtons)
            QVERIFY2(!Control(name)->isEnabled(), name);
    }
    /// Evaluates a line typed into the calculation area and returns the line written below it.
    QString Evaluate(const QString& line) {
        QTest::keyClicks(&m_frame->TextView(), line);
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        return Area().LineText(Area().LineCount() - 2);
    }

private slots:
    void angleRadiosDriveRecordAndEngine() {
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
            QCOMPARE(Doc().Settings().Trig().m_solver.AngleUnit(), row.unitId);
            QVERIFY(Doc().IsModified());
            QCOMPARE(Evaluate(QStringLiteral("sin(90)")), QString::fromLatin1(row.sinOf90));
        }
    }

    void functionButtonsInsertTheirNames() {
        ShowPanel();
        for (const QString name : {"sin", "cos", "tan", "asin", "acos", "atan"}) {
            Area().ClearArea();
            QTest::keyClicks(&m_frame->TextView(), QStringLiteral("2*"));
            Doc().SetModifiedFlag(false);
            QCOMPARE(Control("button_" + name)->text(), name);
            Click("button_" + name);
            // Only the name: the user types the argument and its brackets.
            QCOMPARE(Area().Text(), "2*" + name);
            QCOMPARE(Area().Caret(), 2 + name.size());
            QVERIFY(Doc().IsModified());
        }
    }

    void solverErrorsAreReported() {
        struct Row {
            const char* inputs;
            bool exeEnabled;
            const char* message;
        };
        // clang-format off
        const Row rows[] = {
            {"|||1|2|4", true, "TRIANGLE CANT BE CONSTRUCTED!!"},
            {"|||3|4|", false, "TRIANGLE IS UNDERCONSTRAINED!!"},
            {"50|60|60|1||", true,
             "The sum of the angles in a triangle\r\nhas to be equal to 180 Deg!!"},
        };
        // clang-format on
        ShowPanel();
        Click(QStringLiteral("radioDegrees"));
        for (const Row& row : rows) {
            m_env->messageBoxes.Reset();
            const QStringList given = Cells(QString::fromLatin1(row.inputs));
            Fill(given);
            QVERIFY2(Control("buttonExe")->isEnabled() == row.exeEnabled, row.inputs);
            QTest::keyClick(Field(5), Qt::Key_Return); // Enter solves whatever EXE's state
            QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
            QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
            QCOMPARE(m_env->messageBoxes.LastBox().text, QString::fromLatin1(row.message));
            QVERIFY(!Control("buttonUse")->isEnabled());
            for (int i = 0; i < given.size(); ++i) // fields left empty show 0
                QCOMPARE(Field(i)->text(), given[i].isEmpty() ? QStringLiteral("0") : given[i]);
        }
        // CLR follows the fields as EXE does: two angles are something to clear.
        Fill(Cells(QStringLiteral("1||1|||")));
        QVERIFY(!Control("buttonExe")->isEnabled() && Control("buttonClr")->isEnabled());
        Fill(Cells(QStringLiteral("0|0|0|0|0|0")));
        QVERIFY(!Control("buttonClr")->isEnabled());
    }

    void exeSecondUseAndClr() {
        ShowPanel();
        QVERIFY(!Control<QLineEdit>("editArea")->isEnabled());
        QCOMPARE(Control("buttonExe")->toolTip(), QStringLiteral("Solve the triangle."));
        Evaluate(QStringLiteral("s=4"));
        Click(QStringLiteral("radioDegrees"));
        // Fields take expressions with variables and a decimal comma.
        Fill(Cells(QStringLiteral("10*3|120/2||||s*2,5")));
        Click(QStringLiteral("buttonExe"));
        QCOMPARE(FieldTexts(), Cells("30.000000|60.000000|90.000000|5.000000|8.660254|10.000000|"
                                     "21.650635"));
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        QVERIFY(Control("buttonUse")->isEnabled() && !Control("buttonSecond")->isEnabled());
        Fill(Cells(QStringLiteral("30|||5|8|")));
        Click(QStringLiteral("buttonExe"));
        QCOMPARE(FieldTexts().mid(0, 6),
                 Cells("30.000000|53.130102|96.869898|5.000000|8.000000|9.928203"));
        Click(QStringLiteral("buttonSecond"));
        QCOMPARE(FieldTexts().mid(1, 5), Cells("126.869898|23.130102|5.000000|8.000000|3.928203"));
        Click(QStringLiteral("buttonUse")); // writes the triangle shown
        QVERIFY(Area().Text().contains(QStringLiteral(
            "Calculated Triangle:\r\nAngle: (Degrees)\r\nA=30.000000\r\nB=126.869898\r\n")));
        Click(QStringLiteral("buttonClr"));
        CheckAllCleared();
        QCOMPARE(Doc().Settings().Trig().m_solver.Value(5), 0.0);
    }

    void enterInAnyControlSolves() {
        struct Row {
            const char* focus;
            Qt::Key key;
            const char *sideC, *message;
        };
        const Row rows[] = {{"editSideC", Qt::Key_Return, "10", ""},
                            {"buttonClr", Qt::Key_Enter, "10", ""},
                            {"radioDegrees", Qt::Key_Return, "10", ""},
                            {"editAngleB", Qt::Key_Return, "",
                             "TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED.."}};
        ShowPanel();
        Click(QStringLiteral("radioDegrees"));
        for (const Row& row : rows) {
            Fill(Cells(QStringLiteral("30|60||||") + QLatin1String(row.sideC)));
            Doc().SetModifiedFlag(false);
            QWidget* target = Control<QWidget>(row.focus);
            target->setFocus();
            QTest::keyClick(target, row.key);
            QVERIFY2(Field(2)->text() == QStringLiteral("90.000000"), row.focus);
            QCOMPARE(m_env->messageBoxes.LastBox().text, QString::fromLatin1(row.message));
            QVERIFY(Doc().IsModified() && m_panel->isVisible());
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(m_panel->isVisible());
        }
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
        QVERIFY(Field(6)->text().startsWith(QStringLiteral("6.0")));
        QVERIFY(Control("buttonUse")->isEnabled());

        Doc().SetModifiedFlag();
        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        Trigger("actionFileNew");
        QVERIFY(Control<QRadioButton>("radioRadians")->isChecked());
        QCOMPARE(Doc().Calculator().GetAngle(), std::string("RAD"));
        CheckAllCleared();
        Click(QStringLiteral("radioDegrees")); // the panel works on the new record
        QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, 213);
    }

    void figurePaintsAtEverySize() {
        for (int pointSize : {6, 10, 16, 28}) {
            QWidget host;
            host.resize(800, 600);
            const QFont font(QStringLiteral("Verdana"), pointSize);
            host.setFont(font);
            auto* figure = new C_VYXTriangleFigure(&host);
            const C_VYXDialogUnits units = C_VYXDialogUnits::ForFont(font);
            figure->SetDialogUnits(units);
            // Four horizontal units per average character, eight vertical units per line.
            QCOMPARE(units.baseY, QFontMetrics(font).height());
            // Its corners (88, 14) and (170, 56) are converted, not its size.
            QCOMPARE(figure->size(), QSize(170 * units.baseX / 4 - 88 * units.baseX / 4,
                                           56 * units.baseY / 8 - 14 * units.baseY / 8));
            const QImage image = figure->grab().toImage();
            // The middles of the bottom side A-C and the left side A-B lie on the black outline.
            const QPoint cornerA = figure->ToLocalPixels(QPoint(100, 47));
            for (const QPoint& corner : {QPoint(163, 47), QPoint(122, 20)}) {
                const QPoint middle = (cornerA + figure->ToLocalPixels(corner)) / 2;
                QVERIFY2(qGray(image.pixel(middle)) < 100, qPrintable(QString::number(pointSize)));
            }
            // Inside the triangle, away from letters and arcs, nothing is drawn.
            QVERIFY(qGray(image.pixel(figure->ToLocalPixels(QPoint(133, 40)))) > 150);
            int bluePixels = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    bluePixels += qBlue(pixel) > 180 && qRed(pixel) < 100 && qGreen(pixel) < 100;
                }
            QVERIFY(bluePixels >= 3 * units.baseX);
        }
    }

    void panelShowsTheFigure() {
        ShowPanel();
        auto* figure = Control<C_VYXTriangleFigure>("triangleFigure");
        const C_VYXDialogUnits units = figure->DialogUnits();
        QCOMPARE(m_panel->size(), QSize(240 * units.baseX / 4, 110 * units.baseY / 8));
        QVERIFY(figure->isVisible());
        const QImage image = m_panel->grab().toImage();
        const QPoint bottom = figure->mapTo(m_panel, figure->ToLocalPixels(QPoint(131, 47)));
        QVERIFY(qGray(image.pixel(bottom)) < 80);
        // The figure stays above the fields.
        QVERIFY(figure->geometry().bottom() < Field(0)->geometry().top());
    }
};

VYX_WIDGET_TEST_MAIN(TrigPanelTest)

#include "test_trig_panel.moc"
