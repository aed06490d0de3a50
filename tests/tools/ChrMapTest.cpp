#include "fly/Drosophila.h"
#include "tools/ChrMapForm.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class ChrMapTest : public QObject {
    Q_OBJECT

private:
    static QColor TextColour(const QLabel* label) {
        return label->palette().color(QPalette::WindowText);
    }

    static QLabel* LocusLabel(TChrMap& map, const QString& symbol) {
        for (QLabel* label : map.LocusLabels)
            if (label->text() == symbol)
                return label;
        return nullptr;
    }

    static void MoveOver(QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

private slots:
    void BeforeAnyClickOnlyTheHeadingsAndTheHintShow() {
        TChrMap map;
        QCOMPARE(map.windowTitle(), QString("Chromosome map"));
        QCOMPARE(map.size(), QSize(589, 395));
        QCOMPARE(map.Label3->text(), QString("Name:"));
        QCOMPARE(map.Label4->text(), QString("Location:"));
        QCOMPARE(map.Label5->text(), QString("Phenotype:"));
        QVERIFY(!map.Label26->isHidden());
        QCOMPARE(map.Label26->text(), QString("(Click on an allele to view information)"));
        QVERIFY(map.NameLabel->text().isEmpty());
        QVERIFY(map.LocLabel->text().isEmpty());
        QVERIFY(map.DescLabel->text().isEmpty());
    }

    void ClickingVgShowsVestigialWings() {
        TChrMap map;
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));

        QTest::mouseClick(LocusLabel(map, "vg"), Qt::LeftButton);

        QVERIFY(map.Label26->isHidden());
        QCOMPARE(map.NameLabel->text(), QString("Vestigial wings, vg"));
        QCOMPARE(map.LocLabel->text(), QString("67.0"));
        QCOMPARE(map.DescLabel->text(),
                 QString("Wings reduced, usually held at right angles to the body."));
    }

    // Each label is its locus: the fly's symbol at the fly's map position, on its chromosome.
    void EveryLabelShowsItsOwnLocus() {
        TChrMap map;
        QCOMPARE(map.LocusLabels.size(), MapLocusCount);
        const QImage picture = map.Image1->pixmap().toImage();
        int locus = 0;
        for (int pair = 0; pair < PairCount; ++pair)
            for (int slot = 0; slot < LociPerChromosome; ++slot) {
                if (GetMapPosition(pair, slot) < 0)
                    continue;
                QLabel* label = map.LocusLabels[locus];
                const QString symbol = LocusSymbols[pair][slot];
                QCOMPARE(label->text(), symbol);
                QCOMPARE(label->pos(),
                         QPoint(LocusLabelPlaces[locus].left, LocusLabelPlaces[locus].top));

                map.Label6Click(label);
                QVERIFY(map.NameLabel->text().endsWith(", " + symbol));
                QCOMPARE(map.LocLabel->text(), QString::number(GetMapPosition(pair, slot), 'f', 1));
                QCOMPARE(map.DescLabel->text(), QString(LocusDescriptions[locus]));

                // The chromosomes are tinted purple (green below red); the background is not.
                const QRect text = label->geometry().adjusted(1, 2, -1, -2);
                for (QPoint corner :
                     {text.topLeft(), text.topRight(), text.bottomLeft(), text.bottomRight()}) {
                    const QColor colour = picture.pixelColor(corner);
                    QVERIFY2(colour.green() < colour.red(),
                             qPrintable(symbol + " is off its chromosome"));
                }
                ++locus;
            }
    }

    void HoverMarksUntilThePictureIsCrossed() {
        TChrMap map;
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QLabel* w = LocusLabel(map, "w");
        QLabel* rb = LocusLabel(map, "rb");
        QCOMPARE(TextColour(w), QColor(Qt::black));

        MoveOver(w, QPoint(2, 2));
        MoveOver(rb, QPoint(2, 2));
        QCOMPARE(TextColour(w), QColor(Qt::red));
        QCOMPARE(TextColour(rb), QColor(Qt::red));
        QCOMPARE(map.HoverLabel, rb);

        MoveOver(map.Image1, QPoint(200, 380));
        QCOMPARE(TextColour(rb), QColor(Qt::black));
        QCOMPARE(TextColour(w), QColor(Qt::red));
        QCOMPARE(map.HoverLabel, rb);
    }

    void ReopeningShowsTheLastLocus() {
        TChrMap map;
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QTest::mouseClick(LocusLabel(map, "se"), Qt::LeftButton);

        map.Button1->click();
        QVERIFY(!map.isVisible());
        map.show();

        QCOMPARE(map.NameLabel->text(), QString("Sepia eyes, se"));
        QCOMPARE(map.LocLabel->text(), QString("26.0"));
        QVERIFY(map.Label26->isHidden());
    }
};

QTEST_MAIN(ChrMapTest)
#include "ChrMapTest.moc"
