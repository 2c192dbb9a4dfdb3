#pragma once
// The "Repair Files" window (procedure RepairFiles): the program's tables,
// each of which can be tagged, and the buttons that repair, rebuild the keys
// of, pack, release or report on the tagged tables one after the other
// under the "Progress..." window. The work on each table runs on a worker
// thread, so the windows stay responsive; "&Cancel" stops after the table
// in hand.

#include "core/repair/RepairRun.h"
#include "core/repair/windows/RepairAccess.h"
#include "platform/runtime/IniFile.h"

#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace vl {

inline constexpr char kRepairWindowCaption[] = "Repair Files";
inline constexpr char kRepairWindowProcedure[] = "RepairFiles";

class RepairProgressWindow;

class RepairWindow : public QWidget {
    Q_OBJECT

public:
    explicit RepairWindow(QWidget* parent = nullptr);
    ~RepairWindow() override;

    const std::vector<RepairRow>& Rows() const { return rows_; }
    QTableWidget* List() const { return list_; }
    QPushButton* Button(RepairOperation operation) const;
    QPushButton* TagAllButton() const { return tagAll_; }
    QPushButton* UntagAllButton() const { return untagAll_; }
    QPushButton* CloseButton() const { return close_; }
    RepairProgressWindow* Progress() const { return progress_; }
    bool Running() const { return run_ != nullptr; }

    // Starts the operation over the tagged rows (or the highlighted one).
    // Starts the operation over the tagged rows (or the highlighted one). A
    // repair first has the program let go of its data files, after asking;
    // they are given back when the run ends.
    void Start(RepairOperation operation);
    // Tags the tables of the data file at path and repairs it, asking
    // nothing more: the user has chosen its repair already.
    void RepairAgreedFile(const QString& path);
    // Tags the tables kept in the data file at path, and only them.
    void TagDataFile(const QString& path);

signals:
    // An operation has worked through its tables.
    void Finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void StartRun(RepairOperation operation, const QString& agreedFile);
    void StartNextTable();
    void TableDone();
    void ShowRows();
    void SetRunning(bool running);

    std::vector<RepairRow> rows_;
    std::unique_ptr<RepairRun> run_;
    QThread* worker_ = nullptr;
    TableOutcome outcome_;
    QString jobPath_; // the data file of the table in hand
    RepairAccess access_;
    QTableWidget* list_ = nullptr;
    std::vector<std::pair<RepairOperation, QPushButton*>> operations_;
    QPushButton* tagAll_ = nullptr;
    QPushButton* untagAll_ = nullptr;
    QPushButton* close_ = nullptr;
    RepairProgressWindow* progress_ = nullptr;
    IniFile positions_;
};

// The "Progress..." window of a running operation.
class RepairProgressWindow : public QWidget {
    Q_OBJECT

public:
    explicit RepairProgressWindow(QWidget* parent);
    void ShowTable(const QString& label, const QString& action, int filesLeft);
    void SetPercent(int percent);

    QString CurrentFile() const;
    QString Action() const;
    int Percent() const;
    QString FilesLeft() const;
    QPushButton* CancelButton() const { return cancel_; }

signals:
    void CancelRequested();

private:
    QLabel* file_ = nullptr;
    QLabel* action_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* left_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Opens the window; it deletes itself when closed.
RepairWindow* RepairFiles();

} // namespace vl
