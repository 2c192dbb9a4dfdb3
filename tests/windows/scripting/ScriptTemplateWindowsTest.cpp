// The template list and form offscreen on real tables: select mode returns
// the highlighted template, a template deleted meanwhile is said to be gone;
// the list's buttons hand the form the right request and copy source; a new
// template copied from another starts with its items, keeps them on OK and
// leaves none behind on Cancel, and opens not at all when its copy is
// cancelled; delete mode removes the template with its items.

#include "core/dictionary/Dictionary.h"
#include "platform/ui/ProgressService.h"
#include "platform/widgets/BrowseList.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/templates/TemplateCopy.h"
#include "windows/scripting/ScriptTemplateForm.h"
#include "windows/scripting/ScriptTemplateList.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vl {
namespace {

// A user who cancels every progress window at once.
class CancellingProgress : public ProgressService {
    class AtOnce : public ProgressTracker {
    public:
        bool Tell(int64_t, int64_t) override { return false; }
        bool Cancelled() const override { return true; }
    };

public:
    std::unique_ptr<ProgressTracker> Open(const ProgressTexts&) override { return std::make_unique<AtOnce>(); }
};

class ScriptTemplateWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.ScriptTemplates));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
        for (const auto& [id, description] : {std::pair{1, "Beta"}, std::pair{2, "alpha"}}) {
            ScriptTemplatesRecord header;
            header.WIZ_ID = id;
            header.DESCRIPTION = description;
            ASSERT_TRUE(d.ScriptTemplates.Add(header));
        }
        for (int32_t sequence : {2, 5}) {
            ScriptTemplateDetailsRecord item;
            item.WIZ_ID = 2;
            item.Sequence = sequence;
            item.Action = "Wait";
            ASSERT_TRUE(d.ScriptTemplateDetails.Add(item));
        }
    }
    void TearDown() override
    {
        form.reset();
        DictionaryEnd();
    }

    static QPushButton* Button(const QWidget& window, const QString& text)
    {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }
    QList<int32_t> Sequences(int32_t templateId)
    {
        std::vector<ScriptTemplateDetailsRecord> items;
        EXPECT_TRUE(ReadScriptItems(d.ScriptTemplateDetails, templateId, items).Ok());
        QList<int32_t> sequences;
        for (const auto& item : items)
            sequences << item.Sequence;
        return sequences;
    }
    ScriptTemplateForm* Form(FormRequest request, const ScriptTemplatesRecord& record, int32_t copySource)
    {
        form = std::make_unique<ScriptTemplateForm>(request, record, copySource,
                                                    [](FormRequest, ScriptTemplateDetailsRecord&, int32_t, QWidget*) {
                                                        return false;
                                                    });
        return form.get();
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
    std::unique_ptr<ScriptTemplateForm> form;
};

TEST_F(ScriptTemplateWindowsTest, SelectModeReturnsTheHighlightedTemplateUnlessItIsGone)
{
    QStringList asked;
    auto runner = [&asked](FormRequest request, const ScriptTemplatesRecord& record, int32_t source, QWidget*) {
        asked << QStringLiteral("%1 %2 %3").arg(int(request)).arg(record.WIZ_ID).arg(source);
        return true;
    };
    ScriptTemplateList plain(false, runner);
    EXPECT_EQ(Button(plain, "&Select"), nullptr);
    plain.List()->SelectRow(0); // "alpha" comes first
    for (const char* press : {"Cop&y", "&Edit", "&Delete", "&New"})
        Button(plain, press)->click();
    EXPECT_EQ(asked, (QStringList{QStringLiteral("%1 0 2").arg(int(FormRequest::Insert)),
                                  QStringLiteral("%1 2 0").arg(int(FormRequest::Change)),
                                  QStringLiteral("%1 2 0").arg(int(FormRequest::Delete)),
                                  QStringLiteral("%1 0 0").arg(int(FormRequest::Insert))}));

    ScriptTemplateList list(true, runner);
    list.List()->SelectRow(1);
    Button(list, "&Select")->click();
    EXPECT_EQ(list.result(), QDialog::Accepted);
    ASSERT_TRUE(list.Selected());
    EXPECT_EQ(list.Selected()->DESCRIPTION, "Beta");

    ScriptTemplateList stale(true, runner);
    stale.List()->SelectRow(0);
    ScriptTemplatesRecord alpha; // deleted by another window meanwhile
    alpha.WIZ_ID = 2;
    ASSERT_TRUE(d.ScriptTemplates.Get(VLT_K_WIZ_ID, alpha) && d.ScriptTemplates.Delete(alpha));
    prompt.Answer(1);
    Button(stale, "&Select")->click();
    EXPECT_FALSE(stale.Selected());
    EXPECT_EQ(stale.Model()->rowCount(), 1);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, kTemplateGoneText);
}

TEST_F(ScriptTemplateWindowsTest, CopiedTemplateKeepsItsItemsOnlyWhenStored)
{
    ScriptTemplateForm* copy = Form(FormRequest::Insert, {}, 2);
    ASSERT_TRUE(copy->Opened());
    const int32_t first = copy->Record().WIZ_ID;
    EXPECT_EQ(first, 3);
    EXPECT_EQ(copy->windowTitle(), "New Script Template");
    EXPECT_EQ(Sequences(first), (QList<int32_t>{2, 5}));
    copy->reject();
    EXPECT_TRUE(Sequences(first).isEmpty());

    copy = Form(FormRequest::Insert, {}, 2);
    copy->findChild<QLineEdit*>()->setText("gamma");
    copy->accept();
    EXPECT_EQ(copy->result(), QDialog::Accepted);
    const int32_t gamma = copy->Record().WIZ_ID;
    EXPECT_EQ(Sequences(gamma), (QList<int32_t>{2, 5}));
    EXPECT_EQ(d.ScriptTemplates.Records(), 3);

    // Delete mode shows the items without the buttons that change them.
    ScriptTemplatesRecord alpha;
    alpha.WIZ_ID = 2;
    ASSERT_TRUE(d.ScriptTemplates.Get(VLT_K_WIZ_ID, alpha));
    ScriptTemplateForm* doomed = Form(FormRequest::Delete, alpha, 0);
    EXPECT_EQ(doomed->windowTitle(), "Edit Script Template alpha");
    for (const char* text : {"&Add", "&Edit", "&Delete", "Clear", "&Import"})
        EXPECT_FALSE(Button(*doomed, text)->isEnabled()) << text;
    EXPECT_TRUE(Button(*doomed, "&Print")->isEnabled());
    doomed->accept();
    EXPECT_TRUE(Sequences(2).isEmpty());
    EXPECT_EQ(d.ScriptTemplates.Records(), 2);

    CancellingProgress cancelling;
    const ProgressOverride useCancelling(cancelling);
    const int items = d.ScriptTemplateDetails.Records();
    EXPECT_FALSE(Form(FormRequest::Insert, {}, gamma)->Opened()) << "the copy was cancelled";
    EXPECT_EQ(d.ScriptTemplateDetails.Records(), items);
}

TEST_F(ScriptTemplateWindowsTest, ItemsGoToAScriptFileAndComeBackFromIt)
{
    std::vector<ScriptTemplatesRecord> headers(2);
    for (int32_t id : {1, 2}) {
        headers[size_t(id - 1)].WIZ_ID = id;
        ASSERT_TRUE(d.ScriptTemplates.Get(VLT_K_WIZ_ID, headers[size_t(id - 1)]));
    }
    const QString file = test::TestPath("alpha.vls");
    prompt.AnswerPath(file).AnswerPath(file);
    Button(*Form(FormRequest::Change, headers[1], 0), "E&xport")->click();
    ScriptTemplateForm* beta = Form(FormRequest::Change, headers[0], 0);
    Button(*beta, "&Import")->click();
    EXPECT_EQ(Sequences(1).size(), 2);
    EXPECT_EQ(beta->Items()->model()->rowCount(), 2) << "the list shows what came in";
}

} // namespace
} // namespace vl
