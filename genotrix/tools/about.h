#pragma once

// The about box and the help commands: the help pages, the tutorials and the web site, opened
// with the desktop's own programs.

#include <QCoreApplication>
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QUrl;

// The help pages and the internet shortcut, relative to the program folder.
inline constexpr char HelpContentsFile[] = "Docs/GenotrixHelp.html";
inline constexpr char Tutorial1File[] = "Docs/Tutorial1.html";
inline constexpr char Tutorial2File[] = "Docs/Tutorial2.html";
inline constexpr char WebsiteShortcutFile[] = "Genotrix Website.url";

// The product's web address, which the internet shortcut also holds.
extern const char* const GenotrixWebsite;

// The desktop's "open" of a file or address (QDesktopServices). Tests put their own in place to
// see what was asked; an empty function restores the desktop's.
using DesktopOpener = std::function<void(const QUrl&)>;
void SetDesktopOpener(DesktopOpener opener);

// The help commands. The result of the desktop's "open" is not examined: a missing page or
// browser is the desktop's to report.
void HelpContentsExecute(const QString& programFolder = QCoreApplication::applicationDirPath());
void HelpTutorialExecute(const QString& programFolder = QCoreApplication::applicationDirPath());
void HelpTutorial2Execute(const QString& programFolder = QCoreApplication::applicationDirPath());
// The web site: the address of the program folder's internet shortcut, in the default browser.
void HelpWebpageExecute(const QString& programFolder = QCoreApplication::applicationDirPath());

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon; // the banner
    QLabel* Version;
    QLabel* Comments;
    QLabel* URL;
    QPushButton* OKButton;

public slots:
    void URLClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The pictures of the about box: the banner (565 x 81), a fruit fly and a chromosome pair.
QPixmap DrawBanner();
QPixmap DrawFly();
QPixmap DrawChromosomePair();
