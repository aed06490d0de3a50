// Generation displays: icon layout, the table's tally, the chart's size, collapsing and the
// generation's part of its removal.

#include "Generation.h"

#include "BarChart.h"
#include "Image.h"
#include "LabTestSupport.h"
#include "Pictures.h"
#include "phenotype/Drosphen.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QLegend>
#include <QtTest>

using namespace labtest;

namespace {

// A generation in a container window of its own, with the real pictures.
struct Shown {
    explicit Shown(GenerationKind kind, int width = 560, const QString& name = "F1")
        : generation(kind, &container, name, 20, 40, width, 100, &menu, pictures::CollapseSign(),
                     pictures::ExpandSign()) {
        container.resize(width + 40, 900);
        container.show();
    }
    DrosophilaIcon* Add(const CDrosophila& fly) {
        return generation.AddFly(pictures::FlyIcon(), std::make_unique<CDrosophila>(fly));
    }
    QWidget container;
    QMenu menu;
    TGeneration generation;
};

} // namespace

class GenerationTest : public QObject {
    Q_OBJECT
private slots:
    void iconsFillRowsOf23InA560PixelFrame();
    void fiveHundredIconsMake22RowsInAGrownFrame();
    void anExpandedFrameIsNeverLowerThan100();
    void iconsAreLabelledByGenerationAndPosition();
    void hiddenIconsAreSkippedAndTheRestCloseUp();
    void aTableCountsPhenotypesInOrderOfFirstAppearance();
    void aTableSeparatesTheSexesWhenAsked();
    void chartWidthIs180PerBarPlus50UpToTheFrame_data();
    void chartWidthIs180PerBarPlus50UpToTheFrame();
    void aChartIsTitledAndShowsOneRedBarPerPhenotype();
    void threeDChartsFollowTheSetting();
    void collapsingHidesTheContentAndExpandingRestoresIt();
    void discardKeepsOnlyFliesThatAreParents();
};

void GenerationTest::iconsFillRowsOf23InA560PixelFrame() {
    Shown shown(Icons);
    for (int i = 0; i < 24; ++i)
        shown.Add(WildFly(i % 2));
    shown.generation.Layout();
    const auto& flies = shown.generation.Flies;
    QCOMPARE(flies[0]->Image->pos(), QPoint(8, 24));
    QCOMPARE(flies[1]->Image->pos(), QPoint(32, 24));
    QCOMPARE(flies[22]->Image->pos(), QPoint(536, 24));
    QCOMPARE(flies[23]->Image->pos(), QPoint(8, 57));
    QCOMPARE(flies[23]->ParentMark->pos(), QPoint(21, 74));
    QCOMPARE(flies[0]->Image->size(), QSize(22, 29));
    QCOMPARE(shown.generation.Frame->height(), 100);
}

void GenerationTest::fiveHundredIconsMake22RowsInAGrownFrame() {
    Shown shown(Icons);
    const CDrosophila fly = WildFly(true);
    for (int i = 0; i < 500; ++i)
        shown.Add(fly);
    shown.generation.Layout();
    QCOMPARE(shown.generation.Flies.back()->Image->pos(), QPoint(8 + 16 * 24, 24 + 21 * 33));
    QCOMPARE(shown.generation.Frame->height(), 24 + 21 * 33 + 39);
    QCOMPARE(shown.generation.Individuals, 500);
}

void GenerationTest::anExpandedFrameIsNeverLowerThan100() {
    Shown shown(Icons);
    shown.generation.Resize(560, 20);
    QCOMPARE(shown.generation.Frame->height(), 100);
    for (int i = 0; i < 46; ++i) // two full rows: the third row begins, and the frame grows
        shown.Add(WildFly(false));
    shown.generation.Resize(560, 20);
    QCOMPARE(shown.generation.Frame->height(), 129);
    QCOMPARE(shown.generation.CollapseButton->pos(), QPoint(7, 45));
}

void GenerationTest::iconsAreLabelledByGenerationAndPosition() {
    Shown shown(Icons, 560, "Backcross");
    shown.Add(WildFly(false));
    DrosophilaIcon* second = shown.Add(WildFly(true));
    QCOMPARE(second->Label(), QString("Backcross (2)"));
    QCOMPARE(second->Image->toolTip(), QString("Backcross (2)"));
    QVERIFY(!second->UsedAsParent);
    QVERIFY(second->ParentMark->isHidden());
    QCOMPARE(second->ParentMark->text(), QString("P"));
    second->SetLabel("Lucky");
    QCOMPARE(second->Image->toolTip(), QString("Lucky"));
}

void GenerationTest::hiddenIconsAreSkippedAndTheRestCloseUp() {
    Shown shown(Icons);
    for (int i = 0; i < 3; ++i)
        shown.Add(WildFly(true));
    shown.generation.Flies[1]->Image->hide();
    shown.generation.Layout();
    QCOMPARE(shown.generation.Flies[2]->Image->pos(), QPoint(32, 24));
}

void GenerationTest::aTableCountsPhenotypesInOrderOfFirstAppearance() {
    Shown shown(Table);
    QCOMPARE(shown.generation.TableColumns(), (std::vector<std::pair<QString, int>>{{"Total", 0}}));
    const CDrosophila white = MutantFly(false, {{ChrX, Locus_w}});
    const CDrosophila wild = WildFly(true);
    const CDrosophila black = MutantFly(true, {{Chr2, Locus_b}});
    for (const CDrosophila* fly : {&white, &wild, &white, &black, &wild, &white})
        QVERIFY(!shown.Add(*fly));
    shown.generation.Layout();

    const auto columns = shown.generation.TableColumns();
    QCOMPARE(columns,
             (std::vector<std::pair<QString, int>>{{"Total", 6}, {"w", 3}, {"Wild", 2}, {"b", 1}}));
    int sum = 0;
    for (std::size_t i = 1; i < columns.size(); ++i)
        sum += columns[i].second;
    QCOMPARE(columns[0].second, sum);
    QVERIFY(shown.generation.Flies.empty());
    QCOMPARE(shown.generation.Individuals, 6);
    QCOMPARE(shown.generation.Frame->height(), 100);
    QCOMPARE(shown.generation.Grid->horizontalHeader()->defaultSectionSize(), 80);
}

void GenerationTest::aTableSeparatesTheSexesWhenAsked() {
    Sandbox sandbox;
    settings().SeparateSexes = true;
    Shown shown(Table);
    for (bool female : {true, false, true})
        shown.Add(WildFly(female));
    shown.generation.Layout();
    QCOMPARE(shown.generation.TableColumns(), (std::vector<std::pair<QString, int>>{
                                                  {"Total", 3}, {"Wild (F)", 2}, {"Wild (M)", 1}}));
}

void GenerationTest::chartWidthIs180PerBarPlus50UpToTheFrame_data() {
    QTest::addColumn<int>("phenotypes");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("chartWidth");
    QTest::newRow("one bar") << 1 << 560 << 230;
    QTest::newRow("two bars") << 2 << 560 << 410;
    QTest::newRow("three bars just fit") << 3 << 610 << 590;
    QTest::newRow("many bars are cut to the frame") << 6 << 560 << 540;
}

void GenerationTest::chartWidthIs180PerBarPlus50UpToTheFrame() {
    QFETCH(int, phenotypes);
    QFETCH(int, frameWidth);
    QFETCH(int, chartWidth);
    const std::pair<int, int> loci[] = {{ChrX, Locus_w},  {Chr2, Locus_b},  {Chr2, Locus_vg},
                                        {Chr3, Locus_se}, {Chr2, Locus_pr}, {ChrX, Locus_B}};
    Shown shown(Chart, frameWidth);
    for (int i = 0; i < phenotypes; ++i)
        shown.Add(MutantFly(true, {loci[i]}));
    shown.generation.Layout();
    QCOMPARE(shown.generation.BarChart->geometry(), QRect(10, 20, chartWidth, 280));
    QCOMPARE(shown.generation.Frame->height(), 310);
}

void GenerationTest::aChartIsTitledAndShowsOneRedBarPerPhenotype() {
    Shown shown(Chart, 560, "F2");
    const CDrosophila vestigial = MutantFly(false, {{Chr2, Locus_vg}});
    for (const CDrosophila& fly : {vestigial, WildFly(true), vestigial})
        shown.Add(fly);
    shown.generation.Layout();
    TBarChart* chart = shown.generation.BarChart;
    QCOMPARE(chart->chart()->title(), QString("F2 phenotypes"));
    QVERIFY(!chart->chart()->legend()->isVisible());
    QCOMPARE(chart->Bars(), (std::vector<std::pair<QString, int>>{{"vg", 2}, {"Wild", 1}}));
    auto* series = qobject_cast<QAbstractBarSeries*>(chart->chart()->series().front());
    QCOMPARE(series->barSets().front()->color(), QColor(220, 20, 20));
    QVERIFY(series->isLabelsVisible());
    const auto axes = chart->chart()->axes(Qt::Vertical);
    QCOMPARE(axes.front()->titleText(), QString("# Individuals"));
}

void GenerationTest::threeDChartsFollowTheSetting() {
    Sandbox sandbox;
    for (bool threeD : {false, true}) {
        settings().Charts3D = threeD;
        Shown shown(Chart);
        QCOMPARE(shown.generation.BarChart->IsThreeD(), threeD);
    }
}

void GenerationTest::collapsingHidesTheContentAndExpandingRestoresIt() {
    Shown shown(Chart);
    shown.Add(WildFly(true));
    shown.generation.Layout();
    QSignalSpy changed(&shown.generation, &TGeneration::CollapsedChanged);

    QTest::mouseClick(shown.generation.CollapseButton, Qt::LeftButton);
    QVERIFY(shown.generation.Collapsed);
    QCOMPARE(shown.generation.Frame->height(), 20);
    QVERIFY(shown.generation.BarChart->isHidden());
    QCOMPARE(shown.generation.CollapseButton->toolTip(), QString("Expand"));
    shown.generation.Resize(560, 20);
    QCOMPARE(shown.generation.Frame->height(), 20);

    QTest::mouseClick(shown.generation.CollapseButton, Qt::LeftButton);
    QVERIFY(!shown.generation.Collapsed);
    QCOMPARE(shown.generation.Frame->height(), 310);
    QVERIFY(!shown.generation.BarChart->isHidden());
    QCOMPARE(shown.generation.CollapseButton->toolTip(), QString("Collapse"));
    QCOMPARE(changed.count(), 2);
}

void GenerationTest::discardKeepsOnlyFliesThatAreParents() {
    Shown parents(Icons);
    DrosophilaIcon* mother = parents.Add(WildFly(true));
    DrosophilaIcon* father = parents.Add(WildFly(false));
    Shown children(Icons);
    children.generation.MotherFly = mother;
    children.generation.FatherFly = father;
    children.generation.ShowSelected(true);
    QVERIFY(mother->ParentMark->isVisible());

    parents.Add(WildFly(true));
    mother->UsedAsParent = true;
    auto kept = parents.generation.Discard();
    QCOMPARE(kept.size(), std::size_t(1));
    QCOMPARE(kept.front().get(), mother);
    QVERIFY(parents.generation.Flies.empty());
    QVERIFY(parents.generation.Frame->isHidden());
    QCOMPARE(children.generation.MotherLabel(), QString("F1 (1)"));
}

QTEST_MAIN(GenerationTest)
#include "GenerationTest.moc"
