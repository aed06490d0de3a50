#include "Unit1.h"

#include "About.h"
#include "Karyotype.h"
#include "fly/Error.h"
#include "phenotype/MicroscopeView.h"
#include "phenotype/Resource.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <algorithm>
#include <string>

namespace {

constexpr QSize NormalClientSize(762, 400);
constexpr int StatusBarHeight = 19;
const QRect Panel1Normal(513, 0, 249, 400);
const QRect PanelNormal(8, 40, 233, 233);
constexpr int ZoomBarNormalTop = 328;
// The colour dialog's first colour.
const QColor SkyBlue(166, 202, 240);

// Visits every allele place that has a label, in label order: pair by pair, slot by slot,
// homolog 0 before homolog 1.
template <typename Visit> void ForEachAllele(Visit visit) {
    int index = 0;
    for (int pair = 0; pair < PairCount; ++pair)
        for (int slot = 0; slot < LociPerChromosome; ++slot)
            if (GetMapPosition(pair, slot) >= 0)
                for (const int homolog : {Homolog1, Homolog2})
                    visit(pair, slot, homolog, index++);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QString Message(const CGeneralError& error) {
    return QString::fromStdString(error.message);
}

} // namespace

TForm1::TForm1(const QString& programFolder, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      SpareX(LociPerChromosome, XChromosome), ColorDialogColour(SkyBlue),
      programFolder_(programFolder), arguments_(arguments) {
    setWindowTitle("Chromosome Editor");
    setWindowIcon(Karyotype::ProgramIcon());
    // The small sans-serif of classic dialogs: the status hint fits its 260 pixel panel and
    // "Female" its 57 pixel button.
    setFont(QFont("Arial", 8));
    SetWildType(Organism, 1);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->installEventFilter(this);

    Image1 = new QLabel(client);
    Image1->setPixmap(Karyotype::Picture());
    Image1->setGeometry(0, 0, Karyotype::PictureWidth, Karyotype::PictureHeight);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    MaleBtn = new QRadioButton("Male", client);
    MaleBtn->setGeometry(56, 360, 57, 17);
    FemaleBtn = new QRadioButton("Female", client);
    FemaleBtn->setGeometry(56, 376, 57, 17);
    FemaleBtn->setChecked(true);
    for (QRadioButton* button : {MaleBtn, FemaleBtn}) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Window, Qt::white);
        button->setPalette(palette);
        button->setAutoFillBackground(true);
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                MaleBtnClick();
        });
    }

    CreateAlleleLabels();

    Panel1 = new QFrame(client);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    // The label lies under the preview, which covers it in full screen.
    Label1 = new QLabel("Zoom:", Panel1);
    Label1->move(24, 312);
    Panel = new MicroscopeView(MicroscopeView::Config::Editor(), Panel1);
    // Once, after the context is set up: PanelInit may show message boxes.
    connect(Panel, &MicroscopeView::glInitialised, this, &TForm1::PanelInit,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    ZoomBar = new QSlider(Qt::Horizontal, Panel1);
    ZoomBar->setRange(1, 16);
    ZoomBar->setValue(8);
    ZoomBar->setTickInterval(1);
    ZoomBar->setTickPosition(QSlider::TicksBelow);
    ZoomBar->setGeometry(16, ZoomBarNormalTop, 225, ZoomBar->sizeHint().height());
    connect(ZoomBar, &QSlider::valueChanged, this,
            [this](int position) { Panel->ZoomBarChange(position, ZoomBar->maximum()); });

    StatusBar = statusBar();
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(StatusBarHeight);
    StatusHint = new QLabel("Click on alleles to switch between wild and mutated.");
    StatusHint->setFixedWidth(260);
    StatusFileName = new QLabel("Untitled.fly");
    // A long path is cut off at the window's edge rather than widening the window.
    StatusFileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusBar->addWidget(StatusHint);
    StatusBar->addWidget(StatusFileName, 1);

    CreateMenus();
    ArrangeNormal();
    GenomeToLabels();
}

void TForm1::CreateMenus() {
    const auto add = [this](QMenu* menu, const QString& text, const QKeySequence& shortcut,
                            void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu("File");
    New1 = add(file, "New", QKeySequence("Ctrl+N"), &TForm1::Newmakewildtype1Click);
    Load1 = add(file, "Load...", QKeySequence("Ctrl+O"), &TForm1::Load1Click);
    Save1 = add(file, "Save...", QKeySequence("Ctrl+S"), &TForm1::Save1Click);
    file->addSeparator();
    Exit1 = add(file, "Exit", QKeySequence("Ctrl+Q"), &TForm1::Exit1Click);

    QMenu* model = menuBar()->addMenu("3D model");
    Preview = add(model, "Show model", {}, &TForm1::PreviewClick);
    Preview->setCheckable(true);
    Preview->setChecked(true);
    Backgroundcolor1 = add(model, "Background color...", {}, &TForm1::Backgroundcolor1Click);
    Togglefullscreen1 =
        add(model, "Toggle fullscreen", QKeySequence("Ctrl+F"), &TForm1::Togglefullscreen1Click);

    About1 = menuBar()->addAction("About");
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
}

void TForm1::CreateAlleleLabels() {
    const QFont font("Arial", 10, QFont::Bold);
    ForEachAllele([&](int pair, int slot, int homolog, int) {
        auto* label = new QLabel(centralWidget());
        label->setFont(font);
        label->move(Karyotype::LabelPosition(pair, homolog, slot));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        AlleleLabels.push_back(label);
    });
}

void TForm1::GenomeToLabels() {
    ForEachAllele([this](int pair, int slot, int homolog, int index) {
        const std::string& allele = Organism.GetPair(pair)->GetChr(homolog)->alleles[slot];
        QLabel* label = AlleleLabels[index];
        label->setText(allele == "-" ? QString() : QString::fromStdString(allele));
        label->adjustSize();
    });
}

void TForm1::LabelsToGenome() {
    ForEachAllele([this](int pair, int slot, int homolog, int index) {
        const QString text = AlleleLabels[index]->text();
        Organism.GetPair(pair)->GetChr(homolog)->alleles[slot] =
            text.isEmpty() ? "-" : text.toStdString();
    });
    try {
        Panel->ShowFly(Organism);
    } catch (const CGeneralError& error) {
        ShowMessage(this, "Error", Message(error), QMessageBox::Critical);
    }
    Panel->update();
}

void TForm1::LoadFly(const QString& path) {
    try {
        if (IsFemale(Organism))
            SpareX.Assign(*Organism.GetPair(ChrX)->GetChr(Homolog2));
        // Read into a copy: a corrupt file must not leave a half-read fly behind.
        CDrosophila loaded = Organism;
        if (!LoadFromFile(loaded, QFile::encodeName(path).toStdString(), OpenFailure::ReturnFalse))
            return;
        Organism = std::move(loaded);
        GenomeToLabels();
        StatusFileName->setText(path);
        (IsFemale(Organism) ? FemaleBtn : MaleBtn)->setChecked(true);
        LabelsToGenome();
        SaveDialogFileName = path;
    } catch (const CGeneralError& error) {
        ShowMessage(this, "Error.", Message(error), QMessageBox::Critical);
    }
}

void TForm1::MBtn1Click(QLabel* label) {
    QString allele = label->text();
    if (allele.isEmpty())
        return; // a Y slot
    if (allele.endsWith('+'))
        allele.chop(1);
    else
        allele += '+';
    label->setText(allele);
    label->adjustSize();
    LabelsToGenome();
}

void TForm1::CheckBox1MouseMove(QLabel* label) {
    SetTextColour(label, Qt::red);
}

void TForm1::Image1MouseMove() {
    for (QLabel* label : AlleleLabels)
        SetTextColour(label, Qt::black);
}

void TForm1::MaleBtnClick() {
    CChromosome& secondX = *Organism.GetPair(ChrX)->GetChr(Homolog2);
    if (MaleBtn->isChecked() && IsFemale(Organism)) {
        SpareX.Assign(secondX);
        secondX.alleles.assign(secondX.alleles.size(), std::string("-"));
        secondX.type = YChromosome;
    }
    if (FemaleBtn->isChecked() && !IsFemale(Organism)) {
        secondX.Assign(SpareX);
        secondX.type = XChromosome;
    }
    GenomeToLabels();
    LabelsToGenome();
}

void TForm1::Newmakewildtype1Click() {
    if (!AskYesNo(this, "Chromosome Editor", "Make wildtype?"))
        return;
    SetWildType(Organism, 1);
    FemaleBtn->setChecked(true);
    GenomeToLabels();
    LabelsToGenome();
}

void TForm1::Load1Click() {
    const QString path =
        dialogs().OpenFileName(this, "Load file", FliesFolder(), "Saved flies (*.fly)");
    if (!path.isEmpty())
        LoadFly(path);
}

void TForm1::Save1Click() {
    QString path = dialogs().SaveFileName(
        this, "Save file", QDir(FliesFolder()).filePath(SaveDialogFileName), "Saved files (*.fly)");
    if (path.isEmpty())
        return;
    if (!path.contains('.'))
        path += ".fly";
    try {
        SaveToFile(Organism, QFile::encodeName(path).toStdString());
    } catch (const CGeneralError& error) {
        ShowMessage(this, "Error", Message(error), QMessageBox::Critical);
        return;
    }
    SaveDialogFileName = path;
    StatusFileName->setText(path);
}

void TForm1::Exit1Click() {
    if (AskYesNo(this, "Chromosome Editor", "Exit Chromosome Editor?"))
        close();
}

void TForm1::PreviewClick() {
    const bool shown = Preview->isChecked();
    ZoomBar->setEnabled(shown);
    Label1->setEnabled(shown);
    Panel->SetShowModel(shown);
}

void TForm1::Backgroundcolor1Click() {
    if (const std::optional<QColor> colour = dialogs().Colour(this, ColorDialogColour)) {
        ColorDialogColour = *colour;
        Panel->SetBackgroundColour(
            {colour->red() / 255.0f, colour->green() / 255.0f, colour->blue() / 255.0f});
    }
}

void TForm1::Togglefullscreen1Click() {
    if (FullScreen || !Preview->isChecked()) {
        FullScreen = false;
        showNormal();
        ArrangeNormal();
    } else {
        FullScreen = true;
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        centralWidget()->setMinimumSize(0, 0);
        centralWidget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        MaleBtn->hide();
        FemaleBtn->hide();
        ArrangeFullScreen();
        showMaximized();
    }
}

void TForm1::ArrangeNormal() {
    centralWidget()->setFixedSize(NormalClientSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Panel1->setGeometry(Panel1Normal);
    Panel->setGeometry(PanelNormal);
    MaleBtn->show();
    FemaleBtn->show();
    ZoomBar->move(ZoomBar->x(), ZoomBarNormalTop);
}

// The preview fills the client area and the zoom bar sits at its foot; run again whenever the
// maximised window changes size.
void TForm1::ArrangeFullScreen() {
    Panel1->setGeometry(centralWidget()->rect());
    Panel->setGeometry(Panel1->contentsRect());
    const int clientHeight = centralWidget()->height() + StatusBar->height();
    ZoomBar->move(ZoomBar->x(), clientHeight - ZoomBar->height() - 30);
}

void TForm1::About1Click() {
    TAboutBox box(this);
    box.exec();
}

void TForm1::PanelInit() {
    CRsrcMgr::Instance().LoadAll(DataFolder("Models"), DataFolder("Skins"));
    LabelsToGenome();
    const QString flyPath = arguments_.value(1);
    if (!flyPath.isEmpty())
        LoadFly(flyPath);
}

QString TForm1::FliesFolder() const {
    return QDir::cleanPath(programFolder_ + "/../Flies");
}

QString TForm1::DataFolder(const QString& name) const {
    return QDir::cleanPath(programFolder_ + "/../Data/" + name);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const auto label = std::find(AlleleLabels.begin(), AlleleLabels.end(), watched);
    const bool onLabel = label != AlleleLabels.end();
    switch (event->type()) {
    case QEvent::MouseMove:
        if (onLabel)
            CheckBox1MouseMove(*label);
        else if (watched == Image1)
            Image1MouseMove();
        break;
    case QEvent::MouseButtonRelease: {
        // A click: the left button released over the label it was pressed on.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (onLabel && mouse->button() == Qt::LeftButton &&
            (*label)->rect().contains(mouse->position().toPoint()))
            MBtn1Click(*label);
        break;
    }
    case QEvent::Resize:
        if (watched == centralWidget() && FullScreen)
            ArrangeFullScreen();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
