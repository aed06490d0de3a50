#include "tools/StartupTips.h"

#include "genetics/Random.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadialGradient>
#include <QTextStream>

namespace {
const QString NextTipLine = QStringLiteral("[NEXTTIP]");

QPushButton* HintedButton(const QString& caption, const QString& hint, QWidget* parent, int left,
                          int top) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setGeometry(left, top, 107, 25);
    return button;
}
} // namespace

std::optional<QList<QStringList>> ReadTips(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QList<QStringList> tips;
    QStringList tip;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        if (line != NextTipLine) {
            tip.append(line);
            continue;
        }
        // Two [NEXTTIP] lines in a row hold no tip between them.
        if (!tip.isEmpty())
            tips.append(tip);
        tip.clear();
    }
    return tips;
}

TTipForm::TTipForm(bool showTipsAtStartup, QWidget* parent, const QString& programFolder)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Tip of the day"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(489, 265);

    Label1 = new QLabel(QStringLiteral("Did you know..."), this);
    QFont titleFont = Label1->font();
    titleFont.setPixelSize(24);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(titlePalette);
    Label1->move(24, 16);
    Label1->adjustSize();

    TipMemo = new QPlainTextEdit(this);
    TipMemo->setReadOnly(true);
    TipMemo->setGeometry(24, 48, 297, 185);

    Image1 = new QLabel(this);
    Image1->setPixmap(DrawLightBulb());
    Image1->setGeometry(360, 80, 107, 133);
    Image1->setToolTip(QStringLiteral("Ceci n'est pas une ampoule"));

    ShowTips = new QCheckBox(QStringLiteral("Show tips at startup"), this);
    ShowTips->setToolTip(
        QStringLiteral("Uncheck this box to stop this dialog from appearing at startup"));
    ShowTips->move(24, 240);
    ShowTips->adjustSize();

    Button1 = HintedButton(QStringLiteral("<< Previous"), QStringLiteral("Show previous tip"), this,
                           360, 16);
    Button2 =
        HintedButton(QStringLiteral("Next >>"), QStringLiteral("Show next tip"), this, 360, 48);
    Button3 =
        HintedButton(QStringLiteral("Close"), QStringLiteral("Close this dialog"), this, 360, 224);
    connect(Button1, &QPushButton::clicked, this, &TTipForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTipForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TTipForm::Button3Click);

    if (!FormCreate(showTipsAtStartup, programFolder))
        ShowMessage(parent, QStringLiteral("Error"), QStringLiteral("Unable to show startup tips."),
                    QMessageBox::Critical);
    // Connected after the initial state, so that only the user's clicks report a change.
    connect(ShowTips, &QCheckBox::clicked, this, &TTipForm::ShowTipsClick);
}

bool TTipForm::FormCreate(bool showTipsAtStartup, const QString& programFolder) {
    std::optional<QList<QStringList>> tips = ReadTips(QDir(programFolder).filePath(TipsFile));
    // A file without a single complete tip has nothing to show, just like a missing one.
    if (!tips || tips->isEmpty())
        return false;
    Tips = std::move(*tips);
    CurrentTip = RandomNext() % Tips.size();
    ShowCurrentTip();
    ShowTips->setChecked(showTipsAtStartup);
    return true;
}

void TTipForm::ShowCurrentTip() {
    TipMemo->setPlainText(Tips[CurrentTip].join(QLatin1Char('\n')));
}

void TTipForm::Button1Click() {
    CurrentTip = CurrentTip == 0 ? Tips.size() - 1 : CurrentTip - 1;
    ShowCurrentTip();
}

void TTipForm::Button2Click() {
    CurrentTip = CurrentTip == Tips.size() - 1 ? 0 : CurrentTip + 1;
    ShowCurrentTip();
}

void TTipForm::Button3Click() {
    close();
}

void TTipForm::ShowTipsClick() {
    emit ShowTipsAtStartupChanged(ShowTips->isChecked());
}

void ShowTipOfTheDay(QWidget* parent, bool showTipsAtStartup,
                     const std::function<void(bool)>& showTipsChanged,
                     const QString& programFolder) {
    TTipForm form(showTipsAtStartup, parent, programFolder);
    if (!form.HasTips())
        return;
    QObject::connect(&form, &TTipForm::ShowTipsAtStartupChanged, showTipsChanged);
    form.exec();
}

QPixmap DrawLightBulb() {
    QPixmap picture(107, 133);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // Rays around the glass.
    painter.setPen(QPen(QColor(255, 196, 40), 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF glassCentre(53.5, 48);
    for (int ray = 0; ray < 7; ++ray) {
        painter.save();
        painter.translate(glassCentre);
        painter.rotate(-90 + (ray - 3) * 30);
        painter.drawLine(QPointF(40, 0), QPointF(50, 0));
        painter.restore();
    }

    // The glass: a round top narrowing into the neck.
    QPainterPath glass;
    glass.moveTo(40, 88);
    glass.cubicTo(40, 74, 22, 66, 22, 46);
    glass.arcTo(QRectF(22, 15, 63, 63), 180, -180);
    glass.cubicTo(85, 66, 67, 74, 67, 88);
    glass.closeSubpath();
    QRadialGradient light(QPointF(46, 38), 44);
    light.setColorAt(0.0, QColor(255, 255, 236));
    light.setColorAt(0.6, QColor(255, 236, 130));
    light.setColorAt(1.0, QColor(250, 200, 60));
    painter.setBrush(light);
    painter.setPen(QPen(QColor(170, 120, 20), 2));
    painter.drawPath(glass);

    // The filament.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 80, 10), 1.5));
    QPainterPath filament;
    filament.moveTo(46, 86);
    filament.lineTo(46, 58);
    filament.cubicTo(48, 50, 50, 62, 53.5, 54);
    filament.cubicTo(57, 62, 59, 50, 61, 58);
    filament.lineTo(61, 86);
    painter.drawPath(filament);

    // The screw base.
    painter.setPen(QPen(QColor(90, 90, 96), 1));
    QLinearGradient metal(38, 0, 69, 0);
    metal.setColorAt(0.0, QColor(140, 140, 150));
    metal.setColorAt(0.45, QColor(235, 235, 240));
    metal.setColorAt(1.0, QColor(120, 120, 130));
    painter.setBrush(metal);
    for (int thread = 0; thread < 4; ++thread)
        painter.drawRoundedRect(QRectF(39, 88 + thread * 7, 29, 7), 3, 3);
    painter.setBrush(QColor(60, 60, 66));
    painter.drawRoundedRect(QRectF(46, 116, 15, 7), 3, 3);
    return picture;
}
