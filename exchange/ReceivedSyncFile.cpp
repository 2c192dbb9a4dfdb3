#include "exchange/ReceivedSyncFile.h"

#include "platform/data/Maintenance.h"
#include "platform/data/TableFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vl {

namespace {

QString NotSyncFile(const QString& name, const QString& reason, const QString& detail = QString())
{
    return QStringLiteral("%1 is not a synchronisation file this program can read: %2%3.")
        .arg(name, reason, detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail));
}

// Why a table of the copy could not be opened, naming the file received.
QString RefusalOf(const DataError& error, const QString& name)
{
    switch (error.code) {
    case kFileNotFound:
        return NotSyncFile(name, QStringLiteral("it does not hold the synchronisation tables"));
    case kInvalidRecordDeclaration:
        return NotSyncFile(name, QStringLiteral("it was written by a newer version of the program or by another "
                                                "program"));
    case kKeysNeedRebuilding:
        return NotSyncFile(name, QStringLiteral("it was written by an older version of the program, and its keys "
                                                "cannot be rebuilt"));
    case kInvalidDataFile:
        return NotSyncFile(name, QStringLiteral("it is damaged"), PlainDamageText(error.driverMessage));
    default:
        break;
    }
    return QStringLiteral("%1 cannot be read: %2").arg(name, error.Describe());
}

} // namespace

bool ReceivedSyncFile::Copy(const QString& name, QString& error)
{
    const QFileInfo info(name);
    if (!info.isFile()) {
        error = NotSyncFile(name, info.isDir() ? QStringLiteral("it is a folder")
                                               : QStringLiteral("it is no plain file"));
        return false;
    }
    if (info.size() == 0) {
        error = NotSyncFile(name, QStringLiteral("it is empty"));
        return false;
    }
    if (!LooksLikeDataFile(name)) {
        error = NotSyncFile(name, QStringLiteral("it is not a data file"));
        return false;
    }
    if (!folder_.isValid()) {
        error = QStringLiteral("%1 cannot be read: no folder for its copy (%2)").arg(name, folder_.errorString());
        return false;
    }
    copy_ = folder_.filePath(QStringLiteral("received.syn"));
    for (const QLatin1String suffix : {QLatin1String(""), QLatin1String("-wal")}) {
        QFile source(name + suffix);
        if (!suffix.isEmpty() && !source.exists())
            continue;
        if (!source.copy(copy_ + suffix)) {
            error = QStringLiteral("%1 cannot be read: %2").arg(source.fileName(), source.errorString());
            return false;
        }
        // The copy is worked on, whatever the access of the file received.
        QFile::setPermissions(copy_ + suffix, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return true;
}

bool OpenReceivedTables(const std::vector<TableFile*>& tables, const QString& name, QString& error)
{
    std::vector<DataError> failures;
    for (TableFile* table : tables) {
        if (table->Open(TableFile::kDeclaredMode, false))
            continue;
        DataError failure = table->LastError();
        if (failure.code == kKeysNeedRebuilding) {
            if (table->RebuildKeys() && table->Open(TableFile::kDeclaredMode, false))
                continue;
            failure.driverMessage = table->LastError().Describe(); // why they could not be rebuilt
        }
        failures.push_back(failure);
    }
    if (failures.empty())
        return true;
    for (TableFile* table : tables)
        table->Close();
    // A file that lacks one of the tables is none, whatever the others are:
    // the main data file holds tables of other layouts under two of their
    // names.
    const auto missing = std::find_if(failures.begin(), failures.end(),
                                      [](const DataError& failure) { return failure.code == kFileNotFound; });
    error = RefusalOf(missing != failures.end() ? *missing : failures.front(), name);
    return false;
}

} // namespace vl
