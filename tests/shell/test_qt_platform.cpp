// The Qt front end of the platform layer and the shell's small records.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "database/league_database.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/command_table.h"
#include "shell/help_viewer.h"
#include "shell/main_window.h"
#include "shell/picture_store.h"
#include "shell/qt_platform.h"
#include "shell/welcome.h"

namespace {
// Presses the given button of the next message box, remembering its title and text.
void Press_In_Next_Box(QMessageBox::StandardButton button, QStringList* pSeen) {
    QTimer::singleShot(0, [button, pSeen] {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) return;
        *pSeen << pBox->windowTitle() << pBox->text();
        if (button == QMessageBox::Escape)
            QTest::keyClick(pBox, Qt::Key_Escape);
        else
            pBox->button(button)->click();
    });
}

bool No_Opener(const QUrl&) { return false; }

void Write_Page(const QString& szPath, const QString& szHtml) {
    QDir().mkpath(QFileInfo(szPath).path());
    QFile file(szPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(szHtml.toUtf8());
}

bool Write_Jpeg(const QString& szPath, QColor colour) {
    QImage image(40, 30, QImage::Format_RGB888);
    image.fill(colour);
    QDir().mkpath(QFileInfo(szPath).path());
    return image.save(szPath, "JPG");
}
}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;
    QWidget m_Window;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_OldFolder = QDir::currentPath();
        QDir::setCurrent(m_Folder.path());
        m_Window.resize(700, 500);
        m_Window.show();
        Install_Qt_Platform(&m_Window);
    }
    void cleanupTestCase() {
        Platform_Install(nullptr);
        QDir::setCurrent(m_OldFolder);
    }
    void init() {
        Clear_League();
        Headless_Reset();
    }

    void Notices_Carry_Title_And_Text() {
        QStringList seen;
        Press_In_Next_Box(QMessageBox::Ok, &seen);
        Quick_Message("Couldn't open '%s'.", "VantorFame.dat");
        QCOMPARE(seen, QStringList({"Quick Message", "Couldn't open 'VantorFame.dat'."}));
    }

    void Questions_Return_Answers() {
        QStringList seen;
        Press_In_Next_Box(QMessageBox::No, &seen);
        QCOMPARE(Ask_Yes_No("Retirement", "Retire anyway?"), (int)ANSWER_NO);
        Press_In_Next_Box(QMessageBox::Yes, &seen);
        QCOMPARE(Ask_Yes_No("Retirement", "Retire anyway?"), (int)ANSWER_YES);
        Press_In_Next_Box(QMessageBox::Escape, &seen);
        QCOMPARE(Ask_Yes_No("Retirement", "Retire anyway?"), (int)ANSWER_NO);
        Press_In_Next_Box(QMessageBox::Ok, &seen);
        QCOMPARE(Ask_Ok_Cancel("Filename in use", "Overwrite?"), (int)ANSWER_OK);
        Press_In_Next_Box(QMessageBox::Escape, &seen);
        QCOMPARE(Ask_Ok_Cancel("Filename in use", "Overwrite?"), (int)ANSWER_CANCEL);
        Press_In_Next_Box(QMessageBox::Cancel, &seen);
        QCOMPARE(Ask_Yes_No_Cancel("Game Not Saved", "Save changes?"), (int)ANSWER_CANCEL);
        Press_In_Next_Box(QMessageBox::No, &seen);
        QCOMPARE(Ask_Yes_No_Cancel("Game Not Saved", "Save changes?"), (int)ANSWER_NO);
        QCOMPARE(seen.size(), 14);
    }

    void Progress_Window_Shows_Percent_And_Bar() {
        Open_Progress("Shuffling Players...", 3);
        QDialog* pProgress = m_Window.findChild<QDialog*>();
        QVERIFY(pProgress);
        QCOMPARE(pProgress->windowTitle(), QString("Shuffling Players..."));
        QCOMPARE(pProgress->size(), QSize(250, 100));
        Step_Progress();
        QCOMPARE(pProgress->findChild<QLabel*>()->text(), QString("33%"));
        QProgressBar* pBar = pProgress->findChild<QProgressBar*>();
        QCOMPARE(pBar->maximum(), 3);
        QCOMPARE(pBar->value(), 1);
        QCOMPARE(pBar->geometry(), QRect(20, 55, 210, 25));
        Step_Progress(9);
        QCOMPARE(pProgress->findChild<QLabel*>()->text(), QString("100%"));
        QCOMPARE(pBar->value(), 3);
        Close_Progress();
        QVERIFY(!m_Window.findChild<QDialog*>());
    }

    void Missing_Document_Is_Logged_Not_Opened() {
        QVERIFY(!Open_Document("help\\nothing.htm"));
        QCOMPARE(Headless_Log_Lines().size(), size_t(1));
        QCOMPARE(QString::fromStdString(Headless_Log_Lines()[0]), QString("Warning: Can't find the document help\\nothing.htm"));
    }

    void Help_Opens_In_Its_Own_Window_When_The_Desktop_Cannot() {
        Write_Page("help/first.htm", "<html><head><title>First Page</title></head><body>"
                                     "<p>Read <a href=\"second.htm\">the second page</a>.</p></body></html>");
        Write_Page("help/second.htm", "<html><head><title>Second Page</title></head><body><p>Here.</p></body></html>");
        Set_Document_Opener(No_Opener);
        bool bOpened = Open_Document("help/first.htm");
        Set_Document_Opener(nullptr);
        QVERIFY(bOpened);
        QWidget* pViewer = Help_Viewer();
        QVERIFY(pViewer && pViewer->isVisible());
        QCOMPARE(pViewer->windowTitle(), QString("First Page"));
        QTextBrowser* pBrowser = pViewer->findChild<QTextBrowser*>("browser");
        QTextCursor link = pBrowser->document()->find("second page");
        QVERIFY(!link.isNull());
        QTextCursor inside(pBrowser->document());
        inside.setPosition(link.selectionStart() + 2);
        QTest::mouseClick(pBrowser->viewport(), Qt::LeftButton, {}, pBrowser->cursorRect(inside).center());
        QCOMPARE(pViewer->windowTitle(), QString("Second Page"));
        QPushButton* pBack = pViewer->findChild<QPushButton*>("back");
        QVERIFY(pBack->isEnabled());
        pBack->click();
        QCOMPARE(pViewer->windowTitle(), QString("First Page"));
        QVERIFY(pViewer->findChild<QPushButton*>("forward")->isEnabled());
        pViewer->close();
    }

    void Pictures_Are_Found_Cached_And_Replaced_Oldest_First() {
        QVERIFY(Write_Jpeg("news/standing.jpg", Qt::red));
        const QImage& page = Page_Background_Picture("News\\Standing.jpg");
        QCOMPARE(page.size(), QSize(40, 30));
        QVERIFY(qAbs(page.pixelColor(5, 5).red() - 255) < 12);
        QVERIFY(Load_Picture("News\\Missing.jpg").isNull());
        QCOMPARE(Load_Picture("HalvercornLogo.jpg").size(), QSize(1272, 876));
        QVERIFY(!Load_Picture("halvercornlogopattern.JPG").isNull());

        Empty_Picture_Stores();
        for (int i = 0; i <= PICTURES_PER_STORE; i++) QVERIFY(Write_Jpeg(QString("helmets/helmet%1.jpg").arg(i), Qt::blue));
        for (int i = 0; i < PICTURES_PER_STORE; i++)
            QVERIFY(!Store_Picture(1, QString("helmets\\helmet%1.jpg").arg(i).toUtf8().constData()).isNull());
        QCOMPARE(Stored_Picture_Count(1), PICTURES_PER_STORE);
        QCOMPARE(Stored_Picture_Count(0), 0);
        // Drawing helmet0 again makes helmet1 the oldest; the 101st picture replaces it.
        const QImage* pFirst = &Store_Picture(1, "HELMETS/Helmet0.jpg");
        QVERIFY(!Store_Picture(1, "helmets/helmet100.jpg").isNull());
        QCOMPARE(Stored_Picture_Count(1), PICTURES_PER_STORE);
        QCOMPARE(&Store_Picture(1, "helmets/helmet0.jpg"), pFirst);
        QFile::remove("helmets/helmet1.jpg");
        QVERIFY(Store_Picture(1, "helmets/helmet1.jpg").isNull());  // it was the one replaced
        QVERIFY(!Store_Picture(1, "helmets/helmet2.jpg").isNull());
        QVERIFY(Store_Picture(2, "helmets/helmet2.jpg").isNull());
        Empty_Picture_Stores();
        QCOMPARE(Stored_Picture_Count(1), 0);
    }

    void Settings_Record_Keeps_First_Start() {
        QFile::remove(Settings_File_Path());
        Write_Settings_Record();
        {
            QSettings settings(Settings_File_Path(), QSettings::IniFormat);
            QCOMPARE(settings.value("InstallDir").toString(), QDir::currentPath());
            QCOMPARE(settings.value("InitVer").toInt(), 2187);
            QCOMPARE(settings.value("LastVer").toInt(), 2187);
            settings.setValue("InitVer", 2170);
            settings.setValue("InstallDir", "/elsewhere");
            settings.setValue("LastVer", 2180);
        }
        Write_Settings_Record();
        QSettings settings(Settings_File_Path(), QSettings::IniFormat);
        QCOMPARE(settings.value("InitVer").toInt(), 2170);
        QCOMPARE(settings.value("InstallDir").toString(), QString("/elsewhere"));
        QCOMPARE(settings.value("LastVer").toInt(), 2187);
    }

    void Missing_Update_Program_Is_Reported() {
        MainWindow window;
        Install_Qt_Platform(&window);
        QStringList seen;
        Press_In_Next_Box(QMessageBox::Ok, &seen);
        QVERIFY(window.Do_Command(CMD_CHECK_VERSION));
        QCOMPARE(seen, QStringList({"External Error", "I can't execute the program \"QXAutoUp.exe\"\n\nError #2"}));
        Install_Qt_Platform(&m_Window);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
