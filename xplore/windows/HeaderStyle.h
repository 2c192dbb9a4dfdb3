#pragma once
// Draws the header sections of an Xplore list with each column's own header
// justification and underline (the "Underline" sort mark), which the list's
// model does not carry.

#include <QProxyStyle>

#include <map>

namespace vl {

class HeaderStyle : public QProxyStyle {
public:
    struct Section {
        Qt::Alignment alignment = Qt::AlignLeft;
        bool underline = false;
    };

    HeaderStyle() = default;

    // The attributes of a header section (by the model's column).
    void SetSection(int section, const Section& look) { sections_[section] = look; }
    const Section* Look(int section) const;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    std::map<int, Section> sections_;
};

} // namespace vl
