#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orvanta::test {

// A Hamlib daemon (rigctld or rotctld) on a free loopback port, spoken to
// with its raw protocol as another client would.
class HamlibDaemon {
public:
    // program: "rigctld" or "rotctld"; arguments: the model and its
    // settings ("-m", "1", ...).
    HamlibDaemon(const QString &program, const QStringList &arguments);
    ~HamlibDaemon();
    HamlibDaemon(const HamlibDaemon &) = delete;
    HamlibDaemon &operator=(const HamlibDaemon &) = delete;

    // Starts it (again, on the same port) and waits until it takes clients.
    bool start();
    void stop();
    QString address() const;
    // The reply lines to one command ("f", "m", "p"); empty when nothing answered.
    QStringList ask(const QString &command, int lines);

private:
    QString program_;
    QStringList arguments_;
    quint16 port_ = 0;
    QProcess process_;
};

} // namespace orvanta::test
