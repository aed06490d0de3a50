#pragma once

// A generation of an experiment and its display: a titled frame in the experiment window's
// lower area showing its flies as icons, its phenotype counts as a one-row table, or as a bar
// chart, with a button beside the frame that collapses it to its caption line.

#include "fly/Drosophila.h"

#include <QGroupBox>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class QLabel;
class QMenu;
class QTableWidget;
class TBarChart;
class TImage;

// The index of the choice "Show result as..." of the new-generation dialog.
enum GenerationKind { Icons = 0, Table = 1, Chart = 2 };

// A fly that a generation keeps, with its icon. The label is the icon's tooltip.
class DrosophilaIcon {
public:
    // The icon and its red "P" mark live in the generation's frame; they are gone once a
    // removed generation's frame is.
    QPointer<TImage> Image;
    QPointer<QLabel> ParentMark;
    std::unique_ptr<CDrosophila> Fly;
    // Set once the fly is the mother or father of a generation; never reset.
    bool UsedAsParent = false;

    const QString& Label() const { return label; }
    void SetLabel(const QString& text);
    // Shows or hides the "P" mark, where the icon still exists and is not hidden.
    void ShowParentMark(bool show);
    // A fly counted into a jar leaves its generation's display for good: its icon and mark are
    // hidden and the layout skips it.
    void Hide();
    bool Hidden() const;

private:
    QString label;
};

// The frame of a generation: a group box that reports a click on its free area.
class TGenerationFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TGeneration : public QObject {
    Q_OBJECT
public:
    // An empty generation whose frame and collapse button are placed in `container`.
    TGeneration(GenerationKind kind, QWidget* container, const QString& name, int left, int top,
                int width, int height, QMenu* flyMenu, const QPixmap& collapsePicture,
                const QPixmap& expandPicture);
    ~TGeneration() override;

    const QString Name;
    const GenerationKind Kind;
    // The kept flies, in order of addition; only an icon generation keeps flies.
    std::vector<std::unique_ptr<DrosophilaIcon>> Flies;
    // The parents it was bred from; none for the parental generation. Never owned.
    DrosophilaIcon* MotherFly = nullptr;
    DrosophilaIcon* FatherFly = nullptr;
    // Every fly ever added, also those only counted.
    int Individuals = 0;
    bool Collapsed = false;

    // Both live in the container; gone with it.
    QPointer<TGenerationFrame> Frame;
    QPointer<TImage> CollapseButton;
    QTableWidget* Grid = nullptr;
    TBarChart* BarChart = nullptr;

    // An icon generation keeps the fly and returns its new icon, showing `picture`. A table or
    // chart generation counts the fly under its phenotype name and returns none, releasing it.
    DrosophilaIcon* AddFly(const QPixmap& picture, std::unique_ptr<CDrosophila> fly);
    // Places the collapse button and, when expanded, sizes the frame to its icons, table or
    // chart, showing the counts so far.
    void Layout();
    void MoveTo(int left, int top);
    void Resize(int width, int height);
    void ToggleCollapsed();
    // The caption turns red while the generation is selected, and its parents show their marks.
    void ShowSelected(bool selected);

    QString MotherLabel() const;
    QString FatherLabel() const;
    // The table's columns as (heading, count), beginning with "Total".
    std::vector<std::pair<QString, int>> TableColumns() const;

    // The generation's part of its removal: hides its parents' marks and releases every fly
    // except those that are parents of other generations, which it hands back to be kept.
    std::vector<std::unique_ptr<DrosophilaIcon>> Discard();

signals:
    void Clicked(TGeneration* generation);
    void CollapsedChanged();

private:
    void Tally(const TOrganism& fly);
    void ShowTally();

    QMenu* flyMenu;
    QPixmap collapsePicture;
    QPixmap expandPicture;
    // Phenotype names and counts in order of first appearance, with an index for lookups.
    std::vector<std::pair<std::string, int>> tally;
    std::unordered_map<std::string, std::size_t> tallyIndex;
    bool tallyShown = true;
};
