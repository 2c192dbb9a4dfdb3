#include "xplore/windows/GraphWindow.h"

#include "core/tabs/TabColours.h"
#include "platform/browse/BrowseModel.h"
#include "xplore/ColourNames.h"
#include "xplore/FilterText.h"
#include "xplore/GraphLayout.h"
#include "xplore/windows/GraphPreferencesWindow.h"
#include "xplore/windows/Xplore.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

// The progress window of the counting pass; remembers an Escape.
class GraphProgress : public QDialog {
public:
    explicit GraphProgress(QWidget* parent) : QDialog(parent), bar_(new QProgressBar(this))
    {
        setObjectName(QStringLiteral("GraphProgress"));
        setWindowTitle(tr("Progress..."));
        bar_->setRange(0, 100);
        (new QVBoxLayout(this))->addWidget(bar_);
        resize(360, sizeHint().height());
    }
    void Show(int counted, int percent, const QString& text)
    {
        bar_->setValue(std::clamp(percent, 0, 100));
        setWindowTitle(tr("Record=%1 - %2").arg(counted).arg(text));
    }
    // True once after an Escape.
    bool TakeEscape()
    {
        QApplication::processEvents();
        return std::exchange(escape_, false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            escape_ = true;
        else
            QDialog::keyPressEvent(event);
    }
    void reject() override {} // Escape asks first; it does not close the window

private:
    QProgressBar* bar_;
    bool escape_ = false;
};

} // namespace

GraphChart::GraphChart(const GraphCount& count, QWidget* parent) : QWidget(parent), count_(count)
{
    setObjectName(QStringLiteral("GraphChart"));
    setAutoFillBackground(true);
}

void GraphChart::SetPreferences(const GraphPreferences& preferences)
{
    for (int i = 0; i < kGraphBarColours; ++i) {
        if (const std::optional<int> colour = ColourFromName(preferences.colours[i]))
            colours_[i] = *colour;
    }
    font_ = GraphFont(preferences);
    fontColour_ = preferences.fontColour;
    update();
}

void GraphChart::paintEvent(QPaintEvent*)
{
    const std::vector<GraphCategory>& categories = count_.Categories();
    if (categories.empty())
        return;
    const GraphLayout layout = ComputeGraphLayout(width(), height(), static_cast<int>(categories.size()));
    const int largest = count_.Largest();
    QPainter painter(this);
    painter.setFont(font_);
    const QColor text = StoredColour(fontColour_).isValid() ? StoredColour(fontColour_) : QColor(Qt::black);
    const QFontMetrics metrics(font_);
    const int line = metrics.height();
    const int base = layout.baseline;
    painter.setPen(text);
    painter.drawText(QRect(layout.left - 70, base + 4, std::max(layout.barWidth, 66), line),
                     Qt::AlignLeft | Qt::AlignTop, tr("Count"));
    painter.drawText(QRect(layout.left - 70, base + 20, std::max(layout.barWidth, 66), line),
                     Qt::AlignLeft | Qt::AlignTop, tr("Percent"));
    for (int i = 1; i <= static_cast<int>(categories.size()); ++i) {
        const GraphCategory& category = categories[i - 1];
        const int x = layout.BarX(i);
        const int barHeight = layout.BarHeight(category.count, largest);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(StoredColour(colours_[(i - 1) % kGraphBarColours]));
        painter.drawRect(x, base - barHeight + 2, layout.barWidth, barHeight);

        // The label stands upright over the lower end of its bar.
        const QString label = CategoryLabel(category.text);
        painter.save();
        painter.setPen(text);
        painter.translate(x + layout.barWidth / 2 + metrics.ascent() / 2, base - 8);
        painter.rotate(-90);
        painter.drawText(0, 0, label);
        painter.restore();

        painter.setPen(text);
        painter.drawText(QRect(x, base + 4, layout.barWidth, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(category.count));
        painter.drawText(QRect(x, base + 20, layout.barWidth, line), Qt::AlignHCenter | Qt::AlignTop,
                         layout.PercentText(category.percent));
    }
    painter.fillRect(layout.left, base + 2, layout.AxisLength(), 4, Qt::black);
}

GraphWindow::GraphWindow(GraphCount count, const QString& description, const QString& filter,
                         const QString& iniFile, QWidget* parent)
    : QDialog(parent), count_(std::move(count)), iniFile_(iniFile),
      title_(GraphTitle(count_.Rows(), description)), filterLine_(GraphFilterLine(filter))
{
    setObjectName(QStringLiteral("Graph"));
    setWindowTitle(title_);
    chart_ = new GraphChart(count_, this);
    auto* title = new QLabel(title_, this);
    title->setObjectName(QStringLiteral("Title"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    auto* filterLine = new QLabel(filterLine_, this);
    filterLine->setObjectName(QStringLiteral("FilterLine"));

    auto* ok = new QPushButton(tr("OK"), this);
    auto* preferences = new QPushButton(tr("Pre&ferences"), this);
    preferences->setToolTip(tr("Change Colors and/or Font"));
    auto* output = new QPushButton(tr("&Output"), this);
    output->setToolTip(tr("Copies an Window Image to the ClipBoard"));
    buttons_ = {ok, preferences, output};
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(preferences, &QPushButton::clicked, this, &GraphWindow::ChangePreferences);
    connect(output, &QPushButton::clicked, this, &GraphWindow::CopyImage);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : buttons_) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(filterLine);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);
    chart_->SetPreferences(ReadGraphPreferences(IniFile(iniFile_), kGraphFontSize));
    ok->setFocus();
}

void GraphWindow::ChangePreferences()
{
    GraphPreferencesWindow preferences(iniFile_, this);
    preferences.exec();
    chart_->SetPreferences(ReadGraphPreferences(IniFile(iniFile_), kGraphFontSize));
}

void GraphWindow::CopyImage()
{
    for (QPushButton* button : buttons_)
        button->hide();
    QApplication::clipboard()->setPixmap(grab());
    for (QPushButton* button : buttons_)
        button->show();
    buttons_[0]->setFocus();
}

void OpenGraph(Xplore& list, QWidget* parent)
{
    const XploreColumn* column = list.Columns().ShownAt(list.CurrentColumn());
    if (!column)
        return;
    BrowseModel* model = list.Model();
    const int section = column->tableOrder - 1;
    const QString description = column->description;
    GraphProgress progress(parent);
    progress.show();
    GraphRows rows;
    rows.expected = model->rowCount();
    rows.text = [model, section](int row) -> std::optional<QString> {
        const QVariant value = model->index(row, section).data();
        if (!value.isValid() && !model->Error().isEmpty())
            return std::nullopt;
        return value.toString();
    };
    rows.escape = [&progress] { return progress.TakeEscape(); };
    rows.progress = [&progress](int counted, int percent, const QString& text) {
        progress.Show(counted, percent, text);
    };
    GraphCount count;
    const bool graph = CountGraphRows(count, rows, description);
    progress.close();
    if (!graph)
        return;
    GraphWindow window(std::move(count), description, FilterText(model->ViewFilters()),
                       list.Settings().iniFile, parent);
    window.setWindowState(Qt::WindowMaximized);
    window.exec();
}

} // namespace vl
