#include "platform/operator_notice.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(OperatorNotice, NewsArrivingWhileABoxIsOpenFollowsItOnceInsteadOfNesting)
{
    test::RecordingMessageBoxes messages;
    OperatorNotice notice(messages);
    int depth = 0;
    int deepest = 0;
    messages.whileShown = [&] {
        deepest = std::max(deepest, ++depth);
        if (messages.shown.size() == 1) {
            notice.tell(QStringLiteral("lost"));
            notice.tell(QStringLiteral("back"));
            notice.tell(QStringLiteral("back"));
        }
        --depth;
    };
    notice.tell(QStringLiteral("first"));
    EXPECT_EQ(messages.texts(), (QStringList{"first", "lost", "back"}));
    EXPECT_EQ(deepest, 1);
}

} // namespace
} // namespace orvanta
