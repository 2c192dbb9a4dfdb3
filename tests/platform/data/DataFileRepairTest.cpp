// Repair of damaged data files: real files with pages zeroed or overwritten,
// cut short or lengthened, a file another connection holds, a disk that
// fills up during the repair, and a repair cancelled.

#include "DataFileFaults.h"
#include "TestTables.h"

#include "platform/data/DataFileRepair.h"
#include "platform/data/Maintenance.h"
#include "platform/data/NoCaseCollation.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace vl::test {
namespace {

constexpr int kItems = 2000;

class DataFileRepairTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Table<ItemRecord> items(ItemDefinition());
        OpenCreated(items);
        ASSERT_TRUE(items.Stream());
        for (int i = 0; i < kItems; ++i) {
            ItemRecord item = Item(QStringLiteral("item number %1").arg(i), QString::number(i));
            ASSERT_TRUE(items.Add(item));
        }
        ASSERT_TRUE(items.Flush());
        items.Close();
        ASSERT_FALSE(QFile::exists("TEST.TPS-wal")) << "closed files have no log";
    }

    static QString KeyName()
    {
        SQLite::Database db("TEST.TPS", SQLite::OPEN_READONLY);
        return QString::fromStdString(
            db.execAndGet("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Items' "
                          "AND sql IS NOT NULL ORDER BY name LIMIT 1")
                .getString());
    }

    static int64_t Records()
    {
        Table<ItemRecord> items(ItemDefinition());
        return items.Open() ? items.Records() : -1;
    }
};

// Where the records and keys of the test file lie.
struct Layout {
    int pageSize = 0;
    std::vector<std::pair<int64_t, int>> itemLeaves; // page, records on it
    int64_t keyLeaf = 0;
    int64_t itemRoot = 0;

    int64_t Offset(int64_t page) const { return (page - 1) * pageSize; }
    std::pair<int64_t, int> MiddleLeaf() const { return itemLeaves[itemLeaves.size() / 2]; }
    // The records on the pages before the offset.
    int64_t RecordsBefore(int64_t offset) const
    {
        int64_t records = 0;
        for (const auto& [page, count] : itemLeaves)
            records += Offset(page + 1) <= offset ? count : 0;
        return records;
    }
};

Layout LayoutOf(const QString& path, const QString& key)
{
    Layout layout;
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    layout.pageSize = db.execAndGet("PRAGMA page_size").getInt();
    layout.itemRoot = db.execAndGet("SELECT rootpage FROM sqlite_master WHERE name = 'Items'").getInt64();
    SQLite::Statement leaves(db, "SELECT pageno, ncell, name FROM dbstat WHERE pagetype = 'leaf' ORDER BY pageno");
    while (leaves.executeStep()) {
        if (leaves.getColumn(2).getString() == "Items")
            layout.itemLeaves.emplace_back(leaves.getColumn(0).getInt64(), leaves.getColumn(1).getInt());
        else if (leaves.getColumn(2).getString() == key.toStdString())
            layout.keyLeaf = leaves.getColumn(0).getInt64();
    }
    return layout;
}

// Bytes no page of the file format reads as (the same on every run).
QByteArray Noise(int64_t size)
{
    QRandomGenerator random(7);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

void Overwrite(const QString& path, int64_t offset, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

constexpr int kLogCommits = 3;
constexpr int kDeletedPerCommit = 10;
// The log's header, then each frame: its own header, then the page.
constexpr int kLogHeader = 32;
constexpr int kFrameChecksum = 16; // within a frame's header

// Leaves the data file as a program killed after kLogCommits commits leaves
// it: the file, and the commits in its log (each deletes 10 records).
void EndWithCommitsInLog(const QString& path)
{
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        ASSERT_TRUE(RegisterNoCaseCollation(db.getHandle()));
        db.exec("PRAGMA wal_autocheckpoint = 0");
        for (int i = 0; i < kLogCommits; ++i)
            db.exec(QStringLiteral("DELETE FROM Items WHERE ID > %1 AND ID <= %2")
                        .arg(i * kDeletedPerCommit)
                        .arg((i + 1) * kDeletedPerCommit)
                        .toStdString());
        ASSERT_TRUE(QFile::copy(path, "ended") && QFile::copy(path + "-wal", "ended-wal"));
    }
    ASSERT_TRUE(QFile::remove(path) && QFile::rename("ended", path) && QFile::rename("ended-wal", path + "-wal"));
}

TEST_F(DataFileRepairTest, DamageIsRepairedOnACopyAndTheDamagedFileIsKept)
{
    const QByteArray sound = ReadFileBytes("TEST.TPS");
    const Layout at = LayoutOf("TEST.TPS", KeyName());
    ASSERT_GT(at.itemLeaves.size(), 4u);
    ASSERT_GT(at.keyLeaf, 0);
    const int page = at.pageSize;
    const int64_t leaf = at.Offset(at.MiddleLeaf().first);
    const int64_t end = sound.size();
    const int64_t cut = at.Offset(at.MiddleLeaf().first + 1);
    const QByteArray zeros(page, '\0');
    const int64_t offTheLeaf = kItems - at.MiddleLeaf().second;
    // How many records come back: every one, every one off the damaged page
    // (lost: those on it), more than those, exactly so many, more than so
    // many but not all, or none.
    enum class Kept { All, OffTheLeaf, AtLeastOffTheLeaf, Exactly, MoreThan, None };
    struct Case {
        const char* name;
        std::function<void()> damage; // none: a sound file
        Kept kept;
        int64_t records = 0; // for Exactly
        bool lossTold = false; // the table's account tells that records are missing
    };
    const auto write = [](int64_t offset, QByteArray bytes) { return [=] { Overwrite("TEST.TPS", offset, bytes); }; };
    const auto cutAt = [](int64_t size) { return [=] { ASSERT_TRUE(QFile::resize("TEST.TPS", size)); }; };
    // The record page's count of records, with bits flipped.
    const auto recordCount = [&](uint16_t flipped) {
        QByteArray count = sound.mid(leaf + 3, 2);
        count[0] = static_cast<char>(count[0] ^ (flipped >> 8));
        count[1] = static_cast<char>(count[1] ^ (flipped & 0xFF));
        return write(leaf + 3, count);
    };
    // Where the first child's page number lies on the records' upper page.
    const int64_t root = at.Offset(at.itemRoot);
    const int64_t firstChild = root + (static_cast<uint8_t>(sound.at(root + 12)) << 8 | static_cast<uint8_t>(sound.at(root + 13)));
    const Case cases[] = {
        {"sound file", nullptr, Kept::All},
        {"damaged key page", [&] { ASSERT_TRUE(DamagePage("TEST.TPS", KeyName(), false)); }, Kept::All},
        {"key page zeroed", write(at.Offset(at.keyLeaf), zeros), Kept::All},
        {"key page of random bytes", write(at.Offset(at.keyLeaf), Noise(page)), Kept::All},
        {"damaged record page", [&] { ASSERT_TRUE(DamagePage("TEST.TPS", "Items", true)); }, Kept::OffTheLeaf},
        {"half a record page damaged", [&] { ASSERT_TRUE(DamagePage("TEST.TPS", "Items", false)); },
         Kept::AtLeastOffTheLeaf},
        {"record page zeroed", write(leaf, zeros), Kept::OffTheLeaf},
        {"record page's records zeroed", write(leaf + page / 2, zeros.left(page / 2)), Kept::AtLeastOffTheLeaf},
        {"record page of random bytes", write(leaf, Noise(page)), Kept::OffTheLeaf},
        {"record page's count of records one less", recordCount(0x0001), Kept::All},
        {"record page's count of records far past the page", recordCount(0x8000), Kept::All},
        {"record pointer damaged high in the middle of a page",
         [] { ASSERT_TRUE(MisorderRecordPointer("TEST.TPS", "Items", 16383)); }, Kept::Exactly, kItems - 1},
        {"records' upper page pointing past the end", write(firstChild, QByteArray(4, '\x7F')), Kept::Exactly, kItems},
        {"record page copied over the next", write(leaf, sound.mid(at.Offset(at.itemLeaves[at.itemLeaves.size() / 2 - 1].first), page)),
         Kept::OffTheLeaf},
        {"list of tables zeroed", write(100, zeros.left(page - 100)), Kept::All},
        {"list of tables of random bytes", write(100, Noise(page - 100)), Kept::All},
        {"first page zeroed", write(0, zeros), Kept::All},
        {"first page of random bytes", write(0, Noise(page)), Kept::All},
        {"page count past the end", write(28, QByteArray(4, '\xFF')), Kept::All},
        {"write version unknown: damage at the open, not a denial",
         [&] {
             Overwrite("TEST.TPS", 18, QByteArray(1, '\xFF'));
             Table<ItemRecord> items(ItemDefinition());
             EXPECT_FALSE(items.Open());
             EXPECT_EQ(items.ErrorCode(), kInvalidDataFile);
         },
         Kept::All},
        {"read version zeroed", write(19, zeros.left(1)), Kept::All},
        {"page count past the end, list of tables zeroed",
         [&] {
             Overwrite("TEST.TPS", 28, QByteArray::fromHex("FFFFFF00"));
             Overwrite("TEST.TPS", 100, zeros.left(page - 100));
         },
         Kept::All},
        {"file cut in the middle of a page", cutAt(cut + page / 2), Kept::Exactly, at.RecordsBefore(cut), true},
        {"file cut in the middle of a record page", cutAt(leaf + page / 2), Kept::MoreThan, at.RecordsBefore(leaf), true},
        {"file cut after a page", cutAt(cut), Kept::Exactly, at.RecordsBefore(cut), true},
        {"file cut after a page, records' upper page zeroed",
         [&] {
             Overwrite("TEST.TPS", at.Offset(at.itemRoot), zeros);
             ASSERT_TRUE(QFile::resize("TEST.TPS", cut));
         },
         Kept::Exactly, at.RecordsBefore(cut), true},
        {"records in the log, record page zeroed",
         [&] {
             EndWithCommitsInLog("TEST.TPS");
             Overwrite("TEST.TPS", leaf, zeros);
         },
         Kept::Exactly, offTheLeaf - kLogCommits * kDeletedPerCommit},
        // The engine would read nothing of these logs: their intact frames are read.
        {"log header zeroed",
         [&] {
             EndWithCommitsInLog("TEST.TPS");
             Overwrite("TEST.TPS-wal", 0, zeros.left(kLogHeader));
         },
         Kept::Exactly, kItems - kLogCommits * kDeletedPerCommit},
        {"log's first frame damaged, whole commits after it",
         [&] {
             EndWithCommitsInLog("TEST.TPS");
             Overwrite("TEST.TPS-wal", kLogHeader + kFrameChecksum, zeros.left(8));
         },
         Kept::Exactly, kItems - kLogCommits * kDeletedPerCommit},
        {"zeros after the end", write(end, zeros.left(page / 2)), Kept::All},
        {"random bytes after the end", write(end, Noise(3 * page)), Kept::All},
        {"every page zeroed", write(0, QByteArray(end, '\0')), Kept::None},
    };
    const std::vector<DeclaredTable> declared = {{QStringLiteral("Items"), ItemDefinition()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& name : QDir().entryList({"TEST.TPS*"}))
            QFile::remove(name);
        {
            QFile file("TEST.TPS");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(sound);
        }
        if (c.damage)
            c.damage();
        ASSERT_TRUE(QFile::setPermissions("TEST.TPS", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        const QByteArray before = ReadFileBytes("TEST.TPS");

        DataFileRepair repair;
        std::vector<int> progress;
        const DataError error =
            RepairDataFile("TEST.TPS", repair, [&](int percent) { progress.push_back(percent); }, declared);
        if (c.kept == Kept::None) {
            EXPECT_FALSE(error.Ok());
            EXPECT_TRUE(repair.nothingReadable);
            EXPECT_FALSE(repair.replaced);
            EXPECT_EQ(ReadFileBytes("TEST.TPS"), before) << "left as it was";
            EXPECT_EQ(QDir().entryList({"TEST.TPS*"}), QStringList({"TEST.TPS"})) << "nothing is left beside it";
            continue;
        }
        ASSERT_TRUE(error.Ok()) << error.Describe().toStdString();

        if (!c.damage) {
            EXPECT_TRUE(repair.findings.isEmpty());
            EXPECT_FALSE(repair.replaced);
            EXPECT_EQ(ReadFileBytes("TEST.TPS"), before) << "a sound file is left alone";
            EXPECT_EQ(QDir().entryList({"TEST.TPS*"}), QStringList({"TEST.TPS"}));
            continue;
        }
        EXPECT_FALSE(repair.findings.isEmpty());
        EXPECT_TRUE(repair.replaced);
        EXPECT_EQ(repair.damagedCopy, "TEST.TPS.damaged");
        EXPECT_EQ(ReadFileBytes(repair.damagedCopy), before) << "the damaged file is kept as it was";
        EXPECT_EQ(QFile::permissions("TEST.TPS").toInt() & 0x7077, 0x6004) << "the repaired file keeps its mode";
        EXPECT_FALSE(QFile::exists("TEST.TPS.fix"));
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back(), 100);
        switch (c.kept) {
        case Kept::All:
            EXPECT_EQ(repair.recordsKept, kItems);
            EXPECT_EQ(repair.unreadablePlaces, 0);
            break;
        case Kept::OffTheLeaf:
            EXPECT_EQ(repair.recordsKept, offTheLeaf);
            EXPECT_GE(repair.unreadablePlaces, 1);
            break;
        case Kept::AtLeastOffTheLeaf:
            EXPECT_GE(repair.recordsKept, offTheLeaf);
            EXPECT_LT(repair.recordsKept, kItems);
            EXPECT_GE(repair.unreadablePlaces, 1);
            break;
        case Kept::Exactly:
        case Kept::MoreThan:
            if (c.kept == Kept::Exactly)
                EXPECT_EQ(repair.recordsKept, c.records);
            else
                EXPECT_GT(repair.recordsKept, c.records);
            if (c.lossTold) {
                EXPECT_TRUE(repair.recordsLostIn["Items"] > 0 || repair.unreadableIn["Items"] > 0);
            }
            break;
        case Kept::None:
            break;
        }
        QStringList left;
        ASSERT_TRUE(CheckDataFile("TEST.TPS", &left).Ok());
        EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
        EXPECT_EQ(Records(), repair.recordsKept);

        // The numbering goes on past the highest number kept, and the keys work.
        const int64_t highest =
            SQLite::Database("TEST.TPS", SQLite::OPEN_READONLY).execAndGet("SELECT MAX(ID) FROM Items").getInt64();
        Table<ItemRecord> items(ItemDefinition());
        ASSERT_TRUE(items.Open());
        ItemRecord added = Item("after the repair", "new");
        ASSERT_TRUE(items.Add(added));
        EXPECT_EQ(added.ID, highest + 1);
        ItemRecord found;
        found.Code = QStringLiteral("new");
        EXPECT_TRUE(items.Get(ITM_KEYCODE, found));
        items.Close();
    }
}

TEST_F(DataFileRepairTest, ACatalogRowThatDoesNotFitItsDeclarationIsDamageAndIsMadeAgain)
{
    const QByteArray sound = ReadFileBytes("TEST.TPS");
    const qsizetype fieldsAt = sound.indexOf(R"([{"name":")"); // the row's field list
    ASSERT_GT(fieldsAt, 0);
    const auto change = [](std::string sql) {
        return [sql] { SQLite::Database("TEST.TPS", SQLite::OPEN_READWRITE).exec("UPDATE vl_catalog SET " + sql); };
    };
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"catalog page zeroed", [] { ASSERT_TRUE(DamagePage("TEST.TPS", "vl_catalog", true, 0, '\0')); }},
        {"noise in the row's field list", [&] { Overwrite("TEST.TPS", fieldsAt + 5, Noise(40)); }},
        {"a field the table does not have", change("fields = replace(fields, 'NOTE', 'NOSE')")},
        {"another layout under the declared version", change("fields = replace(fields, '\"size\":20', '\"size\":28')")},
        {"a version that is text", change("version = 'one'")},
        {"a row naming a table the file does not hold", change("table_name = 'Itemz'")},
    };
    const std::vector<DeclaredTable> declared = {{QStringLiteral("Items"), ItemDefinition()}};
    for (const auto& [name, damage] : cases) {
        SCOPED_TRACE(name);
        for (const QString& file : QDir().entryList({"TEST.TPS*"}))
            QFile::remove(file);
        Overwrite("TEST.TPS", 0, sound);
        damage();
        Table<ItemRecord> items(ItemDefinition());
        EXPECT_FALSE(items.Open());
        EXPECT_EQ(items.ErrorCode(), kInvalidDataFile) << "damage, never a newer version";
        DataFileRepair repair;
        ASSERT_TRUE(RepairDataFile("TEST.TPS", repair, {}, declared).Ok());
        EXPECT_TRUE(repair.replaced);
        EXPECT_EQ(repair.recordsKept, kItems);
        EXPECT_EQ(Records(), kItems);
        SQLite::Database db("TEST.TPS", SQLite::OPEN_READONLY);
        EXPECT_EQ(db.execAndGet("SELECT group_concat(table_name || version) FROM vl_catalog").getString(), "Items1")
            << "the catalog is made from the declarations alone";
    }
}

TEST_F(DataFileRepairTest, AHeldFileAFullDiskOrACancelLeavesTheOriginalAsItWas)
{
    ASSERT_TRUE(DamagePage("TEST.TPS", KeyName(), false));
    const QByteArray before = ReadFileBytes("TEST.TPS");
    {
        SetLockWait(50);
        Table<ItemRecord> other(ItemDefinition()); // another user of the file
        ASSERT_TRUE(other.Open());
        DataFileRepair repair;
        EXPECT_EQ(RepairDataFile("TEST.TPS", repair).code, kIsLocked);
        EXPECT_FALSE(repair.replaced);
        other.Close();
        SetLockWait(5000);
    }
    {
        // The disk is full once the new file grows past half the old one.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = std::max<rlim_t>(before.size() / 2, 40000);
        ASSERT_LT(small.rlim_cur, static_cast<rlim_t>(before.size()));
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        DataFileRepair repair;
        const DataError error = RepairDataFile("TEST.TPS", repair);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_FALSE(error.Ok());
        EXPECT_FALSE(repair.replaced);
        EXPECT_TRUE(repair.damagedCopy.isEmpty());
    }
    {
        DataFileRepair repair;
        const DataError error = RepairDataFile("TEST.TPS", repair, {}, {}, [] { return true; });
        EXPECT_FALSE(error.Ok());
        EXPECT_TRUE(repair.cancelled);
        EXPECT_FALSE(repair.replaced);
    }
    EXPECT_EQ(ReadFileBytes("TEST.TPS"), before);
    EXPECT_EQ(QDir().entryList({"TEST.TPS*"}), QStringList({"TEST.TPS"})) << "nothing is left beside it";
}

TEST_F(DataFileRepairTest, BeforeTheOpenADamagedLogIsKeptAndTheUserToldButATornTailIsNormal)
{
    const int64_t frame = 24 + LayoutOf("TEST.TPS", KeyName()).pageSize;
    struct Case {
        const char* file; // each a file of its own: a log is checked at the first open of its file
        std::function<void(const QString& log)> damage;
        bool keptAside;
        int64_t records; // what the open reads
    };
    const Case cases[] = {
        {"HEADER", [](const QString& log) { Overwrite(log, 0, QByteArray(kLogHeader, '\0')); }, true, kItems},
        {"FRAME", [](const QString& log) { Overwrite(log, kLogHeader + kFrameChecksum, QByteArray(8, '\0')); }, true,
         kItems},
        // A killed program's last commit, cut in its last frame.
        {"TORN", [&](const QString& log) { ASSERT_TRUE(QFile::resize(log, QFile(log).size() - frame / 2)); }, false,
         kItems - (kLogCommits - 1) * kDeletedPerCommit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = QString::fromLatin1(c.file) + ".TPS";
        const QString log = path + "-wal";
        ASSERT_TRUE(QFile::copy("TEST.TPS", path));
        EndWithCommitsInLog(path);
        c.damage(log);
        const QByteArray damaged = ReadFileBytes(log);

        test::ScriptedPrompt prompt;
        Table<ItemRecord> items(ItemDefinition(QString::fromLatin1(c.file) + "\\!Items"));
        ASSERT_TRUE(items.Open()) << items.Error().toStdString();
        QCoreApplication::processEvents(); // the notice is posted to the application's thread
        EXPECT_EQ(items.Records(), c.records);
        items.Close();
        if (!c.keptAside) {
            EXPECT_FALSE(QFile::exists(log + ".damaged"));
            EXPECT_TRUE(prompt.Questions().empty());
            continue;
        }
        EXPECT_EQ(ReadFileBytes(log + ".damaged"), damaged);
        ASSERT_EQ(prompt.Questions().size(), 1u);
        EXPECT_EQ(prompt.Questions()[0].text, "The last changes to the data file " +
                                                  QDir::toNativeSeparators(QDir::current().absoluteFilePath(path)) +
                                                  " could not be read: the log that held them is damaged.|The log "
                                                  "was kept as " +
                                                  QDir::toNativeSeparators(QDir::current().absoluteFilePath(log)) +
                                                  ".damaged.||The repair of VLMR (Repair Files) takes those changes "
                                                  "back.");
    }
}

// A log set aside at an open, whose file was written to after: the repair
// takes back every record of its whole commits that the file lost, keeps
// what was written since, and then lets the set-aside log go.
TEST_F(DataFileRepairTest, TheRepairTakesBackTheRecordsOfALogSetAsideAndKeepsWhatWasWrittenSince)
{
    {
        Table<ItemRecord> items(ItemDefinition());
        ASSERT_TRUE(items.Open());
        for (int commit = 0; commit < 4; ++commit) {
            ASSERT_TRUE(items.Stream());
            for (int i = 0; i < 20; ++i) {
                ItemRecord item = Item(QStringLiteral("logged %1 %2").arg(commit).arg(i));
                ASSERT_TRUE(items.Add(item));
            }
            ASSERT_TRUE(items.Flush());
        }
        ASSERT_TRUE(QFile::copy("TEST.TPS", "ended") && QFile::copy("TEST.TPS-wal", "ended-wal"));
    }
    ASSERT_TRUE(QFile::remove("TEST.TPS") && QFile::rename("ended", "TEST.TPS"));
    QFile::remove("TEST.TPS-wal");
    ASSERT_TRUE(QFile::rename("ended-wal", "TEST.TPS-wal"));
    Overwrite("TEST.TPS-wal", kLogHeader + kFrameChecksum, QByteArray(8, '\0')); // the first commit breaks

    test::ScriptedPrompt prompt;
    {
        Table<ItemRecord> items(ItemDefinition());
        ASSERT_TRUE(items.Open());
        QCoreApplication::processEvents(); // the notice
        ASSERT_EQ(items.Records(), kItems) << "the open reads none of the log's commits";
        std::vector<ItemRecord> all = Walk(items, ITM_KEYNAME);
        all.front().Note = QStringLiteral("changed since");
        ASSERT_TRUE(items.Put(all.front()));
    }
    ASSERT_TRUE(QFile::exists("TEST.TPS-wal.damaged"));

    DataFileRepair repair;
    ASSERT_TRUE(RepairDataFile("TEST.TPS", repair, {}, {{QStringLiteral("Items"), ItemDefinition()}}).Ok());
    EXPECT_TRUE(repair.replaced);
    EXPECT_GE(repair.recordsTakenBack, 60);
    Table<ItemRecord> items(ItemDefinition());
    ASSERT_TRUE(items.Open());
    const QStringList names = Names(Walk(items, ITM_KEYNAME));
    for (int commit = 1; commit < 4; ++commit) {
        for (int i = 0; i < 20; ++i)
            EXPECT_TRUE(names.contains(QStringLiteral("logged %1 %2").arg(commit).arg(i))) << commit << " " << i;
    }
    EXPECT_LE(names.size(), kItems + 80);
    const std::vector<ItemRecord> byName = Walk(items, ITM_KEYNAME);
    EXPECT_EQ(byName.front().Note, "changed since") << "the newer version stays";
    EXPECT_FALSE(QFile::exists("TEST.TPS-wal.damaged")) << "taken back, so never again";
    EXPECT_TRUE(QFile::exists("TEST.TPS-wal.damaged.taken")) << "kept as history";
    items.Close();
    DataFileRepair again;
    ASSERT_TRUE(RepairDataFile("TEST.TPS", again).Ok());
    EXPECT_TRUE(again.findings.isEmpty()) << again.findings.join('\n').toStdString();
}

} // namespace
} // namespace vl::test
