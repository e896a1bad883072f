#include "logbook/journal.h"

#include "logbook/adif_contacts.h"
#include "logbook/adif_transfer.h"
#include "logbook/contact_checks.h"
#include "platform/settings_store.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

namespace {

const QString kApplication = QStringLiteral("Orvanta");
const QString kSection = QStringLiteral("Journal");
const QString kInstantForm = QStringLiteral("yyyy-MM-dd HH:mm:ss");

std::size_t at(EntryField field)
{
    return std::size_t(field);
}

// "JN18EU" and "jn18eu" are written "JN18eu".
QString gridForm(const QString &grid)
{
    return grid.left(4).toUpper() + grid.mid(4).toLower();
}

// The radio's mode as the row shows it: the sideband for SSB.
QString modeText(const Contact &c)
{
    return c.submode.isEmpty() ? c.mode : c.submode;
}

} // namespace

Journal::Journal(Links links) : links_(std::move(links)), names_(links_.stationFolder) {}

Journal::~Journal() = default;

LogStore &Journal::store()
{
    if (!store_)
        store_ = std::make_unique<LogStore>(links_.databasePath);
    return *store_;
}

void Journal::refresh()
{
    facts_ = links_.station.facts();
}

QString Journal::stationText(EntryField field, const StationFacts &facts) const
{
    switch (field) {
    case EntryField::Instant:
        return facts.instant.toUTC().toString(kInstantForm);
    case EntryField::SatName:
        return names_.nameOf(facts.catalogNumber);
    case EntryField::SatMode:
        return facts.satMode;
    case EntryField::Uplink:
        return facts.uplinkHz > 0 ? megahertzText(facts.uplinkHz) : QString();
    case EntryField::Downlink:
        return facts.downlinkHz > 0 ? megahertzText(facts.downlinkHz) : QString();
    case EntryField::Mode:
        return facts.radioMode.trimmed().toUpper();
    case EntryField::MyGrid:
        return facts.myGrid;
    case EntryField::RstSent:
    case EntryField::RstRcvd:
        return defaultReport(adifModeOf(text(EntryField::Mode)).mode);
    default:
        return {};
    }
}

QString Journal::text(EntryField field) const
{
    if (corrected_[at(field)] || field <= EntryField::Comment)
        return texts_[at(field)];
    return stationText(field, facts_);
}

void Journal::edit(EntryField field, const QString &text)
{
    texts_[at(field)] = text;
    if (field > EntryField::Comment)
        corrected_[at(field)] = true;
}

QString Journal::stationCallsign() const
{
    return links_.settings.get(kApplication, kSection, QStringLiteral("Indicatif Station"));
}

QString Journal::operatorCall() const
{
    return links_.settings.get(kApplication, kSection, QStringLiteral("Operateur"));
}

void Journal::setStationCallsign(const QString &call)
{
    links_.settings.save(kApplication, kSection, QStringLiteral("Indicatif Station"), call.trimmed().toUpper());
}

void Journal::setOperatorCall(const QString &call)
{
    links_.settings.save(kApplication, kSection, QStringLiteral("Operateur"), call.trimmed().toUpper());
}

QString Journal::workedText() const
{
    const QString call = text(EntryField::Call).trimmed().toUpper();
    const QString grid = text(EntryField::Grid).trimmed();
    if ((call.isEmpty() || !callsignFault(call).isEmpty()) && grid.size() < 4)
        return {};
    if (!store_ || !store_->isOpen())
        return {};
    const QString satName = text(EntryField::SatName).trimmed().toUpper();
    const WorkedBefore worked = store_->worked(callsignFault(call).isEmpty() ? call : QString(),
                                               gridFault(grid).isEmpty() ? grid : QString(), satName);
    QStringList parts;
    if (worked.contacts > 0) {
        QStringList times;
        for (const WorkedBefore::Time &time : worked.latest)
            times << QCoreApplication::translate("Journal", "%1 sur %2")
                         .arg(time.instant.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                              time.satName.isEmpty() ? QStringLiteral("?") : time.satName);
        parts << QCoreApplication::translate("Journal", "Déjà contacté %1 fois : %2%3")
                     .arg(worked.contacts)
                     .arg(times.join(QStringLiteral(", ")),
                          worked.contacts > int(times.size()) ? QStringLiteral("…") : QString());
    }
    if (grid.size() >= 4 && gridFault(grid).isEmpty()) {
        const QString square = grid.left(4).toUpper();
        if (worked.newGrid)
            parts << QCoreApplication::translate("Journal", "%1 : nouveau carré").arg(square);
        else if (worked.newGridOnSatellite)
            parts << QCoreApplication::translate("Journal", "%1 : nouveau carré sur %2")
                         .arg(square,
                              satName.isEmpty() ? QCoreApplication::translate("Journal", "ce satellite") : satName);
    }
    return parts.join(QStringLiteral(" — "));
}

QString Journal::notice() const
{
    if (store_ && !store_->isOpen())
        return store_->error();
    if (facts_.catalogNumber > 0 && names_.nameOf(facts_.catalogNumber).isEmpty() && !corrected(EntryField::SatName))
        return QCoreApplication::translate(
                   "Journal", "Nom LoTW de %1 (n° %2) inconnu : tapez-le dans « Satellite », il sera gardé.")
            .arg(facts_.satelliteName)
            .arg(facts_.catalogNumber);
    return {};
}

std::optional<Contact> Journal::contactFromRow(const StationFacts &facts, QString *fault) const
{
    const auto value = [&](EntryField field) {
        return corrected_[at(field)] || field <= EntryField::Comment ? texts_[at(field)].trimmed()
                                                                      : stationText(field, facts);
    };
    Contact c;
    c.call = value(EntryField::Call).toUpper();
    c.grid = gridForm(value(EntryField::Grid));
    c.myGrid = gridForm(value(EntryField::MyGrid));
    c.rstSent = value(EntryField::RstSent);
    c.rstRcvd = value(EntryField::RstRcvd);
    c.name = value(EntryField::Name);
    c.comment = value(EntryField::Comment);
    c.satName = value(EntryField::SatName).toUpper();
    c.satMode = value(EntryField::SatMode).toUpper();
    c.instant = corrected(EntryField::Instant)
                    ? QDateTime::fromString(value(EntryField::Instant), kInstantForm)
                    : facts.instant.toUTC();
    if (corrected(EntryField::Instant) && c.instant.isValid())
        c.instant.setTimeSpec(Qt::UTC);
    c.instant = c.instant.addMSecs(-c.instant.time().msec());

    QString reason = callsignFault(c.call);
    if (reason.isEmpty())
        reason = gridFault(c.grid);
    if (reason.isEmpty() && !gridFault(c.myGrid).isEmpty())
        reason = QCoreApplication::translate("Journal", "votre ") + gridFault(c.myGrid);
    if (reason.isEmpty())
        reason = reportFault(c.rstSent);
    if (reason.isEmpty())
        reason = reportFault(c.rstRcvd);
    if (reason.isEmpty())
        reason = instantFault(c.instant, facts.instant.toUTC());
    if (reason.isEmpty())
        reason = satelliteNameFault(c.satName);
    for (const EntryField field : {EntryField::Uplink, EntryField::Downlink}) {
        const QString text = value(field);
        const auto hertz = text.isEmpty() ? std::optional<qint64>(0) : hertzFromMegahertz(text);
        if (!hertz && reason.isEmpty())
            reason = QCoreApplication::translate("Journal", "fréquence « %1 » : en MHz, comme 145.950").arg(text);
        (field == EntryField::Uplink ? c.uplinkHz : c.downlinkHz) = hertz.value_or(0);
    }
    if (!reason.isEmpty()) {
        *fault = reason;
        return std::nullopt;
    }
    const AdifMode mode = adifModeOf(value(EntryField::Mode));
    c.mode = mode.mode;
    c.submode = mode.submode;
    c.band = bandOf(c.uplinkHz);
    c.bandRx = bandOf(c.downlinkHz);
    c.stationCallsign = stationCallsign();
    c.operatorCall = operatorCall();
    if (editing_) {
        c.id = *editing_;
        c.catalogNumber = editedCatalogNumber_;
        c.extra = editedExtra_;
    } else {
        // A name corrected into another satellite's is no longer this one.
        const QString known = names_.nameOf(facts.catalogNumber);
        c.catalogNumber = known.isEmpty() || known == c.satName ? facts.catalogNumber : 0;
    }
    return c;
}

Journal::Outcome Journal::logNow()
{
    // The station at the instant of Return, not the last refresh.
    const StationFacts facts = links_.station.facts();
    facts_ = facts;
    QString fault;
    const std::optional<Contact> contact = contactFromRow(facts, &fault);
    if (!contact)
        return {false, QCoreApplication::translate("Journal", "Contact non enregistré : %1").arg(fault)};
    LogStore &log = store();
    QString error;
    if (editing_) {
        if (!log.update(*contact, &error))
            return {false, error};
    } else if (!log.add(*contact, &error)) {
        return {false, error};
    }
    QString message = QCoreApplication::translate("Journal", "%1 %2 enregistré (%3, %4 TU)")
                          .arg(editing_ ? QCoreApplication::translate("Journal", "Contact modifié :")
                                        : QCoreApplication::translate("Journal", "Contact avec"),
                               contact->call, contact->satName, contact->instant.toString(kInstantForm));
    // The operator's answer for a satellite without LoTW name is kept.
    if (contact->catalogNumber > 0 && names_.nameOf(contact->catalogNumber).isEmpty()) {
        QString kept;
        if (names_.learn(contact->catalogNumber, contact->satName, &kept))
            message += QCoreApplication::translate("Journal", " ; %1 gardé pour le n° %2 dans %3")
                           .arg(contact->satName)
                           .arg(contact->catalogNumber)
                           .arg(satelliteNamesFileName);
        else
            message += QCoreApplication::translate("Journal", " ; nom %1 non gardé : %2").arg(contact->satName, kept);
    }
    clear();
    return {true, message};
}

void Journal::clear()
{
    texts_.fill(QString());
    corrected_.fill(false);
    editing_.reset();
    editedCatalogNumber_ = 0;
    editedExtra_.clear();
}

bool Journal::startEdit(qint64 id)
{
    const std::optional<Contact> c = store().contact(id);
    if (!c)
        return false;
    clear();
    editing_ = id;
    editedCatalogNumber_ = c->catalogNumber;
    editedExtra_ = c->extra;
    const std::pair<EntryField, QString> values[] = {
        {EntryField::Call, c->call},          {EntryField::Grid, c->grid},
        {EntryField::Name, c->name},          {EntryField::Comment, c->comment},
        {EntryField::RstSent, c->rstSent},    {EntryField::RstRcvd, c->rstRcvd},
        {EntryField::Instant, c->instant.toString(kInstantForm)},
        {EntryField::SatName, c->satName},    {EntryField::SatMode, c->satMode},
        {EntryField::Uplink, c->uplinkHz > 0 ? megahertzText(c->uplinkHz) : QString()},
        {EntryField::Downlink, c->downlinkHz > 0 ? megahertzText(c->downlinkHz) : QString()},
        {EntryField::Mode, modeText(*c)},     {EntryField::MyGrid, c->myGrid},
    };
    for (const auto &[field, value] : values) {
        texts_[at(field)] = value;
        corrected_[at(field)] = field > EntryField::Comment;
    }
    return true;
}

Journal::Outcome Journal::remove(qint64 id)
{
    QString error;
    if (!store().remove(id, &error))
        return {false, error};
    if (editing_ == id)
        clear();
    return {true, QCoreApplication::translate("Journal", "Contact supprimé")};
}

Journal::Outcome Journal::exportAdif(const QString &path, const ExportChoice &choice)
{
    LogStore &log = store();
    if (!log.isOpen())
        return {false, log.error()};
    ContactSelection selection;
    switch (choice.kind) {
    case ExportChoice::Kind::All:
        break;
    case ExportChoice::Kind::SinceLastExport:
        selection.afterId = log.lastExportedId();
        break;
    case ExportChoice::Kind::Dates:
        selection.from = QDateTime(choice.from, QTime(0, 0), Qt::UTC);
        selection.to = QDateTime(choice.to, QTime(23, 59, 59), Qt::UTC);
        break;
    }
    const TransferOutcome outcome = exportContacts(log, selection, path, links_.station.facts().instant);
    if (!outcome.done)
        return {false, outcome.message};
    const qint64 highest = std::max(log.lastExportedId(), outcome.highestId);
    QString error;
    if (!log.setLastExportedId(highest, &error))
        return {true, outcome.message + QStringLiteral(" ; ") + error};
    return {true, outcome.message};
}

Journal::Outcome Journal::importAdif(const QString &path)
{
    LogStore &log = store();
    if (!log.isOpen())
        return {false, log.error()};
    const TransferOutcome outcome = importContacts(log, path);
    return {outcome.done, outcome.message};
}

} // namespace orvanta
