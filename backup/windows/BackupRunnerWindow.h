#pragma once
// The backup runner's window "Backup / Restore": the operation, the archive
// name with its file dialog, "&Advanced" (starts the backup manager with the
// runner's own arguments and closes), "&OK" and "Cancel".

#include "backup/BackupRunner.h"
#include "platform/process/ProcessStart.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QGroupBox;

namespace vl {

class BackupRunnerWindow : public QDialog {
public:
    // manager: how "&Advanced" starts the backup manager.
    BackupRunnerWindow(const RunnerChoice& choice, const QString& dataDir, const ProgramStart& manager,
                       QWidget* parent = nullptr);

    // The operation and archive name as shown.
    RunnerChoice Choice() const;
    // The zip work's last result (0 before any).
    const ZipResult& Result() const { return result_; }

private:
    void ChooseArchive();
    void RunChosen();
    void StartManager();

    QString dataDir_;
    ProgramStart manager_;
    QGroupBox* operations_ = nullptr;
    QRadioButton* backup_ = nullptr;
    QRadioButton* restore_ = nullptr;
    QLineEdit* archive_ = nullptr;
    ZipObject zip_;
    ZipResult result_;
};

} // namespace vl
