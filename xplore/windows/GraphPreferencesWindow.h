#pragma once
// "Xplore Preferences": the order of the 16 graph colours (the graph uses
// the first eight) and the font of the graph's texts, shared by every list
// in section "XplorePreferences" of the list's position INI file. "OK" keeps
// the colours in the order shown; any close writes the section, with the
// colours as they were read (or reset) when the window closes otherwise, and
// the font as chosen.

#include "xplore/GraphPreferences.h"

#include <QDialog>

class QLabel;
class QTableWidget;
class QTabWidget;

namespace vl {

class GraphPreferencesWindow : public QDialog {
    Q_OBJECT
public:
    GraphPreferencesWindow(const QString& iniFile, QWidget* parent);

    QTableWidget* Colours() const { return colours_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLabel* Sample() const { return sample_; }
    // The colours in the order shown.
    GraphColours ShownColours() const;

    // Moves the selected colour up (-1) or down (+1); a beep at either end.
    void MoveSelected(int step);
    void Reset();
    // Takes a font for the graph's texts (the font dialog's choice).
    void SetFont(const QFont& font);

protected:
    void done(int result) override;

private:
    void FillColours(const GraphColours& shown, int selected);
    void ShowSample();

    IniFile ini_;
    GraphPreferences held_;
    QString styleName_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* colours_ = nullptr;
    QLabel* sample_ = nullptr;
};

// The font of the graph's texts as the preferences name it.
QFont GraphFont(const GraphPreferences& preferences);

} // namespace vl
