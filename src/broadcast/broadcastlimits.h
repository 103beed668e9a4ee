#pragma once

#include <QByteArray>

// How a broadcast goes out: recipients per batch, the pause between batches
// and the most recipients one job may have. The host configures them with a
// text of "key=value" lines ("batch_size", "send_interval",
// "max_recipients"); other keys are ignored.
struct BroadcastLimits
{
    int batchSize = 1;
    int sendIntervalMs = 0; // between batches; 0 (or less): no pause
    int maxRecipients = 200;

    // The fewest recipients a job is sent to.
    static constexpr int MinRecipients = 2;
    // A configuration longer than this is read up to here: the host's text,
    // but nothing a configuration needs comes near it.
    static constexpr int MaxConfigurationBytes = 64 * 1024;

    // These limits changed by the lines of `text`: a key whose value is
    // empty keeps its value, a value that is not a decimal number reads as
    // 0. Then a batch size below 1 becomes 1 and a maximum below 2 becomes
    // 200; the interval is taken as given.
    BroadcastLimits read(const QByteArray &text) const;

    bool operator==(const BroadcastLimits &other) const
    {
        return batchSize == other.batchSize && sendIntervalMs == other.sendIntervalMs
               && maxRecipients == other.maxRecipients;
    }
};
