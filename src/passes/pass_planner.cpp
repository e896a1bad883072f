#include "passes/pass_planner.h"

#include "tracking/station_clock.h"
#include "orbit/schedule_export.h"
#include "platform/atomic_file.h"

#include <QDateTime>
#include <QPointer>
#include <QThread>

#include <algorithm>

namespace orvanta {

PassPlanner::PassPlanner(std::function<ScheduleRequest()> request, QObject *parent)
    : QObject(parent), request_(std::move(request))
{
}

PassPlanner::~PassPlanner()
{
    for (QThread *thread : threads_) {
        thread->wait();
        delete thread;
    }
}

void PassPlanner::compute(int days)
{
    const ScheduleRequest request = request_();
    const int generation = ++generation_;
    computing_ = true;
    std::vector<std::string> names;
    for (const QString &name : request.names)
        names.push_back(name.toStdString());
    const double period = std::clamp(days, 1, kMostDays);
    QPointer<PassPlanner> self(this);
    QThread *thread = QThread::create([self, request, names, period, generation] {
        // A component of its own: the tick's is never touched from here.
        auto satellites = orbit::Init_Satellites(request.keplerPath.toStdString(), request.latitudeDeg,
                                                 request.longitudeDeg, request.heightMetres);
        std::vector<orbit::ScheduledPass> passes = orbit::passSchedule(
            *satellites, names, request.start, period, request.minElevationDeg, request.minPassSeconds,
            request.horizon);
        if (self)
            QMetaObject::invokeMethod(
                self, [self, generation, passes = std::move(passes)]() mutable {
                    if (self)
                        self->deliver(generation, std::move(passes));
                },
                Qt::QueuedConnection);
    });
    // Threads that have finished are let go before a new one starts.
    std::erase_if(threads_, [](QThread *t) {
        if (!t->isFinished())
            return false;
        delete t;
        return true;
    });
    threads_.push_back(thread);
    station_ = orbit::scheduleStation(request.latitudeDeg, request.longitudeDeg);
    names_ = request.names;
    thread->start(QThread::LowPriority);
}

void PassPlanner::deliver(int generation, std::vector<orbit::ScheduledPass> passes)
{
    if (generation != generation_)
        return; // a newer computation was asked meanwhile
    all_ = std::move(passes);
    computing_ = false;
    emit computed();
}

std::vector<orbit::ScheduledPass> PassPlanner::rows() const
{
    std::vector<orbit::ScheduledPass> shown;
    const std::string satellite = satellite_.toStdString();
    for (const orbit::ScheduledPass &pass : all_)
        if (pass.maxElevationDeg >= minMaxElevation_ && (satellite.empty() || pass.name == satellite))
            shown.push_back(pass);
    return shown;
}

bool PassPlanner::exportIcs(const QString &path, QString *error) const
{
    const orbit::JulianDate written = julianToTheSecond(QDateTime::currentDateTimeUtc());
    return writeFileAtomically(path, QByteArray::fromStdString(orbit::scheduleIcs(rows(), station_, written)), error);
}

bool PassPlanner::exportCsv(const QString &path, QString *error) const
{
    return writeFileAtomically(path, QByteArray::fromStdString(orbit::scheduleCsv(rows())), error);
}

} // namespace orvanta
