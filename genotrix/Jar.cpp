#include "Jar.h"

#include <QLabel>

QString ShortenJarName(const QString& name) {
    constexpr int longest = 10;
    return name.size() > longest ? name.left(longest) + "..." : name;
}

void Jar::ShowCount() {
    CountText->setText(QString::number(Count));
    CountText->adjustSize();
}
