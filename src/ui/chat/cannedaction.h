#pragma once

#include <QAction>
#include <QString>

// A quick-text menu entry: carries the whole quick text (message markup)
// while its label shows a shortened, single-line form of it.
class CannedAction : public QAction
{
    Q_OBJECT
    Q_DISABLE_COPY(CannedAction)

public:
    CannedAction(const QString &quickText, const QString &label, QObject *parent);

    QString quickText() const { return m_quickText; }

private:
    const QString m_quickText;
};
