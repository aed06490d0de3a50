#include "Generation.h"

#include "BarChart.h"
#include "Image.h"
#include "phenotype/Drosphen.h"
#include "tools/Settings.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int FrameHeight = 100;
constexpr int CollapsedHeight = 20;
constexpr int ChartFrameHeight = 310;
constexpr int ChartHeight = 280;
constexpr int ChartLeft = 10;
constexpr int ChartTop = 20;
// Headings of the table, in the cream of a spreadsheet's fixed row.
const QColor Cream(255, 251, 240);

} // namespace

void DrosophilaIcon::SetLabel(const QString& text) {
    label = text;
    if (Image)
        Image->setToolTip(text);
}

void DrosophilaIcon::ShowParentMark(bool show) {
    if (ParentMark)
        ParentMark->setVisible(show && !Hidden());
}

void DrosophilaIcon::Hide() {
    if (Image)
        Image->hide();
    if (ParentMark)
        ParentMark->hide();
}

bool DrosophilaIcon::Hidden() const {
    return Image && Image->isHidden();
}

void TGenerationFrame::mouseReleaseEvent(QMouseEvent* event) {
    QGroupBox::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

TGeneration::TGeneration(GenerationKind kind, QWidget* container, const QString& name, int left,
                         int top, int width, int height, QMenu* flyMenu,
                         const QPixmap& collapsePicture, const QPixmap& expandPicture)
    : Name(name), Kind(kind), flyMenu(flyMenu), collapsePicture(collapsePicture),
      expandPicture(expandPicture) {
    Frame = new TGenerationFrame(name, container);
    Frame->setGeometry(left, top, width, height);
    connect(Frame, &TGenerationFrame::Clicked, this, [this] { emit Clicked(this); });

    CollapseButton = new TImage(container);
    CollapseButton->SetPicture(collapsePicture);
    CollapseButton->setToolTip("Collapse");
    CollapseButton->move(left - 13, top + 5);
    connect(CollapseButton, &TImage::Clicked, this, &TGeneration::ToggleCollapsed);

    if (kind == Table) {
        Grid = new QTableWidget(1, 1, Frame);
        Grid->setHorizontalHeaderItem(0, new QTableWidgetItem("Total"));
        Grid->setItem(0, 0, new QTableWidgetItem("0"));
        Grid->verticalHeader()->hide();
        Grid->horizontalHeader()->setDefaultSectionSize(80);
        Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        Grid->horizontalHeader()->setHighlightSections(false);
        Grid->horizontalHeader()->setStyleSheet(
            QString("QHeaderView::section { background-color: %1; border: none;"
                    " border-right: 1px solid #b8b4a8; border-bottom: 1px solid #b8b4a8;"
                    " padding: 2px 4px; }")
                .arg(Cream.name()));
        Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        Grid->setFrameShape(QFrame::Box);
        Grid->setFont(QFont());
        auto* layout = new QVBoxLayout(Frame);
        layout->setContentsMargins(6, 4, 6, 6);
        layout->addWidget(Grid);
    } else if (kind == Chart) {
        BarChart = new TBarChart(name + " phenotypes", settings().Charts3D, Frame);
        BarChart->move(ChartLeft, ChartTop);
    }
    Frame->show();
    CollapseButton->show();
}

TGeneration::~TGeneration() {
    delete Frame;
    delete CollapseButton;
}

DrosophilaIcon* TGeneration::AddFly(const QPixmap& picture, std::unique_ptr<CDrosophila> fly) {
    ++Individuals;
    if (Kind != Icons) {
        Tally(*fly);
        return nullptr;
    }
    auto icon = std::make_unique<DrosophilaIcon>();
    icon->Fly = std::move(fly);
    icon->Image = new TImage(Frame);
    icon->Image->SetPicture(picture);
    icon->Image->setContextMenuPolicy(Qt::CustomContextMenu);
    TImage* image = icon->Image;
    connect(image, &QWidget::customContextMenuRequested, flyMenu,
            [this, image](const QPoint& at) { flyMenu->popup(image->mapToGlobal(at)); });
    icon->SetLabel(QString("%1 (%2)").arg(Name).arg(Flies.size() + 1));

    icon->ParentMark = new QLabel("P", Frame);
    icon->ParentMark->setStyleSheet("color: red; background: transparent; font-weight: bold;");
    icon->ParentMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    icon->ParentMark->adjustSize();
    icon->ParentMark->hide();
    icon->Image->show();

    Flies.push_back(std::move(icon));
    return Flies.back().get();
}

void TGeneration::Tally(const TOrganism& fly) {
    std::string name = CDrosPhenotype(&fly).GetText(settings().SeparateSexes);
    const auto [entry, isNew] = tallyIndex.try_emplace(std::move(name), tally.size());
    if (isNew)
        tally.emplace_back(entry->first, 1);
    else
        ++tally[entry->second].second;
    tallyShown = false;
}

void TGeneration::ShowTally() {
    tallyShown = true;
    if (Grid) {
        int total = 0;
        Grid->setColumnCount(1 + static_cast<int>(tally.size()));
        for (std::size_t i = 0; i < tally.size(); ++i) {
            const int column = 1 + static_cast<int>(i);
            const QString heading = QString::fromStdString(tally[i].first);
            if (!Grid->horizontalHeaderItem(column)) {
                auto* headingItem = new QTableWidgetItem(heading);
                headingItem->setToolTip(heading);
                Grid->setHorizontalHeaderItem(column, headingItem);
                Grid->setItem(0, column, new QTableWidgetItem);
            }
            Grid->item(0, column)->setText(QString::number(tally[i].second));
            total += tally[i].second;
        }
        Grid->item(0, 0)->setText(QString::number(total));
    }
    if (BarChart) {
        std::vector<std::pair<QString, int>> bars;
        for (const auto& [name, count] : tally)
            bars.emplace_back(QString::fromStdString(name), count);
        BarChart->SetBars(bars);
    }
}

void TGeneration::Layout() {
    if (!Frame)
        return;
    CollapseButton->move(Frame->x() - 13, Frame->y() + 5);
    if (!tallyShown)
        ShowTally();
    if (Collapsed)
        return;

    const int width = Frame->width();
    int height = FrameHeight;
    int x = 8;
    int y = 24;
    for (const auto& icon : Flies) {
        if (!icon->Image || icon->Image->isHidden())
            continue;
        const QSize size = icon->Image->size();
        icon->Image->move(x, y);
        icon->ParentMark->move(x + 13, y + 17);
        icon->ParentMark->raise();
        x += size.width() + 2;
        if (width - size.width() - 2 < x) {
            x = 8;
            y += size.height() + 4;
            if (height - size.height() - 4 < y)
                height = y + size.height() + 10;
        }
    }
    if (BarChart) {
        height = ChartFrameHeight;
        const int bars = BarChart->BarCount();
        const int chartWidth = static_cast<int>(TBarChart::CustomBarWidth * bars * 4.5 + 50);
        BarChart->setGeometry(ChartLeft, ChartTop, std::min(chartWidth, width - 20), ChartHeight);
    }
    Frame->resize(width, height);
}

void TGeneration::MoveTo(int left, int top) {
    Frame->move(left, top);
}

void TGeneration::Resize(int width, int height) {
    Frame->resize(width, height);
    Layout();
}

void TGeneration::ToggleCollapsed() {
    Collapsed = !Collapsed;
    if (Collapsed) {
        Frame->resize(Frame->width(), CollapsedHeight);
        CollapseButton->SetPicture(expandPicture);
        CollapseButton->setToolTip("Expand");
    } else {
        CollapseButton->SetPicture(collapsePicture);
        CollapseButton->setToolTip("Collapse");
    }
    if (Grid)
        Grid->setVisible(!Collapsed);
    if (BarChart)
        BarChart->setVisible(!Collapsed);
    Layout();
    emit CollapsedChanged();
}

void TGeneration::ShowSelected(bool selected) {
    QPalette palette = Frame->palette();
    palette.setColor(QPalette::WindowText,
                     selected ? QColor(Qt::red)
                              : Frame->parentWidget()->palette().windowText().color());
    Frame->setPalette(palette);
    for (DrosophilaIcon* parent : {MotherFly, FatherFly})
        if (parent)
            parent->ShowParentMark(selected);
}

QString TGeneration::MotherLabel() const {
    return MotherFly ? MotherFly->Label() : QString("None");
}

QString TGeneration::FatherLabel() const {
    return FatherFly ? FatherFly->Label() : QString("None");
}

std::vector<std::pair<QString, int>> TGeneration::TableColumns() const {
    std::vector<std::pair<QString, int>> columns;
    if (!Grid)
        return columns;
    for (int column = 0; column < Grid->columnCount(); ++column)
        columns.emplace_back(Grid->horizontalHeaderItem(column)->text(),
                             Grid->item(0, column)->text().toInt());
    return columns;
}

std::vector<std::unique_ptr<DrosophilaIcon>> TGeneration::Discard() {
    for (DrosophilaIcon* parent : {MotherFly, FatherFly})
        if (parent)
            parent->ShowParentMark(false);
    std::vector<std::unique_ptr<DrosophilaIcon>> kept;
    for (auto& icon : Flies)
        if (icon->UsedAsParent)
            kept.push_back(std::move(icon));
    Flies.clear();
    Frame->hide();
    CollapseButton->hide();
    return kept;
}
