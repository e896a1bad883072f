#include "data/frequency_file_report.h"

#include "platform/message_boxes.h"

namespace orvanta {

void FrequencyFileReport::report(const QString &problem, const QByteArray &fingerprint)
{
    if (problem == shownProblem_ && fingerprint == shownFingerprint_)
        return;
    // Noted before showing: the box lets tracking ticks run, which look again.
    shownProblem_ = problem;
    shownFingerprint_ = fingerprint;
    if (!problem.isEmpty())
        messages_.information(problem);
}

void FrequencyFileReport::check(const QString &folder)
{
    report(scanFrequencyFile(folder));
}

} // namespace orvanta
