#pragma once

#include "ContentRules.h"

#include <QLatin1String>
#include <QStringView>

#include <array>
#include <bitset>

// The content check's pre-filter: one cheap pass over a line finds which signs and digits it
// holds and which patterns its words let run, so that most lines run no expression at all.

using ContentPatternSet = std::bitset<MaxContentPatterns>;

// A word as the pre-filter knows it: its first letters, lower-cased, packed in base 27. A
// longer word shares the key of its beginning, which only lets a pattern run once more.
quint64 ContentWordKey(QLatin1String word);

// Which patterns each word lets run: open addressing over a power-of-two table.
class ContentWordTable {
public:
    void add(quint64 key, const ContentPatternSet& patterns);
    ContentPatternSet find(quint64 key) const;

private:
    static constexpr size_t Size = 1024;  // some 350 words: a third full, and small enough for the cache
    static size_t slot(quint64 key) { return size_t((key * 0x9E3779B97F4A7C15ull) >> 54) & (Size - 1); }
    std::array<quint64, Size> m_keys{};
    std::array<ContentPatternSet, Size> m_patterns{};
};

struct ContentLineScan {
    unsigned traits = 0;         // LineTrait bits
    ContentPatternSet patterns;  // those whose words occur
};

ContentLineScan ScanContentLine(QStringView line, const ContentWordTable& table);
