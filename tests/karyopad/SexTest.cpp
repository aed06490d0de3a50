// Male and female: the radio buttons, the kept second X and loading flies of the other sex.

#include "EditorFixture.h"
#include "phenotype/MicroscopeView.h"

#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int XLabels = 12;

// The right-hand column of the X pair: homolog 1 of its six loci.
QStringList SecondXLabels(const TForm1& form) {
    QStringList texts;
    for (int label = 1; label < XLabels; label += 2)
        texts << form.AlleleLabels[label]->text();
    return texts;
}

const CChromosome& SecondX(const TForm1& form) {
    return *form.Organism.GetPair(ChrX)->GetChr(Homolog2);
}

const QStringList WildX = {"w+", "rb+", "cv+", "t+", "f+", "B+"};
const QStringList EmptyY = {"", "", "", "", "", ""};

} // namespace

class SexTest : public QObject {
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

    void maleKeepsTheSecondXForFemale() {
        // A female with a mutant w and cv on her second X.
        QTest::mouseClick(form->AlleleLabels[1], Qt::LeftButton);
        QTest::mouseClick(form->AlleleLabels[5], Qt::LeftButton);
        const QStringList secondX = {"w", "rb+", "cv", "t+", "f+", "B+"};
        QCOMPARE(SecondXLabels(*form), secondX);

        QTest::mouseClick(form->MaleBtn, Qt::LeftButton);
        QVERIFY(form->MaleBtn->isChecked());
        QCOMPARE(SecondXLabels(*form), EmptyY);
        QVERIFY(!IsFemale(form->Organism));
        QCOMPARE(SecondX(*form).type, YChromosome);
        QCOMPARE(SecondX(*form).alleles, std::vector<std::string>(LociPerChromosome, "-"));
        QCOMPARE(form->Panel->Model()->sex, Male);
        QCOMPARE(form->AlleleLabels[0]->text(), "w+"); // the first X is never touched

        QTest::mouseClick(form->FemaleBtn, Qt::LeftButton);
        QVERIFY(form->FemaleBtn->isChecked());
        QCOMPARE(SecondXLabels(*form), secondX);
        QVERIFY(IsFemale(form->Organism));
        QCOMPARE(SecondX(*form).type, XChromosome);
        QCOMPARE(form->Panel->Model()->sex, Female);
    }

    void checkedButtonClickedAgainChangesNothing() {
        QTest::mouseClick(form->FemaleBtn, Qt::LeftButton);
        QCOMPARE(SecondXLabels(*form), WildX);
        QTest::mouseClick(form->MaleBtn, Qt::LeftButton);
        QTest::mouseClick(form->MaleBtn, Qt::LeftButton);
        QCOMPARE(SecondXLabels(*form), EmptyY);
        QTest::mouseClick(form->FemaleBtn, Qt::LeftButton);
        QCOMPARE(SecondXLabels(*form), WildX);
    }

    void loadedMaleTurnedFemaleGetsEarlierSecondX() {
        QTemporaryDir folder;
        const QString male = WriteFile(folder.filePath("male.fly"), WhiteVestigialMaleFile);
        QTest::mouseClick(form->AlleleLabels[3], Qt::LeftButton); // rb on the second X

        dialogs.fileName = male;
        form->Load1->trigger();
        QVERIFY(form->MaleBtn->isChecked());
        QCOMPARE(form->AlleleLabels[0]->text(), "w");
        QCOMPARE(SecondXLabels(*form), EmptyY);
        QCOMPARE(form->Panel->Model()->sex, Male);
        QCOMPARE(form->Panel->Model()->eyeColor, WhiteEyes);

        QTest::mouseClick(form->FemaleBtn, Qt::LeftButton);
        QCOMPARE(SecondXLabels(*form), QStringList({"w+", "rb", "cv+", "t+", "f+", "B+"}));
        QCOMPARE(form->Organism.GetPair(ChrX)->GetAllelePair(Locus_w), "w+/w");
        QCOMPARE(form->Organism.GetPair(Chr2)->GetAllelePair(Locus_vg), "vg/vg");
        QVERIFY(IsFemale(form->Organism));
        QVERIFY(dialogs.boxes.empty());
    }

    void newMakesWildTypeFemaleOnYes_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("wildType");
        QTest::newRow("yes") << QMessageBox::Yes << true;
        QTest::newRow("no") << QMessageBox::No << false;
    }
    void newMakesWildTypeFemaleOnYes() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, wildType);
        QTemporaryDir folder;
        dialogs.fileName = WriteFile(folder.filePath("male.fly"), WhiteVestigialMaleFile);
        form->Load1->trigger();
        const QStringList loaded = LabelTexts(*form);

        dialogs.answer = answer;
        form->New1->trigger();
        QCOMPARE(dialogs.boxes.size(), 1u);
        QCOMPARE(dialogs.boxes[0].caption, "Chromosome Editor");
        QCOMPARE(dialogs.boxes[0].text, "Make wildtype?");
        QCOMPARE(form->FemaleBtn->isChecked(), wildType);
        QCOMPARE(IsFemale(form->Organism), wildType);
        QCOMPARE(form->AlleleLabels[0]->text(), wildType ? "w+" : "w");
        QCOMPARE(SecondXLabels(*form), wildType ? WildX : EmptyY);
        if (!wildType)
            QCOMPARE(LabelTexts(*form), loaded);
        // The file name stays either way.
        QCOMPARE(form->StatusFileName->text(), dialogs.fileName);
        QCOMPARE(form->SaveDialogFileName, dialogs.fileName);
    }

private:
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

QTEST_MAIN(SexTest)
#include "SexTest.moc"
