#pragma once

// The chromosome map window: the fly's four chromosomes with twenty loci written on them. A
// click on a locus shows its name, its position on the genetic map and the mutant phenotype.

#include <QDialog>
#include <QList>
#include <QPixmap>

class QLabel;
class QPushButton;

// The loci of the map by locus number, which is also the order of the fly's loci, chromosome by
// chromosome (0-5 X, 6-12 chromosome 2, 13-17 chromosome 3, 18-19 chromosome 4).
inline constexpr int MapLocusCount = 20;

inline constexpr const char* LocusNames[MapLocusCount] = {
    "White eyes, w",
    "Ruby eyes, rb",
    "Crossveinless wings, cv",
    "Tan body, t",
    "Forked bristles, f",
    "Bar eyes, B",
    "Aristaless antenna, al",
    "Curly wings, Cy",
    "Black body, b",
    "Purple eyes, pr",
    "Vestigial wings, vg",
    "Lobe eyes, L",
    "Curved wings, c",
    "Javelin bristles, jv",
    "Sepia eyes, se",
    "Thread arista, th",
    "Curled wings, cu",
    "Stripe body, sr",
    "Cubitus interruptus veins, ci",
    "Shaven bristles, sv",
};

// Map positions in centimorgans.
inline constexpr const char* LocusLocations[MapLocusCount] = {
    "1.5",  "7.5",  "13.7", "27.5", "56.7", "57.0", "0.0",  "6.1",  "48.5", "54.5",
    "67.0", "72.0", "75.5", "19.2", "26.0", "43.2", "50.0", "62.0", "0.0",  "3.0",
};

inline constexpr const char* LocusDescriptions[MapLocusCount] = {
    "Lack of color pigment in eyes.",
    "Eyes colored ruby red.",
    "Crossveins fully or almost fully missing.",
    "Body color varies from tan to almost wild type.",
    "Bristles short, gnarled, bent with ends split or sharply bent.",
    "Eye size reduced, shape bar-like.",
    "Aristae strongly reduced.",
    "Wings curled upward. Flightless.",
    "Black pigment on body and tarsi and along wing veins.",
    "Purple eyes",
    "Wings reduced, usually held at right angles to the body.",
    "Eye size reduced.",
    "Wings divergent, uplifted at base and curved downward.",
    "Bristles and hair cylindrical, with a small enlargement before tip.",
    "Eyes sepia colored.",
    "Aristae threadlike, whithout side branches.",
    "Wings curved upward and slightly divergent. Body color dark.",
    "Broad, light to dark gray stripe on thorax.",
    "Wing vein L4 shows one or more gaps. Anterior crossvein shortened or absent.",
    "Bristles reduced, partly missing.",
};

// Where each locus label sits on the picture (left, top), by locus number.
struct LabelPlace {
    int left;
    int top;
};
inline constexpr LabelPlace LocusLabelPlaces[MapLocusCount] = {
    {43, 120},  {43, 152},  {43, 184},  {43, 216},  {43, 248},  {43, 280},  {135, 120},
    {135, 152}, {135, 184}, {135, 256}, {135, 288}, {135, 320}, {135, 344}, {229, 144},
    {229, 168}, {229, 224}, {229, 248}, {229, 280}, {323, 120}, {323, 144},
};

// The picture of the four chromosomes (377 x 395), headed XY/XX, II, III and IV, each under its
// column of locus labels.
QPixmap DrawChromosomePicture();

class TChrMap : public QDialog {
    Q_OBJECT
public:
    explicit TChrMap(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QList<QLabel*> LocusLabels; // Label6 to Label25; the index is the locus number
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* NameLabel;
    QLabel* LocLabel;
    QLabel* DescLabel;
    QLabel* Label26;
    QPushButton* Button1;

    // The locus label last marked red by the mouse, or none.
    QLabel* HoverLabel = nullptr;

public slots:
    void Label6Click(QLabel* label);
    void Label6MouseMove(QLabel* label);
    void Image1MouseMove();
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
