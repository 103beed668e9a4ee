#include "messagecommand.h"

namespace hostkit {

namespace {

bool readEventId(const QByteArray &digits, qint64 *out)
{
    if (digits.isEmpty() || digits.size() > 19)
        return false;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    bool ok = false;
    *out = digits.toLongLong(&ok);
    return ok && *out > 0;
}

} // namespace

MessageCommand MessageCommand::parse(const QByteArray &body)
{
    MessageCommand none;
    if (!body.startsWith('['))
        return none;
    const int close = body.indexOf(']');
    if (close < 0)
        return none;
    const QByteArray head = body.mid(1, close - 1);
    const QByteArray rest = body.mid(close + 1);
    const int space = head.indexOf(' ');
    if (space < 0)
        return none;
    const QByteArray word = head.left(space);
    const QByteArray args = head.mid(space + 1);

    MessageCommand command;
    if (word == "edit" || word == "reply") {
        if (!readEventId(args, &command.target))
            return none;
        command.kind = word == "edit" ? Kind::Edit : Kind::Reply;
        command.text = rest;
        return command;
    }
    if (word == "delete") {
        if (!rest.isEmpty() || !readEventId(args, &command.target))
            return none;
        command.kind = Kind::Delete;
        return command;
    }
    const int second = args.indexOf(' ');
    if (!rest.isEmpty())
        return none;
    if (word == "like") {
        const QByteArray flag = second < 0 ? QByteArray() : args.mid(second + 1);
        if (second < 0 || (flag != "T" && flag != "F") || !readEventId(args.left(second), &command.target))
            return none;
        command.kind = Kind::Like;
        command.flag = flag == "T";
        return command;
    }
    if (word == "label") {
        // An empty set ("[label N ]" or "[label N]") clears the labels.
        if (!readEventId(second < 0 ? args : args.left(second), &command.target))
            return none;
        command.kind = Kind::Label;
        command.text = second < 0 ? QByteArray() : args.mid(second + 1).simplified();
        return command;
    }
    return none;
}

} // namespace hostkit
