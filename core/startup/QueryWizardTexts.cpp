#include "core/startup/QueryWizardTexts.h"

namespace vl {
namespace {

std::map<int, QueryWizardText>& Table()
{
    static std::map<int, QueryWizardText> table;
    return table;
}

const char kNoLongerValid[] =
    "This query is no longer valid because fields|and/or expressions were renamed or deleted from|"
    "the database after you created the query.| |You should go through the query and make the|"
    "necessary corrections to fix this query.";
const char kDialogFont[] = "MS Sans Serif";

} // namespace

const std::map<int, QueryWizardText>& QueryWizardTexts()
{
    return Table();
}

void LoadQueryWizardTexts()
{
    auto& t = Table();
    t.clear();
    auto set = [&t](int number, QueryWizardText value) { t[number] = std::move(value); };
    auto text = [&set](int number, const char* value) { set(number, QString::fromUtf8(value)); };

    // Comparison operators.
    text(1, "Is Equal To");
    text(2, "Is NOT Equal To");
    text(3, "Is Greater Than");
    text(4, "Is Less Than");
    text(5, "Is Greater Than or Equal To");
    text(6, "Is Less Than or Equal To");
    text(7, "Begins With");
    text(8, "Contains");
    text(9, "Does NOT Begin With");
    text(10, "Does NOT Contain");
    text(11, "Is Checked");
    text(12, "Is NOT Checked");

    // Message captions and texts.
    text(31, "ErrorLoadingQuery");
    text(32, "An error has prevented the Query Wizard from loading your query at this time.");
    text(33, "Invalid Query");
    text(34, "The query you have designed is invalid.|Please review your query and correct the problem.");
    text(35, "Overwrite Query");
    text(36, "Do you want to overwrite the query you are editing?");
    text(37, "Query No Longer Valid");
    text(38, kNoLongerValid);
    text(39, "Restricted Query");
    text(40, "Sorry, this is a restricted query and may not be modified.");
    text(41, "Save Query");
    text(42, "Would you like to save this query?");

    // Fonts and their sizes.
    for (int number : {71, 73, 75, 77, 79, 218, 243})
        text(number, kDialogFont);
    for (int number : {72, 74})
        set(number, 10);
    for (int number : {76, 78, 219, 244})
        set(number, 8);
    set(80, 12);

    for (int number : {100, 200, 230})
        text(number, "");

    // Buttons: tool tip, short caption, button text.
    text(101, "Add a New AND Query Element");
    text(102, "New AND Condition");
    text(103, "AND");
    text(104, "Go Back to the Previous Step");
    text(105, "Back");
    text(106, "< &Back");
    text(107, "Cancel the Query Wizard");
    text(108, "Cancel");
    text(109, "&Cancel");
    text(110, "Change the Selected Query Element");
    text(111, "Change Condition");
    text(112, "C&hange");
    text(113, "Delete the Selected Query Element");
    text(114, "Delete Condition");
    text(115, "&Delete");
    text(116, "Finish the Query");
    text(117, "Finish");
    text(118, "&Finish");
    text(119, "Enter the Query Manually");
    text(120, "Manual Entry");
    text(121, "&Manual");
    text(122, "Go to the Next Step");
    text(123, "Next");
    text(124, "&Next >");
    text(125, "Add a New OR Query Element");
    text(126, "New OR Condition");
    text(127, "OR");

    // Page texts.
    text(151, "Query Wizard");
    text(152, "Current Query");
    text(153, "(New Query)");
    text(154, "Add conditions by pressing the AND or OR buttons.");
    text(155, "Select the field to test:");
    text(156, "&Field");
    text(157, "Select how the field is compared:");
    text(158, "&Comparison");
    text(159, "Compare the field with:");
    text(160, "Constant &Value");
    text(161, "E&xpression");
    text(162, "&Another Field");
    text(163, "Enter the value to compare with:");
    text(164, "Enter the expression to compare with:");
    text(165, "Select the field to compare with:");
    text(166, "Compare Using Case Sensitive Matching");
    text(167, "Manual Query Entry");
    text(168, "Enter the query expression:");
    text(169, "Review the condition and press Finish to add it to the query.");
    text(170, "Condition");
    text(171, "Query Text");

    // Saved-query list.
    text(201, "Saved Queries");
    text(202, "Queries");
    text(203, "Query Description");
    text(204, "Edit the Selected Query");
    text(205, "Edit");
    text(206, "&Edit");
    text(207, "Add a New Query");
    text(208, "Add");
    text(209, "&Add");
    text(210, "Remove the Selected Query");
    text(211, "Remove");
    text(212, "&Remove");
    text(213, "Run the Selected Query");
    text(214, "Run");
    text(215, "R&un");
    text(216, "Close the Query List");
    text(217, "&Close");

    text(220, "Query No Longer Valid");
    text(221, kNoLongerValid);

    // Query-description dialog.
    text(231, "Save Query");
    text(232, "Query Description:");
    text(233, "Enter a description for this query.");
    text(234, "Save the Query");
    text(235, "OK");
    text(236, "&OK");
    text(237, "Do Not Save the Query");
    text(238, "Cancel");
    text(239, "&Cancel");
    text(240, "A query with this description already exists.");
    text(241, "Duplicate Query Description");
    text(242, "Please enter a description for this query.");

    // Progress texts.
    text(300, "Converting Saved Query Data -- Please Wait...");
    text(301, "Converting Data File Structure  -- Please Wait...");
    text(302, "All Records");
    text(303, "Custom Query...");
}

QString QueryWizardDisplayText(int number)
{
    const auto& t = Table();
    auto it = t.find(number);
    if (it == t.end())
        return {};
    if (const int* size = std::get_if<int>(&it->second))
        return QString::number(*size);
    return std::get<QString>(it->second);
}

std::map<int, QString> QueryWizardDisplayTexts()
{
    std::map<int, QString> texts;
    for (const auto& entry : Table())
        texts[entry.first] = QueryWizardDisplayText(entry.first);
    return texts;
}

} // namespace vl
