#pragma once
// Keeps a list up to date with its table: whenever the table's data file has
// changed since the list last read it (a write of this program, from any of
// its windows or its timer work, or a commit of another program), the list
// is read again, keeping the highlighted record. The watch looks on the
// program's once-a-second beat (SecondBeat.h), which every open list shares,
// and whenever its window comes forward; callers that know of a change look
// at once (Check). A look that finds nothing changed reads only the file's
// commit stamp, which takes no lock where the file has a shared log index.

#include "platform/data/Connection.h"

#include <QObject>

#include <cstdint>
#include <utility>

class QWidget;

namespace vl {

class BrowseList;
class TableFile;

class TableChangeWatch : public QObject {
    Q_OBJECT
public:
    // Watches for the window (the parent) that shows the file in the list.
    TableChangeWatch(TableFile& file, BrowseList& list, QWidget& window);

    // Reads the list again when the file changed since it was last read;
    // true when it did.
    bool Check();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The file's commit stamp and this program's change mark of it; both
    // zero while the file is not open or cannot tell.
    using FileMark = std::pair<DataConnection::CommitStamp, uint64_t>;
    FileMark Mark();

    TableFile& file_;
    BrowseList& list_;
    FileMark read_; // the mark when the list was last read
};

} // namespace vl
