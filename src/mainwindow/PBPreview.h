// File dialogs with an encoding strip below the standard controls: "Авто", "ANSI", "UTF-8"
// and the UTF-8 byte-order mark.
#pragma once

#include <QFileDialog>
#include <QStringList>

class QCheckBox;
class QFrame;
class QLabel;
class QRadioButton;

// "SQS|*.sqs|Все файлы|*.*" (description and mask pairs) as Qt name filters. "*.*" means every
// file, as it does on Windows; masks go inside the parentheses, separated by blanks.
QStringList qtNameFilters(const QString &filter);

class TPBOpenPreviewDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit TPBOpenPreviewDialog(QWidget *owner);

    // Description and mask pairs separated by '|'.
    void setFilter(const QString &filter);
    QString filter() const { return m_filter; }

    int FilterIndex = 1; // 1-based; read back from the dialog after Execute
    QString InitialDir;  // empty: the folder the dialog was left in
    QString FileName;    // proposed name before Execute, the chosen path after
    int Tag = 0;

    // True when the user confirmed a file name; FileName and FilterIndex then hold the choice.
    virtual bool Execute();

    // 0 Авто, 1 ANSI, 2 UTF-8.
    int GetEncoding() const;
    // The mark makes sense only for UTF-8; the box keeps its check mark while disabled.
    void EncodingClick();
    // True when the mark is to be written: the box enabled and checked.
    bool signatureWanted() const;

    QFrame *CaptionPanel;
    QLabel *KodingLabel;    // "Кодировка:"
    QRadioButton *AUTORADIO; // "Авто"
    QRadioButton *ANSIRADIO; // "ANSI"
    QRadioButton *UTFRRADIO; // "UTF-8"
    QCheckBox *SignatureBox; // "Вставить сигнатуру"

protected:
    bool run(AcceptMode mode);

private:
    QString m_filter;
};

class TPBSavePreviewDialog : public TPBOpenPreviewDialog
{
    Q_OBJECT
public:
    using TPBOpenPreviewDialog::TPBOpenPreviewDialog;
    bool Execute() override;
};
