#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace orvanta {

// The "Horizon" window, opened from the observer dialog: the station's
// Horizon.cfg as text, what is wrong with it said as it is typed, and
// "Enregistrer" writing it as typed (atomically), lines the station cannot
// use included, for the operator to mend.
class HorizonWindow : public QWidget {
    Q_OBJECT
public:
    HorizonWindow(QString stationFolder, QWidget *parent = nullptr);

    // Reads the file again and shows the window.
    void ouvrir();

signals:
    // The file was written: the station reads it again.
    void saved();

private:
    void check();
    void save();

    QString folder_;
    QPlainTextEdit *text_;
    QLabel *problems_;
};

} // namespace orvanta
