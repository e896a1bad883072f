#include "data/frequency_loader.h"

#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

QString padRight(const QString &text, int width)
{
    return text.leftJustified(width, u' ', false);
}

QString listItem(const FrequencyRecord &record)
{
    return padRight(record.name, nameWidth) + u',' + padRight(record.frequency, frequencyWidth) + u','
           + padRight(record.mode, modeWidth);
}

bool listedBefore(const FrequencyRecord &a, const FrequencyRecord &b)
{
    // Compared as the list shows them, so a name longer than its column
    // sorts where its item stands.
    return listItem(a) < listItem(b);
}

void fillSlots(FrequencyTable &table, const std::vector<FrequencyRecord> &records)
{
    const int count = std::min(static_cast<int>(records.size()), FrequencyTable::Slots);
    for (int slot = 1; slot <= count; ++slot) {
        const FrequencyRecord &record = records[static_cast<std::size_t>(slot - 1)];
        table.Freq_Noms[slot] = record.name;
        table.Freq_Valeurs[slot] = record.frequency;
        table.Freq_Modes[slot] = record.mode;
    }
    table.Index_Freq = count + 1;
}

std::vector<FrequencyRecord> slotRecords(const FrequencyTable &table, int count)
{
    std::vector<FrequencyRecord> records;
    for (int slot = 1; slot <= std::min(count, FrequencyTable::Slots); ++slot)
        records.push_back({table.Freq_Noms[slot], table.Freq_Valeurs[slot], table.Freq_Modes[slot]});
    return records;
}

FrequencyRecord slotForm(const FrequencyRecord &record)
{
    return {padRight(record.name, nameWidth), padRight(shortestFrequency(record.frequency), frequencyWidth),
            padRight(record.mode, modeWidth)};
}

QString shortestFrequency(const QString &frequency)
{
    const auto value = parseNumber(frequency);
    return value ? shortestText(*value) : QString();
}

QString threeDecimalFrequency(const QString &frequency)
{
    const auto value = parseNumber(frequency);
    if (!value)
        return {};
    // A frequency typed to a tenth of a kHz or finer keeps its digits.
    const QString shortest = shortestText(*value);
    const qsizetype point = shortest.indexOf(u'.');
    if (point >= 0 && shortest.size() - point - 1 > 3)
        return shortest;
    return formatFixed(*value, 3);
}

FrequencyLoad Charge_Frequences(FrequencyTable &table, const QString &folder)
{
    FrequencyLoad load;
    const FrequencyFileScan scan = scanFrequencyFile(folder);
    load.problem = scan.problem;
    load.fingerprint = scan.fingerprint;
    load.found = scan.found;
    if (scan.fields.size() > static_cast<std::size_t>(FrequencyTable::Slots))
        load.problem =
            QCoreApplication::translate(
                "Frequencies", "Le fichier Frequences.cfg contient plus de %1 enregistrements : seuls les %1 premiers "
                               "sont pris en compte, et le fichier ne sera pas modifie tant qu'il en aura davantage.")
                .arg(FrequencyTable::Slots);
    std::vector<FrequencyRecord> records;
    for (const FrequencyRecord &record : scan.fields)
        records.push_back(slotForm(record));
    fillSlots(table, records);

    const std::vector<FrequencyRecord> stored = slotRecords(table, table.Index_Freq - 1);
    for (int slot = 1; slot <= static_cast<int>(stored.size()); ++slot)
        load.rowSlots.push_back(slot);
    std::stable_sort(load.rowSlots.begin(), load.rowSlots.end(),
                     [&](int a, int b) { return listedBefore(stored[a - 1], stored[b - 1]); });
    for (int slot : load.rowSlots)
        load.items << listItem(stored[slot - 1]);
    return load;
}

FrequencyLookup Cherche_Frequence(const QString &folder, const QString &nom, std::optional<double> &frequence,
                                  QString &mode)
{
    const FrequencyFileScan scan = scanFrequencyFile(folder);
    for (const FrequencyRecord &record : scan.fields) {
        if (record.name == nom) {
            frequence = parseNumber(record.frequency);
            mode = record.mode;
            return FrequencyLookup::Found;
        }
    }
    return scan.problem.isEmpty() ? FrequencyLookup::NotFound : FrequencyLookup::Damaged;
}

} // namespace orvanta
