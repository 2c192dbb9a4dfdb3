#include "scripting/ScriptVariables.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace vl {
namespace {

TEST(ScriptVariables, NamesAreCaseInsensitiveAndOnlyTheirFirst32CharactersCount)
{
    ScriptVariables variables;
    variables.Set("counter", "1");
    variables.Set("COUNTER", "2");
    EXPECT_EQ(variables.Count(), 1);
    const auto found = variables.Find("Counter");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->NAME, "COUNTER");
    EXPECT_EQ(found->STRINGVALUE, "2");

    const QString stem(32, u'n');
    variables.Set(stem + "first", "long");
    ASSERT_TRUE(variables.Find(stem));
    EXPECT_EQ(variables.Find(stem + "other")->STRINGVALUE, "long");
    EXPECT_EQ(variables.Find(stem)->NAME, stem.toUpper());
    EXPECT_FALSE(variables.Find(QString(31, u'n')));
    EXPECT_FALSE(variables.Find("missing"));
    EXPECT_TRUE(variables.Find("counter   ")) << "trailing blanks of a name do not count";
}

TEST(ScriptVariables, ValuesAreClippedCutAndReadAsNumbers)
{
    ScriptVariables variables;
    variables.Set("x", "6  ");
    EXPECT_EQ(variables.Find("x")->STRINGVALUE, "6");
    EXPECT_EQ(variables.Find("x")->VALUE, 6.0);

    variables.Set("long", QString(300, u'a'));
    EXPECT_EQ(variables.Find("long")->STRINGVALUE, QString(255, u'a'));
    EXPECT_EQ(variables.Find("long")->VALUE, 0.0);

    variables.Set("x", " 12.345 ");
    EXPECT_EQ(variables.Find("x")->STRINGVALUE, " 12.345");
    EXPECT_EQ(variables.Find("x")->VALUE, 12.35);
    variables.Set("x", "-0.125");
    EXPECT_EQ(variables.Find("x")->VALUE, -0.13);
    variables.Set("x", "12abc");
    EXPECT_EQ(variables.Find("x")->VALUE, 0.0);
    variables.Set("x", "");
    EXPECT_EQ(variables.Find("x")->STRINGVALUE, "");
}

TEST(ScriptVariables, OverrideReplacesTheProgramStoreForItsLifetime)
{
    ScriptVariables& program = CurrentScriptVariables();
    ScriptVariables mine;
    {
        const ScriptVariablesOverride override(mine);
        CurrentScriptVariables().Set("only_here", "1");
    }
    EXPECT_TRUE(mine.Find("ONLY_HERE"));
    EXPECT_EQ(&CurrentScriptVariables(), &program);
    EXPECT_FALSE(program.Find("ONLY_HERE"));
}

TEST(ScriptVariables, ThreadsSettingAtOnceLoseNothing)
{
    ScriptVariables variables;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&variables, t] {
            for (int i = 0; i < 500; ++i)
                variables.Set(QStringLiteral("T%1_%2").arg(t).arg(i), QString::number(i));
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(variables.Count(), 2000);
    EXPECT_EQ(variables.Find("t3_499")->VALUE, 499.0);
}

} // namespace
} // namespace vl
