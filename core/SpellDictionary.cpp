#include "SpellDictionary.h"

#include <enchant.h>

#include <dlfcn.h>

namespace {

// Dictionaries want the typewriter apostrophe.
QByteArray utf8(QStringView word)
{
    QString plain = word.toString();
    plain.replace(u'\u2019', u'\'');
    return plain.toUtf8();
}

} // namespace

struct SpellDictionary::Library {
    void* handle = nullptr;
    decltype(&enchant_broker_init) brokerInit = nullptr;
    decltype(&enchant_broker_free) brokerFree = nullptr;
    decltype(&enchant_broker_dict_exists) dictExists = nullptr;
    decltype(&enchant_broker_request_dict) requestDict = nullptr;
    decltype(&enchant_broker_free_dict) freeDict = nullptr;
    decltype(&enchant_dict_check) check = nullptr;
    decltype(&enchant_dict_suggest) suggest = nullptr;
    decltype(&enchant_dict_free_string_list) freeList = nullptr;
    decltype(&enchant_dict_add) add = nullptr;
    decltype(&enchant_dict_add_to_session) addToSession = nullptr;

    ~Library()
    {
        if (handle)
            dlclose(handle);
    }

    // Loaded once for the process, on the first dictionary asked for.
    static std::shared_ptr<const Library> get()
    {
        static const std::shared_ptr<const Library> library = load();
        return library;
    }

private:
    template <typename F>
    bool resolve(F& function, const char* name)
    {
        function = reinterpret_cast<F>(dlsym(handle, name));
        return function != nullptr;
    }

    static std::shared_ptr<const Library> load()
    {
        auto library = std::make_shared<Library>();
        library->handle = dlopen("libenchant-2.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library->handle)
            return nullptr;
        Library& l = *library;
        const bool complete = l.resolve(l.brokerInit, "enchant_broker_init") &&
                              l.resolve(l.brokerFree, "enchant_broker_free") &&
                              l.resolve(l.dictExists, "enchant_broker_dict_exists") &&
                              l.resolve(l.requestDict, "enchant_broker_request_dict") &&
                              l.resolve(l.freeDict, "enchant_broker_free_dict") &&
                              l.resolve(l.check, "enchant_dict_check") &&
                              l.resolve(l.suggest, "enchant_dict_suggest") &&
                              l.resolve(l.freeList, "enchant_dict_free_string_list") &&
                              l.resolve(l.add, "enchant_dict_add") &&
                              l.resolve(l.addToSession, "enchant_dict_add_to_session");
        return complete ? library : nullptr;
    }
};

SpellDictionary::SpellDictionary(std::shared_ptr<const Library> library, void* broker, void* dict, QString language)
    : m_library(std::move(library)), m_broker(broker), m_dict(dict), m_language(std::move(language))
{
}

SpellDictionary::~SpellDictionary()
{
    auto* broker = static_cast<EnchantBroker*>(m_broker);
    m_library->freeDict(broker, static_cast<EnchantDict*>(m_dict));
    m_library->brokerFree(broker);
}

std::unique_ptr<SpellDictionary> SpellDictionary::open(const QString& language)
{
    std::shared_ptr<const Library> library = Library::get();
    if (!library || language.isEmpty())
        return nullptr;
    EnchantBroker* broker = library->brokerInit();
    if (!broker)
        return nullptr;
    // Which engine serves the language is the desktop's choice (its ordering file).
    const QByteArray tag = language.toUtf8();
    EnchantDict* dict = library->dictExists(broker, tag.constData()) ? library->requestDict(broker, tag.constData())
                                                                       : nullptr;
    if (!dict) {
        library->brokerFree(broker);
        return nullptr;
    }
    return std::unique_ptr<SpellDictionary>(new SpellDictionary(std::move(library), broker, dict, language));
}

QString SpellDictionary::languageFromLocale(const QString& all, const QString& messages, const QString& lang)
{
    QString name = !all.isEmpty() ? all : !messages.isEmpty() ? messages : lang;
    name = name.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return QStringLiteral("en_US");
    return name;
}

QString SpellDictionary::languageFromEnvironment()
{
    return languageFromLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                              qEnvironmentVariable("LANG"));
}

bool SpellDictionary::check(QStringView word) const
{
    const QByteArray bytes = utf8(word);
    return m_library->check(static_cast<EnchantDict*>(m_dict), bytes.constData(), bytes.size()) == 0;
}

QStringList SpellDictionary::suggest(QStringView word, int most) const
{
    const QByteArray bytes = utf8(word);
    size_t count = 0;
    auto* dict = static_cast<EnchantDict*>(m_dict);
    char** list = m_library->suggest(dict, bytes.constData(), bytes.size(), &count);
    QStringList suggestions;
    for (size_t i = 0; i < count && suggestions.size() < most; ++i)
        suggestions.append(QString::fromUtf8(list[i]));
    if (list)
        m_library->freeList(dict, list);
    return suggestions;
}

void SpellDictionary::add(QStringView word)
{
    const QByteArray bytes = utf8(word);
    m_library->add(static_cast<EnchantDict*>(m_dict), bytes.constData(), bytes.size());
}

void SpellDictionary::ignore(QStringView word)
{
    const QByteArray bytes = utf8(word);
    m_library->addToSession(static_cast<EnchantDict*>(m_dict), bytes.constData(), bytes.size());
}
