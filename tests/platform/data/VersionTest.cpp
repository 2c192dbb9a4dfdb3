#include "DataFileFaults.h"
#include "TestTables.h"

#include "platform/data/DataFileRepair.h"
#include "platform/data/NoCaseCollation.h"

#include <QDir>

#include <QFile>

#include <SQLiteCpp/Database.h>

namespace vl::test {
namespace {

// A template table as an older program stored it, and as it is now.
struct TemplateV1 : RecordBase {
    int32_t WIZ_ID = 0;
    QString DESCRIPTION;
    QString Filename;
    int32_t Dropped = 0;
};

struct TemplateV2 : RecordBase {
    int32_t WIZ_ID = 0;
    QString DESCRIPTION;
    QString DOSFilename;
    uint8_t Added = 0;
};

inline constexpr KeyRef VLT_K_WIZ_ID{"VLT:K_WIZ_ID"};
inline constexpr KeyRef VLT_K_DESCRIPTION{"VLT:K_DESCRIPTION"};

std::shared_ptr<const TableDef> TemplatesV1()
{
    return TableDeclaration<TemplateV1>("ScriptTemplates", "VLT")
        .Version(1)
        .FileName("VLTpl\\!ScriptTemplates")
        .Long("VLT:WIZ_ID", &TemplateV1::WIZ_ID)
        .String("VLT:DESCRIPTION", &TemplateV1::DESCRIPTION, 40)
        .String("VLT:Filename", &TemplateV1::Filename, 20)
        .Long("VLT:Dropped", &TemplateV1::Dropped)
        .Key(VLT_K_WIZ_ID, "Script Wizard ID", {"VLT:WIZ_ID"}, kUnique | kPrimary | kAutoNumber)
        .Build();
}

std::shared_ptr<const TableDef> TemplatesV2(int version = 2)
{
    return TableDeclaration<TemplateV2>("ScriptTemplates", "VLT")
        .Version(version)
        .FileName("VLTpl\\!ScriptTemplates")
        .Long("VLT:WIZ_ID", &TemplateV2::WIZ_ID)
        .String("VLT:DESCRIPTION", &TemplateV2::DESCRIPTION, 10) // narrower than before
        .String("VLT:DOSFilename", &TemplateV2::DOSFilename, 20)
        .Byte("VLT:Added", &TemplateV2::Added)
        .Key(VLT_K_WIZ_ID, "Script Wizard ID", {"VLT:WIZ_ID"}, kUnique | kPrimary | kAutoNumber)
        .Key(VLT_K_DESCRIPTION, "Description", {"VLT:DESCRIPTION"}, kUnique)
        .AlternateFieldName("VLT:DOSFilename", "VLT:Filename")
        .Build();
}

class Versions : public ::testing::Test {
protected:
    void SetUp() override
    {
        Table<TemplateV1> old(TemplatesV1());
        OpenCreated(old);
        for (const char* description : {"first template", "second", "third"}) {
            TemplateV1 record;
            record.DESCRIPTION = QString::fromLatin1(description);
            record.Filename = QStringLiteral("%1.txt").arg(description).left(6);
            record.Dropped = 99;
            ASSERT_TRUE(old.Add(record));
            pointers.push_back(record.RecordPointer);
        }
        TemplateV1 last;
        ASSERT_TRUE(old.Get(pointers.back(), last));
        ASSERT_TRUE(old.Delete(last)); // its pointer must not come back
    }
    std::vector<int64_t> pointers;
};

TEST_F(Versions, OlderTableIsConvertedKeepingItsRecords)
{
    Table<TemplateV2> templates(TemplatesV2());
    ASSERT_TRUE(templates.Open()) << templates.LastError().Describe().toStdString();
    const std::vector<TemplateV2> records = Walk(templates, VLT_K_WIZ_ID);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].RecordPointer, pointers[0]);
    EXPECT_EQ(records[0].WIZ_ID, 1);
    EXPECT_EQ(records[0].DESCRIPTION, "first temp"); // cut to the new width
    EXPECT_EQ(records[0].DOSFilename, "first");
    EXPECT_EQ(records[1].DOSFilename, "second");      // taken over from the former name
    EXPECT_EQ(records[1].Added, 0);
    TemplateV2 fresh;
    fresh.DESCRIPTION = "new";
    ASSERT_TRUE(templates.Add(fresh));
    EXPECT_GT(fresh.RecordPointer, pointers.back());
    EXPECT_EQ(fresh.WIZ_ID, 3);
    fresh.DESCRIPTION = "SECOND";
    EXPECT_FALSE(templates.Put(fresh)); // the new key is in force
    EXPECT_EQ(templates.ErrorCode(), kDuplicateKey);
    templates.Close();
    ASSERT_TRUE(templates.Open()); // converted once: opens as it is
    EXPECT_EQ(templates.Records(), 3);
}

TEST_F(Versions, NewerOrDifferentStoredLayoutIsRefusedUntouched)
{
    {
        Table<TemplateV2> templates(TemplatesV2(3));
        ASSERT_TRUE(templates.Open());
    }
    QFile file("VLTpl.TPS");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    Table<TemplateV2> older(TemplatesV2(2));
    EXPECT_FALSE(older.Open());
    EXPECT_EQ(older.ErrorCode(), kInvalidRecordDeclaration);
    EXPECT_EQ(older.Error(), "Invalid Record Declaration");
    EXPECT_EQ(older.ErrorFile(), "VLTpl\\!ScriptTemplates");
    EXPECT_FALSE(older.IsOpen());

    Table<TemplateV1> sameVersionOtherLayout(
        TableDeclaration<TemplateV1>("ScriptTemplates", "VLT")
            .Version(3)
            .FileName("VLTpl\\!ScriptTemplates")
            .Long("VLT:WIZ_ID", &TemplateV1::WIZ_ID)
            .Build());
    // The catalog gives the declared version another layout: damage, which a
    // repair mends, not a version to upgrade to.
    EXPECT_FALSE(sameVersionOtherLayout.Open());
    EXPECT_EQ(sameVersionOtherLayout.ErrorCode(), kInvalidDataFile);

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(Versions, ARepairKeepsAnOlderTableOnlyWithARowThatChecksAndOtherwiseLeavesTheFile)
{
    const std::vector<DeclaredTable> declared = {{QStringLiteral("ScriptTemplates"), TemplatesV2()}};
    QFile file("VLTpl.TPS");
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray older = file.readAll();
    // An older table whose row no longer reads cannot be described from
    // the declaration: the repair fails and changes nothing.
    SQLite::Database("VLTpl.TPS", SQLite::OPEN_READWRITE).exec("UPDATE vl_catalog SET fields = 'V!T:WIZ_ID'");
    const QByteArray garbled = (file.seek(0), file.readAll());
    DataFileRepair repair;
    EXPECT_FALSE(RepairDataFile("VLTpl.TPS", repair, {}, declared).Ok());
    EXPECT_EQ((file.seek(0), file.readAll()), garbled);
    EXPECT_EQ(QDir().entryList({"VLTpl.TPS*"}), QStringList({"VLTpl.TPS"}));

    // A page of its key zeroed instead: the row checks and is kept, and the
    // repaired file opens, converted by the open as before.
    ASSERT_TRUE(file.seek(0) && file.write(older) == older.size());
    file.close();
    ASSERT_TRUE(DamagePage("VLTpl.TPS", "ScriptTemplates|VLT:K_WIZ_ID", true, 0, '\0'));
    ASSERT_TRUE(RepairDataFile("VLTpl.TPS", repair, {}, declared).Ok());
    EXPECT_TRUE(repair.replaced);
    Table<TemplateV2> templates(TemplatesV2());
    ASSERT_TRUE(templates.Open()) << templates.LastError().Describe().toStdString();
    EXPECT_EQ(templates.Records(), 2);
}

TEST_F(Versions, ConversionThatBreaksANewUniqueKeyChangesNothing)
{
    {
        Table<TemplateV1> old(TemplatesV1());
        ASSERT_TRUE(old.Open());
        TemplateV1 clash;
        clash.DESCRIPTION = "SECOND";
        ASSERT_TRUE(old.Add(clash));
    }
    Table<TemplateV2> templates(TemplatesV2());
    EXPECT_FALSE(templates.Open());
    EXPECT_EQ(templates.ErrorCode(), kDuplicateKey);
    EXPECT_EQ(templates.LastError().key, "VLT:K_DESCRIPTION");
    Table<TemplateV1> old(TemplatesV1());
    ASSERT_TRUE(old.Open());
    EXPECT_EQ(old.Records(), 3);
}

TEST_F(Versions, KeysBuiltUnderOtherCaseRulesOrMissingNeedRebuilding)
{
    Table<TemplateV1> templates(TemplatesV1());
    ASSERT_TRUE(templates.Open());
    templates.Close();
    {
        SQLite::Database db("VLTpl.TPS", SQLite::OPEN_READWRITE);
        db.exec("UPDATE vl_catalog SET collation = 'unicode-0'");
    }
    // Only keys with case-insensitive text order depend on the case rules.
    Table<TemplateV1> numeric(TemplatesV1());
    EXPECT_TRUE(numeric.Open());
    numeric.Close();
    {
        SQLite::Database db("VLTpl.TPS", SQLite::OPEN_READWRITE);
        db.exec("DROP INDEX \"ScriptTemplates|VLT:K_WIZ_ID\"");
    }
    EXPECT_FALSE(templates.Open());
    EXPECT_EQ(templates.ErrorCode(), kKeysNeedRebuilding);
    ASSERT_TRUE(templates.RebuildKeys()) << templates.LastError().Describe().toStdString();
    ASSERT_TRUE(templates.Open());
    TemplateV1 record;
    record.WIZ_ID = 2;
    EXPECT_TRUE(templates.Get(VLT_K_WIZ_ID, record));
    EXPECT_EQ(record.DESCRIPTION, "second");
}

TEST(KeyRebuild, IsNeededWhenTheCaseRulesChanged)
{
    Table<CategoryRecord> categories(CategoryDefinition());
    OpenCreated(categories);
    categories.Close();
    {
        SQLite::Database db("TEST.TPS", SQLite::OPEN_READWRITE);
        db.exec("UPDATE vl_catalog SET collation = 'unicode-0'");
    }
    EXPECT_FALSE(categories.Open());
    EXPECT_EQ(categories.ErrorCode(), kKeysNeedRebuilding);
    EXPECT_TRUE(categories.RebuildKeys());
    EXPECT_TRUE(categories.Open());
}

} // namespace
} // namespace vl::test
