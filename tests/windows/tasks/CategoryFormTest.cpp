// The category form: captions and read-only modes by request, and a change
// the category table refuses leaves the form open.

#include "core/dictionary/Dictionary.h"
#include "windows/tasks/UpdateCategories.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

namespace vl {
namespace {

class CategoryFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Categories));
        ASSERT_TRUE(OpenTable(d.Schedule));
        work.Category = "Work";
        ASSERT_TRUE(d.Categories.Add(work));
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.Category = "Work";
        ASSERT_TRUE(d.Schedule.Add(task));
    }
    void TearDown() override { DictionaryEnd(); }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
    CategoriesRecord work;
};

TEST_F(CategoryFormTest, CaptionsAndModesFollowTheRequest)
{
    const struct {
        FormRequest request;
        const char* caption;
        bool editable;
        bool okShown;
        const char* cancel;
        bool focusOnCancel;
    } cases[] = {
        {FormRequest::Insert, "New Category", true, true, "Cancel", false},
        {FormRequest::Change, "Edit Category", true, true, "Cancel", false},
        {FormRequest::View, "View Category", false, false, "Cl&ose", true},
        {FormRequest::Delete, "Delete Category", false, true, "Cancel", true},
    };
    for (const auto& c : cases) {
        UpdateCategories form(c.request, work);
        EXPECT_EQ(form.windowTitle(), c.caption);
        EXPECT_EQ(form.NameEntry()->text(), "Work");
        EXPECT_EQ(form.NameEntry()->isEnabled(), c.editable) << c.caption;
        form.NameEntry()->setText(QString(21, u'x'));
        EXPECT_EQ(form.NameEntry()->text(), QString(20, u'x')) << "the name's width";
        form.NameEntry()->setText("Work");
        EXPECT_EQ(form.OkButton()->isVisibleTo(&form), c.okShown) << c.caption;
        EXPECT_EQ(form.CancelButton()->text(), c.cancel);
        EXPECT_EQ(form.focusWidget() == form.CancelButton(), c.focusOnCancel) << c.caption;
    }
}

TEST_F(CategoryFormTest, ARefusedChangeKeepsTheFormOpenAndANewCategoryIsAdded)
{
    UpdateCategories rename(FormRequest::Change, work);
    rename.NameEntry()->setText("Office");
    prompt.Answer(1);
    rename.OkButton()->click();
    EXPECT_EQ(rename.result(), 0);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Referential Integrity Update Error");
    EXPECT_EQ(rename.NameEntry()->text(), "Work");

    CategoriesRecord blank;
    UpdateCategories insert(FormRequest::Insert, blank);
    insert.NameEntry()->setText("Home");
    insert.OkButton()->click();
    EXPECT_EQ(insert.result(), QDialog::Accepted);
    EXPECT_EQ(insert.Record().Category, "Home");
    EXPECT_EQ(d.Categories.Records(), 2);
}

} // namespace
} // namespace vl
