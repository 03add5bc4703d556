// SPDX-License-Identifier: MIT
// Tests that every icon compiled in draws at small and large sizes.
#include "WidgetTestSupport.h"

#include <QSvgRenderer>

class IconResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void iconDrawsAtToolbarSizes_data() {
        QTest::addColumn<QString>("path");
        const QStringList names = QDir(u":/icons"_s).entryList();
        QVERIFY(names.contains(u"tobrikcalculator.svg"_s));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << u":/icons/"_s + name;
    }
    void iconDrawsAtToolbarSizes() {
        QFETCH(QString, path);
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        // One drawing grid for all, so strokes come out alike at every size.
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 24, 24));
        const QIcon icon(path);
        for (int side : {16, 48}) {
            const QImage image =
                icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(side, side));
            int opaque = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            // Something is drawn, and it leaves some of the square free.
            QVERIFY2(opaque > side * side / 20 && opaque < side * side,
                     qPrintable(u"%1 px"_s.arg(side)));
        }
    }
};

VYX_WIDGET_TEST_MAIN(IconResourcesTest)
#include "test_icon_resources.moc"
