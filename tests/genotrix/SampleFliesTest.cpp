// The sample flies shipped in the program's Flies folder: each loads, and is the sex and
// phenotype its name says.

#include "fly/Drosophila.h"
#include "phenotype/Drosphen.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class SampleFliesTest : public QObject {
    Q_OBJECT
private slots:
    void everySampleFlyIsWhatItsNameSays_data();
    void everySampleFlyIsWhatItsNameSays();
    void everySampleFlyIsListedHere();
};

namespace {

// File name (without ".fly") and the phenotype the laboratory counts it under.
const std::pair<const char*, const char*> Samples[] = {
    {"wild type male", "Wild (M)"},
    {"wild type female", "Wild (F)"},
    {"white male", "w (M)"},
    {"white female", "w (F)"},
    {"vestigial male", "vg (M)"},
    {"vestigial female", "vg (F)"},
    {"black male", "b (M)"},
    {"black female", "b (F)"},
    {"Bar male", "B (M)"},
    {"Bar female", "B (F)"},
    {"Curly male", "Cy (M)"},
    {"Curly female", "Cy (F)"},
    {"sepia male", "se (M)"},
    {"sepia female", "se (F)"},
    {"black vestigial male", "b, vg (M)"},
    {"black vestigial female", "b, vg (F)"},
    {"black vestigial heterozygous female", "Wild (F)"},
    {"purple vestigial male", "pr, vg (M)"},
    {"purple vestigial female", "pr, vg (F)"},
    {"white crossveinless male", "w, cv (M)"},
    {"white crossveinless female", "w, cv (F)"},
    {"sepia thread male", "se, th (M)"},
    {"sepia thread female", "se, th (F)"},
};

} // namespace

void SampleFliesTest::everySampleFlyIsWhatItsNameSays_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("phenotype");
    for (const auto& [name, phenotype] : Samples)
        QTest::newRow(name) << QString(SAMPLE_FLIES_DIR "/%1.fly").arg(name) << phenotype;
}

void SampleFliesTest::everySampleFlyIsWhatItsNameSays() {
    QFETCH(QString, path);
    QFETCH(QString, phenotype);
    CDrosophila fly;
    LoadFromFile(fly, QFile::encodeName(path).toStdString());
    QCOMPARE(IsFemale(fly), path.endsWith("female.fly"));
    QCOMPARE(QString::fromStdString(CDrosPhenotype(&fly).GetText(true)), phenotype);
    // Every slot holds an allele of its own locus.
    for (int pair = 0; pair < PairCount; ++pair)
        for (int slot = 0; slot < LociPerChromosome; ++slot)
            for (int homolog = 0; homolog < 2; ++homolog) {
                const std::string& allele = fly.GetPair(pair)->GetChr(homolog)->alleles[slot];
                const std::string symbol = LocusSymbols[pair][slot];
                const bool empty = symbol.empty() ||
                                   (pair == ChrX && homolog == 1 && !path.endsWith("female.fly"));
                QVERIFY(empty ? allele == "-" : (allele == symbol || allele == symbol + "+"));
            }
}

void SampleFliesTest::everySampleFlyIsListedHere() {
    const QStringList files = QDir(SAMPLE_FLIES_DIR).entryList({"*.fly"}, QDir::Files);
    QCOMPARE(files.size(), qsizetype(std::size(Samples)));
}

QTEST_APPLESS_MAIN(SampleFliesTest)
#include "SampleFliesTest.moc"
