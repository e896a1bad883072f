#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orvanta {

namespace orbit {
class PassBoard;
class Satellites;
}
class StationNotices;

// What the operator is told about the predictions: an observer the
// component refuses, element files it could not read, and elements too far
// from the instant predicted, each satellite named once per component.
class PredictionNotices {
public:
    explicit PredictionNotices(StationNotices &notices) : notices_(notices) {}

    // A new component, built from the station folder.
    void componentBuilt(const orbit::Satellites &component, const QString &stationFolder);
    // Why nothing can be predicted now, or empty.
    const QString &predictionsBlocked() const { return blocked_; }
    // After a tick at instant: the selected satellites whose elements are far from it.
    void checkEpochs(orbit::Satellites *component, const QStringList &selection, const QDateTime &instant);
    // After a tick: the satellite followed and the one awaited, when their
    // elements are old enough for the AOS to be more than 10 s off (and not
    // so far from the instant as to be named above already).
    void checkUncertainty(const orbit::Satellites *component, const orbit::PassBoard &board);

private:
    StationNotices &notices_;
    QString blocked_;
    QStringList warnedFarFromEpoch_; // satellites already named
    QStringList warnedUncertain_;
};

} // namespace orvanta
