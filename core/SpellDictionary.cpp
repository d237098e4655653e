#include "SpellDictionary.h"

#include "OwnFiles.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <enchant.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The library's own folder for this process: empty but for the engine order the user chose.
const QString& libraryFolder()
{
    static const QString folder = QDir::tempPath() + QStringLiteral("/quorvane-spelling-%1-%2")
                                                         .arg(::geteuid())
                                                         .arg(QCoreApplication::applicationPid());
    return folder;
}

constexpr const char* LibraryFolderVariable = "ENCHANT_CONFIG_DIR";

// What the variable held before prepare(), restored by release().
std::optional<QByteArray>& earlierVariable()
{
    static std::optional<QByteArray> earlier;
    return earlier;
}

QString userLibraryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/enchant");
}

// Appends word and a line break to the list, through a link as the other programs do, but
// only to a regular file and never waiting on one that is not.
bool appendWord(const QString& path, const QByteArray& word)
{
    OwnFiles::MakeFolder(QFileInfo(path).path(), 0755);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0)
        return false;
    struct stat info {};
    bool done = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (done) {
        char last = '\n';
        if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1)
            last = '\n';
        const QByteArray line = (last == '\n' ? QByteArray() : QByteArray("\n")) + word + '\n';
        done = ::write(fd, line.constData(), static_cast<size_t>(line.size())) == line.size();
    }
    ::close(fd);
    return done;
}

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
    decltype(&enchant_dict_add_to_session) addToSession = nullptr;
    decltype(&enchant_broker_list_dicts) listDicts = nullptr;  // only for the settings window

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
                              l.resolve(l.addToSession, "enchant_dict_add_to_session");
        l.resolve(l.listDicts, "enchant_broker_list_dicts");
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

void SpellDictionary::prepare()
{
    if (qgetenv(LibraryFolderVariable) == QFile::encodeName(libraryFolder()))
        return;
    earlierVariable() = qEnvironmentVariableIsSet(LibraryFolderVariable)
                            ? std::optional<QByteArray>(qgetenv(LibraryFolderVariable))
                            : std::nullopt;
    qputenv(LibraryFolderVariable, QFile::encodeName(libraryFolder()));
}

void SpellDictionary::release()
{
    // Programs started from here (a browser, an installer) get the user's lists again.
    if (qgetenv(LibraryFolderVariable) != QFile::encodeName(libraryFolder()))
        return;
    if (earlierVariable())
        qputenv(LibraryFolderVariable, *earlierVariable());
    else
        qunsetenv(LibraryFolderVariable);
}

std::unique_ptr<SpellDictionary> SpellDictionary::open(const QString& language)
{
    prepare();
    std::unique_ptr<SpellDictionary> dictionary = openWithoutPersonalList(language);
    release();
    if (dictionary)
        dictionary->accept(personalWords(language), 0, MaxPersonalListBytes);
    return dictionary;
}

std::unique_ptr<SpellDictionary> SpellDictionary::openWithoutPersonalList(const QString& language)
{
    // Without our folder the library would read the user's lists itself, whatever they are.
    const QString folder = libraryFolder();
    if (qgetenv(LibraryFolderVariable) != QFile::encodeName(folder))
        return nullptr;
    // The folder lives while the library reads it: a fresh one of ours, or none at all.
    if (!OwnFiles::Remove(folder) || !OwnFiles::MakeFolder(folder, 0700))
        return nullptr;
    const QString ordering = QStringLiteral("/enchant.ordering");
    const OwnFiles::ReadResult order = OwnFiles::Read(userLibraryFolder() + ordering, 64 * 1024, OwnFiles::Links::Follow);
    if (order.ok())
        OwnFiles::Replace(folder + ordering, order.bytes);
    std::unique_ptr<SpellDictionary> dictionary = request(language);
    OwnFiles::Remove(folder);
    return dictionary;
}

QString SpellDictionary::personalListPath(const QString& language)
{
    return userLibraryFolder() + QLatin1Char('/') + language + QStringLiteral(".dic");
}

QByteArray SpellDictionary::personalWords(const QString& language)
{
    const QString path = personalListPath(language);
    // Often a link into a folder of the user's settings: followed, but only to a regular file.
    OwnFiles::ReadResult list = OwnFiles::Read(path, MaxPersonalListBytes, OwnFiles::Links::Follow);
    if (!list.fault.isEmpty())
        OwnFiles::Note(path, list.fault + QStringLiteral(", personal word list not read"));
    return std::move(list.bytes);
}

qsizetype SpellDictionary::accept(const QByteArray& list, qsizetype from, qsizetype most)
{
    auto* dict = static_cast<EnchantDict*>(m_dict);
    for (qsizetype count = 0; from < list.size() && count < most; ++count) {
        qsizetype end = list.indexOf('\n', from);
        if (end < 0)
            end = list.size();
        QByteArrayView word(list.constData() + from, end - from);
        if (word.endsWith('\r'))
            word.chop(1);
        // As the library reads it: "#" starts a comment line; a word too long to check is no word.
        if (!word.isEmpty() && !word.startsWith('#') && word.size() <= 4 * MaxWordLength)
            m_library->addToSession(dict, word.constData(), word.size());
        from = end + 1;
    }
    return from;
}

std::unique_ptr<SpellDictionary> SpellDictionary::request(const QString& language)
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

QString SpellDictionary::chosenLanguage()
{
    const QString chosen = SettingsStore::read(SettingKey::SpellLanguage).trimmed();
    return chosen.isEmpty() ? languageFromEnvironment() : chosen;
}

QStringList SpellDictionary::installedLanguages()
{
    const std::shared_ptr<const Library> library = Library::get();
    if (!library || !library->listDicts)
        return {};
    EnchantBroker* broker = library->brokerInit();
    if (!broker)
        return {};
    QStringList languages;
    library->listDicts(
        broker,
        [](const char* tag, const char*, const char*, const char*, void* data) {
            const QString language = QString::fromUtf8(tag);
            auto* found = static_cast<QStringList*>(data);
            if (!found->contains(language))
                found->append(language);
        },
        &languages);
    library->brokerFree(broker);
    languages.sort();
    return languages;
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
    if (!appendWord(personalListPath(m_language), bytes))
        OwnFiles::Note(personalListPath(m_language), QStringLiteral("not a regular file, the word was not kept"));
    m_library->addToSession(static_cast<EnchantDict*>(m_dict), bytes.constData(), bytes.size());
}

void SpellDictionary::ignore(QStringView word)
{
    const QByteArray bytes = utf8(word);
    m_library->addToSession(static_cast<EnchantDict*>(m_dict), bytes.constData(), bytes.size());
}
