#include "windows/pim/TableChangeWatch.h"

#include "platform/data/Connection.h"
#include "platform/data/TableFile.h"
#include "platform/widgets/BrowseList.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vl {

namespace {

constexpr int kLookMilliseconds = 1000;

} // namespace

TableChangeWatch::TableChangeWatch(TableFile& file, BrowseList& list, QWidget& window)
    : QObject(&window), file_(file), list_(list), read_(Mark())
{
    // Every read of the list, whoever asked for it, is a read of the file as
    // it is now.
    connect(list.Model(), &QAbstractItemModel::modelReset, this, [this] { read_ = Mark(); });
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TableChangeWatch::Check);
    timer->start(kLookMilliseconds);
    window.installEventFilter(this);
}

bool TableChangeWatch::Check()
{
    if (!file_.IsOpen() || Mark() == read_)
        return false;
    list_.Refresh();
    read_ = Mark();
    return true;
}

bool TableChangeWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::WindowActivate)
        Check();
    return false;
}

std::pair<int64_t, uint64_t> TableChangeWatch::Mark()
{
    std::shared_ptr<DataConnection> connection;
    QString table;
    if (!file_.IsOpen() || !file_.Storage(connection, table) || !connection)
        return {0, 0};
    return {connection->DataVersion(), connection->ChangeMark()};
}

} // namespace vl
