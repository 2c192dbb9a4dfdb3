#include "tasks/windows/TodoTaskEditing.h"

#include "pim/windows/TaskEditingServices.h"
#include "tasks/windows/CalendarWindow.h"
#include "tasks/windows/PickDate.h"
#include "tasks/windows/SelectCategories.h"
#include "tasks/windows/TaskWizard.h"

namespace vl {

namespace {

class TodoTaskEditing : public TaskEditingServices {
public:
    void SelectCategory(QWidget* parent, std::function<void(const QString&)> chosen) override
    {
        auto* picker = new SelectCategories(parent);
        picker->setAttribute(Qt::WA_DeleteOnClose);
        picker->setWindowModality(Qt::WindowModal);
        QObject::connect(picker, &QDialog::accepted, picker,
                         [picker, chosen = std::move(chosen)] { chosen(picker->Chosen().Category); });
        picker->open();
    }

    void PickDate(QWidget* parent, Date date, const QString& title, std::function<void(Date)> done) override
    {
        vl::PickDate(parent, date, QLatin1String(kNoDateFilter), title, std::nullopt, std::move(done));
    }

    void AddMessageTask(QWidget* parent, const ScheduleRecord& seed) override
    {
        OpenSeededMessageWizard(seed, parent);
    }
};

} // namespace

void InstallTodoTaskEditing()
{
    static TodoTaskEditing editing;
    InstalledService<TaskEditingServices>() = &editing;
}

} // namespace vl
