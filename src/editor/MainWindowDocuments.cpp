// Documents: new, open (dialog, recent files, drop), save, save as, the re-encodings, exit.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "AppError.h"
#include "editor/RecentFiles.h"
#include "common/TextFileWrite.h"
#include "editor/SaveDialog.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "platform/Launcher.h"
#include "script/CommentStyle.h"
#include "text/DocumentCodec.h"
#include "text/EditorText.h"
#include "text/FileText.h"
#include "text/FileFilters.h"
#include "text/SaveFileName.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>

namespace {

const QString kTitleSuffix = QStringLiteral(" - Velmora");
const QString kNewTitle = QStringLiteral("Новый - Velmora");

const QString kOpenFilter = QStringLiteral(
    "Все файлы|*.*|SQS|*.sqs|SQF|*.sqf|Description (.ext)|*.ext|Stringtable (.csv)|*.csv|Mission (.sqm)|*.sqm|"
    "Briefing/Overview (*.html; *.htm)|*.html; *.htm|С++  (*.cpp; *.h; *.c)|*.cpp; *.h; *.c|Текст (*.txt)|*.txt");

QStringList droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

} // namespace

void MainWindow::connectDocumentActions()
{
    connect(ui->N2, &QAction::triggered, this, &MainWindow::newDocument);
    connect(ui->N50, &QAction::triggered, this, &MainWindow::newWindow);
    connect(ui->N3, &QAction::triggered, this, &MainWindow::openWithDialog);
    connect(ui->N6, &QAction::triggered, this, [this] { save(); });
    connect(ui->N7, &QAction::triggered, this, [this] { saveAs(); });
    connect(ui->N9, &QAction::triggered, this, &MainWindow::printSetup);
    connect(ui->N10, &QAction::triggered, this, &MainWindow::print);
    connect(ui->N12, &QAction::triggered, this, &MainWindow::exit);
    connect(ui->WinUTF81, &QAction::triggered, this, &MainWindow::reencodeAnsiAsUtf8);
    connect(ui->UTF8Win1, &QAction::triggered, this, &MainWindow::reencodeUtf8AsAnsi);
    connect(ui->btnNew, &QAction::triggered, this, &MainWindow::newDocument);
    connect(ui->btnOpen, &QAction::triggered, this, &MainWindow::openWithDialog);
    connect(ui->btnSave, &QAction::triggered, this, [this] { save(); });
    connect(ui->SNE, &QAction::triggered, this, &MainWindow::saveAndExit);
    setSpeedItemImage(ui->btnNew, 0);
    setSpeedItemImage(ui->btnOpen, 1);
    setSpeedItemImage(ui->btnSave, 2);
    setSpeedItemImage(ui->SNE, 3);
}

void MainWindow::setDocumentTitle(const QString &title)
{
    Dialogs::setApplicationTitle(title);
    setWindowTitle(title);
}

void MainWindow::nameDocument(const QString &path)
{
    m_document.name(path);
    setDocumentTitle(QFileInfo(path).fileName() + kTitleSuffix);
}

QString MainWindow::editorText() const
{
    return ui->SynEdit1->text();
}

void MainWindow::setEditorText(const QString &text)
{
    ui->SynEdit1->setText(EditorText::normalize(text));
}

// Replaces the whole text as one step the user can undo; the text counts as modified.
void MainWindow::replaceTextUndoably(const QString &text)
{
    ui->SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.toUtf8().constData());
}

// Goes on (true) unless the user cancels, or answers Yes and the text could not be saved.
bool MainWindow::askToSaveChanges()
{
    if (!modified())
        return true;
    switch (Dialogs::question(this, QStringLiteral("Скрипт изменен. Сохранить изменения ?"))) {
    case Dialogs::Answer::Yes:
        return save();
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::applyExtensionRule()
{
    const CommentStyle style = commentStyleOfExtension(fileExtension(m_document.path()));
    if (style != CommentStyle::Unchanged)
        setCommentStyle(style == CommentStyle::Sqs);
}

bool MainWindow::loadFile(const QString &fileName)
{
    QByteArray bytes;
    try {
        bytes = loadFileToString(fileName);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        return false;
    }
    // Straight into the editor as UTF-8: a large file is never held as UTF-16 on the way.
    const QByteArray text = DocumentCodec::decodeToUtf8(bytes);
    bytes.clear();
    ui->SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    ui->SynEdit1->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    nameDocument(fileName);
    ui->SynEdit1->setModified(false);
    return true;
}

void MainWindow::newDocument()
{
    if (!askToSaveChanges())
        return;
    m_document.renew();
    setDocumentTitle(kNewTitle);
    ui->SynEdit1->clear();
    // A new text: the old one is not kept for undo, in memory or on Ctrl+Z.
    ui->SynEdit1->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    ui->SynEdit1->setModified(false);
}

void MainWindow::newWindow()
{
    Launcher::startProgram(QCoreApplication::applicationFilePath(), {}, QString());
}

void MainWindow::openWithDialog()
{
    m_openDialogUsed = true;
    if (!askToSaveChanges())
        return;
    if (!m_openDialog) {
        m_openDialog = new QFileDialog(this);
        m_openDialog->setObjectName(QStringLiteral("OpenDialog1"));
        m_openDialog->setOption(QFileDialog::DontUseNativeDialog, true);
        m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_openDialog->setFileMode(QFileDialog::ExistingFile);
        m_openDialog->setNameFilters(FileFilters::toQtNameFilters(kOpenFilter));
        m_openDialog->setSizeGripEnabled(true);
    }
    const QString path = ModalDialogs::chooseFile(*m_openDialog);
    if (!path.isEmpty())
        openDocument(path, true);
}

// What every open path does once the save question is answered.
void MainWindow::openDocument(const QString &path, bool addToRecent)
{
    if (!loadFile(path))
        return;
    if (addToRecent && m_recentFiles)
        m_recentFiles->addFile(m_document.path());
    applyExtensionRule();
}

void MainWindow::openRecentFile(const QString &fileName)
{
    // The list has already moved the entry to its top.
    if (askToSaveChanges())
        openDocument(fileName, false);
}

void MainWindow::openDroppedFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QString name = files.first();
    raise();
    activateWindow();
    if (askToSaveChanges())
        openDocument(name, true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    openDroppedFiles(files);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editorViewport) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            if (droppedFiles(drop->mimeData()).isEmpty())
                break; // text for the editor
            if (event->type() == QEvent::Drop)
                dropEvent(drop);
            else
                drop->acceptProposedAction();
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::save()
{
    if (m_document.isNew())
        return saveAs();
    if (m_game.isArma())
        return saveInGameEncoding(editorText());
    if (!writeTextFile(this, editorText(), false, false, m_document.path()))
        return false;
    ui->SynEdit1->setModified(false);
    return true;
}

bool MainWindow::saveInGameEncoding(const QString &text)
{
    if (!writeTextFile(this, text, Games::usesUtf8(m_game.game()), false, m_document.path()))
        return false;
    nameDocument(m_document.path());
    ui->SynEdit1->setModified(false);
    return true;
}

bool MainWindow::saveAs()
{
    SaveDialog *dialog = saveDialog();
    const QString current = m_document.path();
    const bool firstUse = !m_openDialogUsed && !dialog->shownBefore();
    m_openDialogUsed = true;
    const QString typed = dialog->choosePath(current.isEmpty() ? QString() : QFileInfo(current).fileName(),
                                             firstUse && !current.isEmpty() ? QFileInfo(current).absolutePath() : QString(),
                                             current.isEmpty() ? 0 : SaveFileName::filterIndexOf(current));
    if (typed.isEmpty())
        return false;
    const QString path = SaveFileName::withForcedExtension(typed, dialog->filterIndex());
    // The dialog asked about the name as typed; the forced extension may name another file.
    if (path != typed && QFileInfo::exists(path) && askToReplaceFile(this, path) != Dialogs::Answer::Yes)
        return false;

    bool utf8 = Games::usesUtf8(m_game.game()); // Auto: as the game saves
    bool bom = false;
    switch (dialog->encoding()) {
    case SaveDialog::Encoding::Ansi:
        utf8 = false;
        break;
    case SaveDialog::Encoding::Utf8:
        utf8 = true;
        bom = dialog->signatureWanted();
        break;
    case SaveDialog::Encoding::Auto:
        break;
    }
    if (!writeTextFile(this, editorText(), utf8, bom, path))
        return false;
    nameDocument(path);
    ui->SynEdit1->setModified(false);
    return true;
}

void MainWindow::reencodeAnsiAsUtf8()
{
    replaceTextUndoably(DocumentCodec::utf8BytesAsAnsi(editorText()));
}

void MainWindow::reencodeUtf8AsAnsi()
{
    const auto text = DocumentCodec::ansiBytesAsUtf8(editorText());
    if (!text) {
        Dialogs::beep();
        return;
    }
    replaceTextUndoably(*text);
}

void MainWindow::exit()
{
    close();
}

void MainWindow::saveAndExit()
{
    // Ends at once, without the closing question or the settings write; an unsaved text keeps it open.
    if (!save())
        return;
    writePlacement();
    emit exitRequested();
}
