// The tables of the main data file beside tasks and script items, and the
// hand-over table MsgLink in its own file.

#include <algorithm>

#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/ClipboardRecord.h"
#include "core/dictionary/ConfigurationRecord.h"
#include "core/dictionary/ContactRecord.h"
#include "core/dictionary/HolidaysRecord.h"
#include "core/dictionary/MessagesRecord.h"
#include "core/dictionary/MsgLinkRecord.h"
#include "core/dictionary/SysHotKeysRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/dictionary/TodoRecord.h"
#include "platform/data/Table.h"
#include "platform/data/TableDeclaration.h"
#include "platform/runtime/Clock.h"

namespace vl {
namespace {

constexpr int kReadWriteDenyNone = AccessMode::kReadWrite | AccessMode::kDenyNone;

QString MainDataFile(const char* table)
{
    return QStringLiteral("VLDB\\!") + QLatin1String(table);
}

template <class R>
void DeclareTodo(TableDeclaration<R>& d, const QString& p)
{
    auto n = [&p](const char* field) { return p + QLatin1Char(':') + QLatin1String(field); };
    d.Byte(n("Done"), &R::Done)
        .Byte(n("Priority"), &R::Priority)
        .String(n("Category"), &R::Category, 20)
        .String(n("ToDo"), &R::ToDo, 80)
        .Long(n("CompletionDate"), &R::CompletionDate)
        .Long(n("CompletionTime"), &R::CompletionTime)
        .String(n("NETWORKUSER"), &R::NETWORKUSER, 30)
        .Long(n("LASTCHANGEDATE"), &R::LASTCHANGEDATE)
        .Long(n("LASTCHANGETIME"), &R::LASTCHANGETIME)
        .Long(n("ORIGINALID"), &R::ORIGINALID)
        .Memo(n("Notes"), &R::Notes, 4096)
        .Memo(n("Resolution"), &R::Resolution, 1000)
        .RangeCheck(n("Priority"), 1, 10);
}

// The lowest stored HOT:ID less one, and at most -1: a link that names no
// task (task IDs are numbered from 1) and no other hot key.
int32_t UnlinkedHotKeyID()
{
    Table<SysHotKeysRecord> hotKeys(SysHotKeysDefinition());
    if (!hotKeys.Open())
        return -1;
    SysHotKeysRecord lowest;
    int32_t id = -1;
    if (hotKeys.Set(HOT_K_ID) && hotKeys.Next(lowest))
        id = std::min<int32_t>(lowest.ID, 0) - 1;
    hotKeys.Close();
    return id;
}

} // namespace

std::shared_ptr<const TableDef> TodoDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<TodoRecord> d(QStringLiteral("Todo"), QStringLiteral("TDO"));
        d.Description(QStringLiteral("To Do List")).Version(4).FileName(MainDataFile("ToDo"));
        DeclareTodo(d, QStringLiteral("TDO"));
        d.Key(TDO_KEYDONE, "Done", {"TDO:Done", "TDO:Priority", "TDO:ToDo"}, kCaseSensitive)
            .Key(TDO_KEYPRIORITY, "Priority", {"TDO:Priority", "TDO:Done", "TDO:ToDo"}, kCaseSensitive)
            .Key(TDO_KEYTODO, "To Do", {"TDO:ToDo"}, kCaseSensitive)
            .Key(TDO_KEYCATEGORY, "Category", {"TDO:Category", "TDO:Priority", "TDO:ToDo"});
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> SyncTodoDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<TodoRecord> d(QStringLiteral("SyncTodo"), QStringLiteral("STdo"));
        d.Description(QStringLiteral("To Do List Synchronization File")).Version(1)
            .FileName(QLatin1String(kSyncTodoStartName));
        DeclareTodo(d, QStringLiteral("STDO"));
        d.Key(STDO_KEYDONE, "Done", {"STDO:Done", "STDO:Priority", "STDO:ToDo"}, kCaseSensitive)
            .Key(STDO_KEYPRIORITY, "Priority", {"STDO:Priority", "STDO:Done", "STDO:ToDo"}, kCaseSensitive)
            .Key(STDO_KEYTODO, "To Do", {"STDO:ToDo"}, kCaseSensitive)
            .Key(STDO_KEYCATEGORY, "Category", {"STDO:Category", "STDO:Priority", "STDO:ToDo"});
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> CategoriesDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<CategoriesRecord>(QStringLiteral("Categories"), QStringLiteral("CAT"))
            .Description(QStringLiteral("Categories")).Version(4).FileName(MainDataFile("Categories"))
            .AccessMode(kReadWriteDenyNone)
            .String(QStringLiteral("CAT:Category"), &CategoriesRecord::Category, 20)
            .Key(CAT_KEYCATEGORY, "Category", {"CAT:Category"}, kUnique | kPrimary)
            .Build();
    return def;
}

std::shared_ptr<const TableDef> ClipboardCategoriesDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<ClipboardCategoriesRecord>(QStringLiteral("ClipboardCategories"), QStringLiteral("CLC"))
            .Description(QStringLiteral("Clipboard Categories")).Version(3)
            .FileName(MainDataFile("ClipboardCategories"))
            .String(QStringLiteral("CLC:CATEGORY"), &ClipboardCategoriesRecord::CATEGORY, 20)
            .Key(CLC_KEYCATEGORY, "Category", {"CLC:CATEGORY"}, kUnique | kPrimary)
            .Build();
    return def;
}

std::shared_ptr<const TableDef> ContactCategoriesDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<ContactCategoriesRecord>(QStringLiteral("ContactCategories"), QStringLiteral("CC"))
            .Description(QStringLiteral("Contact Categories")).Version(3).FileName(QStringLiteral("VLDB\\!ConCat"))
            .String(QStringLiteral("CC:CONTACTCATEGORY"), &ContactCategoriesRecord::CONTACTCATEGORY, 20)
            .Key(CC_KEYCONTACTCATEGORIES, "Contact Categories", {"CC:CONTACTCATEGORY"}, kUnique)
            .Build();
    return def;
}

std::shared_ptr<const TableDef> ContactDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<ContactRecord>(QStringLiteral("Contact"), QStringLiteral("C_"))
            .Description(QStringLiteral("Contacts")).Version(2).FileName(QStringLiteral("VLDB.TPS\\!Contact"))
            .String(QStringLiteral("C_:USER"), &ContactRecord::USER, 40)
            .Long(QStringLiteral("C_:ClientID"), &ContactRecord::ClientID)
            .String(QStringLiteral("C_:LastName"), &ContactRecord::LastName, 30)
            .String(QStringLiteral("C_:FirstName"), &ContactRecord::FirstName, 20)
            .String(QStringLiteral("C_:AddressLine1"), &ContactRecord::AddressLine1, 30)
            .String(QStringLiteral("C_:AddressLine2"), &ContactRecord::AddressLine2, 30)
            .String(QStringLiteral("C_:AddressLine3"), &ContactRecord::AddressLine3, 30)
            .String(QStringLiteral("C_:PostalCode"), &ContactRecord::PostalCode, 10)
            .String(QStringLiteral("C_:WorkDayPhone"), &ContactRecord::WorkDayPhone, 20)
            .String(QStringLiteral("C_:HomeEveningPhone"), &ContactRecord::HomeEveningPhone, 20)
            .String(QStringLiteral("C_:Fax"), &ContactRecord::Fax, 20)
            .String(QStringLiteral("C_:OtherPhone"), &ContactRecord::OtherPhone, 20)
            .String(QStringLiteral("C_:Email"), &ContactRecord::Email, 40)
            .String(QStringLiteral("C_:WebSite"), &ContactRecord::WebSite, 60)
            .String(QStringLiteral("C_:ContactCategory"), &ContactRecord::ContactCategory, 20)
            .Memo(QStringLiteral("C_:Notes"), &ContactRecord::Notes, 1024)
            .Key(C_KEYCLIENTID, "C_:KeyClientID", {"C_:ClientID"}, kUnique | kPrimary | kAutoNumber)
            .Key(C_KEYUSERCLIENTID, "By ID within User", {"C_:USER", "C_:ClientID"})
            .Key(C_KEYLASTNAME, "Last Name", {"C_:LastName", "C_:FirstName", "C_:PostalCode"})
            .Key(C_KEYFIRSTNAME, "First Name", {"C_:FirstName", "C_:LastName", "C_:PostalCode"})
            .Key(C_KEYWORKPHONE, "Work/Day Phone", {"C_:WorkDayPhone"})
            .Key(C_KEYHOMEPHONE, "Home/Evening Phone", {"C_:HomeEveningPhone"})
            .Key(C_KEYFAXNUMBER, "Fax", {"C_:Fax"})
            .Key(C_KEYEMAIL, "Email", {"C_:Email"})
            .Key(C_KEYCATEGORY, "Category", {"C_:ContactCategory", "C_:LastName", "C_:FirstName"})
            .Build();
    return def;
}

std::shared_ptr<const TableDef> ClipboardDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<ClipboardRecord>(QStringLiteral("Clipboard"), QStringLiteral("CLI"))
            .Description(QStringLiteral("Clipboard Saver")).Version(8).FileName(MainDataFile("Clipboard"))
            .String(QStringLiteral("CLI:Abbreviation"), &ClipboardRecord::Abbreviation, 20)
            .String(QStringLiteral("CLI:Category"), &ClipboardRecord::Category, 20)
            .Long(QStringLiteral("CLI:ClipDate"), &ClipboardRecord::ClipDate)
            .Long(QStringLiteral("CLI:ClipTime"), &ClipboardRecord::ClipTime)
            .String(QStringLiteral("CLI:ClipHashKey"), &ClipboardRecord::ClipHashKey, 120)
            .Byte(QStringLiteral("CLI:ClipKeep"), &ClipboardRecord::ClipKeep)
            .Memo(QStringLiteral("CLI:ClipContents"), &ClipboardRecord::ClipContents, 8192)
            .Key(CLI_KEYCLIPDATE, "All by Date", {Descending("CLI:ClipDate"), Descending("CLI:ClipTime")})
            .Key(CLI_KEYCLIPKEEP, "Saved Clipboard Records", {"CLI:ClipKeep", "CLI:ClipDate", "CLI:ClipTime"})
            .Key(CLI_KEYCATEGORY, "Category", {"CLI:Category", "CLI:Abbreviation", "CLI:ClipHashKey"})
            .Key(CLI_KEYABBREVIATION, "Abbreviations", {"CLI:Abbreviation", "CLI:Category"})
            .Key(CLI_KEYCLIPHASH, "All by Contents", {"CLI:ClipHashKey"}, kUnique | kPrimary)
            .Build();
    return def;
}

std::shared_ptr<const TableDef> HolidaysDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<HolidaysRecord>(QStringLiteral("Holidays"), QStringLiteral("HOL"))
            .Description(QStringLiteral("Holidays")).Version(4).FileName(MainDataFile("Hol"))
            .Long(QStringLiteral("HOL:HolidayDate"), &HolidaysRecord::HolidayDate)
            .String(QStringLiteral("HOL:Holiday"), &HolidaysRecord::Holiday, 30)
            .String(QStringLiteral("HOL:HOLIDAYTYPE"), &HolidaysRecord::HOLIDAYTYPE, 20)
            .Key(HOL_KEYHOLIDAYDATE, "HOL:KeyHolidayDate", {"HOL:HolidayDate"}, kUnique)
            .InsertDefaults([](HolidaysRecord& r) {
                r.HolidayDate = Today();
                r.HOLIDAYTYPE = QStringLiteral("Annual");
            })
            .Build();
    return def;
}

std::shared_ptr<const TableDef> MessagesDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<MessagesRecord>(QStringLiteral("Messages"), QStringLiteral("M_"))
            .Description(QStringLiteral("Messages")).Version(3).FileName(MainDataFile("Messages"))
            .AccessMode(kReadWriteDenyNone)
            .Long(QStringLiteral("M_:EmailID"), &MessagesRecord::EmailID)
            .String(QStringLiteral("M_:MAILTYPE"), &MessagesRecord::MAILTYPE, 12)
            .Long(QStringLiteral("M_:CONTACTID"), &MessagesRecord::CONTACTID)
            .String(QStringLiteral("M_:EmailTo"), &MessagesRecord::EmailTo, 255)
            .String(QStringLiteral("M_:EMAILTONAME"), &MessagesRecord::EMAILTONAME, 255)
            .String(QStringLiteral("M_:EMAILTOGROUP"), &MessagesRecord::EMAILTOGROUP, 20)
            .String(QStringLiteral("M_:CC"), &MessagesRecord::CC, 255)
            .String(QStringLiteral("M_:BCC"), &MessagesRecord::BCC, 255)
            .String(QStringLiteral("M_:Subject"), &MessagesRecord::Subject, 255)
            .String(QStringLiteral("M_:ATTACHMENT"), &MessagesRecord::ATTACHMENT, 255)
            .Long(QStringLiteral("M_:LastDateSent"), &MessagesRecord::LastDateSent)
            .String(QStringLiteral("M_:MAIL:SERVER"), &MessagesRecord::MAIL_SERVER, 128)
            .String(QStringLiteral("M_:MAIL:USER"), &MessagesRecord::MAIL_USER, 128)
            .String(QStringLiteral("M_:NEWS:SERVER"), &MessagesRecord::NEWS_SERVER, 128)
            .String(QStringLiteral("M_:NEWS:USER"), &MessagesRecord::NEWS_USER, 128)
            .String(QStringLiteral("M_:NEWS:PASSWORD"), &MessagesRecord::NEWS_PASSWORD, 128)
            .Memo(QStringLiteral("M_:Message"), &MessagesRecord::Message, 10000)
            .Key(M_KEYEMAILID, "Email ID", {"M_:EmailID"}, kUnique | kPrimary | kAutoNumber)
            .Key(M_KEYCONTACT, "Contact", {"M_:CONTACTID", "M_:EmailID"})
            .Key(M_KEYSUBJECT, "Subject", {"M_:Subject"})
            .Key(M_KEYLASTDATESENT, "Last Date Sent", {"M_:LastDateSent"})
            .InsertDefaults([](MessagesRecord& r) { r.MAILTYPE = QStringLiteral("Email"); })
            .Build();
    return def;
}

std::shared_ptr<const TableDef> ConfigurationDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<ConfigurationRecord>(QStringLiteral("Configuration"), QStringLiteral("CF"))
            .Description(QStringLiteral("Configuration")).Version(2).FileName(MainDataFile("CF"))
            .String(QStringLiteral("CF:DATATYPE"), &ConfigurationRecord::DATATYPE, 40)
            .String(QStringLiteral("CF:DATAVALUE"), &ConfigurationRecord::DATAVALUE, 255)
            .Key(CF_KEYDATATYPE, "Data Type", {"CF:DATATYPE"}, kUnique | kPrimary)
            .Build();
    return def;
}

std::shared_ptr<const TableDef> MsgLinkDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<MsgLinkRecord>(QStringLiteral("MsgLink"), QStringLiteral("ML"))
            .Description(QStringLiteral("Message Link Database")).Version(1)
            .FileName(QLatin1String(kMsgLinkFileName))
            .Long(QStringLiteral("ML:ID"), &MsgLinkRecord::ID)
            .String(QStringLiteral("ML:TITLE"), &MsgLinkRecord::TITLE, 60)
            .String(QStringLiteral("ML:MESSAGE"), &MsgLinkRecord::MESSAGE, 4096)
            .String(QStringLiteral("ML:ALARMFILE"), &MsgLinkRecord::ALARMFILE, 255)
            .Key(ML_K_ID, "Unique Sys ID", {"ML:ID"}, kUnique | kPrimary | kAutoNumber)
            .Build();
    return def;
}

std::shared_ptr<const TableDef> SysHotKeysDefinition()
{
    static const std::shared_ptr<const TableDef> def =
        TableDeclaration<SysHotKeysRecord>(QStringLiteral("SysHotKeys"), QStringLiteral("HOT"))
            .Description(QStringLiteral("Hot Keys")).Version(2).FileName(MainDataFile("Hotkeys"))
            .Long(QStringLiteral("HOT:ID"), &SysHotKeysRecord::ID)
            .String(QStringLiteral("HOT:HotKey"), &SysHotKeysRecord::HotKey, 20)
            .Byte(QStringLiteral("HOT:ACTIVE"), &SysHotKeysRecord::ACTIVE)
            .String(QStringLiteral("HOT:Description"), &SysHotKeysRecord::Description, 40)
            .String(QStringLiteral("HOT:QuickText"), &SysHotKeysRecord::QuickText, 40)
            .String(QStringLiteral("HOT:Action"), &SysHotKeysRecord::Action, 4)
            .String(QStringLiteral("HOT:TEXTTYPE"), &SysHotKeysRecord::TEXTTYPE, 30)
            .Memo(QStringLiteral("HOT:Text"), &SysHotKeysRecord::Text, 10000)
            .Key(HOT_K_HOTKEY, "Hot Keys", {"HOT:HotKey"}, kUnique | kPrimary)
            .Key(HOT_K_ID, "Link to Schedule", {"HOT:ID"}, kUnique)
            .Key(HOT_K_ACTIVE, "Active Hot Keys", {"HOT:ACTIVE", "HOT:HotKey"})
            .Key(HOT_K_DESCRIPTION, "Description", {"HOT:Description"})
            // A new hot key is linked to no task until the script wizard
            // gives it one: its ID must not name an existing task, which
            // deleting the hot key would delete too, and must differ from
            // every other hot key's (the link key is unique).
            .InsertDefaults([](SysHotKeysRecord& r) {
                r.ID = UnlinkedHotKeyID();
                r.HotKey = QStringLiteral("CtrlShift");
                r.ACTIVE = 1;
                r.Action = QStringLiteral("Text");
                r.TEXTTYPE = QStringLiteral("Type");
            })
            .Build();
    return def;
}

} // namespace vl
