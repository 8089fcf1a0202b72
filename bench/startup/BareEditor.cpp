// The reference for start-up: a QApplication with one QsciScintilla window shown, nothing else.
#include <QApplication>
#include <Qsci/qsciscintilla.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QsciScintilla editor;
    editor.show();
    return app.exec();
}
