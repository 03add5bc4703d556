// SPDX-License-Identifier: MIT
// Tests of the variables panel and the variables toolbar: every control reaches the model, and
// both show every change of the list (the rules themselves are tested with the model).
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
using Panel = C_VYXPanelSet::Panel;

/// The texts of a list or a combo box, from their model.
QStringList ItemTexts(const QAbstractItemView* view) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data().toString());
    return texts;
}

} // namespace

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
    template <typename T = QPushButton> T* Control(const char* name) const {
        if (T* control = m_pPanel->findChild<T*>(QString::fromLatin1(name)))
            return control;
        qFatal("no control %s", name);
    }
    QLineEdit* NameEdit() const { return Control<QLineEdit>("editVariableName"); }
    QLineEdit* ValueEdit() const { return Control<QLineEdit>("editVariableValue"); }
    QListWidget* List() const { return Control<QListWidget>("listVariables"); }
    void Click(const char* button) { QTest::mouseClick(Control(button), Qt::LeftButton); }
    C_VYXCalcAreaModel& Area() { return m_frame->TextView().Model(); }
    QStringList ListTexts() const { return ItemTexts(List()); }
    QStringList ComboTexts() const { return ItemTexts(m_toolbar->Combo()->view()); }
    QStringList Fields() const { return {NameEdit()->text(), ValueEdit()->text()}; }

    /// Types the two fields as the user would, replacing what they held, then confirms them
    /// with Enter in the value or with Add.
    void Define(const QString& name, const QString& value, bool withAddButton = false) {
        for (auto [edit, text] : {std::pair{NameEdit(), name}, std::pair{ValueEdit(), value}}) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, text);
        }
        if (withAddButton)
            Click("buttonAdd");
        else
            QTest::keyClick(ValueEdit(), Qt::Key_Return);
    }
    void TypeLine(const QString& line) {
        QTest::keyClicks(&m_frame->TextView(), line);
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
    }
    /// The enabling of Add, Del, Delete all. and Use selected., in that order.
    QList<bool> ButtonStates() const {
        QList<bool> states;
        for (const char* name : {"buttonAdd", "buttonDel", "buttonDeleteAll", "buttonUseSelected"})
            states.append(Control(name)->isEnabled());
        return states;
    }
    QList<bool> ToolbarStates() const {
        return {m_toolbar->Combo()->isEnabled(), m_toolbar->UseAction()->isEnabled(),
                m_toolbar->DeleteAction()->isEnabled()};
    }

private slots:
    void panelDefinesUsesAndDeletes() {
        ShowPanel();
        MakeToolbar();
        QTest::keyClicks(NameEdit(), QStringLiteral("b"));
        QTest::keyClicks(ValueEdit(), QStringLiteral("2"));
        QCOMPARE(ButtonStates(), QList<bool>({true, false, false, false}));
        QTest::keyClick(NameEdit(), Qt::Key_Return); // Enter in the name confirms too
        Define(QStringLiteral("A"), QStringLiteral("1"), /*withAddButton=*/true);
        Define(QStringLiteral("K"), QStringLiteral("A+b"));
        // A second add of the same name would have asked to overwrite: each was added once.
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        QCOMPARE(ListTexts(), QStringList({"A = 1", "b = 2", "K = A+b = 3"}));
        // Enter never closes the panel; the fields keep the last definition.
        QVERIFY(m_pPanel->isVisible());
        QCOMPARE(Fields(), QStringList({"K", "A+b"}));
        // The title shows the change at once, although the calculation area did not change.
        QVERIFY(m_frame->Document().IsModified() && m_frame->isWindowModified());
        // A rejected name the model empties is emptied on the screen, and Add follows it.
        Define(QStringLiteral("2pi"), QStringLiteral("1"));
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        QCOMPARE(Fields(), QStringList({"", "1"}));
        QCOMPARE(ButtonStates(), QList<bool>({false, false, true, false}));

        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("2*"));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(2)).center());
        QCOMPARE(Fields(), QStringList({"K", "A+b"}));
        QCOMPARE(ButtonStates(), QList<bool>({true, true, true, true}));
        Click("buttonUseSelected"); // the name at the caret
        QCOMPARE(Area().Text(), QStringLiteral("2*K"));
        Click("buttonDel");
        QCOMPARE(ListTexts(), QStringList({"A = 1", "b = 2"}));
        QCOMPARE(Fields(), QStringList({"", ""}));
        QCOMPARE(List()->currentRow(), -1);

        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click("buttonDeleteAll");
        QCOMPARE(m_env->messageBoxes.LastBox().text, QStringLiteral("Delete all variables?"));
        QVERIFY(ListTexts().isEmpty() && ComboTexts().isEmpty());
        QCOMPARE(ButtonStates(), QList<bool>({false, false, false, false}));
        QCOMPARE(ToolbarStates(), QList<bool>({false, false, false}));
    }

    void toolbarFollowsTypedAssignmentsALaterPanelAndFileNew() {
        MakeToolbar();
        QCOMPARE(ToolbarStates(), QList<bool>({false, false, false}));
        // Without entries the commands do nothing at all.
        m_toolbar->UseAction()->trigger();
        m_toolbar->DeleteAction()->trigger();
        QVERIFY(Area().Text().isEmpty() && m_env->messageBoxes.Boxes().isEmpty());
        for (const char* line : {"p=1", "q=p+1", "r=3"})
            TypeLine(QString::fromLatin1(line));
        QCOMPARE(ToolbarStates(), QList<bool>({true, true, true}));
        // The chosen entry is drawn in the dark text of an enabled control, not in grey.
        const QImage drawn = m_toolbar->Combo()->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width() / 2; ++x)
                darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
        QVERIFY2(darkest < 32, qPrintable(QString::number(darkest)));
        m_toolbar->Combo()->setCurrentIndex(1);
        Area().SetSelection(Area().Text().size(), Area().Text().size());
        m_toolbar->UseAction()->trigger();
        QVERIFY(Area().Text().endsWith(QStringLiteral("\r\nq")));
        m_toolbar->DeleteAction()->trigger();
        QCOMPARE(ComboTexts(), QStringList({"p = 1", "r = 3"}));
        // A changed value keeps the same variable chosen.
        m_toolbar->Combo()->setCurrentIndex(1);
        Area().ClearArea();
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        TypeLine(QStringLiteral("r=4"));
        QCOMPARE(m_toolbar->Combo()->currentText(), QStringLiteral("r = 4"));

        // The panel shows the list however late it is opened, and the fields the assignment.
        ShowPanel();
        QCOMPARE(ListTexts(), QStringList({"p = 1", "r = 4"}));
        QCOMPARE(Fields(), QStringList({"r", "4"}));
        m_env->messageBoxes.QueueAnswer(Answer::No); // asked to save the changed document
        Trigger("actionFileNew");
        QVERIFY(ListTexts().isEmpty() && ComboTexts().isEmpty());
        // The new document's variables reach both as the old ones did.
        TypeLine(QStringLiteral("C=3"));
        QCOMPARE(ComboTexts(), QStringList{"C = 3"});
        // A toolbar removed early is no longer told of changes.
        delete m_toolbar;
        Define(QStringLiteral("B"), QStringLiteral("2"));
        QCOMPARE(ListTexts(), QStringList({"B = 2", "C = 3"}));
    }
};

VYX_WIDGET_TEST_MAIN(VariablesPanelTest)

#include "test_variables_panel.moc"
