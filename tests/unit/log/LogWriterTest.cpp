#include "LogLine.h"
#include "LogWriter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::string kMark = "\xEF\xBB\xBF";

// A folder kept in memory; a full disk refuses every write.
class MemoryFolder : public ILogStorage {
public:
    bool Move(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end()) return false;
        files[to] = it->second;
        files.erase(it);
        return true;
    }
    bool Open(const std::string& name, bool bEmpty) override {
        open = name;
        if (bEmpty) files[name].clear();
        files[name];
        return true;
    }
    uint64_t Size() override { return files[open].size(); }
    bool Append(const std::string& bytes) override {
        if (bDiskFull) return false;
        files[open] += bytes;
        return true;
    }

    std::map<std::string, std::string> files;
    std::string open;
    bool bDiskFull = false;
};

TEST(LogWriter, ANewSessionKeepsTheFourBeforeItAndAnotherLauncherAddsToTheCurrentOne) {
    MemoryFolder folder;
    for (int n = 0; n <= 4; n++) folder.files[CLogWriter::FileName(n)] = "s" + std::to_string(n);
    CLogWriter writer(folder);
    writer.Add("a\r\n");
    EXPECT_TRUE(writer.Flush());
    EXPECT_EQ(folder.files["Skylark.log"], "s0");  // nothing written before the start

    writer.Start(true);
    EXPECT_TRUE(writer.Flush());
    EXPECT_EQ(folder.files, (std::map<std::string, std::string>{{"Skylark.log", kMark + "a\r\n"},
                                                                {"Skylark.1.log", "s0"},
                                                                {"Skylark.2.log", "s1"},
                                                                {"Skylark.3.log", "s2"},
                                                                {"Skylark.4.log", "s3"}}));

    CLogWriter second(folder);
    second.Start(false);
    second.Add("b\r\n");
    EXPECT_TRUE(second.Flush());
    EXPECT_EQ(folder.files["Skylark.log"], kMark + "a\r\nb\r\n");
    EXPECT_EQ(folder.files["Skylark.1.log"], "s0");
}

TEST(LogWriter, AFileNeverPassesItsCapTheLinesLeftOutAreCountedAndTheEndStillFits) {
    MemoryFolder folder;
    CLogWriter writer(folder);
    writer.Start(true);
    const std::string line(99, 'x');
    const unsigned long nLines = 12000;  // 1.2 MB
    for (unsigned long i = 0; i < nLines; i++) {
        writer.Add(line + "\n");
        if (i % 100 == 0) writer.Flush();
    }
    writer.Flush();
    const uint64_t nNormal = folder.Size();
    EXPECT_LE(nNormal, CLogWriter::kMaxBytes - CLogWriter::kEndReserve);
    EXPECT_GT(nNormal, CLogWriter::kMaxBytes - CLogWriter::kEndReserve - 100);
    EXPECT_EQ(writer.Dropped(), nLines - (nNormal - kMark.size()) / 100);

    writer.Add("short\n");  // once one is left out, every later one is
    writer.Add("end\n", true);
    writer.Add(std::string(2 * CLogWriter::kEndReserve, 'e'), true);  // no room even at the end
    writer.Flush();
    EXPECT_EQ(folder.files["Skylark.log"].size(), nNormal + 4);
    EXPECT_EQ(folder.files["Skylark.log"].substr(nNormal, 8), "end\n");
    EXPECT_EQ(writer.Dropped(), nLines - (nNormal - kMark.size()) / 100 + 2);

    folder.bDiskFull = true;
    writer.Add("end\n", true);
    EXPECT_FALSE(writer.Flush());
    writer.Add("more\n", true);  // a log that cannot be written keeps nothing
    EXPECT_EQ(writer.Queued(), 0u);
}

TEST(LogLine, TimeThreadEventAndDetailsOnOneLineWhateverTheDetailsHold) {
    const LogTime time = {2026, 12, 8, 7, 41, 22, 5};
    EXPECT_EQ(FormatLogLine(time, 1234, "start", "folder=C:\\games"),
              "2026-12-08 07:41:22.005 [1234] start folder=C:\\games\r\n");
    EXPECT_EQ(FormatLogLine(time, 7, "skin", "a\r\n2026-12-08 forged\tline"),
              "2026-12-08 07:41:22.005 [7] skin a  2026-12-08 forged line\r\n");
    EXPECT_EQ(FormatLogLine(time, 7, "end", ""), "2026-12-08 07:41:22.005 [7] end\r\n");
}

}  // namespace
