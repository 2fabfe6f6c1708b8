// The reader's own text-mode translation against the C runtime's: the reader must see
// the very lines that fopen(path, "r") and fgets into a 1024-byte buffer give.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "config/CSiteConfig.h"

namespace {

// A line as the reader keeps it: its length and its tokens.
std::string Describe(const CTokenLine& line) {
    std::string str = std::to_string(line.GetLength());
    for (int i = 0; i < line.GetCount(); ++i) str += "|" + line.GetToken(i).str();
    return str;
}

std::vector<std::string> ReadWithTheCrt(const std::string& strPath) {
    std::vector<std::string> lines;
    std::FILE* pFile = std::fopen(strPath.c_str(), "r");
    if (pFile == nullptr) return {"<cannot open>"};
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, pFile) != nullptr) {
        for (char* p = buffer; *p != '\0'; ++p) {
            if (*p == '=') *p = ' ';
        }
        CTokenLine line(buffer);
        if (line.GetCount() > 0) lines.push_back(Describe(line));
    }
    std::fclose(pFile);
    return lines;
}

std::vector<std::string> ReadWithTheReader(const std::string& strPath) {
    CSiteConfig config;
    if (!config.Load(strPath.c_str())) return {"<cannot open>"};
    std::vector<std::string> lines;
    for (int i = 0; i < config.GetLineCount(); ++i) lines.push_back(Describe(*config.GetLine(i)));
    return lines;
}

class CrtTextModeTest : public testing::Test {
protected:
    void ExpectSameLines(const std::string& strBytes) {
        std::string strPath = m_dir.WriteFile("Config.ini", strBytes);
        EXPECT_EQ(ReadWithTheReader(strPath), ReadWithTheCrt(strPath));
    }
    TempDir m_dir;
};

TEST_F(CrtTextModeTest, LineEndsCtrlZAndZeroBytes) {
    using namespace std::string_literals;
    const std::string cases[] = {
        "",
        "[S]\r\nName=A\r\nUrl=B\r\n",
        "Name=A\rUrl=B\n",
        "Name=A\r\r\nUrl=B\r\r\r\n",
        "Name=A\r",
        "Name=A\r\n\r",
        "\r\n\r\n\n\r\r",
        "Name=A\r\x1A\nUrl=B",
        "Name=A\x1AUrl=B\n",
        "\x1A[S]\n",
        "Name=A\n\x1A\r\n",
        "Name=A\0=B\nUrl=C\n"s,
        "\0\0\n\0Url=C"s,
    };
    for (const std::string& strCase : cases) {
        SCOPED_TRACE(testing::PrintToString(strCase));
        ExpectSameLines(strCase);
    }
}

TEST_F(CrtTextModeTest, LongLinesAndBufferBoundaries) {
    const std::string a1022(1022, 'a');
    const std::string cases[] = {
        // 1500 bytes, then lines of 1022 and 1023 bytes whose CR LF straddles the 1023rd
        std::string(1500, 'x') + "\n",
        a1022 + "\r\n" + a1022 + "b\r\n" + a1022 + "bc\r\n",
        a1022 + "\r" + "\x1A",
        std::string(1023, 'y') + '\0' + "z\n",
        // a CR LF pair and a lone CR across the runtime's 4096-byte file buffer
        std::string(4095, 'k') + "\r\nv\n",
        std::string(4095, 'k') + "\rv\n",
        std::string(4094, 'k') + "\r\r\nv\n",
        std::string(4095, 'k') + "\r",
        std::string(4096, 'k') + "\x1A" + "v\n",
    };
    for (const std::string& strCase : cases) {
        SCOPED_TRACE("case of " + std::to_string(strCase.size()) + " bytes");
        ExpectSameLines(strCase);
    }
}

TEST_F(CrtTextModeTest, RandomFiles) {
    // Files of the bytes that matter, in lines long and short; Ctrl+Z is rare so that most
    // files are read to their end.
    const std::string frequent = std::string("ab[]^= \t\r\r\n\n\n\201\377", 16) + '\0';
    std::mt19937 random(936);
    for (int nFile = 0; nFile < 300; ++nFile) {
        std::string strBytes;
        size_t nSize = random() % (nFile % 10 == 0 ? 9000 : 600);
        std::uniform_int_distribution<size_t> pick(0, frequent.size() - 1);
        while (strBytes.size() < nSize) {
            if (random() % 2000 == 0) {
                strBytes += '\x1A';
            } else if (random() % 50 == 0) {
                strBytes += std::string(random() % 1100, 'w');
            } else {
                strBytes += frequent[pick(random)];
            }
        }
        SCOPED_TRACE("file " + std::to_string(nFile));
        ExpectSameLines(strBytes);
        if (HasFailure()) break;
    }
}

}  // namespace
