#include "platform/zip/ZipError.h"
#include "platform/zip/ZipNames.h"

#include <gmock/gmock.h>

namespace vl {
namespace {

TEST(ZipNames, FilePatternsAreParsedOrRefused)
{
    const struct {
        const char* wildcard;
        bool accepted;
        QStringList patterns;
    } cases[] = {
        {"*.TPS", true, {"*.TPS"}},
        {"  \"VLDB.TPS\" \"my notes.txt\" ", true, {"VLDB.TPS", "my notes.txt"}},
        {"", false, {}},
        {"\"open", false, {}},
        {"\"a\"b", false, {}},
        {"\"\"", false, {}},
        {"a\"b\"", false, {}},
    };
    for (const auto& c : cases) {
        QStringList patterns{"left over"};
        EXPECT_EQ(ParseFilePatterns(c.wildcard, patterns), c.accepted) << c.wildcard;
        EXPECT_EQ(patterns, c.patterns) << c.wildcard;
    }
}

TEST(ZipNames, MatchingIgnoresCaseAndStarDotStarTakesEverything)
{
    const struct {
        QStringList patterns;
        const char* name;
        bool matches;
    } cases[] = {
        {{"*.TPS"}, "vldb.tps", true}, {{"*.ini"}, "cfg/a.INI", true},   {{"*.TPS"}, "VLDB.TPS.bak", false}, {{"*.*"}, "README", true},
        {{"a?.txt"}, "AB.TXT", true},    {{"a?.txt"}, "abc.txt", false},     {{"VLDB.TPS"}, "vldb.TPS", true},
        {{"VLDB.TPS"}, "VLDB.TP", false}, {{"x", "*.ini"}, "Halvex.INI", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesFilePatterns(c.patterns, c.name), c.matches) << c.name;
}

TEST(ZipNames, NamesLeavingTheTargetFolderAreUnsafe)
{
    const struct {
        const char* name;
        bool safe;
        const char* withoutFolders;
    } cases[] = {
        {"VLDB.TPS", true, "VLDB.TPS"},      {"sub/x.TPS", true, "x.TPS"},    {"sub\\x.TPS", true, "x.TPS"},
        {"a..b/c", true, "c"},               {"../x.TPS", false, "x.TPS"},     {"sub/../../x", false, "x"},
        {"..\\x", false, "x"},               {"/etc/passwd", false, "passwd"}, {"\\x", false, "x"},
        {"C:\\x", false, "C:"},              {"", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSafeMemberName(c.name), c.safe) << c.name;
        if (c.safe) {
            EXPECT_EQ(MemberTargetPath(c.name, false), c.withoutFolders) << c.name;
        }
    }
}

TEST(ZipNames, ErrorTextsOfTheLibraryCodes)
{
    EXPECT_EQ(ZipErrorText(0), "");
    EXPECT_EQ(ZipErrorText(-50), "Disk full error");
    EXPECT_EQ(ZipErrorText(-61), "Bad or missing decryption key");
    EXPECT_EQ(ZipErrorText(-1), "Filename not matched");
    EXPECT_EQ(ZipErrorText(-152), "Invalid file name or pattern");
    EXPECT_EQ(ZipErrorText(-174), "Out of memory");
    EXPECT_EQ(ZipErrorText(-200), "Unknown error #-200");
}

} // namespace
} // namespace vl
