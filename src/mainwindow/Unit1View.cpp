// The "Опции" menu: what the window and the editor show.
#include "mainwindow/Unit1.h"

#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/SpeedBarImages.h"

void TForm1::N4Click()
{
    const bool on = !EditorLook::gutterVisible(SynEdit1);
    EditorLook::setGutterVisible(SynEdit1, on);
    N4->setChecked(on);
}

void TForm1::N52Click()
{
    const bool on = !ToolBar1->isVisible();
    ToolBar1->setVisible(on);
    N52->setChecked(on);
}

void TForm1::N54Click()
{
    const bool on = !EditorLook::wordWrap(SynEdit1);
    EditorLook::setWordWrap(SynEdit1, on);
    N54->setChecked(on);
}

// The command panel follows its check mark: the panel itself reads as hidden while the
// window is not shown.
void TForm1::N36Click()
{
    const bool on = !N36->isChecked();
    N36->setChecked(on);
    Panel1->setVisible(on);
    EditorLook::setSplitterVisible(Splitter1, on);
}

void TForm1::N77Click()
{
    const bool on = !N77->isChecked();
    N77->setChecked(on);
    SQSHighlighter->setEnabled(on);
}

void TForm1::N65Click()
{
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE, QsciScintillaBase::SC_SEL_STREAM);
    N65->setChecked(true);
    N66->setChecked(false);
}

void TForm1::N66Click()
{
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE, QsciScintillaBase::SC_SEL_RECTANGLE);
    N65->setChecked(false);
    N66->setChecked(true);
}

void TForm1::setSpeedBarSize(int button, int bar)
{
    ToolBar1->setIconSize(QSize(button - 8, button - 8));
    ToolBar1->setFixedHeight(bar);
}

void TForm1::N84Click()
{
    N84->setChecked(true);
    N85->setChecked(false);
    setSpeedBarSize(36, 42);
}

void TForm1::N85Click()
{
    N85->setChecked(true);
    N84->setChecked(false);
    setSpeedBarSize(26, 32);
}

void TForm1::setSpeedItemImage(QAction *item, int imageIndex)
{
    item->setProperty("ImageIndex", imageIndex);
    item->setIcon(SpeedBarImages::icon(imageIndex));
}
