// The Offense, Defense and Special Teams windows: one side of the person's
// roster in the player table, the depth order changed by dragging a player
// onto another of his position or with Move Up / Move Down, the automatic
// button, and in Special Teams the returners. Cancel puts back everything
// but a release, which the person has been asked about.
#pragma once
#include <QDialog>

#include "commands/depth_dialog.h"

class PlayerTable;
class QComboBox;
class QLabel;
class QPushButton;

class DepthWindow : public QDialog {
    Q_OBJECT
  public:
    DepthWindow(QWidget* pOwner, TNUM nTeam, int nSide);
    PlayerTable* Table() const { return m_pTable; }
    void reject() override;

  private:
    DepthDialog m_Dialog;
    PlayerTable* m_pTable;
    QPushButton* m_pUp;
    QPushButton* m_pDown;
    QPushButton* m_pAuto = nullptr;
    QPushButton* m_pPosition = nullptr;
    QPushButton* m_pRelease;
    QComboBox* m_apReturner[2] = {};
    QComboBox* m_pPeriod = nullptr;
    void Refresh();
    void Refresh_Buttons();
    void Refresh_Returners();
    void Move(int nSteps);
    void Release();
};

void Register_Depth_Dialogs();  // Offense, Defense, Special Teams
