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

#include <algorithm>

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

QPoint besideFrame(const QRect &main, const QSize &size, const QRect &area)
{
    constexpr int kGap = 8;
    const int right = main.right() + 1 + kGap;
    const int left = main.left() - kGap - size.width();
    const bool fitsRight = right + size.width() <= area.right() + 1;
    const bool fitsLeft = left >= area.left();
    // Where neither side has room, the left one covers the main window's
    // lists, level with their middle, rather than its menus or its readings.
    const int x = std::clamp(fitsRight ? right : left, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int top = fitsRight || fitsLeft ? main.top() : main.top() + (main.height() - size.height()) / 2;
    const int y = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    return {x, y};
}

void placeBeside(QWidget &window, const QWidget &main)
{
    const QScreen *screen = main.screen();
    if (!screen)
        return;
    // The window's own frame is not known before it is first shown: the
    // main window's decorations stand for it.
    const QSize decorations = main.frameGeometry().size() - main.geometry().size();
    const QPoint frame = besideFrame(main.frameGeometry(), window.size() + decorations, screen->availableGeometry());
    window.move(frame);
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
