#pragma once
// The text of a file written by another program: the encoding is read from
// a byte-order mark (UTF-8, UTF-16 LE or BE), else UTF-8 when the bytes are
// valid UTF-8, else Windows-1252. A file marked as UTF-16 whose bytes are not
// UTF-16 (an odd number of bytes, a surrogate without its pair) is damaged:
// it is refused rather than read with characters replaced.

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QIODevice;

namespace vl {

// Why a damaged file is refused, for the caller's message.
QString DamagedTextReason();

// The whole text, or nothing when the file is damaged.
std::optional<QString> DecodeText(const QByteArray& bytes);

// Reads the text of a file piece by piece, so that a large file is never
// held whole: the encoding is chosen as DecodeText chooses it (a file
// without a mark is checked once from end to end for UTF-8).
class TextPieceReader {
public:
    explicit TextPieceReader(std::unique_ptr<QIODevice> device);
    ~TextPieceReader();
    TextPieceReader(TextPieceReader&&) noexcept;
    TextPieceReader& operator=(TextPieceReader&&) noexcept;

    // Opens the device and chooses the encoding; false with Error() set.
    bool Open();
    // Appends the next piece of text to `text`; false at the end, or on a
    // fault (Error() is then set).
    bool Read(QString& text);
    // Back to the start of the text.
    bool Rewind();
    qint64 Position() const; // bytes read so far
    qint64 Size() const;
    QString Error() const;

private:
    struct State;
    std::unique_ptr<State> d_;
};

} // namespace vl
