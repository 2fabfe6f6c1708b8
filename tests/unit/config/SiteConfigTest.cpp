#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "config/CSiteConfig.h"

using namespace std::string_literals;

namespace {

// GBK bytes of the Chinese words used below.
const std::string kForum = "\xC2\xDB\xCC\xB3";     // 论坛
const std::string kHomePage = "\xCA\xD7\xD2\xB3";  // 首页

// Changes the current directory for the lifetime of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& path)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~CurrentDirectory() { std::filesystem::current_path(m_previous); }

private:
    std::filesystem::path m_previous;
};

class SiteConfigTest : public testing::Test {
protected:
    // Writes the bytes to a file of the test's own and loads it.
    void Load(const std::string& strBytes) {
        std::string strPath = m_dir.WriteFile("Config.ini", strBytes);
        ASSERT_EQ(m_config.Load(strPath.c_str()), TRUE);
    }
    std::string Value(int nSection, const char* pszKey) const {
        const CConfigSection* pSection = m_config.GetSection(nSection);
        return pSection != nullptr ? pSection->GetValue(pszKey).str() : "<no section>";
    }
    std::string Name(int nSection) const {
        const CConfigSection* pSection = m_config.GetSection(nSection);
        return pSection != nullptr ? pSection->GetName().str() : "<no section>";
    }

    TempDir m_dir;
    CSiteConfig m_config;
};

TEST_F(SiteConfigTest, ReadsTheWorkedExample) {
    Load(
        "Title=Portal\n"
        "[SiteA]\n"
        "Name=" +
        kForum + "^" + kHomePage +
        "\n"
        "url   =   about:blank\n"
        "Url=about:blank\n"
        "[sitea]\n"
        "Name My Site\n"
        "[Main] extra\n");

    EXPECT_EQ(m_config.GetLineCount(), 8);
    ASSERT_EQ(m_config.GetSectionCount(), 3);
    EXPECT_EQ(Name(0), "SiteA");
    EXPECT_EQ(Name(1), "sitea");
    EXPECT_EQ(Name(2), "Main");

    CConfigSection* pSiteA = m_config.GetSection(0);
    EXPECT_EQ(Value(0, "Name"), kForum + " " + kHomePage);
    EXPECT_EQ(Value(0, "Url"), "about:blank");
    ASSERT_EQ(pSiteA->GetLineCount(), 3);
    // the repeated key is listed, but the lookup finds the first line
    EXPECT_EQ(pSiteA->FindLine("URL"), pSiteA->GetLine(1));
    EXPECT_EQ(pSiteA->GetLine(2)->GetToken(0), "Url");
    EXPECT_EQ(pSiteA->FindLine("Title"), nullptr);

    EXPECT_EQ(Value(1, "Name"), "My");
    EXPECT_EQ(Value(1, "Url"), "");
    EXPECT_EQ(m_config.FindSection("SITEA"), pSiteA);
    EXPECT_EQ(m_config.GetSection(2)->GetLineCount(), 0);
    EXPECT_EQ(m_config.GetCurrentSection(), m_config.GetSection(2));
    EXPECT_EQ(m_config.FindSection("extra"), nullptr);
    EXPECT_EQ(m_config.FindSection(nullptr), nullptr);
}

TEST_F(SiteConfigTest, RecognisesHeadersByTheFirst255BytesOfTheFirstToken) {
    const std::string name253(253, 'x');
    const std::string header255 = "[" + name253 + "]";   // a header
    const std::string key256 = "[" + name253 + "x]";     // 255th byte "x": a key
    const std::string header256 = "[" + name253 + "]z";  // 255th byte "]": a header
    Load("[S]\n[My Section]\n[My^Section]\n" + header255 + "\n" + key256 + "=notheader\n" +
         header256 + "\n[]\n[\n]\n[a]b\n");

    ASSERT_EQ(m_config.GetSectionCount(), 5);
    EXPECT_EQ(Name(0), "S");
    EXPECT_EQ(Value(0, "[My"), "Section]");
    EXPECT_EQ(Name(1), "My Section");
    EXPECT_EQ(m_config.FindSection("my section"), m_config.GetSection(1));

    EXPECT_EQ(Name(2), name253);
    EXPECT_EQ(Value(2, key256.c_str()), "notheader");
    EXPECT_EQ(Name(3), name253);
    EXPECT_EQ(m_config.FindSection(name253.c_str()), m_config.GetSection(2));
    EXPECT_EQ(m_config.GetSection(3)->GetLineCount(), 0);

    EXPECT_EQ(Name(4), "");
    EXPECT_EQ(m_config.FindSection(""), m_config.GetSection(4));
    CConfigSection* pEmpty = m_config.GetSection(4);
    ASSERT_EQ(pEmpty->GetLineCount(), 3);
    EXPECT_NE(pEmpty->FindLine("["), nullptr);
    EXPECT_NE(pEmpty->FindLine("]"), nullptr);
    EXPECT_NE(pEmpty->FindLine("[a]b"), nullptr);
}

TEST_F(SiteConfigTest, ByteOrderMarkHidesTheFirstHeader) {
    Load("\xEF\xBB\xBF[SiteA]\r\nName=A\r\nUrl=a\r\n[SiteB]\r\nName=B\r\nUrl=b\r\n");
    EXPECT_EQ(m_config.GetLineCount(), 6);
    ASSERT_EQ(m_config.GetSectionCount(), 1);
    EXPECT_EQ(Name(0), "SiteB");
    EXPECT_EQ(Value(0, "Name"), "B");
    EXPECT_EQ(m_config.FindSection("SiteA"), nullptr);
    EXPECT_EQ(m_config.GetLine(0)->GetToken(0), "\xEF\xBB\xBF[SiteA]");
}

TEST_F(SiteConfigTest, LookupsFindTheFirstOfRepeatedNames) {
    Load(
        "Name=Orphan\n"
        "[Site]\nName=\nName=Real\nUrl=page.htm?a=b\n"
        "[SITE]\nName=Other\nUrl=u\n;note=1\n"
        "[main]\n[MAIN]\n");

    // a line before the first header is kept but belongs to no section
    EXPECT_EQ(m_config.GetLine(0)->GetToken(1), "Orphan");
    ASSERT_EQ(m_config.GetSectionCount(), 4);

    // the first "Name" wins even though it has no value
    CConfigSection* pSite = m_config.GetSection(0);
    EXPECT_EQ(pSite->GetLineCount(), 3);
    ASSERT_NE(pSite->FindLine("name"), nullptr);
    EXPECT_EQ(pSite->FindLine("name")->GetCount(), 1);
    EXPECT_EQ(Value(0, "Name"), "");
    // "=" splits the value, and only the token after the key is the value
    EXPECT_EQ(Value(0, "Url"), "page.htm?a");
    EXPECT_EQ(pSite->FindLine("Url")->GetToken(2), "b");

    // the same name in other case is a section of its own, found only through the list
    EXPECT_EQ(m_config.FindSection("site"), pSite);
    EXPECT_EQ(Name(1), "SITE");
    EXPECT_EQ(Value(1, "Name"), "Other");
    EXPECT_EQ(Value(1, "Url"), "u");
    // no comment syntax
    EXPECT_EQ(Value(1, ";note"), "1");

    EXPECT_EQ(m_config.GetCurrentSection(), m_config.GetSection(2));
}

TEST_F(SiteConfigTest, KeysAreWholeTokensAndLinesKeep32) {
    std::string line = "Key";
    for (int i = 1; i <= 32; ++i) line += " t" + std::to_string(i);
    const std::string longKey(300, 'k');
    Load("[S]\n" + line + "\n" + longKey + "=v\n");

    const CTokenLine* pLine = m_config.GetSection(0)->FindLine("key");
    ASSERT_NE(pLine, nullptr);
    EXPECT_EQ(pLine->GetCount(), 32);
    EXPECT_EQ(pLine->GetToken(31), "t31");
    EXPECT_EQ(Value(0, longKey.c_str()), "v");
    EXPECT_EQ(m_config.GetCurrentSection(), nullptr);
}

TEST_F(SiteConfigTest, SplitsLinesAsFgetsWithA1024ByteBuffer) {
    // 1500 bytes: the first read takes 1023 of them, the next read starts at byte 1024.
    const std::string first = "Long " + std::string(1018, 'a');
    const std::string rest = std::string(477, 'b');
    // 1023 bytes and a line feed: the line feed is read alone and gives a blank line.
    const std::string exact = "Exact " + std::string(1017, 'c');
    // 1022 bytes and a line feed fit one read.
    const std::string fits = "Fits " + std::string(1017, 'd');
    Load("[S]\n" + first + rest + "\n" + exact + "\n" + fits + "\n");

    CConfigSection* pSection = m_config.GetSection(0);
    ASSERT_EQ(pSection->GetLineCount(), 4);
    EXPECT_EQ(pSection->GetLine(0)->GetLength(), 1023);
    EXPECT_EQ(pSection->GetValue("Long"), std::string(1018, 'a'));
    EXPECT_EQ(pSection->GetLine(1)->GetLength(), 478);
    EXPECT_EQ(pSection->GetLine(1)->GetToken(0), rest);
    EXPECT_EQ(pSection->GetLine(2)->GetLength(), 1023);
    EXPECT_EQ(pSection->GetValue("Exact"), std::string(1017, 'c'));
    EXPECT_EQ(pSection->GetLine(3)->GetLength(), 1023);
    EXPECT_EQ(pSection->GetValue("Fits"), std::string(1017, 'd'));
    EXPECT_EQ(m_config.GetLineCount(), 5);
}

TEST_F(SiteConfigTest, ReadsInTheCRuntimesTextMode) {
    Load(
        "[S]\r\n"
        "Name=A\r\n"        // CR LF: the CR is dropped
        "Url=B\rTitle=T\n"  // a lone CR is kept: one line, where CR separates
        "CrCr=C\r\r\n"      // only the CR right before the LF goes
        "End=E\r\x1A"       // a CR before Ctrl+Z stays; Ctrl+Z ends the file
        "\nHidden=H\n");

    CConfigSection* pSection = m_config.GetSection(0);
    ASSERT_EQ(pSection->GetLineCount(), 4);
    EXPECT_EQ(m_config.GetLine(0)->GetLength(), 4);
    EXPECT_EQ(pSection->GetLine(0)->GetLength(), 7);
    EXPECT_EQ(Value(0, "Name"), "A");
    EXPECT_EQ(pSection->GetLine(1)->GetLength(), 14);
    EXPECT_EQ(pSection->GetLine(1)->GetCount(), 4);
    EXPECT_EQ(Value(0, "Url"), "B");
    EXPECT_EQ(pSection->FindLine("Title"), nullptr);
    EXPECT_EQ(pSection->GetLine(2)->GetLength(), 8);
    EXPECT_EQ(pSection->GetLine(3)->GetLength(), 6);
    EXPECT_EQ(Value(0, "End"), "E");
    EXPECT_EQ(pSection->FindLine("Hidden"), nullptr);

    // Ctrl+Z in the middle of a line ends the line and the file
    Load("[S]\nName=A\x1AUrl=B\n[T]\n");
    EXPECT_EQ(m_config.GetSectionCount(), 1);
    EXPECT_EQ(m_config.GetSection(0)->GetLine(0)->GetLength(), 6);
    EXPECT_EQ(Value(0, "Url"), "");
}

TEST_F(SiteConfigTest, ALineEndsAtItsFirstZeroByte) {
    Load(
        "[S]\n"
        "Name=A\0=B Url=C\n"s
        "\0Title=T\n"s
        "Url=D\n"
        // the rest of a read after a zero byte is lost, but a physical line longer than
        // the buffer goes on in the next read
        "Key=K\0"s +
        std::string(1100, 'x') + " Tail\n");

    CConfigSection* pSection = m_config.GetSection(0);
    ASSERT_EQ(pSection->GetLineCount(), 4);
    EXPECT_EQ(pSection->GetLine(0)->GetCount(), 2);
    EXPECT_EQ(pSection->GetLine(0)->GetLength(), 6);
    EXPECT_EQ(Value(0, "Name"), "A");
    EXPECT_EQ(pSection->FindLine("Title"), nullptr);
    EXPECT_EQ(Value(0, "Url"), "D");
    EXPECT_EQ(Value(0, "Key"), "K");
    // 6 + 1100 bytes, of which 1023 went to the first read
    EXPECT_EQ(pSection->GetLine(3)->GetToken(0), std::string(83, 'x'));
    EXPECT_EQ(pSection->GetLine(3)->GetToken(1), "Tail");
}

TEST_F(SiteConfigTest, EmptyBlankAndMissingFiles) {
    Load("");
    EXPECT_EQ(m_config.GetLineCount(), 0);
    EXPECT_EQ(m_config.GetSectionCount(), 0);
    EXPECT_EQ(m_config.GetCurrentSection(), nullptr);
    EXPECT_EQ(m_config.GetSection(0), nullptr);

    Load("\n  \n===\n\t= =\r\n\x1A[S]\n");
    EXPECT_EQ(m_config.GetLineCount(), 0);
    EXPECT_EQ(m_config.GetSectionCount(), 0);

    std::string strMissing = (m_dir.GetPath() / "missing.ini").string();
    Load("[main]\nName=N\n");
    EXPECT_EQ(m_config.Load(strMissing.c_str()), FALSE);
    EXPECT_EQ(m_config.GetLineCount(), 0);
    EXPECT_EQ(m_config.GetSectionCount(), 0);
    EXPECT_EQ(m_config.GetCurrentSection(), nullptr);
}

TEST_F(SiteConfigTest, LoadReadsPlatformConfigIniBelowTheCurrentDirectory) {
    TempDir empty;
    {
        CurrentDirectory cd(empty.GetPath());
        EXPECT_EQ(m_config.Load(), FALSE);
    }
    m_dir.WriteFile("Platform/Config.ini", "[Main]\nName=Game\nUrl=about:blank\n");
    {
        CurrentDirectory cd(m_dir.GetPath());
        ASSERT_EQ(m_config.Load(), TRUE);
    }
    ASSERT_NE(m_config.GetCurrentSection(), nullptr);
    EXPECT_EQ(m_config.GetCurrentSection()->GetValue("name"), "Game");
}

}  // namespace
