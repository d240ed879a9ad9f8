// The Budget menu's dialogs on the offscreen platform, for the team in
// game-state entry 28.
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "database/league_database.h"
#include "database/team.h"
#include "modal_driver.h"

namespace {
// Two franchises: 0 the user's, 1 the computer's.
void Make_League() {
    Clear_League();
    Set_Game_State(GS_DRAFT_ROUND, 7);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = TEAM_NOT_IN_USE;
    for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
        g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = nTeam == 0 ? HUMAN_MANAGED : COMPUTER_MANAGED;
        Set_Team_String(nTeam == 0 ? "Halden" : "Marrow", nTeam, TS_CITY);
        Set_Team_String("Hawks", nTeam, TS_NICKNAME);
        g_League.aTeams[nTeam].data.anFinancial[FIN_TICKET_PRICE] = 2500;  // ticket price
        g_League.aTeams[nTeam].data.anFinancial[FIN_BEER_PRICE] = 350;  // beer
        g_League.aTeams[nTeam].data.anFinancial[FIN_SCOUTING_BUDGET] = 120000;
    }
    Count_Teams();
}

QString Price_Text(QWidget* pDialog, const char* szName) {
    return Child<QAbstractSpinBox>(pDialog, szName)->findChild<QLineEdit*>()->text();
}
}  // namespace

class BudgetDialogsTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() { m_Bench.Start(); }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() { Make_League(); }

    void Tickets_Spin_By_Dollars_And_Store_On_Ok() {
        QString szOpened, szAfterSpin, szTitle;
        On_Modal("", [&](QWidget* pDialog) {
            szTitle = pDialog->windowTitle();
            QAbstractSpinBox* pPrice = Child<QAbstractSpinBox>(pDialog, "price");
            szOpened = Price_Text(pDialog, "price");
            pPrice->stepBy(2);
            szAfterSpin = Price_Text(pDialog, "price");
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_TICKETS), 1);
        QCOMPARE(szTitle, QString("Tickets - Halden Hawks"));
        QCOMPARE(szOpened, QString("25.00"));
        QCOMPARE(szAfterSpin, QString("27.00"));
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_TICKET_PRICE], 2700);

        // A typed price counts without leaving the box; Cancel stores nothing.
        On_Modal("", [&](QWidget* pDialog) {
            Child<QAbstractSpinBox>(pDialog, "price")->findChild<QLineEdit*>()->setText("40.75");
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_TICKETS), 1);
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_TICKET_PRICE], 4000);
        On_Modal("", [&](QWidget* pDialog) {
            Child<QAbstractSpinBox>(pDialog, "price")->stepBy(5);
            Button(pDialog, "Cancel")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_TICKETS), 2);
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_TICKET_PRICE], 4000);
    }

    void Another_Teams_Budget_Is_Read_Only() {
        Set_Game_State(GS_USER_TEAM, 1);
        bool bEnabled = true;
        On_Modal("", [&](QWidget* pDialog) {
            bEnabled = Child<QAbstractSpinBox>(pDialog, "beer")->isEnabled();
            Child<QAbstractSpinBox>(pDialog, "beer")->stepBy(4);
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_CONCESSIONS), 1);
        QVERIFY(!bEnabled);
        QCOMPARE(g_League.aTeams[1].data.anFinancial[FIN_BEER_PRICE], 350);
    }

    void Concessions_Spin_By_Quarters() {
        On_Modal("", [&](QWidget* pDialog) {
            Child<QAbstractSpinBox>(pDialog, "beer")->stepBy(-2);
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_CONCESSIONS), 1);
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_BEER_PRICE], 300);
    }

    void Broadcast_Choice_Changes_Text_And_Policy() {
        QString szDescription;
        On_Modal("", [&](QWidget* pDialog) {
            Child<QRadioButton>(pDialog, "policy2")->click();
            for (QLabel* pLabel : pDialog->findChildren<QLabel*>())
                if (pLabel->text().startsWith("Blacking out")) szDescription = pLabel->text();
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_BROADCAST), 1);
        QVERIFY(!szDescription.isEmpty());
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_BROADCAST_POLICY], 2);
    }

    void Expenses_Spin_By_Ten_Thousand() {
        On_Modal("", [&](QWidget* pDialog) {
            Child<QAbstractSpinBox>(pDialog, "scouting")->stepBy(3);
            Child<QAbstractSpinBox>(pDialog, "medical")->stepBy(-1);  // never below 0
            Button(pDialog, "OK")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_EXPENSES), 1);
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_SCOUTING_BUDGET], 150000);
        QCOMPARE(g_League.aTeams[0].data.anFinancial[FIN_MEDICAL_BUDGET], 0);
    }

    // The highest price of every box shows whole, the cursor's room included.
    void Price_Boxes_Show_Their_Highest_Price_Whole() {
        struct Boxes {
            int nDialog;
            QStringList names;
        };
        const Boxes DIALOGS[] = {{DIALOG_TICKETS, {"price"}},
                                 {DIALOG_CONCESSIONS, {"beer", "food", "souvenirs"}},
                                 {DIALOG_EXPENSES, {"scouting", "medical"}}};
        for (const Boxes& boxes : DIALOGS) {
            QStringList problems;
            On_Modal("", [&](QWidget* pDialog) {
                for (const QString& szName : boxes.names) {
                    QAbstractSpinBox* pBox = Child<QAbstractSpinBox>(pDialog, qPrintable(szName));
                    pBox->stepBy(1000000);  // held at the highest price
                    QLineEdit* pEdit = pBox->findChild<QLineEdit*>();
                    int nNeeded = pEdit->fontMetrics().horizontalAdvance(pEdit->text());
                    if (pEdit->text().size() < 4 || pEdit->contentsRect().width() <= nNeeded)
                        problems << QString("%1 \"%2\" needs %3 has %4")
                                        .arg(szName, pEdit->text())
                                        .arg(nNeeded)
                                        .arg(pEdit->contentsRect().width());
                }
                Button(pDialog, "Cancel")->click();
            });
            Do_Dialog(nullptr, boxes.nDialog);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
        }
    }

    void No_Team_Opens_Nothing() {
        Set_Game_State(GS_USER_TEAM, 5);  // not in use
        for (int idDialog : {DIALOG_TICKETS, DIALOG_CONCESSIONS, DIALOG_BROADCAST, DIALOG_EXPENSES})
            QCOMPARE(Do_Dialog(nullptr, idDialog), 2);
    }
};

QTEST_MAIN(BudgetDialogsTest)
#include "test_budget_dialogs.moc"
