// SPDX-License-Identifier: MIT
// Tests of the widget tests' own guard: a modal dialog is caught instead of hanging the run.
#include "WidgetTestSupport.h"

class ModalGuardTest : public QObject {
    Q_OBJECT

private slots:
    void modalDialogIsRecordedAndClosed() {
        ModalDialogGuard guard;
        QMessageBox box(QMessageBox::Information, u"Stray box"_s, u"nobody answers this"_s,
                        QMessageBox::Ok);
        // Would block forever without the guard.
        box.exec();
        QCOMPARE(guard.Dialogs(), QStringList{u"Stray box"_s});
    }
};

VYX_WIDGET_TEST_MAIN(ModalGuardTest)

#include "test_modal_guard.moc"
