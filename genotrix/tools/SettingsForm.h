#pragma once

// The settings window: shows and edits the settings object on two pages, "General" and the
// password-guarded "Teacher settings". Created once at start-up, when it reads the settings;
// shown without waiting and hidden again by "OK" and "Cancel". Only "OK" takes the controls over.

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    // Reads the settings (LoadSettings) and shows them.
    explicit TSettingsForm(QWidget* parent = nullptr);

    static constexpr int GeneralPageIndex = 0;
    static constexpr int TeacherPageIndex = 1;

    QTabWidget* PageControl1;
    QWidget* GeneralPage;
    QWidget* TeacherPage;
    // What the teacher page shows once the password was given; hidden until then.
    QWidget* TeacherControls;
    QFrame* Shape1; // the background colour swatch
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox12;
    QCheckBox* CheckBox4;
    QLineEdit* ResEdit;
    QLineEdit* MinDistEdit;
    QCheckBox* CheckBox5;
    QPushButton* Button3;
    QLabel* Label2;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox10;
    QCheckBox* CheckBox11;
    QPushButton* Button1; // "OK"
    QPushButton* Button2; // "Cancel"

    // The colour reference the swatch shows; taken over as MicroscopeColor on "OK".
    std::int32_t SwatchColor() const { return swatchColor; }

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Shape1MouseDown();

signals:
    // "OK" took the controls over; the active experiment's microscope redraws itself.
    void SettingsTakenOver();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the fields of the settings object in the controls.
    void ShowSettings();
    void SetSwatchColor(std::int32_t colorRef);
    // Leaving "General" asks for the teacher password every time; a refused password keeps
    // "General".
    void PageControl1Changing(int index);

    std::int32_t swatchColor = 0;
};
