#pragma once

#include "data/frequency_table.h"

#include <QString>
#include <QStringList>

namespace orvanta {

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
    FrequencyEditor(const QString &folder, MessageBoxes &messages);

    // Loads the table and rewrites the file sorted, with three-decimal
    // frequencies, then loads it again; record 1 becomes the current one.
    // A damaged file is reported once and left as it is. Returns the list.
    QStringList open();
    // A click on the list: the record at that row becomes the current one.
    void select(int row);
    ShownRecord current() const;
    // Stores the edit in the current record and rewrites the file. False,
    // with a message, when the entry is refused or the file is not written.
    bool save(const QString &name, const QString &frequency, int option);

    const FrequencyTable &table() const { return table_; }

private:
    // Writes the file from the list, with the frequencies as three decimals
    // or in their shortest form.
    bool rewriteFromList(const QStringList &items, bool threeDecimals);

    QString folder_;
    MessageBoxes &messages_;
    FrequencyTable table_;
};

} // namespace orvanta
