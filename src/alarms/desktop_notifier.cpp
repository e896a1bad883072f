#include "alarms/desktop_notifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace orvanta {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QObject *parent) : QObject(parent), bus_(std::move(bus)) {}

void DesktopNotifier::show(const QString &name, const QString &summary, const QString &body, bool lasting)
{
    Shown &shown = shown_[name];
    shown.closeWhenAnswered = shown.releaseWhenAnswered = false;
    const Text text{summary, body, lasting};
    if (shown.waiting)
        shown.next = text; // only the latest text is sent once the service answers
    else
        send(name, shown, text);
}

void DesktopNotifier::close(const QString &name)
{
    const auto it = shown_.find(name);
    if (it == shown_.end())
        return;
    if (it->second.waiting) {
        it->second.next.reset();
        it->second.closeWhenAnswered = true;
        return;
    }
    sendClose(it->second.id);
    shown_.erase(it);
}

void DesktopNotifier::release(const QString &name)
{
    const auto it = shown_.find(name);
    if (it == shown_.end())
        return;
    if (it->second.waiting && !it->second.closeWhenAnswered)
        it->second.releaseWhenAnswered = true;
    else if (!it->second.waiting)
        shown_.erase(it);
}

void DesktopNotifier::send(const QString &name, Shown &shown, const Text &text)
{
    if (!bus_.isConnected()) {
        shown_.erase(name);
        emit unanswered(name);
        return;
    }
    QDBusMessage notify = call(QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("orvanta"));
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(text.lasting ? 2 : 1)));
    // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
    notify << QStringLiteral("Orvanta") << QVariant::fromValue(shown.id) << QStringLiteral("orvanta") << text.summary
           << text.body << QStringList() << hints << qint32(text.lasting ? 0 : -1);
    shown.waiting = true;
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify, kReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, name](QDBusPendingCallWatcher *answer) {
        answer->deleteLater();
        replied(name, *answer);
    });
}

void DesktopNotifier::replied(const QString &name, QDBusPendingCallWatcher &call)
{
    const auto it = shown_.find(name);
    if (it == shown_.end())
        return;
    Shown &shown = it->second;
    shown.waiting = false;
    const QDBusPendingReply<quint32> reply = call;
    if (reply.isError()) {
        shown_.erase(it);
        emit unanswered(name);
        return;
    }
    shown.id = reply.value();
    if (shown.closeWhenAnswered) {
        sendClose(shown.id);
        shown_.erase(it);
    } else if (shown.next) {
        const Text next = *shown.next;
        shown.next.reset();
        send(name, shown, next);
    } else if (shown.releaseWhenAnswered) {
        shown_.erase(it);
    }
    emit answered();
}

void DesktopNotifier::sendClose(quint32 id)
{
    if (id == 0 || !bus_.isConnected())
        return;
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << QVariant::fromValue(id);
    // The answer changes nothing: the notification is forgotten either way.
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(closing, kReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
}

} // namespace orvanta
