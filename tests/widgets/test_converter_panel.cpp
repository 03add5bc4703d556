// SPDX-License-Identifier: MIT
// Tests of the unit converter panel in a real main window: conversions, rejected values, the
// saved list with its buttons, Use, and the state kept in the document file.
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
using Kind = C_VYXScriptedMessageBoxes::Kind;

} // namespace

class ConverterPanelTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// Installs the panel, shows it and finds its controls; false when one is missing.
    bool OpenPanel() {
        m_frame->Panels().Install(Panel::Conversion,
                                  std::make_unique<C_VYXCalcConvertView>(*m_frame));
        m_frame->Panels().Toggle(Panel::Conversion);
        m_panel = m_frame->Panels().Get(Panel::Conversion);
        m_category = m_panel->findChild<QComboBox*>(QStringLiteral("comboCategory"));
        m_from = m_panel->findChild<QComboBox*>(QStringLiteral("comboFromUnit"));
        m_to = m_panel->findChild<QComboBox*>(QStringLiteral("comboToUnit"));
        m_value = m_panel->findChild<QLineEdit*>(QStringLiteral("editValue"));
        m_result = m_panel->findChild<QLineEdit*>(QStringLiteral("editResult"));
        m_list = m_panel->findChild<QListWidget*>(QStringLiteral("listSavedConversions"));
        m_convert = m_panel->findChild<QPushButton*>(QStringLiteral("buttonConvert"));
        m_add = m_panel->findChild<QPushButton*>(QStringLiteral("buttonAdd"));
        m_delete = m_panel->findChild<QPushButton*>(QStringLiteral("buttonDelete"));
        m_use = m_panel->findChild<QPushButton*>(QStringLiteral("buttonUse"));
        m_deleteAll = m_panel->findChild<QPushButton*>(QStringLiteral("buttonDeleteAll"));
        return m_panel->isVisible() && m_category && m_from && m_to && m_value && m_result &&
               m_list && m_convert && m_add && m_delete && m_use && m_deleteAll;
    }

    /// Real key presses; characters beyond ASCII (√, ²) come as text, as an input method sends.
    static void Type(QWidget* widget, const QString& text) {
        for (const QChar character : text) {
            if (character.unicode() < 0x80)
                QTest::keyClick(widget, char(character.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
        }
    }

    /// Types the name into the editable box and confirms it with Return, as a user may.
    static void Choose(QComboBox* box, const QString& text) {
        box->lineEdit()->selectAll();
        Type(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void ChooseUnits(const QString& category, const QString& from, const QString& to) {
        Choose(m_category, category);
        Choose(m_from, from);
        Choose(m_to, to);
        QCOMPARE(m_category->currentText(), category);
        QCOMPARE(m_from->currentText(), from);
        QCOMPARE(m_to->currentText(), to);
    }

    void TypeValue(const QString& text) {
        m_value->selectAll();
        QTest::keyClick(m_value, Qt::Key_Delete);
        Type(m_value, text);
    }

    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void ClickEntry(int row) {
        const QRect rect = m_list->visualItemRect(m_list->item(row));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    /// Converts and saves one conversion; the entry text is checked by the callers.
    void ConvertAndAdd(const QString& category, const QString& from, const QString& to,
                       const QString& value) {
        ChooseUnits(category, from, to);
        TypeValue(value);
        Click(m_convert);
        QVERIFY(m_add->isEnabled());
        Click(m_add);
    }

    /// Enabled state of Convert, Add, Del, Use and Del all, in that order.
    QList<bool> Buttons() const {
        return {m_convert->isEnabled(), m_add->isEnabled(), m_delete->isEnabled(),
                m_use->isEnabled(), m_deleteAll->isEnabled()};
    }

    QStringList ListEntries() const {
        QStringList entries;
        for (int i = 0; i < m_list->count(); ++i)
            entries.append(m_list->item(i)->text());
        return entries;
    }

    C_VYXConvertNFO& Record() { return m_frame->Document().Settings().Convert(); }
    C_VYXCalcAreaModel& Area() { return m_frame->TextView().Model(); }

    C_VYXDlgFix* m_panel = nullptr;
    QComboBox* m_category = nullptr;
    QComboBox* m_from = nullptr;
    QComboBox* m_to = nullptr;
    QLineEdit* m_value = nullptr;
    QLineEdit* m_result = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_convert = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_deleteAll = nullptr;

private slots:
    void convertsTheEvaluatedValue_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("evaluated");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("1 km to m") << "Length" << "kilometer" << "meter" << "1" << "1" << "1000.000000";
        QTest::newRow("expression") << "Length" << "meter" << "centimeter" << "(1+1)^3" << "8" << "800.000000";
        QTest::newRow("display symbol") << "Area" << "m²" << "cm²" << "√4" << "2" << "20000.000000";
        QTest::newRow("100 C to F") << "Temperature" << "Celcius" << "Farenheit" << "100" << "100" << "212.000000";
        // clang-format on
    }
    void convertsTheEvaluatedValue() {
        QFETCH(QString, category);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, typed);
        QFETCH(QString, evaluated);
        QFETCH(QString, result);
        QVERIFY(OpenPanel());
        ChooseUnits(category, from, to);
        TypeValue(typed);
        Click(m_convert);
        QCOMPARE(m_value->text(), evaluated);
        QCOMPARE(m_result->text(), result);
        QCOMPARE(Record().m_strLastResult, result);
        QCOMPARE(Record().m_dValue, evaluated.toDouble());
        QVERIFY(m_add->isEnabled());
        QVERIFY(m_frame->Document().IsModified());
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
    }

    void variableInTheValueIsReplacedByItsResult() {
        QVERIFY(OpenPanel());
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("dist=2,5"));
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        ChooseUnits(QStringLiteral("Length"), QStringLiteral("kilometer"), QStringLiteral("meter"));
        TypeValue(QStringLiteral("dist*2"));
        Click(m_convert);
        QCOMPARE(m_value->text(), QStringLiteral("5"));
        QCOMPARE(m_result->text(), QStringLiteral("5000.000000"));
        QCOMPARE(Record().m_dValue, 5.0);
    }

    void resultFollowsTheNumpadDecimals() {
        m_frame->Document().Settings().BasicButtons().m_nDecimals = 2;
        QVERIFY(OpenPanel());
        ChooseUnits(QStringLiteral("Length"), QStringLiteral("feet"), QStringLiteral("meter"));
        Click(m_convert);
        QCOMPARE(m_result->text(), QStringLiteral("0.30"));
    }

    void valueThatIsNoNumberIsRejected_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("unknown name") << "abc";
        QTest::newRow("division by zero") << "1/0";
        QTest::newRow("complex") << "2+3i";
        QTest::newRow("broken syntax") << "1+*";
    }
    void valueThatIsNoNumberIsRejected() {
        QFETCH(QString, typed);
        QVERIFY(OpenPanel());
        ChooseUnits(QStringLiteral("Length"), QStringLiteral("meter"), QStringLiteral("feet"));
        TypeValue(typed);
        Click(m_convert);
        const QList<C_VYXScriptedMessageBoxes::Box>& boxes = m_env->messageBoxes.Boxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(int(boxes.first().kind), int(Kind::Error));
        QCOMPARE(boxes.first().caption, QStringLiteral("ERROR!!"));
        QCOMPARE(boxes.first().text, QStringLiteral("Please enter a number."));
        QVERIFY(m_result->text().isEmpty());
        QVERIFY(Record().m_strLastResult.isEmpty());
        QCOMPARE(Record().m_dValue, 1.0);
        QVERIFY(!m_add->isEnabled());
        QVERIFY(m_panel->isVisible());
    }

    void editsClearTheResultAndFollowTheEnablingRules() {
        QVERIFY(OpenPanel());
        // A new document: the first category in alphabetical order, its first two units, 1.
        QCOMPARE(m_category->currentText(), QStringLiteral("Area"));
        QCOMPARE(m_from->currentText(), QStringLiteral("acres"));
        QCOMPARE(m_to->currentText(), QStringLiteral("cm²"));
        QCOMPARE(m_value->text(), QStringLiteral("1"));
        QCOMPARE(Buttons(), QList<bool>({true, false, false, false, false}));
        QVERIFY(!m_result->isEnabled());
        QVERIFY(!m_frame->Document().IsModified());

        Click(m_convert);
        QVERIFY(!m_result->text().isEmpty());
        QTest::keyClicks(m_value, QStringLiteral("0"));
        QVERIFY(m_result->text().isEmpty());
        QCOMPARE(Buttons(), QList<bool>({true, false, false, false, false}));
        TypeValue(QString());
        QCOMPARE(Buttons(), QList<bool>({false, false, false, false, false}));
        TypeValue(QStringLiteral("2"));

        Click(m_convert);
        Choose(m_to, QStringLiteral("hectares"));
        QVERIFY(m_result->text().isEmpty());
        QVERIFY(!m_add->isEnabled());

        // A new category starts again at its first two units, in alphabetical order.
        Click(m_convert);
        QVERIFY(!m_result->text().isEmpty());
        Choose(m_category, QStringLiteral("Mass"));
        QCOMPARE(m_from->currentText(), QStringLiteral("gram"));
        QCOMPARE(m_to->currentText(), QStringLiteral("Kilogram"));
        QCOMPARE(m_from->count(), 6);
        QVERIFY(m_result->text().isEmpty());
        QVERIFY(Record().m_strLastResult.isEmpty());
        QCOMPARE(Record().m_nCategoryIndex, 3);
    }

    void savedListAddDeleteAndDeleteAll() {
        QVERIFY(OpenPanel());
        ConvertAndAdd(QStringLiteral("Length"), QStringLiteral("meter"), QStringLiteral("feet"),
                      QStringLiteral("1"));
        ConvertAndAdd(QStringLiteral("Length"), QStringLiteral("kilometer"),
                      QStringLiteral("meter"), QStringLiteral("2"));
        const QStringList saved{"1 meter = 3.280840 feet", "2 kilometer = 2000.000000 meter"};
        QCOMPARE(ListEntries(), saved);
        QCOMPARE(Record().m_savedConversions, saved);
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));

        ClickEntry(1);
        QCOMPARE(Buttons(), QList<bool>({true, true, true, true, true}));
        Click(m_delete);
        QCOMPARE(ListEntries(), QStringList{saved.first()});
        QCOMPARE(Record().m_savedConversions, QStringList{saved.first()});
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));

        m_env->messageBoxes.QueueAnswer(Answer::No);
        Click(m_deleteAll);
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("Delete all?"));
        QCOMPARE(m_env->messageBoxes.LastBox().text, QStringLiteral("Delete all convertions?"));
        QCOMPARE(ListEntries(), QStringList{saved.first()});

        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click(m_deleteAll);
        QCOMPARE(m_list->count(), 0);
        QVERIFY(Record().m_savedConversions.isEmpty());
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, false}));
        // Nothing left: Del all asks nothing more.
        Click(m_deleteAll);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 2);
    }

    void useWritesTheMarkedEntryAsComment() {
        QVERIFY(OpenPanel());
        ConvertAndAdd(QStringLiteral("Temperature"), QStringLiteral("Celcius"),
                      QStringLiteral("Farenheit"), QStringLiteral("100"));
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("5*5"));
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        const QString before = Area().Text();
        Click(m_use); // nothing marked
        QCOMPARE(Area().Text(), before);

        ClickEntry(0);
        const QString comment = QStringLiteral("//100 Celcius = 212.000000 Farenheit");
        Click(m_use);
        QCOMPARE(Area().Text(), before + comment);
        // An ordinary insertion of the area: one undo step takes it back.
        QVERIFY(Area().Undo());
        QCOMPARE(Area().Text(), before);
        Click(m_use); // the entry stays marked
        // A comment line: Enter on it writes no result below it.
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        QCOMPARE(Area().Text(), before + comment + QStringLiteral("\r\n"));
    }

    void enterAndEscapeKeepThePanelOpenAndConvertNothing() {
        QVERIFY(OpenPanel());
        TypeValue(QStringLiteral("3"));
        QTest::keyClick(m_value, Qt::Key_Return);
        QTest::keyClick(m_panel, Qt::Key_Escape);
        QVERIFY(m_panel->isVisible());
        QVERIFY(m_result->text().isEmpty());
    }

    void stateSurvivesSaveAndReopenAndNewResetsIt() {
        QVERIFY(OpenPanel());
        ConvertAndAdd(QStringLiteral("Volume"), QStringLiteral("liters"),
                      QStringLiteral("gallons (UK)"), QStringLiteral("10"));
        ConvertAndAdd(QStringLiteral("Temperature"), QStringLiteral("Kelvin"),
                      QStringLiteral("Celcius"), QStringLiteral("0"));
        const QStringList saved = ListEntries();
        QCOMPARE(saved.size(), 2);
        const QString result = m_result->text();
        QCOMPARE(result, QStringLiteral("-273.150000"));

        const QString path = m_env->TempPath(QStringLiteral("convert.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        QVERIFY(!m_frame->Document().IsModified());

        Trigger("actionFileNew");
        QCOMPARE(m_category->currentText(), QStringLiteral("Area"));
        QCOMPARE(m_from->currentText(), QStringLiteral("acres"));
        QCOMPARE(m_to->currentText(), QStringLiteral("cm²"));
        QCOMPARE(m_value->text(), QStringLiteral("1"));
        QVERIFY(m_result->text().isEmpty());
        QCOMPARE(m_list->count(), 0);
        QCOMPARE(Buttons(), QList<bool>({true, false, false, false, false}));
        // Showing the new record is no change of the document: Open asks nothing.
        QVERIFY(!m_frame->Document().IsModified());

        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QCOMPARE(m_category->currentText(), QStringLiteral("Temperature"));
        QCOMPARE(m_from->currentText(), QStringLiteral("Kelvin"));
        QCOMPARE(m_to->currentText(), QStringLiteral("Celcius"));
        QCOMPARE(m_value->text(), QStringLiteral("0"));
        QCOMPARE(m_result->text(), result);
        QCOMPARE(ListEntries(), saved);
        QCOMPARE(Buttons(), QList<bool>({true, true, false, false, true}));

        // The panel works on the loaded record, not on the one of the replaced settings.
        ClickEntry(0);
        Click(m_delete);
        QCOMPARE(Record().m_savedConversions, QStringList{saved.at(1)});
    }

    void controlsFitTheWindowBesideTheMainWindow() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_frame->setGeometry(0, 50, screen.width() / 3, screen.height() / 3);
        QVERIFY(OpenPanel());
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Conversion"));
        // On the right: beside the main window, or flush with the screen's edge without room.
        QVERIFY(m_panel->frameGeometry().left() > m_frame->frameGeometry().center().x());
        const QList<QWidget*> controls =
            m_panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 14);
        for (int i = 0; i < controls.size(); ++i) {
            const QRect rect = controls.at(i)->geometry();
            QVERIFY2(m_panel->rect().contains(rect), qPrintable(controls.at(i)->objectName()));
            QVERIFY2(rect.height() >= controls.at(i)->fontMetrics().height(),
                     qPrintable(controls.at(i)->objectName()));
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!rect.intersects(controls.at(j)->geometry()),
                         qPrintable(controls.at(i)->objectName() + QLatin1Char('/') +
                                    controls.at(j)->objectName()));
        }
    }
};

VYX_WIDGET_TEST_MAIN(ConverterPanelTest)

#include "test_converter_panel.moc"
