#include "xplore/output/ListExportCommands.h"

#include "platform/browse/BrowseModel.h"
#include "platform/process/ShellOpen.h"
#include "platform/ui/PromptService.h"
#include "xplore/ListExport.h"
#include "xplore/output/ListRows.h"
#include "xplore/windows/Xplore.h"

#include <QDir>
#include <QObject>

namespace vl {
namespace {

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
        Prompt::Message(QObject::tr("Shell launching error: %1|%2|%3|No program could be started to open %4.")
                            .arg(opened.code)
                            .arg(opened.text, opened.detail, QDir::toNativeSeparators(path)),
                        caption, PromptIcon::Exclamation);
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
