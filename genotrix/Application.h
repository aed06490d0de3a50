#pragma once

// The laboratory's application object. An error that an event handler lets escape is shown in
// a box and the program goes on, as the window framework's own event dispatch would do.

#include <QApplication>

class TGenotrixApplication : public QApplication {
    Q_OBJECT
public:
    TGenotrixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
