// SPDX-License-Identifier: MIT
// Tests of the tool panels' common base: placement arithmetic, lazy creation, stacking of
// paired panels, hiding, and the refresh when the document is replaced.
#include "C_VYXDlgFix.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;
using Side = C_VYXDlgFix::Side;

/// A panel that counts what the base asks of it.
class CountingPanel : public C_VYXDlgFix {
public:
    CountingPanel(C_VYXPanelOwner& owner, Side side, bool staysOpen, QSize size)
        : C_VYXDlgFix(owner, 999, QStringLiteral("Counting"), side), m_bStaysOpen(staysOpen),
          m_size(size) {}

    int setups = 0;
    int reads = 0;
    int afterFirstRefresh = 0;

protected:
    void SetupControls() override {
        ++setups;
        setFixedSize(m_size);
    }
    void ReadSettings() override { ++reads; }
    void AfterFirstRefresh() override { ++afterFirstRefresh; }
    bool StaysOpenOnEnterAndEscape() const override { return m_bStaysOpen; }

private:
    bool m_bStaysOpen;
    QSize m_size;
};

} // namespace

class PanelBaseTest : public MainFrameFixture {
    Q_OBJECT

private:
    CountingPanel* Install(Panel panel, Side side, bool staysOpen = true,
                           QSize size = QSize(120, 90)) {
        auto dialog = std::make_unique<CountingPanel>(*m_frame, side, staysOpen, size);
        CountingPanel* raw = dialog.get();
        m_frame->Panels().Install(panel, std::move(dialog));
        return raw;
    }

private slots:
    void placementBesideTheOwner_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<int>("expectedX");
        const int screen = 1000;
        QTest::newRow("left, room") << int(Side::Left) << QRect(300, 50, 400, 300) << 200;
        QTest::newRow("left, exactly room") << int(Side::Left) << QRect(100, 50, 400, 300) << 0;
        QTest::newRow("left, no room") << int(Side::Left) << QRect(99, 50, 400, 300) << 0;
        QTest::newRow("right, room") << int(Side::Right) << QRect(300, 50, 400, 300) << 700;
        QTest::newRow("right, exactly room") << int(Side::Right) << QRect(500, 0, 400, 300) << 900;
        QTest::newRow("right, no room") << int(Side::Right) << QRect(501, 0, 400, 300) << 900;
        (void)screen;
    }
    void placementBesideTheOwner() {
        QFETCH(int, side);
        QFETCH(QRect, owner);
        QFETCH(int, expectedX);
        QCOMPARE(C_VYXDlgFix::PlacementX(Side(side), owner, 100, 1000), expectedX);
    }

    void showingTwiceCreatesOnceAndToggles() {
        CountingPanel* panel = Install(Panel::Latin, Side::Left);
        QVERIFY(!panel->IsCreated());
        panel->RefreshFromSettings();
        QCOMPARE(panel->reads, 0);

        m_frame->Panels().Toggle(Panel::Latin);
        QVERIFY(m_frame->Panels().IsShown(Panel::Latin));
        QCOMPARE(panel->setups, 1);
        QCOMPARE(panel->reads, 1);
        QCOMPARE(panel->afterFirstRefresh, 1);

        m_frame->Panels().Toggle(Panel::Latin);
        QVERIFY(!m_frame->Panels().IsShown(Panel::Latin));
        m_frame->Panels().Toggle(Panel::Latin);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->setups, 1);
    }

    void createdPanelStandsBesideTheMainWindow() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_frame->setGeometry(screen.width() / 3, screen.height() / 3, screen.width() / 3,
                             screen.height() / 3);
        CountingPanel* left = Install(Panel::Complex, Side::Left);
        CountingPanel* right = Install(Panel::Math, Side::Right);
        m_frame->Panels().Toggle(Panel::Complex);
        m_frame->Panels().Toggle(Panel::Math);
        const QRect owner = m_frame->frameGeometry();
        QCOMPARE(left->frameGeometry().right() + 1, owner.left());
        QCOMPARE(right->frameGeometry().left(), owner.left() + owner.width());
        QCOMPARE(left->frameGeometry().top(), owner.top());
    }

    void partnersStackUnderEachOther() {
        CountingPanel* numpad = Install(Panel::Numpad, Side::Left, true, QSize(100, 140));
        CountingPanel* trig = Install(Panel::Trigonometry, Side::Left, true, QSize(100, 80));
        m_frame->Panels().Toggle(Panel::Numpad);
        QCOMPARE(numpad->OffsetY(), 0);
        m_frame->Panels().Toggle(Panel::Trigonometry);
        QCOMPARE(trig->OffsetY(), numpad->frameGeometry().height());
        QCOMPARE(trig->frameGeometry().top(), m_frame->frameGeometry().top() + trig->OffsetY());

        // With the partner hidden the next show starts at the owner's top again.
        m_frame->Panels().Toggle(Panel::Trigonometry);
        m_frame->Panels().Toggle(Panel::Numpad);
        m_frame->Panels().Toggle(Panel::Trigonometry);
        QCOMPARE(trig->OffsetY(), 0);
    }

    void closeBoxHidesAndEscapeKeepsFixedPanelsOpen() {
        CountingPanel* fixed = Install(Panel::Conversion, Side::Right, true);
        CountingPanel* closable = Install(Panel::Greek, Side::Right, false);
        m_frame->Panels().Toggle(Panel::Conversion);
        m_frame->Panels().Toggle(Panel::Greek);

        QTest::keyClick(fixed, Qt::Key_Escape);
        QVERIFY(fixed->isVisible());
        QTest::keyClick(closable, Qt::Key_Escape);
        QVERIFY(!closable->isVisible());

        QVERIFY(fixed->close());
        QVERIFY(!fixed->isVisible());
        // Hidden, not destroyed: showing again does not build it anew.
        m_frame->Panels().Toggle(Panel::Conversion);
        QVERIFY(fixed->isVisible());
        QCOMPARE(fixed->setups, 1);
    }

    void newDocumentRefreshesCreatedPanelsOnly() {
        CountingPanel* created = Install(Panel::Variables, Side::Right);
        CountingPanel* never = Install(Panel::Latin, Side::Left);
        m_frame->Panels().Toggle(Panel::Variables);
        QCOMPARE(created->reads, 1);
        Trigger("actionFileNew");
        QCOMPARE(created->reads, 2);
        QCOMPARE(never->reads, 0);
        QVERIFY(!never->IsCreated());
    }

    void fieldExpressionsUseTheDocument() {
        CountingPanel* panel = Install(Panel::Latin, Side::Left);
        QCOMPARE(panel->EvaluateExpressionText(QStringLiteral("1,5*2")), QString());
        m_frame->Panels().Toggle(Panel::Latin);
        QCOMPARE(panel->EvaluateExpressionText(QStringLiteral("1,5*2")), QStringLiteral("3"));
    }
};

VYX_WIDGET_TEST_MAIN(PanelBaseTest)

#include "test_panel_base.moc"
