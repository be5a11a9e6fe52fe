#include "app/StartupMessages.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace qv {
namespace {

struct Held {
    QtMsgType type;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<Held>& held() {
    static std::vector<Held> messages;
    return messages;
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The first thing Qt said is the reason ("could not connect to display").
        const QString reason = held().empty() ? QString() : held().front().text.section(u'\n', 0, 0).trimmed();
        std::fprintf(stderr, "quorvane: no display could be opened%s%s\n", reason.isEmpty() ? "" : ": ",
                     reason.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(-1);
    }
    (void)context;
    held().push_back({type, text});
}

}  // namespace

void holdStartupMessages() { previousHandler = qInstallMessageHandler(holdingHandler); }

void releaseStartupMessages() {
    qInstallMessageHandler(previousHandler);
    std::vector<Held> messages;
    messages.swap(held());
    const QMessageLogContext context;
    for (const Held& message : messages) {
        if (previousHandler)
            previousHandler(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
    }
}

}  // namespace qv
