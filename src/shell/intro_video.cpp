#include "shell/intro_video.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QProcess>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

#include "halloffame/fame_file.h"
#include "platform/files.h"

namespace {
constexpr int SETTING_SKIP_INTRO = 53;

// Any key or click ends the video early.
class IntroScreen : public QVideoWidget {
  public:
    explicit IntroScreen(QEventLoop* pLoop) : m_pLoop(pLoop) {}

  protected:
    void keyPressEvent(QKeyEvent*) override { m_pLoop->quit(); }
    void mousePressEvent(QMouseEvent*) override { m_pLoop->quit(); }
    void closeEvent(QCloseEvent*) override { m_pLoop->quit(); }

  private:
    QEventLoop* m_pLoop;
};
}  // namespace

int Run_Intro_Player(const char* szFile) {
    QEventLoop loop;
    IntroScreen screen(&loop);
    QMediaPlayer player;
    QAudioOutput audio;
    player.setAudioOutput(&audio);
    player.setVideoOutput(&screen);
    bool bFailed = false;
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, [&] {
        bFailed = true;
        loop.quit();
    });
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia) bFailed = true;
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) loop.quit();
    });
    player.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(szFile)));
    if (player.error() != QMediaPlayer::NoError) return 1;
    screen.showFullScreen();
    player.play();
    loop.exec();
    player.stop();
    return bFailed ? 1 : 0;
}

bool Play_Intro() {
    if (Get_Fame_Setting(SETTING_SKIP_INTRO) != 0) return false;
    std::string szVideo = Find_Data_File("video/intro.avi");
    if (szVideo.empty()) return false;
    QProcess player;
    QEventLoop loop;
    QObject::connect(&player, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&player, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    player.start(QCoreApplication::applicationFilePath(),
                 {PLAY_INTRO_SWITCH, QString::fromStdString(szVideo)});
    if (!player.waitForStarted(5000)) return false;
    if (player.state() != QProcess::NotRunning) loop.exec();
    return player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0;
}
