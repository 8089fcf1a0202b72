// Printing: the editor's lines on the pages of a printer, in the editor's font.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "AppError.h"
#include "common/QtColor.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "text/EditorText.h"
#include "text/PrintLayout.h"

#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

QPrinter &MainWindow::printer()
{
    // Made when first needed: asking the print system for its printers takes time.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void MainWindow::printSetup()
{
    QPageSetupDialog dialog(&printer(), this);
    ModalDialogs::confirm(dialog);
}

void MainWindow::print()
{
    QPrintDialog dialog(&printer(), this);
    if (ModalDialogs::confirm(dialog))
        printText(printer());
}

void MainWindow::printText(QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        Dialogs::showError(this, AppError(QStringLiteral("Printer is not ready.")));
        return;
    }
    const QFont font(m_look.font, &device);
    painter.setFont(font);
    painter.setPen(toQColor(m_look.fontColor, Qt::black));
    const QFontMetricsF metrics(font, &device);
    const qreal lineHeight = metrics.lineSpacing();

    PrintLayout::Page page;
    page.width = device.width();
    page.rows = std::max(1, int(device.height() / lineHeight));
    page.tabWidth = metrics.averageCharWidth() * 8;
    const PrintLayout::Result result = PrintLayout::layout(
        EditorText::splitLines(editorText()), page,
        [&metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); });

    int current = 0;
    for (const PrintLayout::Piece &piece : result.pieces) {
        for (; current < piece.page; ++current)
            device.newPage();
        painter.drawText(QPointF(piece.x, piece.row * lineHeight + metrics.ascent()), piece.text);
    }
    for (; current < result.pages - 1; ++current)
        device.newPage();
    painter.end();
}
