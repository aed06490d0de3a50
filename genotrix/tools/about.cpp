#include "tools/about.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <cmath>

const char* const GenotrixWebsite = GENOTRIX_WEBSITE;

namespace {

DesktopOpener& Opener() {
    static DesktopOpener opener;
    return opener;
}

void OpenWithDesktop(const QUrl& url) {
    if (Opener())
        Opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void OpenProgramFile(const QString& programFolder, const char* file) {
    OpenWithDesktop(QUrl::fromLocalFile(QDir(programFolder).filePath(QString::fromUtf8(file))));
}

} // namespace

void SetDesktopOpener(DesktopOpener opener) {
    Opener() = std::move(opener);
}

void HelpContentsExecute(const QString& programFolder) {
    OpenProgramFile(programFolder, HelpContentsFile);
}

void HelpTutorialExecute(const QString& programFolder) {
    OpenProgramFile(programFolder, Tutorial1File);
}

void HelpTutorial2Execute(const QString& programFolder) {
    OpenProgramFile(programFolder, Tutorial2File);
}

void HelpWebpageExecute(const QString& programFolder) {
    // Not every desktop opens internet shortcuts, so the address is taken out of it here; the
    // shortcut stays the one place a school changes to point the program elsewhere.
    const QSettings shortcut(QDir(programFolder).filePath(QString::fromUtf8(WebsiteShortcutFile)),
                             QSettings::IniFormat);
    const QUrl address(shortcut.value(QStringLiteral("InternetShortcut/URL")).toString());
    if (address.isValid() && !address.isEmpty())
        OpenWithDesktop(address);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(" About Genotrix"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(618, 247);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 602, 193);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setPixmap(DrawBanner());
    ProgramIcon->setGeometry(20, 8, 565, 81);

    auto* fly = new QLabel(panel);
    fly->setPixmap(DrawFly());
    fly->setGeometry(420, 96, 80, 88);
    auto* chromosomes = new QLabel(panel);
    chromosomes->setPixmap(DrawChromosomePair());
    chromosomes->setGeometry(510, 96, 72, 88);

    Version = new QLabel(QStringLiteral("Version 1.0"), panel);
    Version->move(16, 104);
    Comments =
        new QLabel(QStringLiteral("A virtual fruit fly genetics laboratory for teaching."), panel);
    Comments->move(16, 128);

    URL = new QLabel(QString::fromUtf8(GenotrixWebsite), panel);
    QFont linkFont = URL->font();
    linkFont.setUnderline(true);
    URL->setFont(linkFont);
    QPalette blue = URL->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    URL->setPalette(blue);
    URL->setCursor(Qt::PointingHandCursor);
    URL->setToolTip(QStringLiteral("Genotrix website"));
    URL->move(16, 152);
    URL->installEventFilter(this);
    for (QLabel* label : {Version, Comments, URL})
        label->adjustSize();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(271, 212, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == URL && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        URLClick();
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::URLClick() {
    HelpWebpageExecute();
}

QPixmap DrawBanner() {
    QPixmap banner(565, 81);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 565, 81);
    sky.setColorAt(0.0, QColor(36, 58, 112));
    sky.setColorAt(1.0, QColor(92, 48, 120));
    painter.fillRect(banner.rect(), sky);

    // A faint double helix running along the banner.
    for (int strand = 0; strand < 2; ++strand) {
        QPainterPath helix;
        for (int x = 0; x <= 565; x += 3) {
            const double y = 40.5 + 28 * std::sin(x / 34.0 + strand * 3.14159);
            if (x == 0)
                helix.moveTo(x, y);
            else
                helix.lineTo(x, y);
        }
        painter.setPen(QPen(QColor(255, 255, 255, 46), 3));
        painter.drawPath(helix);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 30), 2));
    for (int x = 8; x < 565; x += 17) {
        const double offset = 28 * std::sin(x / 34.0);
        painter.drawLine(QPointF(x, 40.5 + offset), QPointF(x, 40.5 - offset));
    }

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(50);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(QRect(24, 6, 360, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Genotrix"));
    painter.setPen(QColor(255, 244, 214));
    painter.drawText(QRect(22, 4, 360, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Genotrix"));

    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(14);
    subtitle.setItalic(true);
    painter.setFont(subtitle);
    painter.setPen(QColor(255, 214, 120));
    painter.drawText(QRect(24, 58, 520, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("The virtual fruit fly laboratory"));
    return banner;
}

QPixmap DrawFly() {
    // A fruit fly seen from above: wings folded back over the striped abdomen, red eyes.
    QPixmap picture(80, 88);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline(80, 56, 30);

    painter.setPen(QPen(outline, 1.2));
    for (int side : {-1, 1})
        for (int leg = 0; leg < 3; ++leg) {
            const double y = 36 + leg * 7;
            painter.drawLine(QPointF(40 + side * 6, y), QPointF(40 + side * 20, y - 6 + leg * 9));
            painter.drawLine(QPointF(40 + side * 20, y - 6 + leg * 9),
                             QPointF(40 + side * 25, y + leg * 11));
        }

    painter.setBrush(QColor(214, 168, 96));
    painter.drawEllipse(QRectF(30, 44, 20, 34)); // abdomen
    painter.setPen(QPen(QColor(92, 60, 30), 2.5));
    for (int stripe = 0; stripe < 3; ++stripe)
        painter.drawLine(QPointF(32, 54 + stripe * 7), QPointF(48, 54 + stripe * 7));
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(QColor(196, 146, 80));
    painter.drawEllipse(QRectF(30, 26, 20, 22)); // thorax
    painter.setBrush(QColor(200, 156, 90));
    painter.drawEllipse(QRectF(31, 12, 18, 16)); // head
    painter.setBrush(QColor(200, 20, 20));
    painter.drawEllipse(QRectF(28, 13, 10, 12)); // eyes
    painter.drawEllipse(QRectF(42, 13, 10, 12));

    painter.setBrush(QColor(220, 230, 255, 150));
    painter.setPen(QPen(QColor(120, 130, 160), 1));
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(40 + side * 3, 34);
        wing.cubicTo(40 + side * 30, 40, 40 + side * 28, 78, 40 + side * 10, 84);
        wing.cubicTo(40 + side * 4, 76, 40 + side * 2, 50, 40 + side * 3, 34);
        painter.drawPath(wing);
    }
    return picture;
}

QPixmap DrawChromosomePair() {
    // A pair of banded homologous chromosomes.
    QPixmap picture(72, 88);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int homolog = 0; homolog < 2; ++homolog) {
        const double left = 14 + homolog * 26;
        QPainterPath arms;
        arms.addRoundedRect(QRectF(left, 6, 18, 40), 8, 8);
        arms.addRoundedRect(QRectF(left, 42, 18, 40), 8, 8);
        arms.setFillRule(Qt::WindingFill);
        QLinearGradient body(left, 0, left + 18, 0);
        body.setColorAt(0.0, QColor(170, 140, 204));
        body.setColorAt(0.5, QColor(238, 228, 250));
        body.setColorAt(1.0, QColor(160, 128, 196));
        painter.fillPath(arms.simplified(), body);
        painter.save();
        painter.setClipPath(arms.simplified());
        for (int band : {14, 22, 31, 55, 63, 70})
            painter.fillRect(QRectF(left, band, 18, 3), QColor(88, 48, 128, 110));
        painter.restore();
        painter.setPen(QPen(QColor(74, 44, 104), 1.2));
        painter.drawPath(arms.simplified());
    }
    return picture;
}
