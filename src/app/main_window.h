#pragma once

#include "config/config_view.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QTimer;

namespace orvanta {

class StationClock;

// The station's main window. Controls carry the names the rest of the
// program uses (`Titre`, `Time_UTC`, `Date`, ...), so the configuration and
// the tests reach them by object name.
class MainWindow final : public QMainWindow, public ConfigView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Timer2: the "Heure TU" clock, read every 500 ms.
    void startClock(StationClock &clock);

    void setControlText(const QString &control, const QString &text) override;
    void setOptionChecked(const QString &control, bool checked) override;
    void setMenuChecked(const QString &entry, bool checked) override;

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer *timer2_;
};

} // namespace orvanta
