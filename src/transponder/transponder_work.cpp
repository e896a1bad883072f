#include "transponder/transponder_work.h"

#include "data/satnogs_import.h"
#include "data/satnogs_import_window.h"
#include "data/transponder_table.h"
#include "platform/message_boxes.h"
#include "platform/utc_clock.h"
#include "transponder/transponder_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace orvanta {

TransponderWork::TransponderWork(Links links, Receiver &ar5000Radio, Ft847Receiver &ft847, Receiver &ft847Radio,
                                 HamlibReceiver &hamlib)
    : links_(std::move(links)),
      tuning_(links_.store, [this] { return readTable(); }),
      ft847Satellite_(ft847),
      ft847Link_(ft847Satellite_),
      ft847Receiver_(ft847Radio, ft847Link_),
      hamlib_(links_.window, links_.store, hamlib),
      twoRadios_(links_.window, links_.store, links_.messages),
      ar5000Gate_(twoRadios_.gate(ar5000Radio)),
      ft847Gate_(twoRadios_.gate(ft847Receiver_)),
      hamlibGate_(twoRadios_.gate(hamlib_.receiver())),
      panel_(new TranspondeurWindow(tuning_, [this] { return rangeRate(); }, &links_.window)),
      correction_(new QTimer(&links_.window))
{
    correction_->setObjectName(QStringLiteral("Transpondeur_Correction"));
    correction_->setInterval(correctionPeriodMs(links_.store));
    QObject::connect(correction_, &QTimer::timeout, &links_.window, [this] { correct(); });
    correction_->start();
    if (auto *action = links_.window.findChild<QAction *>(QStringLiteral("Mnu_Transpondeurs_Panneau")))
        QObject::connect(action, &QAction::triggered, &links_.window, [this] { panel_->ouvrir(); });
    if (auto *action = links_.window.findChild<QAction *>(QStringLiteral("Mnu_Transpondeurs_Import")))
        QObject::connect(action, &QAction::triggered, &links_.window, [this] { importSatnogs(); });
}

// The panel and the timer belong to the window, which outlives this: they
// go first, as they use what is here.
TransponderWork::~TransponderWork()
{
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

// The radio's two links at their own rate, not only at the tick.
void TransponderWork::correct()
{
    Receiver *programmed = tuning_.drivesRadio() ? links_.programmed() : nullptr;
    const bool two = programmed && twoRadios_.chosen();
    const bool ft847 = !two && programmed == &ft847Gate_;
    const bool hamlib = !two && programmed == &hamlibGate_;
    if (two || ft847 || hamlib)
        tuning_.setRangeRate(rangeRate());
    // The one-radio links come first: one that stops hands its radio back
    // before two radios take it as their downlink.
    ft847Link_.cycle(ft847 ? tuning_.transponder() : nullptr, ft847 ? tuning_.links() : std::nullopt);
    hamlib_.cycle(hamlib ? &tuning_ : nullptr);
    twoRadios_.cycle(two ? programmed : nullptr, tuning_.transponder(), tuning_.links());
    tuning_.setUplinkRefused((ft847 && ft847Link_.refused()) || (hamlib && hamlib_.uplinkRefused()));
}

void TransponderWork::importSatnogs()
{
    const QString path = chooseSatnogsFile(&links_.window);
    if (path.isEmpty())
        return;
    const SatnogsImport import = importSatnogsFile(links_.folder, path);
    if (import.done)
        panel_->tableChanged();
    links_.messages.information(import.message, QStringLiteral("Orvanta"),
                                import.done ? MessageBoxes::Icon::Information : MessageBoxes::Icon::Warning);
}

} // namespace orvanta
