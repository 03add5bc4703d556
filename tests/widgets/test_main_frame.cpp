// SPDX-License-Identifier: MIT
// Tests of the main window: Settings and Edit menus, geometry, the File shortcuts
// from a tool panel, and the frames of its message boxes.
#include "C_VYXQtMessageBoxes.h"
#include "C_VYXToolbarSet.h"
#include "C_VYXWindowFrame.h"
#include "C_VYXWindowGeometry.h"
#include "WidgetTestSupport.h"

#include <climits>

class MainFrameTest : public MainFrameFixture {
    Q_OBJECT

private:
    QStringList Checked(std::initializer_list<const char*> names) {
        QStringList checked;
        for (const char* name : names)
            if (Action(name)->isChecked())
                checked.append(QString::fromLatin1(name));
        return checked;
    }

private slots:
    void settingsMenusReachTheRecordAndTheArea() {
        // The results of each display choice are the document's; one choice shows the wiring.
        Trigger("actionShowRationalOnly");
        QCOMPARE(
            Checked({"actionShowRationalAndReal", "actionShowRationalOnly", "actionShowRealOnly"}),
            QStringList{"actionShowRationalOnly"});
        TypeLine(u"1/3"_s);
        QCOMPARE(View()->Model().Text(), u"1/3\r\n1/3\r\n"_s);
        // A font size chosen twice is stored and applied once each time.
        for (int round = 1; round <= 2; ++round) {
            Doc().SetModifiedFlag(false);
            Trigger("actionFontSize16");
            QCOMPARE(View()->AppliedFontSize(), 16);
            QCOMPARE(Checked({"actionFontSize8", "actionFontSize12", "actionFontSize16"}),
                     QStringList{"actionFontSize16"});
            QVERIFY(Doc().IsModified());
        }
        // Always on top, twice, returns to a normal window.
        for (const bool onTop : {true, false}) {
            Trigger("actionAlwaysOnTop");
            QCOMPARE(Action("actionAlwaysOnTop")->isChecked(), onTop);
            QCOMPARE(m_frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(m_frame->isVisible());
        }
    }

    void editActionsFollowTheArea() {
        auto enabled = [this](const char* name) { return Action(name)->isEnabled(); };
        QVERIFY(!enabled("actionEditUndo") && !enabled("actionEditCut") &&
                !enabled("actionEditCopy"));
        QTest::keyClicks(View(), u"12"_s);
        QVERIFY(enabled("actionEditUndo") && !enabled("actionEditRedo"));
        Trigger("actionEditSelectAll");
        QVERIFY(enabled("actionEditCut") && enabled("actionEditCopy"));
        Trigger("actionEditCopy");
        QCOMPARE(QApplication::clipboard()->text(), u"12"_s);
        QVERIFY(enabled("actionEditPaste"));
        Trigger("actionEditUndo");
        QVERIFY(enabled("actionEditRedo"));
        Trigger("actionEditRedo");
        QCOMPARE(View()->Model().Text(), u"12"_s);
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!enabled("actionEditPaste"));
    }

    void fileShortcutsWorkFromAPanel() {
        QTest::keyClicks(View(), u"7*6"_s);
        FakePanel* panel = InstallFake(Panel::Conversion, Side::Right);
        m_frame->Panels().Toggle(Panel::Conversion);
        panel->activateWindow();
        panel->field->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(panel));
        // The edit keys stay with the window that holds the area.
        QTest::keyClick(panel->field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(View()->Model().Text(), u"7*6"_s);
        const QString saved = m_env->TempPath(u"fromPanel.vyx"_s);
        m_env->fileChooser.savePaths.enqueue(saved);
        QTest::keyClick(panel->field, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(saved) && !Doc().IsModified());
    }

    void firstStartAndFilePlacementsFitTheScreen() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect window = m_frame->geometry();
        QVERIFY(window.width() >= screen->geometry().width() / 3);
        QVERIFY(window.height() >= screen->geometry().height() / 3);
        QVERIFY(screen->availableGeometry().contains(window));
        // The docked bars stand in order in one row, none with buttons behind an overflow arrow.
        const QToolBar* previous = nullptr;
        for (int id : {128, 174, 205}) {
            const QToolBar* bar = m_frame->Toolbars().Toolbar(id);
            QVERIFY2(m_frame->toolBarArea(bar) == Qt::TopToolBarArea && bar->isVisible() &&
                         bar->width() >= bar->sizeHint().width() &&
                         (previous == nullptr ||
                          (bar->y() == previous->y() && bar->x() > previous->geometry().right())),
                     qPrintable(bar->objectName()));
            previous = bar;
        }
        const auto* pane = m_frame->findChild<QLabel*>(u"statusMessagePane"_s);
        QVERIFY(pane->width() >= pane->fontMetrics().horizontalAdvance(pane->text()));

        // Name, screen, its available part, the bars' minimum size, the window's place.
        // clang-format off
        const std::tuple<const char*, QRect, QRect, QSize, QRect> cases[] = {
            // A third of a screen whose size is not divisible by 3, centred.
            {"third", {1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}, {0, 0}, {2347, 341, 426, 341}},
            {"wider for the toolbars", {0, 0, 1200, 900}, {0, 0, 1200, 900}, {700, 100},
             {250, 300, 700, 300}},
            {"never beyond the screen", {0, 0, 800, 500}, {0, 0, 800, 470}, {900, 200},
             {0, 150, 800, 200}},
            {"below a panel bar", {0, 0, 600, 300}, {0, 30, 600, 270}, {0, 250},
             {200, 30, 200, 250}},
        };
        // clang-format on
        for (const auto& [name, whole, available, minimum, expected] : cases)
            QVERIFY2(C_VYXWindowGeometry::FirstStartGeometry(whole, available, minimum) == expected,
                     name);

        // A placement from a file is fitted to the screen.
        auto fitted = [](int left, int top, int right, int bottom) {
            const C_VYXWindowPlacement placement{
                .normalBottom = bottom, .normalLeft = left, .normalRight = right, .normalTop = top};
            return C_VYXWindowGeometry::FittedRect(placement, QRect(0, 0, 800, 600));
        };
        QCOMPARE(fitted(500, 20, 10, 320), QRect()); // inverted is refused
        QCOMPARE(fitted(INT_MIN, INT_MIN, INT_MAX, INT_MAX), QRect(0, 0, 800, 600));
        QCOMPARE(fitted(0, 0, 3, 3), QRect(0, 0, 160, 120)); // tiny grows
    }

    // Wide enough for the window manager to show the whole caption. (QMessageBox sets its own
    // title-bar buttons whatever flags it is given; the panels' frames are checked on a real X
    // server.)
    void messageBoxesAreWideEnoughForTheirCaptions() {
        // A short text under a long caption, as the variables panel shows it.
        const QString caption = u"Illegal variable name."_s;
        const std::unique_ptr<QMessageBox> box = C_VYXQtMessageBoxes::MakeBox(
            m_frame.get(), QMessageBox::Critical, caption,
            u"The variable name:\nsin\nis not allowed!!"_s, QMessageBox::Ok, QMessageBox::Ok);
        // Shown without waiting for an answer.
        box->setWindowModality(Qt::NonModal);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QVERIFY(box->width() >= C_VYXWindowFrame::WidthForTitle(caption));
        // The caption needs more than the text would give the box.
        QVERIFY(box->fontMetrics().horizontalAdvance(u"is not allowed!!"_s) <
                C_VYXWindowFrame::WidthForTitle(caption) / 2);
    }
};

VYX_WIDGET_TEST_MAIN(MainFrameTest)

#include "test_main_frame.moc"
