#include <gtest/gtest.h>

#include <cstdint>

#include "CDownloadBlockRegistry.h"

namespace {

uintptr_t Address(const void* p) {
    return reinterpret_cast<uintptr_t>(p);
}

CDownloadBlockRegistry& Registry() {
    return CDownloadBlockRegistry::Instance();
}

}  // namespace

TEST(DownloadBlockRegistry, CopiesOnlyBlocksRegisteredForTheirOwnMessage) {
    CString first("http://a/"), second("b");
    DownloadTimeBlock timeBlock = {&first, &second};
    DownloadStatusBlock statusBlock = {&first, 7, -9};
    DownloadArgs args;

    EXPECT_FALSE(Registry().Copy(DownloadMessage::CheckTime, Address(&timeBlock), args));
    {
        CDownloadBlockRegistry::Scope time(DownloadMessage::CheckTime, &timeBlock);
        CDownloadBlockRegistry::Scope status(DownloadMessage::Progress, &statusBlock);
        ASSERT_TRUE(Registry().Copy(DownloadMessage::CheckTime, Address(&timeBlock), args));
        EXPECT_EQ(args.strFirst, "http://a/");
        EXPECT_EQ(args.strSecond, "b");

        ASSERT_TRUE(Registry().Copy(DownloadMessage::Progress, Address(&statusBlock), args));
        EXPECT_EQ(args.strFirst, "http://a/");
        EXPECT_EQ(args.nFirst, 7);
        EXPECT_EQ(args.nSecond, -9);

        // a block of one shape is never read as another
        EXPECT_FALSE(Registry().Copy(DownloadMessage::CheckTime, Address(&statusBlock), args));
        EXPECT_FALSE(Registry().Copy(DownloadMessage::DownFinished, Address(&statusBlock), args));
        EXPECT_FALSE(Registry().Copy(DownloadMessage::CheckTime, 0, args));
    }
    EXPECT_FALSE(Registry().Copy(DownloadMessage::CheckTime, Address(&timeBlock), args));
    EXPECT_FALSE(Registry().Copy(DownloadMessage::Progress, Address(&statusBlock), args));
}

TEST(DownloadBlockRegistry, ABlockSentTwiceStaysUntilBothSendsEnd) {
    CString text("start");
    DownloadArgs args;
    {
        CDownloadBlockRegistry::Scope outer(DownloadMessage::StartDownload, &text);
        { CDownloadBlockRegistry::Scope inner(DownloadMessage::StartDownload, &text); }
        ASSERT_TRUE(Registry().Copy(DownloadMessage::StartDownload, Address(&text), args));
        EXPECT_EQ(args.strFirst, "start");
    }
    EXPECT_FALSE(Registry().Copy(DownloadMessage::StartDownload, Address(&text), args));
}
