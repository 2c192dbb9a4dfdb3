#include "platform/widgets/FormMode.h"

#include <QPushButton>

namespace vl {

void ApplyFormMode(FormRequest request, const QList<QWidget*>& dataControls, QPushButton* ok, QPushButton* cancel,
                   const QIcon& closeIcon)
{
    if (request != FormRequest::View && request != FormRequest::Delete)
        return;
    for (QWidget* control : dataControls)
        control->setEnabled(false);
    if (request == FormRequest::View) {
        ok->setEnabled(false);
        ok->hide();
        cancel->setText(QLatin1String(kCloseCaption));
        cancel->setIcon(closeIcon);
        cancel->setDefault(true);
    }
    cancel->setFocus();
}

} // namespace vl
