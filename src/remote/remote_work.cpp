#include "remote/remote_work.h"

#include "remote/distance_window.h"

#include <QCoreApplication>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace orvanta {

RemoteWork::RemoteWork(Links links)
    : QObject(&links.window),
      links_(std::move(links)),
      server_(links_.station),
      setup_(links_.store, [this] { restart(); }),
      dialog_(new DistanceWindow(setup_, &links_.window))
{
    if (QMenu *menu = links_.menu) {
        QAction *open = menu->addAction(QCoreApplication::translate("Remote", "Station a &distance"));
        open->setObjectName(QStringLiteral("Mnu_Distance"));
        connect(open, &QAction::triggered, dialog_, &DistanceWindow::ouvrir);
        QAction *cut = menu->addAction(QCoreApplication::translate("Remote", "Couper les sessions a distance"));
        cut->setObjectName(QStringLiteral("Mnu_Couper_Distance"));
        connect(cut, &QAction::triggered, this, [this] { server_.cutAllSessions(); });
    }
    connect(&server_, &RemoteServer::sessionsChanged, this, &RemoteWork::showSessions);
    connect(&server_, &RemoteServer::loginsRefused, this, [this](const QString &address) {
        links_.window.statusBar()->showMessage(
            QCoreApplication::translate(
                "Remote", "Station a distance : mots de passe refusés depuis %1, les essais sont ralentis.")
                .arg(address));
    });
}

RemoteWork::~RemoteWork() = default;

void RemoteWork::start()
{
    restart();
}

void RemoteWork::restart()
{
    RemoteSettings settings = setup_.settings();
    if (links_.oneRun) {
        settings.enabled = true;
        settings.address = links_.oneRun->address;
        settings.port = links_.oneRun->port;
    }
    server_.stop();
    refusal_.clear();
    if (settings.enabled)
        refusal_ = server_.start(settings);
    showSessions();
}

void RemoteWork::ticked()
{
    server_.publish();
    showSessions(); // sessions idle too long end between two calls
}

void RemoteWork::showSessions()
{
    if (!server_.listening()) {
        say(refusal_.isEmpty()
                ? QString()
                : QCoreApplication::translate("Remote", "Station a distance arrêtée : %1").arg(refusal_));
        return;
    }
    QStringList who;
    for (const RemoteServer::Connected &session : server_.sessions())
        who << QStringLiteral("%1 %2").arg(roleCaption(session.role), session.address);
    say(who.isEmpty()
            ? QCoreApplication::translate("Remote", "Station a distance : port %1, personne").arg(server_.port())
            : QCoreApplication::translate("Remote", "Station a distance : %1").arg(who.join(QStringLiteral(", "))));
}

// The status bar is made only when there is something to say, so a
// station without the remote looks as it always did.
void RemoteWork::say(const QString &text)
{
    if (text == shown_)
        return;
    shown_ = text;
    if (!status_) {
        if (text.isEmpty())
            return;
        status_ = new QLabel;
        status_->setObjectName(QStringLiteral("Etat_Distance"));
        links_.window.statusBar()->addPermanentWidget(status_);
    }
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

} // namespace orvanta
