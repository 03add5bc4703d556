// SPDX-License-Identifier: MIT
// Tests of the aids for keyboard and screen-reader users in a real main window: the completion
// list of the calculation area, the panel and copy shortcuts, and the controls' names.
#include "C_VYXCompletionPopup.h"
#include "WidgetTestSupport.h"

class KeyboardAidsTest : public MainFrameFixture {
    Q_OBJECT

private slots:
    void tabEscapeAndEnterWithTheCompletionList() {
        const auto& list = *View()->findChild<C_VYXCompletionPopup*>();
        const auto type = [this](const QString& keys) {
            QTest::keyClicks(View(), keys);
            QCoreApplication::processEvents(); // the list follows once the edit is done
        };
        type(u"2*si"_s);
        QCOMPARE(list.Offered(), QStringList({"sin", "sinh"}));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(View(), Qt::Key_Tab);
        QCOMPARE(Area().Text(), u"2*sinh"_s);
        QVERIFY(View()->hasFocus() && Area().Undo()); // one step back to "2*si"
        QTest::keyClick(View(), Qt::Key_Escape);
        QVERIFY(!list.IsShown());
        type(u"n"_s); // typing opens it again
        QCOMPARE(list.Offered(), QStringList({"sinh"}));
        type(u"(0)\r"_s);
        TypeLine(u"pay=7"_s);
        TypeLine(u"payment=1"_s);
        type(u"2*pay"_s);
        QCOMPARE(list.Offered(), QStringList({"payment"}));
        QTest::keyClick(View(), Qt::Key_Return); // evaluates the line as it stands
        QVERIFY2(Area().Text().endsWith(u"2*pay\r\n14\r\n"_s), qPrintable(Area().Text()));
    }

    void panelAndCopyShortcuts() {
        for (int i = 0; i < C_VYXPanelSet::kCount; ++i)
            QTest::keyClick(&m_frame->TextView(), Qt::Key(Qt::Key_1 + i), Qt::ControlModifier);
        for (int i = 0; i < C_VYXPanelSet::kCount; ++i)
            QVERIFY(m_frame->Panels().IsShown(Panel(i)));
        QTest::keyClick(&m_frame->TextView(), Qt::Key_4, Qt::ControlModifier); // in menu order
        QVERIFY(!m_frame->Panels().IsShown(Panel::Variables));
        QStringList keys; // no two commands share a key
        for (const QAction* action : m_frame->findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts())
                keys.append(key.toString());
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        TypeLine(u"1/6+1/3"_s);
        TypeLine(u"1/0"_s);
        // From a panel too; the value without the "//≈" part.
        QTest::keyClick(m_frame->Panels().Get(Panel::Numpad), Qt::Key_C,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), u"1/2"_s);
    }

    void everyControlOfThePanelsAndToolbarsHasAName() {
        QList<QWidget*> roots = {&m_frame->TextView()};
        for (int i = 0; i < C_VYXPanelSet::kCount; ++i)
            roots.append(ShowPanel(Panel(i)));
        for (QToolBar* bar : m_frame->findChildren<QToolBar*>())
            roots.append(bar);
        QStringList nameless;
        for (QWidget* root : roots) {
            const QList<QWidget*> widgets = root->findChildren<QWidget*>() << root;
            for (QWidget* widget : widgets) {
                const auto* button = qobject_cast<QAbstractButton*>(widget);
                // Buttons that only fill a gap, and Qt's own parts of scroll areas, boxes and bars.
                if (widget->window() != root->window() || widget->inherits("QScrollBar") ||
                    qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr ||
                    widget->objectName().startsWith(u"qt_"_s) ||
                    (button != nullptr && !button->isEnabled() && button->text().isEmpty()))
                    continue;
                const QAccessibleInterface* name = QAccessible::queryAccessibleInterface(widget);
                if ((button != nullptr || widget->focusPolicy() != Qt::NoFocus) &&
                    (name == nullptr || name->text(QAccessible::Name).isEmpty()))
                    nameless.append(widget->objectName() + u' ' +
                                    widget->metaObject()->className());
            }
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", ")));
    }
};

VYX_WIDGET_TEST_MAIN(KeyboardAidsTest)
#include "test_keyboard_aids.moc"
