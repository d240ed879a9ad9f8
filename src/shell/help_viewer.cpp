#include "shell/help_viewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/qt_platform.h"

namespace {
class HelpViewer : public QWidget {
  public:
    explicit HelpViewer(QWidget* pOwner) : QWidget(pOwner, Qt::Window) {
        setObjectName("HelpViewer");
        setAttribute(Qt::WA_DeleteOnClose);
        QVBoxLayout* pLayout = new QVBoxLayout(this);
        QHBoxLayout* pBar = new QHBoxLayout;
        QPushButton* pBack = Button("back", "< &Back");
        QPushButton* pForward = Button("forward", "&Forward >");
        QPushButton* pContents = Button("contents", "&Contents");
        for (QPushButton* pButton : {pBack, pForward, pContents}) pBar->addWidget(pButton);
        pBar->addStretch(1);
        QPushButton* pClose = Button("close", "Close");
        pBar->addWidget(pClose);
        pLayout->addLayout(pBar);
        m_pBrowser = new QTextBrowser(this);
        m_pBrowser->setObjectName("browser");
        // Pages on the web leave for the desktop; a file link stays here.
        m_pBrowser->setOpenExternalLinks(true);
        // Room for a paragraph to read as one, even at the smallest.
        QFontMetrics metrics(m_pBrowser->font());
        m_pBrowser->setMinimumSize(metrics.averageCharWidth() * 56, metrics.lineSpacing() * 20);
        pLayout->addWidget(m_pBrowser, 1);
        pBack->setEnabled(false);
        pForward->setEnabled(false);
        connect(m_pBrowser, &QTextBrowser::backwardAvailable, pBack, &QWidget::setEnabled);
        connect(m_pBrowser, &QTextBrowser::forwardAvailable, pForward, &QWidget::setEnabled);
        connect(pBack, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
        connect(pForward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
        connect(pContents, &QPushButton::clicked, this, [this] {
            QUrl contents = m_pBrowser->source().resolved(QUrl("contents.htm"));
            if (QFileInfo::exists(contents.toLocalFile())) m_pBrowser->setSource(contents);
        });
        connect(pClose, &QPushButton::clicked, this, &QWidget::close);
        connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] {
            QString szTitle = m_pBrowser->documentTitle();
            setWindowTitle(szTitle.isEmpty() ? QFileInfo(m_pBrowser->source().toLocalFile()).fileName() : szTitle);
        });
        resize(640, 560);
    }
    void Show(const QUrl& url) {
        m_pBrowser->setSource(url);
        show();
        raise();
        activateWindow();
    }

  private:
    QPushButton* Button(const char* szName, const char* szText) {
        QPushButton* pButton = new QPushButton(szText, this);
        pButton->setObjectName(szName);
        pButton->setAutoDefault(false);
        return pButton;
    }
    QTextBrowser* m_pBrowser;
};

QPointer<HelpViewer> g_pViewer;
}  // namespace

bool Show_Help_Viewer(const QString& szFile) {
    QString szPath = szFile.section('#', 0, 0), szAnchor = szFile.section('#', 1);
    if (!QFileInfo(szPath).isFile()) return false;
    QUrl url = QUrl::fromLocalFile(QFileInfo(szPath).absoluteFilePath());
    if (!szAnchor.isEmpty()) url.setFragment(szAnchor);
    // Beside a modal dialog a window of its own could not be reached: it goes over the dialog.
    QWidget* pOwner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : Main_Window_Widget();
    if (g_pViewer && g_pViewer->parentWidget() != pOwner) {
        g_pViewer->deleteLater();
        g_pViewer = nullptr;
    }
    if (!g_pViewer) g_pViewer = new HelpViewer(pOwner);
    g_pViewer->Show(url);
    return true;
}

QWidget* Help_Viewer() { return g_pViewer; }
