#pragma once

#include "orbit/horizon_mask.h"
#include "orbit/pass_track.h"
#include "passes/pass_details.h"
#include "rotor/rotor_plan.h"
#include "rotor/rotor_range.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string_view>

class QPushButton;
class QTableWidget;

namespace orvanta {

class SkyView;

// The window "Details_Passage": one pass's acquisition, culmination, loss
// and duration, its sky view, and its table of positions with a button
// "Copier" that puts the table on the clipboard as tab-separated text.
class PassDetailsWindow final : public QWidget {
    Q_OBJECT
public:
    // rotorNote, when not empty, says once where the rotor has to leave the
    // satellite in this pass (label Details_Rotor); precisionNote when the
    // pass clears the station's horizon and how far off its times may be
    // (label Details_Precision).
    PassDetailsWindow(PassDetails details, PassTrackRef track, double minElevationDeg, QWidget *parent = nullptr,
                      const QString &rotorNote = {}, const QString &precisionNote = {});

    const PassDetails &details() const { return details_; }

    // The "Copier" button.
    void copyTable() const;

    // What the details say for a second station given by its locator
    // ("Details_Locator2"); the box shows only when this is set.
    void setSecondStation(std::function<QString(const QString &locator)> shared);

    // Offers "Suivre ce satellite" beside "Copier", for a pass in progress.
    void offerFollow(std::function<void()> follow);

private:
    void fillTable(QTableWidget &table) const;

    PassDetails details_;
    SkyView *sky_;
    QWidget *secondStationRow_;
    QPushButton *follow_;
    std::function<QString(const QString &)> secondStation_;
};

// Opens (shown, deleted when closed) the details of a pass the tick
// predicted, with the tick's minimum elevation. downlinkMHz is the
// satellite's frequency in the table, for the corrected frequencies. With
// component, a second station can be given by its locator: the component
// of that moment computes what it shares of the pass. With the rotor's
// range and azimuth speed, the pass is planned for it and the window says
// where the rotor cannot follow.
PassDetailsWindow *openPassDetails(orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                                   double minElevationDeg, std::optional<double> downlinkMHz,
                                   QWidget *parent = nullptr, std::function<orbit::Satellites *()> component = {},
                                   std::optional<RotorRange> rotorRange = std::nullopt,
                                   const orbit::HorizonMask &horizon = orbit::HorizonMask(), double tickPeriodSeconds = 5,
                                   double rotorAzimuthDegPerSecond = RotorPlan::kCommonRotorDegPerSecond);

} // namespace orvanta
