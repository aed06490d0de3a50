#pragma once

// A counting jar of an experiment: its picture, shown name and count in the window's jar area.

#include <QPointer>
#include <QString>

class QLabel;
class TImage;

// Every way of naming a jar keeps at most 10 characters, marking a cut with "...".
QString ShortenJarName(const QString& name);

struct Jar {
    QPointer<TImage> Image;
    QPointer<QLabel> NameText;
    QPointer<QLabel> CountText;
    int Count = 0;

    // CountText takes Count, and the width of its text.
    void ShowCount();
};
