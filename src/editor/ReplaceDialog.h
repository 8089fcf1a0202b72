// The Replace dialog: modeless, keeps its texts and options between showings, always searches down.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class ReplaceDialog;
}

class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget *parent = nullptr);
    ~ReplaceDialog() override;

    QString text() const;
    void setText(const QString &text);
    QString replacement() const;
    bool matchCase() const;
    bool wholeWord() const;

    // Shows the dialog without blocking its owner, the search text ready to be typed over.
    void showForSearch();

signals:
    void findNext();
    void replace();
    void replaceAll();

private:
    std::unique_ptr<Ui::ReplaceDialog> ui;
};
