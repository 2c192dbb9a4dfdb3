#pragma once
// The zip and unzip work the backup programs need, on libzip: list an
// archive, test and extract its members, add files to it, delete members.
//
// - Every result is a ZipResult: 0, or the zip libraries' negative code with
//   a detail (ZipError.h).
// - An archive is only ever replaced whole, and a new one appears only
//   whole: the changed archive is written in a work folder beside it
//   (WorkFolder.h) and renamed over the old one when it is complete, so a
//   failure (a full disk, an abort, a killed program) leaves the old archive
//   as it was, and nothing under the name of a new one.
// - An empty file is no archive: reading one fails as a file of no zip
//   format does.
// - Extracting writes each file to a temporary file and renames it into place
//   when its data and checksum proved sound, so no half-written file is left.
//   Members whose names lead out of the target folder ("../x", "/etc/x",
//   "C:\x"), link members, members that expand beyond any real file's
//   ratio, and members that do not fit the free room are refused before
//   anything is written.
// - Progress and abort go through ZipProgress; the work may run on a thread
//   of its own (it touches nothing but the files it names).

#include "platform/zip/ZipError.h"
#include "platform/zip/ZipProgress.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace vl {

// One member as the archive lists it.
struct ZipEntry {
    int index = 0; // 1-based, in archive order
    QString name;
    uint16_t dosDate = 0; // MS-DOS form: day bits 0-4, month 5-8, year - 1980 9-15
    uint16_t dosTime = 0; // MS-DOS form: seconds / 2 bits 0-4, minutes 5-10, hours 11-15
    uint32_t size = 0;
    uint32_t compressedSize = 0;
    int ratio = 0;  // percent saved by compression
    int method = 0; // the ZIP method number (0 stored, 8 deflated)
    uint32_t crc = 0;
    uint32_t attributes = 0; // the external attributes (MS-DOS ones in the low byte)
    uint16_t optionFlags = 0; // the deflate option: 0 normal, 2 maximum, 4 fast, 6 super fast
    QString comment;
    int disk = 0;
    bool encrypted = false;
};

struct ZipListing {
    QString comment;
    QList<ZipEntry> entries;
};

ZipResult ListArchive(const QString& archive, ZipListing& listing);

// Which members of an archive a test or an extract works on, and how.
struct UnzipJob {
    QString archive;
    QStringList patterns; // ParseFilePatterns; empty: every member
    QString password;     // for encrypted members
    QString targetDir;    // extract only
    bool overwrite = false;      // replace files that exist in the target folder
    bool useFolderNames = false; // keep the members' folders below the target folder
    bool exactNames = false; // the patterns are members' whole names, "*" and "?" included
};

// Reads every chosen member through and checks its checksum.
ZipResult TestArchive(const UnzipJob& job, ZipProgress& progress);
// The checks ExtractArchive makes before it writes anything, on their own:
// for work that extracts elsewhere first and puts the files in the target
// folder later.
ZipResult CheckExtract(const UnzipJob& job);
// Writes the chosen members below the target folder; written receives the
// paths written (absolute). Refuses the whole job when a chosen member's name
// is unsafe; stops at the first member that fails.
ZipResult ExtractArchive(const UnzipJob& job, ZipProgress& progress, QStringList* written = nullptr);

enum class ZipAction { AddReplace, Update, Freshen };

struct ZipAddFile {
    QString source; // the file on disk
    QString name;   // its name in the archive
};

struct ZipAddJob {
    QString archive; // created when missing
    QList<ZipAddFile> files;
    ZipAction action = ZipAction::AddReplace;
    int level = 0;        // 0 store, 1 to 9 deflate
    QString password;     // encrypts the added members (AES-256) when not blank
    QString fileComment;  // given to each added member when not blank
    bool setArchiveComment = false;
    QString archiveComment;
};

// Adds the files: AddReplace adds them all, replacing members of the same
// name; Update adds new ones and replaces older members; Freshen only
// replaces older members. Nothing to add and no comment to set gives
// "Nothing to do" and leaves the archive as it was.
ZipResult AddToArchive(const ZipAddJob& job, ZipProgress& progress);

// Deletes the members the patterns match (with exactNames, the members of
// those whole names); an archive left without members is removed.
ZipResult DeleteFromArchive(const QString& archive, const QStringList& patterns, ZipProgress& progress,
                            bool exactNames = false);

// The release of the zip library in use ("1.7.3").
QString ZipLibraryRelease();

} // namespace vl
