// The colour names, the graph's counting, layout and texts, its preferences
// in the INI file, and showing a hidden column again.
#include "platform/runtime/IniFile.h"
#include "platform/sound/RecordingSoundPlayer.h"
#include "tests/support/ScriptedPrompt.h"
#include "xplore/ColourNames.h"
#include "xplore/ColumnTable.h"
#include "xplore/FilterText.h"
#include "xplore/GraphCount.h"
#include "xplore/GraphLayout.h"
#include "xplore/GraphPreferences.h"

#include <gtest/gtest.h>

namespace vl::test {
namespace {

TEST(ColourNames, NamesAndValuesBothWays)
{
    const struct {
        QString name;
        std::optional<int> value;
    } names[] = {{"None", -1}, {"Maroon", 0x80}, {"Navy  ", 0x800000}, {"White", 0xFFFFFF},
                 {"navy", std::nullopt}, {" Navy", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : names)
        EXPECT_EQ(ColourFromName(c.name), c.value) << c.name.toStdString();
    EXPECT_EQ(ColourPosition(-1), 1);
    EXPECT_EQ(ColourPosition(0xC0C0C0), 10);
    EXPECT_EQ(ColourPosition(0x123456), std::nullopt);
    EXPECT_EQ(ColourPickList().size(), 17);
    EXPECT_EQ(ColourPickList().last(), "White");
}

TEST(GraphCount, CategoriesSortedCountedAndLimited)
{
    GraphCount count;
    for (const char* text : {"b", "a  ", "b", "c", "b"})
        EXPECT_TRUE(count.Add(text));
    count.Finish();
    ASSERT_EQ(count.Categories().size(), 3u);
    EXPECT_EQ(count.Categories()[0].text, "a");
    EXPECT_EQ(count.Categories()[1].count, 3);
    EXPECT_DOUBLE_EQ(count.Categories()[1].percent, 60.0);
    EXPECT_EQ(count.Largest(), 3);
    EXPECT_EQ(count.Rows(), 5);
    count.Add(QString(90, u'x'));
    EXPECT_EQ(count.Categories().back().text.size(), kCategoryTextWidth);

    count.Clear();
    for (int i = 0; i < kMaxGraphCategories; ++i)
        EXPECT_TRUE(count.Add(QString::number(i)));
    EXPECT_TRUE(count.Add("7"));
    EXPECT_FALSE(count.Add("the 51st"));
}

// The pass over rows whose texts are given, Escape pressed before a row.
struct Pass {
    QStringList texts;
    int escapeAt = -1;
    const char* answer = nullptr; // to the question Escape asks
    int failAt = -1;              // a row that cannot be read
    bool graph;
    QString message;
};

TEST(GraphCount, PassEndsWithAGraphOrSaysWhyNot)
{
    QStringList many;
    for (int i = 0; i <= kMaxGraphCategories; ++i)
        many << QString::number(i);
    const Pass passes[] = {
        {{"x", "y", "x"}, -1, nullptr, -1, true, ""},
        {{}, -1, nullptr, -1, false, "There are no categories to Graph of 'The Date'"},
        {{"", "  ", ""}, -1, nullptr, -1, false, "There is only one category to Graph of 'The Date'"},
        {many, -1, nullptr, -1, false, "Too complex to graph - exceeds max number of categories: 50 - 'The Date"},
        {{"x", "y", "z"}, 2, "Yes", -1, false, "There are no categories to Graph of 'The Date'"},
        {{"x", "y", "z"}, 2, "No", -1, true, ""},
        {{"x", "y", "z"}, -1, nullptr, 1, false, ""},
    };
    for (const Pass& p : passes) {
        ScriptedPrompt prompt;
        RecordingSoundPlayer sound;
        SoundOverride soundOverride(sound);
        if (p.answer)
            prompt.AnswerButton(p.answer);
        if (!p.message.isEmpty())
            prompt.Answer(1);
        int asked = 0;
        QStringList progress;
        GraphRows rows;
        rows.expected = p.texts.size();
        rows.text = [&](int row) -> std::optional<QString> {
            if (row == p.failAt)
                return std::nullopt;
            return p.texts[row];
        };
        rows.escape = [&] { return asked++ == p.escapeAt; };
        rows.progress = [&](int counted, int percent, const QString& text) {
            progress << QString("%1 %2 %3").arg(counted).arg(percent).arg(text);
        };
        GraphCount count;
        EXPECT_EQ(CountGraphRows(count, rows, "The Date "), p.graph) << p.texts.join(',').toStdString();
        const size_t asks = p.answer ? 1 : 0; // the question Escape asks comes first
        const QString said = prompt.Questions().size() > asks ? prompt.Questions().back().text : QString();
        EXPECT_EQ(said, p.message);
        EXPECT_EQ(sound.beeps, p.answer ? 1 : 0);
        if (p.answer) {
            EXPECT_EQ(prompt.Questions()[0].text, "Are you sure you want to quit this Graphing Procedure?");
        }
        if (p.texts.size() == 3 && p.graph && !p.answer) {
            EXPECT_EQ(progress, (QStringList{"1 33 x", "2 66 y", "3 100 x"}));
        }
    }
}

TEST(GraphLayout, WideNarrowAndCrampedBars)
{
    const struct {
        int width, bars;
        int gap, barWidth, left;
    } cases[] = {
        {1000, 5, 33, 132, 136}, // unit (1000-160)/5 = 168: gap 33, bars 132
        {1000, 6, 4, 149, 75},  // (1000-80)/6 - 4
        {200, 10, 2, 10, 73},   // (200-80)/10 - 4 = 8 is too narrow: gap 2
        {100, 40, 2, 1, 23},    // a window too narrow still gives a pixel
    };
    for (const auto& c : cases) {
        const GraphLayout layout = ComputeGraphLayout(c.width, 600, c.bars);
        EXPECT_EQ(layout.gap, c.gap) << c.width << " " << c.bars;
        EXPECT_EQ(layout.barWidth, c.barWidth) << c.width << " " << c.bars;
        EXPECT_EQ(layout.left, c.left) << c.width << " " << c.bars;
        EXPECT_EQ(layout.baseline, 550);
    }
    const GraphLayout wide = ComputeGraphLayout(1000, 600, 5);
    EXPECT_EQ(wide.BarX(2), wide.left + 165);
    EXPECT_EQ(wide.BarHeight(2, 4), 260);
    EXPECT_EQ(wide.BarHeight(1, 0), 0);
    EXPECT_EQ(wide.PercentText(33.3), "33.3");
    EXPECT_EQ(ComputeGraphLayout(200, 600, 10).PercentText(33.3), "33");
    EXPECT_EQ(ComputeGraphLayout(200, 600, 10).PercentText(5.4), " 5");
}

TEST(GraphTexts, LabelsTitleAndFilter)
{
    EXPECT_EQ(CategoryLabel(" 3 =March"), "March");
    EXPECT_EQ(CategoryLabel("12 =December"), "December");
    EXPECT_EQ(CategoryLabel("12=December"), "12=December");
    EXPECT_EQ(GraphTitle(12, "The Date  "), "12 Categories of Field: The Date");
    EXPECT_EQ(GraphTitle(12, QString(50, u'd')).size(), 40);
    EXPECT_EQ(GraphFilterLine(""), "Filter: ");
    const Filter filter{{"ENT:Kind", Compare::Equal, QString("O'Neil "), Join::And, true},
                        {"ENT:Date", Compare::LessEqual, int64_t(80020)}};
    EXPECT_EQ(FilterText(filter), "UPPER(ENT:Kind) = 'O''NEIL' AND ENT:Date <= 80020");
    const Filter either{{"ENT:Count", Compare::Less, int64_t(3)}, {"ENT:Count", Compare::Greater, int64_t(9), Join::Or}};
    EXPECT_EQ(FilterText(std::vector<Filter>{filter, either}),
              "UPPER(ENT:Kind) = 'O''NEIL' AND ENT:Date <= 80020 AND (ENT:Count < 3 OR ENT:Count > 9)")
        << "each filter holds on its own";
}

TEST(GraphPreferences, DefaultsStoredValuesAndDamagedOnes)
{
    IniFile ini("PREFS.INI");
    GraphPreferences read = ReadGraphPreferences(ini, kPreferencesFontSize);
    EXPECT_EQ(read.colours, DefaultGraphColours());
    EXPECT_EQ(read.colours[14], "White");
    EXPECT_EQ(read.fontName, "Arial");
    EXPECT_EQ(read.fontSize, 8);
    EXPECT_EQ(ReadGraphPreferences(ini, kGraphFontSize).fontSize, 12);
    EXPECT_EQ(read.fontStyle, 700);

    read.colours[0] = "Teal";
    read.fontName = "A font name longer than twenty";
    read.fontSize = 14;
    read.fontStyle = 4796;
    ASSERT_TRUE(WriteGraphPreferences(ini, read));
    EXPECT_EQ(ini.Get("XplorePreferences", "Col01"), "Teal");
    EXPECT_EQ(ini.Get("XplorePreferences", "Col16"), "Black");
    const GraphPreferences again = ReadGraphPreferences(ini, kGraphFontSize);
    EXPECT_EQ(again.fontName, "A font name longer t");
    EXPECT_EQ(again.fontSize, 14);
    EXPECT_EQ(again.fontStyle, 4796);

    // A size of no points, or none at all, takes the default.
    for (const char* size : {"0", "-3", "big"}) {
        ASSERT_TRUE(ini.Put("XplorePreferences", "FontSize", size));
        EXPECT_EQ(ReadGraphPreferences(ini, kGraphFontSize).fontSize, 12) << size;
    }
    // A font name the file cannot hold writes nothing and says so.
    read.fontName = "Two\nlines";
    EXPECT_FALSE(WriteGraphPreferences(ini, read));
    EXPECT_EQ(ini.Get("XplorePreferences", "FontName"), "A font name longer t");
}

TEST(GraphPreferences, StyleNamesSampleMovesAndSwatches)
{
    const struct {
        int style;
        const char* name;
    } styles[] = {{400, "Regular"}, {700, "Bold"}, {4796, "Bold Italic"}, {12988, "Bold Italic Underline"}, {701, ""}};
    for (const auto& s : styles)
        EXPECT_EQ(FontStyleName(s.style).value_or(""), s.name) << s.style;
    GraphPreferences preferences;
    preferences.fontSize = 8;
    EXPECT_EQ(FontSample(preferences, "Bold"), "Arial8 pt Bold");

    GraphColours colours = DefaultGraphColours();
    EXPECT_FALSE(MoveGraphColour(colours, 0, -1));
    EXPECT_FALSE(MoveGraphColour(colours, 15, 1));
    EXPECT_EQ(colours, DefaultGraphColours());
    EXPECT_TRUE(MoveGraphColour(colours, 1, -1));
    EXPECT_EQ(colours[0], "Olive");

    EXPECT_EQ(SwatchOf("Black"), (ColourSwatch{0xFFFFFF, 0, 0xFFFFFF, -1}));
    EXPECT_EQ(SwatchOf("White"), (ColourSwatch{0, 0xFFFFFF, 0, -1}));
    EXPECT_EQ(SwatchOf("Navy"), (ColourSwatch{0, 0x800000, 0xFFFFFF, 0x800000}));
    EXPECT_EQ(SwatchOf("Mauve"), ColourSwatch{});
}

TEST(ColumnTable, HiddenColumnShownAgainAtTheEnd)
{
    std::vector<ColumnDefinition> definitions(3);
    const char* fields[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        definitions[i].field = fields[i];
        definitions[i].width = 20;
    }
    definitions[2].displayed = false;
    definitions[2].width = 0;
    ColumnTable table;
    table.Load(definitions);
    EXPECT_EQ(table.Show(1), 0); // shown already
    EXPECT_EQ(table.Show(9), 0);
    table.ShownAt(1)->colours = {1, -1, -1, 4};
    ASSERT_TRUE(table.Hide(1));
    EXPECT_EQ(table.Show(3), 2);
    EXPECT_EQ(table.ShownAt(2)->width, 10); // a column without a width
    EXPECT_EQ(table.Show(1), 3);
    EXPECT_EQ(table.ShownAt(3)->colours, (ColumnColours{1, -1, -1, 4}));
    EXPECT_EQ(table.BuildFormatString(),
              "20L(1)M|~~L(1)@S20@#2#10L(1)M|~~L(1)@S20@#3#20L(1)M|~~L(1)@S20@#1#E(1,,,4)");
}

} // namespace
} // namespace vl::test
