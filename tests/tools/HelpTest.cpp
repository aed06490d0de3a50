#include "tools/Welcome.h"
#include "tools/about.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using HelpCommand = void (*)(const QString& programFolder);
Q_DECLARE_METATYPE(HelpCommand)

class HelpTest : public QObject {
    Q_OBJECT

private:
    QList<QUrl> opened;

    static QString ReadAll(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void init() {
        opened.clear();
        SetDesktopOpener([this](const QUrl& url) { opened.append(url); });
    }
    void cleanup() { SetDesktopOpener({}); }

    void HelpCommandsOpenTheirPages_data() {
        QTest::addColumn<HelpCommand>("command");
        QTest::addColumn<QString>("page");
        QTest::newRow("Help contents")
            << HelpCommand(&HelpContentsExecute) << "Docs/GenotrixHelp.html";
        QTest::newRow("Tutorial 1") << HelpCommand(&HelpTutorialExecute) << "Docs/Tutorial1.html";
        QTest::newRow("Tutorial 2") << HelpCommand(&HelpTutorial2Execute) << "Docs/Tutorial2.html";
    }

    void HelpCommandsOpenTheirPages() {
        QFETCH(HelpCommand, command);
        QFETCH(QString, page);
        const QString folder = "/some/program folder";
        command(folder);
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder + "/" + page)});
    }

    void WebsiteCommandOpensTheShortcutsAddress() {
        QTemporaryDir folder;
        QFile shortcut(QDir(folder.path()).filePath("Genotrix Website.url"));
        QVERIFY(shortcut.open(QIODevice::WriteOnly));
        shortcut.write("[InternetShortcut]\r\nURL=https://school.example.net/genetics/\r\n");
        shortcut.close();

        HelpWebpageExecute(folder.path());

        QCOMPARE(opened, QList<QUrl>{QUrl("https://school.example.net/genetics/")});
    }

    void WebsiteCommandWithoutShortcutOpensNothing() {
        QTemporaryDir folder;
        HelpWebpageExecute(folder.path());
        QVERIFY(opened.isEmpty());
    }

    // The program folder's shortcut and the about box both give the one configured address.
    void ProgramFolderShortcutHoldsTheWebsite() {
        QCOMPARE(QString(GenotrixWebsite), QString(GENOTRIX_WEBSITE));
        HelpWebpageExecute(GENOTRIX_PROGRAM_DIR);
        QCOMPARE(opened, QList<QUrl>{QUrl(GenotrixWebsite)});
    }

    void AboutBoxLinkOpensTheWebsite() {
        TAboutBox about;
        QCOMPARE(about.windowTitle(), QString(" About Genotrix"));
        QCOMPARE(about.URL->text(), QString(GenotrixWebsite));
        QCOMPARE(about.URL->toolTip(), QString("Genotrix website"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        QTest::mouseClick(about.URL, Qt::LeftButton);

        QCOMPARE(opened, QList<QUrl>{QUrl(GenotrixWebsite)});
    }

    void WelcomeOkCloses() {
        TWelcomeForm welcome;
        QCOMPARE(welcome.windowTitle(), QString("Welcome"));
        QCOMPARE(welcome.size(), QSize(429, 316));
        welcome.show();
        welcome.Button1->click();
        QVERIFY(!welcome.isVisible());
        QCOMPARE(welcome.result(), int(QDialog::Accepted));
    }

    // Every page the commands open is in the program folder, and every link in the pages leads
    // to a page and a place that exist.
    void PagesAndTheirLinksExist() {
        const QDir program(GENOTRIX_PROGRAM_DIR);
        const QRegularExpression link("href=\"([^\"#]*)(?:#([^\"]*))?\"");
        for (const char* page : {HelpContentsFile, Tutorial1File, Tutorial2File}) {
            const QString text = ReadAll(program.filePath(page));
            QVERIFY2(!text.isEmpty(), page);
            for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
                const QString file = match.captured(1);
                if (file.startsWith("http"))
                    continue;
                const QString target =
                    file.isEmpty()
                        ? text
                        : ReadAll(QFileInfo(program.filePath(page)).dir().filePath(file));
                QVERIFY2(!target.isEmpty(), qPrintable(QString(page) + " links to " + file));
                const QString anchor = match.captured(2);
                if (!anchor.isEmpty())
                    QVERIFY2(target.contains("id=\"" + anchor + "\""),
                             qPrintable(QString(page) + " links to " + file + "#" + anchor));
            }
        }
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
