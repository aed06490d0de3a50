#pragma once

// The chromosome editor's window: the fly's four chromosome pairs with a clickable label for
// every allele, male and female buttons, a 3D preview of the fly and commands to create, load
// and save fly files.

#include "fly/Drosophila.h"

#include <QColor>
#include <QMainWindow>
#include <QStringList>
#include <vector>

class MicroscopeView;
class QAction;
class QFrame;
class QLabel;
class QRadioButton;
class QSlider;
class QStatusBar;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // programFolder is the folder the program runs from: the Data and Flies folders lie beside
    // it. The first of the arguments after the program name, if any, names a fly file to open
    // once the preview is ready.
    TForm1(const QString& programFolder, const QStringList& arguments, QWidget* parent = nullptr);

    // Shows Organism on AlleleLabels.
    void GenomeToLabels();
    // Writes AlleleLabels back into Organism and shows the result in the preview.
    void LabelsToGenome();
    // Reads a fly file into Organism and shows it.
    void LoadFly(const QString& path);

    void MBtn1Click(QLabel* label);
    void CheckBox1MouseMove(QLabel* label);
    void Image1MouseMove();
    void MaleBtnClick();
    void Newmakewildtype1Click();
    void Load1Click();
    void Save1Click();
    void Exit1Click();
    void PreviewClick();
    void Backgroundcolor1Click();
    void Togglefullscreen1Click();
    void About1Click();
    // The preview is ready: load the fly's parts, show the fly and open the fly file named on
    // the command line.
    void PanelInit();

    CDrosophila Organism;
    // The second X of the last female shown, given back when a male is made female again.
    CChromosome SpareX;
    // One label per homolog and locus: pair by pair, slot by slot, homolog 0 before homolog 1.
    std::vector<QLabel*> AlleleLabels;
    bool FullScreen = false;

    QLabel* Image1;
    QFrame* Panel1;
    MicroscopeView* Panel;
    QLabel* Label1;
    QSlider* ZoomBar;
    QRadioButton* MaleBtn;
    QRadioButton* FemaleBtn;
    QStatusBar* StatusBar;
    QLabel* StatusHint;
    QLabel* StatusFileName;

    QAction* New1;
    QAction* Load1;
    QAction* Save1;
    QAction* Exit1;
    QAction* Preview;
    QAction* Backgroundcolor1;
    QAction* Togglefullscreen1;
    QAction* About1;

    // What the file and colour dialogs open with next.
    QString SaveDialogFileName = "Untitled.fly";
    QColor ColorDialogColour;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateAlleleLabels();
    void ArrangeNormal();
    void ArrangeFullScreen();
    // Where the file dialogs start: the Flies folder beside the program's folder.
    QString FliesFolder() const;
    // A folder of the fly's parts, Models or Skins, in the Data folder beside the program's.
    QString DataFolder(const QString& name) const;

    QString programFolder_;
    QStringList arguments_;
};
