#include "platform/widgets/TextWidth.h"

#include "platform/runtime/FixedText.h"

#include <QLineEdit>
#include <QValidator>

namespace vl {
namespace {

// Never refuses an edit: it cuts what does not fit.
class WidthValidator final : public QValidator {
public:
    WidthValidator(int width, QObject* parent) : QValidator(parent), width_(width) {}
    State validate(QString& input, int& pos) const override
    {
        input = FitEdit(input, pos, width_);
        return Acceptable;
    }

private:
    int width_;
};

} // namespace

void LimitToWidth(QLineEdit* entry, int width)
{
    entry->setValidator(new WidthValidator(width, entry));
    if (entry->text().size() > width)
        entry->setText(CutTo(entry->text(), width));
}

} // namespace vl
