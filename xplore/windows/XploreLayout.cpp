// Xplore: the saved layout, the designed layout and column fitting.
#include "xplore/windows/Xplore.h"

#include "platform/browse/BrowseModel.h"
#include "platform/runtime/IniFile.h"
#include "platform/ui/PromptService.h"
#include "xplore/ListPrintFit.h"
#include "xplore/windows/ListAppearanceIO.h"

#include <QApplication>
#include <QFontMetrics>

namespace vl {

void Xplore::RestoreLayout()
{
    designed_ = ReadAppearance(*list_);
    const IniFile ini(options_.iniFile);
    const RestoredLayout restored = RestoreListLayout(ini, options_.procedure, options_.control, designedFormat_,
                                                      designed_, 1, options_.restorePlace);
    formats_ = restored.formats;
    if (!restored.designChanged) {
        // A saved format string that is not one of this list's keeps the design.
        if (!columns_.ApplyFormatString(formats_.front()))
            formats_.front() = designedFormat_;
        ApplyAppearance(*list_, restored.appearance, designed_, options_.restorePlace);
    }
    sort_.RestoreDirection(restored.descending);
    opened_ = true;
    ShowColumns();
}

void Xplore::SaveLayout()
{
    if (!opened_)
        return;
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    formats_.front() = columns_.BuildFormatString();
    SavedLayout layout;
    layout.formats = formats_;
    layout.designedFormat = designedFormat_;
    layout.appearance = ReadAppearance(*list_);
    if (sort_.ColumnOrderActive()) {
        layout.sortPosition = sort_.SortPosition(columns_);
        if (const XploreColumn* column = columns_.ShownAt(layout.sortPosition))
            layout.descending = column->descending;
    }
    IniFile ini(options_.iniFile);
    if (!SaveListLayout(ini, options_.procedure, options_.control, layout))
        Prompt::Message(tr("The layout of this list could not be saved in %1.").arg(ini.Path()), tr("Save Layout"),
                        PromptIcon::Exclamation);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::RestoreOriginalFormat()
{
    sort_.ClearSortMark(columns_);
    columns_.ApplyFormatString(designedFormat_);
    if (opened_)
        ApplyAppearance(*list_, designed_, designed_, options_.restorePlace);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

int Xplore::MeasureColumn(const XploreColumn& column) const
{
    const int section = SectionOf(column);
    const int rows = model_->rowCount();
    if (rows == 0)
        return 0;
    int first = list_->rowAt(0);
    int last = list_->rowAt(list_->viewport()->height() - 1);
    first = first < 0 ? 0 : first;
    last = last < 0 ? rows - 1 : last;
    QFont font = list_->font();
    font.setUnderline(column.underline);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int row = first; row <= last; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(model_->index(row, section).data().toString()));
    const DialogUnits units(list_->font());
    // Rounded up, so the widest text is never cut.
    return units.FromPixelsX(widest) + (units.ToPixelsX(units.FromPixelsX(widest)) < widest ? 1 : 0);
}

// An empty list keeps its widths: there is nothing to fit the columns to.
void Xplore::FitColumnWidth(int section)
{
    const int position = PositionOfSection(section);
    XploreColumn* column = columns_.ShownAt(position);
    if (column && model_->rowCount() > 0) {
        columns_.SetWidth(position, MeasureColumn(*column) + ColumnPadding(*column));
        ShowColumns();
    }
}

void Xplore::FitAllColumnWidths()
{
    if (model_->rowCount() == 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const XploreColumn& column : columns_.Shown())
        columns_.SetWidth(column.position, MeasureColumn(column) + ColumnPadding(column));
    ShowColumns();
    QApplication::restoreOverrideCursor();
}

} // namespace vl
