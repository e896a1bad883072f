// The ADIF import's reader of outside input: any bytes give good records and
// problems, never a crash; every record kept has fields with names, and
// every problem a record number and a place inside the file.
#include "logbook/adif_contacts.h"
#include "logbook/adif_reader.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace orvanta;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const AdifFile file = readAdif(bytes);
    for (const AdifRecord &record : file.records) {
        if (record.fields.empty() || record.offset < 0 || record.offset >= bytes.size())
            std::abort();
        for (const AdifField &field : record.fields)
            if (field.name.isEmpty())
                std::abort();
        // A contact read from a record writes out again and reads back the same.
        if (const ContactReading reading = contactFromRecord(record); reading.contact) {
            const AdifFile again = readAdif(adifContactFields(*reading.contact) + "<EOR>");
            if (again.records.size() != 1 || !again.problems.empty())
                std::abort();
            const ContactReading back = contactFromRecord(again.records.front());
            if (!back.contact || back.contact->call != reading.contact->call ||
                back.contact->instant != reading.contact->instant)
                std::abort();
        }
    }
    for (const AdifProblem &problem : file.problems)
        if (problem.record < 1 || problem.offset < 0 || problem.offset > bytes.size() || problem.reason.isEmpty())
            std::abort();
    return 0;
}
