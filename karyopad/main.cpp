#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Cromosome Editor");
    TForm1 form(QApplication::applicationDirPath(), QApplication::arguments());
    form.show();
    return application.exec();
}
