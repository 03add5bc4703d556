// SPDX-License-Identifier: MIT
// Tests of the variables panel and the variables toolbar: adding through the fields, the
// questions and error boxes, deleting and using, and both following every change of the list.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXCalcVariablesView.h"
#include "C_VYXPanelSet.h"
#include "C_VYXToolbarVariables.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>


namespace {

using Answer = C_VYXMessageBoxes::Answer;
using Kind = C_VYXScriptedMessageBoxes::Kind;
using Panel = C_VYXPanelSet::Panel;

/// How the user confirms the fields.
enum class Confirm { EnterInName, EnterInValue, AddButton };

QStringList ItemTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QStringList ItemTexts(const QComboBox* combo) {
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
        texts.append(combo->itemText(index));
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Confirm)

class VariablesPanelTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcVariablesView* m_pPanel = nullptr;

    /// Installs the panel and shows it, as the View menu would.
    C_VYXCalcVariablesView* ShowPanel() {
        auto panel = std::make_unique<C_VYXCalcVariablesView>(*m_frame);
        m_pPanel = panel.get();
        m_frame->Panels().Install(Panel::Variables, std::move(panel));
        m_frame->Panels().Toggle(Panel::Variables);
        return m_pPanel;
    }
    C_VYXToolbarVariables* MakeToolbar() {
        auto* toolbar = new C_VYXToolbarVariables(*m_frame, m_frame.get());
        m_frame->addToolBar(toolbar);
        return toolbar;
    }
    template <typename T> T* Control(const char* name) const {
        T* control = m_pPanel->findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit* NameEdit() const { return Control<QLineEdit>("editVariableName"); }
    QLineEdit* ValueEdit() const { return Control<QLineEdit>("editVariableValue"); }
    QListWidget* List() const { return Control<QListWidget>("listVariables"); }
    QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }
    C_VYXCalcAreaModel& Area() { return m_frame->TextView().Model(); }
    QStringList ListTexts() const { return ItemTexts(List()); }

    /// Types the two fields as the user would, replacing what they held, then confirms.
    void Define(const QString& name, const QString& value,
                Confirm confirm = Confirm::EnterInValue) {
        NameEdit()->selectAll();
        QTest::keyClick(NameEdit(), Qt::Key_Delete);
        QTest::keyClicks(NameEdit(), name);
        ValueEdit()->selectAll();
        QTest::keyClick(ValueEdit(), Qt::Key_Delete);
        QTest::keyClicks(ValueEdit(), value);
        switch (confirm) {
        case Confirm::EnterInName:
            QTest::keyClick(NameEdit(), Qt::Key_Return);
            break;
        case Confirm::EnterInValue:
            QTest::keyClick(ValueEdit(), Qt::Key_Return);
            break;
        case Confirm::AddButton:
            QTest::mouseClick(Button("buttonAdd"), Qt::LeftButton);
            break;
        }
    }
    void ClickRow(int row) {
        QListWidget* list = List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void TypeLine(const QString& line) {
        QTest::keyClicks(&m_frame->TextView(), line);
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
    }
    /// The enabling of Add, Del, Delete all. and Use selected., in that order.
    QList<bool> ButtonStates() const {
        return {Button("buttonAdd")->isEnabled(), Button("buttonDel")->isEnabled(),
                Button("buttonDeleteAll")->isEnabled(), Button("buttonUseSelected")->isEnabled()};
    }

private slots:
    void confirmingTheFieldsAddsOnceAndTheListIsSorted_data() {
        QTest::addColumn<Confirm>("confirm");
        QTest::newRow("Enter in the name field") << Confirm::EnterInName;
        QTest::newRow("Enter in the value field") << Confirm::EnterInValue;
        QTest::newRow("Add button") << Confirm::AddButton;
    }
    void confirmingTheFieldsAddsOnceAndTheListIsSorted() {
        QFETCH(Confirm, confirm);
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("b"), QStringLiteral("2"), confirm);
        Define(QStringLiteral("A"), QStringLiteral("1"), confirm);
        Define(QStringLiteral("c"), QStringLiteral("A+b"), confirm);
        // A second add of the same name would have asked to overwrite: each was added once.
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        QCOMPARE(ListTexts(), QStringList({"A = 1", "b = 2", "c = A+b = 3"}));
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList({"A = 1", "b = 2", "c = 3"}));
        // Enter never closes the panel; the fields keep the last definition.
        QVERIFY(m_pPanel->isVisible());
        QCOMPARE(NameEdit()->text(), QStringLiteral("c"));
        QCOMPARE(ValueEdit()->text(), QStringLiteral("A+b"));
        QVERIFY(m_frame->Document().IsModified());
        // The title shows it at once, although the calculation area did not change.
        QVERIFY(m_frame->isWindowModified());
    }

    void badInputShowsOneErrorBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("nameAfter");
        QTest::newRow("no value") << "x"
                                  << ""
                                  << "ERROR!!"
                                  << "No value entered!!"
                                  << "x";
        QTest::newRow("no name") << ""
                                 << "1"
                                 << "ERROR!!"
                                 << "No variable name entered!!"
                                 << "";
        QTest::newRow("numeric name") << "12"
                                      << "1"
                                      << "ERROR!!"
                                      << "Variable name is not allowed to be numeric."
                                      << "12";
        QTest::newRow("function name") << "sin"
                                       << "1"
                                       << "Illegal variable name."
                                       << "The variable name:\nsin\nis not allowed!!"
                                       << "sin";
        QTest::newRow("constant") << "PI"
                                  << "1"
                                  << "Illegal variable name."
                                  << "The variable name:\nPI\nis not allowed!!"
                                  << "PI";
        QTest::newRow("evaluates to a number")
            << "2pi"
            << "1"
            << "ERROR!!"
            << "Variable name can be evaluated to a nummeric expression.\r\nThis kind of "
               "variable name is not allowed!!"
            << "";
        QTest::newRow("bad value") << "x"
                                   << "1/0"
                                   << "ERROR!!"
                                   << "ERRROR!! DIVISION BY ZERO!!"
                                   << "x";
    }
    void badInputShowsOneErrorBox() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, nameAfter);
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("keep"), QStringLiteral("4"));
        Define(name, value);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::Error));
        QCOMPARE(box.caption, caption);
        QCOMPARE(box.text, text);
        QCOMPARE(ListTexts(), QStringList{"keep = 4"});
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList{"keep = 4"});
        QCOMPARE(NameEdit()->text(), nameAfter);
        QCOMPARE(ValueEdit()->text(), value);
        QCOMPARE(Button("buttonAdd")->isEnabled(), !nameAfter.isEmpty() && !value.isEmpty());
    }

    void redefiningAsksToOverwrite_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QStringList>("expectedList");
        QTest::addColumn<QStringList>("expectedToolbar");
        QTest::newRow("Yes") << true << QStringList({"A = 5", "B = 2", "C = A+B = 7"})
                             << QStringList({"A = 5", "B = 2", "C = 7"});
        QTest::newRow("No") << false << QStringList({"A = 1", "B = 2", "C = A+B = 3"})
                            << QStringList({"A = 1", "B = 2", "C = 3"});
    }
    void redefiningAsksToOverwrite() {
        QFETCH(bool, overwrite);
        QFETCH(QStringList, expectedList);
        QFETCH(QStringList, expectedToolbar);
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        Define(QStringLiteral("B"), QStringLiteral("2"));
        Define(QStringLiteral("C"), QStringLiteral("A+B"));
        m_env->messageBoxes.QueueAnswer(overwrite ? Answer::Yes : Answer::No);
        Define(QStringLiteral("A"), QStringLiteral("5"));
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::YesNo));
        QCOMPARE(box.caption, QStringLiteral("OVERWRITE?"));
        QCOMPARE(box.text, QStringLiteral("The variable name\nA\nalready exists!! Overwrite?"));
        QCOMPARE(ListTexts(), expectedList);
        QCOMPARE(ItemTexts(toolbar->Combo()), expectedToolbar);
    }

    void buttonsFollowFieldsAndSelection() {
        ShowPanel();
        QCOMPARE(ButtonStates(), QList<bool>({false, false, false, false}));
        QTest::keyClicks(NameEdit(), QStringLiteral("v"));
        QCOMPARE(ButtonStates(), QList<bool>({false, false, false, false}));
        QTest::keyClicks(ValueEdit(), QStringLiteral("4"));
        QCOMPARE(ButtonStates(), QList<bool>({true, false, false, false}));
        QTest::keyClick(ValueEdit(), Qt::Key_Return);
        QCOMPARE(ButtonStates(), QList<bool>({true, false, true, false}));
        QTest::keyClick(ValueEdit(), Qt::Key_Backspace);
        QCOMPARE(ButtonStates(), QList<bool>({false, false, true, false}));

        ClickRow(0);
        QCOMPARE(List()->currentRow(), 0);
        QCOMPARE(NameEdit()->text(), QStringLiteral("v"));
        QCOMPARE(ValueEdit()->text(), QStringLiteral("4"));
        QCOMPARE(ButtonStates(), QList<bool>({true, true, true, true}));
    }

    void selectingShowsTheDefinitionAndDelRemovesIt() {
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        Define(QStringLiteral("B"), QStringLiteral("A*2"));
        Define(QStringLiteral("K"), QStringLiteral("4"));
        ClickRow(1);
        QCOMPARE(NameEdit()->text(), QStringLiteral("B"));
        QCOMPARE(ValueEdit()->text(), QStringLiteral("A*2"));
        ClickRow(0);
        QCOMPARE(NameEdit()->text(), QStringLiteral("A"));
        QCOMPARE(ValueEdit()->text(), QStringLiteral("1"));

        QTest::mouseClick(Button("buttonDel"), Qt::LeftButton);
        // The dependant can no longer be evaluated.
        QCOMPARE(ListTexts(), QStringList({"B = A*2 = ERROR", "K = 4"}));
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList({"B = ERROR", "K = 4"}));
        QCOMPARE(NameEdit()->text(), QString());
        QCOMPARE(ValueEdit()->text(), QString());
        QCOMPARE(List()->currentRow(), -1);
        QCOMPARE(ButtonStates(), QList<bool>({false, false, true, false}));
    }

    void deleteAllAsksFirst_data() {
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("No keeps everything") << false;
        QTest::newRow("Yes empties everything") << true;
    }
    void deleteAllAsksFirst() {
        QFETCH(bool, answerYes);
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        Define(QStringLiteral("B"), QStringLiteral("2"));
        m_env->messageBoxes.QueueAnswer(answerYes ? Answer::Yes : Answer::No);
        QTest::mouseClick(Button("buttonDeleteAll"), Qt::LeftButton);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::YesNo));
        QCOMPARE(box.caption, QStringLiteral("Delete all?"));
        QCOMPARE(box.text, QStringLiteral("Delete all variables?"));
        if (!answerYes) {
            QCOMPARE(ListTexts(), QStringList({"A = 1", "B = 2"}));
            QCOMPARE(toolbar->Combo()->count(), 2);
            QCOMPARE(NameEdit()->text(), QStringLiteral("B"));
            return;
        }
        QVERIFY(ListTexts().isEmpty());
        QVERIFY(m_frame->Document().Settings().Var().definitions.isEmpty());
        QCOMPARE(NameEdit()->text(), QString());
        QCOMPARE(ValueEdit()->text(), QString());
        QCOMPARE(ButtonStates(), QList<bool>({false, false, false, false}));
        QCOMPARE(toolbar->Combo()->count(), 0);
        QVERIFY(!toolbar->Combo()->isEnabled());
        QVERIFY(!toolbar->UseAction()->isEnabled());
        QVERIFY(!toolbar->DeleteAction()->isEnabled());
    }

    void useSelectedInsertsTheNameAtTheCaret() {
        ShowPanel();
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("2*"));
        Define(QStringLiteral("rate"), QStringLiteral("2+3"));
        Define(QStringLiteral("base"), QStringLiteral("7"));
        ClickRow(1);
        QTest::mouseClick(Button("buttonUseSelected"), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("2*rate"));
        QCOMPARE(Area().Caret(), 6);
        // The name typed on goes into the calculation area, and the line evaluates.
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        QCOMPARE(Area().LineText(1), QStringLiteral("10"));
    }

    void typedAssignmentUpdatesPanelAndToolbar_data() {
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("panel open") << true;
        QTest::newRow("panel never shown") << false;
    }
    void typedAssignmentUpdatesPanelAndToolbar() {
        QFETCH(bool, panelShown);
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        QVERIFY(!toolbar->Combo()->isEnabled());
        // Without entries the commands do nothing at all.
        toolbar->UseAction()->trigger();
        toolbar->DeleteAction()->trigger();
        QVERIFY(Area().Text().isEmpty());
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        if (panelShown)
            ShowPanel();
        TypeLine(QStringLiteral("a=5"));
        QVERIFY(Area().Text().startsWith(QStringLiteral("a=5\r\n//Variable: a=5\r\n")));
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList{"a = 5"});
        QVERIFY(toolbar->Combo()->isEnabled());
        QVERIFY(toolbar->UseAction()->isEnabled());
        QVERIFY(toolbar->DeleteAction()->isEnabled());
        if (!panelShown)
            ShowPanel();
        // The panel shows the list however late it is opened, and the fields the assignment.
        QCOMPARE(ListTexts(), QStringList{"a = 5"});
        QCOMPARE(NameEdit()->text(), QStringLiteral("a"));
        QCOMPARE(ValueEdit()->text(), QStringLiteral("5"));
        QCOMPARE(Button("buttonDeleteAll")->isEnabled(), true);
    }

    void toolbarUsesAndDeletesTheChosenVariable() {
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        TypeLine(QStringLiteral("p=1"));
        TypeLine(QStringLiteral("q=p+1"));
        TypeLine(QStringLiteral("r=3"));
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList({"p = 1", "q = 2", "r = 3"}));
        ShowPanel();
        ClickRow(1);
        QCOMPARE(NameEdit()->text(), QStringLiteral("q"));

        toolbar->Combo()->setCurrentIndex(1);
        Area().SetSelection(Area().Text().size(), Area().Text().size());
        toolbar->UseAction()->trigger();
        QVERIFY(Area().Text().endsWith(QStringLiteral("\r\nq")));

        // Deleting the variable the panel has selected empties its fields.
        toolbar->DeleteAction()->trigger();
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList({"p = 1", "r = 3"}));
        QCOMPARE(ListTexts(), QStringList({"p = 1", "r = 3"}));
        QCOMPARE(NameEdit()->text(), QString());
        QCOMPARE(ValueEdit()->text(), QString());

        // A changed value keeps the same variable chosen; the last deletion disables all.
        toolbar->Combo()->setCurrentIndex(1);
        Area().ClearArea();
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        TypeLine(QStringLiteral("r=4"));
        QCOMPARE(toolbar->Combo()->currentText(), QStringLiteral("r = 4"));
        toolbar->DeleteAction()->trigger();
        toolbar->DeleteAction()->trigger();
        QCOMPARE(toolbar->Combo()->count(), 0);
        QVERIFY(!toolbar->UseAction()->isEnabled());
        QVERIFY(!toolbar->DeleteAction()->isEnabled());
        QVERIFY(ListTexts().isEmpty());
    }

    void fileNewEmptiesPanelAndToolbar() {
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        TypeLine(QStringLiteral("B=2"));
        ClickRow(0);
        QCOMPARE(toolbar->Combo()->count(), 2);
        // The document was changed: File New asks to save it first.
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionFileNew");
        QVERIFY(ListTexts().isEmpty());
        QCOMPARE(List()->currentRow(), -1);
        QCOMPARE(toolbar->Combo()->count(), 0);
        QVERIFY(!toolbar->Combo()->isEnabled());
        QVERIFY(!Button("buttonDeleteAll")->isEnabled());
        QVERIFY(!Button("buttonDel")->isEnabled());
        // The new document's variables work as the old ones did.
        TypeLine(QStringLiteral("C=3"));
        QCOMPARE(ListTexts(), QStringList{"C = 3"});
        QCOMPARE(ItemTexts(toolbar->Combo()), QStringList{"C = 3"});
    }

    void aToolbarRemovedEarlyIsNoLongerTold() {
        ShowPanel();
        C_VYXToolbarVariables* toolbar = MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        delete toolbar;
        Define(QStringLiteral("B"), QStringLiteral("2"));
        QCOMPARE(ListTexts(), QStringList({"A = 1", "B = 2"}));
    }
};

VYX_WIDGET_TEST_MAIN(VariablesPanelTest)

#include "test_variables_panel.moc"
