#include "ui/session_end.h"

#include "platform/native.h"
#include "ui/main_window.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cstdio>

namespace quorrin::ui {

SessionEnd::SessionEnd(TForm1& window, std::string applicationTitle, QObject* parent)
    : QObject(parent), window_(window), applicationTitle_(std::move(applicationTitle))
{
    if (const auto descriptor = platform::catchEndRequests()) {
        auto* notifier = new QSocketNotifier(*descriptor, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, descriptor = *descriptor] {
            while (platform::takeEndRequest(descriptor)) {
            }
            end();
        });
    }
#if QT_CONFIG(sessionmanager)
    // The program agrees to end: the request is never cancelled.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { end(); });
#endif
}

void SessionEnd::end()
{
    if (ending_)
        return;
    ending_ = true;
    if (const auto failure = window_.closeAtSessionEnd())
        std::fprintf(stderr, "%s: %s。設定を保存できないまま終了します\n", applicationTitle_.c_str(), failure->c_str());
    // Also leaves any dialog's own loop, so a box left open cannot hold the
    // program.
    QCoreApplication::exit(0);
}

} // namespace quorrin::ui
