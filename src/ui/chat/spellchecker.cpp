#include "ui/chat/spellchecker.h"

#include "shared/sharedresourcemanager.h"
#include "spell/spellcheckmanager.h"

namespace {

SpellCheckManager *sharedManager()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->spellCheckManager() : nullptr;
}

class ManagerChecker final : public SpellChecker
{
public:
    bool isCorrect(const QString &language, const QString &word) const override
    {
        SpellCheckManager *manager = sharedManager();
        return manager && manager->check(language, word);
    }

    QStringList suggestions(const QString &language, const QString &word) const override
    {
        SpellCheckManager *manager = sharedManager();
        QStringList list;
        if (!manager)
            return list;
        const int count = manager->suggest(language, list, word);
        QStringList result = list.mid(0, count);
        manager->freeSuggestions(language, list, count);
        return result;
    }
};

} // namespace

const SpellChecker *SpellChecker::managerChecker()
{
    static const ManagerChecker checker;
    return &checker;
}
