#pragma once

// The experiment report: one drawing routine that lays out an experiment's generations and
// counting jars on printed pages, in a PDF file and in the preview window.
//
// The report knows nothing of the experiment window. The main window describes the active
// experiment in a ReportData whenever the report asks (a ReportProvider) and binds three commands
// of its File menu:
//   "Preview report..."        FilePreviewExecute(mainWindow, provider)
//   "Print report..." (Ctrl+P) FilePrintExecute(mainWindow, provider)
//   "Export report as PDF..."  FileExportPdfExecute(mainWindow, provider)
// With no experiment window open the provider returns nothing: printing and exporting then do
// nothing, and the preview shows a blank page.

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QRect;

enum class ReportKind { Icons, Table, Chart };

// One generation as the report shows it.
struct ReportGeneration {
    QString name; // the generation frame's caption
    QString motherLabel;
    QString fatherLabel; // the parents' labels, or "None"
    int individuals = 0;
    ReportKind kind = ReportKind::Icons;
    // Table: the grid's columns from left to right as heading and count, "Total" first.
    std::vector<std::pair<QString, int>> tableColumns;
    // Chart: the chart control's current size, and a function drawing its current picture into
    // the given rectangle of the painter (for example QGraphicsView::render).
    QSize chartSize;
    std::function<void(QPainter&, const QRect&)> drawChart;
};

struct ReportJar {
    QString name; // as shown under the jar
    int count = 0;
};

// What the report shows of an experiment.
struct ReportData {
    QString name; // the experiment window's caption
    std::vector<ReportGeneration> generations;
    std::vector<ReportJar> jars;
};

// The active experiment, described afresh at each call; nothing when no experiment window is
// open.
using ReportProvider = std::function<std::optional<ReportData>()>;

// The report's positions and sizes are in pixels of a page of this resolution, whatever the
// printer's own, so every printer and the PDF export give the same layout as the preview.
inline constexpr int ReportResolution = 300;

// Draws page `page` (counted from 0) of the report on the canvas. The report starts at
// (400, 200) when printing and at (40, 20) in the preview, and leaves the same margin at the
// bottom of a page `pageHeight` canvas pixels high: whatever does not fit continues on the next
// page. Returns the number of pages the report takes.
int RenderReport(QPainter& canvas, bool printing, const ReportData& report, int pageHeight,
                 int page = 0);

// The report goes to one printer object, shared by printing and the preview so that the paper
// chosen in the print dialog is the one previewed. Without an installed printer it is the
// platform's default printer object (PDF output, the default page size). Tests put their own
// printer in place, or none for a platform without a valid printer; an empty function restores
// the platform's.
using PrinterSource = std::function<QPrinter*()>;
void SetPrinterSource(PrinterSource source);

// "Print report...": the print dialog, then the report as a job titled "Genotrix: " and the
// experiment name. Does nothing without an experiment.
void FilePrintExecute(QWidget* parent, const ReportProvider& report);

// "Preview report...": opens another preview window owned by the main window, without waiting.
void FilePreviewExecute(QWidget* mainWindow, ReportProvider report);

// "Export report as PDF...": asks for a file name (".pdf" is added when missing) and writes the
// report there on the printer's paper size, page by page as printing would. Does nothing without
// an experiment.
void FileExportPdfExecute(QWidget* parent, const ReportProvider& report);

// The preview window: one page of the report, drawn afresh from the active experiment at every
// paint and stretched over the whole window. Closing only hides it.
class TPreviewForm : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewForm(ReportProvider report, QWidget* mainWindow = nullptr);

    // Printer page pixels per preview pixel: a larger scale makes a smaller page, on which the
    // report's fixed-size text looks larger.
    float PreviewScale = 5.32f;
    int PreviewPage = 0; // counted from 0

    QLabel* Image1; // plus
    QLabel* Image2; // minus
    QPushButton* Button1;
    // Shown only when the report takes more than one preview page.
    QLabel* PreviousPage;
    QLabel* NextPage;
    QLabel* PageNumber;

public slots:
    void Image1Click();
    void Image2Click();
    void Button1Click(); // "Close"
    void PreviousPageClick();
    void NextPageClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ReportProvider Report;
    int PageCount = 1; // as found at the last paint

    void FormPaint(QPainter& window);
    void ShowPageNavigation();
};
