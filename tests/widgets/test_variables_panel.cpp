// SPDX-License-Identifier: MIT
// Tests of the variables panel and the variables toolbar: adding through the fields, the
// questions and error boxes, deleting and using, and both following every change of the list.
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

/// The texts of a list or a combo box, from their model.
QStringList ItemTexts(const QAbstractItemView* view) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data().toString());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Confirm)

class VariablesPanelTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcVariablesView* m_pPanel = nullptr;
    C_VYXToolbarVariables* m_toolbar = nullptr;

    /// Installs the panel and shows it, as the View menu would.
    void ShowPanel() {
        auto panel = std::make_unique<C_VYXCalcVariablesView>(*m_frame);
        m_pPanel = panel.get();
        m_frame->Panels().Install(Panel::Variables, std::move(panel));
        m_frame->Panels().Toggle(Panel::Variables);
    }
    void MakeToolbar() {
        m_toolbar = new C_VYXToolbarVariables(*m_frame, m_frame.get());
        m_frame->addToolBar(m_toolbar);
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
    QStringList ComboTexts() const { return ItemTexts(m_toolbar->Combo()->view()); }
    QStringList Fields() const { return {NameEdit()->text(), ValueEdit()->text()}; }

    /// Types the two fields as the user would, replacing what they held, then confirms.
    void Define(const QString& name, const QString& value,
                Confirm confirm = Confirm::EnterInValue) {
        for (auto [edit, text] : {std::pair{NameEdit(), name}, std::pair{ValueEdit(), value}}) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, text);
        }
        if (confirm == Confirm::AddButton)
            QTest::mouseClick(Button("buttonAdd"), Qt::LeftButton);
        else
            QTest::keyClick(confirm == Confirm::EnterInName ? NameEdit() : ValueEdit(),
                            Qt::Key_Return);
    }
    void ClickRow(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(row)).center());
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
    QList<bool> ToolbarStates() const {
        return {m_toolbar->Combo()->isEnabled(), m_toolbar->UseAction()->isEnabled(),
                m_toolbar->DeleteAction()->isEnabled()};
    }
    void CheckQuestion(const QString& caption, const QString& text) {
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::YesNo));
        QCOMPARE(box.caption, caption);
        QCOMPARE(box.text, text);
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
        MakeToolbar();
        Define(QStringLiteral("b"), QStringLiteral("2"), confirm);
        Define(QStringLiteral("A"), QStringLiteral("1"), confirm);
        Define(QStringLiteral("c"), QStringLiteral("A+b"), confirm);
        // A second add of the same name would have asked to overwrite: each was added once.
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        QCOMPARE(ListTexts(), QStringList({"A = 1", "b = 2", "c = A+b = 3"}));
        QCOMPARE(ComboTexts(), QStringList({"A = 1", "b = 2", "c = 3"}));
        // Enter never closes the panel; the fields keep the last definition.
        QVERIFY(m_pPanel->isVisible());
        QCOMPARE(Fields(), QStringList({"c", "A+b"}));
        // The title shows the change at once, although the calculation area did not change.
        QVERIFY(m_frame->Document().IsModified() && m_frame->isWindowModified());
    }

    void badInputShowsOneErrorBox() {
        struct Row {
            const char *name, *value, *caption, *text, *nameAfter;
        };
        // clang-format off
        const Row rows[] = {
            {"x", "", "ERROR!!", "No value entered!!", "x"},
            {"", "1", "ERROR!!", "No variable name entered!!", ""},
            {"12", "1", "ERROR!!", "Variable name is not allowed to be numeric.", "12"},
            {"sin", "1", "Illegal variable name.", "The variable name:\nsin\nis not allowed!!",
             "sin"},
            {"2pi", "1", "ERROR!!", "Variable name can be evaluated to a nummeric expression.\r\n"
                                    "This kind of variable name is not allowed!!", ""},
            {"x", "1/0", "ERROR!!", "ERRROR!! DIVISION BY ZERO!!", "x"},
        };
        // clang-format on
        ShowPanel();
        MakeToolbar();
        Define(QStringLiteral("keep"), QStringLiteral("4"));
        for (const Row& row : rows) {
            const QString name = QString::fromUtf8(row.name), value = QString::fromUtf8(row.value);
            m_env->messageBoxes.Reset();
            Define(name, value);
            QVERIFY2(m_env->messageBoxes.Boxes().size() == 1, row.name);
            const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
            QCOMPARE(int(box.kind), int(Kind::Error));
            QCOMPARE(box.caption, QString::fromUtf8(row.caption));
            QCOMPARE(box.text, QString::fromUtf8(row.text));
            QCOMPARE(ListTexts(), QStringList{"keep = 4"});
            QCOMPARE(ComboTexts(), QStringList{"keep = 4"});
            QCOMPARE(Fields(), QStringList({row.nameAfter, value}));
            QCOMPARE(Button("buttonAdd")->isEnabled(), *row.nameAfter && !value.isEmpty());
        }
    }

    void buttonsFollowFieldsAndSelectionUseAndDel() {
        ShowPanel();
        MakeToolbar();
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("2*"));
        QCOMPARE(ButtonStates(), QList<bool>({false, false, false, false}));
        QTest::keyClicks(NameEdit(), QStringLiteral("A"));
        QTest::keyClicks(ValueEdit(), QStringLiteral("1"));
        QCOMPARE(ButtonStates(), QList<bool>({true, false, false, false}));
        QTest::keyClick(ValueEdit(), Qt::Key_Return);
        QCOMPARE(ButtonStates(), QList<bool>({true, false, true, false}));
        QTest::keyClick(ValueEdit(), Qt::Key_Backspace);
        QCOMPARE(ButtonStates(), QList<bool>({false, false, true, false}));
        Define(QStringLiteral("B"), QStringLiteral("A*2"));
        Define(QStringLiteral("K"), QStringLiteral("4"));

        ClickRow(1);
        QCOMPARE(Fields(), QStringList({"B", "A*2"}));
        ClickRow(0);
        QCOMPARE(Fields(), QStringList({"A", "1"}));
        QCOMPARE(ButtonStates(), QList<bool>({true, true, true, true}));
        QTest::mouseClick(Button("buttonUseSelected"), Qt::LeftButton); // the name at the caret
        QCOMPARE(Area().Text(), QStringLiteral("2*A"));
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        QCOMPARE(Area().LineText(1), QStringLiteral("2"));
        QTest::mouseClick(Button("buttonDel"), Qt::LeftButton);
        QCOMPARE(ListTexts(), QStringList({"B = A*2 = ERROR", "K = 4"}));
        QCOMPARE(ComboTexts(), QStringList({"B = ERROR", "K = 4"}));
        QCOMPARE(Fields(), QStringList({"", ""}));
        QCOMPARE(List()->currentRow(), -1);
        QCOMPARE(ButtonStates(), QList<bool>({false, false, true, false}));
    }

    void overwriteAndDeleteAllAskFirst() {
        ShowPanel();
        MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        Define(QStringLiteral("C"), QStringLiteral("A+1"));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Define(QStringLiteral("A"), QStringLiteral("5"));
        CheckQuestion(QStringLiteral("OVERWRITE?"),
                      QStringLiteral("The variable name\nA\nalready exists!! Overwrite?"));
        QCOMPARE(ListTexts(), QStringList({"A = 5", "C = A+1 = 6"}));
        QCOMPARE(ComboTexts(), QStringList({"A = 5", "C = 6"}));

        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        QTest::mouseClick(Button("buttonDeleteAll"), Qt::LeftButton);
        CheckQuestion(QStringLiteral("Delete all?"), QStringLiteral("Delete all variables?"));
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 2);
        QVERIFY(ListTexts().isEmpty() && ComboTexts().isEmpty());
        QVERIFY(m_frame->Document().Settings().Var().definitions.isEmpty());
        QCOMPARE(Fields(), QStringList({"", ""}));
        QCOMPARE(ButtonStates(), QList<bool>({false, false, false, false}));
        QCOMPARE(ToolbarStates(), QList<bool>({false, false, false}));
    }

    void typedAssignmentUpdatesPanelAndToolbar_data() {
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("panel open") << true;
        QTest::newRow("panel never shown") << false;
    }
    void typedAssignmentUpdatesPanelAndToolbar() {
        QFETCH(bool, panelShown);
        MakeToolbar();
        QCOMPARE(ToolbarStates(), QList<bool>({false, false, false}));
        // Without entries the commands do nothing at all.
        m_toolbar->UseAction()->trigger();
        m_toolbar->DeleteAction()->trigger();
        QVERIFY(Area().Text().isEmpty() && m_env->messageBoxes.Boxes().isEmpty());
        if (panelShown)
            ShowPanel();
        TypeLine(QStringLiteral("a=5"));
        QVERIFY(Area().Text().startsWith(QStringLiteral("a=5\r\n//Variable: a=5\r\n")));
        QCOMPARE(ComboTexts(), QStringList{"a = 5"});
        QCOMPARE(ToolbarStates(), QList<bool>({true, true, true}));
        if (!panelShown)
            ShowPanel();
        // The panel shows the list however late it is opened, and the fields the assignment.
        QCOMPARE(ListTexts(), QStringList{"a = 5"});
        QCOMPARE(Fields(), QStringList({"a", "5"}));
        QVERIFY(Button("buttonDeleteAll")->isEnabled());
    }

    void toolbarUsesAndDeletesTheChosenVariable() {
        MakeToolbar();
        TypeLine(QStringLiteral("p=1"));
        TypeLine(QStringLiteral("q=p+1"));
        TypeLine(QStringLiteral("r=3"));
        QCOMPARE(ComboTexts(), QStringList({"p = 1", "q = 2", "r = 3"}));
        ShowPanel();
        ClickRow(1);
        m_toolbar->Combo()->setCurrentIndex(1);
        Area().SetSelection(Area().Text().size(), Area().Text().size());
        m_toolbar->UseAction()->trigger();
        QVERIFY(Area().Text().endsWith(QStringLiteral("\r\nq")));

        // Deleting the variable the panel has selected empties its fields.
        m_toolbar->DeleteAction()->trigger();
        QCOMPARE(ComboTexts(), QStringList({"p = 1", "r = 3"}));
        QCOMPARE(ListTexts(), QStringList({"p = 1", "r = 3"}));
        QCOMPARE(Fields(), QStringList({"", ""}));

        // A changed value keeps the same variable chosen; the last deletion disables all.
        m_toolbar->Combo()->setCurrentIndex(1);
        Area().ClearArea();
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        TypeLine(QStringLiteral("r=4"));
        QCOMPARE(m_toolbar->Combo()->currentText(), QStringLiteral("r = 4"));
        m_toolbar->DeleteAction()->trigger();
        m_toolbar->DeleteAction()->trigger();
        QVERIFY(ComboTexts().isEmpty() && ListTexts().isEmpty());
        QCOMPARE(ToolbarStates(), QList<bool>({false, false, false}));
    }

    void fileNewEmptiesPanelAndToolbar() {
        ShowPanel();
        MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        TypeLine(QStringLiteral("B=2"));
        ClickRow(0);
        m_env->messageBoxes.QueueAnswer(Answer::No); // asked to save the changed document
        Trigger("actionFileNew");
        QVERIFY(ListTexts().isEmpty() && ComboTexts().isEmpty());
        QCOMPARE(List()->currentRow(), -1);
        QVERIFY(!m_toolbar->Combo()->isEnabled());
        QCOMPARE(ButtonStates().mid(1, 2), QList<bool>({false, false}));
        // The new document's variables work as the old ones did.
        TypeLine(QStringLiteral("C=3"));
        QCOMPARE(ListTexts(), QStringList{"C = 3"});
        QCOMPARE(ComboTexts(), QStringList{"C = 3"});
    }

    void aToolbarRemovedEarlyIsNoLongerTold() {
        ShowPanel();
        MakeToolbar();
        Define(QStringLiteral("A"), QStringLiteral("1"));
        delete m_toolbar;
        Define(QStringLiteral("B"), QStringLiteral("2"));
        QCOMPARE(ListTexts(), QStringList({"A = 1", "B = 2"}));
    }
};

VYX_WIDGET_TEST_MAIN(VariablesPanelTest)

#include "test_variables_panel.moc"
