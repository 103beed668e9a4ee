#pragma once

#include "result.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace hostkit {

// Lays out an application (installation) folder the way the plug-in reads
// it:
//   plugins/chat/emoticons/     copied from the repository's host/appfolder
//   plugins/chat/dictionaries/  the system's Hunspell dictionaries (links),
//                               en_EN as a copy of en_US, languages.txt
//   plugins/chat/sounds/        message.wav and nudge.wav, generated tones
//   skin/chat/*.png, skin/*.png the host's skin images
// Files already in place are kept, so a prepared folder is cheap to
// prepare again; missing ones are added.
class AppFolder
{
public:
    struct Sources
    {
        QString appFolderSource;   // repository host/appfolder
        QString skinSource;        // repository host/skin
        QString dictionarySource = QStringLiteral("/usr/share/hunspell");
    };

    // The repository folders this build was made from.
    static Sources defaultSources();

    // Language code and display name of every dictionary offered.
    static const QList<QPair<QString, QString>> &dictionaryLanguages();

    static Result prepare(const QString &folder, const Sources &sources = defaultSources());

    // A 16-bit mono PCM WAV file of `count` sine tones, each `toneMs` long,
    // with short fades so it does not click.
    static QByteArray toneWav(const QList<int> &frequencies, int toneMs, int sampleRate = 22050);
};

} // namespace hostkit
