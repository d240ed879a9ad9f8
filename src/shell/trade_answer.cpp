#include "shell/trade_answer.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/text_format.h"
#include "shell/dialog_widgets.h"
#include "shell/qt_platform.h"

namespace {
constexpr int FACE_WIDTH = 120;  // the faces' own size
constexpr int FACE_HEIGHT = 150;
constexpr int LINE_CHARACTERS = 34;  // the spoken line wraps at about this width

QString Text(const std::string& sz) { return QString::fromUtf8(sz.c_str()); }

// Over the trade page when it is open, else over the main window.
QWidget* Answer_Owner() {
    QWidget* pModal = QApplication::activeModalWidget();
    return pModal ? pModal : Main_Window_Widget();
}

QPushButton* Add_Button(QHBoxLayout* pRow, const char* szName, const char* szText, QWidget* pParent) {
    QPushButton* pButton = new QPushButton(szText, pParent);
    pButton->setObjectName(szName);
    pRow->addWidget(pButton);
    return pButton;
}
}  // namespace

bool Run_Trade_Answer(const TradeAnswerView& view) {
    QDialog dialog(Answer_Owner());
    dialog.setObjectName("tradeAnswer");
    dialog.setWindowTitle("Trade Offer Response");
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    QHBoxLayout* pRow = new QHBoxLayout;
    QLabel* pFace = Picture_Label(view.szFace.c_str(), FACE_WIDTH, FACE_HEIGHT, &dialog);
    pFace->setObjectName("face");
    pFace->setFrameShape(QFrame::StyledPanel);
    pRow->addWidget(pFace, 0, Qt::AlignTop);

    QVBoxLayout* pSpeaker = new QVBoxLayout;
    char szManager[64], szTeam[32];
    Get_Team_String(view.nPartner, TS_MANAGER, szManager);
    Get_Team_Nickname(view.nPartner, szTeam);
    if (szManager[0]) pSpeaker->addWidget(Bold_Label(QString::fromUtf8(szManager), &dialog));
    pSpeaker->addWidget(new QLabel(QString("General Manager, %1").arg(QString::fromUtf8(szTeam)), &dialog));
    // The line as said across the desk: a rounded box on the window's ground.
    QLabel* pLine = new QLabel("\u201C" + Text(view.szLine) + "\u201D", &dialog);
    pLine->setObjectName("line");
    pLine->setWordWrap(true);
    pLine->setMinimumWidth(dialog.fontMetrics().averageCharWidth() * LINE_CHARACTERS);
    pLine->setStyleSheet("QLabel { border: 1px solid palette(mid); border-radius: 10px; padding: 10px;"
                         " background: palette(base); color: palette(text); }");
    QFont larger = pLine->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.15);
    pLine->setFont(larger);
    pSpeaker->addSpacing(6);
    pSpeaker->addWidget(pLine);
    pSpeaker->addStretch(1);
    pRow->addLayout(pSpeaker, 1);
    pLayout->addLayout(pRow);

    QHBoxLayout* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    if (view.bAccepted) {
        QPushButton* pSign = Add_Button(pButtons, "sign", "&Sign Deal", &dialog);
        QPushButton* pKidding = Add_Button(pButtons, "kidding", "&Just Kidding", &dialog);
        pSign->setDefault(true);
        QObject::connect(pSign, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(pKidding, &QPushButton::clicked, &dialog, &QDialog::reject);
    } else {
        QPushButton* pHint = Add_Button(pButtons, "hint", "Hint", &dialog);
        QPushButton* pOk = Add_Button(pButtons, "ok", "OK", &dialog);
        pOk->setDefault(true);
        std::string szNeeds = view.szHint;
        TNUM nPartner = view.nPartner;
        QObject::connect(pHint, &QPushButton::clicked, &dialog,
                         [&dialog, nPartner, szNeeds] { Show_Trade_Hint(&dialog, nPartner, szNeeds); });
        QObject::connect(pOk, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    pLayout->addLayout(pButtons);
    return dialog.exec() == QDialog::Accepted && view.bAccepted;
}

void Show_Trade_Hint(QWidget* pOwner, TNUM nPartner, const std::string& szNeeds) {
    QDialog dialog(pOwner);
    dialog.setObjectName("tradeHint");
    dialog.setWindowTitle("Trade Hint");
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    char szTeam[32];
    Get_Team_Nickname(nPartner, szTeam);
    pLayout->addWidget(Bold_Label(QString("What the %1 need most:").arg(QString::fromUtf8(szTeam)), &dialog));
    QLabel* pNeeds = new QLabel(Text(szNeeds), &dialog);
    pNeeds->setObjectName("needs");
    pNeeds->setContentsMargins(12, 4, 12, 4);
    pLayout->addWidget(pNeeds);
    QHBoxLayout* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    QPushButton* pOk = Add_Button(pButtons, "ok", "OK", &dialog);
    pOk->setDefault(true);
    QObject::connect(pOk, &QPushButton::clicked, &dialog, &QDialog::accept);
    pLayout->addLayout(pButtons);
    dialog.exec();
}
