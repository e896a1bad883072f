#include "platform/window_style.h"

#include <QColor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
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

QLineEdit *addEntryRow(QGridLayout &grid, int line, const QString &caption, const QString &name,
                       const QString &unit, QWidget *parent, Qt::Alignment alignment)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(alignment);
    grid.addWidget(new QLabel(caption, parent), line, 0);
    grid.addWidget(box, line, 1);
    grid.addWidget(new QLabel(unit, parent), line, 2);
    return box;
}

bool closeOnEscapeOrReturn(QWidget &window, const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        window.close();
        return true;
    default:
        return false;
    }
}

} // namespace orvanta
