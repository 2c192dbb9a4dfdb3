#include "platform/widgets/TableChangeWatch.h"

#include "platform/data/Connection.h"
#include "platform/data/TableFile.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/SecondBeat.h"

#include <QEvent>
#include <QWidget>

#include <exception>

namespace vl {

TableChangeWatch::TableChangeWatch(TableFile& file, BrowseList& list, QWidget& window)
    : QObject(&window), file_(file), list_(list), read_(Mark())
{
    // Every read of the list, whoever asked for it, is a read of the file as
    // it is now.
    connect(list.Model(), &QAbstractItemModel::modelReset, this, [this] { read_ = Mark(); });
    connect(&SecondBeat::Instance(), &SecondBeat::Beat, this, &TableChangeWatch::Check);
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

TableChangeWatch::FileMark TableChangeWatch::Mark()
{
    std::shared_ptr<DataConnection> connection;
    QString table;
    if (!file_.IsOpen() || !file_.Storage(connection, table) || !connection)
        return {};
    try {
        return {connection->Committed(), connection->ChangeMark()};
    } catch (const std::exception&) {
        return {}; // cannot tell: looked at again once it can
    }
}

} // namespace vl
