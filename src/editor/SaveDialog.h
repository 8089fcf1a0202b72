// The save dialog: Qt's file dialog with an encoding strip below its controls, "Авто", "ANSI",
// "UTF-8" and the UTF-8 byte-order mark.
#pragma once

#include <QFileDialog>
#include <QStringList>

class QCheckBox;
class QRadioButton;

class SaveDialog : public QFileDialog
{
    Q_OBJECT
public:
    enum class Encoding { Auto = 0, Ansi = 1, Utf8 = 2 };

    explicit SaveDialog(QWidget *owner);

    // Description and mask pairs separated by '|'.
    void setFilter(const QString &filter);

    int filterIndex = 1; // 1-based; read back from the dialog after execute()
    QString initialDir;  // empty: the folder the dialog was left in
    QString fileName;    // proposed name before execute(), the chosen path after
    bool used = false;   // shown before: it then opens where it was left

    // True when the user confirmed a file name; fileName and filterIndex then hold the choice.
    bool execute();

    Encoding encoding() const;
    // True when the mark is to be written: the box enabled (UTF-8 chosen) and checked.
    bool signatureWanted() const;

private:
    // The mark makes sense only for UTF-8; the box keeps its check mark while disabled.
    void updateSignatureBox();

    QRadioButton *m_auto;
    QRadioButton *m_ansi;
    QRadioButton *m_utf8;
    QCheckBox *m_signature;
};
