#pragma once
// "Report Criteria" (ReportParameters): the date range, the category and the
// order of the schedule reports and whether future occurrences of repeating
// tasks are included. OK turns the choice into the report's order and
// filter; Cancel (also closing the window) blanks them.

#include "reports/ReportCriteria.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace vl {

class PictureSpinBox;

inline constexpr char kReportParametersProcedure[] = "ReportParameters";

class ReportParameters : public QDialog {
    Q_OBJECT
public:
    explicit ReportParameters(QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

    QRadioButton* DateRadio(const QString& text) const;
    QRadioButton* CategoryRadio(const QString& text) const;
    QRadioButton* OrderRadio(const QString& text) const;
    PictureSpinBox* FromBox() const { return from_; }
    PictureSpinBox* ToBox() const { return to_; }
    QComboBox* CategoryList() const { return category_; }
    QCheckBox* FutureBox() const { return future_; }

private:
    ReportCriteria Choice() const;
    void Enable();
    QPushButton* CalendarButton(PictureSpinBox* box, const QString& title);

    QButtonGroup* dates_ = nullptr;
    QButtonGroup* categories_ = nullptr;
    QButtonGroup* orders_ = nullptr;
    PictureSpinBox* from_ = nullptr;
    PictureSpinBox* to_ = nullptr;
    QList<QWidget*> rangeControls_;
    QComboBox* category_ = nullptr;
    QCheckBox* future_ = nullptr;
};

} // namespace vl
