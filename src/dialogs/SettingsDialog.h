// The settings dialog "Velmora.Настройки"; holds no settings of its own: the main window fills
// it from its live state before showing it and takes the values back on OK.
#pragma once

#include "settings/ColorText.h"

#include <QDialog>
#include <QFont>
#include <array>
#include <memory>

namespace Ui {
class SettingsDialog;
}

class AppWindows;
class QLineEdit;

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsDialog(AppWindows &windows, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // "Коментарии как в :" SQS or SQF, with the comment colour and style of that choice.
    struct CommentLook
    {
        bool sqs = true;
        ColorValue color = Colors::clGray;
        bool bold = false;
        bool italic = true;
    };
    CommentLook commentLook() const;
    void setCommentLook(const CommentLook &look);
    bool sqsComments() const;
    void setSqsComments(bool sqs);

    // One row of the highlighter page.
    struct AttributeLook
    {
        ColorValue color = Colors::clBlack;
        bool bold = false;
        bool italic = false;
    };
    // The rows below the comment row, in the order of the settings keys.
    enum Row { Key, Number, String, Preprocessor, Identifier, Underline, Tilda, RowCount };

    // Everything else the dialog shows.
    struct Values
    {
        bool saveBeforeRun = false;
        QString ofpPath;
        QString armaPath;
        int hotKey = 9; // settings-file shortcut code
        QFont font;
        ColorValue bracketFg = Colors::clRed;
        ColorValue bracketBg = Colors::clNone;
        std::array<AttributeLook, RowCount> rows{};
        ColorValue background = Colors::clWindow;
        ColorValue activeLine = Colors::clNone;
        ColorValue selBackground = Colors::clHighlight;
        ColorValue selForeground = Colors::clHighlightText;
        bool tabsToSpaces = false;
    };
    Values values() const;
    void setValues(const Values &values);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RowControls;
    std::array<RowControls, RowCount> rowControls() const;
    void chooseFont();
    void chooseExecutable(QLineEdit *edit);
    void detectGame(bool arma);
    void openFileAssociations();
    void labelClicked(QObject *label);

    std::unique_ptr<Ui::SettingsDialog> ui;
    AppWindows &m_windows;
    QFont m_font; // the font Button1 shows
};
