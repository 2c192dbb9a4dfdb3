// The query dialog as a user works it: fields picked by their prompts, the
// value control each field asks for, AND/OR, change and delete, the query in
// words, saved queries, OK and Cancel.

#include "platform/widgets/QueryDialog.h"

#include "tests/platform/query/QueryTestData.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace vl::test {
namespace {

class Dialog : public ::testing::Test {
protected:
    void Open(const Query& current = {})
    {
        dialog = std::make_unique<QueryDialog>(ItemCatalogue(), DialogTexts(), &saved, current);
        dialog->show();
        QApplication::processEvents();
    }
    template <class W>
    W* Get(const char* name)
    {
        W* widget = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    void Pick(const char* field) { Combo("field")->setCurrentIndex(Combo("field")->findData(QString(field))); }
    void Operator(const char* text) { Combo("operator")->setCurrentText(text); }
    void Press(const char* name) { Get<QPushButton>(name)->click(); }
    QComboBox* Combo(const char* name) { return Get<QComboBox>(name); }
    QStringList Items(const char* list)
    {
        QStringList items;
        for (int i = 0; i < Get<QListWidget>(list)->count(); ++i)
            items << Get<QListWidget>(list)->item(i)->text();
        return items;
    }

    ScriptedPrompt prompt;
    SavedQueries saved{TestPath("QUERIES.INI"), "ITEMS"};
    std::unique_ptr<QueryDialog> dialog;
};

TEST_F(Dialog, ConditionsAreBuiltWithEachFieldsControlJoinedChangedAndDeleted)
{
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Query Wizard - (New Query)");
    EXPECT_FALSE(Get<QPushButton>("change")->isEnabled());
    EXPECT_FALSE(Get<QPushButton>("delete")->isEnabled());
    Pick("ITM:Name");
    EXPECT_EQ(dialog->findChild<QStackedWidget*>()->currentWidget(), Get<QLineEdit>("value"));
    EXPECT_TRUE(Get<QCheckBox>("caseSensitive")->isEnabled());
    Operator("Contains");
    Get<QLineEdit>("value")->setText("O'Neil");
    Press("and");
    Pick("ITM:Code");
    EXPECT_EQ(dialog->findChild<QStackedWidget*>()->currentWidget(), Combo("choice"));
    Combo("choice")->setCurrentText("Big Nut");
    Press("or");
    Pick("ITM:Flag");
    EXPECT_EQ(dialog->findChild<QStackedWidget*>()->currentWidget(), Get<QCheckBox>("check"));
    EXPECT_EQ(Get<QCheckBox>("check")->text(), "Flagged");
    EXPECT_EQ(Combo("operator")->count(), 2);
    EXPECT_FALSE(Get<QRadioButton>("fieldOperand")->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>("caseSensitive")->isEnabled());
    Get<QCheckBox>("check")->setChecked(true); // the operator follows the box
    EXPECT_EQ(Combo("operator")->currentText(), "Is Checked");
    Press("and");
    Pick("ITM:Date");
    Get<QRadioButton>("fieldOperand")->click();
    EXPECT_EQ(Combo("otherField")->count(), 2);
    Operator("Is Less Than");
    Combo("otherField")->setCurrentText("Item - Time");
    Press("and");
    EXPECT_EQ(Items("conditions"), (QStringList{"Item - Name Contains \"O'Neil\"", "OR Item - Code Is Equal To \"Big Nut\"",
                                                "AND Item - Flag (True/False) Is Checked",
                                                "AND Item - Date Is Less Than Another Field: Item - Time"}));

    // A date the field cannot read is refused; what was typed stays.
    Get<QRadioButton>("constant")->click();
    Get<QLineEdit>("value")->setText("someday");
    prompt.Answer(1);
    Press("and");
    EXPECT_EQ(prompt.Questions().back().caption, "Invalid Query");
    EXPECT_EQ(Get<QLineEdit>("value")->text(), "someday");
    EXPECT_EQ(Items("conditions").size(), 4);

    // Selecting a condition shows it in the controls; Change and Delete act on it.
    Get<QListWidget>("conditions")->setCurrentRow(1);
    EXPECT_EQ(Combo("field")->currentData().toString(), "ITM:Code");
    EXPECT_EQ(Combo("choice")->currentText(), "Big Nut");
    Combo("choice")->setCurrentText("Bolt");
    Press("change");
    Get<QListWidget>("conditions")->setCurrentRow(0);
    Press("delete");
    EXPECT_EQ(Items("conditions").first(), "Item - Code Is Equal To \"Bolt\"");
    Press("ok");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Result(),
              (Query{{Join::Or, "ITM:Code", QueryOperator::Equal, QueryOperand::Value, "Bolt"},
                     {Join::And, "ITM:Flag", QueryOperator::Checked, QueryOperand::Value, ""},
                     {Join::And, "ITM:Date", QueryOperator::Less, QueryOperand::Field, "ITM:Time"}}));
}

TEST_F(Dialog, NamedQueriesAreSavedAndLoadedInALaterDialog)
{
    const Query query{{Join::And, "ITM:Name", QueryOperator::Equal, QueryOperand::Value, "x"}};
    Open(query);
    EXPECT_FALSE(Get<QPushButton>("edit")->isEnabled());
    Get<QLineEdit>("description")->setText("Just x");
    Press("add");
    EXPECT_TRUE(dialog->windowTitle().endsWith(" - Just x"));
    Press("cancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    Open();
    Get<QListWidget>("savedQueries")->setCurrentRow(0);
    EXPECT_EQ(Get<QLineEdit>("description")->text(), "Just x");
    Press("edit");
    EXPECT_EQ(Items("conditions"), QStringList{"Item - Name Is Equal To \"x\""});
    EXPECT_EQ(dialog->Result(), query);
    Press("remove");
    EXPECT_TRUE(Items("savedQueries").isEmpty());
}

} // namespace
} // namespace vl::test
