#include "platform/widgets/PictureSpinBox.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"

#include <QLineEdit>

#include <algorithm>

namespace vl {

namespace {

// The smallest unit a time picture shows: seconds for layouts with them.
ClockTime TimeStep(const Picture::Parsed& picture)
{
    const bool seconds = picture.layout == 4 || picture.layout == 5 || picture.layout == 6 || picture.layout == 8;
    return seconds ? kClockPerSecond : kClockPerMinute;
}

} // namespace

PictureSpinBox::PictureSpinBox(const QString& picture, QWidget* parent)
    : QAbstractSpinBox(parent), picture_(picture)
{
    setAccelerated(true);
    connect(this, &QAbstractSpinBox::editingFinished, this, &PictureSpinBox::Commit);
    // Text put into the box while it has no focus (a screen reader setting
    // it) would never see the box left: take it at once.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!hasFocus() && text.trimmed() != shown_)
            Commit();
    });
    Show();
}

bool PictureSpinBox::IsTime() const
{
    return Picture::Parse(picture_).kind == Picture::Kind::Time;
}

void PictureSpinBox::SetValue(int32_t value)
{
    value_ = committed_ = value;
    Show();
}

void PictureSpinBox::Show()
{
    shown_ = value_ == 0 ? QString() : Picture::Format(value_, picture_).trimmed();
    lineEdit()->setText(shown_);
}

void PictureSpinBox::Take()
{
    const QString text = lineEdit()->text().trimmed();
    if (text == shown_)
        return;
    const int32_t read = text.isEmpty() ? 0
        : IsTime()                       ? Picture::DeformatTime(text, picture_)
                                         : Picture::DeformatDate(text, picture_);
    if (read == 0 && !text.isEmpty()) {
        // What cannot be read is refused with a word; the value stays.
        const QString kind = IsTime() ? QStringLiteral("time") : QStringLiteral("date");
        const QString example = IsTime() ? Picture::Format(MakeClock(9, 30), picture_)
                                         : Picture::Format(MakeDate(12, 31, 2026), picture_);
        Show();
        Prompt::Message(QStringLiteral("\"%1\" is not a %2 (for example %3).|The %2 stays as it was.")
                            .arg(text, kind, example.trimmed()),
                        IsTime() ? QStringLiteral("Time") : QStringLiteral("Date"), PromptIcon::Exclamation);
        return;
    }
    value_ = read;
    Show();
}

void PictureSpinBox::Commit()
{
    Take();
    if (value_ != committed_) {
        committed_ = value_;
        emit valueEdited(value_);
    }
}

void PictureSpinBox::stepBy(int steps)
{
    Take();
    if (IsTime()) {
        const int64_t step = TimeStep(Picture::Parse(picture_));
        const int64_t from = value_ == 0 ? Now() : value_;
        // Within the day: back from 00:00 is the day's last unit.
        int64_t next = ((from - 1) / step + steps) * step % kClockPerDay;
        if (next < 0)
            next += kClockPerDay;
        value_ = static_cast<int32_t>(next + 1);
    } else {
        value_ = std::max<int64_t>(1, int64_t{value_ == 0 ? Today() : value_} + steps);
    }
    Show();
}

QAbstractSpinBox::StepEnabled PictureSpinBox::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

QSize PictureSpinBox::sizeHint() const
{
    const QString sample = IsTime() ? Picture::Format(MakeClock(23, 59, 59), picture_)
                                    : Picture::Format(MakeDate(9, 28, 2000), picture_);
    QSize hint = QAbstractSpinBox::sizeHint();
    hint.setWidth(std::max(hint.width(), fontMetrics().horizontalAdvance(sample + QStringLiteral("MM")) + 24));
    return hint;
}

} // namespace vl
