#pragma once
// The holiday form ("Update the Holidays File"): the date (typed in the
// user's date picture or picked from the calendar with "..."), the name and
// the rule. Choosing the rule "Easter" for a holiday that had another rule
// places it against the coming Easter Sunday (HolidayRules.h). Ctrl+' puts
// back, into the field that has the focus, its value from the last holiday
// this form saved.
//
// The form is window-modal to the list that opens it; OK stores the request
// in the Holidays table and closes the form; a date another holiday holds is
// refused with a message and the form stays open with what was typed.

#include "core/dictionary/HolidaysRecord.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>
#include <QKeySequence>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vl {

inline constexpr char kUpdateHolidaysProcedure[] = "UpdateHolidays";
// The key that puts a field's last saved value back.
inline const QKeySequence kFieldHistoryKey{Qt::CTRL | Qt::Key_Apostrophe};

class UpdateHolidays : public QDialog {
    Q_OBJECT
public:
    UpdateHolidays(FormRequest request, const HolidaysRecord& holiday, QWidget* parent = nullptr);
    ~UpdateHolidays() override;

    // The holiday as stored (after OK) or as the form opened with.
    const HolidaysRecord& Record() const { return holiday_; }

    QLineEdit* DateEntry() const { return date_; }
    QToolButton* CalendarButton() const { return calendar_; }
    QLineEdit* NameEntry() const { return name_; }
    QRadioButton* RuleButton(const QString& rule) const;
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Date ShownDate() const;
    void ShowDate(Date date);
    QString ChosenRule() const;
    void RuleChosen(const QString& rule);
    void PickDate();
    void PutBackLastSaved();

    FormRequest request_;
    HolidaysRecord holiday_;
    QString ruleAtOpen_;
    bool opened_ = false;
    QLineEdit* date_ = nullptr;
    QToolButton* calendar_ = nullptr;
    QLineEdit* name_ = nullptr;
    QList<QRadioButton*> rules_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
