// Documents: new, open (dialog, recent files, drop), save, save as, the re-encodings, exit.
#include "mainwindow/Unit1.h"

#include "AppError.h"
#include "mainwindow/MruUnit.h"
#include "mainwindow/PBPreview.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "platform/Shell.h"
#include "script/CommentStyle.h"
#include "text/DocumentCodec.h"
#include "text/EditorText.h"
#include "text/FileText.h"
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

// The replaced characters for the message, each one once, apart.
QString listed(const QString &characters)
{
    QStringList out;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const qsizetype len = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        out.append(characters.mid(i, len));
        i += len - 1;
    }
    return out.join(u' ');
}

} // namespace

std::function<void()> TForm1::TerminateApplication = [] { QCoreApplication::exit(0); };

void TForm1::connectDocumentActions()
{
    connect(N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(N50, &QAction::triggered, this, &TForm1::N50Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(N6, &QAction::triggered, this, [this] { N6Click(); });
    connect(N7, &QAction::triggered, this, [this] { N7Click(); });
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(N10, &QAction::triggered, this, &TForm1::N10Click);
    connect(N12, &QAction::triggered, this, &TForm1::N12Click);
    connect(WinUTF81, &QAction::triggered, this, &TForm1::WinUTF81Click);
    connect(UTF8Win1, &QAction::triggered, this, &TForm1::UTF8Win1Click);
    connect(btnNew, &QAction::triggered, this, &TForm1::btnNewClick);
    connect(btnOpen, &QAction::triggered, this, &TForm1::btnOpenClick);
    connect(btnSave, &QAction::triggered, this, &TForm1::btnSaveClick);
    connect(SNE, &QAction::triggered, this, &TForm1::SNEClick);
    setSpeedItemImage(btnNew, 0);
    setSpeedItemImage(btnOpen, 1);
    setSpeedItemImage(btnSave, 2);
    setSpeedItemImage(SNE, 3);
}

void TForm1::setDocumentTitle(const QString &title)
{
    setWindowTitle(title);
    QApplication::setApplicationDisplayName(title);
}

QString TForm1::editorText() const
{
    return SynEdit1->text();
}

void TForm1::setEditorText(const QString &text)
{
    SynEdit1->setText(EditorText::normalize(text));
}

// Replaces the whole text as one step the user can undo; the text counts as modified.
void TForm1::replaceTextUndoably(const QString &text)
{
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.toUtf8().constData());
}

// Goes on (true) unless the user cancels, or answers Yes and the text could not be saved.
bool TForm1::askToSaveChanges()
{
    if (!modified())
        return true;
    switch (Dialogs::question(this, QStringLiteral("Скрипт изменен. Сохранить изменения ?"))) {
    case Dialogs::Answer::Yes:
        return N6Click();
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void TForm1::applyExtensionRule()
{
    const CommentStyle style = commentStyleOfExtension(fileExtension(CurrentFileName));
    if (style != CommentStyle::Unchanged)
        SetComment(style == CommentStyle::Sqs);
}

bool TForm1::MyFileOpen(const QString &fileName)
{
    QByteArray bytes;
    try {
        bytes = LoadFileToString(fileName);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        return false;
    }
    CurrentFileName = fileName;
    setEditorText(DocumentCodec::decode(bytes));
    setDocumentTitle(QFileInfo(fileName).fileName() + kTitleSuffix);
    SynEdit1->setModified(false);
    return true;
}

void TForm1::N2Click()
{
    if (!askToSaveChanges())
        return;
    setDocumentTitle(kNewTitle);
    SynEdit1->clear();
    SynEdit1->setModified(false);
}

void TForm1::N50Click()
{
    Shell::startDetached(QCoreApplication::applicationFilePath());
}

void TForm1::N3Click()
{
    OpenDialog1Used = true;
    if (!askToSaveChanges())
        return;
    if (!OpenDialog1) {
        OpenDialog1 = new QFileDialog(this);
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setOption(QFileDialog::DontUseNativeDialog, true);
        OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        OpenDialog1->setNameFilters(qtNameFilters(kOpenFilter));
        OpenDialog1->setSizeGripEnabled(true);
    }
    const QString path = ModalDialogs::chooseFile(*OpenDialog1);
    if (!path.isEmpty())
        openDocument(path, true);
}

// What every open path does once the save question is answered.
void TForm1::openDocument(const QString &path, bool addToRecent)
{
    if (!MyFileOpen(path))
        return;
    if (addToRecent && MRU)
        MRU->AddFile(CurrentFileName);
    applyExtensionRule();
}

void TForm1::MyMRUClick(QAction *, const QString &fileName)
{
    // The list has already moved the entry to its top.
    if (askToSaveChanges())
        openDocument(fileName, false);
}

void TForm1::WMDropFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QString name = files.first();
    raise();
    activateWindow();
    if (askToSaveChanges())
        openDocument(name, true);
}

void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dragMoveEvent(QDragMoveEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    WMDropFiles(files);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SynEdit1->viewport()) {
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

bool TForm1::writeDocument(const QString &text, bool utf8, bool bom, const QString &path)
{
    QString replaced;
    const QByteArray bytes = DocumentCodec::encode(
        text, utf8 ? DocumentCodec::Encoding::Utf8 : DocumentCodec::Encoding::Ansi, bom, &replaced);
    try {
        SaveTextToFile(bytes, path);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        return false;
    }
    if (!replaced.isEmpty())
        Dialogs::warning(this, QStringLiteral("В кодировке Windows-1251 нет символов %1. "
                                              "В файл \"%2\" они записаны как \"?\".")
                                   .arg(listed(replaced), path));
    return true;
}

bool TForm1::N6Click()
{
    if (windowTitle() == kNewTitle)
        return N7Click();
    if (ArmA1->isChecked())
        return AISave(editorText());
    if (!writeDocument(editorText(), false, false, CurrentFileName))
        return false;
    SynEdit1->setModified(false);
    return true;
}

bool TForm1::AISave(const QString &text)
{
    if (!writeDocument(text, !OFP1->isChecked(), false, CurrentFileName))
        return false;
    setDocumentTitle(QFileInfo(CurrentFileName).fileName() + kTitleSuffix);
    SynEdit1->setModified(false);
    return true;
}

bool TForm1::N7Click()
{
    TPBSavePreviewDialog *dialog = SavePreviewDialog;
    if (!dialog)
        return false;
    const bool firstUse = !OpenDialog1Used && dialog->Tag == 0;
    dialog->InitialDir = firstUse && !CurrentFileName.isEmpty() ? QFileInfo(CurrentFileName).absolutePath() : QString();
    if (!CurrentFileName.isEmpty()) {
        if (const int index = SaveFileName::filterIndexOf(CurrentFileName))
            dialog->FilterIndex = index;
    }
    dialog->FileName = CurrentFileName.isEmpty() ? QString() : QFileInfo(CurrentFileName).fileName();
    OpenDialog1Used = true;
    dialog->Tag = 1;
    if (!dialog->Execute())
        return false;

    const QString typed = dialog->FileName;
    const QString path = SaveFileName::withForcedExtension(typed, dialog->FilterIndex);
    // The dialog asked about the name as typed; the forced extension may name another file.
    if (path != typed && QFileInfo::exists(path)
        && Dialogs::question(this, QStringLiteral("Файл \"%1\" уже существует.\nЗаменить его?").arg(path))
               != Dialogs::Answer::Yes)
        return false;

    bool utf8 = !OFP1->isChecked(); // Auto: as the game mode saves
    bool bom = false;
    switch (dialog->GetEncoding()) {
    case 1:
        utf8 = false;
        break;
    case 2:
        utf8 = true;
        bom = dialog->signatureWanted();
        break;
    default:
        break;
    }
    if (!writeDocument(editorText(), utf8, bom, path))
        return false;
    CurrentFileName = path;
    setDocumentTitle(QFileInfo(path).fileName() + kTitleSuffix);
    SynEdit1->setModified(false);
    return true;
}

void TForm1::WinUTF81Click()
{
    replaceTextUndoably(DocumentCodec::utf8BytesAsAnsi(editorText()));
}

void TForm1::UTF8Win1Click()
{
    const auto text = DocumentCodec::ansiBytesAsUtf8(editorText());
    if (!text) {
        Dialogs::beep();
        return;
    }
    replaceTextUndoably(*text);
}

void TForm1::N12Click()
{
    close();
}

void TForm1::SNEClick()
{
    // Ends at once, without the closing question or the settings write; an unsaved text keeps it open.
    if (N6Click())
        TerminateApplication();
}

void TForm1::btnNewClick()
{
    N2Click();
}

void TForm1::btnOpenClick()
{
    N3Click();
}

void TForm1::btnSaveClick()
{
    N6Click();
}
