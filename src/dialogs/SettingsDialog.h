// The settings dialog "Velmora.Настройки"; holds no settings of its own, the main window fills and reads it.
#pragma once

#include "settings/ColorText.h"

#include <QDialog>

class AppWindows;

class QCheckBox;
class QRadioButton;
class ColorBox;

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsDialog(AppWindows &windows, QWidget *parent = nullptr);

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

private:
    AppWindows &m_windows;
    QRadioButton *m_sqs; // "SQS"
    QRadioButton *m_sqf; // "SQF"
    ColorBox *m_commentColor;
    QCheckBox *m_commentBold;
    QCheckBox *m_commentItalic;
};
