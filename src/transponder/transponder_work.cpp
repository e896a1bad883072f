#include "transponder/transponder_work.h"

#include "data/satnogs_import.h"
#include "data/satnogs_import_window.h"
#include "data/transponder_table.h"
#include "platform/message_boxes.h"
#include "platform/utc_clock.h"
#include "receiver/ft847_receiver.h"
#include "transponder/transponder_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include <cmath>
#include <QWidget>

namespace orvanta {

TransponderWork::TransponderWork(Links links, Receiver &ar5000Radio, Ft847Receiver &ft847, Receiver &ft847Radio,
                                 HamlibReceiver &hamlib)
    : links_(std::move(links)),
      tuning_(links_.store, [this] { return readTable(); }),
      ft847_(ft847),
      ft847Dial_(SatelliteLink::kFt847StepHz),
      ft847Satellite_(ft847, [this] { return links_.clock.nowUtc().toMSecsSinceEpoch(); }),
      ft847Link_(ft847Satellite_),
      ft847Receiver_(ft847Radio, ft847Link_),
      hamlib_(links_.window, links_.entries, links_.store, hamlib),
      twoRadios_(links_.window, links_.entries.uplinkRadio, links_.store, links_.messages),
      ar5000Gate_(twoRadios_.gate(ar5000Radio)),
      ft847Gate_(twoRadios_.gate(ft847Receiver_)),
      hamlibGate_(twoRadios_.gate(hamlib_.receiver())),
      panel_(new TranspondeurWindow(tuning_, [this] { return rangeRate(); }, &links_.window)),
      correction_(new QTimer(&links_.window)),
      periodSeconds_(correctionPeriodMs(links_.store) / 1000.0)
{
    panel_->setDial([this] { return dial(); });
    ft847_.setSatelliteByteGap(ft847SatelliteByteGap(links_.store));
    ft847_.setSatelliteReader([this](std::optional<qint64> hertz) { ft847Read(hertz); });
    ft847Link_.setOnDownlinkSent([this](qint64 hertz, double landsIn) {
        ft847Dial_.sent(hertz, links_.clock.nowUtc().toMSecsSinceEpoch() + qint64(landsIn * 1000));
    });
    correction_->setObjectName(QStringLiteral("Transpondeur_Correction"));
    correction_->setInterval(correctionPeriodMs(links_.store));
    QObject::connect(correction_, &QTimer::timeout, &links_.window, [this] { correct(); });
    correction_->start();
    if (QAction *action = links_.entries.panel)
        QObject::connect(action, &QAction::triggered, &links_.window, [this] { panel_->ouvrir(); });
    if (QAction *action = links_.entries.import)
        QObject::connect(action, &QAction::triggered, &links_.window, [this] { importSatnogs(); });
}

// The panel and the timer belong to the window, which outlives this: they
// go first, as they use what is here.
TransponderWork::~TransponderWork()
{
    ft847_.setSatelliteReader(nullptr);
    delete correction_;
    delete panel_;
}

// The lines left out are told once, when the table is read, and again only
// when they change; the panel keeps showing them.
TransponderTable TransponderWork::readTable()
{
    TransponderTable table = loadTransponders(links_.folder);
    if (table.problems != toldProblems_) {
        toldProblems_ = table.problems;
        if (!table.problems.isEmpty()) {
            constexpr int kShown = 10;
            QString text =
                QCoreApplication::translate("Transponders", "Lignes de la table des transpondeurs ignorées :\n")
                + table.problems.mid(0, kShown).join(QLatin1Char('\n'));
            if (table.problems.size() > kShown)
                text += QCoreApplication::translate("Transponders", "\n... et %1 autres")
                            .arg(table.problems.size() - kShown);
            links_.messages.information(text, QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
        }
    }
    return table;
}

void TransponderWork::followed(const QString &name, long catalogNumber)
{
    panel_->follow(catalogNumber, name);
}

void TransponderWork::tableChanged()
{
    panel_->tableChanged();
}

std::optional<double> TransponderWork::rangeRate() const
{
    return rangeRateAt(links_.component(), tuning_.satelliteName(), links_.clock.nowUtc());
}

std::optional<TwoLinks> TransponderWork::linksAhead(double seconds) const
{
    const QDateTime at = links_.clock.nowUtc().addMSecs(std::llround(seconds * 1000));
    return tuning_.linksAt(rangeRateAt(links_.component(), tuning_.satelliteName(), at));
}

// The radio's two links at their own rate, not only at the tick; sooner
// while their Doppler shift moves fast.
void TransponderWork::correct()
{
    Receiver *programmed = tuning_.drivesRadio() ? links_.programmed() : nullptr;
    const bool two = programmed && twoRadios_.chosen();
    const bool ft847 = !two && programmed == &ft847Gate_;
    const bool hamlib = !two && programmed == &hamlibGate_;
    const LinksAhead ahead = [this](double seconds) { return linksAhead(seconds); };
    double period = periodSeconds_;
    if (two || ft847 || hamlib) {
        tuning_.setRangeRate(rangeRate());
        const std::optional<TwoLinks> now = tuning_.links();
        if (const std::optional<TwoLinks> later = now ? linksAhead(1) : std::nullopt)
            period = correctionSeconds(std::max(std::abs(later->downlinkAtRadio - now->downlinkAtRadio),
                                                std::abs(later->uplinkAtRadio - now->uplinkAtRadio)),
                                       periodSeconds_);
    }
    const int periodMs = int(std::lround(period * 1000));
    if (correction_->interval() != periodMs)
        correction_->setInterval(periodMs);
    // The one-radio links come first: one that stops hands its radio back
    // before two radios take it as their downlink.
    const bool wasActive = ft847Link_.active();
    ft847Satellite_.setReadsDial(!hamlib_.dialIgnored() && !ft847Silent_);
    ft847Link_.cycle(ft847 ? tuning_.transponder() : nullptr, ft847 ? ahead : LinksAhead(), period);
    if (ft847Link_.active() && !wasActive) {
        ft847Silent_ = false;
        ft847DialHz_.reset();
        ft847Dial_.clear();
    }
    hamlib_.cycle(hamlib ? &tuning_ : nullptr, ahead, period);
    twoRadios_.cycle(two ? programmed : nullptr, tuning_.transponder(), ahead, period);
    tuning_.setUplinkRefused((ft847 && ft847Link_.refused()) || (hamlib && hamlib_.uplinkRefused()));
    RadioState state;
    if (ft847 && ft847Link_.active()) {
        state.satelliteMode = true;
        state.uplinkVfo = QStringLiteral("SAT TX");
    } else if (hamlib && hamlib_.active()) {
        state = hamlib_.state();
    } else if (two && twoRadios_.active()) {
        state.uplinkVfo = QCoreApplication::translate("Transponders", "radio de montée");
    }
    state.uplinkRefused = tuning_.uplinkRefused();
    tuning_.setRadioState(state);
}

void TransponderWork::ft847Read(std::optional<qint64> hertz)
{
    if (!ft847Link_.active())
        return;
    if (!hertz) {
        if (!ft847Silent_)
            links_.messages.information(
                QCoreApplication::translate(
                    "Transponders",
                    "Le FT847 ne répond pas à la lecture de sa fréquence SAT RX : le cadran est ignoré, "
                    "les corrections continuent."),
                QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
        ft847Silent_ = true;
        ft847Satellite_.setReadsDial(false);
        return;
    }
    ft847DialHz_ = double(*hertz);
    const qint64 now = links_.clock.nowUtc().toMSecsSinceEpoch();
    constexpr qint64 kMarginMs = 200; // a frame landed that late is still ours
    if (hamlib_.dialIgnored())
        return;
    if (const std::optional<double> turned = ft847Dial_.turned(double(*hertz), now, kMarginMs))
        if (const std::optional<TwoLinks> links = linksAhead(0))
            tuning_.setDownlink(downlinkFromDial(*turned, *links));
}

std::optional<double> TransponderWork::dial() const
{
    if (ft847Link_.active())
        return ft847DialHz_;
    return hamlib_.dial();
}

void TransponderWork::importSatnogs()
{
    const QString path = chooseSatnogsFile(&links_.window);
    if (path.isEmpty())
        return;
    const SatnogsImport import = importSatnogsFile(links_.folder, path);
    if (import.done && import.statuses && statusesImported)
        statusesImported();
    else if (import.done)
        panel_->tableChanged();
    links_.messages.information(import.message, QStringLiteral("Orvanta"),
                                import.done ? MessageBoxes::Icon::Information : MessageBoxes::Icon::Warning);
}

} // namespace orvanta
