#pragma once
// A catalogue over the items of the data layer's tests, and the dialog texts
// the query logic uses.

#include "platform/query/QueryCatalogue.h"
#include "platform/query/QueryTexts.h"

#include <gtest/gtest.h>

namespace vl::test {

// Entries in catalogue form (prompt, field, picture, size, kind, input, last column).
inline QString ItemCatalogueText()
{
    return QString::fromUtf8("Item - Name¦0¦ITM:Name¦@s20¦20¦1¦1¦¦«"
                             "Item - Code¦0¦ITM:Code¦@s10¦10¦1¦3¦¦Bolt|Big Nut=NUT«"
                             "Item - Alarm¦0¦ITM:Alarm¦@s10¦10¦1¦1¦¦«"
                             "Item - Date¦0¦ITM:Date¦@d6¦4¦2¦1¦¦«"
                             "Item - Time¦0¦ITM:Time¦@t4¦4¦2¦1¦¦«"
                             "Item - Flag (True/False)¦0¦ITM:Flag¦@n3¦1¦2¦2¦¦Flagged¦«"
                             "Item - Priority¦0¦ITM:Priority¦@n3¦1¦2¦1¦¦");
}

inline QueryCatalogue ItemCatalogue()
{
    QueryCatalogue catalogue;
    EXPECT_TRUE(catalogue.Parse(ItemCatalogueText())) << catalogue.Error().toStdString();
    return catalogue;
}

inline QueryTexts DialogTexts()
{
    return QueryTexts({{1, "Is Equal To"}, {3, "Is Greater Than"}, {4, "Is Less Than"}, {8, "Contains"},
                       {10, "Does NOT Contain"}, {11, "Is Checked"}, {12, "Is NOT Checked"},
                       {31, "ErrorLoadingQuery"},
                       {32, "An error has prevented the Query Wizard from loading your query at this time."},
                       {33, "Invalid Query"},
                       {34, "The query you have designed is invalid.|Please review your query and correct the problem."},
                       {35, "Overwrite Query"}, {36, "Do you want to overwrite the query you are editing?"},
                       {37, "Query No Longer Valid"}, {38, "This query is no longer valid."},
                       {41, "Save Query"}, {42, "Would you like to save this query?"}, {103, "AND"}, {127, "OR"}, {151, "Query Wizard"}, {153, "(New Query)"},
                       {161, "E&xpression"}, {162, "&Another Field"}, {166, "Compare Using Case Sensitive Matching"},
                       {231, "Save Query"}, {240, "A query with this description already exists."},
                       {241, "Duplicate Query Description"}, {242, "Please enter a description for this query."},
                       {302, "All Records"}});
}

} // namespace vl::test
