#pragma once
// A spin box for a day number or a clock value, shown in a date or time
// picture ("@d3", "@t01"). The user types a date or time in any form the
// picture reads back, or steps it with the arrows (a day, or the picture's
// smallest unit of time); 0 shows as an empty box, and a text that is no
// date or time is refused with a message. The value is taken when
// the user leaves the box or presses Enter (or at once when text is put into
// the box without focus, as assistive tools do), and valueEdited then tells
// what the user made of it; a value set by the program tells nothing.

#include "platform/runtime/Calendar.h"

#include <QAbstractSpinBox>

namespace vl {

class PictureSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit PictureSpinBox(const QString& picture, QWidget* parent = nullptr);

    int32_t Value() const { return value_; }
    void SetValue(int32_t value);

    void stepBy(int steps) override;
    QSize sizeHint() const override;

signals:
    // The user changed the value (typed and left the box, or stepped and left it).
    void valueEdited(int32_t value);

protected:
    StepEnabled stepEnabled() const override;

private:
    bool IsTime() const;
    void Show();
    // Reads the typed text, when the user changed it, into the value.
    void Take();
    // Takes the typed text; emits valueEdited when the value differs from
    // the one last taken.
    void Commit();

    QString picture_;
    int32_t value_ = 0;
    int32_t committed_ = 0;
    QString shown_;
};

} // namespace vl
