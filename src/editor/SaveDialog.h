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

    // Shows the dialog proposing `name` in `folder` (empty: the folder it was left in) under the
    // 1-based filter `filterIndex` (0: the filter chosen last). The chosen path; empty when cancelled.
    QString choosePath(const QString &name, const QString &folder, int filterIndex);
    // The 1-based filter of the last choice.
    int filterIndex() const { return m_filterIndex; }
    // Shown before: it then opens where it was left.
    bool shownBefore() const { return m_shown; }

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
    int m_filterIndex = 1;
    bool m_shown = false;
};
