// The New Game dialog: the franchise, the manager, the difficulty and the
// options that turn the default league into another one.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "commands/game_commands.h"
#include "commands/new_game.h"
#include "finance/budget_dialogs.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/qt_platform.h"

namespace {
const char* const OPTION_TEXTS[NUMBER_OF_NEW_GAME_OPTIONS] = {"Shuffle Players", "Random Players", "Equalize Cities",
                                                              "Simulation Mode", "Fantasy Draft"};
const char* const OPTION_OBJECTS[NUMBER_OF_NEW_GAME_OPTIONS] = {"shuffle", "random", "equalize", "simulation",
                                                                "fantasy"};

struct NewGameWidgets {
    QLineEdit* pNickname;
    QLabel* apProfile[6];
    QCheckBox* apOption[NUMBER_OF_NEW_GAME_OPTIONS];
};

void Show_Team(const NewGameForm& form, NewGameWidgets& widgets) {
    widgets.pNickname->setText(QString::fromStdString(form.szNickname));
    FranchiseProfile profile;
    Get_Franchise_Profile(form.nTeam, &profile);
    const char* aszLines[6] = {profile.szFanBase,  profile.szLoyalty,  profile.szIncome,
                               profile.szValue,    profile.szCapacity, profile.szPayroll};
    for (int i = 0; i < 6; i++) widgets.apProfile[i]->setText(QString::fromUtf8(aszLines[i]));
}

void Show_Options(const NewGameForm& form, NewGameWidgets& widgets) {
    for (int i = 0; i < NUMBER_OF_NEW_GAME_OPTIONS; i++) {
        QSignalBlocker block(widgets.apOption[i]);
        widgets.apOption[i]->setChecked(form.abOption[i]);
    }
}

int Run_New_Game(QWidget* pOwner) {
    NewGameForm form;
    std::unique_ptr<LeagueDatabase> pKept = Keep_League();
    if (!Open_New_Game_Page(&form)) return DIALOG_CANCELLED;
    QDialog dialog(pOwner);
    NewGameWidgets widgets;
    QVBoxLayout* pLayout = Dialog_Layout(dialog, "New Game");
    QFormLayout* pFields = new QFormLayout;
    QComboBox* pTeams = new QComboBox(&dialog);
    pTeams->setObjectName("team");
    for (const std::string& szTeam : New_Game_Team_List()) pTeams->addItem(QString::fromStdString(szTeam));
    pTeams->setCurrentIndex(form.nTeam);
    pFields->addRow("Team:", pTeams);
    widgets.pNickname = new QLineEdit(&dialog);
    widgets.pNickname->setObjectName("nickname");
    widgets.pNickname->setMaxLength(NICKNAME_LIMIT);
    pFields->addRow("Nickname:", widgets.pNickname);
    QLineEdit* pManager = new QLineEdit(QString::fromStdString(form.szManager), &dialog);
    pManager->setObjectName("manager");
    pManager->setMaxLength(MANAGER_NAME_LIMIT);
    pFields->addRow("Vantor Name:", pManager);
    QComboBox* pDifficulty = new QComboBox(&dialog);
    pDifficulty->setObjectName("difficulty");
    for (const std::string& szLevel : New_Game_Difficulty_Names()) pDifficulty->addItem(QString::fromStdString(szLevel));
    pDifficulty->setCurrentIndex(form.nDifficulty);
    pFields->addRow("Difficulty Level:", pDifficulty);
    pLayout->addLayout(pFields);

    QGroupBox* pFranchise = new QGroupBox("Franchise", &dialog);
    QVBoxLayout* pProfile = new QVBoxLayout(pFranchise);
    for (QLabel*& pLine : widgets.apProfile) pProfile->addWidget(pLine = new QLabel(pFranchise));
    widgets.apProfile[0]->setObjectName("fanbase");
    pLayout->addWidget(pFranchise);

    QGroupBox* pOptions = new QGroupBox("Options", &dialog);
    QVBoxLayout* pOptionList = new QVBoxLayout(pOptions);
    for (int i = 0; i < NUMBER_OF_NEW_GAME_OPTIONS; i++) {
        QCheckBox* pBox = widgets.apOption[i] = new QCheckBox(OPTION_TEXTS[i], pOptions);
        pBox->setObjectName(OPTION_OBJECTS[i]);
        pBox->setEnabled(New_Game_Option_Available(i));
        pOptionList->addWidget(pBox);
        QObject::connect(pBox, &QCheckBox::toggled, &dialog, [&form, &widgets, i](bool bChecked) {
            Set_New_Game_Option(&form, i, bChecked);
            Show_Options(form, widgets);
        });
    }
    pLayout->addWidget(pOptions);
    Show_Team(form, widgets);
    Show_Options(form, widgets);

    QObject::connect(pTeams, &QComboBox::currentIndexChanged, &dialog, [&form, &widgets](int nIndex) {
        if (nIndex < 0) return;
        Choose_New_Game_Team(&form, (TNUM)nIndex);
        Show_Team(form, widgets);
    });
    QObject::connect(widgets.pNickname, &QLineEdit::textEdited, &dialog,
                     [&form](const QString& szText) { form.szNickname = szText.toStdString(); });
    QObject::connect(pManager, &QLineEdit::textEdited, &dialog,
                     [&form](const QString& szText) { form.szManager = szText.toStdString(); });
    QObject::connect(pDifficulty, &QComboBox::currentIndexChanged, &dialog,
                     [&form](int nIndex) { form.nDifficulty = nIndex; });

    QDialogButtonBox* pButtons = Ok_Cancel_Help(&dialog, "newgame");
    pButtons->button(QDialogButtonBox::Ok)->setText("&Play");
    QObject::disconnect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, [&dialog, &form] {
        if (!Play_New_Game(form)) return;
        if (MainWindow* pWindow = qobject_cast<MainWindow*>(Main_Window_Widget())) {
            pWindow->Show_Page(PAGE_STANDINGS);
            pWindow->Refresh_Title();
        }
        dialog.done(DIALOG_OK);
    });
    pLayout->addWidget(pButtons);
    int nResult = dialog.exec();
    if (nResult == DIALOG_OK) return DIALOG_OK;
    if (pKept) {
        Restore_Kept_League(*pKept);
        if (MainWindow* pWindow = qobject_cast<MainWindow*>(Main_Window_Widget())) pWindow->Show_Loaded_Game();
    }
    return DIALOG_CANCELLED;
}
}  // namespace

void Register_New_Game_Dialog() { Register_Dialog(DIALOG_NEW_GAME, Run_New_Game); }
