#include "ui/chat/safetext.h"

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

} // namespace SafeText
