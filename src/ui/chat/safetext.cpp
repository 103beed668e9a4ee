#include "ui/chat/safetext.h"

#include <QAction>
#include <QTextDocument>

namespace SafeText {

QString toolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped());
}

QString actionLabel(const QString &text)
{
    QString label = text;
    return label.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString withoutMnemonics(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text.at(i);
    }
    return out;
}

void setActionTexts(QAction *action, const QString &text)
{
    if (!action)
        return;
    action->setText(text);
    action->setToolTip(withoutMnemonics(text));
    action->setStatusTip(withoutMnemonics(text));
}

QString fileName(const QString &text, int maxLength)
{
    QString out;
    out.reserve(qMin(text.size(), maxLength + 1));
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool direction = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E
                               || u == 0x200F || u == 0x061C;
        if (direction)
            continue;
        out += c.category() == QChar::Other_Control ? QChar(QChar::ReplacementCharacter) : c;
    }
    if (out.size() > maxLength) {
        const int keep = qMax(1, maxLength - 1);
        out = out.left(keep - keep / 2) + QChar(0x2026) + out.right(keep / 2);
    }
    return out;
}

} // namespace SafeText
