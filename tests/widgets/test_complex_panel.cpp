// SPDX-License-Identifier: MIT
// Tests of the complex-number panel: its buttons, the always-show-argument box and its record,
// and Enter and Escape hiding the panel.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

} // namespace

class ComplexPanelTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcCMPLXView* m_panel = nullptr;

    C_VYXCalcTextView* View() { return &m_frame->TextView(); }
    C_VYXCalcAreaModel& Area() { return View()->Model(); }
    qint32& ArgumentFlag() { return m_frame->Document().Settings().CMPLX().m_nAlwaysShowArgument; }

    void Open() {
        auto panel = std::make_unique<C_VYXCalcCMPLXView>(*m_frame);
        m_panel = panel.get();
        m_frame->Panels().Install(Panel::Complex, std::move(panel));
        m_frame->Panels().Toggle(Panel::Complex);
    }
    QPushButton* Button(int id) const {
        return m_panel->findChild<QPushButton*>(C_VYXCalcCMPLXView::ButtonObjectName(id));
    }
    QCheckBox* ArgumentBox() const {
        return m_panel->findChild<QCheckBox*>(C_VYXCalcCMPLXView::ArgumentCheckBoxObjectName);
    }
    /// Types a line into the calculation area and presses Enter; returns the line written below.
    QString Evaluate(const QString& line) {
        QTest::keyClicks(View(), line);
        QTest::keyClick(View(), Qt::Key_Return);
        return Area().LineText(Area().LineFromPosition(Area().Caret()) - 1);
    }

private slots:
    void buttonsInsertTheirText_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("inserts");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("i") << 1024 << "i"
                           << "i"
                           << "i or j.";
        QTest::newRow("ABS") << 1014 << "ABS"
                             << "ABS("
                             << "Absolute value.";
        QTest::newRow("ARG") << 1015 << "ARG"
                             << "ARG("
                             << "Argument.";
        QTest::newRow("Cnj") << 1025 << "Cnj"
                             << "CNJ("
                             << "Conjugate.";
        QTest::newRow("ReP") << 1022 << "ReP"
                             << "REP("
                             << "Real part.";
        QTest::newRow("ImP") << 1023 << "ImP"
                             << "IMP("
                             << "Imaginary part.";
    }
    void buttonsInsertTheirText() {
        QFETCH(int, id);
        QFETCH(QString, caption);
        QFETCH(QString, inserts);
        QFETCH(QString, tooltip);
        Open();
        QPushButton* button = Button(id);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tooltip);

        QTest::keyClicks(View(), QStringLiteral("2*"));
        m_frame->Document().SetModifiedFlag(false);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("2*") + inserts);
        QCOMPARE(Area().Caret(), Area().Text().size());
        QVERIFY(m_frame->Document().IsModified());
        QVERIFY(m_panel->isVisible());
    }

    void functionButtonThenTypedArgumentEvaluates() {
        Open();
        QTest::mouseClick(Button(1014), Qt::LeftButton);
        QCOMPARE(Evaluate(QStringLiteral("3+4i)")), QStringLiteral("5"));
        QCOMPARE(Area().LineText(0), QStringLiteral("ABS(3+4i)"));
    }

    void argumentBoxDecidesTheNextResults() {
        Open();
        QCheckBox* box = ArgumentBox();
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), QStringLiteral("For complex numbers\nallways show the argument."));
        QVERIFY(!box->isChecked());
        const QString plain = Evaluate(QStringLiteral("(1+I)"));
        QVERIFY(!plain.isEmpty());
        QVERIFY(!plain.contains(QStringLiteral("ARGUMENT:")));
        m_frame->Document().SetModifiedFlag(false);

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(ArgumentFlag(), 1);
        QVERIFY(m_frame->Document().IsModified());
        QVERIFY(m_frame->isWindowModified());
        const QString withArgument = Evaluate(QStringLiteral("(1+I)"));
        // π/4 in the default unit, radians, to the default six decimals.
        QVERIFY2(withArgument.startsWith(plain + QStringLiteral(" ARGUMENT:0.785398")),
                 qPrintable(withArgument));
        // A real result never gets an argument.
        QCOMPARE(Evaluate(QStringLiteral("2+3")), QStringLiteral("5"));
        // Results already written stay as they are.
        QCOMPARE(Area().LineText(1), plain);

        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(ArgumentFlag(), 0);
        QCOMPARE(Evaluate(QStringLiteral("(1+I)")), plain);
        QVERIFY(Area().Text().contains(withArgument));
    }

    void argumentSettingIsKeptWithTheDocument() {
        Open();
        QTest::mouseClick(ArgumentBox(), Qt::LeftButton);
        const QString path = m_env->TempPath(QStringLiteral("argument.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        QVERIFY(!m_frame->Document().IsModified());

        Trigger("actionFileNew");
        QVERIFY(!ArgumentBox()->isChecked());
        QCOMPARE(ArgumentFlag(), 0);

        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QVERIFY(ArgumentBox()->isChecked());
        QCOMPARE(ArgumentFlag(), 1);
        QVERIFY(!m_frame->Document().IsModified());
    }

    void enterAndEscapeHideThePanel() {
        Open();
        QTest::keyClick(m_panel, Qt::Key_Escape);
        QVERIFY(!m_panel->isVisible());
        QVERIFY(!m_frame->Panels().IsShown(Panel::Complex));

        m_frame->Panels().Toggle(Panel::Complex);
        QVERIFY(m_panel->isVisible());
        QCheckBox* box = ArgumentBox();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!m_panel->isVisible());
        QCOMPARE(ArgumentFlag(), 0);

        // A focused button takes Enter as a click, as in any dialog.
        m_frame->Panels().Toggle(Panel::Complex);
        QPushButton* imaginary = Button(1024);
        imaginary->setFocus();
        QTest::keyClick(imaginary, Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("i"));
        QVERIFY(m_panel->isVisible());
    }
};

VYX_WIDGET_TEST_MAIN(ComplexPanelTest)

#include "test_complex_panel.moc"
