#include "SpellService.h"

#include "SettingsStore.h"
#include "SpellDictionary.h"

#include <QDeadlineTimer>
#include <QThread>

#include <utility>

namespace {
// A piece of the personal word list small enough to take between two keys.
constexpr qsizetype WordsAtOnce = 5000;
// How long the end of the program waits for a loader before leaving it behind.
constexpr int LoaderGraceMs = 500;
// Each word looked up costs its hash node besides its letters.
constexpr qsizetype BytesPerWord = 64;
} // namespace

struct SpellService::Load {
    std::unique_ptr<SpellDictionary> dictionary;
    QByteArray personal;
};

SpellService::SpellService(QObject* parent) : QObject(parent)
{
    connect(&m_personalFeed, &QTimer::timeout, this, &SpellService::acceptSomePersonalWords);
}

SpellService::~SpellService()
{
    if (!m_loader)
        return;
    // Closing must end the program: a loader that is still in the library after a moment is
    // left to the end of the process rather than waited for.
    if (m_loader->wait(QDeadlineTimer(LoaderGraceMs)))
        delete m_loader;
}

bool SpellService::ready()
{
    if (m_state == State::NotAsked)
        startLoading();
    return m_state == State::Ready;
}

bool SpellService::waitUntilReady()
{
    ready();
    if (m_state == State::Loading) {
        m_loader->wait();
        loaded();
    }
    while (loadingPersonalWords())
        acceptSomePersonalWords();
    return m_state == State::Ready;
}

void SpellService::startLoading()
{
    if (!SettingsStore::toCheckBox(SettingsStore::read(SettingKey::SpellCheck, QStringLiteral("1")))) {
        m_state = State::Off;
        return;
    }
    m_state = State::Loading;
    const QString language = SpellDictionary::chosenLanguage();
    // The library and the dictionary take a while to read: not on the window's thread.
    SpellDictionary::prepare();
    m_load = std::make_shared<Load>();
    m_loader = QThread::create([load = m_load, language] {
        load->dictionary = SpellDictionary::openWithoutPersonalList(language);
        if (load->dictionary)
            load->personal = SpellDictionary::personalWords(language);
    });
    connect(m_loader, &QThread::finished, this, &SpellService::loaded);
    m_loader->start(QThread::LowPriority);
}

void SpellService::loaded()
{
    if (m_state != State::Loading)
        return;
    // finished() comes just before the thread ends; it is gone once waited for.
    m_loader->wait();
    delete m_loader;
    m_loader = nullptr;
    SpellDictionary::release();
    m_dictionary = std::move(m_load->dictionary);
    m_personal = std::move(m_load->personal);
    m_load.reset();
    m_state = m_dictionary ? State::Ready : State::Off;
    if (std::exchange(m_reloadWanted, false)) {
        languageChanged();
        return;
    }
    if (m_state != State::Ready)
        return;
    // The ordinary words are marked at once; the personal ones take their marks away as they come.
    if (loadingPersonalWords())
        m_personalFeed.start(0);
    emit changed();
}

void SpellService::acceptSomePersonalWords()
{
    m_personalAt = m_dictionary->accept(m_personal, m_personalAt, WordsAtOnce);
    if (loadingPersonalWords())
        return;
    m_personalFeed.stop();
    m_personal = QByteArray();
    m_personalAt = 0;
    forget();
}

bool SpellService::misspelled(QStringView word)
{
    if (m_state != State::Ready)
        return false;
    // Not a word of any language: neither checked nor remembered.
    if (word.size() > SpellDictionary::MaxWordLength)
        return false;
    const QString key = word.toString();
    const auto known = m_known.constFind(key);
    if (known != m_known.cend())
        return !known.value();
    const qsizetype bytes = key.size() * qsizetype(sizeof(QChar)) + BytesPerWord;
    if (m_knownBytes + bytes > RememberedBytes) {
        m_known.clear();
        m_knownBytes = 0;
    }
    const bool correct = m_dictionary->check(word);
    m_known.insert(key, correct);
    m_knownBytes += bytes;
    return !correct;
}

QStringList SpellService::suggestions(QStringView word)
{
    if (m_state != State::Ready || word.size() > SpellDictionary::MaxWordLength)
        return {};
    return m_dictionary->suggest(word, MostSuggestions);
}

void SpellService::addToDictionary(const QString& word)
{
    if (m_state != State::Ready)
        return;
    m_dictionary->add(word);
    forget();
}

void SpellService::ignore(const QString& word)
{
    if (m_state != State::Ready)
        return;
    m_dictionary->ignore(word);
    forget();
}

void SpellService::languageChanged()
{
    if (m_state == State::Loading) {
        m_reloadWanted = true;
        return;
    }
    m_personalFeed.stop();
    m_personal = QByteArray();
    m_personalAt = 0;
    m_dictionary.reset();
    m_state = State::NotAsked;
    forget();
}

void SpellService::forget()
{
    m_known.clear();
    m_knownBytes = 0;
    emit changed();
}
