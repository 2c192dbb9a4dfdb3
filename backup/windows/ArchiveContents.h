#pragma once
// The contents window of the backup manager: the listing of the open archive
// ("Seq", "Filename", "Date", "Time", "Size", "Ratio", "Packed", "Method",
// "CRC-32", "Attrb", "Comment"), marked by the list's selection (Shift and
// Ctrl extend it as usual), "&All" and "&Clear All" under "&Select", and the
// list's popup with the archive commands and the sorts. Accepting an entry
// asks the frame for its Extract command.

#include "backup/ZipObject.h"

#include <QWidget>

#include <functional>

class QTreeWidget;

namespace vl {

enum class ArchiveCommand { Add, Delete, Extract, Test, Statistics };

class ArchiveContents : public QWidget {
public:
    using CommandSink = std::function<void(ArchiveCommand)>;
    ArchiveContents(ZipObject& zip, CommandSink commands, QWidget* parent = nullptr);

    // Shows the listing as the zip object holds it, marks included.
    void ShowListing();
    QTreeWidget& List() { return *list_; }

private:
    void TakeMarks();
    void Popup(const QPoint& at);
    void SortBy(ZipSortOrder order);

    ZipObject& zip_;
    CommandSink commands_;
    QTreeWidget* list_ = nullptr;
    bool showing_ = false;
};

} // namespace vl
