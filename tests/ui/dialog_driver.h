#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quorrin::testing {

// Acts on the first visible window of type W once it shows, from inside the
// modal loop that shows it. A window that never shows leaves `act` uncalled
// and closes every modal window after a few seconds; so does a check that
// fails inside `act`; the test then fails instead of hanging.
inline void closeModalWindows()
{
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

template <typename W> void whenShown(std::function<void(W&)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto* giveUp = new QTimer;
    giveUp->setSingleShot(true);
    QObject::connect(poll, &QTimer::timeout, [poll, giveUp, act] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<W*>(window); found != nullptr && found->isVisible()) {
                poll->deleteLater();
                giveUp->deleteLater();
                poll->stop();
                giveUp->stop();
                act(*found);
                if (QTest::currentTestFailed())
                    closeModalWindows();
                return;
            }
        }
    });
    QObject::connect(giveUp, &QTimer::timeout, [poll, giveUp] {
        poll->deleteLater();
        giveUp->deleteLater();
        poll->stop();
        closeModalWindows();
    });
    poll->start();
    giveUp->start(5000);
}

// Clicks the dialog's confirming button, as the user would.
inline void pressAccept(QDialog& dialog)
{
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) {
                button->click();
                return;
            }
        }
    }
    qFatal("the dialog has no confirming button");
}

} // namespace quorrin::testing
