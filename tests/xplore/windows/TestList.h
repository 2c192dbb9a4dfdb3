#pragma once
// A small list with Xplore over a test table, as a list procedure builds one:
// Date (sortable), Name (sortable), Kind (not sortable), Count (sortable,
// right-justified), in a window of its own.

#include "platform/browse/BrowseModel.h"
#include "platform/data/Table.h"
#include "platform/data/TableDeclaration.h"
#include "xplore/windows/Xplore.h"

#include <QApplication>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vl::test {

struct EntryRecord : RecordBase {
    int32_t ID = 0;
    int32_t Date = 0;
    QString Name;
    QString Kind;
    int32_t Count = 0;
};

inline constexpr KeyRef ENT_KEYID{"ENT:KEYID"};
inline constexpr KeyRef ENT_KEYDATE{"ENT:KEYDATE"};

inline std::shared_ptr<const TableDef> EntryDefinition()
{
    static const auto def = TableDeclaration<EntryRecord>("Entries", "ENT")
                                .FileName("XTEST\\!Entries")
                                .Long("ENT:ID", &EntryRecord::ID)
                                .Long("ENT:Date", &EntryRecord::Date)
                                .String("ENT:Name", &EntryRecord::Name, 60)
                                .String("ENT:Kind", &EntryRecord::Kind, 20)
                                .Long("ENT:Count", &EntryRecord::Count)
                                .Key(ENT_KEYID, "By ID", {"ENT:ID"}, kUnique | kPrimary | kAutoNumber)
                                .Key(ENT_KEYDATE, "By Date", {"ENT:Date"})
                                .Build();
    return def;
}

// A value that must filter for exactly itself.
inline const QString kHostileName = QStringLiteral("O'Neil \"x\") ; DROP TABLE Entries");

// Record order 1-5; date order 5, 2, 1, 4, 3; name order 2, 3, 5, 1, 4.
inline void AddEntries(Table<EntryRecord>& table)
{
    const std::tuple<int, const char*, const char*, int> rows[] = {
        {80010, "Easter", "Annual", 5},   {80005, "apple", "Once", 1}, {80020, "Boxing Day", "Annual", 3},
        {80015, "", "Once", 2},           {80001, "Carnival", "Easter", 4},
    };
    for (const auto& [date, name, kind, count] : rows) {
        EntryRecord entry;
        entry.Date = date;
        entry.Name = *name ? QString::fromUtf8(name) : kHostileName;
        entry.Kind = kind;
        entry.Count = count;
        ASSERT_TRUE(table.Add(entry)) << table.Error().toStdString();
    }
}

class EntriesXplore : public Xplore {
public:
    explicit EntriesXplore(int nameWidth) : nameWidth_(nameWidth) {}

protected:
    std::vector<ColumnDefinition> DefineColumns() override
    {
        std::vector<ColumnDefinition> columns(4);
        const char* fields[] = {"ENT:Date", "ENT:Name", "ENT:Kind", "ENT:Count"};
        const char* headers[] = {"Date", "Name", "Kind", "Count"};
        const char* pictures[] = {"@d6b", "@s60", "@s20", "@n5"};
        const int widths[] = {50, nameWidth_, 40, 30};
        for (int i = 0; i < 4; ++i) {
            columns[i].field = fields[i];
            columns[i].header = headers[i];
            columns[i].picture = pictures[i];
            columns[i].width = widths[i];
            columns[i].description = QString("The ") + headers[i];
            columns[i].sortable = i != 2;
            columns[i].graph = i == 0;
        }
        columns[3].justification = u'R';
        columns[3].total = true;
        return columns;
    }

private:
    int nameWidth_;
};

struct TestList {
    explicit TestList(SortMarkStyle style = SortMarkStyle::Header, int nameWidth = 80, quint32 features = 0x100000)
        : xplore(nameWidth)
    {
        EXPECT_TRUE(table.Open(TableFile::kDeclaredMode, true)) << table.Error().toStdString();
        if (table.Records() == 0)
            AddEntries(table);
        EXPECT_TRUE(model.SetColumns({{"ENT:Date", "Date", "@d6b"},
                                      {"ENT:Name", "Name", "@s60"},
                                      {"ENT:Kind", "Kind", "@s20"},
                                      {"ENT:Count", "Count", "@n5"}}));
        ViewOrder byDate;
        QString error;
        EXPECT_TRUE(KeyOrder(table.Definition(), ENT_KEYDATE, byDate, error));
        EXPECT_EQ(model.AddOrder("By Date", byDate), 0);
        list = new BrowseList(&window);
        list->SetBrowseModel(&model);
        (new QVBoxLayout(&window))->addWidget(list);
        window.resize(700, 300);
        Xplore::Options options;
        options.procedure = "BrowseEntries";
        options.control = "?List";
        options.style = style;
        options.features = features;
        xplore.SetupForBrowse(list, &model, &window, options);
        xplore.Activate();
        window.show();
        QApplication::processEvents();
    }
    ~TestList()
    {
        window.close();
        QApplication::processEvents();
    }

    // The given column's texts, top to bottom.
    QStringList Column(int section) const
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, section).data().toString();
        return texts;
    }
    QStringList Names() const { return Column(1); }

    Table<EntryRecord> table{EntryDefinition()};
    BrowseModel model{table};
    QWidget window;
    BrowseList* list = nullptr;
    EntriesXplore xplore;
};

} // namespace vl::test
