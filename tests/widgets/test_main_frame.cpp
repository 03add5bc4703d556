// SPDX-License-Identifier: MIT
// Tests of the main window: title, status pane, Settings and Edit menus, geometry, drops,
// and the File shortcuts from a tool panel.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXDlgFix.h"
#include "C_VYXStatusBar.h"
#include "C_VYXWindowGeometry.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <climits>

namespace {

/// A panel with a text field that has the keyboard, as the converter's value field would.
class FieldPanel : public C_VYXDlgFix {
public:
    explicit FieldPanel(C_VYXPanelOwner& owner)
        : C_VYXDlgFix(owner, 163, QStringLiteral("Field"), Side::Right) {}
    QLineEdit* field = nullptr;

protected:
    void SetupControls() override {
        field = new QLineEdit(this);
        setFixedSize(160, 60);
    }
    void ReadSettings() override {}
};

} // namespace

class MainFrameTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcTextView* View() { return &m_frame->TextView(); }
    C_VYXCalcTextNFO& Record() { return m_frame->Document().Settings().CalcText(); }
    QStringList CheckedDisplayItems() {
        QStringList checked;
        for (const char* name :
             {"actionShowRationalAndReal", "actionShowRationalOnly", "actionShowRealOnly"})
            if (Action(name)->isChecked())
                checked.append(QString::fromLatin1(name));
        return checked;
    }

private slots:
    void titleShowsNameAndModifiedMarker() {
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Untitled[*] - TobrikCalculator"));
        QVERIFY(!m_frame->isWindowModified());
        QTest::keyClicks(View(), QStringLiteral("1"));
        QVERIFY(m_frame->isWindowModified());
    }

    void statusPaneCountsCalculations() {
        QCOMPARE(m_frame->StatusBar().StatusText(), QStringLiteral("Number of calculations: 0"));
        for (const QString& line : {QStringLiteral("1+1"), QStringLiteral("5+"),
                                    QStringLiteral("2*2"), QStringLiteral("1/3")}) {
            QTest::keyClicks(View(), line);
            QTest::keyClick(View(), Qt::Key_Return);
        }
        // The failing "5+" is not counted.
        QCOMPARE(m_frame->StatusBar().StatusText(), QStringLiteral("Number of calculations: 3"));
    }

    void solutionDisplayChoice_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("showReal");
        QTest::addColumn<int>("showRational");
        QTest::addColumn<QString>("result");
        QTest::newRow("rational only") << "actionShowRationalOnly" << 0 << 1 << "1/3\r\n";
        QTest::newRow("real only") << "actionShowRealOnly" << 1 << 0 << "0.333333\r\n";
        QTest::newRow("both") << "actionShowRationalAndReal" << 1 << 1
                              << QStringLiteral("1/3 //\u22480.333333\r\n");
    }

    void solutionDisplayChoice() {
        QFETCH(QString, action);
        QFETCH(int, showReal);
        QFETCH(int, showRational);
        QFETCH(QString, result);
        Action("actionShowRealOnly")->trigger(); // start away from every row's choice
        Action(qPrintable(action))->trigger();
        QCOMPARE(Record().showReal, showReal);
        QCOMPARE(Record().showRational, showRational);
        QCOMPARE(CheckedDisplayItems(), QStringList{action});
        QVERIFY(m_frame->Document().IsModified());
        QVERIFY(m_frame->isWindowModified());
        QTest::keyClicks(View(), QStringLiteral("1/3"));
        QTest::keyClick(View(), Qt::Key_Return);
        QCOMPARE(View()->Model().Text(), QStringLiteral("1/3\r\n") + result);
    }

    void fontSizeChosenTwiceStoresOnce() {
        Action("actionFontSize16")->trigger();
        QCOMPARE(Record().fontSize, 16);
        QCOMPARE(View()->AppliedFontSize(), 16);
        QVERIFY(Action("actionFontSize16")->isChecked());
        QVERIFY(!Action("actionFontSize12")->isChecked());
        m_frame->Document().SetModifiedFlag(false);
        Action("actionFontSize16")->trigger();
        QCOMPARE(Record().fontSize, 16);
        QCOMPARE(Record().fontChanged, 0);
        QVERIFY(Action("actionFontSize16")->isChecked());
        QVERIFY(m_frame->Document().IsModified());
    }

    void menusFollowTheRecord_data() {
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("showReal");
        QTest::addColumn<int>("showRational");
        QTest::addColumn<QString>("fontItem");
        QTest::addColumn<QStringList>("displayItems");
        QTest::newRow("10, rational only")
            << 10 << 0 << 1 << "actionFontSize10" << QStringList{"actionShowRationalOnly"};
        QTest::newRow("unknown size checks 12")
            << 11 << 1 << 0 << "actionFontSize12" << QStringList{"actionShowRealOnly"};
        QTest::newRow("neither flag checks nothing")
            << 14 << 0 << 0 << "actionFontSize14" << QStringList{};
    }

    void menusFollowTheRecord() {
        QFETCH(int, fontSize);
        QFETCH(int, showReal);
        QFETCH(int, showRational);
        QFETCH(QString, fontItem);
        QFETCH(QStringList, displayItems);
        Record().fontSize = fontSize;
        Record().showReal = showReal;
        Record().showRational = showRational;
        View()->OnUpdate();
        // The sync runs after the update's event, as a posted message would.
        QTRY_COMPARE(CheckedDisplayItems(), displayItems);
        QVERIFY(Action(qPrintable(fontItem))->isChecked());
        int checkedFonts = 0;
        for (const char* name : {"actionFontSize8", "actionFontSize10", "actionFontSize12",
                                 "actionFontSize14", "actionFontSize16"})
            checkedFonts += Action(name)->isChecked() ? 1 : 0;
        QCOMPARE(checkedFonts, 1);
    }

    void editActionsFollowTheArea() {
        QVERIFY(!Action("actionEditUndo")->isEnabled());
        QVERIFY(!Action("actionEditCut")->isEnabled());
        QVERIFY(!Action("actionEditCopy")->isEnabled());
        QTest::keyClicks(View(), QStringLiteral("12"));
        QVERIFY(Action("actionEditUndo")->isEnabled());
        QVERIFY(!Action("actionEditRedo")->isEnabled());
        Action("actionEditSelectAll")->trigger();
        QVERIFY(Action("actionEditCut")->isEnabled());
        QVERIFY(Action("actionEditCopy")->isEnabled());
        Action("actionEditCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        QVERIFY(Action("actionEditPaste")->isEnabled());
        Action("actionEditUndo")->trigger();
        QCOMPARE(View()->Model().Text(), QStringLiteral("1"));
        QVERIFY(Action("actionEditRedo")->isEnabled());
        Action("actionEditRedo")->trigger();
        QCOMPARE(View()->Model().Text(), QStringLiteral("12"));
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!Action("actionEditPaste")->isEnabled());
    }

    void alwaysOnTopTwiceReturnsToNormal() {
        QAction* onTop = Action("actionAlwaysOnTop");
        onTop->trigger();
        QVERIFY(onTop->isChecked());
        QVERIFY(m_frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_frame->isVisible());
        onTop->trigger();
        QVERIFY(!onTop->isChecked());
        QVERIFY(!m_frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_frame->isVisible());
    }

    void fileShortcutsWorkFromAPanel_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("reachesTheWindow");
        QTest::newRow("Ctrl+S saves") << int(Qt::Key_S) << true;
        QTest::newRow("Ctrl+N starts a new document") << int(Qt::Key_N) << true;
        // The edit keys stay with the window that holds the area.
        QTest::newRow("Ctrl+Z stays in the panel") << int(Qt::Key_Z) << false;
    }

    void fileShortcutsWorkFromAPanel() {
        QFETCH(int, key);
        QFETCH(bool, reachesTheWindow);
        QTest::keyClicks(View(), QStringLiteral("7*6"));
        QTest::keyClick(View(), Qt::Key_Return);
        const QString saved = m_env->TempPath(QStringLiteral("fromPanel.vyx"));
        if (key == Qt::Key_S) {
            m_env->fileChooser.savePaths.enqueue(saved);
        } else if (key == Qt::Key_N) {
            m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No); // don't save
        }
        m_frame->Panels().Install(C_VYXPanelSet::Panel::Conversion,
                                  std::make_unique<FieldPanel>(*m_frame));
        m_frame->Panels().Toggle(C_VYXPanelSet::Panel::Conversion);
        auto* panel =
            static_cast<FieldPanel*>(m_frame->Panels().Get(C_VYXPanelSet::Panel::Conversion));
        panel->activateWindow();
        panel->field->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(panel));
        const QString before = View()->Model().Text();

        QTest::keyClick(panel->field, Qt::Key(key), Qt::ControlModifier);

        if (key == Qt::Key_S) {
            QVERIFY(QFileInfo::exists(saved));
            QVERIFY(!m_frame->Document().IsModified());
        } else if (key == Qt::Key_N) {
            QCOMPARE(View()->Model().Text(), QString());
        }
        if (!reachesTheWindow)
            QCOMPARE(View()->Model().Text(), before);
    }

    void firstStartIsAThirdOfTheScreenCentred() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const C_VYXWindowPlacement placement = C_VYXWindowGeometry::PlacementOf(*m_frame);
        QCOMPARE(placement.NormalWidth(), screen.width() / 3);
        QCOMPARE(placement.NormalHeight(), screen.height() / 3);
    }

    void firstStartGeometry_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("window");
        QTest::newRow("full HD") << QRect(0, 0, 1920, 1080) << QRect(640, 360, 640, 360);
        QTest::newRow("sizes not divisible by 3")
            << QRect(0, 0, 1366, 768) << QRect(455, 256, 455, 256);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(2347, 341, 426, 341);
    }

    void firstStartGeometry() {
        QFETCH(QRect, screen);
        QFETCH(QRect, window);
        QCOMPARE(C_VYXWindowGeometry::FirstStartGeometry(screen), window);
    }

    void placementFromFileIsFitted_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("inside stays") << 10 << 20 << 410 << 320 << QRect(10, 20, 400, 300);
        QTest::newRow("empty is refused") << 10 << 20 << 10 << 320 << QRect();
        QTest::newRow("inverted is refused") << 500 << 20 << 10 << 320 << QRect();
        QTest::newRow("off screen moves in")
            << 5000 << -900 << 5400 << -600 << QRect(400, 0, 400, 300);
        QTest::newRow("extreme corners")
            << INT_MIN << INT_MIN << INT_MAX << INT_MAX << QRect(0, 0, 800, 600);
        QTest::newRow("tiny grows") << 0 << 0 << 3 << 3 << QRect(0, 0, 160, 120);
    }

    void placementFromFileIsFitted() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, right);
        QFETCH(int, bottom);
        QFETCH(QRect, fitted);
        C_VYXWindowPlacement placement;
        placement.normalLeft = left;
        placement.normalTop = top;
        placement.normalRight = right;
        placement.normalBottom = bottom;
        QCOMPARE(C_VYXWindowGeometry::FittedRect(placement, QRect(0, 0, 800, 600)), fitted);
    }

    void droppedDocumentIsFound_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("path");
        QTest::newRow("a document")
            << QList<QUrl>{QUrl::fromLocalFile("/tmp/a.vyx")} << "/tmp/a.vyx";
        QTest::newRow("upper-case extension")
            << QList<QUrl>{QUrl::fromLocalFile("/tmp/B.VYX")} << "/tmp/B.VYX";
        QTest::newRow("first document after other files")
            << QList<QUrl>{QUrl::fromLocalFile("/tmp/n.txt"), QUrl::fromLocalFile("/tmp/c.vyx")}
            << "/tmp/c.vyx";
        QTest::newRow("no document") << QList<QUrl>{QUrl::fromLocalFile("/tmp/n.txt")} << "";
        QTest::newRow("remote file") << QList<QUrl>{QUrl("http://example.org/a.vyx")} << "";
    }

    void droppedDocumentIsFound() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, path);
        QMimeData data;
        data.setUrls(urls);
        QCOMPARE(C_MainFrm::DroppedDocument(&data), path);
    }
};

VYX_WIDGET_TEST_MAIN(MainFrameTest)

#include "test_main_frame.moc"
