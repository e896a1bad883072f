#pragma once

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace orvanta::test {

// Finds a control by its object name; the test fails when there is none.
template <class Control>
Control *control(QWidget &window, const char *name)
{
    auto *found = window.findChild<Control *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

inline void click(QWidget &window, const char *name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

inline void clickRow(QWidget &window, const char *list, int row)
{
    auto *box = control<QListWidget>(window, list);
    const QRect rect = box->visualItemRect(box->item(row));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace orvanta::test
