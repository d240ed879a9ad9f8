// The Contract Offer window: the negotiation's form as widgets. Every figure,
// limit and text is the form's; after each click or typed term the whole
// window is read again from it, so the window can never show terms the
// player's record does not hold.
#include "shell/contract_offer.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "database/player.h"
#include "database/text_format.h"
#include "personnel/negotiation.h"
#include "personnel/news_text.h"
#include "personnel/scouting_report.h"
#include "platform/platform.h"
#include "shell/qt_platform.h"
#include "trades/free_agent_signing.h"

namespace {
const char* const TYPED_TERM_TITLE = "Contract Offer";
constexpr int WIDEST_TYPED_TERM = 9;  // digits' room of both typed terms

QString Text(const char* sz) { return QString::fromUtf8(sz); }

class ContractOffer : public QDialog {
  public:
    ContractOffer(ContractForm& form, QWidget* pOwner) : QDialog(pOwner), m_Form(form) {
        setObjectName("contractOffer");
        char szText[TEXT_SIZE];
        Contract_Form_Title(form, szText);
        setWindowTitle(Text(szText));

        QVBoxLayout* pLayout = new QVBoxLayout(this);
        pLayout->setSizeConstraint(QLayout::SetFixedSize);
        m_pName = Label("name");
        QFont bold = m_pName->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.25);
        m_pName->setFont(bold);
        pLayout->addWidget(m_pName);

        QHBoxLayout* pColumns = new QHBoxLayout;
        QGroupBox* pRatings = new QGroupBox("Ratings", this);
        QVBoxLayout* pRatingLines = new QVBoxLayout(pRatings);
        m_pRatings = Label("ratings");
        pRatingLines->addWidget(m_pRatings);
        pRatingLines->addStretch();
        m_pScout = Button("scout", "Scouting &Report");
        pRatingLines->addWidget(m_pScout);
        pColumns->addWidget(pRatings);
        QGroupBox* pOffer = new QGroupBox("Offer", this);
        QVBoxLayout* pOfferLines = new QVBoxLayout(pOffer);
        m_pOffer = Label("offer");
        pOfferLines->addWidget(m_pOffer);
        pColumns->addWidget(pOffer);
        QGroupBox* pMoney = new QGroupBox("Team", this);
        QVBoxLayout* pMoneyLines = new QVBoxLayout(pMoney);
        m_pCapRoom = Label("capRoom");
        m_pCash = Label("cash");
        pMoneyLines->addWidget(m_pCapRoom);
        pMoneyLines->addWidget(m_pCash);
        pMoneyLines->addStretch();
        pColumns->addWidget(pMoney);
        pLayout->addLayout(pColumns);

        QGridLayout* pTerms = new QGridLayout;
        m_pFewerYears = Button("fewerYears", "&Fewer Years");
        m_pYears = Edit("years", 1);  // as wide as the bonus, so the rows line up
        m_pMoreYears = Button("moreYears", "&More Years");
        m_pLessBonus = Button("lessBonus", "&Less Bonus");
        m_pBonus = Edit("bonus", 7);
        m_pMoreBonus = Button("moreBonus", "More &Bonus");
        pTerms->addWidget(new QLabel("Years:", this), 0, 0);
        pTerms->addWidget(m_pFewerYears, 0, 1);
        pTerms->addWidget(m_pYears, 0, 2);
        pTerms->addWidget(m_pMoreYears, 0, 3);
        pTerms->addWidget(new QLabel("Signing bonus ($000):", this), 1, 0);
        pTerms->addWidget(m_pLessBonus, 1, 1);
        pTerms->addWidget(m_pBonus, 1, 2);
        pTerms->addWidget(m_pMoreBonus, 1, 3);
        pTerms->setColumnStretch(4, 1);
        pLayout->addLayout(pTerms);

        QHBoxLayout* pRow = new QHBoxLayout;
        pRow->addStretch();
        m_pSign = Button("sign", "&Sign");
        pRow->addWidget(m_pSign);
        pRow->addWidget(Button("cancel", "Cancel"));
        pLayout->addLayout(pRow);

        connect(m_pFewerYears, &QPushButton::clicked, this, [this] { Step(&Adjust_Contract_Years, -1); });
        connect(m_pMoreYears, &QPushButton::clicked, this, [this] { Step(&Adjust_Contract_Years, 1); });
        connect(m_pLessBonus, &QPushButton::clicked, this, [this] { Step(&Adjust_Contract_Bonus, -CONTRACT_BONUS_STEP); });
        connect(m_pMoreBonus, &QPushButton::clicked, this, [this] { Step(&Adjust_Contract_Bonus, CONTRACT_BONUS_STEP); });
        connect(m_pYears, &QLineEdit::editingFinished, this, [this] { Type(m_pYears, &Type_Contract_Years); });
        connect(m_pBonus, &QLineEdit::editingFinished, this, [this] { Type(m_pBonus, &Type_Contract_Bonus); });
        connect(m_pScout, &QPushButton::clicked, this, [this] { Show_Scouting_Report(); });
        connect(m_pSign, &QPushButton::clicked, this, [this] {
            // The cap refusal comes as a notice and the window stays open.
            if (Sign_Contract_Form(m_Form)) accept();
        });
        connect(Child("cancel"), &QPushButton::clicked, this, &QDialog::reject);
        Refresh();
    }

  private:
    ContractForm& m_Form;
    QLabel *m_pName, *m_pRatings, *m_pOffer, *m_pCapRoom, *m_pCash;
    QPushButton *m_pFewerYears, *m_pMoreYears, *m_pLessBonus, *m_pMoreBonus, *m_pScout, *m_pSign;
    QLineEdit *m_pYears, *m_pBonus;

    QLabel* Label(const char* szObject) {
        QLabel* pLabel = new QLabel(this);
        pLabel->setObjectName(szObject);
        return pLabel;
    }
    QPushButton* Button(const char* szObject, const char* szText) {
        QPushButton* pButton = new QPushButton(Text(szText), this);
        pButton->setObjectName(szObject);
        pButton->setAutoDefault(false);
        return pButton;
    }
    QPushButton* Child(const char* szObject) { return findChild<QPushButton*>(szObject); }
    // Digits only: the core judges the figure.
    QLineEdit* Edit(const char* szObject, int nDigits) {
        QLineEdit* pEdit = new QLineEdit(this);
        pEdit->setObjectName(szObject);
        pEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QString("\\d{1,%1}").arg(nDigits)), pEdit));
        pEdit->setAlignment(Qt::AlignRight);
        pEdit->setFixedWidth(pEdit->fontMetrics().horizontalAdvance(QString(WIDEST_TYPED_TERM, '0')) + 12);
        return pEdit;
    }

    void Step(void (*pAdjust)(ContractForm&, int), int nDelta) {
        pAdjust(m_Form, nDelta);
        Refresh();
    }
    void Type(QLineEdit* pEdit, bool (*pType)(ContractForm&, int, char*)) {
        char szMessage[TEXT_SIZE];
        bool bReached = pType(m_Form, pEdit->text().toInt(), szMessage);
        // Shown before the notice, so the focus it takes finds the terms settled.
        Refresh();
        if (!bReached) Message_Box(TYPED_TERM_TITLE, "%s", szMessage);
    }
    void Show_Scouting_Report() {
        char szName[FULL_NAME_WIDTH + 1];
        char szReport[NEWS_TEXT_SIZE];
        Get_Player_Full_Name(m_Form.nTeam, m_Form.nPlayer, szName);
        Get_Scouting_Report(m_Form.nTeam, m_Form.nPlayer, m_Form.nSigningTeam, szReport, sizeof szReport);
        QMessageBox::information(this, Text(szName), Text(szReport));
    }

    void Refresh() {
        char szText[TEXT_SIZE];
        Get_Player_Full_Name(m_Form.nTeam, m_Form.nPlayer, szText);
        m_pName->setText(Text(szText));
        Contract_Ratings_Text(m_Form, szText);
        m_pRatings->setText(Text(szText));
        Contract_Offer_Text(m_Form, szText);
        m_pOffer->setText(Text(szText));
        Contract_Cap_Room_Text(m_Form, szText);
        m_pCapRoom->setText(Text(szText));
        Contract_Cash_Text(m_Form, szText);
        m_pCash->setText(Text(szText));
        m_pYears->setText(QString::number(Contract_Shown_Years(m_Form)));
        m_pBonus->setText(QString::number(Get_Player_Vital_Stat(m_Form.nTeam, m_Form.nPlayer, VS_BONUS)));
        ContractButtons buttons = Contract_Form_Buttons(m_Form);
        m_pFewerYears->setEnabled(buttons.bFewerYears);
        m_pMoreYears->setEnabled(buttons.bMoreYears);
        m_pLessBonus->setEnabled(buttons.bLessBonus);
        m_pMoreBonus->setEnabled(buttons.bMoreBonus);
        m_pSign->setEnabled(buttons.bSign);
    }
};
}  // namespace

int Run_Contract_Offer(ContractForm* pForm) {
    ContractOffer dialog(*pForm, Main_Window_Widget());
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

bool Release_From_Roster(TNUM nTeam, PNUM nSlot) { return Ask_To_Release_Player(nTeam, nSlot); }
