#include "shell/dialog_widgets.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QVBoxLayout>
#include <string>

#include "platform/platform.h"
#include "shell/picture_store.h"

CoreSpinBox::CoreSpinBox(std::function<void(int)> spin, std::function<void(const char*)> setText,
                         std::function<const char*()> text, QWidget* pParent)
    : QAbstractSpinBox(pParent), m_Spin(std::move(spin)), m_SetText(std::move(setText)), m_Text(std::move(text)) {
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { Commit(); });
    Refresh();
}

void CoreSpinBox::stepBy(int nSteps) {
    m_Spin(nSteps);
    Refresh();
}

void CoreSpinBox::Commit() {
    m_SetText(lineEdit()->text().toUtf8().constData());
    Refresh();
}

void CoreSpinBox::Refresh() { lineEdit()->setText(QString::fromUtf8(m_Text())); }

void CoreSpinBox::Fit_Text(const QString& szWidest) {
    m_szWidest = szWidest;
    updateGeometry();
}

// The base class knows no range, so its own hint fits next to nothing.
QSize CoreSpinBox::sizeHint() const {
    QSize hint = QAbstractSpinBox::sizeHint();
    ensurePolished();
    QString szText = m_szWidest.size() > lineEdit()->text().size() ? m_szWidest : lineEdit()->text();
    QMargins margins = lineEdit()->textMargins();
    // A digit's room more for the cursor and the frame's rounding.
    int nText = fontMetrics().horizontalAdvance(szText + "0") + margins.left() + margins.right();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QSize fitted = style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                             QSize(nText, lineEdit()->sizeHint().height()), this);
    return hint.expandedTo(fitted);
}

QSize CoreSpinBox::minimumSizeHint() const { return sizeHint(); }

QAbstractSpinBox::StepEnabled CoreSpinBox::stepEnabled() const {
    return isReadOnly() || !isEnabled() ? StepNone : StepUpEnabled | StepDownEnabled;
}

QVBoxLayout* Dialog_Layout(QDialog& dialog, const char* szTitle) {
    dialog.setWindowTitle(QString::fromUtf8(szTitle));
    return new QVBoxLayout(&dialog);
}

void Set_Picture(QLabel* pLabel, const char* szName, int nWidth, int nHeight) {
    QImage image = Load_Picture(szName);
    if (image.isNull())
        pLabel->clear();
    else
        pLabel->setPixmap(QPixmap::fromImage(image.scaled(nWidth, nHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

QLabel* Picture_Label(const char* szName, int nWidth, int nHeight, QWidget* pParent) {
    QLabel* pLabel = new QLabel(pParent);
    pLabel->setFixedSize(nWidth, nHeight);
    Set_Picture(pLabel, szName, nWidth, nHeight);
    return pLabel;
}

QDialogButtonBox* Ok_Cancel_Help(QDialog* pDialog, const char* szHelpTopic) {
    QDialogButtonBox* pButtons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, pDialog);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    std::string szPath = std::string("help/") + szHelpTopic + ".htm";
    QObject::connect(pButtons, &QDialogButtonBox::helpRequested, pDialog, [szPath] { Open_Document(szPath.c_str()); });
    return pButtons;
}

int Dialog_Result(int nExec) { return nExec == QDialog::Accepted ? DIALOG_OK : DIALOG_CANCELLED; }

QLabel* Bold_Label(const QString& szText, QWidget* pParent) {
    QLabel* pLabel = new QLabel(szText, pParent);
    QFont font = pLabel->font();
    font.setBold(true);
    pLabel->setFont(font);
    return pLabel;
}
