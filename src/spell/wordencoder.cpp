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
    out.clear();
    for (int i = 0; i < length; ++i) {
        char32_t c = text[i].unicode();
        if (c == 0)
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= length || !text[i + 1].isLowSurrogate())
                return false;
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
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
    if (m_utf8)
        return QString::fromUtf8(bytes.data(), int(bytes.size()));
    if (m_codec)
        return m_codec->toUnicode(bytes.data(), int(bytes.size()));
    return QString();
}
