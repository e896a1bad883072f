#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvanta {

inline const QString frequencyFileName = QStringLiteral("Frequences.cfg");

// One record of Frequences.cfg: three texts, name, frequency and mode.
struct FrequencyRecord {
    QString name;
    QString frequency;
    QString mode;
    bool operator==(const FrequencyRecord &) const = default;
};

// Frequences.cfg read as far as it is sound. A record is sound when it has
// its three lines, each line is exactly one field (no comma, no quote left
// open) and its frequency is empty or a number.
struct FrequencyFileScan {
    bool found = false;
    std::vector<FrequencyRecord> fields; // the sound records, by the field reader
    std::vector<FrequencyRecord> lines;  // the same records, raw lines by the line reader
    QString problem; // empty when the whole file is sound; else says what is wrong and where
    QByteArray fingerprint; // changes whenever the file's content does
};

FrequencyFileScan scanFrequencyFile(const QString &folder);

// Replaces Frequences.cfg with the records, three lines each, atomically.
bool writeFrequencyFile(const QString &folder, const std::vector<FrequencyRecord> &records,
                        QString *error);

// The operator's message for a write that failed.
QString frequencyWriteFailure(const QString &error);

} // namespace orvanta
