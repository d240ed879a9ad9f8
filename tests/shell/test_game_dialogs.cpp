// The Game, Team and Tools dialogs on the offscreen platform: Save Game,
// Resume Game, the leave-game check, Options, Injury Contingency, Notes.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTest>

#include "commands/database_notes.h"
#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "modal_driver.h"
#include "shell/command_table.h"

class GameDialogsTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

    void Remove_Saved_Games() {
        for (const QString& szFile : QDir().entryList({"*.vtr"}, QDir::Files)) QFile::remove(szFile);
    }

  private slots:
    void initTestCase() { m_Bench.Start(); }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        Clear_League();
        Set_Game_State(GS_DRAFT_ROUND, 7);
        Clear_Stop_Request();
        Remove_Saved_Games();
        Rebuild_Fame_File();
        Copy_Field(g_League.szGameName, 256, "Dynasty");
    }

    void Save_Then_Resume_Through_The_Dialogs() {
        Set_Game_State(GS_CURRENT_WEEK, 6);
        QString szShownName;
        On_Modal("Save Game", [&](QWidget* pDialog) {
            QLineEdit* pName = Child<QLineEdit>(pDialog, "name");
            szShownName = pName->text();
            pName->setText("First");
            Button(pDialog, "&Save")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_SAVE_GAME), 1);
        QCOMPARE(szShownName, QString("Dynasty"));
        QVERIFY(QFile::exists("First.vtr"));
        QCOMPARE(QString(g_League.szGameName), QString("First"));

        // The same name again: the overwrite question; Cancel keeps the dialog open.
        QList<SeenBox> seen;
        On_Modal("Save Game", [&](QWidget* pDialog) {
            Answer_Box(QMessageBox::Cancel, &seen);
            Button(pDialog, "&Save")->click();
            QVERIFY(pDialog->isVisible());
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_SAVE_GAME), 2);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Filename in use"));
        QCOMPARE(seen[0].szText, QString("A saved game with that name already exists. Overwrite?"));

        Set_Game_State(GS_CURRENT_WEEK, 9);
        Set_Game_State(GS_RATING_VALID, 1);
        QString szSelected;
        On_Modal("Resume Game", [&](QWidget* pDialog) {
            szSelected = Child<QListWidget>(pDialog, "games")->currentItem()->text();
            Button(pDialog, "&Resume")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_RESUME_GAME), 1);
        QCOMPARE(szSelected, QString("First"));
        QCOMPARE(Current_Week(), 6);
        QCOMPARE(Get_Game_State(GS_RATING_VALID), 0);
        QVERIFY(m_pWindow->windowTitle().endsWith("Week 7"));
    }

    void A_Bad_Name_Keeps_The_Save_Dialog_Open() {
        QList<SeenBox> seen;
        On_Modal("Save Game", [&](QWidget* pDialog) {
            Child<QLineEdit>(pDialog, "name")->setText("../Outside");
            Answer_Box(QMessageBox::Ok, &seen);
            Button(pDialog, "&Save")->click();
            QVERIFY(pDialog->isVisible());
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_SAVE_GAME), 2);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("File Open Error"));
        QVERIFY(!QFile::exists("../Outside.vtr"));
        QCOMPARE(QString(g_League.szGameName), QString("Dynasty"));
    }

    void Resume_Without_Games_And_Deleting() {
        QList<SeenBox> seen;
        Answer_Box(QMessageBox::Ok, &seen);
        QCOMPARE(Do_Dialog(nullptr, DIALOG_RESUME_GAME), 2);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("No games to resume"));

        QFile("One.vtr").open(QIODevice::WriteOnly);
        QFile("Two.vtr").open(QIODevice::WriteOnly);
        int nLeft = -1;
        On_Modal("Resume Game", [&](QWidget* pDialog) {
            QListWidget* pList = Child<QListWidget>(pDialog, "games");
            pList->setCurrentRow(0);
            Answer_Box(QMessageBox::Yes, &seen);
            Button(pDialog, "&Delete")->click();
            nLeft = pList->count();
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_RESUME_GAME), 2);
        QCOMPARE(nLeft, 1);
        QCOMPARE(seen.last().szText, QString("Are you sure you want to delete 'One.vtr'?"));
        QVERIFY(!QFile::exists("One.vtr"));
        QVERIFY(QFile::exists("Two.vtr"));
    }

    // Resume with a changed game: asked to save, the Save dialog saves, then Resume opens.
    void Leaving_A_Changed_Game_Saves_It_First() {
        QFile("Other.vtr").open(QIODevice::WriteOnly);
        Set_Game_State(GS_CURRENT_WEEK, 4);
        QList<SeenBox> seen;
        QStringList dialogs;
        Answer_Box(QMessageBox::Yes, &seen);
        On_Modal("Save Game", [&](QWidget* pDialog) {
            dialogs << pDialog->windowTitle();
            Button(pDialog, "&Save")->click();
        });
        On_Modal("Resume Game", [&](QWidget* pDialog) {
            dialogs << pDialog->windowTitle();
            Button(pDialog, "Cancel")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_RESUME_GAME));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Game Not Saved"));
        QCOMPARE(dialogs, QStringList({"Save Game", "Resume Game"}));
        QVERIFY(QFile::exists("Dynasty.vtr"));

        // Cancelling the Save dialog stays in the game: Resume does not open.
        Set_Game_State(GS_CURRENT_WEEK, 5);
        dialogs.clear();
        Answer_Box(QMessageBox::Yes, &seen);
        On_Modal("Save Game", [&](QWidget* pDialog) {
            dialogs << pDialog->windowTitle();
            Button(pDialog, "Cancel")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_RESUME_GAME));
        QCOMPARE(dialogs, QStringList({"Save Game"}));
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void Options_Store_Every_Switch() {
        Set_Game_State(GS_RATING_VALID, 1);
        QList<SeenBox> seen;
        bool bCommissionerAfterNo = true;
        On_Modal("Options", [&](QWidget* pDialog) {
            Answer_Box(QMessageBox::No, &seen);
            Child<QCheckBox>(pDialog, "commissioner")->click();
            bCommissionerAfterNo = Child<QCheckBox>(pDialog, "commissioner")->isChecked();
            for (const char* szBox : {"trades", "sound", "autosave", "standings", "finances"})
                Child<QCheckBox>(pDialog, szBox)->click();
            Child<QCheckBox>(pDialog, "update")->click();
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_OPTIONS), 1);
        QVERIFY(!bCommissionerAfterNo);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szText, QString("This will invalidate your Vantor Rating. Continue?"));
        QCOMPARE(Get_Game_State(GS_COMMISSIONER), 0);
        QCOMPARE(Get_Game_State(GS_RATING_VALID), 1);
        for (int nEntry : {GS_COMPUTER_TRADES, GS_SOUND, GS_AUTOSAVE, GS_TEXT_STANDINGS, GS_TEXT_FINANCES})
            QCOMPARE(Get_Game_State(nEntry), 1);
        QCOMPARE(Get_Game_State(GS_TEXT_AWARDS), 0);
        QCOMPARE(Get_Fame_Setting(FS_UPDATE_SWITCH), FS_NO_UPDATE_CHECK);

        // Cancel changes nothing, even after agreeing to lose the rating.
        On_Modal("Options", [&](QWidget* pDialog) {
            Answer_Box(QMessageBox::Yes, &seen);
            Child<QCheckBox>(pDialog, "commissioner")->click();
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_OPTIONS), 2);
        QCOMPARE(Get_Game_State(GS_COMMISSIONER), 0);
        QCOMPARE(Get_Game_State(GS_RATING_VALID), 1);
    }

    void Injury_Contingency_Sets_Entry_55() {
        bool bEnabledAtOpen = true, bEnabledAfterCheck = false;
        QString szWeeks;
        On_Modal("Injury Contingency", [&](QWidget* pDialog) {
            QLineEdit* pWeeks = Child<QLineEdit>(pDialog, "weeks");
            szWeeks = pWeeks->text();
            bEnabledAtOpen = pWeeks->isEnabled();
            Child<QCheckBox>(pDialog, "stop")->click();
            bEnabledAfterCheck = pWeeks->isEnabled();
            pWeeks->setText("6");
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_INJURY_CONTINGENCY), 1);
        QCOMPARE(szWeeks, QString("4"));
        QVERIFY(!bEnabledAtOpen);
        QVERIFY(bEnabledAfterCheck);
        QCOMPARE(Get_Game_State(GS_INJURY_CONTINGENCY), 6);

        On_Modal("Injury Contingency", [&](QWidget* pDialog) {
            Child<QCheckBox>(pDialog, "stop")->click();
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_INJURY_CONTINGENCY), 2);
        QCOMPARE(Get_Game_State(GS_INJURY_CONTINGENCY), 6);
    }

    void Database_Notes_Are_Kept_With_The_League() {
        On_Modal("Database Notes", [&](QWidget* pDialog) {
            Child<QPlainTextEdit>(pDialog, "notes")->setPlainText("Keeper league.\nSecond line.");
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_DATABASE_NOTES), 1);
        QCOMPARE(QString(g_League.szNotes), QString("Keeper league.\nSecond line."));
        QString szShown;
        On_Modal("Database Notes", [&](QWidget* pDialog) {
            szShown = Child<QPlainTextEdit>(pDialog, "notes")->toPlainText();
            Child<QPlainTextEdit>(pDialog, "notes")->setPlainText("gone");
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_DATABASE_NOTES), 2);
        QCOMPARE(szShown, QString("Keeper league.\nSecond line."));
        QCOMPARE(QString(g_League.szNotes), QString("Keeper league.\nSecond line."));
    }

    void Database_Notes_Stop_At_The_Limit() {
        QString szCount, szStored;
        On_Modal("Database Notes", [&](QWidget* pDialog) {
            QPlainTextEdit* pNotes = Child<QPlainTextEdit>(pDialog, "notes");
            pNotes->setFocus();
            pNotes->setPlainText(QString(MAXIMUM_NOTES_LENGTH - 2, 'n'));
            pNotes->moveCursor(QTextCursor::End);
            QTest::keyClicks(pNotes, "xyzzy");
            for (QLabel* pLabel : pDialog->findChildren<QLabel*>())
                if (pLabel->text().endsWith(" characters")) szCount = pLabel->text();
            szStored = pNotes->toPlainText();
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_DATABASE_NOTES), 1);
        QCOMPARE(szCount, QString("%1 of %1 characters").arg(MAXIMUM_NOTES_LENGTH));
        QCOMPARE(szStored, QString(MAXIMUM_NOTES_LENGTH - 2, 'n') + "xy");
        QCOMPARE(QString(g_League.szNotes), szStored);
    }

    void Every_Dialog_Of_This_Work_Is_Live() {
        m_pWindow->Refresh_Menus();
        for (int idCommand : {CMD_NEW_GAME, CMD_RESUME_GAME, CMD_SAVE_GAME, CMD_DATABASE_NOTES, CMD_INJURY_CONTINGENCY,
                              CMD_OPTIONS, CMD_TICKETS, CMD_CONCESSIONS, CMD_BROADCAST, CMD_EXPENSES})
            QVERIFY2(m_pWindow->Command_Action(idCommand)->isEnabled(), QByteArray::number(idCommand));
    }
};

QTEST_MAIN(GameDialogsTest)
#include "test_game_dialogs.moc"
