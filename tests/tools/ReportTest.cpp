#include "RecordingDialogs.h"
#include "RecordingPaintDevice.h"
#include "ReportSamples.h"
#include "tools/Preview.h"

#include <QPageLayout>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// One line of the report's body, below "GENERATIONS": its text, how many report lines below the
// line before it, and whether it is bold.
struct BodyLine {
    QString text;
    int linesDown;
    bool bold;
};
using Body = QList<BodyLine>;
Q_DECLARE_METATYPE(ReportData)
Q_DECLARE_METATYPE(std::optional<ReportData>)

// A line of text in a PDF page as pdftotext finds it: the words and the top of their boxes, in
// points.
struct PdfLine {
    QString text;
    double top;
};
using PdfPage = QList<PdfLine>;

class ReportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    // A printer page at the report's resolution (A4 less the default margins) and a preview page.
    static QSize PageSize(bool printing) { return printing ? QSize(2395, 3424) : QSize(450, 643); }
    static int Resolution(bool printing) { return printing ? ReportResolution : 96; }

    static ReportProvider Provide(const std::optional<ReportData>& report) {
        return [report] { return report; };
    }

    static Recording Render(const ReportData& report, bool printing, int page = 0,
                            int* pages = nullptr) {
        RecordingPaintDevice device(PageSize(printing), Resolution(printing));
        QPainter canvas(&device);
        const int count = RenderReport(canvas, printing, report, device.height(), page);
        if (pages)
            *pages = count;
        return device.recording;
    }

    static QString Run(const QString& tool, const QStringList& arguments) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            return {};
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The pages of a PDF file as lines of words (pdftotext, from Debian's poppler-utils).
    static QList<PdfPage> ReadPdf(const QString& file) {
        const QString html = Run("pdftotext", {"-bbox", file, "-"});
        QList<PdfPage> pages;
        const QRegularExpression element(
            R"re(<page |<word xMin="[-\d.]+" yMin="([-\d.]+)" xMax="[-\d.]+" yMax="[-\d.]+">([^<]*)</word>)re");
        for (const QRegularExpressionMatch& match : element.globalMatch(html)) {
            if (match.captured(0) == "<page ") {
                pages.append(PdfPage());
                continue;
            }
            const double top = match.captured(1).toDouble();
            const QString word = match.captured(2).replace("&amp;", "&");
            if (!pages.last().isEmpty() && qAbs(pages.last().last().top - top) < 0.5)
                pages.last().last().text += " " + word;
            else
                pages.last().append({word, top});
        }
        return pages;
    }

    static QStringList Texts(const QList<PdfPage>& pages) {
        QStringList texts;
        for (const PdfPage& page : pages)
            for (const PdfLine& line : page)
                texts.append(line.text);
        return texts;
    }

    static QString PdfTitle(const QString& file) {
        const QRegularExpression title("^Title:\\s*(.*)$", QRegularExpression::MultilineOption);
        return title.match(Run("pdfinfo", {file})).captured(1).trimmed();
    }

private slots:
    void initTestCase() {
        QVERIFY(!QStandardPaths::findExecutable("pdftotext").isEmpty());
        QVERIFY(!QStandardPaths::findExecutable("pdfinfo").isEmpty());
        // A metric twin of Times New Roman (Liberation Serif) must be installed.
        QCOMPARE(QFontMetrics(QFont("Times New Roman", 12)).horizontalAdvance("GENERATIONS"),
                 QFontMetrics(QFont("Liberation Serif", 12)).horizontalAdvance("GENERATIONS"));
    }
    void cleanup() { SetPrinterSource({}); }

    void HeaderFontsAndOrigin_data() {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<QPointF>("origin");
        QTest::newRow("printing") << true << QPointF(400, 200);
        QTest::newRow("preview") << false << QPointF(40, 20);
    }

    void HeaderFontsAndOrigin() {
        QFETCH(bool, printing);
        QFETCH(QPointF, origin);
        const Recording device = Render({"Eye colour", {Parental()}, {}}, printing);
        QVERIFY(device.texts.size() >= 4);

        RecordingPaintDevice metrics(PageSize(printing), Resolution(printing));
        const int small = LineHeight(10, false, &metrics);
        const int title = LineHeight(22, true, &metrics);
        struct {
            const char* text;
            int pointSize;
            bool bold;
            double top;
        } header[] = {{"Genotrix 1.0", 10, false, origin.y()},
                      {"Experiment report", 10, false, origin.y() + small},
                      {"Eye colour", 22, true, origin.y() + 3 * small},
                      {"GENERATIONS", 12, true, origin.y() + 3 * small + 2 * title}};
        for (int line = 0; line < 4; ++line) {
            const RecordedText& text = device.texts[line];
            QCOMPARE(text.text, QString(header[line].text));
            QCOMPARE(text.topLeft, QPointF(origin.x(), header[line].top));
            QCOMPARE(text.font.family(), QString("Times New Roman"));
            QCOMPARE(text.font.pointSize(), header[line].pointSize);
            QCOMPARE(text.font.bold(), header[line].bold);
        }
    }

    void BodyLines_data() {
        QTest::addColumn<ReportData>("report");
        QTest::addColumn<Body>("body");

        const Body parental = {{"P1", 2, true},
                               {"Mother: None", 1, false},
                               {"Father: None", 1, false},
                               {"Individuals: 2", 1, false}};
        QTest::newRow("parental only, nothing after")
            << ReportData{"Eye colour", {Parental()}, {}} << parental;

        Body table = parental;
        table << BodyLine{"F1", 2, true} << BodyLine{"Mother: P1 (2)", 1, false}
              << BodyLine{"Father: P1 (1)", 1, false} << BodyLine{"Individuals: 120", 1, false}
              << BodyLine{"Total: 120", 1, false} << BodyLine{"Wild: 90", 1, false}
              << BodyLine{"w: 30", 1, false} << BodyLine{"F2", 2, true}
              << BodyLine{"Mother: F1 (7)", 1, false} << BodyLine{"Father: F1 (3)", 1, false}
              << BodyLine{"Individuals: 40", 1, false};
        QTest::newRow("table then icons: one blank line after the table")
            << ReportData{"Eye colour",
                          {Parental(), WhiteEyeTable(), Generation("F2", "F1 (7)", "F1 (3)", 40)},
                          {}}
            << table;

        Body jars = parental;
        jars << BodyLine{"F1", 2, true} << BodyLine{"Mother: P1 (2)", 1, false}
             << BodyLine{"Father: P1 (1)", 1, false} << BodyLine{"Individuals: 120", 1, false}
             << BodyLine{"Total: 120", 1, false} << BodyLine{"Wild: 90", 1, false}
             << BodyLine{"w: 30", 1, false} << BodyLine{"COUNTING JARS", 3, true}
             << BodyLine{"Jar 1: 0", 2, false} << BodyLine{"White eyes: 3", 1, false};
        QTest::newRow("jars in their order") << ReportData{"Eye colour",
                                                           {Parental(), WhiteEyeTable()},
                                                           {{"Jar 1", 0}, {"White eyes", 3}}}
                                             << jars;

        Body jarsAfterIcons = parental;
        jarsAfterIcons << BodyLine{"COUNTING JARS", 3, true} << BodyLine{"Jar 1: 0", 2, false};
        QTest::newRow("jars after icons")
            << ReportData{"Eye colour", {Parental()}, {{"Jar 1", 0}}} << jarsAfterIcons;
    }

    void BodyLines() {
        QFETCH(ReportData, report);
        QFETCH(Body, body);
        for (bool printing : {true, false}) {
            const Recording device = Render(report, printing);
            RecordingPaintDevice metrics(PageSize(printing), Resolution(printing));
            const int line = LineHeight(12, true, &metrics);
            QCOMPARE(LineHeight(12, false, &metrics), line);

            QStringList expected{"Genotrix 1.0", "Experiment report", report.name, "GENERATIONS"};
            for (const BodyLine& bodyLine : body)
                expected << bodyLine.text;
            QCOMPARE(device.Texts(), expected);

            QPointF place = device.texts[3].topLeft;
            for (int i = 0; i < body.size(); ++i) {
                const RecordedText& text = device.texts[4 + i];
                place.ry() += body[i].linesDown * line;
                QVERIFY2(text.topLeft == place, qPrintable(text.text));
                QCOMPARE(text.font.bold(), body[i].bold);
                QCOMPARE(text.font.pointSize(), 12);
            }
        }
    }

    // The chart's picture, at its size, one line below "Individuals:" (which it would otherwise
    // cover); the next generation follows h + L below that line.
    void ChartPicture() {
        for (bool printing : {true, false}) {
            QList<QRect> drawn;
            ReportGeneration chart = Generation("F2", "F1 (7)", "F1 (3)", 200, ReportKind::Chart);
            chart.chartSize = QSize(410, 200);
            chart.drawChart = [&drawn](QPainter& painter, const QRect& area) {
                drawn.append(area);
                painter.setFont(QFont("Liberation Sans", 30));
                painter.drawRect(area);
            };
            const Recording device =
                Render({"Wings", {Parental(), chart, Generation("F3", "F2 (1)", "F2 (2)", 5)}, {}},
                       printing);
            RecordingPaintDevice metrics(PageSize(printing), Resolution(printing));
            const int line = LineHeight(12, true, &metrics);

            QCOMPARE(device.texts.size(), 16);
            const RecordedText individuals = device.texts[11];
            QCOMPARE(individuals.text, QString("Individuals: 200"));
            const QRect expected(individuals.topLeft.toPoint() + QPoint(0, line), QSize(410, 200));
            QCOMPARE(drawn, QList<QRect>{expected});
            QCOMPARE(device.rectangles, QList<QRectF>{QRectF(expected)});

            const RecordedText next = device.texts[12];
            QCOMPARE(next.text, QString("F3"));
            QCOMPARE(next.topLeft.y(), individuals.topLeft.y() + 200 + line);
            QCOMPARE(next.font.family(), QString("Times New Roman"));
            QCOMPARE(next.font.pointSize(), 12);
        }
    }

    // Whatever does not fit above the bottom margin continues on the next page at the top
    // margin: every line once, in order, none below the margin.
    void PaginationKeepsEveryLine_data() {
        QTest::addColumn<bool>("printing");
        QTest::newRow("printing") << true;
        QTest::newRow("preview") << false;
    }

    void PaginationKeepsEveryLine() {
        QFETCH(bool, printing);
        ReportData report = LongExperiment(60);
        report.jars = {{"Jar 1", 4}, {"Jar 2", 9}};
        int pages = 0;
        Render(report, printing, 0, &pages);
        QVERIFY(pages >= 3);

        const int top = printing ? 200 : 20;
        const int bottom = PageSize(printing).height() - top;
        RecordingPaintDevice metrics(PageSize(printing), Resolution(printing));
        QStringList lines;
        for (int page = 0; page < pages; ++page) {
            const Recording device = Render(report, printing, page);
            QVERIFY(!device.texts.isEmpty());
            // Each further page starts with a whole generation or the jars' heading.
            if (page > 0) {
                QCOMPARE(device.texts.first().topLeft.y(), double(top));
                QVERIFY(QRegularExpression("^F\\d+$|^COUNTING JARS$")
                            .match(device.texts.first().text)
                            .hasMatch());
            }
            for (const RecordedText& text : device.texts) {
                QVERIFY(text.topLeft.y() >= top);
                QVERIFY(text.topLeft.y() + QFontMetrics(text.font, &metrics).height() <= bottom);
            }
            lines << device.Texts();
        }
        QCOMPARE(lines, ReportLines(report));
        QVERIFY(Render(report, printing, pages).texts.isEmpty());
    }

    // A chart generation that does not fit below the text moves to the next page whole; a
    // chart taller than a page stands alone on its page and the report still ends.
    void ChartsOnFollowingPages_data() {
        QTest::addColumn<int>("chartHeight");
        QTest::addColumn<QStringList>("chartPageTexts");
        QTest::addColumn<int>("linesAboveChart");
        QTest::addColumn<int>("pages");
        QTest::newRow("with its generation on the next page")
            << 2500 << QStringList{"F2",
                                   "Mother: F1 (7)",
                                   "Father: F1 (3)",
                                   "Individuals: 200",
                                   "COUNTING JARS",
                                   "Jar 1: 1"}
            << 4 << 2;
        QTest::newRow("taller than a page, alone on a page") << 5000 << QStringList() << 0 << 3;
    }

    void ChartsOnFollowingPages() {
        QFETCH(int, chartHeight);
        QFETCH(QStringList, chartPageTexts);
        QFETCH(int, linesAboveChart);
        QFETCH(int, pages);
        QList<QRect> drawn;
        ReportGeneration chart = Generation("F2", "F1 (7)", "F1 (3)", 200, ReportKind::Chart);
        chart.chartSize = QSize(1000, chartHeight);
        chart.drawChart = [&drawn](QPainter&, const QRect& area) { drawn.append(area); };
        const ReportData report{"Tall chart", {Parental(), chart}, {{"Jar 1", 1}}};
        RecordingPaintDevice metrics(PageSize(true), ReportResolution);
        const int line = LineHeight(12, true, &metrics);

        int count = 0;
        Render(report, true, 0, &count);
        QCOMPARE(count, pages);
        QVERIFY(drawn.isEmpty());
        QCOMPARE(Render(report, true, 1).Texts(), chartPageTexts);
        QCOMPARE(drawn, QList<QRect>{QRect(400, 200 + linesAboveChart * line, 1000, chartHeight)});
        const QStringList last = Render(report, true, pages - 1).Texts();
        QCOMPARE(last.mid(last.size() - 2), QStringList({"COUNTING JARS", "Jar 1: 1"}));
    }

    // Printing through the print dialog into a PDF file: the lines of the report, the job title,
    // and one blank line after a table.
    void PrintedPdf() {
        RecordingDialogs dialogs;
        dialogs.printFile = folder.filePath("printed.pdf");
        const ReportData report{
            "Eye colour",
            {Parental(), WhiteEyeTable(), Generation("F2", "F1 (7)", "F1 (3)", 40)},
            {{"Jar 1", 0}, {"White eyes", 3}}};

        FilePrintExecute(nullptr, Provide(report));

        QCOMPARE(dialogs.printDialogs, 1);
        QCOMPARE(dialogs.messages, QStringList());
        const QList<PdfPage> pages = ReadPdf(dialogs.printFile);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(Texts(pages), ReportLines(report));
        QCOMPARE(PdfTitle(dialogs.printFile), QString("Genotrix: Eye colour"));

        auto top = [&](const QString& text) {
            for (const PdfLine& line : pages[0])
                if (line.text == text)
                    return line.top;
            return -1.0;
        };
        const double line = top("Wild: 90") - top("Total: 120");
        QVERIFY(line > 10 && line < 20); // 12-point lines
        QVERIFY(qAbs(top("w: 30") - top("Wild: 90") - line) < 0.1);
        QVERIFY(qAbs(top("Mother: F1 (7)") - top("w: 30") - 3 * line) < 0.1);
        QVERIFY(qAbs(top("Individuals: 2") - top("Mother: None") - 2 * line) < 0.1);
    }

    void LongReportPrintsOnSeveralPages() {
        RecordingDialogs dialogs;
        dialogs.printFile = folder.filePath("long.pdf");
        const ReportData report = LongExperiment(80);

        FilePrintExecute(nullptr, Provide(report));

        const QList<PdfPage> pages = ReadPdf(dialogs.printFile);
        QVERIFY(pages.size() >= 2);
        QCOMPARE(Texts(pages), ReportLines(report));
    }

    void PrintDoesNothing_data() {
        QTest::addColumn<std::optional<ReportData>>("report");
        QTest::addColumn<QString>("printFile");
        QTest::addColumn<int>("printDialogs");
        QTest::addColumn<QStringList>("messages");
        const ReportData report{"Eye colour", {Parental()}, {}};
        QTest::newRow("without an experiment")
            << std::optional<ReportData>() << "printed.pdf" << 0 << QStringList();
        QTest::newRow("when cancelled")
            << std::optional<ReportData>(report) << "" << 1 << QStringList();
        QTest::newRow("into an unwritable file")
            << std::optional<ReportData>(report) << "no such folder/printed.pdf" << 1
            << QStringList{"Error: Could not print the report."};
    }

    void PrintDoesNothing() {
        QFETCH(std::optional<ReportData>, report);
        QFETCH(QString, printFile);
        QFETCH(int, printDialogs);
        QFETCH(QStringList, messages);
        QTemporaryDir empty;
        RecordingDialogs dialogs;
        if (!printFile.isEmpty())
            dialogs.printFile = QDir(empty.path()).filePath(printFile);

        FilePrintExecute(nullptr, Provide(report));

        QCOMPARE(dialogs.printDialogs, printDialogs);
        QCOMPARE(dialogs.messages, messages);
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void PrintWithoutPrinter() {
        SetPrinterSource([] { return nullptr; });
        RecordingDialogs dialogs;
        dialogs.printFile = folder.filePath("never.pdf");

        FilePrintExecute(nullptr, Provide(ReportData{"Eye colour", {Parental()}, {}}));

        QCOMPARE(dialogs.printDialogs, 0);
        QCOMPARE(dialogs.messages, QStringList{"Fel: Kunde inte hitta någon skrivare."});
        QVERIFY(!QFile::exists(dialogs.printFile));
    }

    void ExportPdf_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::newRow("name without extension") << "handed in"
                                                << "handed in.pdf";
        QTest::newRow("name with extension") << "report.pdf"
                                             << "report.pdf";
        QTest::newRow("extension in capitals") << "REPORT.PDF"
                                               << "REPORT.PDF";
        QTest::newRow("other extension") << "report.txt"
                                         << "report.txt.pdf";
        QTest::newRow("cancelled") << ""
                                   << "";
    }

    // The same report as printed, in a file the user names, on the printer's paper.
    void ExportPdf() {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QTemporaryDir target;
        QPrinter letter;
        letter.setPageSize(QPageSize(QPageSize::Letter));
        SetPrinterSource([&letter] { return &letter; });
        RecordingDialogs dialogs;
        if (!answer.isEmpty())
            dialogs.saveFile = QDir(target.path()).filePath(answer);
        const ReportData report{"Eye colour: w/y", {Parental(), WhiteEyeTable()}, {{"Jar 1", 0}}};

        FileExportPdfExecute(nullptr, Provide(report));

        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(dialogs.saveDialogs, QStringList{"Export report as PDF | " +
                                                  QDir(documents).filePath("Eye colour_ w_y.pdf") +
                                                  " | PDF files (*.pdf)"});
        QCOMPARE(dialogs.messages, QStringList());
        const QStringList files = QDir(target.path()).entryList(QDir::Files);
        if (written.isEmpty()) {
            QCOMPARE(files, QStringList());
            return;
        }
        QCOMPARE(files, QStringList{written});
        const QString file = QDir(target.path()).filePath(written);
        QCOMPARE(Texts(ReadPdf(file)), ReportLines(report));
        QCOMPARE(PdfTitle(file), QString("Genotrix: Eye colour: w/y"));
        QVERIFY(Run("pdfinfo", {file}).contains("612 x 792 pts (letter)"));
    }

    void ExportLongReportOnSeveralPages() {
        QTemporaryDir target;
        RecordingDialogs dialogs;
        dialogs.saveFile = QDir(target.path()).filePath("long.pdf");
        const ReportData report = LongExperiment(80);

        FileExportPdfExecute(nullptr, Provide(report));

        const QList<PdfPage> pages = ReadPdf(dialogs.saveFile);
        QVERIFY(pages.size() >= 2);
        QCOMPARE(Texts(pages), ReportLines(report));
    }

    void ExportDoesNothingWithoutExperiment() {
        RecordingDialogs dialogs;
        dialogs.saveFile = folder.filePath("never.pdf");
        FileExportPdfExecute(nullptr, Provide(std::nullopt));
        QCOMPARE(dialogs.saveDialogs, QStringList());
        QVERIFY(!QFile::exists(dialogs.saveFile));
    }

    void ExportIntoUnwritableFolder() {
        RecordingDialogs dialogs;
        dialogs.saveFile = folder.filePath("no such folder/report.pdf");
        FileExportPdfExecute(nullptr, Provide(ReportData{"Eye colour", {Parental()}, {}}));
        QCOMPARE(dialogs.messages, QStringList{"Error: Could not write " +
                                               QDir::toNativeSeparators(dialogs.saveFile) + "."});
    }
};

QTEST_MAIN(ReportTest)
#include "ReportTest.moc"
