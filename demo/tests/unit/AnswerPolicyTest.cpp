#include "AnswerPolicy.h"

#include <gtest/gtest.h>

TEST(AnswerPolicy, TakesEveryRecordByDefault) {
    AnswerPolicy policy{DemoSettings()};
    EXPECT_EQ(policy.answerFor(3), -2);
    EXPECT_EQ(policy.answerFor(77), -2);
    EXPECT_EQ(policy.answerFor(std::nullopt), -2);
    EXPECT_EQ(policy.delayMsFor(3), 0);
}

TEST(AnswerPolicy, AnswersZeroToTheListedCodes) {
    DemoSettings settings;
    settings.answerZero = CodeList::parse("3,9");
    AnswerPolicy policy(settings);
    EXPECT_EQ(policy.answerFor(3), 0);
    EXPECT_EQ(policy.answerFor(9), 0);
    EXPECT_EQ(policy.answerFor(5), -2);
    EXPECT_EQ(policy.answerFor(std::nullopt), -2);
}

TEST(AnswerPolicy, DelaysTheListedCodes) {
    DemoSettings settings;
    settings.answerDelayMs = 400;
    settings.delayCodes = CodeList::parse("3,5");
    AnswerPolicy policy(settings);
    EXPECT_EQ(policy.delayMsFor(3), 400);
    EXPECT_EQ(policy.delayMsFor(5), 400);
    EXPECT_EQ(policy.delayMsFor(9), 0);
    EXPECT_EQ(policy.delayMsFor(std::nullopt), 0);
}

TEST(AnswerPolicy, DelaysEverythingWhenNoCodesAreListed) {
    DemoSettings settings;
    settings.answerDelayMs = 400;
    AnswerPolicy policy(settings);
    EXPECT_EQ(policy.delayMsFor(9), 400);
    EXPECT_EQ(policy.delayMsFor(std::nullopt), 400);
}

TEST(AnswerPolicy, QuitsAfterTheClosingRecordUnlessToldNotTo) {
    DemoSettings settings;
    EXPECT_TRUE(AnswerPolicy(settings).quitsAfter(2));
    EXPECT_FALSE(AnswerPolicy(settings).quitsAfter(3));
    EXPECT_FALSE(AnswerPolicy(settings).quitsAfter(std::nullopt));
    settings.exitOnClose = false;
    EXPECT_FALSE(AnswerPolicy(settings).quitsAfter(2));
}
