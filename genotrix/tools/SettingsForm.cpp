#include "tools/SettingsForm.h"

#include "fly/Drosophila.h"
#include "tools/NewPassForm.h"
#include "tools/PassCheckForm.h"
#include "tools/Settings.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int ClientWidth = 307;
constexpr int ClientHeight = 439;

// The user's own notation, without group separators: 0,04 where the decimal separator is a comma.
QLocale UserNotation() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QCheckBox* AddCheckBox(QLayout* layout, const QString& caption, const QString& hint) {
    auto* box = new QCheckBox(caption);
    box->setToolTip(hint);
    layout->addWidget(box);
    return box;
}

QLineEdit* AddNumberEdit(QGroupBox* group, QLayout* layout, const QString& caption) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(caption, group);
    auto* edit = new QLineEdit(group);
    edit->setFixedWidth(70);
    label->setBuddy(edit);
    row->addWidget(label);
    row->addStretch();
    row->addWidget(edit);
    static_cast<QVBoxLayout*>(layout)->addLayout(row);
    return edit;
}

// The number in a crossing-over edit; nothing, after saying why, when the text is not a number
// or the walk along the chromosomes could not use it (a step of 0 or less would never end, nor
// would a negative distance after a crossover).
std::optional<float> ReadCrossOverSetting(QWidget* parent, QLineEdit* edit, const QString& field,
                                          bool zeroAllowed) {
    bool ok = false;
    const float value = UserNotation().toFloat(edit->text(), &ok);
    QString problem;
    if (!ok || !std::isfinite(value))
        problem = QString("%1: \"%2\" is not a number.").arg(field, edit->text());
    else if (zeroAllowed && value < 0)
        problem = field + " must not be negative.";
    else if (!zeroAllowed && value <= 0)
        problem = field + " must be greater than 0.";
    if (problem.isEmpty())
        return value;
    ShowMessage(parent, "Error", problem, QMessageBox::Critical);
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
}

} // namespace

TSettingsForm::TSettingsForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Settings");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // The program's 11-pixel font, as in the main window.
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    PageControl1 = new QTabWidget;

    // "General".
    GeneralPage = new QWidget;
    auto* general = new QVBoxLayout(GeneralPage);

    auto* microscope = new QGroupBox("Microscope");
    auto* microscopeLayout = new QVBoxLayout(microscope);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel("Background color:"));
    Shape1 = new QFrame;
    Shape1->setFixedSize(17, 17);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setAutoFillBackground(true);
    Shape1->setCursor(Qt::PointingHandCursor);
    Shape1->setToolTip("Click to set background color of microscope");
    Shape1->installEventFilter(this);
    colourRow->addWidget(Shape1);
    colourRow->addStretch();
    microscopeLayout->addLayout(colourRow);
    CheckBox1 = AddCheckBox(microscopeLayout, "Enable dragging of flies from microscope",
                            "Set this to be able to drag flies from the microscope");
    general->addWidget(microscope);

    auto* generations = new QGroupBox("Generations");
    auto* generationsLayout = new QVBoxLayout(generations);
    CheckBox2 =
        AddCheckBox(generationsLayout, "Separate males from females in charts and tables",
                    "Check to create separate entries for males and females in charts and tables");
    CheckBox12 = AddCheckBox(generationsLayout, "3D charts", QString());
    general->addWidget(generations);

    auto* misc = new QGroupBox("Misc");
    auto* miscLayout = new QVBoxLayout(misc);
    CheckBox4 = AddCheckBox(miscLayout, "Show tips on startup",
                            "Check to display tip of the day on startup");
    general->addWidget(misc);

    auto* advanced = new QGroupBox("Advanced");
    auto* advancedLayout = new QVBoxLayout(advanced);
    ResEdit = AddNumberEdit(advanced, advancedLayout, "Resolution for crossing-over:");
    MinDistEdit = AddNumberEdit(advanced, advancedLayout, "Minimum distance for crossing-over:");
    general->addWidget(advanced);
    general->addStretch();

    // "Teacher settings": its controls stay hidden until the password was given.
    TeacherPage = new QWidget;
    auto* teacherPageLayout = new QVBoxLayout(TeacherPage);
    teacherPageLayout->setContentsMargins(0, 0, 0, 0);
    TeacherControls = new QWidget;
    teacherPageLayout->addWidget(TeacherControls);
    auto* teacher = new QVBoxLayout(TeacherControls);

    auto* password = new QGroupBox("Teacher password");
    auto* passwordLayout = new QVBoxLayout(password);
    CheckBox5 = AddCheckBox(passwordLayout, "Enable teacher password",
                            "Check to enable password protection");
    Button3 = new QPushButton("Set/change teacher password");
    Button3->setToolTip("Click to set or change the teacher password");
    passwordLayout->addWidget(Button3, 0, Qt::AlignLeft);
    teacher->addWidget(password);

    auto* protection = new QGroupBox("Password protection");
    auto* protectionLayout = new QVBoxLayout(protection);
    Label2 = new QLabel("Require password for the following actions:");
    protectionLayout->addWidget(Label2);
    CheckBox6 = AddCheckBox(protectionLayout, "Chromosome editor",
                            "Demand password to open the chromosome editor");
    CheckBox7 = AddCheckBox(protectionLayout, "Chromosome chart",
                            "Demand password to view chromosome chart");
    CheckBox10 = AddCheckBox(protectionLayout, "Represent generation as table",
                             "Demand password to create tables");
    CheckBox11 = AddCheckBox(protectionLayout, "Represent generation as chart",
                             "Demand password to create charts");
    teacher->addWidget(protection);
    teacher->addStretch();
    // Hidden, it still takes its room, so that the window is large enough for it.
    QSizePolicy keepRoom = TeacherControls->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    TeacherControls->setSizePolicy(keepRoom);
    TeacherControls->hide();

    PageControl1->addTab(GeneralPage, "General");
    PageControl1->addTab(TeacherPage, "Teacher settings");
    connect(PageControl1, &QTabWidget::currentChanged, this, &TSettingsForm::PageControl1Changing);

    Button1 = new QPushButton("OK");
    Button1->setDefault(true);
    Button2 = new QPushButton("Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Button1, Button2}) {
        button->setMinimumSize(75, 25);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(8, 8, 8, 8);
    window->addWidget(PageControl1);
    window->addLayout(buttons);
    // The designed size, or larger where the desktop's font needs more room.
    const QSize needed = sizeHint();
    setFixedSize(std::max(ClientWidth, needed.width()), std::max(ClientHeight, needed.height()));
    connect(Button1, &QPushButton::clicked, this, &TSettingsForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSettingsForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSettingsForm::Button3Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    settings().LoadSettings();
    ShowSettings();
}

void TSettingsForm::ShowSettings() {
    const TSettings& current = settings();
    SetSwatchColor(current.MicroscopeColor);
    CheckBox1->setChecked(current.DragFromMicroscope);
    CheckBox2->setChecked(current.SeparateSexes);
    CheckBox12->setChecked(current.Charts3D);
    CheckBox4->setChecked(current.ShowTipsAtStartup);
    CheckBox5->setChecked(current.PasswordEnabled);
    CheckBox6->setChecked(current.ProtectEditor);
    CheckBox7->setChecked(current.ProtectChromosomeMap);
    CheckBox10->setChecked(current.ProtectTable);
    CheckBox11->setChecked(current.ProtectChart);
    // The defaults read 0,04 and 10,0 (with the user's decimal separator); values read from the
    // settings file show five decimals.
    const QLocale notation = UserNotation();
    ResEdit->setText(current.FirstRun ? notation.toString(CrossOverResolution, 'f', 2)
                                      : notation.toString(CrossOverResolution, 'f', 5));
    MinDistEdit->setText(current.FirstRun ? notation.toString(CrossOverMinDistance, 'f', 1)
                                          : notation.toString(CrossOverMinDistance, 'f', 5));
}

void TSettingsForm::SetSwatchColor(std::int32_t colorRef) {
    swatchColor = colorRef;
    QPalette palette = Shape1->palette();
    palette.setColor(QPalette::Window, ResolveColor(colorRef));
    palette.setColor(QPalette::WindowText, Qt::black);
    Shape1->setPalette(palette);
}

bool TSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Shape1 && event->type() == QEvent::MouseButtonPress) {
        Shape1MouseDown();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSettingsForm::Shape1MouseDown() {
    const std::optional<QColor> chosen = dialogs().Colour(this, ResolveColor(swatchColor));
    if (chosen)
        SetSwatchColor(chosen->red() | chosen->green() << 8 | chosen->blue() << 16);
}

void TSettingsForm::Button1Click() {
    // Both numbers are checked before anything is taken over.
    const std::optional<float> minDistance =
        ReadCrossOverSetting(this, MinDistEdit, "Minimum distance for crossing-over", true);
    if (!minDistance)
        return;
    const std::optional<float> resolution =
        ReadCrossOverSetting(this, ResEdit, "Resolution for crossing-over", false);
    if (!resolution)
        return;

    TSettings& current = settings();
    current.SetMicroscopeColor(swatchColor);
    current.DragFromMicroscope = CheckBox1->isChecked();
    current.SeparateSexes = CheckBox2->isChecked();
    current.Charts3D = CheckBox12->isChecked();
    current.ShowTipsAtStartup = CheckBox4->isChecked();
    current.PasswordEnabled = CheckBox5->isChecked();
    current.ProtectEditor = CheckBox6->isChecked();
    current.ProtectChromosomeMap = CheckBox7->isChecked();
    current.ProtectTable = CheckBox10->isChecked();
    current.ProtectChart = CheckBox11->isChecked();
    CrossOverMinDistance = *minDistance;
    CrossOverResolution = *resolution;
    emit SettingsTakenOver();
    current.SaveSettings();
    hide();
}

void TSettingsForm::Button2Click() {
    hide();
}

void TSettingsForm::Button3Click() {
    TNewPass dialog(this);
    // Saved at once, so the new password is kept even if these settings are cancelled.
    if (dialog.exec() == QDialog::Accepted)
        settings().SaveSettings();
}

void TSettingsForm::PageControl1Changing(int index) {
    if (index != TeacherPageIndex) {
        TeacherControls->hide();
        return;
    }
    if (AskTeacherPassword(this))
        TeacherControls->show();
    else
        PageControl1->setCurrentIndex(GeneralPageIndex);
}

void TSettingsForm::hideEvent(QHideEvent* event) {
    // The next opening starts on "General" and asks again for the teacher page.
    PageControl1->setCurrentIndex(GeneralPageIndex);
    QDialog::hideEvent(event);
}
