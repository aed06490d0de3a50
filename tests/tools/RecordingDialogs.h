#pragma once

// Answers every message box at once and remembers what was shown; answers the print and save
// dialogs as told.

#include "ui/Dialogs.h"

#include <QPrinter>
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

    // The print dialog prints into the PDF file printFile; it is cancelled when that is empty.
    bool Print(QWidget*, QPrinter* printer) override {
        ++printDialogs;
        if (printFile.isEmpty())
            return false;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printFile);
        return true;
    }

    // The save dialog answers saveFile; empty is Cancel.
    QString SaveFileName(QWidget*, const QString& caption, const QString& proposed,
                         const QString& filter) override {
        saveDialogs.append(caption + QStringLiteral(" | ") + proposed + QStringLiteral(" | ") +
                           filter);
        return saveFile;
    }

    QStringList messages; // "caption: text", in order
    QString printFile;
    int printDialogs = 0;
    QString saveFile;
    QStringList saveDialogs; // "caption | proposed file | filter", in order
};
