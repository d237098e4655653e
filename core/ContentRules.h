#pragma once

#include <QString>

#include <span>

// The store's content rules for a description: what gets it refused, edited or taken down.
// Each rule is a setting of its own and a list of patterns; the patterns, their words and
// their limits are data (ContentRuleTable.cpp) that the matcher (ContentCheck) reads.

enum class ContentRule {
    ContactDetails,
    PricesAndShops,
    Reviews,
    ReviewRequests,
    TimeLimited,
    KeywordLists,
};
inline constexpr int ContentRuleCount = 6;

// Which rules are on.
class ContentRuleSet {
public:
    static constexpr ContentRuleSet all() { return ContentRuleSet((1u << ContentRuleCount) - 1); }
    static constexpr ContentRuleSet none() { return ContentRuleSet(0); }

    constexpr bool has(ContentRule rule) const { return m_bits & bit(rule); }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr void set(ContentRule rule, bool on) { m_bits = on ? m_bits | bit(rule) : m_bits & ~bit(rule); }
    constexpr bool operator==(const ContentRuleSet&) const = default;

private:
    constexpr explicit ContentRuleSet(unsigned bits) : m_bits(bits) {}
    static constexpr unsigned bit(ContentRule rule) { return 1u << static_cast<unsigned>(rule); }
    unsigned m_bits;
};

struct ContentRuleInfo {
    ContentRule rule;
    const char* name;          // "Contact details", as the help book names it
    const QString* settingKey; // "0" turns the rule off
    const char* sentence;      // "the store does not allow contact details in a description"
    const char* advice;        // what to do instead, one short sentence
};

// What a line must hold before a pattern's expression is worth running on it: a cheap pass
// over the line finds these, and most lines have none of the rarer ones.
enum LineTrait : unsigned {
    DotBeforeLetter = 1u << 0,  // "x.y": a dot between a letter or digit and a letter
    AtSign = 1u << 1,
    Digit = 1u << 2,
    SevenDigits = 1u << 3,      // at least seven digits on the line
    CurrencySign = 1u << 4,
    Slash = 1u << 5,
    QuoteMark = 1u << 6,        // " “ ” « »
    StarSign = 1u << 7,         // ★ ☆ ⭐ and their kin, not "*"
    Comma = 1u << 8,            // "," or ";"
    Hyphen = 1u << 9,
    ManyCommas = 1u << 10,      // separators enough for a run of search phrases
    CentSign = 1u << 11,
    LoneSurrogate = 1u << 12,
    DecimalNumber = 1u << 13,   // "2.99", "0,99": a digit, a dot or a comma, a digit
    DigitSlash = 1u << 14,      // "4/5", "4 / 5"   // half of a pair with no other half: the line is repaired first
};

// Every expression must run in time linear in its line, whatever the line: a run the pattern
// may scan and then fail on is scanned from its start only (a look-behind that mirrors the
// run's class), repetitions are bounded or possessive. bench_content_patterns proves it.
struct ContentPattern {
    ContentRule rule;
    const char* what;        // "is a web address"
    const char* expression;  // PCRE, matched within one line; group "w", when present, is what is quoted.
                             // nullptr: the run of search phrases, tested by code with KeywordRunLimits
    unsigned needs;          // LineTrait bits the line must all have
    const char* words;       // lower-case words, blank-separated, one of which the line must hold ("" none);
                             // a word is known by its first twelve letters, so list each form
    const char* example;     // a line it reports, the words it quotes between two "|"
    const char* advice = nullptr;  // what to do instead, when the rule's own sentence says too little
    int minDigits = 0;       // digits the match must hold, when not 0
    int maxDigits = 0;
};

// The pre-filter keeps a bit for each pattern.
inline constexpr size_t MaxContentPatterns = 128;

// A run of search phrases: a line of at least minPhrases short phrases (of at most
// maxWordsPerPhrase words) separated by commas or semicolons, in which one word of at least
// minWordLength letters comes back in at least minRepeats of them, and minSharingPercent of
// the phrases share a word with another.
struct KeywordRunLimits {
    int minPhrases;
    int maxWordsPerPhrase;
    int minRepeats;
    int minWordLength;
    int minSharingPercent;
    const char* ignoredWords;  // blank-separated: words that repeat in any list
};

std::span<const ContentRuleInfo> ContentRuleTable();
const ContentRuleInfo& ContentRuleData(ContentRule rule);
std::span<const ContentPattern> ContentPatternTable();
const KeywordRunLimits& KeywordRunLimitsData();

// The longest quote of the words that triggered a finding, in characters.
inline constexpr qsizetype MaxQuotedLength = 40;

// The rules the settings leave on (each on unless its setting is "0").
ContentRuleSet ContentRulesFromSettings();
