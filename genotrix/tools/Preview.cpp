#include "tools/Preview.h"

#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString ReportFont = QStringLiteral("Times New Roman");

// Walks down the report line by line, drawing only what falls on the wanted page. Whatever does
// not fit above the bottom margin starts the next page; the first thing on a page stays there
// even when it is taller than the page, so a huge chart cannot make the walk run forever.
class ReportLayout {
public:
    ReportLayout(QPainter& canvas, bool printing, int pageHeight, int wantedPage)
        : canvas(canvas), x(printing ? 400 : 40), top(printing ? 200 : 20),
          bottom(pageHeight - top), wantedPage(wantedPage), y(top) {}

    void SetFont(int pointSize, bool bold) {
        QFont font(ReportFont, pointSize);
        font.setBold(bold);
        canvas.setFont(font);
    }
    void SetBold(bool bold) { SetFont(canvas.font().pointSize(), bold); }
    int TextHeight() const { return canvas.fontMetrics().height(); }

    // The text with its top-left corner at (x, y); y stays.
    void Text(const QString& text) {
        MakeRoom(TextHeight());
        if (page == wantedPage)
            canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
    }

    // A picture of the given size with its top-left corner at (x, y); y moves below it.
    void Picture(QSize size, const std::function<void(QPainter&, const QRect&)>& draw) {
        MakeRoom(size.height());
        if (page == wantedPage && draw) {
            canvas.save();
            draw(canvas, QRect(QPoint(x, y), size));
            canvas.restore();
        }
        y += size.height();
    }

    // Lines that belong together (a generation with its table or chart, a heading with what
    // follows) start on the next page rather than be parted, unless they need more than a page.
    void KeepTogether(int height) {
        if (height <= bottom - top)
            MakeRoom(height);
    }

    void Down(int pixels) { y += pixels; }
    int Pages() const { return page + 1; }

private:
    QPainter& canvas;
    const int x;
    const int top;
    const int bottom;
    const int wantedPage;
    int page = 0;
    int y;

    void MakeRoom(int height) {
        if (y + height > bottom && y > top) {
            ++page;
            y = top;
        }
    }
};

// From a generation's name to the end of its "Individuals:" line, table or chart.
int GenerationHeight(const ReportGeneration& generation, int lineHeight) {
    switch (generation.kind) {
    case ReportKind::Table:
        return (4 + static_cast<int>(generation.tableColumns.size())) * lineHeight;
    case ReportKind::Chart:
        return 4 * lineHeight + generation.chartSize.height();
    case ReportKind::Icons:
        break;
    }
    return 4 * lineHeight;
}

PrinterSource& Source() {
    static PrinterSource source;
    return source;
}

QPrinter* PlatformPrinter() {
    static QPrinter* printer = nullptr;
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        // Released with the application, while the platform's printing support still exists.
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return printer->isValid() ? printer : nullptr;
}

QPrinter* ReportPrinter() {
    return Source() ? Source()() : PlatformPrinter();
}

void ShowNoPrinter(QWidget* parent) {
    ShowMessage(parent, QStringLiteral("Fel"), QStringLiteral("Kunde inte hitta någon skrivare."),
                QMessageBox::Critical);
}

QString JobTitle(const ReportData& report) {
    return QStringLiteral("Genotrix: ") + report.name;
}

// Every page of the report on a printer or PDF writer set to ReportResolution; false when the
// device cannot be painted on (an unwritable file, a failing printer).
bool PrintReport(QPagedPaintDevice& device, const ReportData& report) {
    QPainter canvas;
    if (!canvas.begin(&device))
        return false;
    const int pages = RenderReport(canvas, true, report, device.height());
    for (int page = 1; page < pages; ++page) {
        device.newPage();
        RenderReport(canvas, true, report, device.height(), page);
    }
    return canvas.end();
}

// The PDF file proposed for an experiment: its name in the user's documents folder, without the
// characters that file systems refuse.
QString ProposedPdfFile(const QString& experimentName) {
    QString file = experimentName.trimmed();
    file.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")), QStringLiteral("_"));
    if (file.isEmpty())
        file = QStringLiteral("Experiment report");
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(file + QStringLiteral(".pdf"));
}

enum class Sign { Plus, Minus, Previous, Next };

// A 17 x 17 picture button: a sign in a circle.
QPixmap CircledSign(Sign sign) {
    QPixmap picture(17, 17);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 56, 96);
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(QColor(236, 242, 252));
    painter.drawEllipse(QRectF(1, 1, 15, 15));
    painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::FlatCap));
    switch (sign) {
    case Sign::Plus:
        painter.drawLine(QPointF(8.5, 4.5), QPointF(8.5, 12.5));
        [[fallthrough]];
    case Sign::Minus:
        painter.drawLine(QPointF(4.5, 8.5), QPointF(12.5, 8.5));
        break;
    case Sign::Previous:
    case Sign::Next: {
        const double tip = sign == Sign::Next ? 12.0 : 5.0;
        const double back = sign == Sign::Next ? 6.5 : 10.5;
        const QPointF arrow[] = {{tip, 8.5}, {back, 5.0}, {back, 12.0}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(arrow, 3);
        break;
    }
    }
    return picture;
}

QLabel* PictureButton(QWidget* parent, Sign sign, const QString& hint, QPoint place) {
    auto* button = new QLabel(parent);
    button->setPixmap(CircledSign(sign));
    button->setGeometry(QRect(place, QSize(17, 17)));
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

int RenderReport(QPainter& canvas, bool printing, const ReportData& report, int pageHeight,
                 int page) {
    ReportLayout layout(canvas, printing, pageHeight, page);
    canvas.setPen(Qt::black);

    layout.SetFont(10, false);
    int lineHeight = layout.TextHeight();
    layout.Text(QStringLiteral("Genotrix 1.0"));
    layout.Down(lineHeight);
    layout.Text(QStringLiteral("Experiment report"));
    layout.Down(2 * lineHeight);

    layout.SetFont(22, true);
    layout.Text(report.name);
    layout.Down(2 * layout.TextHeight());

    layout.SetFont(12, true);
    layout.Text(QStringLiteral("GENERATIONS"));
    lineHeight = layout.TextHeight();
    layout.Down(2 * lineHeight);

    for (const ReportGeneration& generation : report.generations) {
        layout.KeepTogether(GenerationHeight(generation, lineHeight));
        layout.SetBold(true);
        layout.Text(generation.name);
        layout.Down(lineHeight);
        layout.SetBold(false);
        layout.Text(QStringLiteral("Mother: ") + generation.motherLabel);
        layout.Down(lineHeight);
        layout.Text(QStringLiteral("Father: ") + generation.fatherLabel);
        layout.Down(lineHeight);
        layout.Text(QStringLiteral("Individuals: ") + QString::number(generation.individuals));
        switch (generation.kind) {
        case ReportKind::Table:
            layout.Down(lineHeight);
            for (const auto& [heading, count] : generation.tableColumns) {
                layout.Text(heading + QStringLiteral(": ") + QString::number(count));
                layout.Down(lineHeight);
            }
            layout.Down(lineHeight);
            break;
        case ReportKind::Chart:
            // One line below the "Individuals:" line, which the picture would otherwise cover.
            layout.Down(lineHeight);
            layout.Picture(generation.chartSize, generation.drawChart);
            break;
        case ReportKind::Icons:
            layout.Down(2 * lineHeight);
            break;
        }
    }
    layout.Down(lineHeight);

    if (report.jars.empty())
        return layout.Pages();
    layout.KeepTogether(3 * lineHeight);
    layout.SetBold(true);
    layout.Text(QStringLiteral("COUNTING JARS"));
    layout.Down(2 * lineHeight);
    layout.SetBold(false);
    for (const ReportJar& jar : report.jars) {
        layout.Text(jar.name + QStringLiteral(": ") + QString::number(jar.count));
        layout.Down(lineHeight);
    }
    return layout.Pages();
}

void SetPrinterSource(PrinterSource source) {
    Source() = std::move(source);
}

void FilePrintExecute(QWidget* parent, const ReportProvider& report) {
    const std::optional<ReportData> experiment = report();
    if (!experiment)
        return;
    QPrinter* printer = ReportPrinter();
    if (!printer) {
        ShowNoPrinter(parent);
        return;
    }
    if (!dialogs().Print(parent, printer))
        return;
    printer->setDocName(JobTitle(*experiment));
    printer->setResolution(ReportResolution);
    if (!PrintReport(*printer, *experiment))
        ShowMessage(parent, QStringLiteral("Error"), QStringLiteral("Could not print the report."),
                    QMessageBox::Critical);
}

void FileExportPdfExecute(QWidget* parent, const ReportProvider& report) {
    const std::optional<ReportData> experiment = report();
    if (!experiment)
        return;
    QString file = dialogs().SaveFileName(parent, QStringLiteral("Export report as PDF"),
                                          ProposedPdfFile(experiment->name),
                                          QStringLiteral("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");

    QPdfWriter pdf(file);
    if (const QPrinter* printer = ReportPrinter())
        pdf.setPageLayout(printer->pageLayout());
    pdf.setResolution(ReportResolution);
    pdf.setTitle(JobTitle(*experiment));
    pdf.setCreator(QStringLiteral("Genotrix 1.0"));
    if (!PrintReport(pdf, *experiment))
        ShowMessage(parent, QStringLiteral("Error"),
                    QStringLiteral("Could not write ") + QDir::toNativeSeparators(file) +
                        QStringLiteral("."),
                    QMessageBox::Critical);
}

void FilePreviewExecute(QWidget* mainWindow, ReportProvider report) {
    if (!ReportPrinter()) {
        ShowNoPrinter(mainWindow);
        return;
    }
    auto* preview = new TPreviewForm(std::move(report), mainWindow);
    preview->show();
}

TPreviewForm::TPreviewForm(ReportProvider report, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), Report(std::move(report)) {
    setWindowTitle(QStringLiteral("Experiment report"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(467, 649);

    Image1 = PictureButton(this, Sign::Plus, QStringLiteral("Larger"), {432, 0});
    Image2 = PictureButton(this, Sign::Minus, QStringLiteral("Smaller"), {448, 0});
    PreviousPage = PictureButton(this, Sign::Previous, QStringLiteral("Previous page"), {8, 628});
    NextPage = PictureButton(this, Sign::Next, QStringLiteral("Next page"), {27, 628});
    PageNumber = new QLabel(this);
    PageNumber->setGeometry(50, 628, 120, 17);
    for (QLabel* button : {Image1, Image2, PreviousPage, NextPage})
        button->installEventFilter(this);
    ShowPageNavigation();

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setGeometry(392, 624, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TPreviewForm::Button1Click);

    move(screen()->availableGeometry().center() - rect().center());
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Image1)
            Image1Click();
        else if (watched == Image2)
            Image2Click();
        else if (watched == PreviousPage)
            PreviousPageClick();
        else if (watched == NextPage)
            NextPageClick();
    }
    return QWidget::eventFilter(watched, event);
}

void TPreviewForm::Image1Click() {
    PreviewScale *= 1.1f;
    update();
}

void TPreviewForm::Image2Click() {
    PreviewScale *= 0.9f;
    update();
}

void TPreviewForm::Button1Click() {
    hide();
}

void TPreviewForm::PreviousPageClick() {
    if (PreviewPage > 0) {
        --PreviewPage;
        update();
    }
}

void TPreviewForm::NextPageClick() {
    if (PreviewPage + 1 < PageCount) {
        ++PreviewPage;
        update();
    }
}

void TPreviewForm::paintEvent(QPaintEvent*) {
    QPainter window(this);
    FormPaint(window);
}

void TPreviewForm::FormPaint(QPainter& window) {
    window.fillRect(rect(), Qt::white);
    window.setPen(Qt::black);
    window.drawRect(rect().adjusted(0, 0, -1, -1));

    // The printer's page in preview pixels, stretched over the whole window: the report is
    // drawn with a scaling rather than into a stretched image, so its text stays sharp.
    const QPrinter* printer = ReportPrinter();
    const std::optional<ReportData> report = Report();
    PageCount = 1;
    if (printer && report) {
        const QSize printerPage = printer->pageLayout().paintRectPixels(ReportResolution).size();
        const QSize page(static_cast<int>(printerPage.width() / PreviewScale),
                         static_cast<int>(printerPage.height() / PreviewScale));
        if (!page.isEmpty()) {
            window.scale(double(width()) / page.width(), double(height()) / page.height());
            PageCount = RenderReport(window, false, *report, page.height(), PreviewPage);
            // The report may have shrunk since the user turned to this page.
            if (PreviewPage >= PageCount) {
                PreviewPage = PageCount - 1;
                RenderReport(window, false, *report, page.height(), PreviewPage);
            }
        }
    }
    ShowPageNavigation();
}

void TPreviewForm::ShowPageNavigation() {
    PreviewPage = std::min(PreviewPage, PageCount - 1);
    const QString number = QStringLiteral("Page %1 of %2").arg(PreviewPage + 1).arg(PageCount);
    if (PageNumber->text() != number)
        PageNumber->setText(number);
    const bool severalPages = PageCount > 1;
    for (QLabel* navigation : {PreviousPage, NextPage, PageNumber})
        if (navigation->isVisibleTo(this) != severalPages)
            navigation->setVisible(severalPages);
}
