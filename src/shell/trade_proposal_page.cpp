#include "shell/trade_proposal_page.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/text_format.h"
#include "shell/dialog_widgets.h"
#include "shell/qt_platform.h"
#include "shell/trade_page_opener.h"
#include "trades/computer_trades.h"
#include "trades/trade_answers.h"

namespace {
constexpr int FACE_WIDTH = 120, FACE_HEIGHT = 150;
constexpr int ITEM_INDENT = 16;

// One item a line, indented under its heading.
QLabel* Items(const TRADE_OFFER& offer, int nSide, const char* szName, QWidget* pParent) {
    QStringList lines;
    for (const std::string& szLine : Trade_Proposal_Lines(offer, nSide)) lines << QString::fromUtf8(szLine.c_str());
    QLabel* pLabel = new QLabel(lines.join('\n'), pParent);
    pLabel->setObjectName(szName);
    pLabel->setContentsMargins(ITEM_INDENT, 0, 0, 0);
    pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pLabel;
}
}  // namespace

TradeProposalPage::TradeProposalPage(QWidget* pOwner, const TRADE_OFFER& offer) : QDialog(pOwner) {
    setObjectName("tradeProposal");
    setWindowTitle("Trade Offer");
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);  // a short note: nothing to gain from more room
    QHBoxLayout* pRow = new QHBoxLayout;
    QLabel* pFace = Picture_Label(General_Manager_Face(offer.anTeam[0]).c_str(), FACE_WIDTH, FACE_HEIGHT, this);
    pFace->setObjectName("face");
    pRow->addWidget(pFace, 0, Qt::AlignTop);

    QVBoxLayout* pText = new QVBoxLayout;
    char szTeam[TEXT_SIZE];
    Get_Team_Label(offer.anTeam[0], szTeam);
    QLabel* pTeam = Bold_Label(QString::fromUtf8(szTeam), this);
    pTeam->setObjectName("team");
    pText->addWidget(pTeam);
    pText->addWidget(new QLabel("...would like to trade you:", this));
    pText->addWidget(Items(offer, 0, "theirItems", this));
    pText->addSpacing(8);
    pText->addWidget(new QLabel("...in return for:", this));
    pText->addWidget(Items(offer, 1, "yourItems", this));
    pText->addStretch(1);
    pRow->addLayout(pText, 1);
    pLayout->addLayout(pRow, 1);

    QDialogButtonBox* pButtons = new QDialogButtonBox(this);
    QPushButton* pTalk = pButtons->addButton("&Let's Talk", QDialogButtonBox::AcceptRole);
    pTalk->setObjectName("talk");
    pTalk->setToolTip("Take the offer to the trade page, where you may change it and propose it");
    QPushButton* pNo = pButtons->addButton("&No Thanks", QDialogButtonBox::RejectRole);
    pNo->setObjectName("noThanks");
    pNo->setDefault(true);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pLayout->addWidget(pButtons);
}

void Show_Trade_Proposal(const TRADE_OFFER& offer) {
    QWidget* pOwner = Main_Window_Widget();
    TradeProposalPage page(pOwner, offer);
    if (page.exec() != QDialog::Accepted) return;
    TRADE_OFFER talk;
    Talk_About_Trade_Proposal(offer, &talk);
    Open_Trade_Page(pOwner, talk);
}
