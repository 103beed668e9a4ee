#include "elementtree.h"

#include <QSet>

#include <cstring>

namespace kelvan {

namespace {

// Trees can be built by hand as deep as a caller likes and readElement's
// depth limit is the caller's choice too, so nothing below recurses over
// the depth of a tree: copying, comparing, writing and destroying all walk
// it with an explicit stack.

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// QByteArray's own case-insensitive compare also folds Latin-1 letters,
// which would match unrelated UTF-8 bytes; names fold ASCII only.
bool equalsFolded(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    const char *pa = a.constData();
    const char *pb = b.constData();
    for (int i = 0; i < a.size(); ++i) {
        if (foldAscii(pa[i]) != foldAscii(pb[i]))
            return false;
    }
    return true;
}

QByteArray foldedCopy(const QByteArray &name)
{
    QByteArray folded = name;
    char *p = folded.data();
    for (int i = 0; i < folded.size(); ++i)
        p[i] = foldAscii(p[i]);
    return folded;
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameStart(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || u >= 0x80;
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

void appendEscaped(QByteArray &out, const char *data, int size)
{
    int runStart = 0;
    for (int i = 0; i < size; ++i) {
        const char *entity = nullptr;
        switch (data[i]) {
        case '&': entity = "&amp;"; break;
        case '<': entity = "&lt;"; break;
        case '>': entity = "&gt;"; break;
        case '\'': entity = "&apos;"; break;
        case '"': entity = "&quot;"; break;
        default: continue;
        }
        out.append(data + runStart, i - runStart);
        out.append(entity);
        runStart = i + 1;
    }
    out.append(data + runStart, size - runStart);
}

void appendSpaceReference(QByteArray &out, char c)
{
    switch (c) {
    case ' ': out.append("&#32;"); break;
    case '\t': out.append("&#9;"); break;
    case '\r': out.append("&#13;"); break;
    default: out.append("&#10;"); break;
    }
}

// Text of an element that also has children: the reader trims the
// indentation around it, so whitespace that belongs to the text itself is
// written as references the trimming cannot touch.
void appendMixedText(QByteArray &out, const QByteArray &text)
{
    const char *data = text.constData();
    int begin = 0;
    int end = text.size();
    while (begin < end && isXmlSpace(data[begin]))
        appendSpaceReference(out, data[begin++]);
    int trailing = end;
    while (trailing > begin && isXmlSpace(data[trailing - 1]))
        --trailing;
    appendEscaped(out, data + begin, trailing - begin);
    for (int i = trailing; i < end; ++i)
        appendSpaceReference(out, data[i]);
}

// Encodes a code point as UTF-8 into `buffer`; returns the byte count.
int encodeUtf8(uint cp, char *buffer)
{
    if (cp < 0x80) {
        buffer[0] = char(cp);
        return 1;
    }
    if (cp < 0x800) {
        buffer[0] = char(0xC0 | (cp >> 6));
        buffer[1] = char(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        buffer[0] = char(0xE0 | (cp >> 12));
        buffer[1] = char(0x80 | ((cp >> 6) & 0x3F));
        buffer[2] = char(0x80 | (cp & 0x3F));
        return 3;
    }
    buffer[0] = char(0xF0 | (cp >> 18));
    buffer[1] = char(0x80 | ((cp >> 12) & 0x3F));
    buffer[2] = char(0x80 | ((cp >> 6) & 0x3F));
    buffer[3] = char(0x80 | (cp & 0x3F));
    return 4;
}

// Decodes the reference body between '&' and ';' ("amp", "#65", "#x41")
// into `buffer` (at least 4 bytes) and returns its length, or 0 for
// anything unknown, which the caller keeps as written.
int decodeReference(const char *body, int length, char *buffer)
{
    struct Named { const char *name; int length; char value; };
    static const Named named[] = {
        {"amp", 3, '&'}, {"lt", 2, '<'}, {"gt", 2, '>'}, {"apos", 4, '\''}, {"quot", 4, '"'},
    };
    for (const Named &n : named) {
        if (length == n.length && std::memcmp(body, n.name, size_t(length)) == 0) {
            buffer[0] = n.value;
            return 1;
        }
    }
    if (length < 2 || body[0] != '#')
        return 0;
    const bool hex = body[1] == 'x';
    int i = hex ? 2 : 1;
    if (i >= length)
        return 0;
    uint cp = 0;
    for (; i < length; ++i) {
        const char c = body[i];
        uint digit;
        if (c >= '0' && c <= '9')
            digit = uint(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = uint(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = uint(c - 'A' + 10);
        else
            return 0;
        cp = cp * (hex ? 16 : 10) + digit;
        if (cp > 0x10FFFF)
            return 0;
    }
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return encodeUtf8(cp, buffer);
}

// Longest reference body worth looking for: "#x10FFFF" plus leading zeros
// some writers emit. Bounding the look-ahead keeps unescaping linear.
constexpr int kMaxReferenceBody = 16;

void appendUnescaped(QByteArray &out, const char *data, int size)
{
    int runStart = 0;
    int i = 0;
    while (i < size) {
        if (data[i] != '&') {
            ++i;
            continue;
        }
        const int limit = qMin(size, i + 1 + kMaxReferenceBody + 1);
        int semicolon = -1;
        for (int j = i + 1; j < limit; ++j) {
            if (data[j] == ';') {
                semicolon = j;
                break;
            }
            if (data[j] == '&')
                break;
        }
        if (semicolon < 0) {
            ++i;
            continue;
        }
        char decoded[4];
        const int decodedLength = decodeReference(data + i + 1, semicolon - i - 1, decoded);
        if (decodedLength == 0) {
            i = semicolon + 1;
            continue;
        }
        out.append(data + runStart, i - runStart);
        out.append(decoded, decodedLength);
        i = semicolon + 1;
        runStart = i;
    }
    out.append(data + runStart, size - runStart);
}

// The reader proper. One pass over the bytes; open elements live on an
// explicit stack bounded by ReadLimits::maxDepth.
class Reader
{
public:
    Reader(const QByteArray &text, const ReadLimits &limits)
        : m_data(text.constData()), m_size(text.size()), m_limits(limits)
    {
    }

    bool read(Element &root)
    {
        if (m_size > m_limits.maxInputBytes)
            return fail(QStringLiteral("input of %1 bytes exceeds the limit of %2").arg(m_size).arg(m_limits.maxInputBytes), 0);
        if (m_size >= 3 && std::memcmp(m_data, "\xEF\xBB\xBF", 3) == 0)
            m_pos = 3;
        if (!skipProlog())
            return false;
        return readRoot(root);
    }

    QString error() const { return m_error; }

private:
    // Text is collected here and stored when the element closes: appending
    // to the element's own text would copy it on every run.
    struct Open
    {
        Element *element;
        QByteArray text;
        QByteArray trimmedText; // the runs without the indentation around them
    };

    bool fail(const QString &what, qsizetype offset)
    {
        m_error = QStringLiteral("%1 at byte %2").arg(what).arg(offset);
        return false;
    }

    bool startsWith(const char *literal) const
    {
        const qsizetype n = qsizetype(std::strlen(literal));
        return m_size - m_pos >= n && std::memcmp(m_data + m_pos, literal, size_t(n)) == 0;
    }

    // Position of `needle` at or after `from`, or -1.
    qsizetype find(const char *needle, qsizetype from) const
    {
        const size_t n = std::strlen(needle);
        if (from >= m_size)
            return -1;
        const char *begin = m_data + from;
        const char *end = m_data + m_size;
        while (size_t(end - begin) >= n) {
            const void *hit = std::memchr(begin, needle[0], size_t(end - begin) - n + 1);
            if (!hit)
                return -1;
            const char *p = static_cast<const char *>(hit);
            if (std::memcmp(p, needle, n) == 0)
                return p - m_data;
            begin = p + 1;
        }
        return -1;
    }

    void skipSpace()
    {
        while (m_pos < m_size && isXmlSpace(m_data[m_pos]))
            ++m_pos;
    }

    // Comments, processing instructions and CDATA: skip to the terminator.
    // `opener` is where the construct began, for the error message.
    bool skipTo(const char *terminator, const QString &what, qsizetype opener)
    {
        const qsizetype end = find(terminator, m_pos);
        if (end < 0)
            return fail(QStringLiteral("unterminated %1").arg(what), opener);
        m_pos = end + qsizetype(std::strlen(terminator));
        return true;
    }

    bool skipComment()
    {
        const qsizetype opener = m_pos;
        m_pos += 4; // "<!--"
        return skipTo("-->", QStringLiteral("comment"), opener);
    }

    bool skipProcessingInstruction()
    {
        const qsizetype opener = m_pos;
        m_pos += 2;
        return skipTo("?>", QStringLiteral("processing instruction"), opener);
    }

    // A document type declaration; an internal subset in brackets may hold
    // '>' characters, so brackets are tracked (without nesting, which the
    // subset grammar does not have).
    bool skipDoctype()
    {
        const qsizetype start = m_pos;
        bool inSubset = false;
        for (; m_pos < m_size; ++m_pos) {
            const char c = m_data[m_pos];
            if (c == '[')
                inSubset = true;
            else if (c == ']')
                inSubset = false;
            else if (c == '>' && !inSubset) {
                ++m_pos;
                return true;
            }
        }
        return fail(QStringLiteral("unterminated document type declaration"), start);
    }

    bool skipProlog()
    {
        for (;;) {
            skipSpace();
            if (m_pos >= m_size)
                return fail(QStringLiteral("no element found"), m_pos);
            if (startsWith("<!--")) {
                if (!skipComment())
                    return false;
            } else if (startsWith("<?")) {
                if (!skipProcessingInstruction())
                    return false;
            } else if (startsWith("<!DOCTYPE")) {
                if (!skipDoctype())
                    return false;
            } else if (m_data[m_pos] == '<' && m_pos + 1 < m_size && isNameStart(m_data[m_pos + 1])) {
                return true;
            } else {
                return fail(QStringLiteral("expected an element"), m_pos);
            }
        }
    }

    bool readName(QByteArray &name)
    {
        const qsizetype start = m_pos;
        if (m_pos >= m_size)
            return fail(QStringLiteral("input ends where a name was expected"), m_pos);
        if (!isNameStart(m_data[m_pos]))
            return fail(QStringLiteral("expected a name"), m_pos);
        while (m_pos < m_size && isNameChar(m_data[m_pos]))
            ++m_pos;
        name = QByteArray(m_data + start, int(m_pos - start));
        return true;
    }

    bool countNode(qsizetype offset)
    {
        if (++m_nodes > m_limits.maxNodes)
            return fail(QStringLiteral("more than %1 elements and attributes").arg(m_limits.maxNodes), offset);
        return true;
    }

    // Reads "<name attr='v' ...>" or ".../>" with m_pos on '<'.
    bool readStartTag(Element &element, bool &selfClosing)
    {
        const qsizetype tagStart = m_pos;
        ++m_pos;
        QByteArray name;
        if (!readName(name))
            return false;
        element.setName(name);
        if (!countNode(tagStart))
            return false;
        // Duplicate detection by linear scan is quadratic in the attribute
        // count; past a handful of attributes a set of folded names takes over.
        constexpr int kLinearScanLimit = 8;
        QSet<QByteArray> seen;
        for (;;) {
            const qsizetype beforeSpace = m_pos;
            skipSpace();
            if (m_pos >= m_size)
                return fail(QStringLiteral("input ends inside the tag <%1>").arg(QString::fromUtf8(name)), tagStart);
            const char c = m_data[m_pos];
            if (c == '>') {
                ++m_pos;
                selfClosing = false;
                return true;
            }
            if (c == '/') {
                if (m_pos + 1 >= m_size)
                    return fail(QStringLiteral("input ends inside the tag <%1>").arg(QString::fromUtf8(name)), tagStart);
                if (m_data[m_pos + 1] != '>')
                    return fail(QStringLiteral("expected '>' after '/'"), m_pos + 1);
                m_pos += 2;
                selfClosing = true;
                return true;
            }
            if (m_pos == beforeSpace)
                return fail(QStringLiteral("expected whitespace, '>' or '/>' in the tag <%1>").arg(QString::fromUtf8(name)), m_pos);
            const qsizetype attributeStart = m_pos;
            QByteArray attributeName;
            if (!readName(attributeName))
                return false;
            skipSpace();
            if (m_pos >= m_size || m_data[m_pos] != '=')
                return fail(QStringLiteral("expected '=' after the attribute %1").arg(QString::fromUtf8(attributeName)), m_pos);
            ++m_pos;
            skipSpace();
            if (m_pos >= m_size || (m_data[m_pos] != '"' && m_data[m_pos] != '\''))
                return fail(QStringLiteral("expected a quoted value for the attribute %1").arg(QString::fromUtf8(attributeName)), m_pos);
            const char quote = m_data[m_pos++];
            const qsizetype valueStart = m_pos;
            const void *close = std::memchr(m_data + m_pos, quote, size_t(m_size - m_pos));
            if (!close)
                return fail(QStringLiteral("unterminated value of the attribute %1").arg(QString::fromUtf8(attributeName)), valueStart - 1);
            const qsizetype valueEnd = static_cast<const char *>(close) - m_data;
            if (std::memchr(m_data + valueStart, '<', size_t(valueEnd - valueStart)))
                return fail(QStringLiteral("'<' in the value of the attribute %1").arg(QString::fromUtf8(attributeName)), valueStart);
            m_pos = valueEnd + 1;
            if (!countNode(attributeStart))
                return false;

            bool duplicate = false;
            if (element.attributeCount() < kLinearScanLimit) {
                duplicate = element.hasAttribute(attributeName);
            } else {
                if (seen.isEmpty()) {
                    for (int i = 0; i < element.attributeCount(); ++i)
                        seen.insert(foldedCopy(element.attributeName(i)));
                }
                const QByteArray folded = foldedCopy(attributeName);
                duplicate = seen.contains(folded);
                if (!duplicate)
                    seen.insert(folded);
            }
            if (duplicate)
                continue;
            QByteArray value;
            value.reserve(int(valueEnd - valueStart));
            appendUnescaped(value, m_data + valueStart, int(valueEnd - valueStart));
            element.setAttribute(attributeName, value);
        }
    }

    void appendText(Open &open, qsizetype begin, qsizetype end)
    {
        if (begin >= end)
            return;
        appendUnescaped(open.text, m_data + begin, int(end - begin));
        while (begin < end && isXmlSpace(m_data[begin]))
            ++begin;
        while (end > begin && isXmlSpace(m_data[end - 1]))
            --end;
        appendUnescaped(open.trimmedText, m_data + begin, int(end - begin));
    }

    bool readRoot(Element &root)
    {
        if (m_limits.maxDepth < 1)
            return fail(QStringLiteral("elements nest deeper than %1").arg(m_limits.maxDepth), m_pos);
        bool selfClosing = false;
        if (!readStartTag(root, selfClosing))
            return false;
        if (selfClosing)
            return true;

        std::vector<Open> stack;
        stack.push_back(Open{&root, QByteArray(), QByteArray()});
        while (!stack.empty()) {
            Open &top = stack.back();
            const void *lt = m_pos < m_size ? std::memchr(m_data + m_pos, '<', size_t(m_size - m_pos)) : nullptr;
            if (!lt)
                return fail(QStringLiteral("input ends inside the element <%1>").arg(QString::fromUtf8(top.element->name())), m_size);
            const qsizetype tagPos = static_cast<const char *>(lt) - m_data;
            appendText(top, m_pos, tagPos);
            m_pos = tagPos;

            if (startsWith("<!--")) {
                if (!skipComment())
                    return false;
            } else if (startsWith("<![CDATA[")) {
                const qsizetype opener = m_pos;
                const qsizetype start = m_pos + 9;
                m_pos = start;
                if (!skipTo("]]>", QStringLiteral("CDATA section"), opener))
                    return false;
                const QByteArray literal(m_data + start, int(m_pos - 3 - start));
                top.text += literal;
                top.trimmedText += literal;
            } else if (startsWith("<?")) {
                if (!skipProcessingInstruction())
                    return false;
            } else if (startsWith("</")) {
                const qsizetype closeStart = m_pos;
                m_pos += 2;
                QByteArray name;
                if (!readName(name))
                    return false;
                skipSpace();
                if (m_pos >= m_size)
                    return fail(QStringLiteral("input ends inside the closing tag </%1>").arg(QString::fromUtf8(name)), closeStart);
                if (m_data[m_pos] != '>')
                    return fail(QStringLiteral("expected '>' to end the closing tag </%1>").arg(QString::fromUtf8(name)), m_pos);
                ++m_pos;
                if (name != top.element->name())
                    return fail(QStringLiteral("closing tag </%1> does not match <%2>")
                                    .arg(QString::fromUtf8(name), QString::fromUtf8(top.element->name())),
                                closeStart);
                top.element->setText(top.element->childCount() > 0 ? top.trimmedText : top.text);
                stack.pop_back();
            } else {
                if (qsizetype(stack.size()) >= m_limits.maxDepth)
                    return fail(QStringLiteral("elements nest deeper than %1").arg(m_limits.maxDepth), m_pos);
                Element &child = top.element->appendChild(QByteArray());
                if (!readStartTag(child, selfClosing))
                    return false;
                if (!selfClosing)
                    stack.push_back(Open{&child, QByteArray(), QByteArray()});
            }
        }
        return true;
    }

    const char *m_data;
    qsizetype m_size;
    const ReadLimits &m_limits;
    qsizetype m_pos = 0;
    qsizetype m_nodes = 0;
    QString m_error;
};

} // namespace

Element::Element(QByteArray name)
    : m_name(std::move(name))
{
}

Element::Element(const Element &other)
{
    *this = other;
}

Element &Element::operator=(const Element &other)
{
    if (this == &other)
        return *this;
    Element copy; // built aside so that assigning a descendant of *this is safe
    copy.m_name = other.m_name;
    copy.m_text = other.m_text;
    copy.m_attributes = other.m_attributes;
    std::vector<std::pair<const Element *, Element *>> pending{{&other, &copy}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        to->m_children.reserve(from->m_children.size());
        for (const auto &child : from->m_children) {
            auto clone = std::make_unique<Element>(child->m_name);
            clone->m_text = child->m_text;
            clone->m_attributes = child->m_attributes;
            pending.emplace_back(child.get(), clone.get());
            to->m_children.push_back(std::move(clone));
        }
    }
    *this = std::move(copy);
    return *this;
}

Element::~Element()
{
    clearChildren();
}

void Element::clearChildren()
{
    std::vector<std::unique_ptr<Element>> pending = std::move(m_children);
    m_children.clear();
    while (!pending.empty()) {
        std::unique_ptr<Element> last = std::move(pending.back());
        pending.pop_back();
        for (auto &grandChild : last->m_children)
            pending.push_back(std::move(grandChild));
        last->m_children.clear();
    }
}

void Element::setAttribute(const QByteArray &name, const QByteArray &value)
{
    for (auto &attribute : m_attributes) {
        if (equalsFolded(attribute.first, name)) {
            attribute.second = value;
            return;
        }
    }
    m_attributes.emplace_back(name, value);
}

QByteArray Element::attribute(const QByteArray &name) const
{
    for (const auto &attribute : m_attributes) {
        if (equalsFolded(attribute.first, name))
            return attribute.second;
    }
    return QByteArray();
}

bool Element::hasAttribute(const QByteArray &name) const
{
    for (const auto &attribute : m_attributes) {
        if (equalsFolded(attribute.first, name))
            return true;
    }
    return false;
}

Element &Element::child(const QByteArray &name)
{
    for (auto &c : m_children) {
        if (equalsFolded(c->m_name, name))
            return *c;
    }
    return appendChild(name);
}

const Element *Element::findChild(const QByteArray &name) const
{
    for (const auto &c : m_children) {
        if (equalsFolded(c->m_name, name))
            return c.get();
    }
    return nullptr;
}

Element &Element::appendChild(const QByteArray &name)
{
    m_children.push_back(std::make_unique<Element>(name));
    return *m_children.back();
}

Element &Element::appendChild(Element element)
{
    m_children.push_back(std::make_unique<Element>(std::move(element)));
    return *m_children.back();
}

Element &Element::appendTextChild(const QByteArray &name, const QByteArray &text)
{
    Element &c = appendChild(name);
    c.m_text = text;
    return c;
}

bool Element::operator==(const Element &other) const
{
    std::vector<std::pair<const Element *, const Element *>> pending{{this, &other}};
    while (!pending.empty()) {
        const auto [a, b] = pending.back();
        pending.pop_back();
        if (a->m_name != b->m_name || a->m_text != b->m_text || a->m_attributes != b->m_attributes
            || a->m_children.size() != b->m_children.size())
            return false;
        for (size_t i = 0; i < a->m_children.size(); ++i)
            pending.emplace_back(a->m_children[i].get(), b->m_children[i].get());
    }
    return true;
}

QByteArray escapeEntities(const QByteArray &raw)
{
    QByteArray out;
    out.reserve(raw.size());
    appendEscaped(out, raw.constData(), raw.size());
    return out;
}

QByteArray writeElement(const Element &element, int level)
{
    level = qMax(level, 0);
    QByteArray out;

    // A frame is an element whose opening tag is written and whose children
    // are being written one by one.
    struct Frame
    {
        const Element *element;
        int level;
        int nextChild;
    };
    std::vector<Frame> stack;

    auto indent = [&out](int n) { out.append(n, '\t'); };
    auto openTag = [&out](const Element &e) {
        out.append('<');
        out.append(e.name());
        for (int i = 0; i < e.attributeCount(); ++i) {
            out.append(' ');
            out.append(e.attributeName(i));
            out.append("=\"");
            appendEscaped(out, e.attributeValue(i).constData(), e.attributeValue(i).size());
            out.append('"');
        }
    };
    // Writes the element's opening line(s); returns whether it needs a frame
    // for its children.
    auto begin = [&](const Element &e, int lvl) {
        indent(lvl);
        openTag(e);
        if (e.childCount() == 0) {
            if (e.text().isEmpty()) {
                out.append("/>\r\n");
            } else {
                out.append('>');
                appendEscaped(out, e.text().constData(), e.text().size());
                out.append("</");
                out.append(e.name());
                out.append(">\r\n");
            }
            return false;
        }
        out.append(">\r\n");
        if (!e.text().isEmpty()) {
            indent(lvl + 1);
            appendMixedText(out, e.text());
            out.append("\r\n");
        }
        return true;
    };

    if (begin(element, level))
        stack.push_back(Frame{&element, level, 0});
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.nextChild < top.element->childCount()) {
            const Element &c = top.element->childAt(top.nextChild++);
            const int childLevel = top.level + 1;
            if (begin(c, childLevel))
                stack.push_back(Frame{&c, childLevel, 0});
            continue;
        }
        indent(top.level);
        out.append("</");
        out.append(top.element->name());
        out.append(">\r\n");
        stack.pop_back();
    }
    return out;
}

ReadResult readElement(const QByteArray &text, Element &out, const ReadLimits &limits)
{
    out = Element();
    Element root;
    Reader reader(text, limits);
    ReadResult result;
    if (reader.read(root)) {
        out = std::move(root);
        result.ok = true;
    } else {
        result.error = reader.error();
    }
    return result;
}

} // namespace kelvan
