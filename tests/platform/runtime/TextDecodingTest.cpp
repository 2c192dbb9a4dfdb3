// The text of other programs' files: the encoding by mark or by the bytes,
// damaged UTF-16 refused, and a large file read piece by piece with
// characters cut at the pieces' ends put back together.

#include "platform/runtime/TextDecoding.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace vl {
namespace {

QByteArray Utf16Le(const QString& text)
{
    return QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

TEST(TextDecoding, ChoosesTheEncodingAndRefusesDamagedUtf16)
{
    const QString text = QStringLiteral(u"caf\u00e9 \u20ac \U0001F600");
    struct Case {
        QByteArray bytes;
        std::optional<QString> text;
    };
    QByteArray odd = Utf16Le(text);
    odd.chop(1);
    const Case cases[] = {
        {"\xEF\xBB\xBF" + text.toUtf8(), text},
        {text.toUtf8(), text},
        {Utf16Le(text), text},
        {QByteArray("\xFE\xFF\x00\x41", 4), QStringLiteral("A")},
        {QByteArray("caf\xE9 \x80", 6), QStringLiteral(u"caf\u00e9 \u20ac")}, // not UTF-8: Windows-1252
        {odd, std::nullopt},
        {Utf16Le(QString(QChar(0xD800)) + "x"), std::nullopt}, // a lone surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeText(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

TEST(TextDecoding, ReadsAFileInPieces)
{
    // Over a megabyte, so that characters of two, three and four bytes (and
    // surrogate pairs) fall across the ends of pieces.
    QString text;
    while (text.size() < 800000)
        text += QStringLiteral(u"\u00e9\u20ac\U0001F600ab\n");
    QByteArray damaged = Utf16Le(text);
    damaged.chop(1);
    for (const QByteArray& bytes : {text.toUtf8(), Utf16Le(text), damaged}) {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(bytes);
        TextPieceReader reader(std::move(buffer));
        ASSERT_TRUE(reader.Open());
        QString read;
        int pieces = 0;
        while (reader.Read(read))
            ++pieces;
        if (bytes.size() % 2 == 1) {
            EXPECT_FALSE(reader.Error().isEmpty());
            continue;
        }
        EXPECT_GT(pieces, 1);
        EXPECT_EQ(reader.Error(), QString());
        EXPECT_TRUE(read == text);
        EXPECT_EQ(reader.Position(), reader.Size());
    }
}

} // namespace
} // namespace vl
