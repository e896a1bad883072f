#include "remote/remote_setup.h"

#include "remote/remote_passwords.h"
#include "platform/ini_settings_store.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <string>

namespace orvanta {

namespace {

std::optional<int> wholeText(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    return ok && value >= low && value <= high ? std::optional(value) : std::nullopt;
}

} // namespace

RemoteSetup::RemoteSetup(SettingsStore &store, std::function<void()> applied)
    : store_(store), applied_(std::move(applied))
{
    load();
}

void RemoteSetup::load()
{
    settings_ = loadRemoteSettings(store_);
}

QString RemoteSetup::apply(bool enabled, const QString &address, const QString &port, const QString &certificateFile,
                           const QString &keyFile, const QString &idleHours)
{
    RemoteSettings edited = settings_;
    edited.enabled = enabled;
    edited.address = address.trimmed();
    edited.certificateFile = certificateFile.trimmed();
    edited.keyFile = keyFile.trimmed();
    const auto portValue = wholeText(port, 1, 65535);
    if (!portValue)
        return QCoreApplication::translate("RemoteSetup", "Le port doit être un nombre entier entre 1 et 65535.");
    edited.port = *portValue;
    const auto hours = wholeText(idleHours, 1, 24 * 30);
    if (!hours)
        return QCoreApplication::translate("RemoteSetup",
                                           "La durée d'inactivité doit être un nombre d'heures entre 1 et 720.");
    edited.idleHours = *hours;
    if (edited.certificateFile.isEmpty() != edited.keyFile.isEmpty())
        return QCoreApplication::translate("RemoteSetup",
                                           "Choisissez le certificat et sa clé ensemble, ou aucun des deux.");
    if (edited.enabled)
        if (const QString refusal = remoteStartRefusal(edited); !refusal.isEmpty())
            return refusal;
    settings_ = edited;
    saveRemoteSettings(store_, settings_);
    applied_();
    return {};
}

QString RemoteSetup::setPassword(RemoteRole role, const QString &password, const QString &again)
{
    if (password != again)
        return QCoreApplication::translate("RemoteSetup", "Les deux mots de passe diffèrent.");
    QByteArray hash;
    if (!password.isEmpty()) {
        if (password.size() < 8)
            return QCoreApplication::translate("RemoteSetup", "Un mot de passe a 8 caractères au moins.");
        const auto made = hashRemotePassword(password.toUtf8());
        if (!made)
            return QCoreApplication::translate("RemoteSetup",
                                               "Le mot de passe n'a pas pu être haché (mémoire insuffisante).");
        hash = *made;
    }
    (role == RemoteRole::Operator ? settings_.operatorHash : settings_.viewerHash) = hash;
    saveRemotePasswordHash(store_, role, hash);
    applied_();
    return {};
}

} // namespace orvanta

namespace orvanta {

namespace {

// Without a display, what the settings file has to say goes to the terminal.
class TerminalMessages final : public MessageBoxes {
public:
    void information(const QString &text, const QString &, Icon) override
    {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(text));
    }
    bool question(const QString &text, const QString &) override
    {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(text));
        return false;
    }
};

} // namespace

int setRemotePasswordFromInput(const QString &settingsFile, const QString &role)
{
    if (role != QLatin1String("operator") && role != QLatin1String("viewer")) {
        std::fprintf(stderr, "orvanta: %s\n",
                     qPrintable(QCoreApplication::translate("RemotePassword",
                                                            "--set-remote-password attend operator ou viewer, pas %1")
                                    .arg(role)));
        return 2;
    }
    // One line, at most a little more than any password needs.
    std::string line;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n' && line.size() <= 4096)
        line.push_back(char(c));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > 4096) {
        std::fprintf(stderr, "orvanta: %s\n",
                     qPrintable(QCoreApplication::translate("RemotePassword", "mot de passe trop long")));
        return 2;
    }
    TerminalMessages messages;
    IniSettingsStore store(settingsFile, messages);
    RemoteSetup setup(store, [] {});
    const QString password = QString::fromStdString(line);
    const QString error = setup.setPassword(role == QLatin1String("operator") ? RemoteRole::Operator : RemoteRole::Viewer,
                                            password, password);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(error));
        return 1;
    }
    const QString done = password.isEmpty()
                             ? QCoreApplication::translate("RemotePassword", "Mot de passe %1 retiré de %2")
                             : QCoreApplication::translate("RemotePassword", "Mot de passe %1 enregistré dans %2");
    std::printf("%s\n", qPrintable(done.arg(role, settingsFile)));
    return 0;
}

} // namespace orvanta
