#include "comparison.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace chat::bench {

void reportComparison(const QString &name, double ours, double peer, const QString &unit)
{
    const QJsonObject record{{QStringLiteral("name"), name},
                             {QStringLiteral("ours"), ours},
                             {QStringLiteral("peer"), peer},
                             {QStringLiteral("unit"), unit},
                             {QStringLiteral("ratio"), peer != 0 ? ours / peer : 0.0}};
    const QByteArray line = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    std::fprintf(stderr, "comparison %s", line.constData());
    const QByteArray target = qgetenv("CHAT_BENCH_COMPARISONS");
    if (target.isEmpty())
        return;
    QFile out(QString::fromLocal8Bit(target));
    if (out.open(QIODevice::Append))
        out.write(line);
}

} // namespace chat::bench
