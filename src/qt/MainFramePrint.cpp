// Printing from the main window: the test view's one page on the printer, in the preview and
// the printer set-up, all on the frame's one printer.
#include "qt/MainFrame.h"

#include "qt/QtPrintSurface.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void CMainFrame::PreparePrinting()
{
    m_pPrinter->setFromTo(1, 1);
    m_pPrinter->setPrintRange(QPrinter::AllPages);
}

void CMainFrame::OnFilePrint()
{
    PreparePrinting();
    QPrintDialog dialog(m_pPrinter.get(), this);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() == QDialog::Accepted)
        PrintView(View(), *m_pPrinter);
}

void CMainFrame::OnFilePrintPreview()
{
    PreparePrinting();
    QPrintPreviewDialog dialog(m_pPrinter.get(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* pPrinter) { PrintView(View(), *pPrinter); });
    dialog.exec();
}

void CMainFrame::OnFilePrintSetup()
{
    QPageSetupDialog dialog(m_pPrinter.get(), this);
    dialog.exec();
}
