#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orvanta {

namespace orbit {
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

private:
    StationNotices &notices_;
    QString blocked_;
    QStringList warnedFarFromEpoch_; // satellites already named
};

} // namespace orvanta
