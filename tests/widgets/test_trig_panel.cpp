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
using Box = C_VYXScriptedMessageBoxes::Box;

// The fields in the order A, B, C, a, b, c, area.
const char* const kFieldNames[] = {"editAngleA", "editAngleB", "editAngleC", "editSideA",
                                   "editSideB",  "editSideC",  "editArea"};

bool IsBlue(QRgb pixel) {
    return qBlue(pixel) > 180 && qRed(pixel) < 100 && qGreen(pixel) < 100;
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

    template <typename T> T* Control(const char* name) const {
        T* control = m_panel->findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit* Field(int index) const { return Control<QLineEdit>(kFieldNames[index]); }
    void Click(const char* name) {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }

    /// Types into the six input fields as a user would, replacing what they held.
    void Fill(const QStringList& inputs) {
        for (int i = 0; i < inputs.size(); ++i) {
            QLineEdit* edit = Field(i);
            edit->setFocus();
            edit->selectAll();
            if (inputs[i].isEmpty())
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, inputs[i]);
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
    void angleRadiosDriveRecordAndEngine_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("unitId");
        QTest::addColumn<QString>("sinOf90");
        QTest::newRow("degrees") << "radioGradians"
                                 << "radioDegrees" << 213 << "1";
        QTest::newRow("radians") << "radioDegrees"
                                 << "radioRadians" << 102 << "0.893997";
        QTest::newRow("gradians") << "radioRadians"
                                  << "radioGradians" << 214 << "0.987688";
    }
    void angleRadiosDriveRecordAndEngine() {
        QFETCH(QString, before);
        QFETCH(QString, radio);
        QFETCH(int, unitId);
        QFETCH(QString, sinOf90);
        ShowPanel();
        Click(qPrintable(before));
        Doc().SetModifiedFlag(false);
        Click(qPrintable(radio));
        QVERIFY(Control<QRadioButton>(qPrintable(radio))->isChecked());
        QVERIFY(!Control<QRadioButton>(qPrintable(before))->isChecked());
        QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, unitId);
        QCOMPARE(Doc().Settings().Trig().m_solver.AngleUnit(), unitId);
        QVERIFY(Doc().IsModified());
        QCOMPARE(Evaluate(QStringLiteral("sin(90)")), sinOf90);
    }

    void functionButtonsInsertTheirNames_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        for (const char* name : {"sin", "cos", "tan", "asin", "acos", "atan"})
            QTest::newRow(name) << QStringLiteral("button_%1").arg(QLatin1String(name))
                                << QString::fromLatin1(name);
    }
    void functionButtonsInsertTheirNames() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        ShowPanel();
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("2*"));
        Doc().SetModifiedFlag(false);
        QCOMPARE(Control<QPushButton>(qPrintable(button))->text(), name);
        Click(qPrintable(button));
        // Only the name: the user types the argument and its brackets.
        QCOMPARE(Area().Text(), QStringLiteral("2*") + name);
        QCOMPARE(Area().Caret(), 2 + name.size());
        QVERIFY(Doc().IsModified());
    }

    void exeSolvesTheTriangle_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three sides in degrees")
            << "radioDegrees" << QStringList{"", "", "", "3", "4", "5"}
            << QStringList{"36.869898", "53.130102", "90.000000", "3.000000",
                           "4.000000",  "5.000000",  "6.000000"};
        QTest::newRow("three sides in radians")
            << "radioRadians" << QStringList{"0", "0", "0", "3", "4", "5"}
            << QStringList{"0.643501", "0.927295", "1.570796", "3.000000",
                           "4.000000", "5.000000", "6.000000"};
        QTest::newRow("expressions with a decimal comma")
            << "radioDegrees" << QStringList{"10*3", "120/2", "", "", "", "2,5*4"}
            << QStringList{"30.000000", "60.000000", "90.000000", "5.000000",
                           "8.660254",  "10.000000", "21.650635"};
    }
    void exeSolvesTheTriangle() {
        QFETCH(QString, radio);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, expected);
        ShowPanel();
        Click(qPrintable(radio));
        Fill(inputs);
        QVERIFY(Control<QPushButton>("buttonExe")->isEnabled());
        Click("buttonExe");
        QCOMPARE(FieldTexts(), expected);
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        QVERIFY(Control<QPushButton>("buttonUse")->isEnabled());
        QVERIFY(!Control<QPushButton>("buttonSecond")->isEnabled());
    }

    void fieldsMayNameVariables() {
        ShowPanel();
        Evaluate(QStringLiteral("s=4"));
        Fill({"", "", "", "s-1", "s", "s+1"});
        Click("buttonExe");
        QCOMPARE(FieldTexts().mid(3),
                 (QStringList{"3.000000", "4.000000", "5.000000", "6.000000"}));
    }

    void solverErrorsAreReported_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<bool>("exeEnabled");
        QTest::addColumn<QString>("message");
        const QString cannot = QStringLiteral("TRIANGLE CANT BE CONSTRUCTED!!");
        const QString sum =
            QStringLiteral("The sum of the angles in a triangle\r\nhas to be equal to ");
        QTest::newRow("sides 1 2 4")
            << "radioDegrees" << QStringList{"", "", "", "1", "2", "4"} << true << cannot;
        QTest::newRow("two sides") << "radioDegrees" << QStringList{"", "", "", "3", "4", ""}
                                   << false << "TRIANGLE IS UNDERCONSTRAINED!!";
        QTest::newRow("degree sum") << "radioDegrees" << QStringList{"50", "60", "60", "1", "", ""}
                                    << true << sum + "180 Deg!!";
    }
    void solverErrorsAreReported() {
        QFETCH(QString, radio);
        QFETCH(QStringList, inputs);
        QFETCH(bool, exeEnabled);
        QFETCH(QString, message);
        ShowPanel();
        Click(qPrintable(radio));
        Fill(inputs);
        QCOMPARE(Control<QPushButton>("buttonExe")->isEnabled(), exeEnabled);
        // Enter solves whatever EXE's state.
        QTest::keyClick(Field(5), Qt::Key_Return);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
        QCOMPARE(m_env->messageBoxes.LastBox().text, message);
        QVERIFY(!Control<QPushButton>("buttonUse")->isEnabled());
        for (int i = 0; i < inputs.size(); ++i)
            QCOMPARE(Field(i)->text(), inputs[i].isEmpty() ? QStringLiteral("0") : inputs[i]);
    }

    void exeAndClrFollowTheGivenFields_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<bool>("exe");
        QTest::addColumn<bool>("clr");
        QTest::newRow("nothing") << QStringList{"", "", "", "", "", ""} << false << false;
        QTest::newRow("zeros are not given")
            << QStringList{"0", "0", "0", "0", "0", "0"} << false << false;
        QTest::newRow("three sides") << QStringList{"", "", "", "1", "1", "1"} << true << true;
        QTest::newRow("0.0 is given") << QStringList{"0.0", "", "", "1", "2", ""} << true << true;
        QTest::newRow("two angles") << QStringList{"1", "", "1", "", "", ""} << false << true;
    }
    void exeAndClrFollowTheGivenFields() {
        QFETCH(QStringList, inputs);
        QFETCH(bool, exe);
        QFETCH(bool, clr);
        ShowPanel();
        Fill({"9", "9", "9", "9", "9", "9"});
        Fill(inputs);
        QCOMPARE(Control<QPushButton>("buttonExe")->isEnabled(), exe);
        QCOMPARE(Control<QPushButton>("buttonClr")->isEnabled(), clr);
    }

    void secondSolutionUseAndClear() {
        ShowPanel();
        QVERIFY(!Control<QLineEdit>("editArea")->isEnabled());
        QCOMPARE(Control<QPushButton>("buttonExe")->toolTip(),
                 QStringLiteral("Solve the triangle."));
        Click("radioDegrees");
        Fill({"30", "", "", "5", "8", ""});
        Click("buttonExe");
        const QStringList first{"30.000000", "53.130102", "96.869898",    "5.000000",
                                "8.000000",  "9.928203",  FieldTexts()[6]};
        QCOMPARE(FieldTexts(), first);
        QVERIFY(Control<QPushButton>("buttonSecond")->isEnabled());

        Click("buttonSecond");
        QCOMPARE(FieldTexts().mid(1, 5),
                 (QStringList{"126.869898", "23.130102", "5.000000", "8.000000", "3.928203"}));
        Click("buttonSecond");
        QCOMPARE(FieldTexts(), first);

        Click("buttonUse");
        QVERIFY(Area().Text().startsWith(
            QStringLiteral("Calculated Triangle:\r\nAngle: (Degrees)\r\nA=30.000000\r\n")));
        QVERIFY(Area().Text().contains(QStringLiteral("\r\nc=9.928203\r\n")));
        QVERIFY(Area().Text().endsWith(QStringLiteral("²)\r\n") + first[6] + "\r\n"));

        Click("buttonClr");
        for (const QString& text : FieldTexts())
            QCOMPARE(text.toDouble(), 0.0);
        for (const char* name : {"buttonExe", "buttonClr", "buttonSecond", "buttonUse"})
            QVERIFY2(!Control<QPushButton>(name)->isEnabled(), name);
        QCOMPARE(Doc().Settings().Trig().m_solver.Value(5), 0.0);
    }

    void enterInAnyControlSolves_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::newRow("return in a field") << "editSideC" << int(Qt::Key_Return)
                                           << QStringList{"30", "60", "", "", "", "10"} << "";
        QTest::newRow("keypad enter on CLR")
            << "buttonClr" << int(Qt::Key_Enter) << QStringList{"30", "60", "", "", "", "10"} << "";
        QTest::newRow("return on a radio") << "radioDegrees" << int(Qt::Key_Return)
                                           << QStringList{"30", "60", "", "", "", "10"} << "";
        QTest::newRow("two angles only")
            << "editAngleB" << int(Qt::Key_Return) << QStringList{"30", "60", "", "", "", ""}
            << "TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED..";
    }
    void enterInAnyControlSolves() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        ShowPanel();
        Click("radioDegrees");
        Fill(inputs);
        Doc().SetModifiedFlag(false);
        QWidget* target = Control<QWidget>(qPrintable(focus));
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(Field(2)->text(), QStringLiteral("90.000000"));
        QCOMPARE(m_env->messageBoxes.LastBox().text, message);
        QVERIFY(Doc().IsModified());
        QVERIFY(m_panel->isVisible());
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(m_panel->isVisible());
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
        QCOMPARE(Field(5)->text().toDouble(), 5.0);
        QVERIFY(Field(6)->text().startsWith(QStringLiteral("6.0")));
        QVERIFY(Control<QPushButton>("buttonUse")->isEnabled());

        Doc().SetModifiedFlag();
        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        Trigger("actionFileNew");
        QVERIFY(Control<QRadioButton>("radioRadians")->isChecked());
        QCOMPARE(Doc().Calculator().GetAngle(), std::string("RAD"));
        for (const QString& text : FieldTexts())
            QCOMPARE(text.toDouble(), 0.0);
        for (const char* name : {"buttonExe", "buttonClr", "buttonSecond", "buttonUse"})
            QVERIFY2(!Control<QPushButton>(name)->isEnabled(), name);
        // The panel works on the new record.
        Click("radioDegrees");
        QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, 213);
    }

    void figurePaintsAtEverySize_data() {
        QTest::addColumn<int>("pointSize");
        for (int size : {6, 10, 16, 28})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void figurePaintsAtEverySize() {
        QFETCH(int, pointSize);
        QWidget host;
        host.resize(800, 600);
        QFont font(QStringLiteral("Verdana"), pointSize);
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
        // The middles of the bottom side A-C and of the left side A-B lie on the black outline.
        const QPoint cornerA = figure->ToLocalPixels(QPoint(100, 47));
        for (const QPoint& corner : {QPoint(163, 47), QPoint(122, 20)}) {
            const QPoint middle = (cornerA + figure->ToLocalPixels(corner)) / 2;
            QVERIFY2(qGray(image.pixel(middle)) < 100, qPrintable(QString::number(middle.y())));
        }
        // Inside the triangle, away from letters and arcs, nothing is drawn.
        const QRgb inside = image.pixel(figure->ToLocalPixels(QPoint(133, 40)));
        QVERIFY(qGray(inside) > 150);
        int bluePixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                bluePixels += IsBlue(image.pixel(x, y)) ? 1 : 0;
        QVERIFY(bluePixels >= 3 * units.baseX);
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
