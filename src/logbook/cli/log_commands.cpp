#include "logbook/cli/log_commands.h"

#include "logbook/adif_contacts.h"
#include "logbook/adif_transfer.h"
#include "logbook/log_store.h"
#include "orbit/cli/options.h"
#include "orvanta_version.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <ostream>

namespace orvanta {

namespace {

constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

using orbit::cli::OptionRules;
using orbit::cli::Options;

int badArguments(std::ostream &err, const std::string &why)
{
    err << "orvanta-log : " << why << "\n" << logUsage();
    return kBadArguments;
}

std::string text(const QString &value)
{
    return value.toStdString();
}

// The log named by --database, or the usual one. Null after saying why.
std::unique_ptr<LogStore> openStore(const Options &options, std::ostream &err)
{
    const QString path = options.has("--database") ? QString::fromStdString(options.text("--database"))
                                                   : LogStore::defaultPath();
    auto store = std::make_unique<LogStore>(path);
    if (!store->isOpen()) {
        err << "orvanta-log : " << text(store->error()) << "\n";
        return nullptr;
    }
    return store;
}

int exportCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--adif"}, {"--since", "--database"}, {}, {}});
    if (!options.ok())
        return badArguments(err, options.error());
    ContactSelection selection;
    if (options.has("--since")) {
        const QDate day = QDate::fromString(QString::fromStdString(options.text("--since")), Qt::ISODate);
        if (!day.isValid() || options.text("--since").size() != 10)
            return badArguments(
                err, text(QCoreApplication::translate("LogCommand",
                                                      "--since : date attendue sous la forme AAAA-MM-JJ, pas « %1 »")
                              .arg(QString::fromStdString(options.text("--since")))));
        selection.from = QDateTime(day, QTime(0, 0), Qt::UTC);
    }
    const auto store = openStore(options, err);
    if (!store)
        return kFailed;
    const TransferOutcome outcome = exportContacts(*store, selection, QString::fromStdString(options.text("--adif")),
                                                   QDateTime::currentDateTimeUtc());
    (outcome.done ? out : err) << (outcome.done ? "" : "orvanta-log : ") << text(outcome.message) << "\n";
    return outcome.done ? 0 : kFailed;
}

int importCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.empty() || arguments.front().starts_with("--"))
        return badArguments(err, text(QCoreApplication::translate("LogCommand", "import : fichier ADIF absent")));
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    Options options(rest, {{}, {"--database"}, {}, {}});
    if (!options.ok())
        return badArguments(err, options.error());
    const auto store = openStore(options, err);
    if (!store)
        return kFailed;
    const TransferOutcome outcome = importContacts(*store, QString::fromStdString(arguments.front()));
    for (const QString &problem : outcome.problems)
        err << "orvanta-log : " << arguments.front() << " : " << text(problem) << "\n";
    if (!outcome.done) {
        err << "orvanta-log : " << text(outcome.message) << "\n";
        return kFailed;
    }
    out << text(QCoreApplication::translate("LogCommand", "%1 contact(s) importé(s), %2 déjà dans le journal")
                    .arg(outcome.contacts)
                    .arg(outcome.duplicates));
    if (!outcome.problems.isEmpty())
        out << text(QCoreApplication::translate("LogCommand", ", %1 enregistrement(s) endommagé(s) ignoré(s)")
                        .arg(outcome.problems.size()));
    out << "\n";
    return outcome.problems.isEmpty() ? 0 : kFailed;
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
std::string csvField(const QString &value)
{
    std::string field = text(value);
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

int listCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{}, {"--call", "--database"}, {}, {}});
    if (!options.ok())
        return badArguments(err, options.error());
    const auto store = openStore(options, err);
    if (!store)
        return kFailed;
    const std::vector<Contact> contacts = options.has("--call")
                                              ? store->withCall(QString::fromStdString(options.text("--call")))
                                              : store->contacts();
    out << "time_on,call,sat_name,sat_mode,freq_mhz,freq_rx_mhz,mode,submode,rst_sent,rst_rcvd,gridsquare,"
           "my_gridsquare,station_callsign,name,comment,catalog_number\n";
    for (const Contact &c : contacts) {
        const QString fields[] = {c.instant.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")),
                                  c.call,
                                  c.satName,
                                  c.satMode,
                                  c.uplinkHz > 0 ? megahertzText(c.uplinkHz) : QString(),
                                  c.downlinkHz > 0 ? megahertzText(c.downlinkHz) : QString(),
                                  c.mode,
                                  c.submode,
                                  c.rstSent,
                                  c.rstRcvd,
                                  c.grid,
                                  c.myGrid,
                                  c.stationCallsign,
                                  c.name,
                                  c.comment,
                                  QString::number(c.catalogNumber)};
        bool first = true;
        for (const QString &field : fields) {
            out << (first ? "" : ",") << csvField(field);
            first = false;
        }
        out << '\n';
    }
    return 0;
}

} // namespace

std::string logUsage()
{
    return text(QCoreApplication::translate(
        "LogCommand", "usage :\n"
                      "  orvanta-log export --adif FICHIER [--since AAAA-MM-JJ] [--database FICHIER]\n"
                      "  orvanta-log import FICHIER [--database FICHIER]\n"
                      "  orvanta-log list [--call INDICATIF] [--database FICHIER]\n"
                      "  orvanta-log --version\n"
                      "Le journal est par défaut ~/.local/share/orvanta/journal.sqlite, celui de la fenêtre Journal.\n"
                      "export écrit les contacts (depuis la date donnée, incluse) en ADIF 3.1 pour LoTW ;\n"
                      "import ajoute ceux d'un fichier ADIF qui ne sont pas déjà dans le journal ;\n"
                      "list les écrit en CSV, les plus récents d'abord.\n"
                      "Statut 0 : fait, 1 : journal ou fichier inutilisable, enregistrement endommagé ignoré,\n"
                      "2 : arguments incorrects.\n"));
}

int runLogCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.empty())
        return badArguments(err, text(QCoreApplication::translate("LogCommand", "commande absente")));
    const std::string &command = arguments.front();
    if (command == "--version" && arguments.size() == 1) {
        out << "orvanta-log " ORVANTA_VERSION "\n";
        return 0;
    }
    if ((command == "--help" || command == "-h") && arguments.size() == 1) {
        out << logUsage();
        return 0;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "export")
        return exportCommand(rest, out, err);
    if (command == "import")
        return importCommand(rest, out, err);
    if (command == "list")
        return listCommand(rest, out, err);
    return badArguments(
        err,
        text(QCoreApplication::translate("LogCommand", "commande inconnue : %1").arg(QString::fromStdString(command))));
}

} // namespace orvanta
