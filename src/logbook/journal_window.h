#pragma once

#include "logbook/journal.h"

#include <QWidget>

#include <map>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace orvanta {

class JournalListModel;
class MessageBoxes;

// The Journal: a window of its own beside the main one, never modal. The
// entry row on top (Return logs, Escape clears), what the log knows of the
// call below it, then the contacts. Thin over Journal.
class JournalWindow final : public QWidget {
public:
    JournalWindow(Journal &journal, MessageBoxes &messages, QWidget *parent);

    // Shows the window (opening the log the first time) with the focus on the callsign.
    void ouvrir();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void logContact();
    void clearRow();
    void showRow();
    void showWorked();
    void editSelected();
    void deleteSelected();
    void exportFile();
    void importFile();
    qint64 selectedId() const;
    void say(const QString &text, bool fault);

    Journal &journal_;
    MessageBoxes &messages_;
    std::map<EntryField, QLineEdit *> boxes_;
    QLineEdit *stationCall_;
    QLineEdit *operatorCall_;
    QLabel *worked_;
    QLabel *notice_;
    QLabel *state_;
    QTableView *list_;
    JournalListModel *model_;
    QComboBox *exportChoice_;
    QDateEdit *from_;
    QDateEdit *to_;
    QTimer *refresh_;
};

} // namespace orvanta
