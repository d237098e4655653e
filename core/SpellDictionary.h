#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// One language's spelling dictionary from the desktop's shared spelling library, which is
// loaded on first use rather than linked, so that a program that never checks a word never
// pays for it. The personal word list is the one the desktop's other programs share.
class SpellDictionary {
public:
    ~SpellDictionary();
    SpellDictionary(const SpellDictionary&) = delete;
    SpellDictionary& operator=(const SpellDictionary&) = delete;

    // The dictionary for a language tag such as "en_US"; nothing when the library or a
    // dictionary for that language is missing.
    static std::unique_ptr<SpellDictionary> open(const QString& language);

    // The language the user's locale asks for ("de_DE" from "de_DE.UTF-8@euro"); English (US)
    // when the locale names none. Arguments are LC_ALL, LC_MESSAGES and LANG.
    static QString languageFromLocale(const QString& all, const QString& messages, const QString& lang);
    static QString languageFromEnvironment();

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

    std::shared_ptr<const Library> m_library;
    void* m_broker = nullptr;
    void* m_dict = nullptr;
    QString m_language;
};
