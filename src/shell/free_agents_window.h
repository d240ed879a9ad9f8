// The Free Agents window: the pool in the player table, the signing team's
// roster count, cap room, needs and payroll beside it, and Sign, which runs
// the contract negotiation for the chosen player.
#pragma once
#include <QDialog>

#include "database/league_database.h"

class PlayerTable;
class QLabel;
class QPushButton;

class FreeAgentsWindow : public QDialog {
    Q_OBJECT
  public:
    FreeAgentsWindow(QWidget* pOwner, TNUM nTeam);
    PlayerTable* Table() const { return m_pTable; }

  private:
    TNUM m_nTeam;
    PlayerTable* m_pTable;
    QLabel* m_pRosterCount;
    QLabel* m_pCapRoom;
    QLabel* m_pTeamSeeking;
    QLabel* m_pPlayerSeeking;
    QLabel* m_pPayroll;
    QPushButton* m_pSign;
    void Refresh_Lines();
    void Sign();
};

void Register_Free_Agents_Window();
