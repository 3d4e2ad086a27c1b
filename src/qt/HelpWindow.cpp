#include "qt/HelpWindow.h"

#include "qt/Artwork.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>

namespace
{
const QString kManualDir = QStringLiteral(":/help/manual");
// Screenshots wider than this are shown scaled down to it, so a page never needs scrolling
// sideways.
constexpr int MAX_PICTURE_WIDTH = 560;

QUrl PageUrl(const QString& strFile)
{
    return QUrl(QStringLiteral("qrc:/help/manual/") + strFile);
}

// The first "# " heading of a Markdown page, or its file name.
QString PageTitle(const QString& strFile)
{
    QFile file(kManualDir + '/' + strFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        while (!file.atEnd())
        {
            const QString strLine = QString::fromUtf8(file.readLine()).trimmed();
            if (strLine.startsWith(QStringLiteral("# ")))
                return strLine.mid(2);
        }
    return strFile;
}

// Enter and Shift+Enter in the find field search forward and backward.
class CFindField : public QLineEdit
{
public:
    explicit CFindField(CHelpWindow* pWindow) : m_pWindow(pWindow)
    {
        setPlaceholderText(QStringLiteral("Find"));
        setClearButtonEnabled(true);
    }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override
    {
        if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)
            m_pWindow->FindNext((pEvent->modifiers() & Qt::ShiftModifier) != 0);
        else
            QLineEdit::keyPressEvent(pEvent);
    }

private:
    CHelpWindow* m_pWindow;
};
} // namespace

CHelpWindow::CHelpWindow()
{
    setWindowTitle(QStringLiteral("Zorvantellique Help"));
    setWindowIcon(AppIcon());
    m_pBrowser = new QTextBrowser;
    m_pBrowser->setOpenExternalLinks(true);
    m_pContents = new QListWidget;
    auto* pSplitter = new QSplitter;
    pSplitter->addWidget(m_pContents);
    pSplitter->addWidget(m_pBrowser);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setSizes({260, 640});
    setCentralWidget(pSplitter);
    m_pFind = new CFindField(this);
    BuildContents();
    BuildToolBar();
    statusBar();
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpWindow::OnSourceChanged);
    connect(m_pContents, &QListWidget::currentRowChanged, this, [this](int nRow) {
        if (nRow >= 0)
            m_pBrowser->setSource(m_pContents->item(nRow)->data(Qt::UserRole).toUrl(),
                                  QTextDocument::MarkdownResource);
    });
    resize(900, 680);
    m_pBrowser->setSource(FirstPage(), QTextDocument::MarkdownResource);
    // Keys scroll the page and Tab walks its links from the start.
    m_pBrowser->setFocus();
}

QUrl CHelpWindow::FirstPage()
{
    return PageUrl(QStringLiteral("index.md"));
}

void CHelpWindow::BuildContents()
{
    // index.md first, then the chapters in the order their file names give.
    QStringList astrFiles =
        QDir(kManualDir).entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    astrFiles.removeAll(QStringLiteral("index.md"));
    astrFiles.prepend(QStringLiteral("index.md"));
    for (const QString& strFile : astrFiles)
    {
        auto* pItem = new QListWidgetItem(PageTitle(strFile), m_pContents);
        pItem->setData(Qt::UserRole, PageUrl(strFile));
    }
}

void CHelpWindow::BuildToolBar()
{
    QToolBar* pBar = addToolBar(QStringLiteral("Help"));
    pBar->setMovable(false);
    QAction* pBack = pBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                     QStringLiteral("Back"), m_pBrowser, &QTextBrowser::backward);
    pBack->setShortcut(QKeySequence::Back);
    pBack->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, pBack, &QAction::setEnabled);
    QAction* pForward =
        pBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"),
                        m_pBrowser, &QTextBrowser::forward);
    pForward->setShortcut(QKeySequence::Forward);
    pForward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, pForward, &QAction::setEnabled);
    pBar->addAction(
        style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Contents"), this,
        [this] { m_pBrowser->setSource(FirstPage(), QTextDocument::MarkdownResource); });
    pBar->addSeparator();
    pBar->addWidget(m_pFind);

    auto* pFind = new QAction(QStringLiteral("Find"), this);
    pFind->setShortcut(QKeySequence::Find);
    connect(pFind, &QAction::triggered, this, [this] {
        m_pFind->setFocus(Qt::ShortcutFocusReason);
        m_pFind->selectAll();
    });
    addAction(pFind);
    auto* pFindNext = new QAction(QStringLiteral("Find Next"), this);
    pFindNext->setShortcut(QKeySequence::FindNext);
    connect(pFindNext, &QAction::triggered, this, [this] { FindNext(); });
    addAction(pFindNext);
}

bool CHelpWindow::FindNext(bool bBackward)
{
    const QString strText = m_pFind->text();
    if (strText.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        bBackward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_pBrowser->find(strText, flags))
        return true;
    // Round again from the other end of the page.
    QTextCursor cursor = m_pBrowser->textCursor();
    cursor.movePosition(bBackward ? QTextCursor::End : QTextCursor::Start);
    m_pBrowser->setTextCursor(cursor);
    if (m_pBrowser->find(strText, flags))
        return true;
    statusBar()->showMessage(QStringLiteral("\"%1\" is not on this page").arg(strText), 4000);
    return false;
}

void CHelpWindow::FitPictures(const QUrl& page)
{
    QTextDocument* pDocument = m_pBrowser->document();
    QTextCursor cursor(pDocument);
    for (QTextBlock block = pDocument->begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
        {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid() || format.hasProperty(QTextFormat::ImageWidth))
                continue;
            const QUrl picture = page.resolved(QUrl(format.name()));
            const QSize size = QImageReader(':' + picture.path()).size();
            if (size.width() <= MAX_PICTURE_WIDTH)
                continue;
            format.setWidth(MAX_PICTURE_WIDTH);
            format.setHeight(double(size.height()) * MAX_PICTURE_WIDTH / size.width());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
}

void CHelpWindow::OnSourceChanged(const QUrl& url)
{
    FitPictures(url);
    const QUrl page = url.adjusted(QUrl::RemoveFragment);
    for (int i = 0; i < m_pContents->count(); ++i)
        if (m_pContents->item(i)->data(Qt::UserRole).toUrl() == page)
        {
            QSignalBlocker blocker(m_pContents);
            m_pContents->setCurrentRow(i);
        }
}
