// The dialogs that only set switches and texts kept with the game: Options,
// Injury Contingency and Database Notes.
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "commands/database_notes.h"
#include "commands/game_options.h"
#include "personnel/injuries.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"

namespace {
QCheckBox* Named_Check_Box(const char* szText, const char* szObject, bool bChecked, QWidget* pParent) {
    QCheckBox* pBox = new QCheckBox(QString::fromUtf8(szText), pParent);
    pBox->setObjectName(szObject);
    pBox->setChecked(bChecked);
    return pBox;
}

// A box that keeps *pValue up to date.
QCheckBox* Check_Box(const char* szText, const char* szObject, bool* pValue, QWidget* pParent) {
    QCheckBox* pBox = Named_Check_Box(szText, szObject, *pValue, pParent);
    QObject::connect(pBox, &QCheckBox::toggled, pParent, [pValue](bool bChecked) { *pValue = bChecked; });
    return pBox;
}

int Run_Options(QWidget* pOwner) {
    OptionsForm form;
    Init_Options_Form(&form);
    QDialog dialog(pOwner);
    QVBoxLayout* pLayout = Dialog_Layout(dialog, "Options");
    QCheckBox* pCommissioner = Named_Check_Box("Commissioner Mode", "commissioner", form.bCommissioner, &dialog);
    // The question may turn the tick back off; that must not ask again.
    QObject::connect(pCommissioner, &QCheckBox::clicked, &dialog, [&form, pCommissioner](bool bChecked) {
        pCommissioner->setChecked(Set_Commissioner_Option(&form, bChecked));
    });
    pLayout->addWidget(pCommissioner);
    pLayout->addWidget(Check_Box("Computer Offers Trades", "trades", &form.bComputerTrades, &dialog));
    pLayout->addWidget(Check_Box("Sound Effects", "sound", &form.bSound, &dialog));
    pLayout->addWidget(Check_Box("Check for Update on Start", "update", &form.bUpdateCheck, &dialog));
    pLayout->addWidget(Check_Box("Enable Auto-Save", "autosave", &form.bAutoSave, &dialog));
    QGroupBox* pText = new QGroupBox("Automatic Text Output", &dialog);
    QVBoxLayout* pTextLayout = new QVBoxLayout(pText);
    pTextLayout->addWidget(Check_Box("Standings", "standings", &form.bTextStandings, pText));
    pTextLayout->addWidget(Check_Box("Awards", "awards", &form.bTextAwards, pText));
    pTextLayout->addWidget(Check_Box("Finances", "finances", &form.bTextFinances, pText));
    pLayout->addWidget(pText);
    pLayout->addWidget(Ok_Cancel_Help(&dialog, "options"));
    int nResult = Dialog_Result(dialog.exec());
    if (nResult == DIALOG_OK) Apply_Options_Form(form);
    return nResult;
}

int Run_Injury_Contingency(QWidget* pOwner) {
    InjuryContingencyForm form;
    Open_Injury_Contingency(&form);
    QDialog dialog(pOwner);
    QVBoxLayout* pLayout = Dialog_Layout(dialog, "Injury Contingency");
    QCheckBox* pStop = Named_Check_Box("Stop play if one of my players is", "stop", form.bStop, &dialog);
    pLayout->addWidget(pStop);
    QHBoxLayout* pWeeksRow = new QHBoxLayout;
    pWeeksRow->addWidget(new QLabel("injured for at least", &dialog));
    QLineEdit* pWeeks = new QLineEdit(QString::number(form.nWeeks), &dialog);
    pWeeks->setObjectName("weeks");
    pWeeks->setValidator(new QIntValidator(0, MAXIMUM_ALERT_WEEKS, pWeeks));
    pWeeks->setEnabled(form.bStop);
    pWeeksRow->addWidget(pWeeks);
    pWeeksRow->addWidget(new QLabel("weeks.", &dialog));
    pLayout->addLayout(pWeeksRow);
    QObject::connect(pStop, &QCheckBox::toggled, pWeeks, &QLineEdit::setEnabled);
    pLayout->addWidget(Ok_Cancel_Help(&dialog, "playing"));
    int nResult = Dialog_Result(dialog.exec());
    if (nResult == DIALOG_OK) Apply_Injury_Contingency(pStop->isChecked(), pWeeks->text().toUtf8().constData());
    return nResult;
}

int Run_Database_Notes(QWidget* pOwner) {
    QDialog dialog(pOwner);
    QVBoxLayout* pLayout = Dialog_Layout(dialog, "Database Notes");
    QPlainTextEdit* pNotes = new QPlainTextEdit(QString::fromUtf8(Get_Database_Notes()), &dialog);
    pNotes->setObjectName("notes");
    pLayout->addWidget(pNotes);
    QLabel* pLeft = new QLabel(&dialog);
    pLayout->addWidget(pLeft);
    // The field holds bytes, so the limit counts the text as it will be stored;
    // an edit that would pass it keeps only what fits, nothing is cut unseen.
    std::string szAccepted = pNotes->toPlainText().toUtf8().toStdString();
    auto Count = [pNotes, pLeft, &szAccepted] {
        std::string szText = pNotes->toPlainText().toUtf8().toStdString();
        size_t nCursor = 0;
        std::string szLimited = Limit_Notes_Edit(szAccepted, szText, &nCursor);
        if (szLimited != szText) {
            QSignalBlocker block(pNotes);
            pNotes->setPlainText(QString::fromUtf8(szLimited));
            QTextCursor cursor = pNotes->textCursor();
            cursor.setPosition((int)QString::fromUtf8(szLimited.substr(0, nCursor)).size());
            pNotes->setTextCursor(cursor);
        }
        szAccepted = szLimited;
        pLeft->setText(QString("%1 of %2 characters").arg(szAccepted.size()).arg(MAXIMUM_NOTES_LENGTH));
    };
    QObject::connect(pNotes, &QPlainTextEdit::textChanged, &dialog, Count);
    Count();
    pLayout->addWidget(Ok_Cancel_Help(&dialog, "playing"));
    int nResult = Dialog_Result(dialog.exec());
    if (nResult == DIALOG_OK) Set_Database_Notes(pNotes->toPlainText().toUtf8().constData());
    return nResult;
}
}  // namespace

void Register_Settings_Dialogs() {
    Register_Dialog(DIALOG_OPTIONS, Run_Options);
    Register_Dialog(DIALOG_INJURY_CONTINGENCY, Run_Injury_Contingency);
    Register_Dialog(DIALOG_DATABASE_NOTES, Run_Database_Notes);
}
