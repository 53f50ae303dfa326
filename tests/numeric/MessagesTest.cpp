#include "numeric/Messages.h"

#include <gtest/gtest.h>
#include <string>

// Error messages are a headline and a reason split at the first tab; the
// one message reported without a tab is the math-error text.
TEST(StringTable, ErrorMessagesHaveAHeadlineAndAReason)
{
    for (int id = 50202; id <= 50227; ++id) {
        const std::string text = LoadString(id);
        if (text.empty())
            continue;
        const std::size_t tab = text.find('\t');
        // 50226 is a line added to the reason of 50213, not a message.
        if (id == 50215 || id == 50226) {
            EXPECT_EQ(tab, std::string::npos) << id;
            continue;
        }
        ASSERT_NE(tab, std::string::npos) << id << ": " << text;
        EXPECT_GT(tab, 0u) << id;
        EXPECT_LT(tab + 1, text.size()) << id;
    }
    // Both topology messages about moving hinges and node counts keep their
    // own ids.
    EXPECT_NE(std::string(LoadString(50209)).find("Подвижные шарниры"), std::string::npos);
    EXPECT_NE(std::string(LoadString(50210)).find("числа узлов"), std::string::npos);
}

TEST(StringTable, EveryUsedIdHasATextAndUnknownIdsAreEmpty)
{
    for (int id : {50104, 50105, 50106, 50107, 50108, 50109, 50110, 50111, 50112, 50113, 50118, 50202,
                   50203, 50204, 50205, 50206, 50207, 50208, 50209, 50210, 50212, 50213, 50215, 50216,
                   50218, 50219, 50220, 50221, 50222, 50223, 50224, 50225, 50226, 50227, 50228, 50229,
                   50114, 50115, 50116, 50117, 50119, 51004, 51005, 51006, 51007, 57345})
        EXPECT_STRNE(LoadString(id), "") << id;
    for (int id : {0, -1, 50201, 50211, 50214, 50217, 57344, 99999})
        EXPECT_STREQ(LoadString(id), "") << id;
}
