#include "tools/Welcome.h"

#include <QLabel>
#include <QPushButton>

namespace {
QLabel* WrappedLabel(const QString& text, QWidget* parent, int left, int top, int width) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(left, top, width, label->heightForWidth(width));
    return label;
}
} // namespace

TWelcomeForm::TWelcomeForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Welcome"));
    // A title bar without any buttons: the window is left through "OK".
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(429, 316);
    // The texts are laid out for the program's 11-pixel font.
    QFont textFont = font();
    textFont.setPixelSize(11);
    setFont(textFont);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("Welcome to Genotrix!"), this);
    QFont titleFont = Label1->font();
    titleFont.setPixelSize(32);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->move(8, 8);
    Label1->adjustSize();

    Label2 = WrappedLabel(
        QStringLiteral("If this is the first time you're running Genotrix, you should read through "
                       "the documentation, which can be accessed by pressing F1."),
        this, 16, 64, 385);
    Label4 = WrappedLabel(
        QStringLiteral("To get a feeling on how to use the program, you can run through the "
                       "tutorials that are listed in the help menu.These will guide you through "
                       "two sample experiments, showing many of the features of Genotrix."),
        this, 16, 112, 393);
    Label3 = WrappedLabel(
        QStringLiteral("If you wonder what this is all about, you may want to check out the "
                       "section about genetics on the Genotrix website. This page also contains "
                       "many useful links. There is a link to the website on the Help menu."),
        this, 16, 176, 384);
    Label5 = WrappedLabel(
        QStringLiteral("If you like Genotrix and find it useful, please help keeping it alive by "
                       "donating some money! Go to the website and click on Donate."),
        this, 16, 232, 380);
    QPalette red = Label5->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label5->setPalette(red);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(176, 272, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TWelcomeForm::Button1Click);
}

void TWelcomeForm::Button1Click() {
    accept();
}
