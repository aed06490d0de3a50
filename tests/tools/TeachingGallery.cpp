// Draws each teaching window into a PNG file, and the report of an experiment into PDF files,
// for looking at them:
//   teaching_gallery OUTPUT_FOLDER PROGRAM_FOLDER

#include "tools/Chisquare.h"
#include "tools/ChrMapForm.h"
#include "tools/Preview.h"
#include "tools/StartupTips.h"
#include "tools/Welcome.h"
#include "tools/about.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

namespace {
void Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    window.grab().save(folder.filePath(name + ".png"));
}

// A bar chart of an F2 as the experiment window shows one.
QChartView* PhenotypeChart() {
    auto* bars = new QBarSet(QString());
    *bars << 152 << 48;
    bars->setColor(Qt::red);
    auto* series = new QBarSeries;
    series->append(bars);
    series->setLabelsVisible(true);
    series->setLabelsFormat("@value");
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle("F2 phenotypes");
    chart->legend()->hide();
    auto* phenotypes = new QBarCategoryAxis;
    phenotypes->append({"Wild", "w"});
    auto* counts = new QValueAxis;
    counts->setTitleText("# Individuals");
    counts->setLabelFormat("%d");
    chart->addAxis(phenotypes, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(phenotypes);
    series->attachAxis(counts);
    auto* view = new QChartView(chart);
    view->resize(410, 280);
    return view;
}

ReportGeneration Generation(const QString& name, const QString& mother, const QString& father,
                            int individuals, ReportKind kind) {
    ReportGeneration generation;
    generation.name = name;
    generation.motherLabel = mother;
    generation.fatherLabel = father;
    generation.individuals = individuals;
    generation.kind = kind;
    return generation;
}

ReportData WhiteEyeExperiment(QChartView* chart) {
    ReportData report{"White eyes", {}, {{"White eyes", 12}, {"Red eyes", 31}, {"Jar 3", 0}}};
    report.generations.push_back(Generation("P1", "None", "None", 2, ReportKind::Icons));
    ReportGeneration f1 = Generation("F1", "P1 (2)", "P1 (1)", 120, ReportKind::Table);
    f1.tableColumns = {{"Total", 120}, {"Wild", 120}};
    report.generations.push_back(f1);
    ReportGeneration f2 = Generation("F2", "F1 female", "F1 male", 200, ReportKind::Chart);
    f2.chartSize = chart->size();
    f2.drawChart = [chart](QPainter& painter, const QRect& area) {
        chart->render(&painter, QRectF(area));
    };
    report.generations.push_back(f2);
    report.generations.push_back(Generation("F3", "F2 (4)", "F2 (9)", 60, ReportKind::Icons));
    return report;
}

// Prints and saves into the files given.
class FileDialogs : public Dialogs {
public:
    QString printFile;
    QString saveFile;
    bool Print(QWidget*, QPrinter* printer) override {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printFile);
        return true;
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return saveFile;
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 1;
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString programFolder = QString::fromLocal8Bit(argv[2]);

    TChiSquareForm chiSquare;
    const char* counts[][2] = {{"752", "750"}, {"248", "250"}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            chiSquare.FreqTable->item(row, column)->setText(counts[row][column]);
    chiSquare.Button1Click();
    Save(chiSquare, output, "chisquare");

    TChrMap map;
    Save(map, output, "chrmap-start");
    for (QLabel* label : map.LocusLabels)
        if (label->text() == "ci")
            map.Label6Click(label);
    map.Label6MouseMove(map.LocusLabels[10]);
    Save(map, output, "chrmap-clicked");

    TTipForm tips(true, nullptr, programFolder);
    Save(tips, output, "tips");

    TWelcomeForm welcome;
    Save(welcome, output, "welcome");

    TAboutBox about;
    Save(about, output, "about");
    DrawFly().scaled(240, 264).save(output.filePath("fly-x3.png"));

    QChartView* chart = PhenotypeChart();
    chart->show();
    ReportData experiment = WhiteEyeExperiment(chart);
    const ReportProvider report = [&experiment] { return experiment; };
    TPreviewForm preview(report);
    Save(preview, output, "preview");
    preview.NextPageClick();
    Save(preview, output, "preview-page2");
    preview.PreviousPageClick();
    for (int press = 0; press < 3; ++press)
        preview.Image1Click();
    Save(preview, output, "preview-larger");

    ReportData longExperiment = experiment;
    for (int filial = 4; filial <= 40; ++filial)
        longExperiment.generations.push_back(
            Generation(QString("F%1").arg(filial), QString("F%1 (1)").arg(filial - 1),
                       QString("F%1 (2)").arg(filial - 1), 10, ReportKind::Icons));
    TPreviewForm longPreview([&longExperiment] { return longExperiment; });
    Save(longPreview, output, "preview-long");
    longPreview.NextPageClick();
    Save(longPreview, output, "preview-long-page2");

    FileDialogs files;
    SetDialogs(&files);
    files.printFile = output.filePath("printed.pdf");
    FilePrintExecute(nullptr, report);
    files.saveFile = output.filePath("exported");
    FileExportPdfExecute(nullptr, [&longExperiment] { return longExperiment; });
    SetDialogs(nullptr);
    return 0;
}
