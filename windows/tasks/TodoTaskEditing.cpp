#include "windows/tasks/TodoTaskEditing.h"

#include "windows/pim/TaskEditingServices.h"
#include "windows/tasks/CalendarWindow.h"
#include "windows/tasks/PickDate.h"
#include "windows/tasks/SelectCategories.h"
#include "windows/tasks/TaskWizard.h"

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
