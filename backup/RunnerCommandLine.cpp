#include "backup/RunnerCommandLine.h"

namespace vl {

namespace {

constexpr int kMostPlainArguments = 3;

} // namespace

RunnerCommandLine ParseRunnerCommandLine(const QStringList& arguments)
{
    RunnerCommandLine line;
    for (qsizetype at = 0; at < arguments.size() && line.error.isEmpty(); ++at) {
        const QString& argument = arguments.at(at);
        const bool backup = argument == QLatin1String("--backup");
        if (backup || argument == QLatin1String("--restore")) {
            if (line.unattended != RunnerOperation::Unknown)
                line.error = QStringLiteral("Only one of --backup and --restore may be given.");
            else if (at + 1 >= arguments.size() || arguments.at(at + 1).trimmed().isEmpty())
                line.error = argument + QStringLiteral(" needs the name of the archive.");
            else {
                line.unattended = backup ? RunnerOperation::Backup : RunnerOperation::Restore;
                line.archive = arguments.at(++at);
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("Unknown option %1.").arg(argument);
        } else if (line.passOn.size() == kMostPlainArguments) {
            line.error = QStringLiteral("Too many arguments: %1.").arg(argument);
        } else {
            line.passOn << argument;
        }
    }
    return line;
}

QString RunnerUsage()
{
    return QStringLiteral("Usage: Halvex [data file [arguments for the backup manager]]\n"
                          "       Halvex [data file] --backup <archive>\n"
                          "       Halvex [data file] --restore <archive>\n"
                          "Works on the data files (*.TPS) of the current directory.");
}

} // namespace vl
