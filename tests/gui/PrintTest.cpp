// File, Print, Print Preview and Print Setup from the real main window.
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "graph/CZRVView.h"
#include "qt/MainFrame.h"

#include <QFile>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
class PrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pFrame = std::make_unique<CMainFrame>(std::make_unique<CZRVView>());
        m_pFrame->show();
    }

    // Saves a picture of a window when the documentation's screenshots are being taken.
    static void Screenshot(QWidget* pWindow, const char* pszName)
    {
        const QString strDir = qEnvironmentVariable("ZRV_SCREENSHOT_DIR");
        if (!strDir.isEmpty())
            pWindow->grab().save(strDir + "/" + pszName);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CMainFrame> m_pFrame;
};
} // namespace

TEST_F(PrintTest, PrintToAPdfFileGivesOnePage)
{
    const QString strPdf = m_dir.filePath("graph.pdf");
    m_pFrame->Printer().setOutputFormat(QPrinter::PdfFormat);
    m_pFrame->Printer().setOutputFileName(strPdf);
    WhenModal(
        [](QWidget* pModal) {
            auto* pDialog = qobject_cast<QPrintDialog*>(pModal);
            ASSERT_NE(pDialog, nullptr);
            EXPECT_EQ(pDialog->maxPage(), 1);
            pDialog->accept();
        },
        m_pFrame.get());
    m_pFrame->OnCommand(ID_FILE_PRINT);

    QFile pdf(strPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "nothing printed";
    const QByteArray data = pdf.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_EQ(
        data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page "), 1);
}

TEST_F(PrintTest, CancelledPrintWritesNothing)
{
    const QString strPdf = m_dir.filePath("graph.pdf");
    m_pFrame->Printer().setOutputFormat(QPrinter::PdfFormat);
    m_pFrame->Printer().setOutputFileName(strPdf);
    WhenModal([](QWidget* pModal) { qobject_cast<QDialog*>(pModal)->reject(); }, m_pFrame.get());
    m_pFrame->OnCommand(ID_FILE_PRINT);
    EXPECT_FALSE(QFile::exists(strPdf));
}

TEST_F(PrintTest, PreviewShowsTheOnePage)
{
    WhenModal(
        [](QWidget* pModal) {
            auto* pDialog = qobject_cast<QPrintPreviewDialog*>(pModal);
            ASSERT_NE(pDialog, nullptr);
            auto* pPreview = pDialog->findChild<QPrintPreviewWidget*>();
            ASSERT_NE(pPreview, nullptr);
            EXPECT_EQ(pPreview->pageCount(), 1);
            Screenshot(pDialog, "print-preview.png");
            pDialog->reject();
        },
        m_pFrame.get());
    m_pFrame->OnCommand(ID_FILE_PRINT_PREVIEW);
}

TEST_F(PrintTest, PrintSetupOpensThePageSetupOfTheSamePrinter)
{
    WhenModal(
        [this](QWidget* pModal) {
            auto* pDialog = qobject_cast<QPageSetupDialog*>(pModal);
            ASSERT_NE(pDialog, nullptr);
            EXPECT_EQ(pDialog->printer(), &m_pFrame->Printer());
            pDialog->reject();
        },
        m_pFrame.get());
    m_pFrame->OnCommand(ID_FILE_PRINT_SETUP);
}
