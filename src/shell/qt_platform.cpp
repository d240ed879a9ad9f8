#include "shell/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QSoundEffect>
#include <QUrl>

#include "database/league_database.h"
#include "personnel/negotiation.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shell/contract_offer.h"
#include "shell/help_viewer.h"
#include "shell/picture_store.h"
#include "shell/trade_proposal_page.h"
#include "trades/computer_trades.h"
#include "shell/trade_answer.h"

namespace {
QPointer<QWidget> g_pMainWindow;
QPointer<QDialog> g_pProgress;
QLabel* g_pProgressText = nullptr;
QProgressBar* g_pProgressBar = nullptr;
QPainter* g_pPagePainter = nullptr;
int g_nPageWidth = 0, g_nPageHeight = 0;
DocumentOpener g_pOpener = nullptr;

bool Desktop_Opens(const QUrl& url) { return g_pOpener ? g_pOpener(url) : QDesktopServices::openUrl(url); }

// Another program in front: make the taskbar entry ask for attention first.
void Alert_If_Inactive() {
    if (g_pMainWindow && !QApplication::activeWindow()) QApplication::alert(g_pMainWindow);
}

void Notice(const char* szTitle, const char* szText) {
    Alert_If_Inactive();
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(szTitle), QString::fromUtf8(szText), QMessageBox::Ok,
                    g_pMainWindow);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int Ask(QuestionKind kind, const char* szTitle, const char* szText) {
    Alert_If_Inactive();
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (kind == ASK_OK_CANCEL) buttons = QMessageBox::Ok | QMessageBox::Cancel;
    if (kind == ASK_YES_NO_CANCEL) buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(szTitle), QString::fromUtf8(szText), buttons,
                    g_pMainWindow);
    box.setWindowModality(Qt::ApplicationModal);
    if (kind == ASK_NO_YES) box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Ok: return ANSWER_OK;
    case QMessageBox::Yes: return ANSWER_YES;
    case QMessageBox::No: return ANSWER_NO;
    default: return kind == ASK_YES_NO || kind == ASK_NO_YES ? ANSWER_NO : ANSWER_CANCEL;
    }
}

void Progress_Close() {
    delete g_pProgress;
    g_pProgressText = nullptr;
    g_pProgressBar = nullptr;
}

void Progress_Open(const char* szCaption) {
    Progress_Close();
    g_pProgress = new QDialog(g_pMainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    g_pProgress->setWindowTitle(QString::fromUtf8(szCaption));
    g_pProgress->setFixedSize(250, 100);
    g_pProgressText = new QLabel(g_pProgress);
    g_pProgressText->setGeometry(20, 20, 210, 25);
    g_pProgressBar = new QProgressBar(g_pProgress);
    g_pProgressBar->setGeometry(20, 55, 210, 25);
    g_pProgressBar->setTextVisible(false);
    if (g_pMainWindow) {
        QRect frame = g_pMainWindow->frameGeometry();
        g_pProgress->move(frame.center() - QPoint(125, 50));
    }
    g_pProgress->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Progress_Update(const char* szText, int nCount, int nMaximum) {
    if (!g_pProgress) return;
    g_pProgressText->setText(QString::fromUtf8(szText));
    g_pProgressBar->setRange(0, nMaximum);
    g_pProgressBar->setValue(nCount);
    g_pProgress->repaint();
}

void Pump() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Sound(const char* szFile) {
    if (!Get_Game_State(GS_SOUND)) return;
    std::string szPath = Find_Data_File((std::string("sound/") + szFile).c_str());
    if (szPath.empty()) return;
    // One effect per file, kept: loading is what takes time.
    static QHash<QString, QSoundEffect*> effects;
    QString szKey = QFileInfo(QString::fromStdString(szPath)).absoluteFilePath();
    QSoundEffect*& pEffect = effects[szKey];
    if (!pEffect) {
        pEffect = new QSoundEffect(qApp);
        pEffect->setSource(QUrl::fromLocalFile(szKey));
    }
    pEffect->play();
}

void Picture(const char* szFile, int x, int y, int cx, int cy) {
    if (g_pPagePainter) Draw_Store_Picture(*g_pPagePainter, g_nPageWidth, g_nPageHeight, szFile, x, y, cx, cy);
}

bool Document(const char* szPath) {
    QString szText = QString::fromUtf8(szPath);
    if (szText.startsWith("http://") || szText.startsWith("https://")) return Desktop_Opens(QUrl(szText));
    std::string szFound = Find_Data_File(szPath);
    if (szFound.empty()) {
        Warning_Log("Can't find the document %s", szPath);
        return false;
    }
    QString szFile = QFileInfo(QString::fromStdString(szFound)).absoluteFilePath();
    // No opener on this desktop (or none that works): the pages are plain enough to show here.
    // xdg-open starts happily with nothing behind it, so the user may ask for the window outright.
    if (qEnvironmentVariableIntValue("BRAKVELL_HELP_VIEWER")) return Show_Help_Viewer(szFile);
    return Desktop_Opens(QUrl::fromLocalFile(szFile)) || Show_Help_Viewer(szFile);
}

const PlatformOps QT_OPS = {Notice, Ask, Progress_Open, Progress_Update, Progress_Close,
                            Pump,   Sound, Picture,      Document};
}  // namespace

void Install_Qt_Platform(QWidget* pMainWindow) {
    g_pMainWindow = pMainWindow;
    Platform_Install(&QT_OPS);
    // A person's negotiations open the window instead of a Yes/No question.
    Set_Contract_Negotiation_Hook(Run_Contract_Offer);
    // The computer's proposals after a run of weeks open their page.
    Set_Trade_Proposal_Hook(Show_Trade_Proposal);
    // And a computer partner's answer to an offer opens the answer page.
    Set_Trade_Answer_Hook(Run_Trade_Answer);
}

QWidget* Main_Window_Widget() { return g_pMainWindow; }

void Set_Document_Opener(DocumentOpener pOpener) { g_pOpener = pOpener; }

void Set_Page_Painter(QPainter* pPainter, int nWidth, int nHeight) {
    g_pPagePainter = pPainter;
    g_nPageWidth = nWidth;
    g_nPageHeight = nHeight;
}
