#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvanta {

class RemoteSetup;

// The window "Station a distance": whether the server runs, where, its
// certificate, how long an idle session lasts, and the two passwords. What
// is wrong is said in the window itself; nothing is kept until it is right.
class DistanceWindow : public QWidget {
    Q_OBJECT
public:
    DistanceWindow(RemoteSetup &setup, QWidget *parent = nullptr);

    void ouvrir();
    // "Enregistrer": keeps the settings and the passwords typed; true when all were kept.
    bool enregistrer();

private:
    QLineEdit *box(const char *name, const QString &text = {});
    void choose(QLineEdit *box, const QString &title);

    RemoteSetup &setup_;
    QCheckBox *enabled_;
    QLineEdit *address_;
    QLineEdit *port_;
    QLineEdit *certificate_;
    QLineEdit *key_;
    QLineEdit *idleHours_;
    QLineEdit *operator_;
    QLineEdit *operatorAgain_;
    QLineEdit *viewer_;
    QLineEdit *viewerAgain_;
    QLabel *problem_;
};

} // namespace orvanta
