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

    int setups = 0, reads = 0, afterFirstRefresh = 0;

protected:
    void SetupControls() override { ++setups, setFixedSize(m_size); }
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
    void Toggle(Panel panel) { m_frame->Panels().Toggle(panel); }
    static QList<int> Counts(const CountingPanel* p) {
        return {p->setups, p->reads, p->afterFirstRefresh};
    }

private slots:
    void placementBesideTheOwner_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<int>("expectedX");
        // A panel 100 wide on a screen 1000 wide.
        // clang-format off
        QTest::newRow("left, room")           << int(Side::Left)  << QRect(300, 50, 400, 300) << 200;
        QTest::newRow("left, exactly room")   << int(Side::Left)  << QRect(100, 50, 400, 300) << 0;
        QTest::newRow("left, no room")        << int(Side::Left)  << QRect(99, 50, 400, 300)  << 0;
        QTest::newRow("right, room")          << int(Side::Right) << QRect(300, 50, 400, 300) << 700;
        QTest::newRow("right, exactly room")  << int(Side::Right) << QRect(500, 0, 400, 300)  << 900;
        QTest::newRow("right, no room")       << int(Side::Right) << QRect(501, 0, 400, 300)  << 900;
        // clang-format on
    }
    void placementBesideTheOwner() {
        QFETCH(int, side);
        QFETCH(QRect, owner);
        QFETCH(int, expectedX);
        QCOMPARE(C_VYXDlgFix::PlacementX(Side(side), owner, 100, 1000), expectedX);
    }

    void createdOnceOnFirstShowThenHiddenAndShownAgain() {
        CountingPanel* fixed = Install(Panel::Conversion, Side::Right, true);
        CountingPanel* closable = Install(Panel::Greek, Side::Right, false);
        QVERIFY(!fixed->IsCreated());
        Toggle(Panel::Conversion);
        QVERIFY(m_frame->Panels().IsShown(Panel::Conversion));
        QCOMPARE(Counts(fixed), (QList<int>{1, 1, 1}));
        Toggle(Panel::Conversion);
        QVERIFY(!m_frame->Panels().IsShown(Panel::Conversion));
        Toggle(Panel::Conversion);
        Toggle(Panel::Greek);
        // Escape hides only the panels that do not stay open; the close box hides any.
        QTest::keyClick(fixed, Qt::Key_Escape);
        QVERIFY(fixed->isVisible());
        QTest::keyClick(closable, Qt::Key_Escape);
        QVERIFY(!closable->isVisible());
        QVERIFY(fixed->close());
        QVERIFY(!fixed->isVisible());
        // Hidden, not destroyed: showing again does not build it anew.
        Toggle(Panel::Conversion);
        QVERIFY(fixed->isVisible());
        QCOMPARE(fixed->setups, 1);
    }

    void createdPanelsStandBesideTheOwnerAndPartnersStack() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_frame->setGeometry(screen.width() / 3, screen.height() / 3, screen.width() / 3,
                             screen.height() / 3);
        CountingPanel* numpad = Install(Panel::Numpad, Side::Left, true, QSize(100, 140));
        CountingPanel* trig = Install(Panel::Trigonometry, Side::Left, true, QSize(100, 80));
        CountingPanel* right = Install(Panel::Math, Side::Right);
        Toggle(Panel::Numpad);
        Toggle(Panel::Math);
        const QRect owner = m_frame->frameGeometry();
        QCOMPARE(numpad->frameGeometry().right() + 1, owner.left());
        QCOMPARE(right->frameGeometry().left(), owner.left() + owner.width());
        QCOMPARE(numpad->frameGeometry().top(), owner.top());
        QCOMPARE(numpad->OffsetY(), 0);
        Toggle(Panel::Trigonometry);
        QCOMPARE(trig->OffsetY(), numpad->frameGeometry().height());
        QCOMPARE(trig->frameGeometry().top(), owner.top() + trig->OffsetY());
        // With the partner hidden the next show starts at the owner's top again.
        Toggle(Panel::Trigonometry);
        Toggle(Panel::Numpad);
        Toggle(Panel::Trigonometry);
        QCOMPARE(trig->OffsetY(), 0);
    }

    void newDocumentRefreshesCreatedPanelsAndFieldsUseIt() {
        CountingPanel* created = Install(Panel::Variables, Side::Right);
        CountingPanel* never = Install(Panel::Latin, Side::Left);
        // Without a created panel there is nothing to evaluate with.
        QCOMPARE(never->EvaluateExpressionText(QStringLiteral("1,5*2")), QString());
        Toggle(Panel::Variables);
        QCOMPARE(created->EvaluateExpressionText(QStringLiteral("1,5*2")), QStringLiteral("3"));
        Trigger("actionFileNew");
        QCOMPARE(created->reads, 2);
        QCOMPARE(never->reads, 0);
        QVERIFY(!never->IsCreated());
    }
};

VYX_WIDGET_TEST_MAIN(PanelBaseTest)

#include "test_panel_base.moc"
