#include "tools/Chisquare.h"

#include "RecordingDialogs.h"

#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using Rows = QList<QPair<QString, QString>>; // observed, expected

class ChiSquareTest : public QObject {
    Q_OBJECT

private:
    // The number a text begins with is written with a decimal point; shown in the user's
    // notation.
    static QString Local(QString text) {
        return text.replace(text.indexOf('.'), 1, QLocale().decimalPoint());
    }

    static void Fill(TChiSquareForm& form, const Rows& rows) {
        for (int row = 0; row < rows.size(); ++row) {
            form.FreqTable->item(row, 0)->setText(rows[row].first);
            form.FreqTable->item(row, 1)->setText(rows[row].second);
        }
    }

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void Calculate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("result"); // with a decimal point
        QTest::addColumn<QString>("crit");   // with a decimal point; "before" when unchanged
        QTest::addColumn<QStringList>("messages");

        const Rows perfectFit = {{"90", "90"}, {"30", "30"}};
        const Rows deviation = {{"100", "90"}, {"20", "30"}};
        const Rows singleRow = {{"10", "12"}};
        const Rows endsAtEmptyExpected = {
            {"100", "90"}, {"20", "30"}, {"5", "5"}, {"7", ""}, {"1000", "1"}};
        const Rows nonIntegerInRow3 = {{"90", "90"}, {"30", "30"}, {"12.5", "10"}};
        const Rows nonIntegerInRow1 = {{"x", "90"}, {"30", "30"}};
        const Rows zeroExpected = {{"90", "90"}, {"30", "0"}};
        const Rows notANumber = {{"90", "90"}, {"30", "thirty"}};
        const Rows nineRows = {{"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"},
                               {"1", "1"}, {"1", "1"}, {"1", "1"}, {"2", "1"}};
        const QString tooFew = "Error: Too few rows.";
        const QString notInteger = "Error: Enter an integer value.";

        for (const char* locale : {"de_DE", "en_US"}) {
            auto row = [&](const char* name) {
                return &QTest::newRow(QByteArray(locale).append(' ').append(name).constData());
            };
            *row("perfect fit") << locale << perfectFit << "0.00000"
                                << "3.84146  (1 d.f.)" << QStringList();
            *row("deviation") << locale << deviation << "4.44444"
                              << "3.84146  (1 d.f.)" << QStringList();
            *row("single row") << locale << singleRow << "0.33333"
                               << "before" << QStringList{tooFew};
            *row("ends at empty expected") << locale << endsAtEmptyExpected << "4.44444"
                                           << "5.99146  (2 d.f.)" << QStringList();
            *row("non-integer observed in row 3") << locale << nonIntegerInRow3 << "0.0"
                                                  << "3.84146  (1 d.f.)" << QStringList{notInteger};
            *row("non-integer observed in row 1") << locale << nonIntegerInRow1 << "0.0"
                                                  << "before" << QStringList{notInteger, tooFew};
            *row("zero expected") << locale << zeroExpected << "0.0"
                                  << "before" << QStringList{notInteger, tooFew};
            *row("expected not a number") << locale << notANumber << "0.0"
                                          << "before" << QStringList{notInteger, tooFew};
            *row("nine rows") << locale << nineRows << "1.00000"
                              << "15.50731  (8 d.f.)" << QStringList();
        }
    }

    void Calculate() {
        QFETCH(QString, locale);
        QFETCH(Rows, rows);
        QFETCH(QString, result);
        QFETCH(QString, crit);
        QFETCH(QStringList, messages);
        QLocale::setDefault(QLocale(locale));
        RecordingDialogs dialogs;
        TChiSquareForm form;
        form.Crit->setText("before");
        Fill(form, rows);

        form.Button1->click();

        // "0.0" after a failure is a fixed text, not a number in the user's notation.
        QCOMPARE(form.Result->text(), result == "0.0" ? result : Local(result));
        QCOMPARE(form.Crit->text(), crit == "before" ? crit : Local(crit));
        QCOMPARE(dialogs.messages, messages);
    }

    // Both decimal notations are read on any desktop, and shown in the user's own afterwards.
    void BothDecimalNotations_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("decimal comma") << "de_DE";
        QTest::newRow("decimal point") << "en_US";
    }

    void BothDecimalNotations() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        RecordingDialogs dialogs;
        TChiSquareForm form;
        Fill(form, {{"8", "7.5"}, {"7", "7,5"}});

        form.Button1->click();

        QCOMPARE(form.FreqTable->item(0, 1)->text(), Local("7.5"));
        QCOMPARE(form.FreqTable->item(1, 1)->text(), Local("7.5"));
        QCOMPARE(form.Result->text(), Local("0.06667")); // 2 x 0.5^2 / 7.5
        QCOMPARE(dialogs.messages, QStringList());
    }

    void WindowLooksAsDesigned() {
        TChiSquareForm form;
        QCOMPARE(form.windowTitle(), QString("Chi-square calculator"));
        QCOMPARE(form.size(), QSize(297, 390));
        QCOMPARE(form.FreqTable->rowCount(), 9);
        QCOMPARE(form.FreqTable->horizontalHeaderItem(0)->text(), QString("Observed:"));
        QCOMPARE(form.FreqTable->horizontalHeaderItem(1)->text(), QString("Expected:"));
        QVERIFY(form.Result->isReadOnly());
        QVERIFY(form.Crit->isReadOnly());
    }

    // Every command opens another calculator; a closed one is released.
    void EachCommandOpensAnotherWindow() {
        QWidget main;
        ShowChiSquareCalculator(&main);
        ShowChiSquareCalculator(&main);
        QList<TChiSquareForm*> forms = main.findChildren<TChiSquareForm*>();
        QCOMPARE(forms.size(), 2);
        QVERIFY(forms[0]->isVisible());
        QPointer<TChiSquareForm> closed = forms[0];

        closed->Button2->click();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(forms[1]->isVisible());
    }
};

QTEST_MAIN(ChiSquareTest)
#include "ChiSquareTest.moc"
