// Task categories from their form: names are unique without regard to case,
// and a category that a task uses can be neither renamed nor deleted.

#include "core/dictionary/Dictionary.h"
#include "tasks/CategoryStore.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

class CategoryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Categories));
        ASSERT_TRUE(OpenTable(d.Schedule));
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.Description = "Report";
        task.Category = "work";
        ASSERT_TRUE(d.Schedule.Add(task));
        work = Added("Work");
        spare = Added("Spare");
    }
    void TearDown() override { DictionaryEnd(); }

    CategoriesRecord Added(const char* name)
    {
        CategoriesRecord category;
        category.Category = QString::fromLatin1(name);
        EXPECT_TRUE(StoreCategory(FormRequest::Insert, category, category));
        return category;
    }

    QStringList Names()
    {
        QStringList names;
        CategoriesRecord category;
        d.Categories.Set(CAT_KEYCATEGORY);
        while (d.Categories.Next(category))
            names << category.Category;
        return names;
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
    CategoriesRecord work;
    CategoriesRecord spare;
};

TEST_F(CategoryStoreTest, ACategoryInUseIsNeitherRenamedNorDeleted)
{
    CategoriesRecord renamed = work;
    renamed.Category = "Office";
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(StoreCategory(FormRequest::Change, renamed, work));
    EXPECT_EQ(renamed.Category, "Work") << "the form gets the old name back";
    EXPECT_FALSE(StoreCategory(FormRequest::Delete, work, work));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Referential Integrity Update Error");
    EXPECT_EQ(prompt.Questions()[1].caption, "Referential Integrity Delete Error");
    EXPECT_EQ(Names(), QStringList({"Spare", "Work"}));
}

TEST_F(CategoryStoreTest, AnUnusedCategoryIsRenamedAndDeleted)
{
    CategoriesRecord renamed = spare;
    renamed.Category = "Home";
    EXPECT_TRUE(StoreCategory(FormRequest::Change, renamed, spare));
    EXPECT_EQ(Names(), QStringList({"Home", "Work"}));
    EXPECT_TRUE(StoreCategory(FormRequest::Delete, renamed, renamed));
    EXPECT_EQ(Names(), QStringList({"Work"}));
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(CategoryStoreTest, ATakenOrBlankNameIsRefusedWithAMessage)
{
    const struct {
        FormRequest request;
        const char* name;
        const char* message;
    } cases[] = {
        {FormRequest::Insert, "WORK", "The category \"WORK\" already exists."},
        {FormRequest::Change, "work", "The category \"work\" already exists."},
        {FormRequest::Insert, "   ", "Enter the category's name."},
        {FormRequest::Change, "", "Enter the category's name."},
    };
    for (const auto& c : cases) {
        CategoriesRecord category = spare;
        category.Category = QString::fromLatin1(c.name);
        prompt.Answer(1);
        EXPECT_FALSE(StoreCategory(c.request, category, spare)) << c.name;
        EXPECT_EQ(prompt.Questions().back().text, c.message);
        EXPECT_EQ(prompt.Questions().back().caption, "Update Category");
    }
    EXPECT_EQ(Names(), QStringList({"Spare", "Work"}));
}

} // namespace
} // namespace vl
