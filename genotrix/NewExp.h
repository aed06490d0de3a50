#pragma once

// "Create new experiment": the experiment's name, its two parent fly files, the parental
// generation's name and the names of its counting jars.

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class TImage;

class TNewExpDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNewExpDlg(QWidget* parent = nullptr);

    QLineEdit* NameLabel;
    QLineEdit* ParentGenName;
    TImage* MaleImage;
    TImage* FemaleImage;
    QLabel* MaleLabel;
    QLabel* FemaleLabel;
    QListWidget* JarNames;
    QMenu* JarNamesMenu;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    QString ExperimentName;
    QString MaleParentFile;
    QString FemaleParentFile;

    void MaleImageClick();
    void FemaleImageClick();
    void NameLabelChange();
    void Addjar1Click();
    void Removejar1Click();
    // The jar names, in order.
    QStringList JarNameList() const;

private:
    // Lets the user pick a fly file for one parent and takes it when it starts with the sex
    // marker of that parent.
    void LoadParent(bool male);
};
