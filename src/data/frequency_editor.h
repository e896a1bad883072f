#pragma once

#include "data/frequency_loader.h"
#include "data/frequency_table.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace orvanta {

class FrequencyFileReport;
class MessageBoxes;

// A record as the editor's boxes show it.
struct ShownRecord {
    QString name;
    QString frequency; // three decimals
    int option = 0;    // 1 to 4 for "Mode A" to "Mode D"; 0 leaves the options as they are
};

// What the frequency editor does, apart from its window. It keeps a table of
// its own, so a satellite being added from the main window meanwhile cannot
// move the record under edit; a save reads the file again and writes every
// record of it exactly once.
class FrequencyEditor {
public:
    FrequencyEditor(const QString &folder, MessageBoxes &messages, FrequencyFileReport &report);

    // Loads the table and rewrites the file sorted, with three-decimal
    // frequencies, then loads it again; record 1 becomes the current one.
    // A damaged file is reported (once for all the file's users) and left
    // as it is. Returns the list.
    QStringList open();
    // False when the file opened could not be read whole: a save would lose
    // the records past the damage.
    bool canSave() const { return canSave_; }
    // A click on the list: the record at that row becomes the current one.
    void select(int row);
    ShownRecord current() const;
    // Stores the edit in the current record and rewrites the file. False,
    // with a message, when the entry is refused or the file is not written.
    bool save(const QString &name, const QString &frequency, int option);

    const FrequencyTable &table() const { return table_; }

private:
    // Loads the table and notes which slot each row of the list shows.
    FrequencyLoad load(FrequencyTable &table);
    bool write(const std::vector<FrequencyRecord> &records);

    QString folder_;
    MessageBoxes &messages_;
    FrequencyFileReport &report_;
    FrequencyTable table_;
    std::vector<int> rowSlots_; // the slot shown on each row
    bool canSave_ = false;
};

} // namespace orvanta
