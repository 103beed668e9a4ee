#pragma once

#include <QDateTime>
#include <QString>

// The folder that pasted and picked pictures are copied into before they go
// into the message editor: "ormica_tmp_files" inside the system's temporary
// folder (QDir::tempPath(), which follows TMPDIR). What is sent is the copy,
// so the user may move or delete the original meanwhile.
//
// Names are chosen here and written by the caller; a name is free when no
// file of that name exists. Stateless, any thread.
class PasteFolder
{
public:
    static constexpr char FolderName[] = "ormica_tmp_files";
    // Copies older than this are left over from earlier sessions.
    static constexpr qint64 MaxAgeSeconds = 24 * 60 * 60;

    // The folder, created when missing; empty when it cannot be created.
    static QString path();

    // Where a copy of a file named `fileName` goes: the folder and the name,
    // or, when that is taken, the name followed by "_" and `stampMs` (a
    // millisecond time stamp), and a further "_2", "_3"... should even
    // that be taken. Empty when the folder cannot be created.
    static QString copyPath(const QString &fileName, qint64 stampMs);
    // Where raw picture data goes: "<base>_<stampMs>.<extension>" in the
    // folder, made free the same way.
    static QString newPicturePath(const QString &base, qint64 stampMs, const QString &extension);

    // Removes the folder's files last modified before `now` less
    // MaxAgeSeconds; returns how many went.
    static int removeStale(const QDateTime &now);
};
