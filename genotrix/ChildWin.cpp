#include "ChildWin.h"

#include "GenInfo.h"
#include "Image.h"
#include "Launch.h"
#include "NewGen.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "StatusForm.h"
#include "fly/Error.h"
#include "phenotype/MicroscopeView.h"
#include "tools/PassCheckForm.h"
#include "tools/Settings.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

constexpr int TopPanelHeight = 225;
constexpr int TopPanelMaxHeight = 400;
constexpr int SplitterMinSize = 200;
constexpr int FirstGenerationTop = 40;
constexpr int GenerationLeft = 20;
constexpr int GenerationGap = 20;
constexpr int NewFrameHeight = 100;
// A dragged fly; the drag carries its label, the fly itself is the window's CurrentFly.
const QString FlyMimeType = "application/x-genotrix-fly";

void ShowError(QWidget* parent, const std::string& message) {
    ShowMessage(parent, "Error", QString::fromStdString(message), QMessageBox::Critical);
}

std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void AnswerDrag(QDragMoveEvent* event, bool accepted) {
    if (accepted)
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace

TExperimentForm::TExperimentForm(QWidget* parent)
    : QWidget(parent), DrosIcon(pictures::FlyIcon()),
      DrosIconParentNext(pictures::ParentNextFlyIcon()), CollapseImg(pictures::CollapseSign()),
      ExpandImg(pictures::ExpandSign()), JarImage(pictures::Jar()) {
    setWindowTitle("New experiment");
    setMinimumSize(600, 200);
    resize(sizeHint());

    Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->setHandleWidth(5);
    Splitter->setChildrenCollapsible(false);
    Splitter->setOpaqueResize(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter);

    TopPanel = new QWidget(Splitter);
    TopPanel->setMinimumHeight(SplitterMinSize);
    TopPanel->setMaximumHeight(TopPanelMaxHeight);
    TopPanel->installEventFilter(this);
    ScrollBox = new QScrollArea(Splitter);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GenerationArea = new QWidget;
    ScrollBox->setWidget(GenerationArea);
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({TopPanelHeight, height() - TopPanelHeight - Splitter->handleWidth()});
    connect(Splitter, &QSplitter::splitterMoved, this, &TExperimentForm::FormResize);

    MicroPanel = new QGroupBox("Microscope: Empty", TopPanel);
    QFont microFont = MicroPanel->font();
    microFont.setPixelSize(13);
    MicroPanel->setFont(microFont);
    MicroPanel->move(8, 8);
    GLPanel = new MicroscopeView(MicroscopeView::Config::Laboratory(), MicroPanel);
    GLPanel->SetBackgroundSource([] { return settings().MicroscopeRGB; });
    GLPanel->SetDragSource([] { return settings().DragFromMicroscope; });
    GLPanel->setAcceptDrops(true);
    GLPanel->installEventFilter(this);
    connect(GLPanel, &MicroscopeView::dragStartRequested, this, [this] {
        CurrentFly = MicroscopeFly;
        DragCurrentFly();
    });
    auto* microLayout = new QVBoxLayout(MicroPanel);
    microLayout->setContentsMargins(6, 4, 6, 6);
    microLayout->addWidget(GLPanel);

    ZoomBar = new QSlider(Qt::Vertical, TopPanel);
    ZoomBar->setRange(1, 16);
    ZoomBar->setValue(8);
    ZoomBar->setTickInterval(1);
    ZoomBar->setTickPosition(QSlider::TicksBothSides);
    ZoomBar->setInvertedAppearance(true);
    ZoomBar->setFixedWidth(30);
    connect(ZoomBar, &QSlider::valueChanged, this, &TExperimentForm::ZoomBarChange);

    EmptyBtn = new QPushButton("Empty microscope", TopPanel);
    // Side by side, each at least as wide as designed and wide enough for its caption.
    EmptyBtn->setGeometry(8, 200, std::max(97, EmptyBtn->sizeHint().width()), 25);
    EmptyBtn->setStatusTip("Remove the fly from the microscope");
    connect(EmptyBtn, &QPushButton::clicked, this, &TExperimentForm::EmptyBtnClick);
    ParentBtn = new QPushButton("Set as parent", TopPanel);
    ParentBtn->setGeometry(EmptyBtn->x() + EmptyBtn->width() + 2, 200,
                           std::max(97, ParentBtn->sizeHint().width()), 25);
    ParentBtn->setStatusTip("Set the fly in the microscope as parent");
    connect(ParentBtn, &QPushButton::clicked, this, &TExperimentForm::ParentBtnClick);

    TopBox = new QScrollArea(TopPanel);
    TopBox->setObjectName("TopBox");
    TopBox->setFrameShape(QFrame::NoFrame);
    TopBox->setStyleSheet("#TopBox { border-left: 2px groove palette(mid); }");
    TopBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TopBox->setWidgetResizable(false);
    JarArea = new QWidget;
    TopBox->setWidget(JarArea);
    auto* jarsCaption = new QLabel("Counting jars", JarArea);
    QFont bold = jarsCaption->font();
    bold.setBold(true);
    jarsCaption->setFont(bold);
    jarsCaption->move(8, 8);

    FlyMenu = new QMenu(this);
    const auto addFlyCommand = [this](const QString& caption, const QString& hint) {
        QAction* action = FlyMenu->addAction(caption);
        action->setStatusTip(hint);
        return action;
    };
    Editfly1 = addFlyCommand("Edit fly", "Edit this fly with Chromosome Editor");
    Makeparent1 = addFlyCommand("Set as parent", "Set this fly as parent for next generation");
    Moveflytomicroscope1 =
        addFlyCommand("Move fly to microscope", "Examine this fly in the microscope");
    Saveflytofile1 = addFlyCommand("Save fly to file...", "Save this fly to file");
    Setflylabel1 = addFlyCommand("Set fly label...", "Change the label of this fly");
    connect(Editfly1, &QAction::triggered, this, &TExperimentForm::Editfly1Click);
    connect(Makeparent1, &QAction::triggered, this, &TExperimentForm::Makeparent1Click);
    connect(Moveflytomicroscope1, &QAction::triggered, this,
            &TExperimentForm::Moveflytomicroscope1Click);
    connect(Saveflytofile1, &QAction::triggered, this, &TExperimentForm::Saveflytofile1Click);
    connect(Setflylabel1, &QAction::triggered, this, &TExperimentForm::Setflylabel1Click);

    JarMenu = new QMenu(this);
    RenameJar = JarMenu->addAction("Rename jar");
    RenameJar->setStatusTip("Rename this jar");
    Emptyjar1 = JarMenu->addAction("Empty jar");
    Emptyjar1->setStatusTip("Empty this jar");
    connect(RenameJar, &QAction::triggered, this, &TExperimentForm::RenameJarClick);
    connect(Emptyjar1, &QAction::triggered, this, &TExperimentForm::Emptyjar1Click);

    MagnifyingGlass = new QLabel(this);
    MagnifyingGlass->setPixmap(pictures::MagnifyingGlass());
    MagnifyingGlass->resize(19, 18);
    MagnifyingGlass->setAttribute(Qt::WA_TransparentForMouseEvents);
    MagnifyingGlass->hide();
}

TExperimentForm::~TExperimentForm() {
    // The frames go before the area that holds them.
    Generations.clear();
}

void TExperimentForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

bool TExperimentForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TopPanel && event->type() == QEvent::Resize)
        FormResize();
    if (watched == GLPanel) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            AnswerDrag(drag, CarriesOwnFly(drag) && GLPanelDragOver());
            return true;
        }
        case QEvent::Drop:
            TakeDrop(static_cast<QDropEvent*>(event), [this] { GLPanelDragDrop(); });
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TExperimentForm::closeEvent(QCloseEvent* event) {
    emit Closing();
    event->accept();
}

void TExperimentForm::FormResize() {
    StackGenerations();
    PlaceMagnifyingGlass();
    const int top = TopPanel->height();
    const int microHeight = top - 50;
    MicroPanel->resize(static_cast<int>(microHeight * 1.1), microHeight);
    ZoomBar->setGeometry(MicroPanel->x() + MicroPanel->width() + 5, MicroPanel->y(),
                         ZoomBar->width(), microHeight);
    EmptyBtn->move(EmptyBtn->x(), top - EmptyBtn->height() - 5);
    ParentBtn->move(ParentBtn->x(), EmptyBtn->y());
    const int boxWidth = TopPanel->width() - MicroPanel->width() - ZoomBar->width() - 30;
    TopBox->setGeometry(TopPanel->width() - boxWidth, 0, boxWidth, top);
    PlaceJars();
}

void TExperimentForm::StackGenerations() {
    for (std::size_t i = 0; i < Generations.size(); ++i) {
        // The first frame keeps its place at the top, also when the one there was removed.
        int top = FirstGenerationTop;
        if (i > 0) {
            const TGeneration& above = *Generations[i - 1];
            top = above.Frame->y() + above.Frame->height() + GenerationGap;
        }
        Generations[i]->MoveTo(GenerationLeft, top);
        Generations[i]->Resize(width() - 2 * GenerationLeft, 20);
    }
    FitScrolledArea();
}

void TExperimentForm::FitScrolledArea() {
    int bottom = 0;
    for (const auto& generation : Generations)
        bottom = std::max(bottom, generation->Frame->y() + generation->Frame->height());
    GenerationArea->resize(width() - GenerationLeft, bottom + GenerationGap);
}

TGeneration* TExperimentForm::NewGeneration(GenerationKind kind, const QString& name, int top) {
    auto generation = std::make_unique<TGeneration>(kind, GenerationArea, name, GenerationLeft, top,
                                                    width() - 2 * GenerationLeft, NewFrameHeight,
                                                    FlyMenu, CollapseImg, ExpandImg);
    connect(generation.get(), &TGeneration::Clicked, this, &TExperimentForm::GenerationClick);
    connect(generation.get(), &TGeneration::CollapsedChanged, this, &TExperimentForm::FormResize);
    Generations.push_back(std::move(generation));
    return Generations.back().get();
}

bool TExperimentForm::CreateParentalGeneration(const QString& name) {
    try {
        auto male = std::make_unique<CDrosophila>();
        LoadFromFile(*male, FilePath(MaleParentFile));
        auto female = std::make_unique<CDrosophila>();
        LoadFromFile(*female, FilePath(FemaleParentFile));

        TGeneration* parental = NewGeneration(Icons, name, FirstGenerationTop);
        NextFather = parental->AddFly(DrosIconParentNext, std::move(male));
        NextMother = parental->AddFly(DrosIconParentNext, std::move(female));
        AttachFlyHandlers(NextFather);
        AttachFlyHandlers(NextMother);
        parental->Layout();
        GenerationClick(parental);
        FitScrolledArea();
        return true;
    } catch (const CGeneralError& error) {
        ShowError(this, error.message);
    } catch (...) {
        ShowError(this, "Unknown error.");
    }
    // The half-built window goes; its frame is the experiment's sub-window, where there is one.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
    return false;
}

void TExperimentForm::BreedNewGeneration() {
    try {
        if (!NextFather || !NextMother)
            throw CGeneralError("Please select two parents first.");
        if (IsFemale(*NextFather->Fly) == IsFemale(*NextMother->Fly))
            throw CGeneralError("Mother and father flies must be opposite sex.");
        TNewGenDlg dialog(this, NextFilialNumber);
        if (dialog.exec() != QDialog::Accepted)
            return;
        BreedGeneration(dialog.Offspring(), dialog.GenerationName(), dialog.Kind());
    } catch (const CGeneralError& error) {
        ShowError(this, error.message);
    }
}

TGeneration* TExperimentForm::BreedGeneration(int count, const QString& name, GenerationKind kind) {
    int top = FirstGenerationTop;
    if (!Generations.empty()) {
        const TGeneration& last = *Generations.back();
        top = last.Frame->y() + last.Frame->height() + GenerationGap;
    }
    TGeneration* generation = NewGeneration(kind, name, top);
    DrosophilaIcon* const mother = NextMother;
    DrosophilaIcon* const father = NextFather;
    generation->MotherFly = mother;
    generation->FatherFly = father;
    mother->UsedAsParent = true;
    father->UsedAsParent = true;

    const auto finish = [&] {
        generation->Layout();
        for (DrosophilaIcon* parent : {mother, father})
            if (parent->Image)
                parent->Image->SetPicture(DrosIcon);
        NextFather = nullptr;
        NextMother = nullptr;
        FitScrolledArea();
    };
    TStatusScreen status(this);
    status.show();
    // Once, so that the window is on screen; from then on the bar repaints itself at once.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    try {
        int shown = 0;
        for (int i = 0; i < count; ++i) {
            auto child = std::make_unique<CDrosophila>();
            child->Fertilize(*mother->Fly, *father->Fly);
            if (DrosophilaIcon* icon = generation->AddFly(DrosIcon, std::move(child)))
                AttachFlyHandlers(icon);
            // The bar is redrawn only when its whole percentage changes.
            const int percent = static_cast<int>(static_cast<double>(i) / count * 100);
            if (percent != shown) {
                shown = percent;
                status.ProgressBar->setValue(percent);
            }
        }
    } catch (...) {
        status.hide();
        finish();
        throw;
    }
    status.hide();
    finish();
    return generation;
}

void TExperimentForm::RemoveSelectedGeneration() {
    if (!SelectedGeneration)
        return;
    if (!AskYesNo(this, "Are you sure?", "Remove generation " + SelectedGeneration->Name + "?"))
        return;
    const auto removed =
        std::find_if(Generations.begin(), Generations.end(), [this](const auto& generation) {
            return generation.get() == SelectedGeneration;
        });
    std::vector<DrosophilaIcon*> flies;
    for (const auto& icon : SelectedGeneration->Flies)
        flies.push_back(icon.get());
    Forget(flies);
    for (auto& kept : SelectedGeneration->Discard())
        keptParents.push_back(std::move(kept));
    SelectedGeneration = nullptr;
    Generations.erase(removed);
    FormResize();
}

void TExperimentForm::Forget(const std::vector<DrosophilaIcon*>& flies) {
    for (DrosophilaIcon* fly : flies) {
        if (NextFather == fly)
            NextFather = nullptr;
        if (NextMother == fly)
            NextMother = nullptr;
        if (CurrentFly == fly)
            CurrentFly = nullptr;
        if (MicroscopeFly == fly)
            EmptyBtnClick();
    }
}

void TExperimentForm::ShowGenerationInfo() {
    if (!SelectedGeneration)
        return;
    TGenInfoDlg dialog(this, SelectedGeneration->Name, SelectedGeneration->Individuals,
                       SelectedGeneration->MotherLabel(), SelectedGeneration->FatherLabel());
    dialog.exec();
}

void TExperimentForm::AddCountingJar(const QString& name) {
    Jar& jar = Jars.emplace_back();
    TImage* image = new TImage(JarArea);
    jar.Image = image;
    image->SetPicture(JarImage);
    image->setAcceptDrops(true);
    image->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(image, &TImage::Pressed, this, [this, &jar] { JarImageMouseDown(jar); });
    connect(image, &QWidget::customContextMenuRequested, JarMenu,
            [this, image](const QPoint& at) { JarMenu->popup(image->mapToGlobal(at)); });
    connect(image, &TImage::DragOver, this, [this](QDragMoveEvent* event) {
        AnswerDrag(event, CarriesOwnFly(event) && JarImageDragOver());
    });
    connect(image, &TImage::DragDrop, this, [this, &jar](QDropEvent* event) {
        TakeDrop(event, [this, &jar] { JarImageDragDrop(jar); });
    });
    jar.NameText = new QLabel(name, JarArea);
    jar.NameText->adjustSize();
    jar.CountText = new QLabel(JarArea);
    jar.ShowCount();
    jar.NameText->show();
    jar.CountText->show();
    image->show();
    FormResize();
}

void TExperimentForm::PlaceJars() {
    int x = 25;
    int y = 50;
    int bottom = 0;
    for (const Jar& jar : Jars) {
        const QSize image = jar.Image->size();
        jar.Image->move(x, y);
        jar.NameText->move(x + image.width() / 2 - jar.NameText->width() / 2, y + image.height());
        jar.CountText->move(x + image.width() / 2 - jar.CountText->width() / 2,
                            y + image.height() + 13);
        bottom = jar.CountText->geometry().bottom();
        x += image.width() + 10;
        if (x + image.width() + 10 > TopBox->width()) {
            x = 25;
            y += image.height() + 30;
        }
    }
    JarArea->resize(TopBox->viewport()->width(),
                    std::max(bottom + 8, TopBox->viewport()->height()));
}

void TExperimentForm::GenerationClick(TGeneration* generation) {
    if (SelectedGeneration)
        SelectedGeneration->ShowSelected(false);
    SelectedGeneration = generation;
    generation->ShowSelected(true);
}

void TExperimentForm::AttachFlyHandlers(DrosophilaIcon* icon) {
    TImage* image = icon->Image;
    image->setAcceptDrops(true);
    connect(image, &TImage::Pressed, this,
            [this, icon](QMouseEvent* event) { DrosIconMouseDown(icon, event); });
    connect(image, &TImage::DragRequested, this, &TExperimentForm::DragCurrentFly);
    connect(image, &TImage::DragOver, this, [this, icon](QDragMoveEvent* event) {
        AnswerDrag(event, CarriesOwnFly(event) && DrosIconDragOver(icon));
    });
    connect(image, &TImage::DragDrop, this, [this, icon](QDropEvent* event) {
        TakeDrop(event, [this, icon] { DrosIconDragDrop(icon); });
    });
}

void TExperimentForm::DrosIconMouseDown(DrosophilaIcon* icon, QMouseEvent*) {
    CurrentFly = icon;
}

void TExperimentForm::Makeparent1Click() {
    // A fly counted into a jar has left the experiment's choices.
    if (!CurrentFly || CurrentFly->Hidden())
        return;
    try {
        DrosophilaIcon*& slot = IsFemale(*CurrentFly->Fly) ? NextMother : NextFather;
        if (slot && slot->Image)
            slot->Image->SetPicture(DrosIcon);
        slot = CurrentFly;
        if (slot->Image)
            slot->Image->SetPicture(DrosIconParentNext);
    } catch (const CGeneralError& error) {
        ShowError(this, error.message);
    }
}

void TExperimentForm::Editfly1Click() {
    if (CurrentFly && CheckPassword(settings().ProtectEditor, this))
        EditFlyInEditor(this, *CurrentFly->Fly);
}

void TExperimentForm::Saveflytofile1Click() {
    if (!CurrentFly)
        return;
    QString path = dialogs().SaveFileName(this, "Save fly", ProgramFolder() + "/Flies",
                                          "Saved flies (*.fly);;All files (*)");
    if (path.isEmpty())
        return;
    if (!path.contains('.'))
        path += ".fly";
    try {
        SaveToFile(*CurrentFly->Fly, FilePath(path));
    } catch (const CGeneralError& error) {
        ShowError(this, error.message);
    }
    EnterProgramFolder();
}

void TExperimentForm::Setflylabel1Click() {
    if (!CurrentFly)
        return;
    const std::optional<QString> label =
        dialogs().Input(this, "New label", "Enter the new label for the fly:", CurrentFly->Label());
    if (label)
        CurrentFly->SetLabel(*label);
}

void TExperimentForm::Moveflytomicroscope1Click() {
    if (!CurrentFly)
        return;
    MicroscopeFly = CurrentFly;
    // With a part file missing the view shows the parts it found: the fly is in the microscope
    // all the same, and the caption and marker say which it is.
    std::optional<std::string> failure;
    try {
        GLPanel->ShowFly(*MicroscopeFly->Fly);
    } catch (const CGeneralError& error) {
        failure = error.message;
    }
    MicroPanel->setTitle("Microscope: " + MicroscopeFly->Label());
    MagnifyingGlass->setToolTip(MicroscopeFly->Label());
    PlaceMagnifyingGlass();
    MagnifyingGlass->show();
    if (failure)
        ShowError(this, *failure);
}

void TExperimentForm::PlaceMagnifyingGlass() {
    if (!MicroscopeFly || !MicroscopeFly->Image)
        return;
    const TImage* icon = MicroscopeFly->Image;
    if (MagnifyingGlass->parentWidget() != icon->parentWidget())
        MagnifyingGlass->setParent(icon->parentWidget());
    MagnifyingGlass->move(icon->x() + 5, icon->y() + 7);
    MagnifyingGlass->raise();
}

void TExperimentForm::EmptyBtnClick() {
    GLPanel->Empty();
    MicroscopeFly = nullptr;
    // Back to the window, so that it outlives the frame it marked.
    MagnifyingGlass->hide();
    MagnifyingGlass->setParent(this);
    MicroPanel->setTitle("Microscope: Empty");
}

void TExperimentForm::ZoomBarChange() {
    GLPanel->ZoomBarChange(ZoomBar->value(), ZoomBar->maximum());
}

void TExperimentForm::ParentBtnClick() {
    if (!MicroscopeFly)
        return;
    CurrentFly = MicroscopeFly;
    Makeparent1Click();
}

void TExperimentForm::DragCurrentFly() {
    if (!CurrentFly)
        return;
    auto* data = new QMimeData;
    data->setData(FlyMimeType, CurrentFly->Label().toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QPixmap picture = CurrentFly->Image ? CurrentFly->Image->pixmap() : DrosIcon;
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    drag->exec(Qt::MoveAction);
}

bool TExperimentForm::CarriesOwnFly(const QDropEvent* event) const {
    return event->source() == this && event->mimeData()->hasFormat(FlyMimeType);
}

void TExperimentForm::TakeDrop(QDropEvent* event, std::function<void()> drop) {
    if (!CarriesOwnFly(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    QMetaObject::invokeMethod(this, std::move(drop), Qt::QueuedConnection);
}

bool TExperimentForm::DrosIconDragOver(DrosophilaIcon* target) {
    const bool accepted =
        CurrentFly && target != CurrentFly && IsFemale(*target->Fly) != IsFemale(*CurrentFly->Fly);
    DropTargetFly = accepted ? target : nullptr;
    return accepted;
}

void TExperimentForm::DrosIconDragDrop(DrosophilaIcon* target) {
    if (!DrosIconDragOver(target))
        return;
    Makeparent1Click();
    CurrentFly = DropTargetFly;
    Makeparent1Click();
    BreedNewGeneration();
}

bool TExperimentForm::GLPanelDragOver() const {
    return CurrentFly && CurrentFly != MicroscopeFly;
}

void TExperimentForm::GLPanelDragDrop() {
    if (GLPanelDragOver())
        Moveflytomicroscope1Click();
}

bool TExperimentForm::JarImageDragOver() const {
    return CurrentFly && !CurrentFly->Hidden();
}

void TExperimentForm::JarImageDragDrop(Jar& jar) {
    if (!JarImageDragOver())
        return;
    ++jar.Count;
    jar.ShowCount();
    CurrentFly->Hide();
    if (MicroscopeFly == CurrentFly)
        EmptyBtnClick();
    FormResize();
}

void TExperimentForm::JarImageMouseDown(Jar& jar) {
    CurrentJar = &jar;
}

void TExperimentForm::RenameJarClick() {
    if (!CurrentJar)
        return;
    const std::optional<QString> name =
        dialogs().Input(this, "Rename jar", "Enter new label:", CurrentJar->NameText->text());
    if (!name)
        return;
    CurrentJar->NameText->setText(ShortenJarName(*name));
    CurrentJar->NameText->adjustSize();
    PlaceJars();
}

void TExperimentForm::Emptyjar1Click() {
    if (!CurrentJar)
        return;
    if (!AskYesNo(this, "Are you sure?",
                  "Empty jar \"" + CurrentJar->NameText->text() + "\"?\nNo undo!"))
        return;
    CurrentJar->Count = 0;
    CurrentJar->ShowCount();
    PlaceJars();
}
