#pragma once

#include "spell/hunspellmetatype.h"

#include <QObject>
#include <QString>

// Builds Hunspell objects on the loader thread. Created inside
// LoadSpellerThread::run and living there; it keeps no state between loads.
class SpellCheckLoader : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SpellCheckLoader)

public:
    explicit SpellCheckLoader(QObject *parent = nullptr);
    ~SpellCheckLoader() override;

    // Builds a dictionary from the pair, or returns null (and why, in
    // `reason`) when a file is missing or not a regular file, the encoding of
    // the affix file is unknown to Qt, or the result accepts none of the
    // first words of its own word list: an empty or garbage ".dic" would
    // otherwise give a dictionary that rejects every word without a sign of
    // trouble. The caller owns the result.
    static Hunspell *buildSpeller(const QString &affPath, const QString &dictPath, QString *reason = nullptr);

Q_SIGNALS:
    // The receiver owns `speller` (exactly one receiver must be connected).
    void spellerLoaded(const QString &bcp47Name, Hunspell *speller);
    void spellerNotLoaded(const QString &bcp47Name);
    // Emitted once the loader's connections exist; loads asked for earlier
    // could not have reached it.
    void initialized();

public Q_SLOTS:
    void onLoadSpeller(QString bcp47code, QString affPath, QString dictPath);
};
