// QXAutoUp: the game's update helper. Started by the window with its id, the
// game's version and, from the Help menu, VISIBLE. It looks for a newer
// version at the address in "QXAutoUp.txt" beside it (none shipped), then
// tells the window on its local socket. Any failure, no address or no
// network among them, is answered as "nothing newer": never an error box.
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "shell/update_socket.h"

namespace {
constexpr int LOOK_MILLISECONDS = 10000;
constexpr int ANSWER_MILLISECONDS = 3000;

QString Update_Address() {
    QFile file(QCoreApplication::applicationDirPath() + "/QXAutoUp.txt");
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readLine()).trimmed();
}

// The latest version the address names, 0 when it cannot be had.
int Latest_Version(const QString& szAddress) {
    QUrl url(szAddress);
    if (szAddress.isEmpty() || !url.isValid()) return 0;
    QNetworkAccessManager network;
    QNetworkReply* pReply = network.get(QNetworkRequest(url));
    QEventLoop loop;
    QTimer::singleShot(LOOK_MILLISECONDS, &loop, &QEventLoop::quit);
    QObject::connect(pReply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    int nVersion = 0;
    if (pReply->isFinished() && pReply->error() == QNetworkReply::NoError)
        nVersion = QString::fromUtf8(pReply->readLine()).trimmed().toInt();
    pReply->abort();
    pReply->deleteLater();
    return nVersion;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (arguments.size() < 3) return 1;
    int nOurs = arguments[2].toInt();
    int nLatest = Latest_Version(Update_Address());
    QString szAnswer = nLatest > nOurs ? QString(UPDATE_NEWER).arg(nLatest) : QString(UPDATE_NONE);
    QLocalSocket socket;
    socket.connectToServer(Update_Socket_Name(arguments[1]));
    if (!socket.waitForConnected(ANSWER_MILLISECONDS)) return 1;  // the window is gone
    socket.write((szAnswer + "\n").toUtf8());
    socket.waitForBytesWritten(ANSWER_MILLISECONDS);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(ANSWER_MILLISECONDS);
    return 0;
}
