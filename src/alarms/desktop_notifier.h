#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <map>
#include <optional>

class QDBusPendingCallWatcher;

namespace orvanta {

// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus). Every call is
// asynchronous, with a reply timeout of kReplyTimeoutMs, so a silent service
// never holds the window. Each notification has a name of the caller's: a
// new text under the same name replaces the one shown (the id the service
// gave, as replaces_id), and a text given while the service has not answered
// yet waits for that answer, so nothing is stacked.
class DesktopNotifier final : public QObject {
    Q_OBJECT
public:
    static constexpr int kReplyTimeoutMs = 2000;

    explicit DesktopNotifier(QDBusConnection bus, QObject *parent = nullptr);

    // lasting: stays until replaced or closed; otherwise the service's own delay.
    void show(const QString &name, const QString &summary, const QString &body, bool lasting);
    // Takes the notification off the desktop.
    void close(const QString &name);
    // Leaves it to the service's delay and forgets it.
    void release(const QString &name);

signals:
    // The service took a notification.
    void answered();
    // No service took it (none on the bus, an error, no answer in time):
    // the name's notification is forgotten.
    void unanswered(const QString &name);

private:
    struct Text {
        QString summary;
        QString body;
        bool lasting = false;
    };
    struct Shown {
        quint32 id = 0;
        bool waiting = false; // a call not answered yet
        std::optional<Text> next;
        bool closeWhenAnswered = false;
        bool releaseWhenAnswered = false;
    };
    void send(const QString &name, Shown &shown, const Text &text);
    void replied(const QString &name, QDBusPendingCallWatcher &call);
    void sendClose(quint32 id);

    QDBusConnection bus_;
    std::map<QString, Shown> shown_;
};

} // namespace orvanta
