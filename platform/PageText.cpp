#include "platform/PageText.h"
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr qsizetype kPrescanBytes = 1024;

// Windows-1251 upper half, as browsers decode it; built in, so that the
// course's own code page never depends on which converters Qt was built with.
constexpr char16_t kCp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

QString fromCp1251(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = b < 0x80 ? QChar(b) : QChar(kCp1251High[b - 0x80]);
    }
    return text;
}

bool isCp1251Name(const QByteArray& charset)
{
    return charset == "windows-1251" || charset == "cp1251" || charset == "x-cp1251";
}

QByteArray charsetFromBom(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return "utf-8";
    if (bytes.startsWith("\xFF\xFE"))
        return "utf-16le";
    if (bytes.startsWith("\xFE\xFF"))
        return "utf-16be";
    return {};
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

QString decodeAs(const QByteArray& charset, const QByteArray& bytes, bool* known)
{
    if (isCp1251Name(charset)) {
        *known = true;
        return fromCp1251(bytes);
    }
    QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
    *known = decoder.isValid();
    if (!*known)
        return {};
    return decoder(bytes);
}

} // namespace

QByteArray declaredPageCharset(const QByteArray& bytes)
{
    const QByteArray bom = charsetFromBom(bytes);
    if (!bom.isEmpty())
        return bom;
    // Declarations are ASCII in every character set a page can declare
    // this way, so Latin-1 keeps their bytes as they are.
    const QString head = QString::fromLatin1(bytes.left(kPrescanBytes));
    static const QRegularExpression meta(
        QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*([A-Za-z0-9._:\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression xml(
        QStringLiteral(R"(^\s*<\?xml\b[^>]*?\bencoding\s*=\s*["']([A-Za-z0-9._:\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = meta.match(head);
    if (!m.hasMatch())
        m = xml.match(head);
    if (!m.hasMatch())
        return {};
    return m.captured(1).toLower().toLatin1();
}

QString decodePageText(const QByteArray& bytes)
{
    const QByteArray declared = declaredPageCharset(bytes);
    if (!declared.isEmpty()) {
        bool known = false;
        QString text = decodeAs(declared, bytes, &known);
        if (known) {
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
            return text;
        }
    }
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromCp1251(bytes);
}

QByteArray pageTextAsUtf8(const QByteArray& bytes)
{
    return decodePageText(bytes).toUtf8();
}

bool pageIsInCodePage(const QByteArray& bytes)
{
    return declaredPageCharset(bytes).isEmpty() && !isValidUtf8(bytes);
}
