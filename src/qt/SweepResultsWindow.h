#pragma once

#include "run/SweepTable.h"

#include <QDialog>

class QTableWidget;

// The "Sweep Results" window: the table of the last sweep with its buttons "Save CSV...",
// "Copy" (tab-separated, for a spreadsheet) and "Close". It does not block the main window.
class CSweepResultsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CSweepResultsWindow(QWidget* pParent = nullptr);

    // Shows this table from now on.
    void SetTable(const CSweepTable& table);
    QTableWidget* Table() const { return m_pTable; }

    void OnSaveCsv();
    void OnCopy();

private:
    CSweepTable m_table;
    QTableWidget* m_pTable = nullptr;
};
