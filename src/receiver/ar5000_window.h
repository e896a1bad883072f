#pragma once

#include "platform/message_boxes.h"
#include "receiver/ar5000_panel.h"

#include <QHash>
#include <QWidget>

class QButtonGroup;

namespace orvanta {

// The AR5000 remote front panel. Its options mirror the Ar5000Panel, which
// sends the commands; "Quitter" hides the window, the close box is refused.
class AR5000Window : public QWidget {
    Q_OBJECT
public:
    AR5000Window(Ar5000Panel &panel, MessageBoxes &messages, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildGroup(const Ar5000Group &group);
    void showSelection(const QString &group, int option);

    Ar5000Panel &panel_;
    MessageBoxes &messages_;
    QHash<QString, QButtonGroup *> buttons_;
};

} // namespace orvanta
