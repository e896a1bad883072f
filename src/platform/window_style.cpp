#include "platform/window_style.h"

#include <QColor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace orvanta {

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void styleEntryBox(QWidget &box)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192));
    box.setPalette(palette);
    if (auto *line = qobject_cast<QLineEdit *>(&box))
        line->setAlignment(Qt::AlignCenter);
}

} // namespace orvanta
