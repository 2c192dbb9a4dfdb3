// The clipboard saver list's rules on real tables: what "&Run" starts, the
// rows shown in blue, the categories that need no picker, storing an entry
// under the hash key of its text, the keep mark and the warning before a
// kept entry is deleted; storing clipboard categories.

#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardCategoryStore.h"
#include "pim/ClipboardEntries.h"
#include "pim/ClipboardSaver.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kToday = MakeDate(3, 12, 2025);

class ClipboardEntriesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(clipboard) && OpenTable(categories)); }
    void TearDown() override { DictionaryEnd(); }

    ClipboardRecord Stored(const char* text, uint8_t keep = 0)
    {
        ClipboardRecord entry = NewClipboardEntry(clipboard, text, kToday, 100);
        entry.ClipKeep = keep;
        EXPECT_TRUE(StoreClipboardEntry(clipboard, FormRequest::Insert, entry));
        return entry;
    }

    Table<ClipboardRecord>& clipboard = (DictionaryStart(), Tables().Clipboard);
    Table<ClipboardCategoriesRecord>& categories = Tables().ClipboardCategories;
    test::ScriptedPrompt prompt;
};

TEST(ClipboardRunTest, TargetsAreTheAddressesProgramsAndShortcutsTheTextHolds)
{
    const struct {
        const char* text;
        QStringList targets;
        bool blue;
    } cases[] = {
        {"see http://a.example/x and mailto:ann@b.example today",
         {"http://a.example/x", "mailto:ann@b.example"}, true},
        {"C:\\Tools\\calc.exe", {"C:\\Tools\\calc.exe"}, true},
        {"run C:\\Tools\\calc.exe now", {"C:\\Tools\\calc.exe"}, true},
        {"start \"C:\\Program Files\\App\\app.exe\" -x", {"C:\\Program Files\\App\\app.exe"}, true},
        {"Desktop\\Mail.lnk", {"Desktop\\Mail.lnk"}, true},
        {"bookmark news.url", {"news.url"}, false},
        {"www.example.org  ", {"http://www.example.org"}, false},
        {"WWW.example.org", {}, false},
        {"HTTP:\"quoted\"", {"HTTP:"}, true},
        {"plain words only", {}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClipboardRunTargets(c.text), c.targets) << c.text;
        EXPECT_EQ(ClipboardTextRunnable(c.text), c.blue) << c.text;
    }
}

TEST_F(ClipboardEntriesTest, GeneralBlankAndStoredCategoriesNeedNoPicker)
{
    ClipboardCategoriesRecord work;
    work.CATEGORY = "Work";
    ASSERT_TRUE(categories.Add(work));
    for (const auto& [typed, known] : {std::pair{"General", true}, std::pair{"", true}, std::pair{"work ", true},
                                       std::pair{"Home", false}})
        EXPECT_EQ(ClipboardCategoryKnown(categories, typed), known) << typed;
}

TEST_F(ClipboardEntriesTest, TextsWithTheSameLettersAreAllStoredAndAnEditKeepsItsOwnKey)
{
    const ClipboardRecord first = Stored("a-b c 1  ");
    EXPECT_EQ(first.ClipHashKey, "ABC");
    EXPECT_EQ(first.ClipContents, "a-b c 1");
    ClipboardRecord second = Stored("A B C 2");
    EXPECT_EQ(second.ClipHashKey, "ABC#2");
    EXPECT_TRUE(prompt.Questions().empty());

    second.ClipContents = "ABC 3"; // same letters again: its own key stays
    ASSERT_TRUE(StoreClipboardEntry(clipboard, FormRequest::Change, second));
    EXPECT_EQ(second.ClipHashKey, "ABC#2");
    second.ClipContents = "xyz";
    ASSERT_TRUE(StoreClipboardEntry(clipboard, FormRequest::Change, second));
    EXPECT_EQ(second.ClipHashKey, "XYZ");
    EXPECT_EQ(clipboard.Records(), 2);
}

TEST_F(ClipboardEntriesTest, KeepTogglesInTheTableAndOnlyAKeptEntryAsksBeforeItGoes)
{
    ClipboardRecord entry = Stored("Keep me");
    ASSERT_TRUE(ToggleClipboardKeep(clipboard, entry));
    ClipboardRecord stored;
    ASSERT_TRUE(clipboard.Get(entry.RecordPointer, stored));
    EXPECT_EQ(stored.ClipKeep, 1);

    EXPECT_TRUE(ConfirmClipboardDelete(Stored("Not kept")));
    EXPECT_TRUE(prompt.Questions().empty());
    prompt.AnswerButton("No");
    EXPECT_FALSE(ConfirmClipboardDelete(stored));
    prompt.AnswerButton("Yes");
    EXPECT_TRUE(ConfirmClipboardDelete(stored));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Delete Record");
    EXPECT_EQ(prompt.Questions()[0].defaultButton, 2);

    ASSERT_TRUE(clipboard.Delete(stored));
    prompt.Answer(1);
    EXPECT_FALSE(ToggleClipboardKeep(clipboard, entry)) << "gone meanwhile: said, not passed over";
}

TEST_F(ClipboardEntriesTest, ARenamedCategoryTakesItsEntriesAlongAndOneInUseStays)
{
    ClipboardCategoriesRecord work, spare;
    work.CATEGORY = "Work";
    spare.CATEGORY = "Spare";
    ASSERT_TRUE(categories.Add(work) && categories.Add(spare));
    ClipboardRecord entry = NewClipboardEntry(clipboard, "notes", kToday, 100);
    entry.Category = "Work";
    ASSERT_TRUE(StoreClipboardEntry(clipboard, FormRequest::Insert, entry));
    const struct {
        FormRequest request;
        const ClipboardCategoriesRecord* before;
        QString name;
        const char* refusal; // caption of the refusal; none when stored
    } cases[] = {
        {FormRequest::Insert, nullptr, "  ", kClipboardCategoryCaption},
        {FormRequest::Insert, nullptr, QString(21, 'c'), kClipboardCategoryCaption},
        {FormRequest::Insert, nullptr, "WORK", kClipboardCategoryCaption},
        {FormRequest::Change, &spare, "work", kClipboardCategoryCaption},
        {FormRequest::Delete, &work, "", "Referential Integrity Delete Error"},
        {FormRequest::Change, &work, "Office", nullptr},
        {FormRequest::Delete, &spare, "", nullptr},
    };
    for (const auto& c : cases) {
        ClipboardCategoriesRecord category = c.before ? *c.before : ClipboardCategoriesRecord{};
        if (c.request != FormRequest::Delete)
            category.CATEGORY = c.name;
        const size_t asked = prompt.Questions().size();
        if (c.refusal)
            prompt.Answer(1);
        EXPECT_EQ(StoreClipboardCategory(c.request, category, c.before ? *c.before : category), !c.refusal)
            << c.name.toStdString();
        ASSERT_EQ(prompt.Questions().size(), asked + (c.refusal ? 1 : 0)) << c.name.toStdString();
        if (c.refusal) {
            EXPECT_EQ(prompt.Questions().back().caption, c.refusal) << c.name.toStdString();
        }
    }
    EXPECT_EQ(prompt.Questions().at(2).text, ClipboardCategoryTakenText("WORK"));
    ASSERT_TRUE(clipboard.Get(entry.RecordPointer, entry));
    EXPECT_EQ(entry.Category, "Office");
    EXPECT_TRUE(ClipboardCategoryKnown(categories, "office"));
    EXPECT_EQ(categories.Records(), 1);
}

} // namespace
} // namespace vl
