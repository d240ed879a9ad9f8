// Small pieces the dialogs share: a spin box whose value the core keeps, a
// picture label, the OK / Cancel / Help row and the dialogs' result codes.
#pragma once
#include <QAbstractSpinBox>
#include <QString>
#include <functional>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QVBoxLayout;
class QWidget;

// What a dialog answers, as the dispatcher's callers expect.
enum { DIALOG_OK = 1, DIALOG_CANCELLED = 2 };

// The text comes from the core after every step and every typed entry; the
// core decides the limits and the rounding.
class CoreSpinBox : public QAbstractSpinBox {
  public:
    CoreSpinBox(std::function<void(int)> spin, std::function<void(const char*)> setText,
                std::function<const char*()> text, QWidget* pParent);
    void stepBy(int nSteps) override;
    void Commit();  // hands a typed text to the core, as leaving the box does
    void Refresh();
    // The box is sized for this text, the longest the core will show in it.
    void Fit_Text(const QString& szWidest);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    QString m_szWidest;
    std::function<void(int)> m_Spin;
    std::function<void(const char*)> m_SetText;
    std::function<const char*()> m_Text;
};

// Titles the dialog and gives it its column of rows.
QVBoxLayout* Dialog_Layout(QDialog& dialog, const char* szTitle);
// A heading above a group of lines: the text in the dialog's font, bold.
QLabel* Bold_Label(const QString& szText, QWidget* pParent);
// The picture scaled into nWidth x nHeight; an empty box when it is missing.
QLabel* Picture_Label(const char* szName, int nWidth, int nHeight, QWidget* pParent);
void Set_Picture(QLabel* pLabel, const char* szName, int nWidth, int nHeight);
// OK and Cancel closing the dialog as accepted / rejected, and Help opening
// "help/<topic>.htm".
QDialogButtonBox* Ok_Cancel_Help(QDialog* pDialog, const char* szHelpTopic);
int Dialog_Result(int nExec);  // QDialog::exec() -> DIALOG_OK / DIALOG_CANCELLED
