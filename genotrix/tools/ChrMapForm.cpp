#include "tools/ChrMapForm.h"

#include "fly/Drosophila.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <random>

namespace {

constexpr int PictureWidth = 377;
constexpr int PictureHeight = 395;

// One chromosome of the picture: its column, its length and where its centromere pinches it.
struct ChromosomeShape {
    const char* heading;
    int centreX; // the middle of its column of locus labels
    int top;
    int bottom;
    int centromere;
};

// X and IV are acrocentric (centromere near one end), II and III metacentric. The labels of each
// column lie on its chromosome; the pinches fall between labels.
constexpr ChromosomeShape Chromosomes[] = {
    {"XY/XX", 52, 98, 318, 304},
    {"II", 144, 98, 374, 226},
    {"III", 238, 98, 322, 242},
    {"IV", 332, 98, 172, 110},
};

constexpr int HalfWidth = 18;
constexpr int CapRadius = 13;

QPainterPath Outline(const ChromosomeShape& shape) {
    // Two rounded arms that meet at the centromere, where their rounded ends leave a waist.
    QPainterPath upper;
    upper.addRoundedRect(QRectF(shape.centreX - HalfWidth, shape.top, 2 * HalfWidth,
                                shape.centromere + 3 - shape.top),
                         CapRadius, CapRadius);
    QPainterPath lower;
    lower.addRoundedRect(QRectF(shape.centreX - HalfWidth, shape.centromere - 3, 2 * HalfWidth,
                                shape.bottom - shape.centromere + 3),
                         CapRadius, CapRadius);
    return upper.united(lower);
}

void DrawBands(QPainter& painter, const ChromosomeShape& shape, std::minstd_rand& bands) {
    // A stained chromosome's bands: darker stripes of varying width and strength, a fixed
    // pattern for each chromosome.
    std::uniform_int_distribution<int> gap(4, 11);
    std::uniform_int_distribution<int> width(2, 6);
    std::uniform_int_distribution<int> strength(45, 120);
    for (int y = shape.top + 6 + gap(bands); y < shape.bottom - 6; y += gap(bands)) {
        const int bandWidth = width(bands);
        if (std::abs(y - shape.centromere) < 6)
            continue;
        painter.fillRect(QRect(shape.centreX - HalfWidth, y, 2 * HalfWidth, bandWidth),
                         QColor(88, 48, 128, strength(bands)));
        y += bandWidth;
    }
}

void DrawChromosome(QPainter& painter, const ChromosomeShape& shape, std::minstd_rand& bands) {
    const QPainterPath outline = Outline(shape);

    QLinearGradient body(shape.centreX - HalfWidth, 0, shape.centreX + HalfWidth, 0);
    body.setColorAt(0.0, QColor(196, 170, 222));
    body.setColorAt(0.35, QColor(240, 232, 250));
    body.setColorAt(0.65, QColor(236, 226, 248));
    body.setColorAt(1.0, QColor(178, 150, 208));
    painter.fillPath(outline, body);

    painter.save();
    painter.setClipPath(outline);
    DrawBands(painter, shape, bands);
    // The centromere: a dark knot at the waist.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 36, 104));
    painter.drawEllipse(QPointF(shape.centreX, shape.centromere), 7.0, 3.5);
    painter.restore();

    painter.setPen(QPen(QColor(74, 44, 104), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    QFont headingFont(QStringLiteral("Arial"));
    headingFont.setPixelSize(14);
    headingFont.setBold(true);
    painter.setFont(headingFont);
    painter.setPen(QColor(40, 40, 72));
    painter.drawText(QRect(shape.centreX - 40, shape.top - 26, 80, 20), Qt::AlignCenter,
                     QString::fromLatin1(shape.heading));
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* BoldLabel(const QString& text, QWidget* parent, int left, int top) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

QPixmap DrawChromosomePicture() {
    QPixmap picture(PictureWidth, PictureHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, PictureHeight);
    background.setColorAt(0.0, QColor(255, 255, 255));
    background.setColorAt(1.0, QColor(226, 236, 248));
    painter.fillRect(picture.rect(), background);
    painter.setPen(QColor(160, 172, 190));
    painter.drawLine(PictureWidth - 1, 0, PictureWidth - 1, PictureHeight);

    std::minstd_rand bands(1910); // the year Morgan found the white-eyed male
    for (const ChromosomeShape& shape : Chromosomes)
        DrawChromosome(painter, shape, bands);
    return picture;
}

TChrMap::TChrMap(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Chromosome map"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(589, 395);

    Image1 = new QLabel(this);
    Image1->setPixmap(DrawChromosomePicture());
    Image1->setGeometry(0, 0, PictureWidth, PictureHeight);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("Some important loci"), this);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->move(16, 16);
    Label1->adjustSize();
    // The title lies on the picture; passing the mouse over it counts as passing the picture.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont locusFont = font();
    locusFont.setPixelSize(13);
    locusFont.setBold(true);
    int locus = 0;
    for (int pair = 0; pair < PairCount; ++pair)
        for (int slot = 0; slot < LociPerChromosome; ++slot) {
            if (GetMapPosition(pair, slot) < 0)
                continue;
            auto* label = new QLabel(QString::fromLatin1(LocusSymbols[pair][slot]), this);
            label->setFont(locusFont);
            label->move(LocusLabelPlaces[locus].left, LocusLabelPlaces[locus].top);
            label->adjustSize();
            label->setCursor(Qt::PointingHandCursor);
            label->setMouseTracking(true);
            label->installEventFilter(this);
            SetTextColour(label, Qt::black);
            LocusLabels.append(label);
            ++locus;
        }

    Label3 = BoldLabel(QStringLiteral("Name:"), this, 400, 40);
    Label4 = BoldLabel(QStringLiteral("Location:"), this, 400, 80);
    Label5 = BoldLabel(QStringLiteral("Phenotype:"), this, 400, 120);
    NameLabel = new QLabel(this);
    NameLabel->move(400, 56);
    LocLabel = new QLabel(this);
    LocLabel->move(400, 96);
    DescLabel = new QLabel(this);
    DescLabel->setWordWrap(true);
    DescLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DescLabel->setGeometry(400, 136, 177, 209);

    Label26 = new QLabel(QStringLiteral("(Click on an allele to view information)"), this);
    // Two lines of a smaller font, so that the hint ends above "Location:".
    QFont hintFont = Label26->font();
    hintFont.setPixelSize(11);
    Label26->setFont(hintFont);
    Label26->setWordWrap(true);
    Label26->setGeometry(400, 55, width() - 400 - 8, 25);
    Label26->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setGeometry(512, 368, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TChrMap::Button1Click);
}

bool TChrMap::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseMove) {
        Image1MouseMove();
        return false;
    }
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || !LocusLabels.contains(label))
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        Label6MouseMove(label);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint()))
            Label6Click(label);
    }
    return false;
}

void TChrMap::Label6Click(QLabel* label) {
    Label26->hide();
    const int locus = LocusLabels.indexOf(label);
    NameLabel->setText(QString::fromLatin1(LocusNames[locus]));
    NameLabel->adjustSize();
    LocLabel->setText(QString::fromLatin1(LocusLocations[locus]));
    LocLabel->adjustSize();
    DescLabel->setText(QString::fromLatin1(LocusDescriptions[locus]));
}

void TChrMap::Label6MouseMove(QLabel* label) {
    HoverLabel = label;
    SetTextColour(label, Qt::red);
}

void TChrMap::Image1MouseMove() {
    if (HoverLabel)
        SetTextColour(HoverLabel, Qt::black);
}

void TChrMap::Button1Click() {
    hide();
}
