#include "platform/runtime/IniFile.h"

#include "platform/runtime/FileModes.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

#include <unistd.h>

namespace vl {

// The file as a list of lines. Each line keeps its raw bytes and its own line
// end, so that a write reproduces every line it does not change exactly, and
// what the reader made of it.
struct IniDocument {
    enum class Kind { Blank, Other, Comment, Section, Entry };
    struct Line {
        QByteArray raw;
        QByteArray end; // "\n", "\r\n", or nothing for a last line without one
        Kind kind = Kind::Other;
        QString name;  // section or entry name
        QString value; // entry value
    };

    QList<Line> lines;
    QByteArray lineEnd = "\n"; // the end of new lines: the first line's
    bool byteOrderMark = false;

    static IniDocument Parse(QByteArray data);
    static Line MakeLine(const QByteArray& raw, const QByteArray& end);
    QByteArray Serialise() const;

    // Puts a new line before index `at`; a last line without a line end gets one.
    void InsertLine(qsizetype at, const QByteArray& raw);
    // Gives the line new bytes; it keeps its line end.
    void ReplaceLine(qsizetype at, const QByteArray& raw);

    // Index of the first header of the section at or after `from`, or -1.
    qsizetype FindSection(const QString& name, qsizetype from = 0) const;
    // Index of the line after the section's last line (the next header or the end).
    qsizetype SectionEnd(qsizetype header) const;
    // Index of the first line of the entry inside the section, or -1.
    qsizetype FindEntry(qsizetype header, const QString& name) const;
};

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The text of a line. Only the file's first bytes can be its byte order
// mark; a U+FEFF at the start of a line is a character of the line (a name
// may begin with one), so it is decoded, not dropped.
QString DecodeLine(const QByteArray& raw)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(raw);
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Only spaces and tabs count as blanks around names and values; any other
// character (a no-break space, say) belongs to the value.
QString TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool SameName(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

bool HasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

bool IsValidSectionName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char(']')) && !HasLineBreak(name);
}

bool IsValidEntryName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('=')) && !HasLineBreak(name)
        && !name.startsWith(QLatin1Char('[')) && !name.startsWith(QLatin1Char(';'));
}

enum class ReadStatus { Read, Missing, Failed };

ReadStatus ReadWholeFile(const QString& path, QByteArray& data)
{
    data.clear();
    QFile file(path);
    if (!file.exists())
        return ReadStatus::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadStatus::Failed;
    data = file.readAll();
    return file.error() == QFileDevice::NoError ? ReadStatus::Read : ReadStatus::Failed;
}

} // namespace

IniDocument IniDocument::Parse(QByteArray data)
{
    IniDocument doc;
    if (data.startsWith(kByteOrderMark)) {
        doc.byteOrderMark = true;
        data.remove(0, kByteOrderMark.size());
    }
    // A line ends at LF, and a CR just before the LF belongs to the line end;
    // any other CR (one ending the file's last line without an LF included)
    // is text of the line.
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype lf = data.indexOf('\n', start);
        if (lf < 0) {
            doc.lines.append(MakeLine(data.mid(start), {}));
            break;
        }
        const bool crlf = lf > start && data.at(lf - 1) == '\r';
        doc.lines.append(MakeLine(data.mid(start, lf - start - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"));
        start = lf + 1;
    }
    if (!doc.lines.isEmpty() && !doc.lines.first().end.isEmpty())
        doc.lineEnd = doc.lines.first().end;
    return doc;
}

IniDocument::Line IniDocument::MakeLine(const QByteArray& raw, const QByteArray& end)
{
    Line line;
    line.raw = raw;
    line.end = end;
    const QString text = DecodeLine(raw);
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty()) {
        line.kind = Kind::Blank;
        return line;
    }
    if (trimmed.startsWith(QLatin1Char(';'))) {
        line.kind = Kind::Comment;
        return line;
    }
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = TrimBlanks(QStringView(trimmed).mid(1, close - 1));
            return line;
        }
    }
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        line.name = TrimBlanks(QStringView(text).left(equals));
        if (!line.name.isEmpty()) {
            line.kind = Kind::Entry;
            line.value = TrimBlanks(QStringView(text).mid(equals + 1));
        }
    }
    return line;
}

QByteArray IniDocument::Serialise() const
{
    QByteArray out;
    if (byteOrderMark)
        out += kByteOrderMark;
    for (const Line& line : lines) {
        out += line.raw;
        out += line.end;
    }
    return out;
}

void IniDocument::InsertLine(qsizetype at, const QByteArray& raw)
{
    if (at > 0 && lines[at - 1].end.isEmpty())
        lines[at - 1].end = lineEnd;
    lines.insert(at, MakeLine(raw, lineEnd));
}

void IniDocument::ReplaceLine(qsizetype at, const QByteArray& raw)
{
    lines[at] = MakeLine(raw, lines[at].end);
}

qsizetype IniDocument::FindSection(const QString& name, qsizetype from) const
{
    for (qsizetype i = from; i < lines.size(); ++i) {
        if (lines[i].kind == Kind::Section && SameName(lines[i].name, name))
            return i;
    }
    return -1;
}

qsizetype IniDocument::SectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < lines.size() && lines[i].kind != Kind::Section)
        ++i;
    return i;
}

qsizetype IniDocument::FindEntry(qsizetype header, const QString& name) const
{
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (lines[i].kind == Kind::Entry && SameName(lines[i].name, name))
            return i;
    }
    return -1;
}

IniFile::IniFile(const QString& path)
    : path_(QFileInfo(path).absoluteFilePath())
{
}

QString IniFile::Get(const QString& section, const QString& entry, const QString& defaultValue) const
{
    QByteArray data;
    if (ReadWholeFile(path_, data) != ReadStatus::Read)
        return defaultValue;
    const IniDocument doc = IniDocument::Parse(data);
    const qsizetype header = doc.FindSection(TrimBlanks(section));
    if (header < 0)
        return defaultValue;
    const qsizetype line = doc.FindEntry(header, TrimBlanks(entry));
    return line < 0 ? defaultValue : doc.lines[line].value;
}

QList<IniEntry> IniFile::Entries(const QString& section) const
{
    QList<IniEntry> entries;
    QByteArray data;
    if (ReadWholeFile(path_, data) != ReadStatus::Read)
        return entries;
    const IniDocument doc = IniDocument::Parse(data);
    const qsizetype header = doc.FindSection(TrimBlanks(section));
    if (header < 0)
        return entries;
    const qsizetype end = doc.SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const IniDocument::Line& line = doc.lines[i];
        if (line.kind != IniDocument::Kind::Entry)
            continue;
        const bool seen = std::any_of(entries.cbegin(), entries.cend(),
                                      [&](const IniEntry& e) { return SameName(e.name, line.name); });
        if (!seen)
            entries.append({line.name, line.value});
    }
    return entries;
}

namespace {

bool IsValidWrite(const IniWrite& write)
{
    return IsValidSectionName(TrimBlanks(write.section)) && IsValidEntryName(TrimBlanks(write.entry))
        && !HasLineBreak(write.value);
}

// Sets one entry in the parsed file, adding the section or the entry when missing.
void ApplyWrite(IniDocument& doc, const IniWrite& write)
{
    const QString sectionName = TrimBlanks(write.section);
    const QString entryName = TrimBlanks(write.entry);
    const QByteArray newValue = TrimBlanks(write.value).toUtf8();
    const qsizetype header = doc.FindSection(sectionName);
    if (header < 0) {
        if (!doc.lines.isEmpty() && doc.lines.last().kind != IniDocument::Kind::Blank)
            doc.InsertLine(doc.lines.size(), {});
        doc.InsertLine(doc.lines.size(), '[' + sectionName.toUtf8() + ']');
        doc.InsertLine(doc.lines.size(), entryName.toUtf8() + '=' + newValue);
        return;
    }
    const qsizetype existing = doc.FindEntry(header, entryName);
    if (existing >= 0) {
        // Keep the line's own spelling of the name and its spacing around "=".
        const QByteArray& raw = doc.lines[existing].raw;
        qsizetype valueStart = raw.indexOf('=') + 1;
        while (valueStart < raw.size() && (raw[valueStart] == ' ' || raw[valueStart] == '\t'))
            ++valueStart;
        doc.ReplaceLine(existing, raw.left(valueStart) + newValue);
        return;
    }
    // A new entry follows the section's last non-blank line, so the blank
    // lines that separate it from the next section stay after it.
    qsizetype insertAt = doc.SectionEnd(header);
    while (insertAt > header + 1 && doc.lines[insertAt - 1].kind == IniDocument::Kind::Blank)
        --insertAt;
    doc.InsertLine(insertAt, entryName.toUtf8() + '=' + newValue);
}

} // namespace

bool IniFile::Put(const QString& section, const QString& entry, const QString& value)
{
    return PutMany({IniWrite{section, entry, value}});
}

bool IniFile::PutMany(const QList<IniWrite>& writes)
{
    for (const IniWrite& write : writes)
        if (!IsValidWrite(write))
            return false;
    return Rewrite([&](IniDocument& doc) {
        for (const IniWrite& write : writes)
            ApplyWrite(doc, write);
    });
}

bool IniFile::RemoveEntry(const QString& section, const QString& entry)
{
    if (!QFileInfo::exists(path_))
        return true;
    const QString sectionName = TrimBlanks(section);
    const QString entryName = TrimBlanks(entry);
    return Rewrite([&](IniDocument& doc) {
        const qsizetype header = doc.FindSection(sectionName);
        if (header < 0)
            return;
        for (qsizetype i = doc.SectionEnd(header) - 1; i > header; --i) {
            if (doc.lines[i].kind == IniDocument::Kind::Entry && SameName(doc.lines[i].name, entryName))
                doc.lines.removeAt(i);
        }
    });
}

bool IniFile::RemoveSection(const QString& section)
{
    if (!QFileInfo::exists(path_))
        return true;
    const QString sectionName = TrimBlanks(section);
    return Rewrite([&](IniDocument& doc) {
        for (qsizetype header = doc.FindSection(sectionName); header >= 0;
             header = doc.FindSection(sectionName, header))
            doc.lines.remove(header, doc.SectionEnd(header) - header);
    });
}

bool IniFile::Rewrite(const std::function<void(IniDocument&)>& change)
{
    // A change that leaves the file as it is needs neither the lock nor a
    // write: setting a value the file holds already costs one read.
    {
        QByteArray current;
        if (ReadWholeFile(path_, current) == ReadStatus::Read) {
            IniDocument doc = IniDocument::Parse(current);
            change(doc);
            if (doc.Serialise() == current)
                return true;
        }
    }
    // The lock serialises read-change-write among processes (and threads).
    // It lives in a sidecar because the INI file itself is replaced by rename,
    // which a lock held on the old file would not survive.
    QLockFile lock(LockPath());
    if (!lock.tryLock(static_cast<int>(lockTimeout_.count())))
        return false;
    // Its content (the holder's process and host) is no secret: a mode left
    // as made does not stop the write.
    GiveNewFileMode(LockPath());

    QByteArray old;
    const ReadStatus status = ReadWholeFile(path_, old);
    if (status == ReadStatus::Failed)
        return false; // never replace a file we could not read
    IniDocument doc = IniDocument::Parse(old);
    change(doc);
    const QByteArray updated = doc.Serialise();
    if (status == ReadStatus::Read && updated == old)
        return true;

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A file written anew takes its directory's access; one rewritten keeps
    // its own mode (the save file copies it).
    if (status != ReadStatus::Read && !GiveNewFileMode(file.handle(), QFileInfo(path_).absolutePath())) {
        file.cancelWriting();
        return false;
    }
    if (file.write(updated) != updated.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace vl
