#pragma once
// The graph of a column: the rows of an Xplore list are counted by the text
// the column shows (a progress window meanwhile; Escape offers to stop),
// then a window shows a bar per distinct text with its count and share,
// coloured and lettered by the graph preferences. "Pre&ferences" changes
// them and redraws; "&Output" copies the window's image to the clipboard.

#include "xplore/GraphCount.h"
#include "xplore/GraphPreferences.h"

#include <QDialog>
#include <QWidget>

#include <array>

class QPushButton;

namespace vl {

class Xplore;

// The bars, their texts and the axis, drawn to the size of the widget.
class GraphChart : public QWidget {
    Q_OBJECT
public:
    GraphChart(const GraphCount& count, QWidget* parent);
    // Takes the colours and font of the preferences; a colour name the
    // colour-name table does not know keeps the bar's colour as it was
    // (black at first).
    void SetPreferences(const GraphPreferences& preferences);
    const std::array<int, kGraphBarColours>& BarColours() const { return colours_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GraphCount& count_;
    std::array<int, kGraphBarColours> colours_{};
    QFont font_;
    int fontColour_ = 0;
};

class GraphWindow : public QDialog {
    Q_OBJECT
public:
    // The counted rows of a column; the texts of the chart name the column
    // and the filter the rows were counted under; the preferences come from
    // and go to the INI file.
    GraphWindow(GraphCount count, const QString& description, const QString& filter, const QString& iniFile,
                QWidget* parent);

    GraphChart* Chart() const { return chart_; }
    const QString& Title() const { return title_; }
    const QString& FilterLine() const { return filterLine_; }
    // Opens the preferences window, then redraws in its colours and font.
    void ChangePreferences();
    // Copies the window's image, without its buttons, to the clipboard.
    void CopyImage();

private:
    GraphCount count_;
    QString iniFile_;
    QString title_;
    QString filterLine_;
    GraphChart* chart_ = nullptr;
    std::array<QPushButton*, 3> buttons_{};
};

// Counts the rows of the list's current column and shows the graph; the
// messages of a pass that gives no graph say why.
void OpenGraph(Xplore& list, QWidget* parent);

} // namespace vl
