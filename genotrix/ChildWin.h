#pragma once

// An experiment window: the microscope with its zoom bar and buttons and the counting jars in
// the upper band, and below a splitter the generations of the experiment, top to bottom.
// The window owns its experiment: generations, jars, and the flies of removed generations
// that later generations still name as parents.

#include "Generation.h"
#include "Jar.h"

#include <QPixmap>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QDropEvent;
class QGroupBox;
class QLabel;
class MicroscopeView;
class QMenu;
class QMouseEvent;
class QPushButton;
class QScrollArea;
class QSlider;
class QSplitter;

class TExperimentForm : public QWidget {
    Q_OBJECT
public:
    explicit TExperimentForm(QWidget* parent = nullptr);
    ~TExperimentForm() override;

    QSize sizeHint() const override { return {600, 574}; }

    // The experiment.
    QString MaleParentFile;
    QString FemaleParentFile;
    std::vector<std::unique_ptr<TGeneration>> Generations;
    // A deque, so that the jars' handlers and CurrentJar keep their jar as jars are added.
    std::deque<Jar> Jars;
    DrosophilaIcon* NextFather = nullptr;
    DrosophilaIcon* NextMother = nullptr;
    TGeneration* SelectedGeneration = nullptr;
    int NextFilialNumber = 1;

    // The window's references to flies; never owners.
    DrosophilaIcon* CurrentFly = nullptr;
    DrosophilaIcon* DropTargetFly = nullptr;
    DrosophilaIcon* MicroscopeFly = nullptr;
    Jar* CurrentJar = nullptr;

    // Controls.
    QWidget* TopPanel;
    QSplitter* Splitter;
    QScrollArea* ScrollBox;
    QWidget* GenerationArea; // the scrolled area that holds the frames
    QGroupBox* MicroPanel;
    MicroscopeView* GLPanel;
    QSlider* ZoomBar;
    QPushButton* EmptyBtn;
    QPushButton* ParentBtn;
    QScrollArea* TopBox;
    QWidget* JarArea;
    QMenu* FlyMenu;
    QAction* Editfly1;
    QAction* Makeparent1;
    QAction* Moveflytomicroscope1;
    QAction* Saveflytofile1;
    QAction* Setflylabel1;
    QMenu* JarMenu;
    QAction* RenameJar;
    QAction* Emptyjar1;
    // Marks the icon of the fly in the microscope; lives in that icon's frame while it does.
    QLabel* MagnifyingGlass;

    // Pictures.
    const QPixmap DrosIcon;
    const QPixmap DrosIconParentNext;
    const QPixmap CollapseImg;
    const QPixmap ExpandImg;
    const QPixmap JarImage;

    // Makes the parental generation from the two parent files; on failure says why and closes
    // the window. False when it failed.
    bool CreateParentalGeneration(const QString& name);
    // Breeds a generation from the chosen parents after asking for its name, size and display.
    void BreedNewGeneration();
    // Breeds `count` offspring of the chosen parents into a new generation below the others;
    // the parents must be set. Returns the new generation.
    TGeneration* BreedGeneration(int count, const QString& name, GenerationKind kind);
    void RemoveSelectedGeneration();
    void ShowGenerationInfo();
    void AddCountingJar(const QString& name);

    void FormResize();
    void GenerationClick(TGeneration* generation);
    void AttachFlyHandlers(DrosophilaIcon* icon);
    void DrosIconMouseDown(DrosophilaIcon* icon, QMouseEvent* event);
    void Makeparent1Click();
    void Moveflytomicroscope1Click();
    // Hands the fly over to the chromosome editor, behind the teacher password.
    void Editfly1Click();
    void Saveflytofile1Click();
    void Setflylabel1Click();
    void EmptyBtnClick();
    void ZoomBarChange();
    void ParentBtnClick();

    // Drops of the fly being dragged, CurrentFly. A drag-over handler says whether the target
    // takes the fly; a drop handler does nothing where it would not.
    bool DrosIconDragOver(DrosophilaIcon* target);
    void DrosIconDragDrop(DrosophilaIcon* target);
    bool GLPanelDragOver() const;
    void GLPanelDragDrop();
    bool JarImageDragOver() const;
    void JarImageDragDrop(Jar& jar);

    void JarImageMouseDown(Jar& jar);
    void RenameJarClick();
    void Emptyjar1Click();

signals:
    // The window is closing; the main window updates its commands.
    void Closing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The upper band re-lays itself out whenever the splitter or the window changes its height.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Stacks the generation frames and fits the scrolled area around them.
    void StackGenerations();
    void FitScrolledArea();
    void PlaceJars();
    // Keeps the marker on the icon of the fly in the microscope.
    void PlaceMagnifyingGlass();
    // Drags CurrentFly; only this window's fly targets take it.
    void DragCurrentFly();
    bool CarriesOwnFly(const QDropEvent* event) const;
    // Takes a drop of this window's fly and runs `drop` once the drag is over, so that a dialog
    // it opens gets the mouse.
    void TakeDrop(QDropEvent* event, std::function<void()> drop);
    // Forgets every reference the window holds to these flies.
    void Forget(const std::vector<DrosophilaIcon*>& flies);
    TGeneration* NewGeneration(GenerationKind kind, const QString& name, int top);

    // Flies of removed generations kept because later generations name them as parents.
    std::vector<std::unique_ptr<DrosophilaIcon>> keptParents;
};
