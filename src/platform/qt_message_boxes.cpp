#include "platform/qt_message_boxes.h"

#include <QMessageBox>

namespace orvanta {

namespace {

// How far a box opened over another one is moved, so that both can be read.
constexpr int kCascade = 40;

QMessageBox::Icon toQt(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Information: return QMessageBox::Information;
    case MessageBoxes::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxes::Icon::Critical: return QMessageBox::Critical;
    case MessageBoxes::Icon::Question: return QMessageBox::Question;
    case MessageBoxes::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// A box lets the window run, so news from another device can open a box
// while this one is shown: each one opened over others steps aside.
int QtMessageBoxes::exec(QMessageBox &box)
{
    const int below = open_++;
    if (below > 0) {
        box.show();
        box.move(box.pos() + QPoint(kCascade, kCascade) * below);
    }
    const int answer = box.exec();
    --open_;
    return answer;
}

void QtMessageBoxes::information(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent_);
    exec(box);
}

bool QtMessageBoxes::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return exec(box) == QMessageBox::Yes;
}

} // namespace orvanta
