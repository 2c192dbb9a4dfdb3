#include "xplore/FormatString.h"

#include "platform/runtime/FixedText.h"

#include <QStringList>

namespace vl {

namespace {

bool IsJustification(QChar c)
{
    return c == u'L' || c == u'R' || c == u'C' || c == u'D';
}

QString Offset(int offset)
{
    return offset != 0 ? QStringLiteral("(%1)").arg(offset) : QString();
}

QString Colours(const ColumnColours& colours)
{
    bool any = false;
    QStringList parts;
    for (int colour : colours) {
        any = any || colour != -1;
        parts << (colour == -1 ? QString() : QString::number(colour));
    }
    return any ? QStringLiteral("E(") + parts.join(u',') + u')' : QString();
}

// Reads the format string one column at a time.
class FormatReader {
public:
    explicit FormatReader(const QString& text) : text_(text) {}

    std::optional<std::vector<XploreColumn>> Read()
    {
        while (at_ < text_.size()) {
            const QChar c = text_[at_];
            if (c.isDigit()) {
                if (!StartColumn())
                    return std::nullopt;
            } else if (!current_ || !ReadAttribute(c)) {
                return std::nullopt;
            }
        }
        if (current_)
            columns_.push_back(*current_);
        if (columns_.empty())
            return std::nullopt;
        return columns_;
    }

private:
    bool StartColumn()
    {
        if (current_) {
            columns_.push_back(*current_);
            field_ += extra_;
            extra_ = 0;
        }
        ++field_;
        current_ = XploreColumn{};
        current_->fieldNumber = field_;
        current_->border = false;
        current_->resizable = false;
        current_->dataOffset = 0;
        current_->headerOffset = 0;
        afterHeader_ = false;
        const int start = at_;
        while (at_ < text_.size() && text_[at_].isDigit())
            ++at_;
        current_->width = text_.mid(start, at_ - start).toInt();
        if (at_ >= text_.size() || !IsJustification(text_[at_]))
            return false;
        current_->dataJust = text_[at_++];
        return true;
    }

    // The text up to the closing character, after the opening one; false
    // when it is never closed.
    bool Enclosed(QChar close, QString& inside)
    {
        const int end = text_.indexOf(close, at_ + 1);
        if (end < 0)
            return false;
        inside = text_.mid(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        return true;
    }

    bool ReadNumber(QChar close, int& number)
    {
        QString inside;
        if (!Enclosed(close, inside))
            return false;
        bool ok = false;
        number = inside.toInt(&ok);
        return ok;
    }

    bool ReadColours()
    {
        ++at_; // the "E"; "(" follows
        QString inside;
        if (at_ >= text_.size() || text_[at_] != u'(' || !Enclosed(u')', inside))
            return false;
        const QStringList parts = inside.split(u',');
        if (parts.size() != 4)
            return false;
        for (int i = 0; i < 4; ++i) {
            bool ok = true;
            current_->colours[i] = parts[i].isEmpty() ? -1 : parts[i].toInt(&ok);
            if (!ok)
                return false;
        }
        return true;
    }

    bool ReadAttribute(QChar c)
    {
        QString skipped;
        switch (c.unicode()) {
        case u'(':
            return ReadNumber(u')', afterHeader_ ? current_->headerOffset : current_->dataOffset);
        case u'~':
            afterHeader_ = true;
            return Enclosed(u'~', current_->header);
        case u'@':
            if (!Enclosed(u'@', current_->picture))
                return false;
            current_->picture.prepend(u'@');
            return true;
        case u'#':
            if (!ReadNumber(u'#', field_))
                return false;
            current_->fieldNumber = field_;
            return true;
        case u'E':
            return ReadColours();
        case u'S':
        case u'Z':
            return Enclosed(u')', skipped);
        case u'T':
            return Enclosed(u']', skipped);
        case u'*':
            current_->hasColours = true;
            extra_ += 4;
            break;
        case u'I':
            current_->hasIcon = true;
            extra_ += 1;
            break;
        case u'J':
            extra_ += 1;
            break;
        case u'F':
            current_->fixed = true;
            break;
        case u'_':
            current_->underline = true;
            break;
        case u'M':
            current_->resizable = true;
            break;
        case u'|':
            current_->border = true;
            break;
        case u'/':
        case u'?':
        case u'Y':
        case u'[':
        case u']':
            break;
        case u'L':
        case u'R':
        case u'C':
        case u'D':
            if (afterHeader_)
                current_->headerJust = c;
            break;
        default:
            return false;
        }
        ++at_;
        return true;
    }

    const QString& text_;
    int at_ = 0;
    int field_ = 0;
    int extra_ = 0;
    bool afterHeader_ = false;
    std::optional<XploreColumn> current_;
    std::vector<XploreColumn> columns_;
};

} // namespace

QString FormatSegment(const XploreColumn& column)
{
    QString segment = QString::number(column.width) + column.dataJust + Offset(column.dataOffset);
    if (column.hasColours)
        segment += u'*';
    if (column.hasIcon)
        segment += u'I';
    if (column.fixed)
        segment += u'F';
    if (column.underline)
        segment += u'_';
    if (column.resizable)
        segment += u'M';
    if (column.border)
        segment += u'|';
    const QString picture = column.picture.isEmpty() ? QString::fromLatin1(kDefaultColumnPicture) : column.picture;
    segment += u'~' + CutTo(Clip(column.header), kFormatHeaderWidth) + u'~' + column.headerJust +
               Offset(column.headerOffset) + picture + u'@' + u'#' + QString::number(column.fieldNumber) +
               u'#' + Colours(column.colours);
    return segment;
}

QString BuildFormatString(const std::vector<XploreColumn>& columns)
{
    QString text;
    for (const XploreColumn& column : columns)
        text += FormatSegment(column);
    return text;
}

std::optional<std::vector<XploreColumn>> ParseFormatString(const QString& text)
{
    const QString clipped = Clip(text);
    return FormatReader(clipped).Read();
}

} // namespace vl
