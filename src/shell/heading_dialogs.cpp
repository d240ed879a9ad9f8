#include "shell/heading_dialogs.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "database/text_format.h"
#include "reports/calendar_page.h"
#include "reports/leaders.h"

namespace {
// A dialog with a list to choose from above OK and Cancel; a double click is OK.
struct ListDialog {
    QDialog dialog;
    QVBoxLayout* pLayout;
    QListWidget* pList;

    ListDialog(QWidget* pOwner, const char* szTitle, const QStringList& items, int nChosen) : dialog(pOwner) {
        dialog.setWindowTitle(szTitle);
        pLayout = new QVBoxLayout(&dialog);
        pList = new QListWidget(&dialog);
        pList->addItems(items);
        pList->setCurrentRow(nChosen);
        pLayout->addWidget(pList);
        QObject::connect(pList, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    }
    int Run() {
        QDialogButtonBox* pButtons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        pLayout->addWidget(pButtons);
        return dialog.exec() == QDialog::Accepted ? 1 : 0;
    }
};

// A row of radio buttons; the group's ids are the choices' indices.
QButtonGroup* Add_Choices(ListDialog& list, const char* szTitle, const QStringList& choices, int nChosen) {
    QGroupBox* pBox = new QGroupBox(szTitle, &list.dialog);
    QHBoxLayout* pRow = new QHBoxLayout(pBox);
    QButtonGroup* pGroup = new QButtonGroup(pBox);
    for (int i = 0; i < choices.size(); i++) {
        QRadioButton* pButton = new QRadioButton(choices[i], pBox);
        pButton->setChecked(i == nChosen);
        pGroup->addButton(pButton, i);
        pRow->addWidget(pButton);
    }
    list.pLayout->addWidget(pBox);
    return pGroup;
}
} // namespace

int Run_Leader_Heading(QWidget* pOwner) {
    LeaderHeadingDialog choice;
    Open_Leader_Heading(Leader_Heading_Box(), &choice);
    QStringList categories;
    for (int i = 0; i < NUMBER_OF_LEADER_CATEGORIES; i++)
        categories << Leader_Category_Name(i);
    ListDialog list(pOwner, "Leader Heading", categories, choice.nCategory);
    char szText[TEXT_SIZE];
    QStringList conferences;
    for (int i = 0; i < BOTH_CONFERENCES; i++) {
        Get_Conference_Label(i, szText);
        conferences << szText;
    }
    conferences << "Both Conferences";
    QButtonGroup* pConference = Add_Choices(list, "Conference", conferences, choice.nConference);
    QStringList periods;
    for (int i = 0; i < NUMBER_OF_LEADER_PERIODS; i++) {
        Get_Stat_Period_Name(i, szText);
        periods << szText;
    }
    QButtonGroup* pPeriod = Add_Choices(list, "Period", periods, choice.nPeriod);
    if (!list.Run()) return 0;
    choice.nCategory = list.pList->currentRow();
    choice.nConference = pConference->checkedId();
    choice.nPeriod = pPeriod->checkedId();
    Apply_Leader_Heading(&choice);
    return 1;
}

int Run_Schedule_Stat(QWidget* pOwner) {
    ScheduleStatDialog choice;
    Open_Schedule_Stat(Schedule_Stat_Column(), &choice);
    QStringList stats;
    for (int i = 0; i < NUMBER_OF_CALENDAR_STATS; i++)
        stats << QString(Calendar_Stat_Name(i)).replace('\n', ' ');
    ListDialog list(pOwner, "Schedule Stat", stats, choice.nStat);
    if (!list.Run()) return 0;
    choice.nStat = list.pList->currentRow();
    Apply_Schedule_Stat(&choice);
    return 1;
}

int Run_Other_Team(QWidget* pOwner) {
    OtherTeamDialog choice;
    Open_Other_Team(&choice);
    QStringList teams;
    for (int i = 0; i < choice.nTeams; i++)
        teams << choice.aszName[i];
    ListDialog list(pOwner, "Other Team", teams, choice.nChosen);
    if (!list.Run()) return 0;
    choice.nChosen = list.pList->currentRow();
    Apply_Other_Team(&choice);
    return 1;
}
