#pragma once

#include "orbit/pass_schedule.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QThread;

// The work behind the window "Planning des passages": the passes of the
// selection over the next days, computed on a thread of its own from a
// component of its own (so the tick never waits for it), then filtered by
// minimum highest elevation and by satellite, and exported.
namespace orvanta {

// What a schedule is computed from: the station's elements and place, the
// selection and the tick's minimum elevation and pass time.
struct ScheduleRequest {
    QString keplerPath;
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double heightMetres = 0;
    QStringList names;
    double minElevationDeg = 0;
    double minPassSeconds = 0;
    orbit::JulianDate start;
    orbit::HorizonMask horizon; // the station's own; flat when it has none
};

class PassPlanner final : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostDays = 7;

    explicit PassPlanner(std::function<ScheduleRequest()> request, QObject *parent = nullptr);
    ~PassPlanner() override;

    // Starts computing days (1 to 7) from now; a computation still running
    // is left to finish and its result dropped.
    void compute(int days);
    bool computing() const { return computing_; }
    QStringList names() const { return names_; }

    // Filters: passes whose highest elevation is at least minMaxElevation,
    // of one satellite (empty: all).
    void setMinimumMaxElevation(double degrees) { minMaxElevation_ = degrees; }
    void setSatellite(const QString &name) { satellite_ = name; }
    std::vector<orbit::ScheduledPass> rows() const;

    // The rows as shown, written so that a failure leaves the old file
    // whole; false and why in *error on failure.
    bool exportIcs(const QString &path, QString *error) const;
    bool exportCsv(const QString &path, QString *error) const;

signals:
    void computed();

private:
    void deliver(int generation, std::vector<orbit::ScheduledPass> passes);

    std::function<ScheduleRequest()> request_;
    std::vector<orbit::ScheduledPass> all_;
    std::string station_; // as the calendar's UIDs name it
    QStringList names_;
    double minMaxElevation_ = 0;
    QString satellite_;
    bool computing_ = false;
    int generation_ = 0;
    std::vector<QThread *> threads_; // still running ones are waited for at destruction
};

} // namespace orvanta
