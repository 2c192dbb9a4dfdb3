#include "xplore/output/ListExportCommands.h"

#include "platform/browse/BrowseModel.h"
#include "platform/process/ShellOpen.h"
#include "platform/ui/PromptService.h"
#include "xplore/ListExport.h"
#include "xplore/output/ListRows.h"
#include "xplore/windows/Xplore.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace vl {
namespace {

// Which file could not be opened and why; the file itself was written.
QString OpenFailureText(const QString& path, const RunResult& opened)
{
    // The file was just written, so a missing file is the opener's.
    const QString why = opened.code == RunCode::FileNotFound && QFileInfo::exists(path)
                            ? QObject::tr("no program to open documents was found (%1)").arg(opened.detail)
                            : QStringLiteral("%1 (%2)").arg(opened.text, opened.detail);
    return QObject::tr("The exported file %1 could not be opened: %2.|The file has been written; "
                       "open it with a program of your choice.")
        .arg(QDir::toNativeSeparators(path), why);
}

void Export(Xplore& list, const QString& fileName, ListExportFormat format)
{
    const QString path = QDir::current().absoluteFilePath(fileName.trimmed());
    ListExportContent content;
    content.caption = ListCaption(list);
    content.headers = ColumnTitles(list);
    const int expected = list.Model()->rowCount();
    ListExportResult result;
    {
        ProgressWindow progress(list.List()->window());
        result = ExportList(path, format, content, expected, AllRows(list),
                            [&progress](int percent) { progress.Show(percent); });
    }
    const QString caption = QLatin1String(kExportCaption);
    if (!result.ok) {
        Prompt::Message(QObject::tr("The list could not be exported.|%1").arg(result.error), caption,
                        PromptIcon::Exclamation);
        return;
    }
    const RunResult opened = ShellOpen(path);
    if (!opened.Started())
        Prompt::Message(OpenFailureText(path, opened), caption, PromptIcon::Exclamation);
}

} // namespace

void ExportAscii(Xplore& list)
{
    Export(list, list.Settings().asciiFile, ListExportFormat::Delimited);
}

void ExportHtml(Xplore& list)
{
    Export(list, list.Settings().htmlFile, ListExportFormat::Html);
}

} // namespace vl
