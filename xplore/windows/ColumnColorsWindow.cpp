#include "xplore/windows/ColumnColorsWindow.h"

#include "platform/runtime/FixedText.h"
#include "xplore/ColourNames.h"
#include "xplore/windows/Xplore.h"

#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

// The column's colours now; none when the column is not shown.
ColumnColours ColoursOf(const Xplore& list, int position)
{
    const XploreColumn* column = list.Columns().ShownAt(position);
    return column ? column->colours : kNoColours;
}

} // namespace

ColumnColorsWindow::ColumnColorsWindow(Xplore& list, int position, QWidget* parent)
    : QDialog(parent), list_(list), position_(position)
{
    setObjectName(QStringLiteral("ColumnColors"));
    const XploreColumn* column = list.Columns().ShownAt(position);
    setWindowTitle(tr("Colors for Column: %1").arg(column ? Clip(column->description) : QString()));
    if (parent)
        setFont(parent->window()->font());

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Normal"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Selected"), this), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Background"), this), 1, 0);
    grid->addWidget(new QLabel(tr("Text"), this), 2, 0);
    struct Place {
        ColourSlot slot;
        int row, column;
        const char* name;
    };
    const Place places[] = {{kNormalBack, 1, 1, "NormalBackground"},
                            {kSelectedBack, 1, 2, "SelectedBackground"},
                            {kNormalText, 2, 1, "NormalText"},
                            {kSelectedText, 2, 2, "SelectedText"}};
    const ColumnColours colours = ColoursOf(list, position);
    for (const Place& place : places) {
        auto* pick = new QComboBox(this);
        pick->setObjectName(QString::fromLatin1(place.name));
        pick->addItems(ColourPickList());
        // A colour the table has no name for leaves the pick blank.
        pick->setCurrentIndex(ColourPosition(colours[place.slot]).value_or(0) - 1);
        connect(pick, &QComboBox::activated, this, [this, slot = place.slot](int index) { Picked(slot, index); });
        picks_[place.slot] = pick;
        grid->addWidget(pick, place.row, place.column);
    }

    auto* reset = new QPushButton(tr("&Reset"), this);
    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &ColumnColorsWindow::Reset);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    move(QCursor::pos());
}

void ColumnColorsWindow::Picked(ColourSlot slot, int index)
{
    const std::optional<int> colour = ColourFromName(picks_[slot]->itemText(index));
    if (!colour)
        return;
    list_.ChangeColumns([this, slot, value = *colour](ColumnTable& columns) {
        if (XploreColumn* column = columns.ShownAt(position_))
            column->colours[slot] = value;
    });
}

void ColumnColorsWindow::Reset()
{
    for (QComboBox* pick : picks_)
        pick->setCurrentIndex(0);
    list_.ChangeColumns([this](ColumnTable& columns) {
        if (XploreColumn* column = columns.ShownAt(position_))
            column->colours = kNoColours;
    });
}

void OpenColumnColors(Xplore& list, QWidget* parent)
{
    if (!list.Columns().ShownAt(list.CurrentColumn()))
        return;
    ColumnColorsWindow window(list, list.CurrentColumn(), parent);
    window.exec();
}

} // namespace vl
