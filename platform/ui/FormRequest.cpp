#include "platform/ui/FormRequest.h"

namespace vl {

QString FormCaption(FormRequest request, const QString& insertCaption, const QString& changeCaption)
{
    const int blank = changeCaption.indexOf(QLatin1Char(' '));
    const QString rest = blank < 0 ? QString() : changeCaption.mid(blank);
    switch (request) {
    case FormRequest::Insert: return insertCaption;
    case FormRequest::Change: return changeCaption;
    case FormRequest::View: return QStringLiteral("View") + rest;
    case FormRequest::Delete: return QStringLiteral("Delete") + rest;
    }
    return changeCaption;
}

} // namespace vl
