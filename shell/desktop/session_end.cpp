#include "session_end.h"

#include <QGuiApplication>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

namespace kestrow {

void on_session_end(QObject* context, SessionEndHandler handler) {
#if QT_CONFIG(sessionmanager)
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, context,
        [handler = std::move(handler)](QSessionManager& manager) {
            if (!handler.needs_asking()) return;
            if (!manager.allowsInteraction()) return;  // the manager decides alone
            const bool end = handler.ask();
            manager.release();
            if (!end) manager.cancel();
        },
        Qt::DirectConnection);
#else
    Q_UNUSED(context);
    Q_UNUSED(handler);
#endif
}

}  // namespace kestrow
