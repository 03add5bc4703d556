// SPDX-License-Identifier: MIT
// Tests of the unit converter panel in a real main window: typed units and values reach the
// model, the saved list with its buttons and Use, the state kept in the file, the layout.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcConvertView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;
using Answer = C_VYXMessageBoxes::Answer;

/// Real key presses; characters beyond ASCII (√, ²) come as text, as an input method sends.
void Type(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

/// Types the name into the editable box and confirms it with Return, as a user may.
void Choose(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class ConverterPanelTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXDlgFix* m_panel = nullptr;

    void OpenPanel() {
        m_frame->Panels().Install(Panel::Conversion,
                                  std::make_unique<C_VYXCalcConvertView>(*m_frame));
        m_frame->Panels().Toggle(Panel::Conversion);
        m_panel = m_frame->Panels().Get(Panel::Conversion);
        QVERIFY(m_panel->isVisible());
    }
    template <typename T = QPushButton> T* Control(const char* name) const {
        if (T* control = m_panel->findChild<T*>(QString::fromLatin1(name)))
            return control;
        qFatal("no control %s", name);
    }
    QComboBox* Category() const { return Control<QComboBox>("comboCategory"); }
    QComboBox* From() const { return Control<QComboBox>("comboFromUnit"); }
    QComboBox* To() const { return Control<QComboBox>("comboToUnit"); }
    QLineEdit* Value() const { return Control<QLineEdit>("editValue"); }
    QLineEdit* Result() const { return Control<QLineEdit>("editResult"); }
    QListWidget* List() const { return Control<QListWidget>("listSavedConversions"); }
    void Click(const char* button) { QTest::mouseClick(Control(button), Qt::LeftButton); }

    /// Category, units, value and result as shown.
    QStringList Shown() const {
        return {Category()->currentText(), From()->currentText(), To()->currentText(),
                Value()->text(), Result()->text()};
    }
    /// Chooses the units, types the value and converts it; the result is checked by the callers.
    void Convert(const QString& category, const QString& from, const QString& to,
                 const QString& value) {
        for (auto [box, text] :
             {std::pair{Category(), category}, std::pair{From(), from}, std::pair{To(), to}})
            Choose(box, text);
        QCOMPARE(Shown().mid(0, 3), QStringList({category, from, to}));
        Value()->selectAll();
        Type(Value(), value);
        Click("buttonConvert");
    }
    void ClickEntry(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(row)).center());
    }
    /// Enabled state of Convert, Add, Del, Use and Del all, in that order.
    QList<bool> Buttons() const {
        QList<bool> states;
        for (const char* name :
             {"buttonConvert", "buttonAdd", "buttonDelete", "buttonUse", "buttonDeleteAll"})
            states.append(Control(name)->isEnabled());
        return states;
    }
    QStringList ListEntries() const {
        QStringList entries;
        for (int i = 0; i < List()->count(); ++i)
            entries.append(List()->item(i)->text());
        return entries;
    }
    C_VYXConvertNFO& Record() { return m_frame->Document().Settings().Convert(); }
    C_VYXCalcAreaModel& Area() { return m_frame->TextView().Model(); }
    void TypeLine(const QString& line) {
        QTest::keyClicks(&m_frame->TextView(), line);
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
    }

private slots:
    void layoutConversionAndTheScreenFollowingTheModel() {
        m_frame->Document().Settings().BasicButtons().m_nDecimals = 2;
        OpenPanel();
        QCOMPARE(Buttons(), QList<bool>({true, false, false, false, false}));
        QVERIFY(!Result()->isEnabled() && !m_frame->Document().IsModified());
        // The controls lie inside the window without overlapping.
        const QList<QWidget*> controls =
            m_panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 14);
        // The tooltips keep their wording, spelling included.
        QCOMPARE(Category()->toolTip(), "Cathegories of units.");
        QCOMPARE(Control("buttonUse")->toolTip(), "Use the marked conversion.");
        for (int i = 0; i < controls.size(); ++i) {
            const QRect rect = controls.at(i)->geometry();
            const QByteArray name = controls.at(i)->objectName().toUtf8();
            QVERIFY2(m_panel->rect().contains(rect), name.constData());
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!rect.intersects(controls.at(j)->geometry()),
                         (name + '/' + controls.at(j)->objectName().toUtf8()).constData());
        }
        // Enter and Escape keep the panel open and convert nothing.
        Type(Value(), QStringLiteral("3"));
        QTest::keyClick(Value(), Qt::Key_Return);
        QTest::keyClick(m_panel, Qt::Key_Escape);
        QVERIFY(m_panel->isVisible() && Result()->text().isEmpty());
        Value()->selectAll();
        QTest::keyClick(Value(), Qt::Key_Delete);
        QCOMPARE(Buttons(), QList<bool>({false, false, false, false, false}));

        // Unit names and values beyond ASCII, typed as an input method sends them; the result
        // has the numpad's decimals.
        Convert(QStringLiteral("Area"), QStringLiteral("m²"), QStringLiteral("cm²"),
                QStringLiteral("√4"));
        QCOMPARE(Shown().mid(3), QStringList({"2", "20000.00"}));
        Choose(To(), QStringLiteral("hectares"));
        QVERIFY(Result()->text().isEmpty() && !Control("buttonAdd")->isEnabled());
        // A new category shows its own units, starting again at its first two.
        Choose(Category(), QStringLiteral("Mass"));
        QCOMPARE(Shown(), QStringList({"Mass", "gram", "Kilogram", "2", ""}));
        // The value is evaluated with the document's variables.
        TypeLine(QStringLiteral("dist=2,5"));
        Convert(QStringLiteral("Length"), QStringLiteral("kilometer"), QStringLiteral("meter"),
                QStringLiteral("dist*2"));
        QCOMPARE(Shown().mid(3), QStringList({"5", "5000.00"}));
    }

    void savedListButtonsUseAndFileRoundTrip() {
        OpenPanel();
        Convert(QStringLiteral("Length"), QStringLiteral("meter"), QStringLiteral("feet"),
                QStringLiteral("1"));
        Click("buttonAdd");
        Convert(QStringLiteral("Temperature"), QStringLiteral("Celcius"),
                QStringLiteral("Farenheit"), QStringLiteral("100"));
        Click("buttonAdd");
        const QStringList saved{"1 meter = 3.280840 feet", "100 Celcius = 212.000000 Farenheit"};
        QCOMPARE(ListEntries(), saved);
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));
        const QString path = m_env->TempPath(QStringLiteral("convert.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");

        Trigger("actionFileNew"); // the first category in alphabetical order, its first two units
        QCOMPARE(Shown(), QStringList({"Area", "acres", "cm²", "1", ""}));
        QVERIFY(ListEntries().isEmpty());
        // Showing the new record is no change of the document: Open asks nothing.
        QVERIFY(!m_frame->Document().IsModified());
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QCOMPARE(Shown(),
                 QStringList({"Temperature", "Celcius", "Farenheit", "100", "212.000000"}));
        QCOMPARE(ListEntries(), saved);
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));

        ClickEntry(1);
        QCOMPARE(Buttons(), QList<bool>({true, true, true, true, true}));
        TypeLine(QStringLiteral("5*5"));
        const QString before = Area().Text();
        Click("buttonUse");
        QCOMPARE(Area().Text(), before + "//" + saved.at(1));
        // An ordinary insertion of the area: one undo step takes it back.
        QVERIFY(Area().Undo());
        QCOMPARE(Area().Text(), before);
        // The panel works on the loaded record, not on the one of the replaced settings.
        Click("buttonDelete");
        QCOMPARE(Record().m_savedConversions, QStringList{saved.first()});
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click("buttonDeleteAll");
        QCOMPARE(m_env->messageBoxes.LastBox().text, QStringLiteral("Delete all convertions?"));
        QVERIFY(ListEntries().isEmpty() && Record().m_savedConversions.isEmpty());
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, false}));
    }
};

VYX_WIDGET_TEST_MAIN(ConverterPanelTest)

#include "test_converter_panel.moc"
