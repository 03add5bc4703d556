// SPDX-License-Identifier: MIT
// Tests that every toolbar icon and the program icon are compiled in and draw at small and
// large sizes.
#include "WidgetTestSupport.h"

#include <QIcon>
#include <QImage>
#include <QSvgRenderer>
#include <QTest>

class IconResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void iconDrawsAtToolbarSizes_data() {
        QTest::addColumn<QString>("name");
        const char* const names[] = {
            // files and edit
            "file-new", "file-open", "file-save", "file-save-as", "edit-cut", "edit-copy",
            "edit-paste", "file-print", "edit-undo", "edit-redo",
            // panels
            "panel-numpad", "panel-trigonometry", "panel-complex", "panel-variables",
            "panel-conversion", "panel-latin", "panel-greek", "panel-math",
            // variables, roots, powers, exponentials and logarithms, execute, delete
            "variable-use", "variable-delete", "root-square", "root-cube", "root-n", "power-square",
            "power-cube", "power-n", "power-inverse", "exp-e", "log-natural", "exp-ten", "log-ten",
            "execute-enter", "execute-approx", "delete-char", "delete-all",
            // the program
            "tobrikcalculator"};
        for (const char* name : names)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void iconDrawsAtToolbarSizes() {
        QFETCH(QString, name);
        const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
        QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), qPrintable(path));
        // One drawing grid for all, so strokes come out alike at every size.
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 24, 24));
        const QIcon icon(path);
        QVERIFY(!icon.isNull());
        for (int side : {16, 48}) {
            const QImage image =
                icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(side, side));
            int opaque = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            // Something is drawn, and it leaves some of the square free.
            QVERIFY2(opaque > side * side / 20,
                     qPrintable(QStringLiteral("%1 at %2 px").arg(name).arg(side)));
            QVERIFY(opaque < side * side);
        }
    }
};

VYX_WIDGET_TEST_MAIN(IconResourcesTest)
#include "test_icon_resources.moc"
