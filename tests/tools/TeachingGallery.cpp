// Draws each teaching window into a PNG file, for looking at them:
//   teaching_gallery OUTPUT_FOLDER PROGRAM_FOLDER

#include "tools/Chisquare.h"
#include "tools/ChrMapForm.h"
#include "tools/StartupTips.h"
#include "tools/Welcome.h"
#include "tools/about.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

namespace {
void Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    window.grab().save(folder.filePath(name + ".png"));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 1;
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString programFolder = QString::fromLocal8Bit(argv[2]);

    TChiSquareForm chiSquare;
    const char* counts[][2] = {{"752", "750"}, {"248", "250"}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            chiSquare.FreqTable->item(row, column)->setText(counts[row][column]);
    chiSquare.Button1Click();
    Save(chiSquare, output, "chisquare");

    TChrMap map;
    Save(map, output, "chrmap-start");
    for (QLabel* label : map.LocusLabels)
        if (label->text() == "ci")
            map.Label6Click(label);
    map.Label6MouseMove(map.LocusLabels[10]);
    Save(map, output, "chrmap-clicked");

    TTipForm tips(true, nullptr, programFolder);
    Save(tips, output, "tips");

    TWelcomeForm welcome;
    Save(welcome, output, "welcome");

    TAboutBox about;
    Save(about, output, "about");
    DrawFly().scaled(240, 264).save(output.filePath("fly-x3.png"));
    return 0;
}
