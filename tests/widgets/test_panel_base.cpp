// SPDX-License-Identifier: MIT
// Tests of the tool panels' common base: lazy creation, stacking of paired panels, hiding, and
// the refresh when the document is replaced.
#include "WidgetTestSupport.h"

class PanelBaseTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// Shows or hides each panel in turn, as the View menu does.
    void Toggle(std::initializer_list<Panel> panels) {
        for (const Panel panel : panels)
            m_frame->Panels().Toggle(panel);
    }

private slots:
    void createdOnceOnFirstShowHiddenShownAgainAndRefreshedByANewDocument() {
        FakePanel* fixed = InstallFake(Panel::Conversion, Side::Right);
        QVERIFY(!fixed->IsCreated());
        Toggle({Panel::Conversion});
        QVERIFY(m_frame->Panels().IsShown(Panel::Conversion));
        QCOMPARE((QList{fixed->setups, fixed->reads, fixed->afterFirstRefresh}), (QList{1, 1, 1}));
        Toggle({Panel::Conversion});
        QVERIFY(!m_frame->Panels().IsShown(Panel::Conversion));
        // The close box hides; Escape is each panel's own (numpad, palettes).
        Toggle({Panel::Conversion});
        QVERIFY(fixed->close() && !fixed->isVisible());
        // Hidden, not destroyed: showing again does not build it anew.
        Toggle({Panel::Conversion});
        QVERIFY(fixed->isVisible());
        QCOMPARE(fixed->setups, 1);

        // A new document refreshes the created panels only; fields evaluate with a created panel.
        FakePanel* created = InstallFake(Panel::Variables, Side::Right);
        FakePanel* never = InstallFake(Panel::Latin, Side::Left);
        QCOMPARE(never->EvaluateExpressionText(u"1,5*2"_s), QString());
        Toggle({Panel::Variables});
        QCOMPARE(created->EvaluateExpressionText(u"1,5*2"_s), u"3"_s);
        Trigger("actionFileNew");
        QCOMPARE((QList{fixed->reads, created->reads, never->reads}), (QList{2, 2, 0}));
        QVERIFY(!never->IsCreated());
    }

    void createdPanelsStandBesideTheOwnerAndPartnersStack() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_frame->setGeometry(screen.width() / 3, screen.height() / 3, screen.width() / 3,
                             screen.height() / 3);
        FakePanel* numpad = InstallFake(Panel::Numpad, Side::Left);
        FakePanel* trig = InstallFake(Panel::Trigonometry, Side::Left);
        FakePanel* variables = InstallFake(Panel::Variables, Side::Right);
        FakePanel* conversion = InstallFake(Panel::Conversion, Side::Right);
        Toggle({Panel::Numpad, Panel::Variables});
        const QRect owner = m_frame->frameGeometry();
        QCOMPARE(numpad->frameGeometry().right() + 1, owner.left());
        QCOMPARE(variables->frameGeometry().left(), owner.left() + owner.width());
        Toggle({Panel::Trigonometry});
        QCOMPARE(trig->frameGeometry().top(), numpad->frameGeometry().bottom() + 1);
        // With the partner hidden a panel starts at the owner's top.
        Toggle({Panel::Variables, Panel::Conversion});
        QCOMPARE(conversion->frameGeometry().top(), owner.top());
    }

    void panelsOpenClearOfEachOtherAndStayClearWhenShownAgain() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        m_frame->setGeometry(screen.center().x(), screen.top() + 100, 200, 150);
        FakePanel* numpad = InstallFake(Panel::Numpad, Side::Left);
        FakePanel* latin = InstallFake(Panel::Latin, Side::Left);
        FakePanel* complex = InstallFake(Panel::Complex, Side::Left);
        Toggle({Panel::Numpad, Panel::Latin});
        // Same side, same height: the second goes under the first.
        QCOMPARE(latin->frameGeometry().top(), numpad->frameGeometry().bottom() + 1);
        QCOMPARE(latin->frameGeometry().right(), numpad->frameGeometry().right());
        // The numpad's place is free while it is hidden: the complex panel takes it...
        Toggle({Panel::Numpad, Panel::Complex});
        QCOMPARE(complex->frameGeometry().topLeft(), numpad->frameGeometry().topLeft());
        // ...and the numpad, shown again, moves off both.
        Toggle({Panel::Numpad});
        for (const FakePanel* other : {latin, complex})
            QVERIFY(!numpad->frameGeometry().intersects(other->frameGeometry()));
        QVERIFY(screen.contains(numpad->frameGeometry()));
    }
};

VYX_WIDGET_TEST_MAIN(PanelBaseTest)

#include "test_panel_base.moc"
