#pragma once

#include "data/frequency_editor.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvanta {

class FrequencyFileReport;
class MessageBoxes;
class TrackingTimer;

// The frequency editor window: one record of Frequences.cfg at a time.
class FrequencesSatWindow : public QWidget {
    Q_OBJECT
public:
    FrequencesSatWindow(const QString &folder, TrackingTimer &timer, MessageBoxes &messages,
                   FrequencyFileReport &report, QWidget *parent = nullptr);

    // What the menu does: stops the tracking timer, loads the table and shows
    // the window. An editor already open is only brought to the front.
    void ouvrir();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showRecord(const ShownRecord &record);
    void listClicked(int row);
    void enregistrerClicked();

    FrequencyEditor editor_;
    TrackingTimer &timer_;
    QListWidget *list_;
    QLineEdit *nom_;
    QLineEdit *frequence_;
    std::array<QRadioButton *, 4> modes_;
    QButtonGroup *modeGroup_;
    QPushButton *enregistrer_;
};

} // namespace orvanta
