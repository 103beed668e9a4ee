#pragma once

#include <QString>

namespace chat::bench {

// Records one side-by-side measurement of ours against a peer library.
// `./run bench` collects every record into bench/results.json as
// {"name": {"ours": x, "peer": y, "unit": "...", "ratio": x / y}}.
// The records go to the file named by CHAT_BENCH_COMPARISONS (one JSON object
// per line); without that variable they are only printed.
void reportComparison(const QString &name, double ours, double peer, const QString &unit);

} // namespace chat::bench
