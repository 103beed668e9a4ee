#pragma once

#include <QString>

#include <string>

class QTextCodec;

// Converts the editor's words to the byte encoding of one dictionary and its
// suggestions back. Hunspell compares bytes in the encoding named by the
// dictionary's SET line: the Debian dictionaries are mostly UTF-8, older ones
// ISO-8859-x or KOI8-R.
//
// encode() writes into a caller-owned buffer so that checking a document word
// by word allocates nothing once the buffer has grown to the longest word.
class WordEncoder
{
public:
    // Words longer than this many UTF-16 units are never sent to Hunspell:
    // no language has such words, and Hunspell's own limits are in bytes of
    // the dictionary's encoding, which the editor cannot know.
    static constexpr int MaxWordLength = 100;

    // `encoding` as reported by Hunspell ("UTF-8", "ISO8859-1", ...).
    explicit WordEncoder(const QByteArray &encoding);

    // False for an encoding Qt has no codec for; such a dictionary cannot be
    // used because no word could be given to it faithfully.
    bool isValid() const { return m_utf8 || m_codec; }
    bool isUtf8() const { return m_utf8; }

    // Encodes `word` into `out`. False (and `out` unspecified) for an empty
    // word, one longer than MaxWordLength, one with a NUL or an unpaired
    // surrogate, or one the encoding cannot represent.
    bool encode(const QString &word, std::string &out) const;

    // Decodes a string Hunspell returned.
    QString decode(const std::string &bytes) const;

    // The codec name Qt knows for a Hunspell encoding name, e.g. "ISO8859-1"
    // → "ISO-8859-1", "microsoft-cp1251" → "windows-1251".
    static QByteArray qtCodecName(const QByteArray &hunspellEncoding);

    // The UTF-16 → UTF-8 step of encode(), public for the fuzzer.
    static bool encodeUtf8(const QChar *text, int length, std::string &out);

private:
    bool m_utf8 = false;
    QTextCodec *m_codec = nullptr; // not owned: Qt keeps codecs for the process
};
