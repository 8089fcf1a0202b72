// Documents: loading a file into the editor and saving it.
#include "mainwindow/Unit1.h"

#include "AppError.h"
#include "platform/Dialogs.h"
#include "text/Cp1251.h"
#include "text/DocumentCodec.h"
#include "text/FileText.h"

#include <QApplication>
#include <QFileInfo>

namespace {
const QString kTitleSuffix = QStringLiteral(" - Velmora");
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
    SynEdit1->setText(text);
}

bool TForm1::MyFileOpen(const QString &fileName)
{
    const QByteArray bytes = LoadFileToString(fileName);
    setEditorText(DocumentCodec::decode(bytes));
    setDocumentTitle(QFileInfo(fileName).fileName() + kTitleSuffix);
    SynEdit1->setModified(false);
    return true;
}

void TForm1::N6Click()
{
    try {
        if (windowTitle() == QLatin1String("Новый - Velmora"))
            return; // Save As arrives with the save dialog
        SaveTextToFile(Cp1251::encode(editorText()), CurrentFileName);
        SynEdit1->setModified(false);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}
