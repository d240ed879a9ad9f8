// Save Game and Resume Game: the saved games of the game folder.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/saved_game_dialogs.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "platform/platform.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/qt_platform.h"

namespace {
// The dialog that asked for the save goes once the file is open; the progress window follows.
QPointer<QDialog> g_pSaving;
void Hide_Save_Dialog() {
    if (g_pSaving) g_pSaving->hide();
}

QListWidget* Saved_Game_List(const std::vector<SavedGameFile>& files, QWidget* pParent) {
    QListWidget* pList = new QListWidget(pParent);
    pList->setObjectName("games");
    for (const SavedGameFile& file : files) {
        QListWidgetItem* pItem = new QListWidgetItem(QString::fromStdString(Saved_Game_Stem(file.szName)), pList);
        pItem->setData(Qt::UserRole, QString::fromStdString(file.szName));
    }
    return pList;
}

QDialogButtonBox* Buttons(QDialog* pDialog, const char* szConfirm, const char* szHelpTopic) {
    QDialogButtonBox* pButtons = Ok_Cancel_Help(pDialog, szHelpTopic);
    pButtons->button(QDialogButtonBox::Ok)->setText(szConfirm);
    // The confirm button does the work and closes the dialog itself.
    QObject::disconnect(pButtons, &QDialogButtonBox::accepted, pDialog, &QDialog::accept);
    return pButtons;
}

int Run_Save_Game(QWidget* pOwner) {
    QDialog dialog(pOwner);
    QVBoxLayout* pLayout = Dialog_Layout(dialog, "Save Game");
    pLayout->addWidget(new QLabel("Saved Games:", &dialog));
    QListWidget* pList = Saved_Game_List(Saved_Game_Files(), &dialog);
    pLayout->addWidget(pList);
    pLayout->addWidget(new QLabel("Game Name:", &dialog));
    QLineEdit* pName = new QLineEdit(QString::fromStdString(Save_Dialog_Initial_Name()), &dialog);
    pName->setObjectName("name");
    pName->setMaxLength(sizeof g_League.szGameName - 1);
    pLayout->addWidget(pName);
    // Only a game the user picks names the save: focusing the list makes its first row current.
    auto Pick = [pName](QListWidgetItem* pItem) { pName->setText(pItem->text()); };
    QObject::connect(pList, &QListWidget::itemClicked, pName, Pick);
    QObject::connect(pList, &QListWidget::itemActivated, pName, Pick);
    QDialogButtonBox* pButtons = Buttons(&dialog, "&Save", "savegame");
    pLayout->addWidget(pButtons);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, [&dialog, pName] {
        g_pSaving = &dialog;
        bool bSaved = Save_Game_As(pName->text().toUtf8().constData(), Hide_Save_Dialog);
        g_pSaving = nullptr;
        // Refused before the file was opened, the dialog stays for another name.
        if (bSaved)
            dialog.done(DIALOG_OK);
        else if (dialog.isHidden())
            dialog.done(DIALOG_CANCELLED);
    });
    int nResult = dialog.exec();
    return nResult == DIALOG_OK ? DIALOG_OK : DIALOG_CANCELLED;
}

int Run_Resume_Game(QWidget* pOwner) {
    std::vector<SavedGameFile> files = Saved_Game_Files();
    if (!Resume_Dialog_Can_Open(files)) return DIALOG_CANCELLED;
    QDialog dialog(pOwner);
    QVBoxLayout* pLayout = Dialog_Layout(dialog, "Resume Game");
    QListWidget* pList = Saved_Game_List(files, &dialog);
    pList->setCurrentRow(Resume_Preselection(files));
    pLayout->addWidget(pList);
    QDialogButtonBox* pButtons = Buttons(&dialog, "&Resume", "resumegame");
    QPushButton* pDelete = pButtons->addButton("&Delete", QDialogButtonBox::ActionRole);
    pDelete->setObjectName("delete");
    pLayout->addWidget(pButtons);
    auto Chosen = [pList] {
        QListWidgetItem* pItem = pList->currentItem();
        return pItem ? pItem->data(Qt::UserRole).toString().toUtf8() : QByteArray();
    };
    auto Resume = [&dialog, Chosen] {
        QByteArray szFile = Chosen();
        if (szFile.isEmpty() || !Resume_Saved_Game(szFile.constData())) return;
        if (MainWindow* pWindow = qobject_cast<MainWindow*>(Main_Window_Widget())) pWindow->Show_Loaded_Game();
        dialog.done(DIALOG_OK);
    };
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, Resume);
    QObject::connect(pList, &QListWidget::itemDoubleClicked, &dialog, Resume);
    QObject::connect(pDelete, &QPushButton::clicked, &dialog, [pList, Chosen] {
        QByteArray szFile = Chosen();
        if (!szFile.isEmpty() && Delete_Saved_Game(szFile.constData())) delete pList->currentItem();
    });
    auto Enable = [pList, pButtons, pDelete] {
        bool bAny = pList->currentItem() != nullptr;
        pButtons->button(QDialogButtonBox::Ok)->setEnabled(bAny);
        pDelete->setEnabled(bAny);
    };
    QObject::connect(pList, &QListWidget::currentRowChanged, &dialog, Enable);
    Enable();
    int nResult = dialog.exec();
    return nResult == DIALOG_OK ? DIALOG_OK : DIALOG_CANCELLED;
}
}  // namespace

void Register_Saved_Game_Dialogs() {
    Register_Dialog(DIALOG_SAVE_GAME, Run_Save_Game);
    Register_Dialog(DIALOG_RESUME_GAME, Run_Resume_Game);
}
