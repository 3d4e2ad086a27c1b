#pragma once

#include <QMainWindow>
#include <QUrl>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The program's manual, built into it as Markdown pages under qrc:/help/manual/, in a window of
// its own titled "Zorvantellique Help": the contents on the left (each page's first heading, in
// file-name order), the page on the right with its links, Back and Forward, and Find (Ctrl+F;
// Enter finds the next match, Shift+Enter the previous one). Needs no browser.
class CHelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    CHelpWindow();

    QTextBrowser* Browser() const { return m_pBrowser; }
    QListWidget* Contents() const { return m_pContents; }
    QLineEdit* FindField() const { return m_pFind; }
    // Finds the next (or previous) match of the find field's text, from the start (or end)
    // again when the page holds no more; false when the page holds none.
    bool FindNext(bool bBackward = false);

    static QUrl FirstPage();

private:
    void BuildContents();
    void BuildToolBar();
    void OnSourceChanged(const QUrl& url);
    // Scales the pictures of the page shown (at url page) that are wider than it down to fit.
    void FitPictures(const QUrl& page);

    QTextBrowser* m_pBrowser = nullptr;
    QListWidget* m_pContents = nullptr;
    QLineEdit* m_pFind = nullptr;
};
