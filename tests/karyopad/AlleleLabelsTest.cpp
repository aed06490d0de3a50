// The allele labels: what they show, clicking them and the preview following the edits.

#include "EditorFixture.h"
#include "Karyotype.h"
#include "phenotype/MicroscopeView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

namespace {

// Label indices: pair by pair, locus by locus, homolog 0 then homolog 1.
constexpr int LeftW = 0;
constexpr int RightW = 1;
constexpr int LeftCy = 14;
constexpr int LeftVg = 20;
constexpr int RightVg = 21;
constexpr int LeftSe = 28;
constexpr int RightSe = 29;
constexpr int LeftSv = 38;

void MoveMouseOver(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class AlleleLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs = {};
        form = OpenEditor(dialogs);
    }
    void cleanup() {
        form.reset();
        SetDialogs(nullptr);
    }

    void startsWithWildTypeFemale() {
        const QStringList x = {"w+", "rb+", "cv+", "t+", "f+", "B+"};
        const QStringList ii = {"al+", "Cy+", "b+", "pr+", "vg+", "L+", "c+"};
        const QStringList iii = {"jv+", "se+", "th+", "cu+", "sr+"};
        const QStringList iv = {"ci+", "sv+"};
        QStringList expected;
        for (const QStringList& pair : {x, ii, iii, iv})
            for (const QString& allele : pair)
                expected << allele << allele;
        QCOMPARE(LabelTexts(*form), expected);

        QVERIFY(form->FemaleBtn->isChecked());
        QVERIFY(!form->MaleBtn->isChecked());
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        QCOMPARE(form->StatusHint->text(), "Click on alleles to switch between wild and mutated.");
        QVERIFY(IsFemale(form->Organism));
        QCOMPARE(form->Organism.GetPair(Chr3)->GetAllelePair(Locus_sr), "sr+/sr+");
        QCOMPARE(form->Organism.GetPair(ChrX)->GetChr(Homolog1)->alleles[6], "-");
    }

    void labelsSitInTheirColumnsAndRows() {
        int index = 0;
        for (int pair = 0; pair < PairCount; ++pair)
            for (int slot = 0; slot < LociPerChromosome; ++slot)
                if (GetMapPosition(pair, slot) >= 0)
                    for (const int homolog : {Homolog1, Homolog2}) {
                        const QLabel* label = form->AlleleLabels[index++];
                        QCOMPARE(label->pos(),
                                 QPoint(56 + 120 * pair + 40 * homolog, 85 + 30 * slot));
                        QCOMPARE(label->parentWidget(), form->centralWidget());
                        QCOMPARE(label->font().family(), "Arial");
                        QCOMPARE(label->font().pointSize(), 10);
                        QVERIFY(label->font().bold());
                        QVERIFY(!label->autoFillBackground());
                    }
        QCOMPARE(index, 40);
    }

    void labelsSitOnTheirChromosomes() {
        // The picture under each label is a chromosome bar, not the white background.
        const QImage picture = form->Image1->pixmap().toImage();
        for (const QLabel* label : form->AlleleLabels) {
            const QRect under(label->x() - 1, label->y(), 27, label->height());
            for (const QPoint corner :
                 {under.topLeft(), under.topRight(), under.bottomLeft(), under.bottomRight()})
                QVERIFY2(picture.pixelColor(corner) != QColor(Qt::white),
                         qPrintable(label->text()));
        }
    }

    void clickSwitchesAllele_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("locus");
        QTest::addColumn<int>("homolog");
        QTest::addColumn<QString>("mutant");
        QTest::newRow("left w") << LeftW << ChrX << Locus_w << Homolog1 << "w";
        QTest::newRow("right w") << RightW << ChrX << Locus_w << Homolog2 << "w";
        QTest::newRow("left Cy") << LeftCy << Chr2 << Locus_Cy << Homolog1 << "Cy";
        QTest::newRow("right vg") << RightVg << Chr2 << Locus_vg << Homolog2 << "vg";
        QTest::newRow("left sv") << LeftSv << Chr4 << Locus_sv << Homolog1 << "sv";
    }
    void clickSwitchesAllele() {
        QFETCH(int, label);
        QFETCH(int, pair);
        QFETCH(int, locus);
        QFETCH(int, homolog);
        QFETCH(QString, mutant);
        QLabel* clicked = form->AlleleLabels[label];
        const auto allele = [&] {
            return QString::fromStdString(
                form->Organism.GetPair(pair)->GetChr(homolog)->alleles[locus]);
        };

        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(clicked->text(), mutant);
        QCOMPARE(allele(), mutant);
        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(clicked->text(), mutant + "+");
        QCOMPARE(allele(), mutant + "+");
        // Only the left button clicks.
        QTest::mouseClick(clicked, Qt::RightButton);
        QCOMPARE(clicked->text(), mutant + "+");
        QVERIFY(dialogs.boxes.empty());
    }

    void previewFollowsEveryEdit() {
        // The preview's model of the fly as it is now.
        const auto model = [this]() -> const CDrosModel& { return *form->Panel->Model(); };
        QCOMPARE(model().eyeColor, WildTrait);
        QTest::mouseClick(form->AlleleLabels[LeftW], Qt::LeftButton);
        QCOMPARE(model().eyeColor, WildTrait); // a heterozygote keeps red eyes
        QTest::mouseClick(form->AlleleLabels[RightW], Qt::LeftButton);
        QCOMPARE(model().eyeColor, WhiteEyes);
        // Where several eye colours show, the editor shows the last of white, ruby, purple, sepia.
        QTest::mouseClick(form->AlleleLabels[LeftSe], Qt::LeftButton);
        QTest::mouseClick(form->AlleleLabels[RightSe], Qt::LeftButton);
        QCOMPARE(model().eyeColor, SepiaEyes);
        QTest::mouseClick(form->AlleleLabels[LeftVg], Qt::LeftButton);
        QTest::mouseClick(form->AlleleLabels[RightVg], Qt::LeftButton);
        QCOMPARE(model().wings, VestigialWings);
        QTest::mouseClick(form->AlleleLabels[LeftCy], Qt::LeftButton);
        QCOMPARE(model().wings, VestigialWings); // Cy is dominant, but vestigial wings show
        QTest::mouseClick(form->AlleleLabels[RightVg], Qt::LeftButton);
        QCOMPARE(model().wings, CurlyWings);
    }

    void emptyLabelIgnoresClicks() {
        form->MaleBtn->click();
        QLabel* ySlot = form->AlleleLabels[RightW];
        QCOMPARE(ySlot->text(), "");
        form->MBtn1Click(ySlot);
        QTest::mouseClick(ySlot, Qt::LeftButton, {}, QPoint(0, 0));
        QCOMPARE(ySlot->text(), "");
        QCOMPARE(form->Organism.GetPair(ChrX)->GetChr(Homolog2)->alleles[Locus_w], "-");
        QVERIFY(!IsFemale(form->Organism));
    }

    void hoverMarksLabelRed() {
        QLabel* w = form->AlleleLabels[LeftW];
        QLabel* cy = form->AlleleLabels[LeftCy];
        MoveMouseOver(w);
        MoveMouseOver(cy);
        QCOMPARE(TextColour(w), QColor(Qt::red));
        QCOMPARE(TextColour(cy), QColor(Qt::red));
        QCOMPARE(TextColour(form->AlleleLabels[RightW]), QColor(Qt::black));
        MoveMouseOver(form->Image1);
        for (const QLabel* label : form->AlleleLabels)
            QCOMPARE(TextColour(label), QColor(Qt::black));
    }

private:
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

QTEST_MAIN(AlleleLabelsTest)
#include "AlleleLabelsTest.moc"
