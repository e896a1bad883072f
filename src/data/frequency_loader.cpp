#include "data/frequency_loader.h"

#include "platform/text_numbers.h"

#include <algorithm>

namespace orvanta {

QString padRight(const QString &text, int width)
{
    return text.leftJustified(width, u' ', false);
}

QString listItem(const QString &name, const QString &frequency, const QString &mode)
{
    return padRight(name, nameWidth) + u',' + padRight(frequency, frequencyWidth) + u','
           + padRight(mode, modeWidth);
}

FrequencyRecord splitListItem(const QString &item)
{
    const qsizetype first = item.indexOf(u',');
    const qsizetype second = item.indexOf(u',', first + 1);
    return {item.left(first), item.mid(first + 1, second - first - 1), item.mid(second + 1)};
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
    load.found = scan.found;
    table.Index_Freq = 1;
    for (const FrequencyRecord &record : scan.fields) {
        if (table.Index_Freq > FrequencyTable::Slots) {
            load.problem = QStringLiteral(
                "Le fichier Frequences.cfg contient plus de %1 enregistrements : seuls les %1 premiers "
                "sont pris en compte, et le fichier ne sera pas modifie tant qu'il en aura davantage.")
                               .arg(FrequencyTable::Slots);
            break;
        }
        const int slot = table.Index_Freq;
        table.Freq_Noms[slot] = padRight(record.name, nameWidth);
        table.Freq_Valeurs[slot] = padRight(shortestFrequency(record.frequency), frequencyWidth);
        table.Freq_Modes[slot] = padRight(record.mode, modeWidth);
        load.items << listItem(table.Freq_Noms[slot], table.Freq_Valeurs[slot], table.Freq_Modes[slot]);
        ++table.Index_Freq;
    }
    std::stable_sort(load.items.begin(), load.items.end());
    return load;
}

void Cherche_Frequence(const QString &folder, const QString &nom, std::optional<double> &frequence,
                       QString &mode)
{
    const FrequencyFileScan scan = scanFrequencyFile(folder);
    for (const FrequencyRecord &record : scan.fields) {
        if (record.name == nom) {
            frequence = parseNumber(record.frequency);
            mode = record.mode;
            return;
        }
    }
}

} // namespace orvanta
