// The intro video never holds up the Welcome dialog when it cannot play.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "halloffame/fame_file.h"
#include "platform/headless.h"
#include "shell/intro_video.h"

class IntroVideoTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;

  private slots:
    void init() {
        m_OldFolder = QDir::currentPath();
        QDir::setCurrent(m_Folder.path());
        Headless_Reset();
    }
    void cleanup() { QDir::setCurrent(m_OldFolder); }

    void MissingVideoIsIgnored() { QVERIFY(!Play_Intro()); }

    void UnplayableVideoIsIgnored() {
        QDir().mkpath("video");
        QFile file("video/intro.avi");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a video at all");
        file.close();
        QVERIFY(!Play_Intro());
    }

    void SwitchedOffByTheSettingsWord() {
        QVERIFY(Set_Fame_Setting(53, 1));
        QVERIFY(!Play_Intro());
    }
};

QTEST_MAIN(IntroVideoTest)
#include "test_intro_video.moc"
