#include "platform/zip/ZipError.h"

#include <QLocale>

#include <initializer_list>

namespace vl {

namespace {

struct CodeText {
    std::initializer_list<int> codes;
    const char* text;
};

const CodeText kTexts[] = {
    {{-30}, "Operation aborted"},
    {{-151}, "Invalid ZIP archive name"},
    {{-152}, "Invalid file name or pattern"},
    {{-153, -154, -155, -156, -165, -174, -176, -181, -4}, "Out of memory"},
    {{-157}, "Cannot support multiple volumes on this device"},
    {{-158, -172, -177, -188, -11, -60}, "Internal error"},
    {{-159, -1}, "Filename not matched"},
    {{-162}, "Cannot repeat names in ZIP archive"},
    {{-163}, "List processing error"},
    {{-164, -166, -171, -173}, "ZIP archive is empty"},
    {{-167, -168}, "Nothing to do"},
    {{-169}, "Creat file error"},
    {{-170}, "Memory error"},
    {{-175, -186}, "Temporary file error"},
    {{-178, -182}, "Zipping error"},
    {{-179, -180}, "Copying error"},
    {{-183}, "Write central directory error"},
    {{-184}, "Write end of central directory error"},
    {{-185, -187}, "Disk spanning error"},
    {{-189}, "Replave archive error"},
    {{-2}, "ZIP format error"},
    {{-3}, "Error in ZIP archive"},
    {{-9}, "Open file error"},
    {{-15}, "CRC-32 error"},
    {{-50}, "Disk full error"},
    {{-51}, "ZIP archive structure error"},
    {{-52}, "Member name leads outside the target folder"},
    {{-61}, "Bad or missing decryption key"},
};

} // namespace

QString ZipErrorText(int code)
{
    if (code == 0)
        return QString();
    for (const CodeText& entry : kTexts) {
        for (int listed : entry.codes) {
            if (listed == code)
                return QString::fromLatin1(entry.text);
        }
    }
    return QStringLiteral("Unknown error #%1").arg(code);
}

} // namespace vl

namespace vl {

QString NoRoomText(qint64 needed, qint64 free, const QString& folder)
{
    const QLocale c = QLocale::c();
    return QStringLiteral("Not enough room in %1: %2 needed, %3 free.")
        .arg(folder, c.formattedDataSize(needed), c.formattedDataSize(free));
}

} // namespace vl
