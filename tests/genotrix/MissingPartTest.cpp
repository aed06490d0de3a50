// The microscope when the 3D fly's part files are missing (this process never loads them): the
// error is shown, and the fly is in the microscope all the same.

#include "Image.h"
#include "LabTestSupport.h"
#include "phenotype/MicroscopeView.h"

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

using namespace labtest;

class MissingPartTest : public QObject {
    Q_OBJECT
private slots:
    void aMissingPartIsReportedAndTheFlyIsInTheMicroscope();
};

void MissingPartTest::aMissingPartIsReportedAndTheFlyIsInTheMicroscope() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* mother = experiment->NextMother;
    experiment->CurrentFly = mother;
    experiment->Moveflytomicroscope1->trigger();
    QCOMPARE(lab.sandbox.fake.boxes.size(), std::size_t(1));
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Error"));
    QCOMPARE(lab.sandbox.fake.LastText(), QString("File: eyes.bmp couldn't be loaded."));
    QCOMPARE(experiment->MicroscopeFly, mother);
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: P1 (2)"));
    QVERIFY(experiment->MagnifyingGlass->isVisible());
    QCOMPARE(experiment->MagnifyingGlass->pos(), mother->Image->pos() + QPoint(5, 7));
    // The view draws what it has.
    QVERIFY(!experiment->GLPanel->grabFramebuffer().isNull());

    experiment->EmptyBtn->click();
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
    QVERIFY(!experiment->MicroscopeFly);
}

QTEST_MAIN(MissingPartTest)
#include "MissingPartTest.moc"
