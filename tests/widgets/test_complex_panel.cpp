// SPDX-License-Identifier: MIT
// Tests of the complex-number panel: its buttons, the always-show-argument box kept with the
// document, and Enter and Escape hiding the panel.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using Panel = C_VYXPanelSet::Panel;

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
    template <typename T> T* Control(const QString& name) const {
        if (T* control = m_panel->findChild<T*>(name))
            return control;
        qFatal("no control %s", qPrintable(name));
    }
    QPushButton* Button(int id) const {
        return Control<QPushButton>(C_VYXCalcCMPLXView::ButtonObjectName(id));
    }
    QCheckBox* ArgumentBox() const {
        return Control<QCheckBox>(C_VYXCalcCMPLXView::ArgumentCheckBoxObjectName);
    }
    /// Types a line into the calculation area and presses Enter; returns the line written below.
    QString Evaluate(const QString& line) {
        QTest::keyClicks(View(), line);
        QTest::keyClick(View(), Qt::Key_Return);
        return Area().LineText(Area().LineFromPosition(Area().Caret()) - 1);
    }

private slots:
    void buttonsInsertAndKeysHideThePanel() {
        Open();
        QCOMPARE(m_panel->findChildren<QPushButton*>().size(), 6);
        // The odd ones: "Cnj" inserts another spelling, "i" has no parenthesis.
        QCOMPARE(Button(1025)->text(), QStringLiteral("Cnj"));
        QTest::keyClicks(View(), QStringLiteral("2*"));
        QTest::mouseClick(Button(1025), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("2*CNJ("));
        // A focused button takes Enter as a click, as in any dialog, and the panel stays.
        Button(1024)->setFocus();
        QTest::keyClick(Button(1024), Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("2*CNJ(i"));
        QVERIFY(m_panel->isVisible());
        // Elsewhere Enter hides the panel without touching the box, and so does Escape.
        ArgumentBox()->setFocus();
        QTest::keyClick(ArgumentBox(), Qt::Key_Return);
        QVERIFY(!m_panel->isVisible());
        QCOMPARE(ArgumentFlag(), 0);
        m_frame->Panels().Toggle(Panel::Complex);
        QTest::keyClick(m_panel, Qt::Key_Escape);
        QVERIFY(!m_panel->isVisible() && !m_frame->Panels().IsShown(Panel::Complex));
    }

    void argumentBoxDecidesTheNextResults() {
        Open();
        QCheckBox* box = ArgumentBox();
        QCOMPARE(box->text(), QStringLiteral("For complex numbers\nallways show the argument."));
        QVERIFY(!box->isChecked());
        const QString plain = Evaluate(QStringLiteral("(1+I)"));
        QVERIFY(!plain.isEmpty() && !plain.contains(QStringLiteral("ARGUMENT:")));
        m_frame->Document().SetModifiedFlag(false);

        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(ArgumentFlag(), 1);
        QVERIFY(m_frame->Document().IsModified() && m_frame->isWindowModified());
        QVERIFY(Evaluate(QStringLiteral("(1+I)")).startsWith(plain + QStringLiteral(" ARGUMENT:")));
        // The setting is kept with the document and shown again when it is opened.
        const QString path = m_env->TempPath(QStringLiteral("argument.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        Trigger("actionFileNew");
        QVERIFY(!box->isChecked());
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QVERIFY(box->isChecked() && !m_frame->Document().IsModified());
        QTest::mouseClick(box, Qt::LeftButton); // the loaded record is the one changed
        QCOMPARE(ArgumentFlag(), 0);
    }
};

VYX_WIDGET_TEST_MAIN(ComplexPanelTest)

#include "test_complex_panel.moc"
