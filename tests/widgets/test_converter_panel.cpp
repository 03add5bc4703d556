// SPDX-License-Identifier: MIT
// Tests of the unit converter panel in a real main window: typed units and values reach the
// model, the saved list with its buttons and Use, the state kept in the file, the layout.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcConvertView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
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

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
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
        return m_panel->findChild<T*>(QString::fromLatin1(name));
    }
    QComboBox* Category() const { return Control<QComboBox>("comboCategory"); }
    QComboBox* From() const { return Control<QComboBox>("comboFromUnit"); }
    QComboBox* To() const { return Control<QComboBox>("comboToUnit"); }
    QLineEdit* Value() const { return Control<QLineEdit>("editValue"); }
    QLineEdit* Result() const { return Control<QLineEdit>("editResult"); }
    QListWidget* List() const { return Control<QListWidget>("listSavedConversions"); }

    /// Category, units, value and result as shown.
    QStringList Shown() const {
        return {Category()->currentText(), From()->currentText(), To()->currentText(),
                Value()->text(), Result()->text()};
    }
    void ChooseUnits(const QString& category, const QString& from, const QString& to) {
        Choose(Category(), category);
        Choose(From(), from);
        Choose(To(), to);
        QCOMPARE(Shown().mid(0, 3), QStringList({category, from, to}));
    }
    void TypeValue(const QString& text) {
        Value()->selectAll();
        QTest::keyClick(Value(), Qt::Key_Delete);
        Type(Value(), text);
    }
    void ClickEntry(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(row)).center());
    }
    /// Converts and saves one conversion; the entry text is checked by the callers.
    void ConvertAndAdd(const QString& category, const QString& from, const QString& to,
                       const QString& value) {
        ChooseUnits(category, from, to);
        TypeValue(value);
        Click(Control("buttonConvert"));
        Click(Control("buttonAdd"));
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
    void convertsTheEvaluatedValueToTheNumpadDecimals() {
        m_frame->Document().Settings().BasicButtons().m_nDecimals = 2;
        OpenPanel();
        TypeLine(QStringLiteral("dist=2,5"));
        // Unit names and values beyond ASCII, typed as an input method sends them.
        ChooseUnits(QStringLiteral("Area"), QStringLiteral("m²"), QStringLiteral("cm²"));
        TypeValue(QStringLiteral("√4"));
        Click(Control("buttonConvert"));
        QCOMPARE(Shown().mid(3), QStringList({"2", "20000.00"}));
        ChooseUnits(QStringLiteral("Length"), QStringLiteral("kilometer"), QStringLiteral("meter"));
        TypeValue(QStringLiteral("dist*2"));
        Click(Control("buttonConvert"));
        QCOMPARE(Shown().mid(3), QStringList({"5", "5000.00"}));
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
    }

    void editsReachTheModelAndTheScreenFollowsIt() {
        OpenPanel();
        QCOMPARE(Buttons(), QList<bool>({true, false, false, false, false}));
        QVERIFY(!Result()->isEnabled() && !m_frame->Document().IsModified());
        TypeValue(QString());
        QCOMPARE(Buttons(), QList<bool>({false, false, false, false, false}));
        TypeValue(QStringLiteral("2"));
        Click(Control("buttonConvert"));
        Choose(To(), QStringLiteral("hectares"));
        QVERIFY(Result()->text().isEmpty() && !Control("buttonAdd")->isEnabled());
        // A new category shows its own units, starting again at its first two.
        Choose(Category(), QStringLiteral("Mass"));
        QCOMPARE(Shown(), QStringList({"Mass", "gram", "Kilogram", "2", ""}));
        QCOMPARE(From()->count(), 6);
    }

    void savedListButtonsAndUse() {
        OpenPanel();
        ConvertAndAdd(QStringLiteral("Length"), QStringLiteral("meter"), QStringLiteral("feet"),
                      QStringLiteral("1"));
        ConvertAndAdd(QStringLiteral("Temperature"), QStringLiteral("Celcius"),
                      QStringLiteral("Farenheit"), QStringLiteral("100"));
        const QStringList saved{"1 meter = 3.280840 feet", "100 Celcius = 212.000000 Farenheit"};
        QCOMPARE(ListEntries(), saved);
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));
        ClickEntry(1);
        QCOMPARE(Buttons(), QList<bool>({true, true, true, true, true}));
        TypeLine(QStringLiteral("5*5"));
        const QString before = Area().Text();
        Click(Control("buttonUse"));
        QCOMPARE(Area().Text(), before + "//" + saved.at(1));
        // An ordinary insertion of the area: one undo step takes it back.
        QVERIFY(Area().Undo());
        QCOMPARE(Area().Text(), before);
        Click(Control("buttonDelete"));
        QCOMPARE(ListEntries(), QStringList{saved.first()});
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click(Control("buttonDeleteAll"));
        QCOMPARE(m_env->messageBoxes.LastBox().text, QStringLiteral("Delete all convertions?"));
        QVERIFY(ListEntries().isEmpty() && Record().m_savedConversions.isEmpty());
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, false}));
    }

    void enterAndEscapeKeepThePanelOpenAndConvertNothing() {
        OpenPanel();
        TypeValue(QStringLiteral("3"));
        QTest::keyClick(Value(), Qt::Key_Return);
        QTest::keyClick(m_panel, Qt::Key_Escape);
        QVERIFY(m_panel->isVisible() && Result()->text().isEmpty());
    }

    void stateSurvivesSaveAndReopenAndNewResetsIt() {
        OpenPanel();
        ConvertAndAdd(QStringLiteral("Volume"), QStringLiteral("liters"),
                      QStringLiteral("gallons (UK)"), QStringLiteral("10"));
        ConvertAndAdd(QStringLiteral("Temperature"), QStringLiteral("Kelvin"),
                      QStringLiteral("Celcius"), QStringLiteral("0"));
        const QStringList saved = ListEntries();
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
        QCOMPARE(Shown(), QStringList({"Temperature", "Kelvin", "Celcius", "0", "-273.150000"}));
        QCOMPARE(ListEntries(), saved);
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));
        // The panel works on the loaded record, not on the one of the replaced settings.
        ClickEntry(0);
        Click(Control("buttonDelete"));
        QCOMPARE(Record().m_savedConversions, QStringList{saved.at(1)});
    }

    void controlsFitTheWindowBesideTheMainWindow() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_frame->setGeometry(0, 50, screen.width() / 3, screen.height() / 3);
        OpenPanel();
        // On the right: beside the main window, or flush with the screen's edge without room.
        QVERIFY(m_panel->frameGeometry().left() > m_frame->frameGeometry().center().x());
        const QList<QWidget*> controls =
            m_panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 14);
        for (int i = 0; i < controls.size(); ++i) {
            const QRect rect = controls.at(i)->geometry();
            const QByteArray name = controls.at(i)->objectName().toUtf8();
            QVERIFY2(m_panel->rect().contains(rect), name.constData());
            QVERIFY2(rect.height() >= controls.at(i)->fontMetrics().height(), name.constData());
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!rect.intersects(controls.at(j)->geometry()),
                         (name + '/' + controls.at(j)->objectName().toUtf8()).constData());
        }
    }
};

VYX_WIDGET_TEST_MAIN(ConverterPanelTest)

#include "test_converter_panel.moc"
