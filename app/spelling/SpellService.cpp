#include "SpellService.h"

#include "SettingsStore.h"
#include "SpellDictionary.h"

#include <QThread>

namespace {
constexpr qsizetype MostRemembered = 50000;
}

SpellService::SpellService(QObject* parent) : QObject(parent) {}

SpellService::~SpellService()
{
    if (m_loader) {
        m_loader->wait();
        delete m_loader;
    }
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
    return m_state == State::Ready;
}

void SpellService::startLoading()
{
    if (!SettingsStore::toCheckBox(SettingsStore::read(SettingKey::SpellCheck, QStringLiteral("1")))) {
        m_state = State::Off;
        return;
    }
    m_state = State::Loading;
    const QString language = SpellDictionary::languageFromEnvironment();
    // The library and the dictionary take a while to read: not on the window's thread.
    m_loader = QThread::create([this, language] { m_dictionary = SpellDictionary::open(language); });
    connect(m_loader, &QThread::finished, this, &SpellService::loaded);
    m_loader->start(QThread::LowPriority);
}

void SpellService::loaded()
{
    if (m_state != State::Loading)
        return;
    m_state = m_dictionary ? State::Ready : State::Off;
    // finished() comes just before the thread ends; it is gone once waited for.
    m_loader->wait();
    delete m_loader;
    m_loader = nullptr;
    if (m_state == State::Ready)
        emit changed();
}

bool SpellService::misspelled(QStringView word)
{
    if (m_state != State::Ready)
        return false;
    const QString key = word.toString();
    const auto known = m_known.constFind(key);
    if (known != m_known.cend())
        return !known.value();
    if (m_known.size() >= MostRemembered)
        m_known.clear();
    const bool correct = m_dictionary->check(word);
    m_known.insert(key, correct);
    return !correct;
}

QStringList SpellService::suggestions(QStringView word)
{
    return m_state == State::Ready ? m_dictionary->suggest(word, MostSuggestions) : QStringList();
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

void SpellService::forget()
{
    m_known.clear();
    emit changed();
}
