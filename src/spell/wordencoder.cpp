#include "spell/wordencoder.h"

#include <QTextCodec>

WordEncoder::WordEncoder(const QByteArray &encoding)
{
    const QByteArray name = qtCodecName(encoding);
    if (name.compare("UTF-8", Qt::CaseInsensitive) == 0) {
        m_utf8 = true;
        return;
    }
    m_codec = QTextCodec::codecForName(name);
}

QByteArray WordEncoder::qtCodecName(const QByteArray &hunspellEncoding)
{
    QByteArray name = hunspellEncoding.trimmed();
    // Hunspell's affix files spell the ISO names without the first dash and
    // the Windows code pages with a vendor prefix Qt does not know.
    if (name.startsWith("ISO8859-"))
        name.insert(3, '-');
    else if (name.startsWith("microsoft-cp"))
        name = "windows-" + name.mid(int(qstrlen("microsoft-cp")));
    return name;
}

bool WordEncoder::encodeUtf8(const QChar *text, int length, std::string &out)
{
    // Three bytes per UTF-16 unit is the most UTF-8 needs (a surrogate pair
    // takes two units and four bytes). Writing through a pointer into the
    // reused buffer keeps the per-character cost to a few instructions.
    out.resize(size_t(length) * 3);
    char *p = &out[0];
    for (int i = 0; i < length; ++i) {
        char32_t c = text[i].unicode();
        if (c < 0x80) {
            if (c == 0)
                return false;
            *p++ = char(c);
            continue;
        }
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= length || !text[i + 1].isLowSurrogate())
                return false;
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
        // Noncharacters are never part of a word, and the toolkit's UTF-8
        // decoder turns them into U+FFFD, so Hunspell's answers for them
        // could not be mapped back.
        if (QChar::isNonCharacter(c))
            return false;
        if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
            *p++ = char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        } else {
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    out.resize(size_t(p - out.data()));
    return !out.empty();
}

bool WordEncoder::encode(const QString &word, std::string &out) const
{
    if (word.isEmpty() || word.size() > MaxWordLength)
        return false;
    if (m_utf8)
        return encodeUtf8(word.constData(), word.size(), out);
    if (!m_codec)
        return false;
    if (word.contains(QChar(0)))
        return false;
    // A codec silently substitutes what it cannot represent, so a word is
    // accepted only when it survives the round trip unchanged.
    const QByteArray bytes = m_codec->fromUnicode(word);
    if (bytes.isEmpty() || m_codec->toUnicode(bytes) != word)
        return false;
    out.assign(bytes.constData(), size_t(bytes.size()));
    return true;
}

QString WordEncoder::decode(const std::string &bytes) const
{
    if (m_utf8) {
        // QString::fromUtf8 drops a leading EF BB BF as a byte order mark, so
        // a word that starts with U+FEFF would come back one letter short.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        return QTextCodec::codecForMib(106)->toUnicode(bytes.data(), int(bytes.size()), &state);
    }
    if (m_codec)
        return m_codec->toUnicode(bytes.data(), int(bytes.size()));
    return QString();
}
