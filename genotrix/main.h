#pragma once

// The main window of the laboratory: a multiple-document frame whose child windows are
// experiments, with the menu bar, tool bar and status bar driven by its commands.

#include "tools/Preview.h"

#include <QList>
#include <QMainWindow>
#include <optional>

class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class TAboutBox;
class TChrMap;
class TExperimentForm;
class TSettingsForm;
class TWelcomeForm;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    QMdiArea* MdiArea;
    QToolBar* ToolBar;
    QMenu* FileMenu;
    QMenu* WindowMenu;
    QMenu* ExperimentMenu;
    QMenu* ToolsMenu;
    QMenu* HelpMenu;

    QAction* FileNew1;
    QAction* FileClose1;
    QAction* FilePreview;
    QAction* FilePrint;
    QAction* FileExportPdf;
    QAction* FileExit1;
    QAction* WindowCascade1;
    QAction* WindowTileHorizontal1;
    QAction* WindowTileVertical1;
    QAction* WindowMinimizeAll1;
    QAction* WindowArrangeAll1;
    QAction* NewGen;
    QAction* RemoveGen;
    QAction* GenInfo;
    QAction* AddJar;
    QAction* ToolsChrMap;
    QAction* ToolsChiSquare;
    QAction* ToolsSettings;
    QAction* HelpContents;
    QAction* HelpTutorial;
    QAction* HelpTutorial2;
    QAction* HelpWebpage;
    QAction* TipOfTheDay;
    QAction* ShowWelcome;
    QAction* HelpAbout1;
    QAction* ChromosomeEditor1;

    // The windows that live as long as the main window, created after it in this order; they
    // are hidden rather than closed.
    TAboutBox* AboutBox;
    TSettingsForm* SettingsForm;
    TWelcomeForm* WelcomeForm;
    TChrMap* ChrMap;

    // The experiment the experiment commands act on, or none.
    TExperimentForm* ActiveExperiment() const;
    QList<TExperimentForm*> Experiments() const;

    // The report of the active experiment, or nothing without one.
    std::optional<ReportData> ActiveReport() const;

    void FileNew1Execute();
    void AddJarExecute();
    void ChromosomeEditor1Click();
    void ToolsChrMapExecute();
    void ToolsSettingsExecute();
    void TipOfTheDayExecute();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAction* AddCommand(const QString& category, const QString& caption, const QString& hint,
                        const QKeySequence& shortcut = {});
    void CreateCommands();
    void CreateMenus();
    void CreateToolBar();
    void CreateLongLivedWindows();
    void SetExperimentCommandsEnabled(bool enabled);
    void ExperimentClosing();
    void FillWindowMenu();
    // Lays the open, not minimised experiment windows out one above the other, or side by side.
    void Tile(Qt::Orientation orientation);
    void ArrangeMinimised();

    bool painted = false;
    QList<QAction*> windowListActions;
};
