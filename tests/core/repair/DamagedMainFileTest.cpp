// The repair of the program's main data file after the damage a failing
// disk does: pages of records, of keys, of the file's own list of tables and
// of the catalog overwritten or zeroed (the file's header with them), the
// file cut short, garbage after its end, a header whose fields lie.
// Whatever is outside the damaged pages comes back, the file checks sound,
// every table opens, and the row says what was lost.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/base/ProgramStop.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/OpenDataFile.h"
#include "core/repair/RepairRun.h"
#include "platform/data/Maintenance.h"
#include "platform/data/NoCaseCollation.h"
#include "tests/support/ScriptedPrompt.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <map>
#include <set>

namespace vl {
namespace {

constexpr char kFile[] = "VLDB.TPS";
const char* const kTables[] = {"s", "ToDo", "Contact", "Categories"};

using Rows = std::map<std::string, std::multiset<std::string>>; // table: its records written out

struct Page {
    int64_t number = 0;
    std::string table; // the object it belongs to
    bool leaf = false;
    int records = 0;   // records on it, when a leaf of a table
    std::string path;  // from the object's first page: "/000/" a leaf, "/000/003+000000" an overflow page of its cell 3
};

class DamagedMainFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        ASSERT_TRUE(OpenTable(Tables().Schedule));
        for (int i = 0; i < 403; ++i) {
            ScheduleRecord task;
            task.Description = QStringLiteral("task %1").arg(i);
            task.Command = QStringLiteral("/usr/bin/program-%1 --with arguments enough to fill pages").arg(i);
            ASSERT_TRUE(Tables().Schedule.Add(task));
            if (i >= 400) { // the numbering stays above what the file holds
                ASSERT_TRUE(Tables().Schedule.Delete(task));
            }
        }
        Tables().Schedule.Close();
        ASSERT_TRUE(OpenTable(Tables().Todo));
        for (int i = 0; i < 300; ++i) {
            TodoRecord todo;
            todo.ToDo = QStringLiteral("to do %1").arg(i);
            todo.Notes = QString(200 + i * 20, QChar('n')); // the longer ones go on overflow pages
            ASSERT_TRUE(Tables().Todo.Add(todo));
        }
        Tables().Todo.Close();
        ASSERT_TRUE(OpenTable(Tables().Contact));
        for (int i = 0; i < 200; ++i) {
            ContactRecord contact;
            contact.LastName = QStringLiteral("Name %1").arg(i);
            ASSERT_TRUE(Tables().Contact.Add(contact));
        }
        Tables().Contact.Close();
        ASSERT_TRUE(OpenTable(Tables().Categories));
        CategoriesRecord category;
        category.Category = QStringLiteral("Work");
        ASSERT_TRUE(Tables().Categories.Add(category));
        Tables().Categories.Close();
        for (const RepairRow& row : RepairTableRows()) {
            TableFile* table = Tables().FindTable(row.label);
            if (!table->Name().startsWith("VLDB"))
                continue;
            ASSERT_TRUE(OpenTable(*table)) << row.label.toStdString();
            table->Close();
        }
        QFile file(kFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        sound_ = file.readAll();
        original_ = ReadRows();
        numbering_ = Numbering();
        SQLite::Database db(kFile, SQLite::OPEN_READONLY);
        pageSize_ = db.execAndGet("PRAGMA page_size").getInt();
        SQLite::Statement pages(db, "SELECT pageno, name, pagetype = 'leaf', ncell, path FROM dbstat");
        while (pages.executeStep()) {
            const bool leaf = pages.getColumn(2).getInt() != 0;
            pages_.push_back({pages.getColumn(0).getInt64(), pages.getColumn(1).getString(), leaf,
                              leaf ? pages.getColumn(3).getInt() : 0, pages.getColumn(4).getString()});
        }
    }
    void TearDown() override { DictionaryEnd(); }

    // The highest record pointer given in each table.
    static std::map<std::string, int64_t> Numbering()
    {
        SQLite::Database db(kFile, SQLite::OPEN_READONLY);
        std::map<std::string, int64_t> numbering;
        SQLite::Statement read(db, "SELECT name, seq FROM sqlite_sequence");
        while (read.executeStep())
            numbering[read.getColumn(0).getString()] = read.getColumn(1).getInt64();
        return numbering;
    }

    static Rows ReadRows()
    {
        SQLite::Database db(kFile, SQLite::OPEN_READONLY);
        RegisterNoCaseCollation(db.getHandle());
        Rows rows;
        for (const char* table : kTables) {
            SQLite::Statement read(db, std::string("SELECT * FROM \"") + table + "\"");
            while (read.executeStep()) {
                std::string row;
                for (int i = 0; i < read.getColumnCount(); ++i)
                    row += read.getColumn(i).getString() + "|";
                rows[table].insert(row);
            }
        }
        return rows;
    }

    // The leaves or the upper pages of an object, in file order.
    std::vector<int64_t> PagesOf(const std::string& object, bool leaves) const
    {
        std::vector<int64_t> found;
        for (const Page& page : pages_) {
            if (page.table == object && page.leaf == leaves)
                found.push_back(page.number);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    int64_t PageAt(const std::string& table, const std::string& path) const
    {
        for (const Page& page : pages_) {
            if (page.table == table && page.path == path)
                return page.number;
        }
        return 0;
    }

    int RecordsOn(int64_t number, const std::string& table) const
    {
        for (const Page& page : pages_) {
            if (page.number == number && page.table == table)
                return page.records;
        }
        return 0;
    }

    QByteArray sound_;
    Rows original_;
    std::map<std::string, int64_t> numbering_;
    int pageSize_ = 0;
    std::vector<Page> pages_;
};

TEST_F(DamagedMainFileTest, WhatIsOutsideTheDamagedPagesComesBackAndTheRowSaysWhatWasLost)
{
    ASSERT_GT(PagesOf("sqlite_schema", true).size(), 1u) << "the list of tables spans pages of its own";
    ASSERT_FALSE(PagesOf("s", false).empty());
    ASSERT_TRUE(std::any_of(pages_.begin(), pages_.end(), [](const Page& page) {
        return page.table == "ToDo" && page.path.find('+') != std::string::npos;
    })) << "records that go on overflow pages";
    struct Case {
        const char* name;
        std::vector<int64_t> destroyed; // pages overwritten with garbage
        qint64 cutTo = 0;               // the file's length after, when cut short
        int extra = 0;                  // bytes of garbage after its end
        bool zeroed = false;            // the pages are zeroed instead, the file's header too
        std::vector<std::pair<int, QByteArray>> header = {}; // bytes of the header written over
    };
    const qint64 cut = sound_.size() * 6 / 10 / pageSize_ * pageSize_;
    const std::vector<int64_t> scheduleLeaves = PagesOf("s", true);
    const auto be = [](uint32_t value, int width) {
        QByteArray bytes;
        for (int i = width - 1; i >= 0; --i)
            bytes.append(static_cast<char>(value >> (8 * i)));
        return bytes;
    };
    const uint32_t pages = static_cast<uint32_t>(sound_.size() / pageSize_);
    ASSERT_EQ(sound_.mid(24, 4), sound_.mid(92, 4)) << "the header's page count holds for the engine";
    const Case cases[] = {
        {"a page of records", {scheduleLeaves[scheduleLeaves.size() / 2]}},
        {"a page of a key", {PagesOf("s|SCH:KEYTASKNAME", true).front()}},
        {"the first page of the list of tables", {1}},
        {"a page of the list of tables", {PagesOf("sqlite_schema", true).front()}},
        {"the catalog's key page", {PagesOf("sqlite_autoindex_vl_catalog_1", true).front()}},
        {"a page of the catalog", {PagesOf("vl_catalog", true).front()}},
        {"the upper page of a table", {PagesOf("s", false).front()}},
        {"the file cut short", {}, cut},
        {"garbage after the end", {}, 0, 3 * pageSize_ + 100},
        {"a page of records zeroed", {scheduleLeaves[scheduleLeaves.size() / 3]}, 0, 0, true},
        {"the first page zeroed, header and all", {1}, 0, 0, true},
        // Every page intact, the header lying.
        {"page count smaller than the file", {}, 0, 0, false, {{28, be(pages / 3, 4)}}},
        {"page count larger than the file", {}, 0, 0, false, {{28, be(pages * 3, 4)}}},
        {"page count with a byte zeroed", {}, 0, 0, false, {{sound_[30] != 0 ? 30 : 31, QByteArray(1, '\0')}}},
        {"reserved space 255", {}, 0, 0, false, {{20, be(255, 1)}}},
        {"schema format 255", {}, 0, 0, false, {{47, be(255, 1)}}},
        {"text encoding 255", {}, 0, 0, false, {{59, be(255, 1)}}},
        {"page size halved", {}, 0, 0, false, {{16, be(pageSize_ / 2, 2)}}},
        {"page size doubled", {}, 0, 0, false, {{16, be(pageSize_ * 2, 2)}}},
        {"header zeroed", {}, 0, 0, false, {{0, QByteArray(100, '\0')}}},
        {"page count smaller and a page of records", {scheduleLeaves.back()}, 0, 0, false, {{28, be(pages / 3, 4)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = sound_;
        std::map<std::string, int> lost;
        for (int64_t page : c.destroyed) {
            const qint64 from = (page - 1) * pageSize_ + (page == 1 && !c.zeroed ? 100 : 0);
            bytes.replace(from, page * pageSize_ - from, QByteArray(page * pageSize_ - from, c.zeroed ? '\0' : '\xA5'));
        }
        if (c.cutTo > 0) {
            bytes.truncate(c.cutTo);
            // The records on the pages cut off, and those whose overflow pages were.
            const int64_t last = c.cutTo / pageSize_;
            std::set<std::string> cells;
            for (const Page& page : pages_) {
                const size_t overflow = page.path.find('+');
                if (page.number <= last)
                    continue;
                if (overflow == std::string::npos)
                    lost[page.table] += page.records;
                else if (PageAt(page.table, page.path.substr(0, page.path.rfind('/', overflow) + 1)) <= last &&
                         cells.insert(page.table + page.path.substr(0, overflow)).second)
                    ++lost[page.table];
            }
        }
        for (int64_t page : c.destroyed) {
            for (const char* table : kTables)
                lost[table] += RecordsOn(page, table);
        }
        for (const auto& [at, written] : c.header)
            bytes.replace(at, written.size(), written);
        bytes.append(QByteArray(c.extra, '\xA5'));
        for (const QString& name : {QStringLiteral("VLDB.TPS"), QStringLiteral("VLDB.TPS.damaged")})
            QFile::remove(name);
        {
            QFile file(kFile);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }

        std::vector<RepairRow> rows = RepairTableRows();
        int schedule = 0;
        while (rows[schedule].label != "Schedule")
            ++schedule;
        test::ScriptedPrompt prompt;
        prompt.AnswerButton("Yes"); // the whole file is repaired
        RunRepair(RepairOperation::Fix, rows, schedule, prompt);
        ASSERT_EQ(prompt.Questions().size(), 1u) << prompt.Questions().back().text.toStdString();

        QStringList problems;
        ASSERT_TRUE(CheckDataFile(kFile, &problems).Ok());
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        for (const RepairRow& row : rows) {
            TableFile& table = *Tables().FindTable(row.label);
            if (!table.Name().startsWith("VLDB"))
                continue;
            EXPECT_TRUE(table.Open()) << row.label.toStdString() << ": " << table.Error().toStdString();
            table.Close();
        }
        const Rows kept = ReadRows();
        int lostInAll = 0;
        size_t total = 0;
        for (const char* table : kTables) {
            SCOPED_TRACE(table);
            const std::multiset<std::string>& after = kept.count(table) ? kept.at(table) : std::multiset<std::string>();
            EXPECT_EQ(after.size() + lost[table], original_[table].size());
            EXPECT_TRUE(std::includes(original_[table].begin(), original_[table].end(), after.begin(), after.end()))
                << "every record kept is one the file held";
            lostInAll += lost[table];
            total += original_[table].size();
        }
        EXPECT_EQ(QFileInfo(kFile).size() % pageSize_, 0) << "nothing after the last page";
        EXPECT_EQ(Numbering(), numbering_) << "record pointers go on after the highest ever given";
        // The account is on the rows of the tables that lost records.
        QString information;
        for (const RepairRow& row : rows)
            information = information.isEmpty() ? row.information : information;
        if (lost["s"] > 0) {
            EXPECT_EQ(rows[schedule].information, information);
        }
        EXPECT_TRUE(information.startsWith(QStringLiteral("Repaired: %1 records kept").arg(total - lostInAll)))
            << information.toStdString();
        EXPECT_EQ(information.contains("; lost: "), lostInAll > 0) << information.toStdString();
        if (lost["s"] > 0 && c.cutTo == 0) { // counted by the table's keys
            EXPECT_TRUE(information.contains(QStringLiteral("; lost: %1 records of Schedule;").arg(lost["s"])))
                << information.toStdString();
        }
        EXPECT_TRUE(information.endsWith("; the damaged file was kept as " + QDir::current().absoluteFilePath("VLDB.TPS.damaged"))) << information.toStdString();
    }
}

TEST_F(DamagedMainFileTest, ADamagedCatalogIsOfferedForRepairNotAsAnUpgradeAndIsMadeFromTheDeclarations)
{
    const int64_t catalogPage = PagesOf("vl_catalog", true).front();
    for (const char* change : {"", "UPDATE vl_catalog SET fields = 'x' || substr(fields, 9) WHERE table_name = 's'",
                               "UPDATE vl_catalog SET table_name = 'q' WHERE table_name = 's'"}) {
        SCOPED_TRACE(*change ? change : "a page of the catalog zeroed");
        for (const QString& file : QDir().entryList({"VLDB.TPS*"}))
            QFile::remove(file);
        QFile file(kFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sound_);
        if (!*change && file.seek((catalogPage - 1) * pageSize_))
            file.write(QByteArray(pageSize_, '\0'));
        file.close();
        if (*change)
            SQLite::Database(kFile, SQLite::OPEN_READWRITE).exec(change);

        test::ScriptedPrompt prompt; // any box of the open would be a question here
        EXPECT_FALSE(OpenDataFile(Tables().Schedule, false, false, AccessMode::kReadWrite, false));
        EXPECT_EQ(QFileInfo(DamagedDataFile()).absoluteFilePath(), QFileInfo(kFile).absoluteFilePath());
        ResetProgramStop();
        std::vector<RepairRow> rows = RepairTableRows();
        prompt.AnswerButton("Yes");
        RunRepair(RepairOperation::Fix, rows, 0, prompt);
        ASSERT_EQ(prompt.Questions().size(), 1u) << prompt.Questions().back().text.toStdString();
        for (const RepairRow& row : rows) {
            TableFile& table = *Tables().FindTable(row.label);
            EXPECT_TRUE(!table.Name().startsWith("VLDB") || table.Open()) << row.label.toStdString();
            table.Close();
        }
        EXPECT_EQ(ReadRows(), original_) << "every task and every other record kept";
    }
}

TEST_F(DamagedMainFileTest, AFileOfWhichNothingCanBeReadIsLeftAsItWasAndTheUserIsTold)
{
    QByteArray bytes = sound_;
    bytes.replace(100, bytes.size() - 100, QByteArray(bytes.size() - 100, '\xA5'));
    {
        QFile file(kFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::vector<RepairRow> rows = RepairTableRows();
    test::ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").Answer(1);
    RunRepair(RepairOperation::Fix, rows, 0, prompt);
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].text, "The file " + QDir::toNativeSeparators(QDir::current().absoluteFilePath(kFile)) +
                                              " could not be repaired: none of its records can be read any more."
                                              "||The file has been left as it was.");
    QFile file(kFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_TRUE(QDir().entryList({"VLDB.TPS.*"}).isEmpty()) << "no copy is left beside it";
}

} // namespace
} // namespace vl
