// The overview.html wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "gamedata/Game.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardWindow.h"

#include <memory>

namespace Ui {
class OverviewWizard;
}

class QFileDialog;
struct OverviewForm;

class OverviewWizard : public WizardWindow
{
    Q_OBJECT
public:
    explicit OverviewWizard(const CurrentGame &game, QWidget *parent = nullptr);
    ~OverviewWizard() override;

private:
    void browsePicture();
    // Runs on every change of the picture name: drops a pair of quotes, then checks the
    // extension and reads the sides of an existing picture.
    void checkPicture();
    void readPictureSize(const QString &path);
    QString picturePath(const QString &name) const;
    // A quote would end the src attribute early: such a name is refused with an error.
    bool refuseQuotedName();

    OverviewForm form() const;
    void insertIntoEditor();
    void saveToFile();

    const CurrentGame &m_game;
    std::unique_ptr<Ui::OverviewWizard> ui;
    QString m_pictureFolder; // where the last picture was chosen; typed names are looked for there
    QFileDialog *m_pictureDialog = nullptr; // made on first use
    WizardSaveDialog m_saveDialog; // SAVD
};
