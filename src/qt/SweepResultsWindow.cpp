#include "qt/SweepResultsWindow.h"

#include "files/SweepCsvFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
QStringList Texts(const std::vector<std::string>& astrTexts)
{
    QStringList astr;
    for (const std::string& str : astrTexts)
        astr << QString::fromStdString(str);
    return astr;
}
} // namespace

CSweepResultsWindow::CSweepResultsWindow(QWidget* pParent) : QDialog(pParent)
{
    setObjectName(QStringLiteral("SweepResults"));
    setWindowTitle(QStringLiteral("Sweep Results"));
    setModal(false);
    m_pTable = new QTableWidget(this);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();

    auto* pSave = new QPushButton(QStringLiteral("Save CSV..."), this);
    auto* pCopy = new QPushButton(QStringLiteral("Copy"), this);
    auto* pClose = new QPushButton(QStringLiteral("Close"), this);
    pClose->setDefault(true);
    connect(pSave, &QPushButton::clicked, this, &CSweepResultsWindow::OnSaveCsv);
    connect(pCopy, &QPushButton::clicked, this, &CSweepResultsWindow::OnCopy);
    connect(pClose, &QPushButton::clicked, this, &QDialog::close);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pSave);
    pButtons->addWidget(pCopy);
    pButtons->addWidget(pClose);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTable);
    pLayout->addLayout(pButtons);
}

void CSweepResultsWindow::SetTable(const CSweepTable& table)
{
    m_table = table;
    const QStringList astrHeadings = Texts(SweepWindowHeadings(table.m_nUnits));
    m_pTable->clear();
    m_pTable->setColumnCount(static_cast<int>(astrHeadings.size()));
    m_pTable->setHorizontalHeaderLabels(astrHeadings);
    m_pTable->setRowCount(static_cast<int>(table.m_aRows.size()));
    for (int nRow = 0; nRow < m_pTable->rowCount(); ++nRow)
    {
        const QStringList astrCells = Texts(SweepWindowTexts(table.m_aRows[size_t(nRow)]));
        for (int nColumn = 0; nColumn < astrCells.size(); ++nColumn)
        {
            auto* pItem = new QTableWidgetItem(astrCells[nColumn]);
            pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pTable->setItem(nRow, nColumn, pItem);
        }
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->resizeRowsToContents();
    // The whole table without scrolling where the screen has room for it.
    const int nFrame = m_pTable->frameWidth() * 2;
    const QSize sizeTable(m_pTable->horizontalHeader()->length() + nFrame,
                          m_pTable->horizontalHeader()->sizeHint().height() +
                              m_pTable->verticalHeader()->length() + nFrame);
    const QSize sizeRoom = screen()->availableSize() * 0.8;
    m_pTable->setMinimumSize(sizeTable.boundedTo(sizeRoom));
    adjustSize();
}

void CSweepResultsWindow::OnSaveCsv()
{
    SaveSweepCsvAs(m_table);
}

void CSweepResultsWindow::OnCopy()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(SweepTabText(m_table)));
}
