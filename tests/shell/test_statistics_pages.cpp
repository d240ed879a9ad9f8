// The Leaders, Calendar and Games pages on the offscreen platform: composed at
// the smallest and a maximised size, and their clicks.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QTimer>
#include <cstring>

#include "commands/game_commands.h"
#include "database/league_database.h"
#include "database/player.h"
#include "database/team.h"
#include "platform/headless.h"
#include "platform/page_layout.h"
#include "reports/calendar_page.h"
#include "reports/games_page.h"
#include "reports/leaders.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "simulation/game_record.h"

namespace {
// Four teams, a quarterback each, and two games of week 0 and one of week 1.
void Make_League() {
    Clear_League();
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] =
            nTeam < 4 ? COMPUTER_MANAGED : TEAM_NOT_IN_USE;
    Count_Teams();
    Set_League_Name("American", 0);
    Set_League_Name("National", 1);
    Set_League_Rule(LR_START_YEAR, 2003);
    for (TNUM nTeam = 0; nTeam < 4; nTeam++) {
        Set_Team_String(QString("City%1").arg(nTeam).toUtf8().constData(), nTeam, TS_CITY);
        Set_Team_String(QString("Nick%1").arg(nTeam).toUtf8().constData(), nTeam, TS_NICKNAME);
        Set_Team_String(QString("A%1").arg(nTeam).toUtf8().constData(), nTeam, TS_ABBREVIATION);
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nTeam < 2 ? 0 : 4);
        Set_Player_Vital_Stat(nTeam, 0, VS_PLAYER_ID, 100 + nTeam);
        Set_Player_Vital_Stat(nTeam, 0, VS_POSITION, POS_QB);
        Set_Player_Last_Name(nTeam, 0, "Passer");
        Set_Player_Season_Stat(nTeam, 0, PERIOD_THIS_SEASON, SS_PASS_YARDS, 200 + nTeam);
    }
    const int aGames[3][5] = {{1, 10, 0, 14, 0}, {3, 7, 2, 3, 0}, {0, 21, 2, 20, 1}};
    for (int i = 0; i < 3; i++) {
        GameRecord* pGame = Get_Game_Record(i);
        pGame->anTeam[0] = (TNUM)aGames[i][0];
        pGame->anScore[0] = aGames[i][1];
        pGame->anTeam[1] = (TNUM)aGames[i][2];
        pGame->anScore[1] = aGames[i][3];
        pGame->nWeek = aGames[i][4];
        pGame->nYear = 2003;
        pGame->anBoxPlayers[1][0] = 100 + aGames[i][2];
        pGame->anBoxLines[1][0][0] = 20;
        Schedule_Game(pGame->anTeam[1], pGame->anTeam[0], pGame->nWeek);
        Set_Schedule_Field(pGame->anTeam[1], pGame->nWeek, SLOT_GAME_RECORD, i);
        Set_Schedule_Field(pGame->anTeam[0], pGame->nWeek, SLOT_GAME_RECORD, i);
    }
    Set_Game_State(GS_CURRENT_WEEK, 2);
    Set_Game_State(GS_USER_TEAM, 0);
}

QImage Compose(PageView& view, int nPage, int nWidth, int nHeight) {
    view.resize(nWidth, nHeight);
    Rebuild_Fonts(nWidth, nHeight);
    view.Show_Page(nPage);
    return view.grab().toImage();
}

// Answers the next dialog with row nRow of its list, or cancels it with -1.
void Answer_Next_Dialog(int nRow, QString* pTitle) {
    QTimer::singleShot(0, [nRow, pTitle] {
        QDialog* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog) return;
        *pTitle = pDialog->windowTitle();
        if (nRow < 0) {
            pDialog->reject();
            return;
        }
        pDialog->findChild<QListWidget*>()->setCurrentRow(nRow);
        pDialog->accept();
    });
}

QPoint At(const PageView& view, int x, int y) {
    return QPoint(x * view.width() / LOGICAL_PAGE_WIDTH, y * view.height() / LOGICAL_PAGE_HEIGHT);
}
} // namespace

class StatisticsPagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;

  private slots:
    void initTestCase() {
        m_OldFolder = QDir::currentPath();
        QDir::setCurrent(m_Folder.path());
        QDir().mkdir("Output");
        QFile file("Output/G-03-002.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray text = "Sunday: City0 Nick0 at City2 Nick2\n\n 1st Q <=> Down Yardline Play\n";
        for (int i = 0; i < 60; i++)
            text += " 12:00  A0 1-10 (A0  25) Passer rushes left for 3 yards\n";
        file.write(text);
        file.close();
        Register_Features();
    }
    void cleanupTestCase() { QDir::setCurrent(m_OldFolder); }
    void init() {
        Make_League();
        Headless_Reset();
    }

    void Pages_Compose_At_The_Smallest_And_A_Maximised_Size() {
        for (int nPage : {PAGE_LEADERS, PAGE_CALENDAR, PAGE_GAMES}) {
            QVERIFY(Page_Registered(nPage));
            for (int nGame : {-1, 0, 2}) {
                Set_Game_State(GS_GAMES_GAME, nGame);
                for (QSize size : {QSize(636, 438), QSize(1920, 1080)}) {
                    PageView view;
                    QImage image = Compose(view, nPage, size.width(), size.height());
                    QCOMPARE(image.size(), size);
                }
            }
        }
        Rebuild_Fonts(636, 438);
    }

    void Games_Page_Shows_Only_Its_Background_Without_A_Game() {
        PageView view;
        Set_Game_State(GS_GAMES_GAME, -1);
        QImage empty = Compose(view, PAGE_GAMES, 636, 438);
        Set_Game_State(GS_GAMES_GAME, 2);
        view.Forget_Page();
        QImage shown = view.grab().toImage();
        QVERIFY(empty != shown);
        Set_Game_State(GS_GAMES_GAME, 3); // a blank record shows nothing either
        view.Forget_Page();
        QCOMPARE(view.grab().toImage(), empty);
    }

    void Games_Navigation_And_Scrolling_By_Click() {
        PageView view;
        Set_Game_State(GS_GAMES_GAME, 0);
        Compose(view, PAGE_GAMES, 1272, 876);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 290, 92)); // "Game >"
        QCOMPARE(Get_Game_State(GS_GAMES_GAME), 1);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 365, 92)); // "Week >"
        QCOMPARE(Get_Game_State(GS_GAMES_GAME), 2);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 365, 92)); // no later week
        QCOMPARE(Get_Game_State(GS_GAMES_GAME), 2);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 610, 420)); // scroll down
        QCOMPARE(Get_Game_State(GS_GAMES_SCROLL), 14);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 610, 268)); // and up
        QCOMPARE(Get_Game_State(GS_GAMES_SCROLL), 0);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 50, 92)); // "< Week"
        QCOMPARE(Get_Game_State(GS_GAMES_GAME), 0);
        Rebuild_Fonts(636, 438);
    }

    void Games_Wheel_Scrolls_The_Play_By_Play() {
        PageView view;
        Set_Game_State(GS_GAMES_GAME, 2);
        Set_Game_State(GS_GAMES_SCROLL, 0);
        Compose(view, PAGE_GAMES, 1272, 876);
        auto Wheel = [&view](int x, int y, int nAngle) {
            QPointF at = At(view, x, y);
            QWheelEvent event(at, view.mapToGlobal(at), QPoint(), QPoint(0, nAngle), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&view, &event);
        };
        Wheel(300, 350, -120);  // one notch towards the later plays
        int nOneNotch = Get_Game_State(GS_GAMES_SCROLL);
        QVERIFY(nOneNotch > 0);
        Wheel(300, 350, -60);  // half a notch moves nothing yet
        QCOMPARE(Get_Game_State(GS_GAMES_SCROLL), nOneNotch);
        Wheel(300, 350, -60);
        QVERIFY(Get_Game_State(GS_GAMES_SCROLL) > nOneNotch);
        for (int i = 0; i < 200; i++) Wheel(300, 350, -120);
        int nEnd = Get_Game_State(GS_GAMES_SCROLL);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 610, 420));  // the arrow agrees it is the end
        QCOMPARE(Get_Game_State(GS_GAMES_SCROLL), nEnd);
        Wheel(300, 150, 120);  // over the statistics: nothing to scroll there
        QCOMPARE(Get_Game_State(GS_GAMES_SCROLL), nEnd);
        for (int i = 0; i < 200; i++) Wheel(300, 350, 120);
        QCOMPARE(Get_Game_State(GS_GAMES_SCROLL), 0);
        Rebuild_Fonts(636, 438);
    }

    void Games_Command_Opens_On_The_Latest_Game_Or_Explains() {
        MainWindow window;
        Set_Game_State(GS_CURRENT_PAGE, PAGE_LEADERS);
        Set_Game_State(GS_USER_TEAM, 3); // team 3 played only game 1
        QVERIFY(window.Do_Command(PAGE_GAMES));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), PAGE_GAMES);
        QCOMPARE(Get_Game_State(GS_GAMES_GAME), 1);
        QCOMPARE(Headless_Notices().size(), size_t(1)); // its file is missing
        QCOMPARE(QString::fromStdString(Headless_Notices()[0].title), QString("Error"));
        Make_League();
        Headless_Reset();
        for (int i = 0; i < 3; i++)
            memset(Get_Game_Record(i), 0, sizeof(GameRecord));
        Set_Game_State(GS_CURRENT_PAGE, PAGE_CALENDAR);
        QVERIFY(window.Do_Command(PAGE_GAMES));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), PAGE_CALENDAR);
        QCOMPARE(QString::fromStdString(Headless_Notices()[0].title), QString("No Games Played"));
    }

    void Heading_Clicks_Open_Their_Dialogs() {
        PageView view;
        Compose(view, PAGE_CALENDAR, 636, 438);
        QString szTitle;
        Answer_Next_Dialog(5, &szTitle);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 370 + 65 * 2 + 30, 70));
        QCOMPARE(szTitle, QString("Schedule Stat"));
        QCOMPARE(Calendar_Column_Stat(2), 5);
        Answer_Next_Dialog(3, &szTitle);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 540, 15));
        QCOMPARE(szTitle, QString("Other Team"));
        QCOMPARE(Calendar_Team(), 3);

        Compose(view, PAGE_LEADERS, 636, 438);
        Answer_Next_Dialog(LC_PASS_YARDS, &szTitle);
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 400, 260)); // the fourth box
        QCOMPARE(szTitle, QString("Leader Heading"));
        QCOMPARE(Leader_Box_Category(3), int(LC_PASS_YARDS));
        QCOMPARE(Leader_Box_Category(0), 0);
        Answer_Next_Dialog(-1, &szTitle); // cancelled: nothing changes
        QTest::mouseClick(&view, Qt::LeftButton, {}, At(view, 100, 70));
        QCOMPARE(Leader_Box_Category(0), 0);
    }
};

QTEST_MAIN(StatisticsPagesTest)
#include "test_statistics_pages.moc"
