#pragma once

#include <QHash>
#include <QObject>
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
    // Blocks until a load in progress has ended; whether it can check then.
    bool waitUntilReady();

    // Only when ready().
    bool misspelled(QStringView word);
    QStringList suggestions(QStringView word);
    void addToDictionary(const QString& word);
    void ignore(const QString& word);

    static constexpr int MostSuggestions = 5;

signals:
    // The dictionary arrived, or a word was added or ignored: every mark may be different.
    void changed();

private:
    enum class State { NotAsked, Loading, Ready, Off };
    void startLoading();
    void loaded();
    void forget();

    State m_state = State::NotAsked;
    QThread* m_loader = nullptr;
    std::unique_ptr<SpellDictionary> m_dictionary;
    // Words already looked up: a description repeats its words over and over.
    QHash<QString, bool> m_known;
};
