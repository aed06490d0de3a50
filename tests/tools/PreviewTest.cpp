#include "tools/Preview.h"

#include "RecordingDialogs.h"
#include "RecordingPaintDevice.h"
#include "ReportSamples.h"

#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class PreviewTest : public QObject {
    Q_OBJECT

private:
    QPrinter printer; // A4 without margins unless a test says otherwise
    std::optional<ReportData> active;

    ReportProvider Provider() {
        return [this] { return active; };
    }

    // The report's text in the preview window, in window pixels.
    static QList<RecordedText> ReportText(TPreviewForm& form) {
        RecordingPaintDevice device(form.size(), form.logicalDpiY());
        form.render(&device);
        QList<RecordedText> texts;
        for (const RecordedText& text : device.recording.texts)
            if (text.font.family() == "Times New Roman")
                texts.append(text);
        return texts;
    }

    static QStringList Lines(const QList<RecordedText>& texts) {
        QStringList lines;
        for (const RecordedText& text : texts)
            lines.append(text.text);
        return lines;
    }

    // The preview's page: the printer's page at the report's resolution divided by the scale.
    QSize PreviewPageSize(float scale) const {
        const QSize page = printer.pageLayout().paintRectPixels(ReportResolution).size();
        return QSize(int(page.width() / scale), int(page.height() / scale));
    }

    // The report drawn for the preview on a page of that size, in page pixels.
    static Recording PreviewPage(const ReportData& report, QSize page, int dotsPerInch,
                                 int number = 0, int* pages = nullptr) {
        RecordingPaintDevice device(page, dotsPerInch);
        QPainter canvas(&device);
        const int count = RenderReport(canvas, false, report, page.height(), number);
        if (pages)
            *pages = count;
        return device.recording;
    }

    static void Click(QLabel* button) { QTest::mouseClick(button, Qt::LeftButton); }

private slots:
    void init() {
        printer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        SetPrinterSource([this] { return &printer; });
        active = ReportData{"Eye colour", {Parental(), WhiteEyeTable()}, {{"Jar 1", 0}}};
    }
    void cleanup() { SetPrinterSource({}); }

    void WindowLooksAsDesigned() {
        TPreviewForm form(Provider());
        QCOMPARE(form.windowTitle(), QString("Experiment report"));
        QCOMPARE(form.minimumSize(), QSize(467, 649));
        QCOMPARE(form.maximumSize(), QSize(467, 649));
        QCOMPARE(form.Image1->geometry(), QRect(432, 0, 17, 17));
        QCOMPARE(form.Image2->geometry(), QRect(448, 0, 17, 17));
        QCOMPARE(form.Button1->text(), QString("Close"));
        QCOMPARE(form.Button1->geometry(), QRect(392, 624, 75, 25));
        QCOMPARE(form.PreviewScale, 5.32f);
        QCOMPARE(form.geometry().center(), form.screen()->availableGeometry().center());
    }

    // Every command opens another window owned by the main window; "Close" only hides one.
    void EachCommandOpensAnotherWindow() {
        RecordingDialogs dialogs;
        QWidget main;
        FilePreviewExecute(&main, Provider());
        FilePreviewExecute(&main, Provider());
        const QList<TPreviewForm*> forms = main.findChildren<TPreviewForm*>();
        QCOMPARE(forms.size(), 2);
        QVERIFY(forms[0]->isVisible() && forms[1]->isVisible());
        QPointer<TPreviewForm> closed = forms[0];

        closed->Button1->click();
        QCoreApplication::processEvents();
        QVERIFY(!closed.isNull());
        QVERIFY(!closed->isVisible());
        QVERIFY(forms[1]->isVisible());
        QCOMPARE(dialogs.messages, QStringList());
    }

    void WithoutPrinterNoPreview() {
        SetPrinterSource([] { return nullptr; });
        RecordingDialogs dialogs;
        QWidget main;
        FilePreviewExecute(&main, Provider());
        QCOMPARE(dialogs.messages, QStringList{"Fel: Kunde inte hitta någon skrivare."});
        QVERIFY(main.findChildren<TPreviewForm*>().isEmpty());
    }

    // The window shows the report as drawn for the preview on the printer's page divided by
    // the scale, stretched over the whole window.
    void ShowsThePreviewPageStretched_data() {
        QTest::addColumn<QPageLayout>("paper");
        QTest::newRow("A4 without margins")
            << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        QTest::newRow("Letter with margins") << QPageLayout(
            QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18));
    }

    void ShowsThePreviewPageStretched() {
        QFETCH(QPageLayout, paper);
        printer.setPageLayout(paper);
        TPreviewForm form(Provider());
        const QSize page = PreviewPageSize(5.32f);
        const Recording expected = PreviewPage(*active, page, form.logicalDpiY());

        const QList<RecordedText> shown = ReportText(form);

        QCOMPARE(Lines(shown), expected.Texts());
        QCOMPARE(Lines(shown), ReportLines(*active));
        const double across = 467.0 / page.width();
        const double down = 649.0 / page.height();
        for (int line = 0; line < shown.size(); ++line) {
            const QPointF place = expected.texts[line].topLeft;
            QVERIFY2(qAbs(shown[line].topLeft.x() - place.x() * across) < 0.01 &&
                         qAbs(shown[line].topLeft.y() - place.y() * down) < 0.01,
                     qPrintable(shown[line].text));
        }
        QCOMPARE(shown.first().topLeft.x(), 40 * across);
        QVERIFY(!form.PageNumber->isVisibleTo(&form));
    }

    // Three presses of plus multiply the scale by 1.331: a smaller page, larger text.
    void PlusThreeTimes() {
        TPreviewForm form(Provider());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<RecordedText> before = ReportText(form);

        for (int press = 0; press < 3; ++press)
            Click(form.Image1);

        QCOMPARE(form.PreviewScale, 5.32f * 1.1f * 1.1f * 1.1f);
        QVERIFY(qFuzzyCompare(form.PreviewScale, float(5.32 * 1.331)));
        const QList<RecordedText> after = ReportText(form);
        QCOMPARE(Lines(after), Lines(before));
        const double enlarged =
            double(PreviewPageSize(5.32f).height()) / PreviewPageSize(form.PreviewScale).height();
        QVERIFY(enlarged > 1.3);
        const double down = 649.0 / PreviewPageSize(5.32f).height();
        QVERIFY(qAbs(after.last().topLeft.y() - before.last().topLeft.y() * enlarged) <
                down * 1.01 * enlarged);
    }

    // 0.9 is not the inverse of 1.1.
    void PlusThenMinusDoesNotRestore() {
        TPreviewForm form(Provider());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Click(form.Image1);
        Click(form.Image2);
        QCOMPARE(form.PreviewScale, 5.32f * 1.1f * 0.9f);
        QVERIFY(form.PreviewScale != 5.32f);
    }

    // Each paint shows the experiment active at that moment; none gives a blank page.
    void DrawnAfreshAtEveryPaint() {
        TPreviewForm form(Provider());
        QVERIFY(Lines(ReportText(form)).contains("Eye colour"));

        active = ReportData{"Wing shape", {Parental()}, {}};
        QCOMPARE(Lines(ReportText(form)), ReportLines(*active));

        active.reset();
        QCOMPARE(Lines(ReportText(form)), QStringList());

        // A printer that has gone leaves a blank page too.
        active = ReportData{"Wing shape", {Parental()}, {}};
        SetPrinterSource([] { return nullptr; });
        QCOMPARE(Lines(ReportText(form)), QStringList());
    }

    // A report longer than the preview page is shown one page at a time.
    void PageNavigation() {
        active = LongExperiment(60);
        TPreviewForm form(Provider());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize page = PreviewPageSize(5.32f);
        int pages = 0;
        PreviewPage(*active, page, form.logicalDpiY(), 0, &pages);
        QVERIFY(pages >= 3);

        QCOMPARE(Lines(ReportText(form)),
                 PreviewPage(*active, page, form.logicalDpiY(), 0).Texts());
        QVERIFY(form.PageNumber->isVisibleTo(&form));
        QCOMPARE(form.PageNumber->text(), QString("Page 1 of %1").arg(pages));

        Click(form.PreviousPage);
        QCOMPARE(form.PreviewPage, 0);
        Click(form.NextPage);
        QCOMPARE(form.PreviewPage, 1);
        QCOMPARE(Lines(ReportText(form)),
                 PreviewPage(*active, page, form.logicalDpiY(), 1).Texts());
        QCOMPARE(form.PageNumber->text(), QString("Page 2 of %1").arg(pages));
        for (int press = 0; press < pages; ++press)
            Click(form.NextPage);
        QCOMPARE(form.PreviewPage, pages - 1);

        // The report shrinks: the last page left is shown and the navigation goes.
        active = ReportData{"Wing shape", {Parental()}, {}};
        QCOMPARE(Lines(ReportText(form)), ReportLines(*active));
        QCOMPARE(form.PreviewPage, 0);
        QVERIFY(!form.PageNumber->isVisibleTo(&form));
        QVERIFY(!form.NextPage->isVisibleTo(&form));
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
