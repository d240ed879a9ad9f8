// Acting on modal windows from a window test: each helper waits, inside the
// modal loop that is about to start, for the window it expects.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

struct SeenBox {
    QString szTitle;
    QString szText;
};

// Runs pAct on the next modal window titled szTitle (any title when empty).
inline void On_Modal(const QString& szTitle, std::function<void(QWidget*)> act, int nTries = 2000) {
    QTimer::singleShot(5, [szTitle, act, nTries] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || (!szTitle.isEmpty() && pModal->windowTitle() != szTitle)) {
            if (nTries > 0) On_Modal(szTitle, act, nTries - 1);
            return;
        }
        act(pModal);
    });
}

// Presses a button of the next message box and remembers what it said.
inline void Answer_Box(QMessageBox::StandardButton button, QList<SeenBox>* pSeen, int nTries = 2000) {
    QTimer::singleShot(5, [button, pSeen, nTries] {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) {
            if (nTries > 0) Answer_Box(button, pSeen, nTries - 1);
            return;
        }
        pSeen->append({pBox->windowTitle(), pBox->text()});
        pBox->button(button)->click();
    });
}

template <class T>
T* Child(QWidget* pWindow, const char* szName) {
    return pWindow->findChild<T*>(szName);
}

// The button of a dialog's button row with this text.
inline QPushButton* Button(QWidget* pWindow, const QString& szText) {
    for (QPushButton* pButton : pWindow->findChildren<QPushButton*>())
        if (pButton->text() == szText) return pButton;
    return nullptr;
}
