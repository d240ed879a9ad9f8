// Clicks on the headings and the conference switch of the Standings and
// Finances pages, and their heading editors.
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "reports/heading_choice.h"
#include "reports/page_common.h"
#include "shell/dialogs.h"
#include "shell/page_support.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
int g_nClickedHeading = 0;
}

int Heading_Page_Pointer(int nHeading, bool bSwitch, int nKind, int idDialog) {
    if (nHeading < 0 && !bSwitch) return 0;
    if (nKind != POINTER_CLICK) return 1;
    Click_Sound();
    if (bSwitch) {
        Switch_Shown_Conference();
        Redraw_Page();
    } else {
        g_nClickedHeading = nHeading;
        Do_Dialog(nullptr, idDialog);
    }
    return 1;
}

int Clicked_Heading() {
    return g_nClickedHeading;
}

int Run_Heading_Dialog(QWidget* pOwner, int nKind, int nSlot, const char* szTitle) {
    HeadingChoice choice = Open_Heading_Choice(nKind, nSlot);
    QDialog dialog(pOwner);
    dialog.setWindowTitle(szTitle);
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    QListWidget* pList = new QListWidget(&dialog);
    for (int i = 0; i < Heading_Choices(nKind); i++)
        pList->addItem(Heading_Choice_Name(nKind, i));
    pList->setCurrentRow(Chosen_Heading(nKind, choice.nSlot));
    pLayout->addWidget(pList);
    QDialogButtonBox* pButtons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    pLayout->addWidget(pButtons);
    QObject::connect(pList, &QListWidget::currentRowChanged, &dialog, [choice](int nRow) {
        Choose_Heading(choice, nRow);
        Redraw_Page();
    });
    QObject::connect(pList, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() == QDialog::Accepted) return 1;
    Cancel_Heading_Choice(choice);
    return 0;
}
