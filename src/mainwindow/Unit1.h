// The main window: editor, menus, speed bar, status bar; the program's globals of this unit.
#pragma once

#include "mainwindow/EditorLook.h"
#include "settings/ColorText.h"
#include "ui_Unit1.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class FormPlacement;
class IniFile;
class QDragMoveEvent;
class QFileDialog;
class QPagedPaintDevice;
class QPrinter;
class TPBSavePreviewDialog;
class TSynCompletionProposal;
class TSynSQSHighlighter;

class TForm1 : public QMainWindow, public Ui::TForm1
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Runs once after construction, before any other window exists.
    void FormCreate(const QStringList &arguments);

    TSynSQSHighlighter *SQSHighlighter = nullptr;
    TSynCompletionProposal *SynCompletionProposal1 = nullptr;
    std::unique_ptr<FormPlacement> FRMP;
    EditorLook Look; // colours and font of SynEdit1 as the settings file holds them

    // Settings (config.ini)
    void ReadSettings(IniFile &ini);
    void WriteSettings(IniFile &ini);
    void SetTabsToSpaces(bool on);
    void ReadCommentKeys(const IniFile &ini, bool sqs);
    // "SQScomments" as read at start-up; the settings dialog's radio buttons start from it, so a
    // run that never touches the comment style writes back what it read.
    bool SQScommentsRead = true;

    // Comment styles
    void InitHigOptions();
    // fromFile: the style follows an opened file, carrying the comment look of the style in force.
    void SetComment(bool sqs, bool fromFile = true);

    // Game data
    void ReadSection(const QString &section, QString &text);
    void ReadWeapons(const QString &section, QString &text);

    // View options
    void N4Click();
    void N52Click();
    void N54Click();
    void N36Click();
    void N77Click();
    void N65Click();
    void N66Click();
    void N84Click();
    void N85Click();
    void OFP1Click();
    void ArmA1Click();

    void AClick();

    // Speed-bar items show the image of their index in the program's image list.
    void setSpeedItemImage(QAction *item, int imageIndex);

    bool modified() const;

    // Documents
    TPBSavePreviewDialog *SavePreviewDialog = nullptr;
    QFileDialog *OpenDialog1 = nullptr; // made on first use
    bool OpenDialog1Used = false;       // with the save dialog's Tag: where Save As starts

    void N2Click();
    void N50Click();
    void N3Click();
    void MyMRUClick(QAction *sender, const QString &fileName);
    void WMDropFiles(const QStringList &files);
    // True when the file was read; only then do the text, caption and CurrentFileName change.
    bool MyFileOpen(const QString &fileName);
    // True when the text was written; a failed or cancelled save leaves it modified.
    bool N6Click();
    bool N7Click();
    bool AISave(const QString &text);
    void WinUTF81Click();
    void UTF8Win1Click();
    void N9Click();
    void N10Click();
    void N12Click();
    void SNEClick();
    void btnNewClick();
    void btnOpenClick();
    void btnSaveClick();
    // The editor's lines as lines of text on the pages of a printer or a PDF file.
    void PrintText(QPagedPaintDevice &device);

    QString editorText() const;
    void setEditorText(const QString &text);
    void setDocumentTitle(const QString &title);

    // How Save and exit ends the program: at once, without the closing question. Tests replace it.
    static std::function<void()> TerminateApplication;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool FormCloseQuery();
    void FormDestroy();
    void createRecentFiles();
    void createSaveDialog();
    void FillTemplateMenu();
    void OpenCommandLineFile(const QString &path, IniFile &ini);
    void connectActions();
    void removeCollidingEditorKeys();
    void setSpeedBarSize(int button, int bar);
    void connectDocumentActions();
    bool askToSaveChanges();
    void applyExtensionRule();
    void openDocument(const QString &path, bool addToRecent);
    bool writeDocument(const QString &text, bool utf8, bool bom, const QString &path);
    void replaceTextUndoably(const QString &text);
    QPrinter &printer();

    std::unique_ptr<QPrinter> m_printer;

};

extern TForm1 *Form1;

// Program-wide values of this unit.
extern QString CurrentFileName;
extern bool SQSCommentMode;
extern int LastPRIndex, LastSWIndex, LastHGIndex;
extern QStringList WeaponList, MagazineList, AnimationList;
extern QString OFPExePath, ArmAExePath;
extern bool SaveBeforeRunFlag;
extern TColor BracketFgColor, BracketBgColor;

void SetGameMode(bool arma);
bool GetTabsToSpaces();
