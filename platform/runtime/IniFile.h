#pragma once
// Settings files of sections and "name=value" entries, read and written the
// way the classic private-profile calls do it.
//
// - The path is made absolute when the object is constructed: a relative name
//   such as "POSITION.INI" names that file in the current directory at
//   construction (the program constructs its INI objects after it has made the
//   data directory current), and a later change of directory does not move it.
// - Section and entry names compare case-insensitively. The first section of a
//   name counts, and within it the first entry of a name.
// - Values are raw text: no quoting, no escaping, no splitting on commas; "=",
//   ";", commas and quotes inside a value stay as they are. Blanks at either
//   end are not part of a value: Get returns the value trimmed and Put stores
//   it trimmed, so a hand-edited "Width = 300" reads as "300".
// - Lines starting with ";" are comments. Every line a write does not change
//   (comments, blank lines, unknown lines, order, the spelling of names) is
//   kept byte for byte, with its own line end: LF, CRLF, or none at the end
//   of the file. A CR just before an LF is part of the line end; any other CR
//   is text. New lines take the first line's line end.
// - A write reads, changes and replaces the whole file under a lock on the
//   sidecar "<file>.lock", so two processes never lose each other's entries,
//   and replaces it atomically (temporary file, fsync, rename), so a crash or
//   a full disk leaves the old file intact. A write that cannot take the lock
//   in time, cannot read the old file or cannot write the new one returns
//   false and leaves the file as it was.
// - Text is UTF-8; bytes of other lines that are not valid UTF-8 survive a
//   write untouched. A byte order mark opening the file is kept and is no
//   part of the first line; a U+FEFF anywhere else is an ordinary character.

#include <QList>
#include <QString>

#include <chrono>
#include <functional>

namespace vl {

struct IniDocument; // the parsed lines of one file (IniFile.cpp)

struct IniEntry {
    QString name;
    QString value;
};

// One entry to set, for writing many entries in one rewrite of the file.
struct IniWrite {
    QString section;
    QString entry;
    QString value;
};

class IniFile {
public:
    explicit IniFile(const QString& path);

    // The absolute path of the file.
    const QString& Path() const { return path_; }

    // The value of the entry, or defaultValue when the file, the section or the
    // entry does not exist. An entry present with an empty value gives "".
    QString Get(const QString& section, const QString& entry, const QString& defaultValue = {}) const;

    // The entries of a section in file order (names as the file spells them);
    // empty when the file or the section does not exist.
    QList<IniEntry> Entries(const QString& section) const;

    // Sets the entry, adding the section or the entry when missing. False for
    // names or values the file cannot hold (an empty name, a line break, "="
    // in an entry name, "]" in a section name, an entry name starting with
    // "[" or ";"), and when the file cannot be locked, read or written.
    bool Put(const QString& section, const QString& entry, const QString& value);

    // Sets all the entries in one locked rewrite of the file, in order; nothing
    // is written when any of them is one Put would refuse.
    bool PutMany(const QList<IniWrite>& writes);

    // Removes every line of the entry from the section. True when the entry is
    // gone afterwards (also when it never existed).
    bool RemoveEntry(const QString& section, const QString& entry);

    // Removes every section of that name: its header and all lines up to the
    // next section header. True when it is gone afterwards.
    bool RemoveSection(const QString& section);

    // How long a write waits for another writer to finish (default 5 seconds).
    void SetLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }

    // The sidecar file the writers lock.
    QString LockPath() const { return path_ + QStringLiteral(".lock"); }

private:
    // Reads, changes and replaces the file under the writers' lock.
    bool Rewrite(const std::function<void(IniDocument&)>& change);

    QString path_;
    std::chrono::milliseconds lockTimeout_{5000};
};

} // namespace vl
