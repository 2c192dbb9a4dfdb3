#pragma once
// The query of the clipboard saver's list (ListQuery.h): the catalogue of
// the entry's fields (abbreviation, category, date, time, hash key, text and
// keep mark) over the Clipboard table; its saved queries are kept under
// "CLIPBOARD".

#include "platform/data/TableFile.h"
#include "platform/query/ListQuery.h"

namespace vl {

inline constexpr char kClipboardQueryName[] = "CLIPBOARD";

// The catalogue text: one entry per field (QueryCatalogue.h describes the
// form).
QString ClipboardQueryCatalogue();

class ClipboardQuery : public ListQuery {
public:
    ClipboardQuery();

    // Reads the catalogue over the table; on failure the user has been told
    // and the list offers no query.
    bool Open(TableFile& clipboard);
};

} // namespace vl
