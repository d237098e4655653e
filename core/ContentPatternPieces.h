#pragma once

// Pieces of expression shared by the content patterns (ContentRuleTable.cpp and the two
// files of patterns), and those two parts of the table, in the order the check tries them.
#include "ContentRules.h"

#include <span>

std::span<const ContentPattern> ShopAndContactPatterns();
std::span<const ContentPattern> ReviewAndOfferPatterns();

// Pieces shared by several expressions.
#define QV_WEEKDAY "(?:mon|tues|wednes|thurs|fri|satur|sun)day"
#define QV_MONTH                                                                                          \
    "(?:january|february|march|april|may|june|july|august|september|october|november|december|jan|feb|mar|" \
    "apr|jun|jul|aug|sept?|oct|nov|dec)\\.?"
// Named in full, and "May" only with its capital: "this may" is a verb.
#define QV_FULL_MONTH \
    "(?:january|february|march|april|(?-i:May)|june|july|august|september|october|november|december)"
#define QV_HOLIDAY                                                                                              \
    "(?:christmas(?:\\s+day|\\s+eve)?|new\\s+year'?s(?:\\s+day|\\s+eve)?|halloween|thanksgiving|easter|"          \
    "valentine'?s\\s+day|black\\s+friday|cyber\\s+monday|boxing\\s+day|labor\\s+day|memorial\\s+day|mother'?s\\s+day|" \
    "father'?s\\s+day)"
#define QV_DATE                                                                                                 \
    "(?:(?:this\\s+|next\\s+)?" QV_WEEKDAY "|" QV_MONTH "\\s+\\d{1,2}(?:st|nd|rd|th)?\\b|\\d{1,2}(?:st|nd|rd|th)?\\s+" \
    "(?:of\\s+)?" QV_MONTH "|\\d{1,2}/\\d{1,2}\\b|" QV_HOLIDAY "|(?:this|next)\\s+(?:" QV_FULL_MONTH                \
    "|spring|summer|autumn|fall|winter)|the\\s+end\\s+of\\s+(?:the\\s+|this\\s+)?(?:week|weekend|month|year|"       \
    QV_FULL_MONTH "))"
#define QV_CURRENCY "(?:(?:US|CA|AU|NZ)?\\$|£|€|¥|₹)"
// An amount that is the book's price rather than a story's fortune.
#define QV_NOT_A_FORTUNE "(?!\\s*(?:million|billion|thousand|grand|bn\\b|k\\b|m\\b))"
// Domain names: only lower-case endings, so that "VB.NET" and "ASP.NET" are names; endings
// that are also file types ("README.md", "setup.py") count only with a path. A name has at
// most seven labels, so that a run of dotted words is read once, not once per dot.
#define QV_LABEL "[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?"
#define QV_BARE_TLD                                                                                        \
    "(?:com|org|net|info|biz|io|co|edu|gov|app|dev|shop|store|blog|online|site|xyz|uk|ca|au|de|fr|es|nl|ie|" \
    "nz|eu|ch|se|dk|at|be)"
// Other shops, by the names they trade under (case as written: "a nook" is a corner).
#define QV_RETAILER                                                                                          \
    "(?:Barnes\\s+(?:&|and)\\s+Noble|B&N|Kobo(?:\\s+Plus)?|Apple\\s+Books|iBooks|Google\\s+Play(?:\\s+Books)?|"  \
    "Nook|Smashwords|Draft2Digital|Books2Read|Gumroad|Payhip|Bookshop(?:\\.org)?|Waterstones|Books-A-Million|"   \
    "Walmart|Etsy|Spotify|Audible|Scribd|Everand|Libro\\.fm|Patreon|Ko-fi|BookFunnel|Shopify|Foyles|eBay|"        \
    "AbeBooks|Book\\s+Depository|Booktopia|Thalia|Tolino|Dymocks|WHSmith|Blackwell'?s|Lulu|Storytel)"
// A word of each shop's name, for the pre-filter.
#define QV_RETAILER_WORDS                                                                                \
    "barnes b kobo apple ibooks google nook smashwords draft books gumroad payhip bookshop waterstones " \
    "walmart etsy spotify audible scribd everand libro patreon ko bookfunnel shopify foyles ebay abebooks " \
    "book booktopia thalia tolino dymocks whsmith blackwell lulu storytel"
#define QV_SHOP_LIST \
    "(?:" QV_RETAILER "|Target)(?:(?:\\s*,\\s*(?:and\\s+|or\\s+)?|\\s+(?:and|or|&)\\s+)(?:" QV_RETAILER "|Target)){0,5}"
#define QV_SOCIAL                                                                                          \
    "(?:Instagram|Insta|IG|Twitter|TikTok|Tiktok|Facebook|FB|Threads|YouTube|Youtube|Bluesky|BlueSky|"       \
    "Pinterest|Substack|Mastodon|Discord|Snapchat|LinkedIn|Reddit|Tumblr|WhatsApp|Telegram|Twitch|Goodreads|" \
    "BookBub|Patreon)"
#define QV_HANDLE "(?<![\\w@.])@[A-Za-z0-9_](?:[A-Za-z0-9_.]{0,28}[A-Za-z0-9_])?(?![\\w@])"
// "at" and "dot" spelled out or bracketed, as authors hide an address from robots.
#define QV_AT "(?:\\s+at\\s+|\\s*[\\[({<]\\s*at\\s*[\\])}>]\\s*)"
#define QV_DOT "(?:\\s+dot\\s+|\\s*[\\[({<]\\s*dot\\s*[\\])}>]\\s*)"
#define QV_READER                                                                                              \
    "(?:reader|reviewer|customer|fan|mom|mum|dad|mother|father|parent|teacher|librarian|blogger|critic|bookseller|" \
    "subscriber|listener|buyer|grandma|grandmother|student|book\\s+club)s?"
// Those whose word about a book is a review (a mother's word in a story is not).
#define QV_CRITIC                                                                                         \
    "(?:readers?|reviewers?|critics?|customers?|fans|bloggers?|booksellers?|librarians?|parents|teachers|" \
    "book\\s+clubs?|home\\s+cooks|home\\s+bakers|bakers|cooks)"
#define QV_LEAVE_A_REVIEW                                                                              \
    "(?:leave|write|post|share|drop|add)\\s+(?:me\\s+|us\\s+)?(?:a|an|your)\\s+(?:(?:short|quick|brief|honest|kind|" \
    "five-star|5-star|positive)\\s+){0,4}(?:review|rating)\\b"
// What a reader is asked for: a review, a rating, some stars, a few words.
#define QV_REVIEW_THING                                                                                      \
    "(?:(?:a|an|your|some|one|yours|us|me|the\\s+book|it)\\s+){0,3}(?:(?:short|quick|brief|honest|kind|little|few|" \
    "five-star|5-star|five|5|positive|star|sentence|line\\s+of)\\s+){0,4}(?:reviews?|ratings?|stars|feedback|(?:few|kind)\\s+words?)\\b"
#define QV_PRAISE                                                                                        \
    "(?:gripping|unputdownable|page-?turner|masterpiece|must-read|tour de force|riveting|couldn'?t put it " \
    "down|could not put it down|highly recommend(?:ed)?|beautifully written|five stars|5 stars|a triumph|"   \
    "compulsively readable|a joy to read|loved every (?:page|minute))"
// What sells: a sale, a deal, a price.
#define QV_OFFER "(?:sale|deal|offer|special|promo|promotion|discount|price|pricing|giveaway|bonus|bundle|freebie)"
