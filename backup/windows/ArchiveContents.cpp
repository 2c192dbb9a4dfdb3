#include "backup/windows/ArchiveContents.h"

#include "platform/runtime/Picture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

enum Column { Seq, Filename, FileDate, FileTime, Size, Ratio, Packed, Method, Crc, Attrb, Comment, Columns };

QStringList Headers()
{
    return {QStringLiteral("Seq"),    QStringLiteral("Filename"), QStringLiteral("Date"),   QStringLiteral("Time"),
            QStringLiteral("Size"),   QStringLiteral("Ratio"),    QStringLiteral("Packed"), QStringLiteral("Method"),
            QStringLiteral("CRC-32"), QStringLiteral("Attrb"),    QStringLiteral("Comment")};
}

QStringList RowTexts(const ZipListingEntry& row)
{
    return {QString::number(row.index),
            row.fileName,
            Picture::Format(row.fileDate, QStringLiteral("@d17")),
            Picture::Format(row.fileTime, QStringLiteral("@t8")),
            QString::number(row.originalSize),
            QString::number(row.ratio) + QLatin1Char('%'),
            QString::number(row.compressedSize),
            row.method,
            row.crc32,
            row.attribute,
            row.fileComment};
}

} // namespace

ArchiveContents::ArchiveContents(ZipObject& zip, CommandSink commands, QWidget* parent)
    : QWidget(parent), zip_(zip), commands_(std::move(commands))
{
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget;
    list_->setColumnCount(Columns);
    list_->setHeaderLabels(Headers());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setAllColumnsShowFocus(true);
    layout->addWidget(list_);

    auto* select = new QGroupBox(QStringLiteral("&Select"));
    auto* buttons = new QHBoxLayout(select);
    auto* all = new QPushButton(QStringLiteral("&All"));
    auto* clear = new QPushButton(QStringLiteral("&Clear All"));
    buttons->addWidget(all);
    buttons->addWidget(clear);
    buttons->addStretch();
    layout->addWidget(select);

    connect(all, &QPushButton::clicked, this, [this] {
        zip_.SelectAll();
        ShowListing();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        zip_.DeselectAll(list_->currentIndex().row());
        ShowListing();
    });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { TakeMarks(); });
    connect(list_, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) { Popup(at); });
    // Accepting an entry: the frame's Extract, after this event is done.
    const auto extract = [this] {
        QMetaObject::invokeMethod(this, [this] { commands_(ArchiveCommand::Extract); }, Qt::QueuedConnection);
    };
    connect(list_, &QTreeWidget::itemActivated, this, extract);
    ShowListing();
}

void ArchiveContents::ShowListing()
{
    showing_ = true;
    const int current = list_->currentIndex().row();
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const ZipListingEntry& row : zip_.listing) {
        auto* item = new QTreeWidgetItem(RowTexts(row));
        for (int column : {Seq, Size, Ratio, Packed})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    list_->addTopLevelItems(items);
    for (int n = 0; n < items.size(); ++n)
        items.at(n)->setSelected(zip_.listing.at(n).marked);
    if (current >= 0 && current < items.size())
        list_->setCurrentItem(items.at(current), 0, QItemSelectionModel::NoUpdate);
    for (int column = 0; column < Columns; ++column)
        list_->resizeColumnToContents(column);
    showing_ = false;
}

void ArchiveContents::TakeMarks()
{
    if (showing_)
        return;
    for (int n = 0; n < zip_.listing.size() && n < list_->topLevelItemCount(); ++n)
        zip_.listing[n].marked = list_->topLevelItem(n)->isSelected();
    zip_.multiSelect = false;
}

void ArchiveContents::SortBy(ZipSortOrder order)
{
    zip_.Sort(order, false);
    ShowListing();
}

void ArchiveContents::Popup(const QPoint& at)
{
    QMenu menu(this);
    const auto command = [&menu, this](const QString& text, ArchiveCommand which) {
        menu.addAction(text, this, [this, which] { commands_(which); });
    };
    command(QStringLiteral("&Add..."), ArchiveCommand::Add);
    command(QStringLiteral("&Delete..."), ArchiveCommand::Delete);
    command(QStringLiteral("&Extract..."), ArchiveCommand::Extract);
    command(QStringLiteral("&Test..."), ArchiveCommand::Test);
    menu.addSeparator();
    command(QStringLiteral("Sta&tistics..."), ArchiveCommand::Statistics);
    menu.addSeparator();
    QMenu* sort = menu.addMenu(QStringLiteral("&Sort"));
    const std::pair<const char*, ZipSortOrder> sorts[] = {
        {"by &Index", ZipSortOrder::Index},           {"by &Name", ZipSortOrder::FileName},
        {"by &Original Size", ZipSortOrder::OriginalSize}, {"by Compression &Ratio", ZipSortOrder::Ratio},
        {"by &Compressed Size", ZipSortOrder::CompressedSize}, {"by File &Date", ZipSortOrder::FileDate}};
    for (const auto& [text, order] : sorts) {
        const ZipSortOrder chosen = order;
        sort->addAction(QLatin1String(text), this, [this, chosen] { SortBy(chosen); });
    }
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select &All"), this, [this] {
        zip_.SelectAll();
        ShowListing();
    });
    menu.addAction(QStringLiteral("&Deselect All"), this, [this] {
        zip_.DeselectAll(list_->currentIndex().row());
        ShowListing();
    });
    menu.exec(list_->viewport()->mapToGlobal(at));
}

} // namespace vl
