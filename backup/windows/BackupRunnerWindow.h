#pragma once
// The backup runner's window "Backup / Restore": the operation, the archive
// name with its file dialog, "&Advanced", "&OK" and "Cancel".

#include "backup/BackupRunner.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QGroupBox;

namespace vl {

class BackupRunnerWindow : public QDialog {
public:
    BackupRunnerWindow(const RunnerChoice& choice, const QString& dataDir, QWidget* parent = nullptr);

    // The operation and archive name as shown.
    RunnerChoice Choice() const;
    // The zip work's last result (0 before any).
    const ZipResult& Result() const { return result_; }

private:
    void ChooseArchive();
    void RunChosen();

    QString dataDir_;
    QGroupBox* operations_ = nullptr;
    QRadioButton* backup_ = nullptr;
    QRadioButton* restore_ = nullptr;
    QLineEdit* archive_ = nullptr;
    ZipObject zip_;
    ZipResult result_;
};

} // namespace vl
