#pragma once

#include <QString>

namespace hostkit {

// The outcome of an operation that can fail for reasons the caller should
// show: a missing plug-in library, a database from a newer host. Expected
// failures are values, never exceptions.
struct Result
{
    bool ok = false;
    QString error; // empty when ok

    static Result success() { return Result{true, QString()}; }
    static Result failure(const QString &message) { return Result{false, message}; }
    explicit operator bool() const { return ok; }
};

} // namespace hostkit
