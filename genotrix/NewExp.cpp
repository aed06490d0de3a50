#include "NewExp.h"

#include "Image.h"
#include "Jar.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "ui/Dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace {

// The first word of a file, or as much of it as tells whether it is a sex marker.
QByteArray FirstWord(QFile& file) {
    constexpr int enough = 4; // one more than a marker such as "[M]"
    QByteArray word;
    char c = 0;
    while (file.getChar(&c)) {
        if (QChar::isSpace(static_cast<unsigned char>(c))) {
            if (!word.isEmpty())
                break;
            continue;
        }
        word += c;
        if (word.size() == enough)
            break;
    }
    return word;
}

} // namespace

TNewExpDlg::TNewExpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Create new experiment");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(313, 486);

    auto* nameCaption = new QLabel("Experiment name:", this);
    nameCaption->setGeometry(12, 10, 289, 16);
    NameLabel = new QLineEdit("Untitled experiment", this);
    NameLabel->setGeometry(12, 28, 289, 22);
    nameCaption->setBuddy(NameLabel);
    NameLabel->selectAll();
    connect(NameLabel, &QLineEdit::textChanged, this, &TNewExpDlg::NameLabelChange);
    ExperimentName = NameLabel->text();

    auto* parents = new QGroupBox("Parental generation", this);
    parents->setGeometry(8, 62, 297, 178);
    auto* genCaption = new QLabel("Generation name:", parents);
    genCaption->setGeometry(12, 22, 200, 16);
    ParentGenName = new QLineEdit("P1", parents);
    ParentGenName->setGeometry(12, 40, 120, 22);
    genCaption->setBuddy(ParentGenName);

    const auto addParent = [parents](int top, const QString& caption, const QString& hint,
                                     TImage*& image, QLabel*& label) {
        image = new TImage(parents);
        image->SetPicture(pictures::EmptyFlyIcon());
        image->move(20, top);
        image->setToolTip(hint);
        image->setCursor(Qt::PointingHandCursor);
        label = new QLabel(caption, parents);
        label->setGeometry(52, top + 6, 235, 18);
    };
    addParent(74, "Male", "Click to load male fly", MaleImage, MaleLabel);
    addParent(110, "Female", "Click to load female fly", FemaleImage, FemaleLabel);
    connect(MaleImage, &TImage::Clicked, this, &TNewExpDlg::MaleImageClick);
    connect(FemaleImage, &TImage::Clicked, this, &TNewExpDlg::FemaleImageClick);
    auto* instruction = new QLabel("Click on the icons above to load parent flies", parents);
    instruction->setGeometry(12, 150, 275, 18);

    auto* jars = new QGroupBox("Counting jars", this);
    jars->setGeometry(8, 250, 297, 190);
    JarNames = new QListWidget(jars);
    JarNames->setGeometry(12, 22, 273, 136);
    JarNames->setSelectionMode(QAbstractItemView::SingleSelection);
    JarNames->setContextMenuPolicy(Qt::CustomContextMenu);
    JarNamesMenu = new QMenu(this);
    JarNamesMenu->addAction("Add jar...", this, &TNewExpDlg::Addjar1Click);
    JarNamesMenu->addAction("Remove jar", this, &TNewExpDlg::Removejar1Click);
    connect(JarNames, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { JarNamesMenu->popup(JarNames->mapToGlobal(at)); });
    auto* jarHint = new QLabel("Right click above to add or remove jars", jars);
    jarHint->setGeometry(12, 164, 273, 18);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setGeometry(142, 450, 75, 25);
    OKBtn->setDefault(true);
    OKBtn->setEnabled(false);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setGeometry(228, 450, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TNewExpDlg::MaleImageClick() {
    LoadParent(true);
}

void TNewExpDlg::FemaleImageClick() {
    LoadParent(false);
}

void TNewExpDlg::LoadParent(bool male) {
    const QString sex = male ? "male" : "female";
    const QString path =
        dialogs().OpenFileName(this, "Select " + sex + " fly", ProgramFolder() + "/Flies",
                               "Saved flies (*.fly);;All files (*)");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(this, "Error", "Couldn't open file.", QMessageBox::Critical);
    } else if (FirstWord(file) == (male ? "[M]" : "[F]")) {
        (male ? MaleParentFile : FemaleParentFile) = path;
        (male ? MaleImage : FemaleImage)->SetPicture(pictures::FlyIcon());
        (male ? MaleLabel : FemaleLabel)
            ->setText((male ? "Male: " : "Female: ") + QFileInfo(path).fileName());
        if (!(male ? FemaleParentFile : MaleParentFile).isEmpty())
            OKBtn->setEnabled(true);
    } else {
        ShowMessage(this, "Error", "You must select a " + sex + " fly.", QMessageBox::Critical);
    }
    EnterProgramFolder();
}

void TNewExpDlg::NameLabelChange() {
    ExperimentName = NameLabel->text();
}

void TNewExpDlg::Addjar1Click() {
    const std::optional<QString> name = dialogs().Input(
        this, "Add jar", "Enter jar label:", QString("Jar %1").arg(JarNames->count() + 1));
    if (name)
        JarNames->addItem(ShortenJarName(*name));
}

void TNewExpDlg::Removejar1Click() {
    const QList<QListWidgetItem*> selected = JarNames->selectedItems();
    if (!selected.isEmpty())
        delete selected.front();
}

QStringList TNewExpDlg::JarNameList() const {
    QStringList names;
    for (int i = 0; i < JarNames->count(); ++i)
        names << JarNames->item(i)->text();
    return names;
}
