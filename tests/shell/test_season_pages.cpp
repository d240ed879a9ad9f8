// The Standings, Finances, Playoffs and championship pages and the History
// dialog on the default league, at the smallest window size and maximised.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "commands/game_commands.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "reports/finance_columns.h"
#include "reports/finance_page.h"
#include "platform/platform.h"
#include "season/playoffs.h"
#include "season/standings.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
const QColor COMPUTER_ROW(245, 245, 122);

// A front end that only remembers the sounds played.
QStringList g_Sounds;
const PlatformOps SOUND_RECORDER = {
    [](const char*, const char*) {},
    [](QuestionKind, const char*, const char*) { return (int)ANSWER_OK; },
    [](const char*) {},
    [](const char*, int, int) {},
    [] {},
    [] {},
    [](const char* szFile) { g_Sounds << szFile; },
    [](const char*, int, int, int, int) {},
    [](const char*) { return false; },
};

bool Has_Colour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

// The next modal dialog: its title, after doing something with it.
void On_Next_Dialog(QString* pTitle, std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [pTitle, act] {
        QDialog* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog) return;
        *pTitle = pDialog->windowTitle();
        act(pDialog);
    });
}

// What a page drew: each text with its box and font.
struct DrawnText {
    QString szText;
    QRect box;
    QFont font;
    int nFlags;
};

// Texts that leave their boxes, and money columns whose cells differ in size.
QStringList Layout_Faults(const QList<DrawnText>& drawn) {
    QStringList faults;
    QMap<QPair<int, int>, QSet<int>> moneySizes;
    static const QRegularExpression MONEY("^-?\\$[0-9,]+$");
    for (const DrawnText& text : drawn) {
        QFontMetrics metrics(text.font);
        int nWidth = (text.nFlags & TEXT_SINGLE_LINE) ? metrics.horizontalAdvance(text.szText)
                                                      : metrics.boundingRect(text.box, Qt::TextWordWrap, text.szText).width();
        if (nWidth > text.box.width() + 1)
            faults << QString("\"%1\" %2 px in %3").arg(text.szText).arg(nWidth).arg(text.box.width());
        if (MONEY.match(text.szText).hasMatch())
            moneySizes[{text.box.left(), text.box.right()}].insert(text.font.pixelSize());
    }
    for (auto it = moneySizes.begin(); it != moneySizes.end(); ++it)
        if (it.value().size() > 1) faults << QString("money column at %1 in %2 sizes").arg(it.key().first).arg(it.value().size());
    return faults;
}

QPoint At(PageView* pView, int x, int y) {
    return QPoint(x * pView->width() / 636 + 1, y * pView->height() / 438 + 1);
}
} // namespace

class SeasonPagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_OldFolder = QDir::currentPath();
        QDir::setCurrent(m_Folder.path());
        Register_Features();
    }
    void cleanupTestCase() {
        Platform_Install(nullptr);
        QDir::setCurrent(m_OldFolder);
    }
    void init() {
        QVERIFY(Load_Game(BRAKVELL_GAME_DIR "/Universe.dat"));
        Set_Team_Stat(1, TEAM_STAT_CONTROL, 1);
        Recompute_Standings();
        Platform_Install(&SOUND_RECORDER);
        g_Sounds.clear();
    }

    void Every_Page_Composes_Small_And_Maximised() {
        Set_Game_State(GS_CURRENT_WEEK, 18);
        Set_Game_State(GS_SEASON_INDEX, 1);
        g_League.abPlayoffTeams[CHAMPION_SLOT] = 1; // the human team won it all
        MainWindow window;
        window.resize(window.Minimum_Width(), window.Minimum_Height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PageView* pView = window.Page_View();
        for (int nPass = 0; nPass < 2; nPass++) {
            for (int nPage : {PAGE_STANDINGS, PAGE_FINANCES, PAGE_PLAYOFFS, PAGE_CHAMPIONSHIP}) {
                if (nPage == PAGE_CHAMPIONSHIP)
                    window.Show_Page(nPage); // as the season loop shows it
                else
                    QVERIFY(window.Do_Command(nPage));
                QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), nPage);
                QImage image = pView->grab().toImage();
                QVERIFY(!image.isNull());
                if (nPage == PAGE_STANDINGS) QVERIFY(Has_Colour(image, COMPUTER_ROW));
            }
            Set_Game_State(GS_CONFERENCE_VIEW, 1);
            window.showMaximized();
            QTest::qWait(50);
        }
        QVERIFY(pView->width() >= 636 && pView->height() >= 438);
        QCOMPARE(g_Sounds, QStringList({"celeb3.wav", "celeb3.wav"}));
    }

    // Large windows of other shapes than the page's: the fonts follow the
    // window's height, the boxes its width, so a squarer screen is the test.
    void Texts_Stay_In_Their_Boxes_On_Large_Screens() {
        Set_Game_State(GS_CURRENT_WEEK, 18);
        Set_Game_State(GS_SEASON_INDEX, 1);
        g_League.abPlayoffTeams[CHAMPION_SLOT] = 1;
        // A champion whose name fills the banner, and one team's every sum at its widest.
        Set_Team_String("Thunderclap Mountaineers", 1, TS_NICKNAME);
        for (int32_t& nValue : g_League.aTeams[0].data.anFinancial) nValue = -1999999999;
        const int MONEY_COLUMNS[FINANCE_CHOSEN_COLUMNS] = {FC_PAYROLL, FC_REVENUE, FC_PROFIT, FC_CASH, FC_FRANCHISE};
        for (int i = 0; i < FINANCE_CHOSEN_COLUMNS; i++) Set_Game_State(GS_FINANCE_COLUMN + i, MONEY_COLUMNS[i]);
        QList<DrawnText> drawn;
        Watch_Page_Text([&drawn](const QString& szText, const QRect& box, const QFont& font, int nFlags) {
            drawn.append({szText, box, font, nFlags});
        });
        PageView view;
        const QSize SCREENS[] = {{1280, 1024}, {1920, 1080}, {1024, 768}};
        for (QSize screen : SCREENS) {
            for (int nPage : {PAGE_STANDINGS, PAGE_FINANCES, PAGE_PLAYOFFS, PAGE_CHAMPIONSHIP}) {
                drawn.clear();
                view.resize(screen.width(), screen.height() - 30);  // less the menu bar
                Rebuild_Fonts(screen.width(), screen.height());
                view.Show_Page(nPage);
                view.grab();
                QVERIFY(!drawn.isEmpty());
                QStringList faults = Layout_Faults(drawn);
                QVERIFY2(faults.isEmpty(), qPrintable(QString("page %1 at %2x%3: ").arg(nPage).arg(screen.width())
                                                          .arg(screen.height()) + faults.join("; ")));
            }
        }
        Watch_Page_Text(nullptr);
        Rebuild_Fonts(636, 438);
    }

    void Standings_Heading_Click_Opens_Its_Dialog_And_Cancel_Restores() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Show_Page(PAGE_STANDINGS);
        Set_Game_State(GS_STANDINGS_COLUMN + 1, 8);
        QString szTitle;
        int nWhileOpen = -1;
        On_Next_Dialog(&szTitle, [&nWhileOpen](QDialog* pDialog) {
            QListWidget* pList = pDialog->findChild<QListWidget*>();
            QCOMPARE(pList->count(), 26);
            QCOMPARE(pList->currentRow(), 8);
            pList->setCurrentRow(25);
            nWhileOpen = Get_Game_State(GS_STANDINGS_COLUMN + 1);
            pDialog->reject();
        });
        QTest::mouseClick(window.Page_View(), Qt::LeftButton, {}, At(window.Page_View(), 384 + 40, 80));
        QCOMPARE(szTitle, QString("Standings Heading"));
        QCOMPARE(nWhileOpen, 25);
        QCOMPARE(Get_Game_State(GS_STANDINGS_COLUMN + 1), 8);
        QCOMPARE(g_Sounds, QStringList({"button.wav"}));
        int nConference = Get_Game_State(GS_CONFERENCE_VIEW);
        QTest::mouseClick(window.Page_View(), Qt::LeftButton, {}, At(window.Page_View(), 500, 48));
        QCOMPARE(Get_Game_State(GS_CONFERENCE_VIEW), 1 - nConference);
    }

    void Finance_Heading_Click_Opens_Its_Dialog() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Show_Page(PAGE_FINANCES);
        QString szTitle;
        On_Next_Dialog(&szTitle, [](QDialog* pDialog) {
            QListWidget* pList = pDialog->findChild<QListWidget*>();
            QCOMPARE(pList->count(), 36);
            pList->setCurrentRow(35);
            pDialog->accept();
        });
        QTest::mouseClick(window.Page_View(), Qt::LeftButton, {},
                          At(window.Page_View(), 160 + 70 * 4 + 10, 50));
        QCOMPARE(szTitle, QString("Financial Stat"));
        QCOMPARE(Get_Game_State(GS_FINANCE_COLUMN + 4), 35);
        window.Page_View()->grab(); // the Punters grades of the whole conference
    }

    void History_Lists_The_Completed_Seasons() {
        Set_Game_State(GS_USER_TEAM, 1);
        QString szTitle;
        int nLines = -1;
        QString szRecord;
        On_Next_Dialog(&szTitle, [&nLines, &szRecord](QDialog* pDialog) {
            nLines = pDialog->findChild<QTreeWidget*>()->topLevelItemCount();
            for (QLabel* pLabel : pDialog->findChildren<QLabel*>())
                if (pLabel->text().startsWith("Record: ")) szRecord = pLabel->text();
            pDialog->accept();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_HISTORY), 1);
        QCOMPARE(szTitle, QString("History"));
        QCOMPARE(nLines, Current_Season_Index());
        QVERIFY(!szRecord.isEmpty());
        if (Current_Season_Index() == 0) QCOMPARE(szRecord, QString("Record: n/a"));
    }

    // The widest figures a season can hold: every column shows them whole, under a heading.
    void History_Columns_Hold_Their_Widest_Figures() {
        Set_Game_State(GS_USER_TEAM, 1);
        Set_Game_State(GS_SEASON_INDEX, 2);
        for (int nSeason = 0; nSeason < 2; nSeason++) {
            Set_Team_Yearly_Stat(1, nSeason, YR_PROFIT, nSeason == 0 ? -2000000000 : 2000000000);
            Set_Team_Yearly_Stat(1, nSeason, YR_HOME_ATTENDANCE, 1999999999);
            Set_Team_Yearly_Stat(1, nSeason, YR_WINS, 16);
            Set_Team_Yearly_Stat(1, nSeason, YR_OUTCOME, 8);
        }
        QString szTitle;
        QStringList headings, problems;
        On_Next_Dialog(&szTitle, [&](QDialog* pDialog) {
            QTreeWidget* pList = pDialog->findChild<QTreeWidget*>();
            if (!pList->isHeaderHidden())
                for (int i = 0; i < pList->columnCount(); i++) headings << pList->headerItem()->text(i);
            QFontMetrics metrics(pList->font());
            for (int nRow = 0; nRow < pList->topLevelItemCount(); nRow++)
                for (int i = 0; i < pList->columnCount(); i++) {
                    QString szText = pList->topLevelItem(nRow)->text(i);
                    QRect rect = pList->visualRect(pList->model()->index(nRow, i));
                    // The row's cell, inside the part of the list that shows.
                    int nShown = std::min(rect.right(), pList->viewport()->width()) - rect.left();
                    if (metrics.horizontalAdvance(szText) > nShown)
                        problems << QString("%1 in %2 px").arg(szText).arg(nShown);
                }
            pDialog->accept();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_HISTORY), 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
        QCOMPARE(headings.size(), 6);
        QCOMPARE(headings[2], QString("Profit"));
    }
};

QTEST_MAIN(SeasonPagesTest)
#include "test_season_pages.moc"
