#pragma once
// Opening the table a list window shows.

namespace vl {

class TableFile;

// Opens the table a list shows for the life of its window (OpenTable). A
// table that does not open is marked to open on its first use instead, so
// the list's read tries again and says why it fails. Either way one Close
// takes it back.
void OpenListTable(TableFile& file);

} // namespace vl
