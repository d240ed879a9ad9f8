// The About box and the Welcome dialog.
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "commands/game_commands.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shell/dialogs.h"
#include "shell/intro_video.h"
#include "shell/picture_store.h"
#include "shell/welcome.h"
#include "shell/window_commands.h"

static int Run_About(QWidget* pOwner) {
    QMessageBox box(QMessageBox::Information, "About Brakvell",
                    QString::asprintf("Brakvell 2003 (Version %d.%d.%d.%d)", 2, 1, 8, 7), QMessageBox::Ok, pOwner);
    QPushButton* pWeb = box.addButton("Brakvell &Online", QMessageBox::ActionRole);
    box.exec();
    if (box.clickedButton() == pWeb) Open_Document(WEB_ADDRESS);
    return 1;
}

// The splash picture with the version along its bottom edge.
static QPixmap Splash_Picture() {
    QImage image = Load_Picture("dialogs/splash/vantor.jpg");
    if (image.isNull()) image = Built_In_Logo().scaled(636, 438, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(QColor(200, 200, 200));
    painter.drawText(image.rect().adjusted(0, 0, 0, -4), Qt::AlignLeft | Qt::AlignBottom,
                     QString::asprintf(" v%d.%03d", PROGRAM_VERSION / 1000, PROGRAM_VERSION % 1000));
    painter.end();
    return QPixmap::fromImage(image);
}

int Run_Welcome(QWidget* pOwner) {
    QDialog dialog(pOwner);
    dialog.setWindowTitle("Welcome to...");
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    QLabel* pPicture = new QLabel(&dialog);
    pPicture->setPixmap(Splash_Picture());
    pLayout->addWidget(pPicture);
    QHBoxLayout* pButtons = new QHBoxLayout;
    QPushButton* pNew = new QPushButton("Start a &New Game", &dialog);
    QPushButton* pResume = new QPushButton("&Resume a Previously Saved Game", &dialog);
    QPushButton* pContinue = new QPushButton("&Continue", &dialog);
    pButtons->addWidget(pNew);
    pButtons->addWidget(pResume);
    pButtons->addWidget(pContinue);
    pLayout->addLayout(pButtons);
    pNew->setEnabled(Dialog_Registered(DIALOG_NEW_GAME));
    pResume->setEnabled(Dialog_Registered(DIALOG_RESUME_GAME) && !List_Files(".", ".vtr").empty());
    pContinue->setDefault(true);
    QObject::connect(pNew, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(WELCOME_NEW_GAME); });
    QObject::connect(pResume, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(WELCOME_RESUME_GAME); });
    QObject::connect(pContinue, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(WELCOME_CONTINUE); });
    QTimer::singleShot(0, &dialog, [] { Play_Intro(); });
    int nResult = dialog.exec();
    return nResult == QDialog::Rejected ? WELCOME_CLOSED : nResult;
}

void Register_Built_In_Dialogs() {
    Register_Dialog(DIALOG_ABOUT, Run_About);
    Register_Dialog(DIALOG_WELCOME, Run_Welcome);
}
