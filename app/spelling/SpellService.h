#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;
class SpellDictionary;

// The spelling dictionary as the section boxes share it. Nothing is loaded until a box first
// asks for a word to be checked; the dictionary then loads in the background, and the boxes
// hear changed() once it is there. With the setting "SpellCheck" at 0, or no dictionary for
// the user's language, it never becomes ready and nothing is ever marked.
class SpellService : public QObject {
    Q_OBJECT
public:
    explicit SpellService(QObject* parent = nullptr);
    ~SpellService() override;

    // Whether words can be checked now; the first call starts the load.
    bool ready();
    // Blocks until a load in progress has ended, the personal word list with it; whether it
    // can check then.
    bool waitUntilReady();
    // What the words looked up take now, at most RememberedBytes.
    qsizetype rememberedBytes() const { return m_knownBytes; }
    // Whether the personal word list is still coming in.
    bool loadingPersonalWords() const { return m_personalAt < m_personal.size(); }

    // Only when ready().
    bool misspelled(QStringView word);
    QStringList suggestions(QStringView word);
    void addToDictionary(const QString& word);
    void ignore(const QString& word);
    // The language chosen in the settings changed: the dictionary loads again on the next check.
    void languageChanged();

    static constexpr int MostSuggestions = 5;
    // What the words looked up may take: a word is its letters and about as much again.
    static constexpr qsizetype RememberedBytes = 2 * 1024 * 1024;

signals:
    // The dictionary arrived, or a word was added or ignored: every mark may be different.
    void changed();

private:
    enum class State { NotAsked, Loading, Ready, Off };
    struct Load;
    void startLoading();
    void loaded();
    void acceptSomePersonalWords();
    void forget();

    State m_state = State::NotAsked;
    QThread* m_loader = nullptr;
    // What the loader thread fills; shared, so that a loader left behind at the end writes to
    // something that is still there.
    std::shared_ptr<Load> m_load;
    std::unique_ptr<SpellDictionary> m_dictionary;
    // The personal word list, taken in a piece at a time on the window's thread.
    QByteArray m_personal;
    qsizetype m_personalAt = 0;
    QTimer m_personalFeed;
    // Words already looked up: a description repeats its words over and over.
    QHash<QString, bool> m_known;
    qsizetype m_knownBytes = 0;
    bool m_reloadWanted = false;  // the language changed while a load was running
};
