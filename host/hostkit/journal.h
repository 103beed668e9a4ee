#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMutex>
#include <QString>
#include <QVector>

class QIODevice;

namespace hostkit {

// Every call a plug-in makes on a host service object, with its arguments
// and result, in order, and which service object (which plug-in object)
// made it; the host's own deliveries to the plug-ins are recorded alongside
// so a scenario reads as one story. Tests assert on it; benchmarks and
// fuzzers switch it off. Thread-safe: a broadcast sending thread may call.
class Journal
{
public:
    enum class Direction {
        Call,    // a plug-in called a host service
        Deliver, // the host called into a plug-in
    };

    struct Entry
    {
        qint64 sequence = 0;
        Direction direction = Direction::Call;
        QByteArray service; // plug-in id the service object was made for
        int serviceNumber = 0; // 1, 2, ...: which service object instance
        int slot = -1;      // host service slot, or the IPlugin slot for deliveries
        QByteArray operation;
        QJsonArray arguments;
        QJsonValue result = QJsonValue(QJsonValue::Undefined);

        QJsonObject toJson() const;
    };

    Journal() = default;
    Q_DISABLE_COPY(Journal)

    void setEnabled(bool enabled);
    bool isEnabled() const;

    // Returns the entry's index for setResult, -1 while switched off.
    int record(Direction direction, const QByteArray &service, int serviceNumber, int slot,
               const QByteArray &operation, const QJsonArray &arguments);
    void setResult(int index, const QJsonValue &result);

    QVector<Entry> entries() const;
    int size() const;
    void clear();

    // Calls (not deliveries) of one operation, in order.
    QVector<Entry> calls(const QByteArray &operation) const;
    // Number of calls of an operation, optionally only those of one service.
    int count(const QByteArray &operation, const QByteArray &service = QByteArray()) const;

    // One JSON object per line.
    QByteArray toJsonLines() const;
    bool writeJsonLines(QIODevice *device) const;

private:
    mutable QMutex m_lock;
    bool m_enabled = true;
    qint64 m_sequence = 0;
    QVector<Entry> m_entries;
};

} // namespace hostkit
