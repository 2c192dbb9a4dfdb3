#pragma once
// "Export to ASCII" and "Export to HTML" of an Xplore list: every row of
// the list in its order and filters, its columns shown in display order,
// written to the list's export file in the current directory (replacing the
// earlier one only once complete) and then opened with the desktop's program
// for the file. A failure to read the list, to write the file or to open it
// is reported.

namespace vl {

class Xplore;

inline constexpr char kExportCaption[] = "Xplore";

void ExportAscii(Xplore& list);
void ExportHtml(Xplore& list);

} // namespace vl
