#include "widgetpath.h"

#include <QApplication>
#include <QRegularExpression>
#include <QWidget>

namespace hostkit {

namespace {

// Named widgets directly below `parent`, looking through unnamed ones.
void namedChildren(const QWidget *parent, QList<QWidget *> *out)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (w->objectName().isEmpty())
            namedChildren(w, out);
        else
            out->append(w);
    }
}

QList<QWidget *> topLevels()
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty())
            out.append(w);
    }
    return out;
}

struct Segment
{
    QString name;
    int index = -1;
    bool ok = false;
};

Segment parseSegment(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+?)(?:\\[(\\d+)\\])?$"));
    const auto m = pattern.match(text);
    Segment s;
    if (!m.hasMatch())
        return s;
    s.name = m.captured(1);
    s.index = m.captured(2).isEmpty() ? -1 : m.captured(2).toInt();
    s.ok = true;
    return s;
}

QWidget *pick(const QList<QWidget *> &candidates, const Segment &s, const QString &where, QString *error)
{
    QList<QWidget *> matches;
    for (QWidget *w : candidates) {
        if (w->objectName() == s.name)
            matches.append(w);
    }
    if (matches.isEmpty()) {
        *error = QStringLiteral("no widget named \"%1\" %2").arg(s.name, where);
        return nullptr;
    }
    if (s.index < 0 && matches.size() > 1) {
        *error = QStringLiteral("%1 widgets are named \"%2\" %3; add an index such as %2[0]").arg(matches.size()).arg(s.name, where);
        return nullptr;
    }
    const int i = s.index < 0 ? 0 : s.index;
    if (i >= matches.size()) {
        *error = QStringLiteral("\"%1[%2]\" %3: only %4 widgets have that name").arg(s.name).arg(i).arg(where).arg(matches.size());
        return nullptr;
    }
    return matches.at(i);
}

void describe(const QWidget *w, const QString &path, QString *out)
{
    *out += QStringLiteral("%1  (%2%3)\n").arg(path, QString::fromLatin1(w->metaObject()->className()),
                                             w->isVisible() ? QString() : QStringLiteral(", hidden"));
    QList<QWidget *> children;
    namedChildren(w, &children);
    QHash<QString, int> seen;
    QHash<QString, int> totals;
    for (QWidget *c : children)
        ++totals[c->objectName()];
    for (QWidget *c : children) {
        const int n = seen[c->objectName()]++;
        const QString segment = totals.value(c->objectName()) > 1 ? QStringLiteral("%1[%2]").arg(c->objectName()).arg(n) : c->objectName();
        describe(c, path + QLatin1Char('/') + segment, out);
    }
}

} // namespace

QWidget *WidgetPath::find(const QString &path, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        *error = QStringLiteral("empty widget path");
        return nullptr;
    }
    QWidget *current = nullptr;
    if (parts.first().startsWith(QLatin1Char('@'))) {
        const QString wanted = parts.first().mid(1);
        QList<QWidget *> matches;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle().contains(wanted, Qt::CaseInsensitive))
                matches.append(w);
        }
        if (matches.size() != 1) {
            *error = matches.isEmpty() ? QStringLiteral("no visible window has \"%1\" in its title").arg(wanted)
                                       : QStringLiteral("%1 visible windows have \"%2\" in their title").arg(matches.size()).arg(wanted);
            return nullptr;
        }
        current = matches.first();
    } else {
        const Segment s = parseSegment(parts.first());
        if (!s.ok) {
            *error = QStringLiteral("bad path segment \"%1\"").arg(parts.first());
            return nullptr;
        }
        current = pick(topLevels(), s, QStringLiteral("among the visible windows"), error);
    }
    for (int i = 1; current && i < parts.size(); ++i) {
        const Segment s = parseSegment(parts.at(i));
        if (!s.ok) {
            *error = QStringLiteral("bad path segment \"%1\"").arg(parts.at(i));
            return nullptr;
        }
        QList<QWidget *> children;
        namedChildren(current, &children);
        current = pick(children, s, QStringLiteral("under %1").arg(parts.mid(0, i).join(QLatin1Char('/'))), error);
    }
    return current;
}

QString WidgetPath::of(const QWidget *widget)
{
    if (!widget)
        return QString();
    QStringList parts;
    const QWidget *w = widget;
    while (w && !w->isWindow()) {
        if (!w->objectName().isEmpty()) {
            const QWidget *named = w->parentWidget();
            while (named && !named->isWindow() && named->objectName().isEmpty())
                named = named->parentWidget();
            QList<QWidget *> siblings;
            if (named)
                namedChildren(named, &siblings);
            int index = 0, total = 0;
            for (QWidget *s : siblings) {
                if (s->objectName() == w->objectName()) {
                    if (s == w)
                        index = total;
                    ++total;
                }
            }
            parts.prepend(total > 1 ? QStringLiteral("%1[%2]").arg(w->objectName()).arg(index) : w->objectName());
        }
        w = w->parentWidget();
    }
    if (w) {
        int index = 0, total = 0;
        for (QWidget *t : topLevels()) {
            if (t->objectName() == w->objectName()) {
                if (t == w)
                    index = total;
                ++total;
            }
        }
        parts.prepend(total > 1 ? QStringLiteral("%1[%2]").arg(w->objectName()).arg(index) : w->objectName());
    }
    return parts.join(QLatin1Char('/'));
}

QString WidgetPath::describeAll()
{
    QString out;
    QHash<QString, int> seen, totals;
    const QList<QWidget *> windows = topLevels();
    for (QWidget *w : windows)
        ++totals[w->objectName()];
    for (QWidget *w : windows) {
        const int n = seen[w->objectName()]++;
        const QString segment = totals.value(w->objectName()) > 1 ? QStringLiteral("%1[%2]").arg(w->objectName()).arg(n) : w->objectName();
        out += QStringLiteral("# window \"%1\"\n").arg(w->windowTitle());
        describe(w, segment, &out);
    }
    return out;
}

} // namespace hostkit
