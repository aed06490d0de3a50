#include "EditorFixture.h"

#include "phenotype/MicroscopeView.h"

#include <QFile>
#include <QLabel>
#include <QTest>

QMessageBox::StandardButton ScriptedDialogs::Message(QWidget*, QMessageBox::Icon,
                                                     const QString& caption, const QString& text,
                                                     QMessageBox::StandardButtons buttons) {
    boxes.push_back({caption, text});
    return buttons.testFlag(answer) ? answer : QMessageBox::Ok;
}

QString ScriptedDialogs::OpenFileName(QWidget*, const QString& caption, const QString& folder,
                                      const QString& filter) {
    fileRequests.push_back({caption, folder, filter});
    return fileName;
}

QString ScriptedDialogs::SaveFileName(QWidget*, const QString& caption, const QString& folder,
                                      const QString& filter) {
    fileRequests.push_back({caption, folder, filter});
    return fileName;
}

std::optional<QColor> ScriptedDialogs::Colour(QWidget*, const QColor& initial) {
    coloursOffered.push_back(initial);
    return colour;
}

QString ProgramFolder() {
    return KARYOPAD_PROGRAM_FOLDER;
}

std::unique_ptr<TForm1> OpenEditor(ScriptedDialogs& dialogs, const QStringList& arguments,
                                   const QString& programFolder) {
    SetDialogs(&dialogs);
    auto form = std::make_unique<TForm1>(programFolder, arguments);
    form->show();
    // PanelInit, queued behind the preview's set-up, shows the first fly and then opens the
    // command line's file.
    if (!QTest::qWaitForWindowExposed(form.get()) ||
        !QTest::qWaitFor([&] { return form->Panel->HasModel(); }))
        qFatal("The editor's preview did not get ready.");
    return form;
}

QStringList LabelTexts(const TForm1& form) {
    QStringList texts;
    for (const QLabel* label : form.AlleleLabels)
        texts << label->text();
    return texts;
}

QString WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("Could not write %s", qPrintable(path));
    return path;
}

const QByteArray WildFemaleFile = "[F]\n"
                                  "w+ w+\nrb+ rb+\ncv+ cv+\nt+ t+\nf+ f+\nB+ B+\n- -\n"
                                  "al+ al+\nCy+ Cy+\nb+ b+\npr+ pr+\nvg+ vg+\nL+ L+\nc+ c+\n"
                                  "jv+ jv+\nse+ se+\nth+ th+\ncu+ cu+\nsr+ sr+\n- -\n- -\n"
                                  "ci+ ci+\nsv+ sv+\n- -\n- -\n- -\n- -\n- -\n";

const QByteArray WhiteVestigialMaleFile = "[M]\n"
                                          "w -\nrb+ -\ncv+ -\nt+ -\nf+ -\nB+ -\n- -\n"
                                          "al+ al+\nCy+ Cy+\nb+ b+\npr+ pr+\nvg vg\nL+ L+\nc+ c+\n"
                                          "jv+ jv+\nse+ se+\nth+ th+\ncu+ cu+\nsr+ sr+\n- -\n- -\n"
                                          "ci+ ci+\nsv+ sv+\n- -\n- -\n- -\n- -\n- -\n";
