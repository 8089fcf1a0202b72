// The order of creation of the windows, and their release at exit.
#include "mainwindow/AppStart.h"

#include "gamedata/Unit11.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/Unit16.h"
#include "mainwindow/Unit4.h"
#include "mainwindow/Unit5.h"
#include "mainwindow/Unit6.h"
#include "mainwindow/Unit7.h"
#include "wizards/Unit10.h"
#include "wizards/Unit12.h"
#include "wizards/Unit13.h"
#include "wizards/Unit14.h"
#include "wizards/Unit17.h"
#include "wizards/Unit18.h"
#include "wizards/Unit8.h"
#include "wizards/Unit9.h"

#include <QApplication>
#include <QRadioButton>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

template <typename T>
void destroy(T *&window)
{
    delete window;
    window = nullptr;
}

} // namespace

namespace AppStart {

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

Windows::Windows(const QStringList &arguments)
{
    Form1 = new TForm1;
    Form1->FormCreate(arguments);
    Form4 = new TForm4;
    Form5 = new TForm5;
    aboutBox = new TaboutBox;
    Form7 = new TForm7;
    (Form1->SQScommentsRead ? Form7->SQSC : Form7->SQFC)->setChecked(true);
    Form8 = new TForm8;
    Form9 = new TForm9;
    Form10 = new TForm10;
    Form11 = new TForm11;
    Form12 = new TForm12;
    Form13 = new TForm13;
    Form14 = new TForm14;
    Form16 = new TForm16;
    Form17 = new TForm17;
    Form18 = new TForm18;
}

Windows::~Windows()
{
    destroy(Form18);
    destroy(Form17);
    destroy(Form16);
    destroy(Form14);
    destroy(Form13);
    destroy(Form12);
    destroy(Form11);
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(aboutBox);
    destroy(Form5);
    destroy(Form4);
    destroy(Form1);
}

TForm1 *Windows::mainWindow() const
{
    return Form1;
}

} // namespace AppStart
