#pragma once
// What a list asks of the form it opens on a record (the runtime's request
// codes), and the caption the form shows for it.

#include <QString>

namespace vl {

enum class FormRequest {
    Insert = 1, // a new record (blank, or primed from the selected one: a copy)
    Change = 2,
    Delete = 3, // shown read-only; OK deletes it
    View = 4,   // shown read-only; the only button closes the form
};

// The form's caption: insertCaption ("New Holiday") for an insert,
// changeCaption ("Edit Holiday") for a change, and for view and delete
// "View" or "Delete" followed by the change caption after its first blank
// ("View Holiday", "Delete Holiday").
QString FormCaption(FormRequest request, const QString& insertCaption, const QString& changeCaption);

} // namespace vl
