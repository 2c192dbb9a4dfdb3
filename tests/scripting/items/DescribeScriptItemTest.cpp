#include "scripting/items/DescribeScriptItem.h"
#include "tests/scripting/items/ScriptItemSamples.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(DescribeScriptItemTest, EveryActionDescribesItsFields)
{
    for (const auto& [item, description] : test::EveryActionSample()) {
        EXPECT_EQ(DescribeScriptItem(item), description) << item.Action.toStdString();
        EXPECT_EQ(ScriptItemDetail(item), description.left(80)) << item.Action.toStdString();
    }
    ScriptTemplateDetailsRecord templateItem;
    templateItem.Action = "Set Focus";
    templateItem.FocusOnWindow = "Editor";
    EXPECT_EQ(DescribeScriptItem(templateItem), "Editor");
}

// A "File Actions" item keeps its FTP user name in characters 1-128 of
// SCR:DDEApplicationTopic and the password in 129-255. Whatever action the
// item is later changed to, and however short the other fields, the password
// never shows.
TEST(DescribeScriptItemTest, FtpPasswordNeverShows)
{
    const QString password = test::kSamplePassword;
    for (const QString action : {"File Actions", "DDE", "DDE (Dynamic Data Exchange)", "Display Message", "Send Keys",
                                 "Wait", "If Window...", "Set Focus", "Start Program"}) {
        for (const QString& user : {QString(), QString("anonymous"), QString(128, u'u')}) {
            ScriptingRecord item;
            item.Action = action;
            item.DDEType = "FTP Upload";
            item.DDEApplicationTopic = user.leftJustified(128, u' ') + password;
            EXPECT_FALSE(DescribeScriptItem(item).contains(password)) << action.toStdString();
        }
    }
}

} // namespace
} // namespace vl
