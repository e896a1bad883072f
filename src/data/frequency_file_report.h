#pragma once

#include "data/frequency_file.h"

#include <QByteArray>
#include <QString>

namespace orvanta {

class MessageBoxes;

// Tells the operator why Frequences.cfg cannot be used whole (which record is
// damaged, or why the file cannot be read). The editor, the add dialog, the
// satellite picks and the tracking lookups all meet the same fault again and
// again; one instance shared by all of them shows it once, and again only
// when the file has changed.
class FrequencyFileReport {
public:
    explicit FrequencyFileReport(MessageBoxes &messages) : messages_(messages) {}

    // Shows the problem unless it was already shown for the same content of
    // the file. An empty problem (a sound file) forgets what was shown.
    void report(const QString &problem, const QByteArray &fingerprint);
    void report(const FrequencyFileScan &scan) { report(scan.problem, scan.fingerprint); }
    // Reads the file and reports it: for a lookup that answered Damaged.
    void check(const QString &folder);

private:
    MessageBoxes &messages_;
    QString shownProblem_;
    QByteArray shownFingerprint_;
};

} // namespace orvanta
