// The Find dialog: modeless, keeps its text and options between showings, Down at first.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class FindDialog;
}

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);
    ~FindDialog() override;

    QString text() const;
    void setText(const QString &text);
    bool matchCase() const;
    bool wholeWord() const;
    bool forward() const;

    // Shows the dialog without blocking its owner, the text ready to be typed over.
    void showForSearch();

signals:
    void findNext();

private:
    std::unique_ptr<Ui::FindDialog> ui;
};
