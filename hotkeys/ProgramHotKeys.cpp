#include "hotkeys/ProgramHotKeys.h"

#include "core/dictionary/Dictionary.h"
#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyCodes.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

#include <QMetaObject>

namespace vl {
namespace {

constexpr int kStoredKeyWidth = 20;

// The hot keys of the table that are switched on, in record order; failure
// tells why they could not all be read.
QList<SysHotKeysRecord> ActiveHotKeys(QString& failure)
{
    QList<SysHotKeysRecord> active;
    Table<SysHotKeysRecord>& table = Tables().SysHotKeys;
    if (!OpenTable(table))
        return active;
    Cursor<SysHotKeysRecord> cursor(table, FileOrder);
    SysHotKeysRecord record;
    while (cursor.Next(record)) {
        if (record.ACTIVE)
            active << record;
    }
    if (table.LastError().WalkFailed())
        failure = table.LastError().Describe();
    table.Close();
    return active;
}

bool ReadHotKey(const QString& key, SysHotKeysRecord& record)
{
    Table<SysHotKeysRecord>& table = Tables().SysHotKeys;
    if (!OpenTable(table))
        return false;
    record.HotKey = key.left(kStoredKeyWidth);
    const bool found = table.Get(HOT_K_HOTKEY, record);
    table.Close();
    return found;
}

} // namespace

ProgramHotKeys::ProgramHotKeys(HotKeyBackend& backend, HotKeyOutput& output, std::function<void()> restoreFrame)
    : keys_(backend), output_(output), restoreFrame_(std::move(restoreFrame))
{
    keys_.SetBadKeyHandler([this](const QString& text) { badTexts_ << Clip(text); });
    // A press may be reported while keys are being grabbed; it is handled
    // once the event loop runs again.
    keys_.SetPressedHandler([this] {
        QMetaObject::invokeMethod(&context_, [this] { HandlePressed(); }, Qt::QueuedConnection);
    });
}

void ProgramHotKeys::Start()
{
    RegisterHotKeys();
    keys_.Resume();
    ReportProblems();
}

void ProgramHotKeys::Reregister()
{
    keys_.Suspend();
    keys_.ClearKeys();
    RegisterHotKeys();
    keys_.Resume();
    ReportProblems();
}

void ProgramHotKeys::RegisterHotKeys()
{
    badTexts_.clear();
    keys_.SetKey(QLatin1String(kRestoreFrameKey));
    QString failure;
    for (const SysHotKeysRecord& record : ActiveHotKeys(failure))
        keys_.SetKey(record.HotKey);
    if (!failure.isEmpty())
        Prompt::Notify(QStringLiteral("The hot keys could not all be read: %1.").arg(failure),
                       QStringLiteral("Hot Keys"), PromptIcon::Exclamation);
}

void ProgramHotKeys::ReportProblems()
{
    QStringList lines;
    QSet<QString> problems;
    for (const HotKeyEntry& entry : keys_.FailedKeys()) {
        problems << entry.key;
        if (!reported_.contains(entry.key))
            lines << entry.key
                         + (entry.code % 256 == 0 ? QStringLiteral(" (not a key)")
                                                  : QStringLiteral(" (in use by another program, or not on this keyboard)"));
    }
    for (const QString& text : std::as_const(badTexts_)) {
        problems << text;
        if (!reported_.contains(text))
            lines << text + QStringLiteral(" (not a key)");
    }
    reported_ = problems;
    if (!lines.isEmpty())
        Prompt::Notify(QStringLiteral("These hot keys do not work:|") + lines.join(QLatin1Char('|')),
                       QStringLiteral("Hot Keys"), PromptIcon::Exclamation);
}

void ProgramHotKeys::HandlePressed()
{
    const std::optional<HotKeyEntry> entry = keys_.TakePressed();
    if (!entry)
        return;
    const QString name = entry->code > 0 ? entry->key : QStringLiteral("Unknown: ") + entry->key;
    if (entry->code != 0 && entry->code == ParseHotKey(QLatin1String(kRestoreFrameKey))) {
        restoreFrame_();
        return;
    }
    SysHotKeysRecord record;
    if (!ReadHotKey(name, record)) {
        Prompt::Message(QStringLiteral("Error retrieving hot key."), name, PromptIcon::Exclamation);
        Reregister();
        return;
    }
    RunHotKeyAction(record, output_);
}

} // namespace vl
