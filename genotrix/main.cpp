#include "main.h"

#include "BarChart.h"
#include "ChildWin.h"
#include "Jar.h"
#include "Launch.h"
#include "NewExp.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "genetics/Random.h"
#include "phenotype/MicroscopeView.h"
#include "tools/Chisquare.h"
#include "tools/ChrMapForm.h"
#include "tools/PassCheckForm.h"
#include "tools/Settings.h"
#include "tools/SettingsForm.h"
#include "tools/StartupTips.h"
#include "tools/Welcome.h"
#include "tools/about.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

using pictures::Tool;

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    Randomize();
    setWindowTitle("Genotrix");
    setWindowIcon(pictures::ProgramIcon());
    QFont defaultFont = font();
    defaultFont.setPixelSize(11);
    setFont(defaultFont);

    MdiArea = new QMdiArea(this);
    MdiArea->setBackground(palette().dark());
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);
    statusBar()->setSizeGripEnabled(true);

    CreateCommands();
    CreateMenus();
    CreateToolBar();
    SetExperimentCommandsEnabled(false);
    CreateLongLivedWindows();
}

void TMainForm::CreateLongLivedWindows() {
    AboutBox = new TAboutBox(this);
    // Reads the settings.
    SettingsForm = new TSettingsForm(this);
    connect(SettingsForm, &TSettingsForm::SettingsTakenOver, this, [this] {
        if (TExperimentForm* experiment = ActiveExperiment())
            experiment->GLPanel->update();
    });
    WelcomeForm = new TWelcomeForm(this);
    ChrMap = new TChrMap(this);
}

QAction* TMainForm::AddCommand(const QString& category, const QString& caption, const QString& hint,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setProperty("category", category);
    // "Short|Long": the short part is the tooltip, the long one the status-bar text.
    const qsizetype bar = hint.indexOf('|');
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    action->setShortcut(shortcut);
    return action;
}

void TMainForm::CreateCommands() {
    FileNew1 = AddCommand("File", "&New", "New|Create a new experiment", QKeySequence("Ctrl+N"));
    FileNew1->setIcon(pictures::ToolIcon(Tool::NewExperiment));
    FileClose1 = AddCommand("File", "&Close", "Close|Close current experiment");
    FilePreview = AddCommand("File", "Preview report...", "Show preview of the experiment");
    FilePrint = AddCommand("File", "Print report...", "File|Print report", QKeySequence("Ctrl+P"));
    FileExportPdf = AddCommand("File", "Export report as PDF...",
                               "Export report|Save the report of the experiment as a PDF file");
    FileExit1 = AddCommand("File", "E&xit", "Exit|Exit application");
    connect(FileNew1, &QAction::triggered, this, &TMainForm::FileNew1Execute);
    // The reports always describe the experiment active at that moment.
    const ReportProvider report = [this] { return ActiveReport(); };
    connect(FilePreview, &QAction::triggered, this,
            [this, report] { FilePreviewExecute(this, report); });
    connect(FilePrint, &QAction::triggered, this,
            [this, report] { FilePrintExecute(this, report); });
    connect(FileExportPdf, &QAction::triggered, this,
            [this, report] { FileExportPdfExecute(this, report); });
    connect(FileClose1, &QAction::triggered, MdiArea, &QMdiArea::closeActiveSubWindow);
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);

    WindowCascade1 = AddCommand("Window", "&Cascade", "Cascade");
    WindowCascade1->setIcon(pictures::ToolIcon(Tool::Cascade));
    WindowTileHorizontal1 = AddCommand("Window", "Tile &Horizontally", "Tile Horizontally");
    WindowTileHorizontal1->setIcon(pictures::ToolIcon(Tool::TileHorizontally));
    WindowTileVertical1 = AddCommand("Window", "Tile &Vertically", "Tile Vertically");
    WindowTileVertical1->setIcon(pictures::ToolIcon(Tool::TileVertically));
    WindowMinimizeAll1 = AddCommand("Window", "&Minimize All", "Minimize All");
    WindowArrangeAll1 = AddCommand("Window", "&Arrange All", "Arrange All");
    connect(WindowCascade1, &QAction::triggered, MdiArea, &QMdiArea::cascadeSubWindows);
    connect(WindowTileHorizontal1, &QAction::triggered, this, [this] { Tile(Qt::Vertical); });
    connect(WindowTileVertical1, &QAction::triggered, this, [this] { Tile(Qt::Horizontal); });
    connect(WindowMinimizeAll1, &QAction::triggered, this, [this] {
        for (QMdiSubWindow* window : MdiArea->subWindowList())
            window->showMinimized();
    });
    connect(WindowArrangeAll1, &QAction::triggered, this, &TMainForm::ArrangeMinimised);

    NewGen = AddCommand("Experiment", "New generation...", "Create a new generation",
                        QKeySequence("Ctrl+G"));
    NewGen->setIcon(pictures::ToolIcon(Tool::NewGeneration));
    RemoveGen = AddCommand("Experiment", "Remove generation", "Remove the selected generation",
                           QKeySequence(Qt::Key_Delete));
    RemoveGen->setIcon(pictures::ToolIcon(Tool::RemoveGeneration));
    GenInfo = AddCommand("Experiment", "Generation info...",
                         "Show info about the selected generation", QKeySequence("Ctrl+I"));
    GenInfo->setIcon(pictures::ToolIcon(Tool::GenerationInfo));
    AddJar = AddCommand("Experiment", "Add counting jar", "Add a new counting jar",
                        QKeySequence("Ctrl+J"));
    const auto onExperiment = [this](void (TExperimentForm::*command)()) {
        return [this, command] {
            if (TExperimentForm* experiment = ActiveExperiment())
                (experiment->*command)();
        };
    };
    connect(NewGen, &QAction::triggered, this, onExperiment(&TExperimentForm::BreedNewGeneration));
    connect(RemoveGen, &QAction::triggered, this,
            onExperiment(&TExperimentForm::RemoveSelectedGeneration));
    connect(GenInfo, &QAction::triggered, this, onExperiment(&TExperimentForm::ShowGenerationInfo));
    connect(AddJar, &QAction::triggered, this, &TMainForm::AddJarExecute);

    ToolsChrMap = AddCommand("Tools", "Chromosome map...",
                             "Show a chromosome map with phenotype descriptions");
    ToolsChiSquare = AddCommand("Tools", "Chi-square...", "Chi-square calculator");
    ToolsSettings = AddCommand("Tools", "Settings...", "Edit program settings");
    ToolsSettings->setIcon(pictures::ToolIcon(Tool::Settings));
    ChromosomeEditor1 = AddCommand("Tools", "Chromosome Editor...", "Start the Chromosome Editor");
    connect(ToolsChrMap, &QAction::triggered, this, &TMainForm::ToolsChrMapExecute);
    connect(ToolsChiSquare, &QAction::triggered, this, [this] { ShowChiSquareCalculator(this); });
    connect(ToolsSettings, &QAction::triggered, this, &TMainForm::ToolsSettingsExecute);
    connect(ChromosomeEditor1, &QAction::triggered, this, &TMainForm::ChromosomeEditor1Click);

    HelpContents = AddCommand("Help", "Help contents", "View help contents", QKeySequence("F1"));
    HelpContents->setIcon(pictures::ToolIcon(Tool::HelpContents));
    HelpTutorial = AddCommand("Help", "Tutorial 1", "Tutorial 1: Creating a simple experiment");
    HelpTutorial2 =
        AddCommand("Help", "Tutorial 2", "Tutorial 2: Creating a more advanced experiment");
    HelpWebpage = AddCommand("Help", "Genotrix website", "Visit Genotrix online");
    HelpWebpage->setIcon(pictures::ToolIcon(Tool::Website));
    TipOfTheDay = AddCommand("Help", "Tip of the day...", "Show startup tips");
    TipOfTheDay->setIcon(pictures::ToolIcon(Tool::TipOfTheDay));
    ShowWelcome = AddCommand("Help", "Welcome page", "");
    HelpAbout1 = AddCommand("Help", "&About...", "About Genotrix");
    // Menus show these under longer captions than their own.
    FileNew1->setIconText("&New");
    FileNew1->setText("&New experiment");
    FileClose1->setIconText("&Close");
    FileClose1->setText("&Close experiment");
    ShowWelcome->setIconText("Welcome page");
    ShowWelcome->setText("Welcome page...");
    connect(HelpContents, &QAction::triggered, this, [] { HelpContentsExecute(ProgramFolder()); });
    connect(HelpTutorial, &QAction::triggered, this, [] { HelpTutorialExecute(ProgramFolder()); });
    connect(HelpTutorial2, &QAction::triggered, this,
            [] { HelpTutorial2Execute(ProgramFolder()); });
    connect(HelpWebpage, &QAction::triggered, this, [] { HelpWebpageExecute(ProgramFolder()); });
    connect(TipOfTheDay, &QAction::triggered, this, &TMainForm::TipOfTheDayExecute);
    connect(ShowWelcome, &QAction::triggered, this, [this] { WelcomeForm->exec(); });
    connect(HelpAbout1, &QAction::triggered, this, [this] { AboutBox->exec(); });
}

void TMainForm::CreateMenus() {
    FileMenu = menuBar()->addMenu("&File");
    FileMenu->menuAction()->setStatusTip("File related commands");
    FileMenu->addAction(FileNew1);
    FileMenu->addAction(FileClose1);
    FileMenu->addSeparator();
    FileMenu->addAction(FilePreview);
    FileMenu->addAction(FilePrint);
    FileMenu->addAction(FileExportPdf);
    FileMenu->addSeparator();
    FileMenu->addAction(FileExit1);

    WindowMenu = menuBar()->addMenu("&Window");
    WindowMenu->menuAction()->setStatusTip("Window related commands");
    WindowMenu->addActions({WindowCascade1, WindowTileHorizontal1, WindowTileVertical1,
                            WindowMinimizeAll1, WindowArrangeAll1});
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);

    ExperimentMenu = menuBar()->addMenu("Experiment");
    ExperimentMenu->addActions({NewGen, RemoveGen, GenInfo, AddJar});

    ToolsMenu = menuBar()->addMenu("Tools");
    ToolsMenu->addActions({ChromosomeEditor1, ToolsChrMap, ToolsChiSquare});
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(ToolsSettings);

    HelpMenu = menuBar()->addMenu("&Help");
    HelpMenu->menuAction()->setStatusTip("Help topics");
    HelpMenu->addAction(HelpWebpage);
    HelpMenu->addAction(HelpContents);
    HelpMenu->addSeparator();
    HelpMenu->addActions({HelpTutorial, HelpTutorial2});
    HelpMenu->addSeparator();
    HelpMenu->addActions({TipOfTheDay, ShowWelcome});
    HelpMenu->addSeparator();
    HelpMenu->addAction(HelpAbout1);
}

void TMainForm::CreateToolBar() {
    ToolBar = addToolBar("Tools");
    ToolBar->setMovable(false);
    ToolBar->setFixedHeight(30);
    ToolBar->setIconSize(QSize(22, 22));
    ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar->addAction(FileNew1);
    ToolBar->addSeparator();
    ToolBar->addActions({WindowCascade1, WindowTileHorizontal1, WindowTileVertical1});
    ToolBar->addSeparator();
    ToolBar->addActions({RemoveGen, NewGen, GenInfo});
    ToolBar->addSeparator();
    ToolBar->addAction(ToolsSettings);
    ToolBar->addSeparator();
    ToolBar->addActions({HelpContents, HelpWebpage, TipOfTheDay});
}

TExperimentForm* TMainForm::ActiveExperiment() const {
    QMdiSubWindow* window = MdiArea->currentSubWindow();
    return window ? qobject_cast<TExperimentForm*>(window->widget()) : nullptr;
}

QList<TExperimentForm*> TMainForm::Experiments() const {
    QList<TExperimentForm*> experiments;
    for (QMdiSubWindow* window : MdiArea->subWindowList())
        if (auto* experiment = qobject_cast<TExperimentForm*>(window->widget()))
            experiments << experiment;
    return experiments;
}

void TMainForm::SetExperimentCommandsEnabled(bool enabled) {
    for (QAction* command : {NewGen, RemoveGen, GenInfo, AddJar})
        command->setEnabled(enabled);
}

void TMainForm::ExperimentClosing() {
    // The closing window is still counted.
    if (MdiArea->subWindowList().size() <= 1)
        SetExperimentCommandsEnabled(false);
}

void TMainForm::FileNew1Execute() {
    TNewExpDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetExperimentCommandsEnabled(true);
    auto* experiment = new TExperimentForm;
    connect(experiment, &TExperimentForm::Closing, this, &TMainForm::ExperimentClosing);
    QMdiSubWindow* window = MdiArea->addSubWindow(experiment);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(pictures::ProgramIcon());
    experiment->setWindowTitle(dialog.ExperimentName);
    experiment->MaleParentFile = dialog.MaleParentFile;
    experiment->FemaleParentFile = dialog.FemaleParentFile;
    window->show();
    if (!experiment->CreateParentalGeneration(dialog.ParentGenName->text()))
        return;
    for (const QString& jar : dialog.JarNameList())
        experiment->AddCountingJar(jar);
    experiment->FormResize();
}

void TMainForm::AddJarExecute() {
    TExperimentForm* experiment = ActiveExperiment();
    if (!experiment)
        return;
    const std::optional<QString> name =
        dialogs().Input(this, "Add jar", "Enter jar label:", "New jar");
    if (name)
        experiment->AddCountingJar(ShortenJarName(*name));
}

std::optional<ReportData> TMainForm::ActiveReport() const {
    const TExperimentForm* experiment = ActiveExperiment();
    if (!experiment)
        return std::nullopt;
    ReportData report;
    report.name = experiment->windowTitle();
    for (const std::unique_ptr<TGeneration>& generation : experiment->Generations) {
        ReportGeneration shown;
        shown.name = generation->Name;
        shown.motherLabel = generation->MotherLabel();
        shown.fatherLabel = generation->FatherLabel();
        shown.individuals = generation->Individuals;
        switch (generation->Kind) {
        case Icons:
            shown.kind = ReportKind::Icons;
            break;
        case Table:
            shown.kind = ReportKind::Table;
            shown.tableColumns = generation->TableColumns();
            break;
        case Chart:
            shown.kind = ReportKind::Chart;
            shown.chartSize = generation->BarChart->size();
            shown.drawChart = [chart = QPointer<TBarChart>(generation->BarChart)](
                                  QPainter& painter, const QRect& target) {
                if (chart)
                    chart->render(&painter, target);
            };
            break;
        }
        report.generations.push_back(std::move(shown));
    }
    for (const Jar& jar : experiment->Jars)
        report.jars.push_back({jar.NameText->text(), jar.Count});
    return report;
}

void TMainForm::ChromosomeEditor1Click() {
    if (CheckPassword(settings().ProtectEditor, this))
        StartEditor(this);
}

void TMainForm::ToolsChrMapExecute() {
    if (!CheckPassword(settings().ProtectChromosomeMap, this))
        return;
    ChrMap->show();
    ChrMap->raise();
    ChrMap->activateWindow();
}

void TMainForm::ToolsSettingsExecute() {
    SettingsForm->show();
    SettingsForm->raise();
    SettingsForm->activateWindow();
}

void TMainForm::TipOfTheDayExecute() {
    ShowTipOfTheDay(
        this, settings().ShowTipsAtStartup,
        [this](bool on) {
            settings().ShowTipsAtStartup = on;
            SettingsForm->CheckBox4->setChecked(on);
            settings().SaveSettings();
        },
        ProgramFolder());
}

void TMainForm::FillWindowMenu() {
    for (QAction* action : windowListActions)
        delete action;
    windowListActions.clear();
    const QList<QMdiSubWindow*> windows = MdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    windowListActions << WindowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* item =
            WindowMenu->addAction(QString("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        item->setCheckable(true);
        item->setChecked(window == MdiArea->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, window] {
            window->showNormal();
            MdiArea->setActiveSubWindow(window);
        });
        windowListActions << item;
    }
}

void TMainForm::Tile(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : MdiArea->subWindowList())
        if (!window->isMinimized())
            windows << window;
    if (windows.isEmpty())
        return;
    const QRect area = MdiArea->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        if (orientation == Qt::Vertical) {
            const int top = area.height() * i / count;
            windows[i]->setGeometry(0, top, area.width(), area.height() * (i + 1) / count - top);
        } else {
            const int left = area.width() * i / count;
            windows[i]->setGeometry(left, 0, area.width() * (i + 1) / count - left, area.height());
        }
    }
}

void TMainForm::ArrangeMinimised() {
    const QRect area = MdiArea->viewport()->rect();
    int left = 0;
    int bottom = area.bottom() + 1;
    for (QMdiSubWindow* window : MdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        if (left > 0 && left + window->width() > area.width()) {
            left = 0;
            bottom -= window->height();
        }
        window->move(left, bottom - window->height());
        left += window->width();
    }
}

void TMainForm::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (painted)
        return;
    painted = true;
    // Once the window is up: the welcome page on the very first run, else the tip of the day.
    QTimer::singleShot(0, this, [this] {
        if (settings().FirstRun)
            ShowWelcome->trigger();
        else if (settings().ShowTipsAtStartup)
            TipOfTheDay->trigger();
    });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    settings().SaveSettings();
    event->accept();
}
