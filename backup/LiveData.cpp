#include "backup/LiveData.h"

#include "core/startup/DataDirectory.h"
#include "platform/data/DataFileInUse.h"

#include <QDir>
#include <QFileInfo>

namespace vl {

namespace {

// Matched without regard to case, as the data files are.
const QStringList kCompanions = {QStringLiteral("VLTpl.TPS"),    QStringLiteral("MsgLink.TPS"),
                                 QStringLiteral("vlmr.INI"),     QStringLiteral("POSITION.INI"),
                                 QStringLiteral("VLMREVNT.LOG"), QStringLiteral("VLMR*.LCK")};

bool SameFolder(const QString& a, const QString& b)
{
    const QString folder = QFileInfo(a).canonicalFilePath();
    return !folder.isEmpty() && folder == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool HoldsProgramsData(const QString& dir)
{
    return HoldsMainDataFile(dir) && !QDir(dir).entryList(kCompanions, QDir::Files | QDir::Hidden).isEmpty();
}

QString LiveDataAt(const QString& target)
{
    const QString folder = QFileInfo(target).absolutePath();
    const QString installation = InstallationDirectory();
    if (HoldsProgramsData(folder) || SameFolder(folder, FoundDataDirectory(QDir::currentPath(), installation))
        || SameFolder(folder, FoundDataDirectory(installation, installation)))
        return QStringLiteral("%1 holds the programs' data: a damaged data file is not put there. Extract it into "
                              "another folder to repair it there.")
            .arg(QDir::toNativeSeparators(folder));
    if (DataFileInUse(target))
        return QStringLiteral("A program has %1 open: a damaged data file does not replace it. Extract it into "
                              "another folder.")
            .arg(QDir::toNativeSeparators(target));
    return {};
}

} // namespace vl
