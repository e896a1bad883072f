#include "data/frequency_editor.h"

#include "data/frequency_file.h"
#include "data/frequency_loader.h"
#include "data/frequency_validation.h"
#include "platform/message_boxes.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace orvanta {

FrequencyEditor::FrequencyEditor(const QString &folder, MessageBoxes &messages)
    : folder_(folder), messages_(messages)
{
}

QStringList FrequencyEditor::open()
{
    FrequencyLoad load = Charge_Frequences(table_, folder_);
    if (!load.problem.isEmpty())
        messages_.information(load.problem);
    else if (load.found && rewriteFromList(load.items, true))
        load = Charge_Frequences(table_, folder_);
    table_.Nb_Freq = table_.Index_Freq - 1;
    table_.Index_Freq = 1;
    return load.items;
}

void FrequencyEditor::select(int row)
{
    // The list is sorted and the slots follow the file. They agree once the
    // open has rewritten the file; when it could not, the row is looked up.
    std::vector<int> order(static_cast<std::size_t>(std::max(table_.Nb_Freq, 0)));
    std::iota(order.begin(), order.end(), 1);
    const auto item = [this](int slot) {
        return listItem(table_.Freq_Noms[slot], table_.Freq_Valeurs[slot], table_.Freq_Modes[slot]);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return item(a) < item(b); });
    table_.Index_Freq = row >= 0 && row < static_cast<int>(order.size()) ? order[row] : row + 1;
}

ShownRecord FrequencyEditor::current() const
{
    const int slot = table_.Index_Freq;
    if (slot < 1 || slot > table_.Nb_Freq)
        return {};
    return {table_.Freq_Noms[slot], threeDecimalFrequency(table_.Freq_Valeurs[slot]),
            modeOption(table_.Freq_Modes[slot])};
}

bool FrequencyEditor::save(const QString &name, const QString &frequency, int option)
{
    // With no record loaded there is nothing to store the boxes into.
    if (table_.Nb_Freq > 0) {
        for (const QString &problem : {satelliteNameProblem(name), frequencyProblem(frequency)}) {
            if (!problem.isEmpty()) {
                messages_.information(problem);
                return false;
            }
        }
    }
    // The file may have changed since the editor opened (a satellite added
    // from the main window): work on what it holds now.
    FrequencyTable fresh;
    const FrequencyLoad load = Charge_Frequences(fresh, folder_);
    if (!load.problem.isEmpty()) {
        messages_.information(load.problem);
        return false;
    }
    const int count = fresh.Index_Freq - 1;
    const int slot = table_.Index_Freq;
    if (table_.Nb_Freq > 0) {
        if (slot > count || fresh.Freq_Noms[slot] != table_.Freq_Noms[slot]
            || fresh.Freq_Valeurs[slot] != table_.Freq_Valeurs[slot]
            || fresh.Freq_Modes[slot] != table_.Freq_Modes[slot]) {
            messages_.information(QStringLiteral(
                "Le fichier Frequences.cfg a change depuis l'ouverture de cette fenetre : "
                "fermez-la et ouvrez-la de nouveau pour modifier ce satellite."));
            return false;
        }
        fresh.Freq_Noms[slot] = name.trimmed();
        fresh.Freq_Valeurs[slot] = shortestFrequency(frequency);
        if (option >= 1 && option <= 4)
            fresh.Freq_Modes[slot] = frequencyModes()[option - 1];
    }
    // The other records go back exactly as loaded.
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << listItem(fresh.Freq_Noms[i], fresh.Freq_Valeurs[i], fresh.Freq_Modes[i]);
    std::stable_sort(items.begin(), items.end());
    if (!rewriteFromList(items, false))
        return false;
    Charge_Frequences(table_, folder_);
    table_.Nb_Freq = table_.Index_Freq - 1;
    return true;
}

bool FrequencyEditor::rewriteFromList(const QStringList &items, bool threeDecimals)
{
    std::vector<FrequencyRecord> records;
    for (const QString &item : items) {
        FrequencyRecord record = splitListItem(item);
        if (threeDecimals)
            record.frequency = threeDecimalFrequency(record.frequency);
        records.push_back(record);
    }
    QString error;
    if (writeFrequencyFile(folder_, records, &error))
        return true;
    messages_.information(frequencyWriteFailure(error));
    return false;
}

} // namespace orvanta
