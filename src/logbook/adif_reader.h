#pragma once

#include "logbook/contact.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Reading ADI files (ADIF's tagged text) as other loggers write them: tags
// in any case, with or without a type indicator ("<CALL:5:S>"), with or
// without a header, CR LF or LF between records.
namespace orvanta {

struct AdifRecord {
    int number = 0;     // 1 for the first record of the file
    qint64 offset = 0;  // the byte where it starts
    std::vector<AdifField> fields;
    QString value(const QString &name) const; // empty when absent
};

// Where a file is damaged: the record it spoils (skipped) and the byte.
struct AdifProblem {
    int record = 0;
    qint64 offset = 0;
    QString reason;
};

struct AdifFile {
    std::vector<AdifField> header;
    std::vector<AdifRecord> records; // the good ones only
    std::vector<AdifProblem> problems;
};

// Never fails: a damaged record is left out and said in problems, the
// others are kept. A value is read as UTF-8; where its length was counted in
// characters rather than bytes (the value would end inside a character), in
// characters; where it is not UTF-8 at all, as Latin-1.
AdifFile readAdif(const QByteArray &bytes);

// The text of a problem: "enregistrement 3 (octet 120) : ...".
QString adifProblemText(const AdifProblem &problem);

} // namespace orvanta
