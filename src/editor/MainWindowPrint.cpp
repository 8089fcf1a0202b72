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
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <tuple>

namespace {

// What the print dialog asked for that is left to the program. The page order is always the
// program's to keep; copies only when the print system cannot make them itself.
PrintLayout::PageChoice pageChoice(const QPrinter &printer)
{
    PrintLayout::PageChoice choice;
    if (printer.printRange() == QPrinter::PageRange)
        for (const QPageRanges::Range &range : printer.pageRanges().toRangeList())
            choice.ranges.emplace_back(range.from, range.to);
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    choice.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    choice.collate = printer.collateCopies();
    return choice;
}

// The lines on the device's pages, in the font measured there.
PrintLayout::Result layOut(const QStringList &lines, const QFont &font, QPaintDevice &device)
{
    const QFontMetricsF metrics(QFont(font, &device), &device);
    PrintLayout::Page page;
    page.width = device.width();
    page.rows = std::max(1, int(device.height() / metrics.lineSpacing()));
    page.tabWidth = metrics.averageCharWidth() * 8;
    return PrintLayout::layout(lines, page,
                               [&metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); });
}

// What the layout depends on of the printer: another paper or printer chosen in the dialog changes it.
std::tuple<int, int, int> pageMetrics(const QPrinter &printer)
{
    return {printer.width(), printer.height(), printer.resolution()};
}

} // namespace

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
    QPrinter &printer = this->printer();
    QPrintDialog dialog(&printer, this);
    // Only whole pages of the whole text are printed: there is no selection or current page to offer.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const QStringList lines = EditorText::splitLines(editorText());
    PrintLayout::Result laidOut = layOut(lines, m_look.font, printer);
    const auto metricsOffered = pageMetrics(printer);
    dialog.setMinMax(1, laidOut.pages);
    if (!ModalDialogs::confirm(dialog))
        return;
    if (pageMetrics(printer) != metricsOffered)
        laidOut = layOut(lines, m_look.font, printer);
    printPages(printer, laidOut);
}

void MainWindow::printPages(QPrinter &printer, const PrintLayout::Result &result)
{
    const std::vector<int> pages = PrintLayout::printedPages(result.pages, pageChoice(printer));
    if (pages.empty())
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Dialogs::showError(this, AppError(QStringLiteral("Printer is not ready.")));
        return;
    }
    const QFont font(m_look.font, &printer);
    painter.setFont(font);
    painter.setPen(toQColor(m_look.fontColor, Qt::black));
    const QFontMetricsF metrics(font, &printer);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        // The pieces come page by page.
        const auto onPage = std::ranges::equal_range(result.pieces, pages[i], {}, &PrintLayout::Piece::page);
        for (const PrintLayout::Piece &piece : onPage)
            painter.drawText(QPointF(piece.x, piece.row * metrics.lineSpacing() + metrics.ascent()), piece.text);
    }
    painter.end();
}
