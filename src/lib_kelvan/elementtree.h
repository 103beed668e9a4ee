#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace kelvan {

// One element of the support library's small XML dialect, used for the
// settings files and the control records clients exchange. Names, attribute
// values and text are UTF-8 bytes. Attributes keep their insertion order,
// which the writer reproduces.
class Element
{
public:
    explicit Element(QByteArray name = QByteArray());
    Element(const Element &other);
    Element &operator=(const Element &other);
    Element(Element &&) noexcept = default;
    Element &operator=(Element &&) noexcept = default;
    ~Element();

    const QByteArray &name() const { return m_name; }
    void setName(const QByteArray &name) { m_name = name; }

    const QByteArray &text() const { return m_text; }
    void setText(const QByteArray &text) { m_text = text; }

    // Attributes. Lookups fold ASCII letters, the first match wins; a missing
    // attribute reads as empty. Setting an existing name (same folding)
    // replaces its value in place.
    void setAttribute(const QByteArray &name, const QByteArray &value);
    QByteArray attribute(const QByteArray &name) const;
    bool hasAttribute(const QByteArray &name) const;
    int attributeCount() const { return int(m_attributes.size()); }
    const QByteArray &attributeName(int index) const { return m_attributes[size_t(index)].first; }
    const QByteArray &attributeValue(int index) const { return m_attributes[size_t(index)].second; }

    // Children. child() looks a child up by name ignoring ASCII case (first
    // match wins) and, when there is none, appends an empty child of that
    // name, so an absent key reads as empty text. findChild() never adds.
    Element &child(const QByteArray &name);
    const Element *findChild(const QByteArray &name) const;
    Element &appendChild(const QByteArray &name);
    Element &appendChild(Element element);
    // Appends a child holding only text, the shape of every settings leaf.
    Element &appendTextChild(const QByteArray &name, const QByteArray &text);
    int childCount() const { return int(m_children.size()); }
    Element &childAt(int index) { return *m_children[size_t(index)]; }
    const Element &childAt(int index) const { return *m_children[size_t(index)]; }
    void clearChildren();

    bool isEmpty() const { return m_name.isEmpty() && m_text.isEmpty() && m_attributes.empty() && m_children.empty(); }

    // Exact comparison: names, text, attributes (in order, names compared
    // byte for byte) and children (in order).
    bool operator==(const Element &other) const;
    bool operator!=(const Element &other) const { return !(*this == other); }

private:
    QByteArray m_name;
    QByteArray m_text;
    std::vector<std::pair<QByteArray, QByteArray>> m_attributes;
    std::vector<std::unique_ptr<Element>> m_children;
};

// Writes the element the way the settings files and control records fix it:
// one element per line indented by one tab per level (starting at `level`),
// CR LF after every line, attributes in insertion order as name="value",
// an element with only text on one line, an element with neither text nor
// children closed with "/>" straight after its last attribute. The five
// characters & < > ' " are written as entities in text and values; all
// other bytes (control characters, UTF-8) are written as they are.
// An element with both text and children gets its text on a line of its own
// before the children; whitespace at either end of that text is written as
// character references so that the reader, which trims the indentation
// around mixed content, gives back the exact text.
// Names are written as given; the caller keeps them to XML name characters.
QByteArray writeElement(const Element &element, int level = 0);

// Limits that keep a hostile file or peer from costing unbounded time or
// memory: deeper or larger input is a failure, not a crash.
struct ReadLimits
{
    int maxDepth = 128;                          // the root is depth 1
    qsizetype maxInputBytes = 16 * 1024 * 1024;
    // Elements and attributes together. Each costs a few hundred bytes in
    // the tree, so this keeps the tree of a hostile input within a few
    // hundred megabytes; real settings files hold a few thousand.
    qsizetype maxNodes = 1000 * 1000;
};

struct ReadResult
{
    bool ok = false;
    QString error; // empty when ok; otherwise what and where (byte offset)
    explicit operator bool() const { return ok; }
};

// Reads the first element of `text` into `out`. Accepts any well-formed
// element with arbitrary whitespace, skips comments, an XML declaration and
// processing instructions, and unescapes the five entities (unknown entities
// stay as written). Unlike a strict XML parser it accepts control characters
// such as U+0002 in text and values, because message markup carries them.
// Malformed, truncated, too deep or too large input leaves `out` empty and
// returns a failure.
//
// Details a caller may meet:
// - A UTF-8 byte order mark, a DOCTYPE without internal subset, and CDATA
//   sections are accepted; numeric character references (&#65; &#x41;) are
//   decoded to UTF-8 when they name a valid code point.
// - Text and attribute values are kept byte for byte: no line-end or
//   attribute-value whitespace normalisation, so CR LF inside text survives.
// - An element without children keeps its whole text, whitespace included.
//   An element with children keeps only the non-whitespace text between
//   them: each run is trimmed of the (unescaped) indentation around it.
// - A later attribute whose name equals an earlier one ignoring ASCII case
//   is dropped, matching lookups where the first match wins.
// - Closing tags must repeat the opening name exactly (case included).
// - Parsing stops at the root's closing tag; whatever follows it is not
//   looked at, so a trailing CR LF, comment or second record does no harm.
ReadResult readElement(const QByteArray &text, Element &out, const ReadLimits &limits = ReadLimits());

// The five-entity escaping the writer applies, exposed for callers that
// build element text by hand.
QByteArray escapeEntities(const QByteArray &raw);

} // namespace kelvan
