// The window itself: its layout, menus, the preview's controls, full screen, exit and about.

#include "About.h"
#include "EditorFixture.h"
#include "phenotype/MicroscopeView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

QColor PreviewCorner(TForm1& form) {
    return form.Panel->grabFramebuffer().pixelColor(2, 2);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs = {};
        form = OpenEditor(dialogs);
    }
    void cleanup() {
        form.reset();
        SetDialogs(nullptr);
    }

    void layoutIsAsDesigned() {
        QCOMPARE(form->windowTitle(), "Chromosome Editor");
        QCOMPARE(form->centralWidget()->size(), QSize(762, 400));
        QCOMPARE(form->StatusBar->height(), 19);
        QCOMPARE(form->minimumSize(), form->maximumSize()); // a fixed border
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);

        QCOMPARE(form->Image1->geometry(), QRect(0, 0, 513, 400));
        QCOMPARE(form->Image1->pixmap().size(), QSize(513, 400));
        QCOMPARE(form->Panel1->geometry(), QRect(513, 0, 249, 400));
        QCOMPARE(form->Panel->parentWidget(), form->Panel1);
        QCOMPARE(form->Panel->geometry(), QRect(8, 40, 233, 233));
        QCOMPARE(form->Label1->text(), "Zoom:");
        QCOMPARE(form->Label1->pos(), QPoint(24, 312));
        QCOMPARE(form->ZoomBar->pos(), QPoint(16, 328));
        QCOMPARE(form->ZoomBar->width(), 225);
        QCOMPARE(form->ZoomBar->orientation(), Qt::Horizontal);
        QCOMPARE(form->ZoomBar->minimum(), 1);
        QCOMPARE(form->ZoomBar->maximum(), 16);
        QCOMPARE(form->ZoomBar->value(), 8);
        QCOMPARE(form->ZoomBar->tickInterval(), 1);
        QCOMPARE(form->ZoomBar->tickPosition(), QSlider::TicksBelow);
        QCOMPARE(form->MaleBtn->text(), "Male");
        QCOMPARE(form->MaleBtn->geometry(), QRect(56, 360, 57, 17));
        QCOMPARE(form->FemaleBtn->text(), "Female");
        QCOMPARE(form->FemaleBtn->geometry(), QRect(56, 376, 57, 17));
        QCOMPARE(form->StatusHint->width(), 260);

        // Nothing in the window is cut off: the texts fit their controls.
        for (QRadioButton* button : {form->MaleBtn, form->FemaleBtn})
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 20 <=
                    button->width());
        QVERIFY(form->StatusHint->fontMetrics().horizontalAdvance(form->StatusHint->text()) <=
                form->StatusHint->width());
    }

    void menusHoldTheirCommands_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("shortcuts");
        QTest::newRow("File") << "File" << QStringList{"New", "Load...", "Save...", "", "Exit"}
                              << QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "", "Ctrl+Q"};
        QTest::newRow("3D model") << "3D model"
                                  << QStringList{"Show model", "Background color...",
                                                 "Toggle fullscreen"}
                                  << QStringList{"", "", "Ctrl+F"};
    }
    void menusHoldTheirCommands() {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        QFETCH(QStringList, shortcuts);
        const QList<QAction*> bar = form->menuBar()->actions();
        const auto title = std::find_if(bar.begin(), bar.end(),
                                        [&](QAction* action) { return action->text() == menu; });
        QVERIFY(title != bar.end() && (*title)->menu());
        const QList<QAction*> actions = (*title)->menu()->actions();
        QCOMPARE(actions.size(), items.size());
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->text(), items[i]);
            QCOMPARE(actions[i]->isSeparator(), items[i].isEmpty());
            QCOMPARE(actions[i]->shortcut().toString(), shortcuts[i]);
        }
    }

    void aboutIsACommandOfTheMenuBar() {
        const QList<QAction*> bar = form->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[2], form->About1);
        QCOMPARE(bar[2]->text(), "About");
        QVERIFY(!bar[2]->menu());
    }

    void showModelEnablesZoomControls() {
        QVERIFY(form->Preview->isCheckable());
        QVERIFY(form->Preview->isChecked());
        QVERIFY(form->ZoomBar->isEnabled());
        form->Preview->trigger();
        QVERIFY(!form->Preview->isChecked());
        QVERIFY(!form->ZoomBar->isEnabled());
        QVERIFY(!form->Label1->isEnabled());
        form->Preview->trigger();
        QVERIFY(form->Preview->isChecked());
        QVERIFY(form->ZoomBar->isEnabled());
        QVERIFY(form->Label1->isEnabled());
    }

    void fullScreenShowsOnlyThePreview() {
        form->Togglefullscreen1->trigger();
        QVERIFY(form->FullScreen);
        QVERIFY(form->windowState() & Qt::WindowMaximized);
        QVERIFY(!form->MaleBtn->isVisible());
        QVERIFY(!form->FemaleBtn->isVisible());
        QCOMPARE(form->Panel1->geometry(), form->centralWidget()->rect());
        QCOMPARE(form->Panel->geometry(), form->Panel1->contentsRect());
        QCOMPARE(form->ZoomBar->y(), form->centralWidget()->height() + form->StatusBar->height() -
                                         form->ZoomBar->height() - 30);
        QVERIFY(form->ZoomBar->isVisible());

        form->Togglefullscreen1->trigger();
        QVERIFY(!form->FullScreen);
        QVERIFY(!(form->windowState() & Qt::WindowMaximized));
        QTRY_COMPARE(form->centralWidget()->size(), QSize(762, 400));
        QCOMPARE(form->Panel1->geometry(), QRect(513, 0, 249, 400));
        QCOMPARE(form->Panel->geometry(), QRect(8, 40, 233, 233));
        QCOMPARE(form->ZoomBar->pos(), QPoint(16, 328));
        QCOMPARE(form->Label1->pos(), QPoint(24, 312));
        QVERIFY(form->MaleBtn->isVisible());
        QVERIFY(form->FemaleBtn->isVisible());
    }

    void fullScreenNeedsTheModel() {
        form->Preview->trigger(); // hide the model
        form->Togglefullscreen1->trigger();
        QVERIFY(!form->FullScreen);
        QCOMPARE(form->Panel1->geometry(), QRect(513, 0, 249, 400));
        QVERIFY(form->MaleBtn->isVisible());

        // Hiding the model in full screen: the next toggle goes back to normal.
        form->Preview->trigger();
        form->Togglefullscreen1->trigger();
        QVERIFY(form->FullScreen);
        form->Preview->trigger();
        form->Togglefullscreen1->trigger();
        QVERIFY(!form->FullScreen);
        QCOMPARE(form->Panel->geometry(), QRect(8, 40, 233, 233));
    }

    void backgroundColourIsChosenFromSkyBlue() {
        QCOMPARE(PreviewCorner(*form), QColor::fromRgbF(0.4f, 0.4f, 1.0f));
        form->Backgroundcolor1->trigger(); // cancelled
        QCOMPARE(PreviewCorner(*form), QColor::fromRgbF(0.4f, 0.4f, 1.0f));

        dialogs.colour = QColor(20, 120, 40);
        form->Backgroundcolor1->trigger();
        QCOMPARE(PreviewCorner(*form), QColor(20, 120, 40));
        form->Backgroundcolor1->trigger();
        QCOMPARE(dialogs.coloursOffered,
                 (std::vector<QColor>{QColor(166, 202, 240), QColor(166, 202, 240),
                                      QColor(20, 120, 40)}));
    }

    void exitAsksFirst() {
        dialogs.answer = QMessageBox::No;
        form->Exit1->trigger();
        QVERIFY(form->isVisible());
        dialogs.answer = QMessageBox::Yes;
        form->Exit1->trigger();
        QVERIFY(!form->isVisible());
        QCOMPARE(dialogs.boxes.size(), 2u);
        for (const ScriptedDialogs::Box& box : dialogs.boxes) {
            QCOMPARE(box.caption, "Chromosome Editor");
            QCOMPARE(box.text, "Exit Chromosome Editor?");
        }
    }

    void aboutBoxNamesProgramAndVersion() {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            checked = true;
            QCOMPARE(box->windowTitle(), "About");
            QCOMPARE(box->size(), QSize(314, 165));
            QCOMPARE(box->ProductName->text(), "Chromosome Editor");
            QVERIFY(box->Version->text().endsWith("1.0"));
            QVERIFY(!box->ProgramIcon->pixmap().isNull());
            QCOMPARE(box->OKButton->text(), "OK");
            QTest::keyClick(box, Qt::Key_Return);
        });
        form->About1->trigger();
        QVERIFY(checked);
    }

private:
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
