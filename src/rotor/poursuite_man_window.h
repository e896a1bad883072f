#pragma once

#include "rotor/manual_pointing.h"

#include <QWidget>

class QLineEdit;

namespace orvanta {

// The "Poursuite Manuelle" window: the operator points the antenna by hand
// while the tracking cycle keeps showing the followed satellite's position.
// While it is open the tick leaves the rotor alone.
class PoursuiteManWindow : public QWidget {
    Q_OBJECT
public:
    PoursuiteManWindow(ManualPointing &pointing, QWidget *parent = nullptr);

    // What the main window's "Man" button does: shows the window in the
    // middle of the screen and takes the rotor from the tick.
    void ouvrir();

    // Pointage_Manuel: true from ouvrir() until the window closes.
    bool pointageManuel() const { return pointageManuel_; }

    // The tick's satellite position, in whole degrees, shown in Azimut_Man
    // and Site_Man; nothing is sent to the rotor.
    void setPosition(const QString &azimut, const QString &site);

signals:
    void pointageManuelChanged(bool manual);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape closes; there is nothing to accept, typing already points.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The four step buttons.
    void plusAzimut();
    void moinsAzimut();
    void plusSite();
    void moinsSite();
    void setPointageManuel(bool manual);
    void refresh();

    ManualPointing &pointing_;
    QLineEdit *azMan_;
    QLineEdit *siMan_;
    QLineEdit *azimutMan_;
    QLineEdit *siteMan_;
    bool pointageManuel_ = false;
};

} // namespace orvanta
