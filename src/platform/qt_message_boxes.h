#pragma once

#include "platform/message_boxes.h"

#include <QMessageBox>
#include <QPointer>

#include <vector>

class QWidget;

namespace orvanta {

class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void information(const QString &text, const QString &title, Icon icon) override;
    void notice(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title) override;

private:
    int exec(QMessageBox &box);

    QWidget *parent_;
    int open_ = 0; // boxes of ours shown at this moment
    std::vector<QPointer<QMessageBox>> notices_; // those not closed yet
};

} // namespace orvanta
