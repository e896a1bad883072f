#pragma once

#include "platform/message_boxes.h"

class QMessageBox;
class QWidget;

namespace orvanta {

class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void information(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title) override;

private:
    int exec(QMessageBox &box);

    QWidget *parent_;
    int open_ = 0; // boxes of ours shown at this moment
};

} // namespace orvanta
