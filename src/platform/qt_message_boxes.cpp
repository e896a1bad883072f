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

// A box left open while the station works on; the same text already on the
// screen is brought forward rather than shown twice.
void QtMessageBoxes::notice(const QString &text, const QString &title, Icon icon)
{
    std::erase_if(notices_, [](const QPointer<QMessageBox> &box) { return box.isNull(); });
    for (const QPointer<QMessageBox> &box : notices_)
        if (box->text() == text && box->windowTitle() == title) {
            box->raise();
            return;
        }
    auto *box = new QMessageBox(toQt(icon), title, text, QMessageBox::Ok, parent_);
    box->setObjectName(QStringLiteral("Avis"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    const int below = open_ + int(notices_.size());
    if (below > 0)
        box->move(box->pos() + QPoint(kCascade, kCascade) * below);
    notices_.emplace_back(box);
}

bool QtMessageBoxes::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return exec(box) == QMessageBox::Yes;
}

} // namespace orvanta
