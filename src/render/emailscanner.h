#pragma once

#include <QString>

// Finds e-mail addresses (and lists of them joined by "," or ";") exactly as
// the case-insensitive pattern
//   \w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*([,;]\s*\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*)*
// would with a leftmost, greedy backtracking engine, but in time linear in
// the text. A backtracking engine run over a long message without "@" is
// quadratic (each start position rescans the word run), which a peer can
// exploit; this scanner looks at each character a bounded number of times.
namespace EmailScanner {

// The pattern above, as the classic engine takes it.
QString pattern();

// Leftmost match at or after `from`: returns its start and stores its length
// in *length, or returns -1.
int find(const QString &text, int from, int *length);

} // namespace EmailScanner
