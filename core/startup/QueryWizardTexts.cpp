#include "core/startup/QueryWizardTexts.h"

namespace vl {
namespace {

using Texts = std::map<int, QueryWizardText>;

Texts& Table()
{
    static Texts table;
    return table;
}

const char kNoLongerValid[] =
    "This query is no longer valid because fields|and/or expressions were renamed or deleted from|"
    "the database after you created the query.| |You should go through the query and make the|"
    "necessary corrections to fix this query.";
const char kDialogFont[] = "MS Sans Serif";

void Set(Texts& t, int number, QueryWizardText value) { t[number] = std::move(value); }
void Text(Texts& t, int number, const char* value) { Set(t, number, QString::fromUtf8(value)); }

// Comparison operators.
void AddComparisons(Texts& t)
{
    Text(t, 1, "Is Equal To");
    Text(t, 2, "Is NOT Equal To");
    Text(t, 3, "Is Greater Than");
    Text(t, 4, "Is Less Than");
    Text(t, 5, "Is Greater Than or Equal To");
    Text(t, 6, "Is Less Than or Equal To");
    Text(t, 7, "Begins With");
    Text(t, 8, "Contains");
    Text(t, 9, "Does NOT Begin With");
    Text(t, 10, "Does NOT Contain");
    Text(t, 11, "Is Checked");
    Text(t, 12, "Is NOT Checked");
}

// Message captions and texts.
void AddMessages(Texts& t)
{
    Text(t, 31, "ErrorLoadingQuery");
    Text(t, 32, "An error has prevented the Query Wizard from loading your query at this time.");
    Text(t, 33, "Invalid Query");
    Text(t, 34, "The query you have designed is invalid.|Please review your query and correct the problem.");
    Text(t, 35, "Overwrite Query");
    Text(t, 36, "Do you want to overwrite the query you are editing?");
    Text(t, 37, "Query No Longer Valid");
    Text(t, 38, kNoLongerValid);
    Text(t, 39, "Restricted Query");
    Text(t, 40, "Sorry, this is a restricted query and may not be modified.");
    Text(t, 41, "Save Query");
    Text(t, 42, "Would you like to save this query?");
}

// Fonts and their sizes.
void AddFonts(Texts& t)
{
    for (int number : {71, 73, 75, 77, 79, 218, 243})
        Text(t, number, kDialogFont);
    for (int number : {72, 74})
        Set(t, number, 10);
    for (int number : {76, 78, 219, 244})
        Set(t, number, 8);
    Set(t, 80, 12);
}

// Texts left blank.
void AddBlankTexts(Texts& t)
{
    for (int number : {100, 200, 230})
        Text(t, number, "");
}

// Buttons: tool tip, short caption, button text.
void AddButtons(Texts& t)
{
    Text(t, 101, "Add a New AND Query Element");
    Text(t, 102, "New AND Condition");
    Text(t, 103, "AND");
    Text(t, 104, "Go Back to the Previous Step");
    Text(t, 105, "Back");
    Text(t, 106, "< &Back");
    Text(t, 107, "Cancel the Query Wizard");
    Text(t, 108, "Cancel");
    Text(t, 109, "&Cancel");
    Text(t, 110, "Change the Selected Query Element");
    Text(t, 111, "Change Condition");
    Text(t, 112, "C&hange");
    Text(t, 113, "Delete the Selected Query Element");
    Text(t, 114, "Delete Condition");
    Text(t, 115, "&Delete");
    Text(t, 116, "Finish the Query");
    Text(t, 117, "Finish");
    Text(t, 118, "&Finish");
    Text(t, 119, "Enter the Query Manually");
    Text(t, 120, "Manual Entry");
    Text(t, 121, "&Manual");
    Text(t, 122, "Go to the Next Step");
    Text(t, 123, "Next");
    Text(t, 124, "&Next >");
    Text(t, 125, "Add a New OR Query Element");
    Text(t, 126, "New OR Condition");
    Text(t, 127, "OR");
}

// Page texts.
void AddPageTexts(Texts& t)
{
    Text(t, 151, "Query Wizard");
    Text(t, 152, "Current Query");
    Text(t, 153, "(New Query)");
    Text(t, 154, "Add conditions by pressing the AND or OR buttons.");
    Text(t, 155, "Select the field to test:");
    Text(t, 156, "&Field");
    Text(t, 157, "Select how the field is compared:");
    Text(t, 158, "&Comparison");
    Text(t, 159, "Compare the field with:");
    Text(t, 160, "Constant &Value");
    Text(t, 161, "E&xpression");
    Text(t, 162, "&Another Field");
    Text(t, 163, "Enter the value to compare with:");
    Text(t, 164, "Enter the expression to compare with:");
    Text(t, 165, "Select the field to compare with:");
    Text(t, 166, "Compare Using Case Sensitive Matching");
    Text(t, 167, "Manual Query Entry");
    Text(t, 168, "Enter the query expression:");
    Text(t, 169, "Review the condition and press Finish to add it to the query.");
    Text(t, 170, "Condition");
    Text(t, 171, "Query Text");
}

// Saved-query list.
void AddSavedQueryList(Texts& t)
{
    Text(t, 201, "Saved Queries");
    Text(t, 202, "Queries");
    Text(t, 203, "Query Description");
    Text(t, 204, "Edit the Selected Query");
    Text(t, 205, "Edit");
    Text(t, 206, "&Edit");
    Text(t, 207, "Add a New Query");
    Text(t, 208, "Add");
    Text(t, 209, "&Add");
    Text(t, 210, "Remove the Selected Query");
    Text(t, 211, "Remove");
    Text(t, 212, "&Remove");
    Text(t, 213, "Run the Selected Query");
    Text(t, 214, "Run");
    Text(t, 215, "R&un");
    Text(t, 216, "Close the Query List");
    Text(t, 217, "&Close");

    Text(t, 220, "Query No Longer Valid");
    Text(t, 221, kNoLongerValid);
}

// Query-description dialog.
void AddDescriptionDialog(Texts& t)
{
    Text(t, 231, "Save Query");
    Text(t, 232, "Query Description:");
    Text(t, 233, "Enter a description for this query.");
    Text(t, 234, "Save the Query");
    Text(t, 235, "OK");
    Text(t, 236, "&OK");
    Text(t, 237, "Do Not Save the Query");
    Text(t, 238, "Cancel");
    Text(t, 239, "&Cancel");
    Text(t, 240, "A query with this description already exists.");
    Text(t, 241, "Duplicate Query Description");
    Text(t, 242, "Please enter a description for this query.");
}

// Progress texts.
void AddProgressTexts(Texts& t)
{
    Text(t, 300, "Converting Saved Query Data -- Please Wait...");
    Text(t, 301, "Converting Data File Structure  -- Please Wait...");
    Text(t, 302, "All Records");
    Text(t, 303, "Custom Query...");
}

} // namespace

const std::map<int, QueryWizardText>& QueryWizardTexts()
{
    return Table();
}

void LoadQueryWizardTexts()
{
    Texts& t = Table();
    t.clear();
    AddComparisons(t);
    AddMessages(t);
    AddFonts(t);
    AddBlankTexts(t);
    AddButtons(t);
    AddPageTexts(t);
    AddSavedQueryList(t);
    AddDescriptionDialog(t);
    AddProgressTexts(t);
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
