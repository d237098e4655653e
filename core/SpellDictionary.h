#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// One language's spelling dictionary from the desktop's shared spelling library, which is
// loaded on first use rather than linked, so that a program that never checks a word never
// pays for it. The personal word list is the one the desktop's other programs share; we read
// and append to it ourselves, so that whatever lies there can neither hold nor flood the
// program, and the library keeps its lists in an empty folder of ours.
class SpellDictionary {
public:
    ~SpellDictionary();
    SpellDictionary(const SpellDictionary&) = delete;
    SpellDictionary& operator=(const SpellDictionary&) = delete;

    // Point the library at a folder of ours and back at the user's: the environment says
    // where, so both are for the main thread, around openWithoutPersonalList() on any.
    static void prepare();
    static void release();

    // The dictionary for a language tag such as "en_US", with the personal word list; nothing
    // when the library or a dictionary for that language is missing.
    static std::unique_ptr<SpellDictionary> open(const QString& language);
    // The same without the personal word list, which personalWords() and accept() bring in;
    // nothing unless prepared.
    static std::unique_ptr<SpellDictionary> openWithoutPersonalList(const QString& language);

    // The personal word list: $XDG_CONFIG_HOME/enchant/<language>.dic.
    static QString personalListPath(const QString& language);
    // Its bytes when it is a regular file of at most MaxPersonalListBytes; else nothing, with a
    // line on standard error.
    static QByteArray personalWords(const QString& language);
    static constexpr qint64 MaxPersonalListBytes = 64 * 1024 * 1024;
    // Accepts up to most words of list (one a line) from byte from on; where the next begins.
    qsizetype accept(const QByteArray& list, qsizetype from, qsizetype most);

    // The language the user's locale asks for ("de_DE" from "de_DE.UTF-8@euro"); English (US)
    // when the locale names none. Arguments are LC_ALL, LC_MESSAGES and LANG.
    static QString languageFromLocale(const QString& all, const QString& messages, const QString& lang);
    static QString languageFromEnvironment();
    // The language chosen in the settings, else that of the environment.
    static QString chosenLanguage();
    // The languages of the dictionaries installed, sorted; none without the library.
    static QStringList installedLanguages();

    // Longer words are not checked: no language has them, and each would cost its length.
    static constexpr qsizetype MaxWordLength = 100;

    QString language() const { return m_language; }
    bool check(QStringView word) const;
    // The likeliest first.
    QStringList suggest(QStringView word, int most) const;
    // Into the personal word list, for good.
    void add(QStringView word);
    // Accepted until the program ends.
    void ignore(QStringView word);

private:
    struct Library;
    SpellDictionary(std::shared_ptr<const Library> library, void* broker, void* dict, QString language);

    static std::unique_ptr<SpellDictionary> request(const QString& language);

    std::shared_ptr<const Library> m_library;
    void* m_broker = nullptr;
    void* m_dict = nullptr;
    QString m_language;
};
