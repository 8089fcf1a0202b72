// The game mode: which half of data.dat the editor works with.
#include "mainwindow/Unit1.h"

#include "AppError.h"
#include "AppPaths.h"
#include "gamedata/GameDataFile.h"
#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/TSynCompletionProposal.h"
#include "platform/Dialogs.h"

#include <QFileInfo>

namespace {

QString dataFilePath()
{
    return AppPaths::dataFile(QStringLiteral("data.dat"));
}

void reportMissing(QWidget *parent, const QString &path)
{
    Dialogs::error(parent, QStringLiteral("Файл \"%1\" не найден. Операция прервана.").arg(path),
                   QStringLiteral("Ошибка"));
}

// The file's lines; empty, after one message, when the file is missing.
QStringList readDataFile(QWidget *parent)
{
    const QString path = dataFilePath();
    if (!QFileInfo::exists(path)) {
        reportMissing(parent, path);
        return {};
    }
    return GameDataFile::loadLines(path);
}

} // namespace

void TForm1::ReadSection(const QString &section, QString &text)
{
    text = GameDataFile::readSection(readDataFile(this), section);
}

void TForm1::ReadWeapons(const QString &section, QString &text)
{
    text = GameDataFile::readSection(readDataFile(this), section, true);
}

void TForm1::OFP1Click()
{
    SetGameMode(false);
}

void TForm1::ArmA1Click()
{
    SetGameMode(true);
}

void SetGameMode(bool arma)
{
    TForm1 &f = *Form1;
    // Everything is read before anything changes, so a file that cannot be read leaves the
    // previous game in force.
    GameData data;
    try {
        data = GameData::fromLines(readDataFile(&f), arma ? QStringLiteral("ARMA") : QStringLiteral("OFP"));
    } catch (const AppError &error) {
        Dialogs::showError(&f, error);
        const bool wasArma = f.StatusBar1->panelText(TStatusBar::kGameModePanel) == QLatin1String("ArmA");
        f.OFP1->setChecked(!wasArma);
        f.ArmA1->setChecked(wasArma);
        return;
    }

    f.N53->setText(arma ? QStringLiteral("Запустить/Развернуть ArmA   ") : QStringLiteral("Запустить/Развернуть OFP   "));
    f.setSpeedItemImage(f.RunBTN, arma ? 16 : 15);
    f.StatusBar1->setPanelText(TStatusBar::kGameModePanel, arma ? QStringLiteral("ArmA") : QStringLiteral("OFP"));
    f.OFP1->setChecked(!arma);
    f.ArmA1->setChecked(arma);

    f.SynCompletionProposal1->InsertList = GameDataFile::entries(data.commands);
    f.SQSHighlighter->SetKeyWords(data.commands);
    f.SynCompletionProposal1->ItemList = GameDataFile::entries(data.commandItems);
    WeaponList = data.weapons;
    AnimationList = data.animations;
    MagazineList = data.magazines;

    // Off and on again: the editor restyles every line with the new keywords.
    f.SQSHighlighter->setEnabled(false);
    f.SQSHighlighter->setEnabled(true);

    LastPRIndex = LastSWIndex = LastHGIndex = 0;
}
