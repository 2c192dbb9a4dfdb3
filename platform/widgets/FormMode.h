#pragma once
// The read-only requests of a record form. View shows the record with every
// data control disabled, hides OK and turns Cancel into "Cl&ose", which
// closes the form at once. Delete shows the record disabled too, keeps OK
// (it deletes) and starts on Cancel. Insert and change leave the form as it
// is.

#include "platform/ui/FormRequest.h"

#include <QIcon>
#include <QList>

class QPushButton;
class QWidget;

namespace vl {

inline constexpr char kCloseCaption[] = "Cl&ose";

void ApplyFormMode(FormRequest request, const QList<QWidget*>& dataControls, QPushButton* ok, QPushButton* cancel,
                   const QIcon& closeIcon = QIcon());

} // namespace vl
