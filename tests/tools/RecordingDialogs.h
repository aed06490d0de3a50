#pragma once

// Answers every message box at once and remembers what was shown.

#include "ui/Dialogs.h"

#include <QStringList>

class RecordingDialogs : public Dialogs {
public:
    RecordingDialogs() { SetDialogs(this); }
    ~RecordingDialogs() override { SetDialogs(nullptr); }

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString& caption,
                                        const QString& text,
                                        QMessageBox::StandardButtons) override {
        messages.append(caption + QStringLiteral(": ") + text);
        return QMessageBox::Ok;
    }

    QStringList messages; // "caption: text", in order
};
