// Every content rule and pattern in one place. Tune here, not in the matcher. Precision
// comes first: a pattern that may catch an ordinary sentence, a story's own money and
// deadlines, dialogue or a technical name needs context that only the forbidden use has.
#include "ContentRules.h"

#include "SettingsStore.h"

#include <array>

namespace {

const std::array<ContentRuleInfo, ContentRuleCount> Rules = {{
    {ContentRule::ContactDetails, "Contact details", &SettingKey::CheckContactDetails,
     "the store does not allow contact details in a description",
     "Put your website and social accounts on your author page, not in the description."},
    {ContentRule::PricesAndShops, "Prices and other shops", &SettingKey::CheckPricesAndShops,
     "the store does not allow prices or other ways to buy in a description",
     "The store shows the price and where to buy; leave both out of the description."},
    {ContentRule::Reviews, "Reviews and quotes", &SettingKey::CheckReviews,
     "the store does not allow reviews, quotes or testimonials in a description",
     "Put reviews and quotes in the editorial reviews section, not in the description."},
    {ContentRule::ReviewRequests, "Requests for reviews", &SettingKey::CheckReviewRequests,
     "the store does not allow requests for reviews or ratings in a description",
     "Ask for reviews at the end of the book, not in the description."},
    {ContentRule::TimeLimited, "Time-limited information", &SettingKey::CheckTimeLimited,
     "the store does not allow time-limited information in a description",
     "Say only what stays true; announce sales, dates and events elsewhere."},
    {ContentRule::KeywordLists, "Keyword lists", &SettingKey::CheckKeywordLists,
     "the store does not allow keyword lists in a description",
     "Put search phrases in the book's keywords, and write the description for readers."},
}};

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

const ContentPattern Patterns[] = {
    // Other shops first: "Bookshop.org" is a shop before it is an address.
    {ContentRule::PricesAndShops, "names another shop",
     R"((?i)\b(?:available|buy|buying|bought|order|ordered|get|find|sold|purchase|purchased|download|listen|grab|)"
     R"(pick\s+up|shop|read|stream)\b[^.!?]{0,40}?\b(?:on|at|from|through|via|in)\s+(?<w>(?-i:)" QV_SHOP_LIST R"())(?![\w-]))",
     0, "available buy buying bought order ordered get find sold purchase purchased download listen grab pick shop read stream",
     "Also available at |Barnes & Noble and Kobo|.",
     "Leave other shops out: the store lists where the book is sold."},
    {ContentRule::PricesAndShops, "names other shops",
     R"((?<w>(?-i:)" QV_RETAILER R"()(?:(?:\s*,\s*(?:and\s+|or\s+)?|\s+(?:and|or|&)\s+)(?-i:)" QV_RETAILER R"()){1,5})(?![\w-]))",
     0, "", "The box set is also on |Kobo, Apple Books and Nook|.",
     "Leave other shops out: the store lists where the book is sold."},
    {ContentRule::PricesAndShops, "names another shop",
     R"((?i)\b(?:also|now|only|exclusively)\s+(?:available\s+)?(?:on|at|in|from)\s+(?<w>(?-i:)" QV_RETAILER R"())(?![\w-]))",
     0, "also now only exclusively", "Also on |Kobo|.",
     "Leave other shops out: the store lists where the book is sold."},

    // Contact details.
    {ContentRule::ContactDetails, "is a web address", R"((?i)\b(?:https?|ftp)://[^\s<>"“”]++)", Slash,
     "http https ftp", "Visit |https://example.com/books| today.",
     "Put your website on your author page; the description is for the book."},
    {ContentRule::ContactDetails, "is a web address",
     R"((?i)(?<![\w.@/-])www\.)" QV_LABEL R"((?:\.[a-z0-9-]++)++(?:/[^\s<>"“”]*+)?)", DotBeforeLetter, "www",
     "Visit |www.example.com| for more.",
     "Put your website on your author page; the description is for the book."},
    {ContentRule::ContactDetails, "is a web address",
     R"((?<![\w.@/-]))" QV_LABEL R"((?:\.)" QV_LABEL R"(){0,6}\.(?!(?:js|py|md|rs|sh|cc|ts|go|pl|ps|so|ai|db|vb)/))"
     R"((?:[a-z]{2}|)" QV_BARE_TLD R"()/[\w\-./~%?=&#+]*[\w/])",
     DotBeforeLetter | Slash, "", "Download the worksheets at |example.com/worksheets|.",
     "Put your website on your author page; the description is for the book."},
    {ContentRule::ContactDetails, "is a web address",
     R"((?<![\w.@/-]))" QV_LABEL R"((?:\.)" QV_LABEL R"(){0,6}\.)" QV_BARE_TLD R"((?:\.[a-z]{2})?(?![\w@-]|\.[A-Za-z0-9]))",
     DotBeforeLetter, "", "See |example.com| for more.",
     "Put your website on your author page; the description is for the book."},
    {ContentRule::ContactDetails, "is an e-mail address",
     R"((?i)(?<![\w.%+-])[a-z0-9][a-z0-9._%+-]*+@[a-z0-9-]++(?:\.[a-z0-9-]++){0,8}\.[a-z]{2,}+\b)", AtSign, "",
     "Email me at |jane.doe@example.org| today.",
     "Leave the e-mail address out; readers reach you through your author page."},
    {ContentRule::ContactDetails, "is an e-mail address, spelled out",
     R"((?i)(?<![\w.])[a-z0-9][a-z0-9._-]{0,40}+(?:)" QV_DOT R"([a-z0-9_-]{1,40}+){0,3})" QV_AT
     R"([a-z0-9-]{1,63}+(?:(?:\.|)" QV_DOT R"()[a-z0-9-]{1,63}+){0,3}(?:\.|)" QV_DOT
     R"()(?:com|org|net|co|io|uk|de|fr|info|me|us|ca|au|edu|biz|ie|nz)\b)",
     0, "at dot", "Write to |jane dot doe at gmail dot com| today.",
     "Leave the e-mail address out, spelled out or not; readers reach you through your author page."},
    {ContentRule::ContactDetails, "is a telephone number",
     R"((?<![\w+])\+\d{1,3}[ .-]?(?:\(\d{1,4}\)[ .-]?)?\d{1,4}(?:[ .-]?\d{2,4}){1,4}(?![\w-]|\.\d))", SevenDigits, "",
     "Call |+44 20 7946 0958| now.", "Leave the telephone number out; readers reach you through your author page.", 8, 15},
    {ContentRule::ContactDetails, "is a telephone number",
     R"((?<![\w.+/-])(?:1[ .-])?(?:\(\d{3}\)\s?|\d{3}[ .-])\d{3}[ .-]\d{4}(?![\w-]|\.\d))", SevenDigits, "",
     "Call |555-123-4567| now.",
     "Leave the telephone number out; readers reach you through your author page."},
    {ContentRule::ContactDetails, "is a telephone number",
     R"((?<![\w.+/-])0\d{2,4}[ -]?\d{3,6}(?:[ -]?\d{3,4})?(?![\w-]|\.\d))", SevenDigits, "",
     "Call |020 7946 0958| now.", "Leave the telephone number out; readers reach you through your author page.", 10, 11},
    {ContentRule::ContactDetails, "is a toll-free number",
     R"((?<![\w-])1[ -]8(?:00|88|77|66|55|44|33)[ -](?:[A-Z0-9]{7}|[A-Z0-9]{3}[ -][A-Z0-9]{4})(?![\w-]))",
     Digit | Hyphen, "", "Call |1-800-FLOWERS| now.",
     "Leave the telephone number out; readers reach you through your author page."},
    {ContentRule::ContactDetails, "is a postal address", R"((?i)\b(?:P\.?\s?O\.?\s?Box|Post\s+Office\s+Box)\s+\d++)",
     Digit, "box", "Write to |PO Box 412|, Bath.",
     "Leave the postal address out; readers reach you through your author page."},
    // A street alone is a story's ("the house at 14 Cherry Lane"); with its town and code it is post.
    {ContentRule::ContactDetails, "is a postal address",
     R"(\b\d{1,5}[A-Za-z]?\s++(?:[A-Z][\w'-]*+\s++){1,3}(?:Street|St|Road|Rd|Avenue|Ave|Lane|Ln|Boulevard|Blvd|)"
     R"(Drive|Dr|Court|Ct|Way|Place|Pl|Terrace|Close|Crescent)\.?,\s*+(?:[A-Z][\w'-]*+\s*+){1,3},?\s*+)"
     R"((?:[A-Z]{2}\s++\d{5}(?:-\d{4})?|\d{5}|[A-Z]{1,2}\d[A-Z\d]?\s*+\d[A-Z]{2})\b)",
     Digit | Comma, "street st road rd avenue ave lane ln boulevard blvd drive dr court ct way place pl terrace close crescent",
     "Write to me at |14 Cherry Lane, Springfield, IL 62704|.",
     "Leave the postal address out; readers reach you through your author page."},
    {ContentRule::ContactDetails, "is a postal address",
     R"((?i)\b(?:write|send\s+\w+)\s+to\s+(?:me|us|the\s+author)\s+at\s+(?-i:\d{1,5}[A-Za-z]?\s++(?:[A-Z][\w'-]*+\s++){1,3}))"
     R"((?:street|st|road|rd|avenue|ave|lane|boulevard|drive|court|way|place)\b)",
     Digit, "write send", "|Write to me at 14 Cherry Lane| any time.",
     "Leave the postal address out; readers reach you through your author page."},
    {ContentRule::ContactDetails, "is a social-media handle",
     R"((?<w>)" QV_HANDLE R"()\s+(?:on|at)\s+)" QV_SOCIAL R"(\b)", AtSign, "", "I'm |@jessreads| on Instagram.",
     "Name your social accounts on your author page, not in the description."},
    {ContentRule::ContactDetails, "is a social-media handle",
     R"((?i)\b(?:(?-i:)" QV_SOCIAL R"()|on\s+(?-i:X)|I'?m|me|my|us|our|handle|username|follow|find|tag|dm|message)\b)"
     R"([^.!?@]{0,40}?(?<w>)" QV_HANDLE R"())",
     AtSign, "", "Follow me on Twitter |@jessreads| for news.",
     "Name your social accounts on your author page, not in the description."},
    {ContentRule::ContactDetails, "names a social network as a way to reach you",
     R"((?i)\b(?:follow|find|reach|contact|message|dm|connect\s+with|chat\s+with|join|subscribe\s+to|watch|friend|)"
     R"(add|text|call|catch|hang\s+out\s+with)\s+(?:me|us|the\s+author|my\s+\w+(?:\s+\w+)?)\b[^.!?]{0,30}?)"
     R"(\b(?:on|at|via|through)\s+(?-i:)" QV_SOCIAL R"()\b)",
     0, "follow find reach contact message dm connect chat join subscribe watch friend add text call catch hang",
     "|Follow me on Instagram| for bonus scenes.",
     "Name your social accounts on your author page, not in the description."},
    {ContentRule::ContactDetails, "names a social network as a way to reach you",
     R"((?i)\b(?:my|our)\s+(?-i:)" QV_SOCIAL R"()\s+(?:page|account|handle|channel|group|profile|feed|community|name|)"
     R"(username|server)\b)",
     0, "my our", "Come and chat on |my Facebook page|.",
     "Name your social accounts on your author page, not in the description."},
    {ContentRule::ContactDetails, "invites the reader to a mailing list",
     R"((?i)\b(?:subscribe\s+to|sign\s+up\s+(?:for|to)|join)\s+(?:my|our|the\s+author'?s)\s+(?:free\s+)?(?:newsletter|)"
     R"(mailing\s+list|e-?mail\s+list|readers?'?\s+(?:group|club|list)|street\s+team|VIP\s+list|(?-i:Facebook)\s+group|)"
     R"((?-i:Discord)|(?-i:Patreon)|(?-i:YouTube)\s+channel|channel)\b)",
     0, "subscribe sign join", "|Sign up for my newsletter| to hear first.",
     "Invite readers to your newsletter at the end of the book."},
    {ContentRule::ContactDetails, "points to a way to reach you",
     R"((?i)\b(?:contact|email|e-mail|message|reach|write\s+to|get\s+in\s+touch\s+with)\s+(?:me|us|the\s+author)\b)"
     R"([^.!?]{0,30}?\b(?:through|via|on|at|using|from)\s+(?:my|our|the)\s+(?:website|site|blog|contact\s+form|)"
     R"(web\s?page|author\s+page)\b)",
     0, "contact email e mail message reach write get", "|Contact me through my website| with questions.",
     "Readers reach you through your author page; leave the way to write to you out."},

    // Prices, discounts and other ways to buy.
    {ContentRule::PricesAndShops, "is a price",
     R"((?i)\b(?:price[ds]?(?:\s+at|\s+is)?|priced\s+at|reduced\s+(?:to|from)|(?:marked\s+)?down\s+to|on\s+sale\s+for|)"
     R"(regularly|normally|usually|list\s+price|retail\s+price|(?:this|the)\s+(?:book|e-?book|kindle\s+edition|)"
     R"(paperback|novel|guide|box\s+set|bundle)\s+(?:is|costs)(?:\s+only|\s+just)?)\s*:?\s+(?<w>)" QV_CURRENCY
     R"(\s?\d{1,5}(?:[.,]\d{2})?)(?!\d))" QV_NOT_A_FORTUNE,
     CurrencySign, "price prices priced reduced down sale regularly normally usually book ebook edition paperback novel guide set bundle",
     "Priced at |¥480| this week.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price",
     R"((?<![\d.,])(?<w>)" QV_CURRENCY R"(\s?\d{1,3}[.,]\d[59])(?!\d))" QV_NOT_A_FORTUNE, CurrencySign, "",
     "Grab it today for |$1.99|!",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price",
     R"((?<![\d.,])(?<w>\d{1,3}[.,]\d[59]\s?(?:€|£|\$|USD|EUR|GBP|CAD|AUD))(?!\w))", Digit, "",
     "Download it for |0,99 €| today.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price",
     R"((?i)\b(?:for|only|just|at|costs?|priced\s+at|now)\s+(?<w>[¥￥]\s?(?:\d{1,3},\d{3}|\d{2,5})|(?:\d{1,3},\d{3}|\d{2,5})\s?(?:yen|円))(?![\d,]))",
     Digit, "for only just at cost costs priced now", "Available for |¥500| in Japan.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price",
     R"((?i)\b(?:only|just|now|priced\s+at|reduced\s+to|down\s+to|on\s+sale\s+for)\s+(?<w>\d{1,2}[.,]\d9)(?![\d.,%]))"
     R"((?!\s*(?:percent|miles?|km|kilomet|met|kg|lbs?|pounds?\s+of|hours?|minutes?|seconds?|years?|days?|inch|feet|cm|mm|g\b|m\b)))",
     Digit, "only just now priced reduced down sale", "Now only |2.99| instead of 5.99.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price", R"((?i)\b(?:(?:99|49)\s?(?:cents|c)|ninety-nine\s+cents)\b)", Digit,
     "cents c", "Just |99 cents|.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price", R"((?i)\bninety-nine\s+cents\b)", 0, "ninety",
     "Only |ninety-nine cents|.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price", R"((?<!\d)(?:99|49)\s?¢)", CentSign, "", "Only |99¢|.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price", R"((?i)\b(?:only|just|for)\s+(?:99|49)p\b)", Digit, "p",
     "|Just 99p| today.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price in words",
     R"((?i)\b(?:only|just)\s+(?<w>(?:\d{1,3}|one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve|fifteen|)"
     R"(twenty)\s+(?:dollars|bucks|pounds|quid|euros))\b(?!\s+(?:of|a\s+(?:week|day|month)|an\s+hour)\b))",
     0, "only just", "Only |ten dollars| for the gift edition.",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a discount", R"((?i)(?<![\d.])\d{1,2}\s?(?:%|percent\b)\s*off\b)", Digit, "off",
     "Get |30% off| today.",
     "Leave discounts out: the store shows the price, a sale price included."},
    {ContentRule::PricesAndShops, "is a discount",
     R"((?i)\b(?:save|saving|discount(?:ed)?\s+(?:by|of))\s+(?:up\s+to\s+)?(?:(?<![\d.])\d{1,2}\s?(?:%|percent\b)|)"
     R"((?:ten|fifteen|twenty|twenty-five|thirty|forty|fifty|sixty|seventy)\s+percent\b))",
     0, "save saving discount discounted", "|Save 40%| on the rest of the series.",
     "Leave discounts out: the store shows the price, a sale price included."},
    {ContentRule::PricesAndShops, "is a discount",
     R"((?i)\bhalf[- ]price\b|\b(?:special|sale|discounted|discount|reduced|promotional|bargain)\s+price\b|)"
     R"(\bfor\s+the\s+price\s+of\s+(?:one|two|a\s+single\s+book)\b)",
     0, "price", "Three books |for the price of one|.",
     "Leave discounts out: the store shows the price, a sale price included."},
    {ContentRule::PricesAndShops, "is a shipping offer",
     R"((?i)\b(?:free|fast|worldwide|discounted|flat[- ]rate)\s+(?:(?:US|UK|EU|international|worldwide)\s+)?)"
     R"((?:shipping|delivery|postage)\b|\bships\s+(?:free|worldwide|internationally)\b)",
     0, "shipping delivery postage ships", "|Free shipping| on signed copies.",
     "Leave shipping offers out: the store sells and ships the book."},
    {ContentRule::PricesAndShops, "is a sale",
     R"((?i)\b(?:(?:this|the)\s+(?:book|e-?book|novel|guide|box\s+set|bundle|series|kindle\s+edition)(?:\s+is)?|)"
     R"(now|currently)\s+(?:on\s+sale|discounted|reduced|marked\s+down)\b|\bon\s+sale\s+(?:now|today|this\s+week|until)\b)",
     0, "sale discounted reduced marked", "|This book is on sale| until Sunday.",
     "Leave sales out: the store shows the price, a sale price included."},
    // Dated, it is an offer's end before it is a price.
    {ContentRule::TimeLimited, "is a price with an end",
     R"((?i)\b(?:the\s+)?price\s+(?:will\s+|is\s+going\s+to\s+)?(?:go(?:es)?\s+(?:back\s+)?up|increases?|rises?|)"
     R"(returns?\s+to\s+\S+)\s+(?:on|after|from|at)\s+)" QV_DATE,
     0, "price", "|The price goes up on Monday|!",
     "Leave the price and its changes out: the store shows the price of the day."},
    {ContentRule::PricesAndShops, "is a price about to change",
     R"((?i)\bprice\s+(?:will\s+|is\s+going\s+to\s+|is\s+about\s+to\s+)?(?:go(?:es)?\s+(?:back\s+)?up|increases?|rises?|)"
     R"(returns?\s+to)\b|\bprice\s+increase\b|\bback\s+to\s+full\s+price\b)",
     0, "price", "Grab it before the |price goes up|.",
     "Leave the price and its changes out: the store shows the price of the day."},
    {ContentRule::PricesAndShops, "points to the author's own shop",
     R"((?i)\b(?:buy|order(?!\s+of\b)|ordered|get|grab|purchase|available|sold|signed\s+cop(?:y|ies)|)"
     R"(signed\s+(?:paperbacks?|hardcovers?|hardbacks?|editions?))\b[^.!?]{0,40}?)"
     R"(\b(?:from|in|at|on|through|via)\s+my\s+(?:own\s+)?(?:online\s+|web\s?|author\s+|book\s+|etsy\s+)?)"
     R"((?:shop|store|website|site)\b|\b(?:only|exclusively)\s+(?:available\s+)?(?:in|at|from|on|through)\s+my\s+)"
     R"((?:own\s+)?(?:online\s+|web\s?|author\s+|etsy\s+|book\s+)?(?:shop|store)\b|)"
     R"(\b(?:buy|order|get|purchase)\w*\s+(?:\w+\s+){0,3}?direct(?:ly)?\s+from\s+(?:me|the\s+author|the\s+publisher)\b)",
     0, "shop store website site direct directly", "|Signed copies are available from my own shop|.",
     "Leave your own shop out: readers buy the book from this page."},

    // Reviews, quotes and testimonials.
    {ContentRule::Reviews, "is quoted praise with its source",
     R"((?<w>[“"][^“”"]{2,300}[”"])\s*(?:[-–—―]{1,2}|~)\s*(?:[A-Z][\w.'’&-]*)"
     R"((?:,?\s+(?:[A-Z#][\w.'’&-]*|of|the|and|for|on|in|at|de|van|von|author|reviewer|editor|critic|)"
     R"(bestselling|award-winning|reader|blogger|\d+)){0,10}|(?:a|an|one|another)\s+(?:[\w'-]+\s+){0,3}?)" QV_READER R"()\b)"
     R"((?:,\s+[a-z][^“”"]{0,80}?)?\s*[.!]?\s*$)",
     QuoteMark, "", "|\"Dark and clever.\"| -- Kirkus Reviews",
     "Put quotes from reviews in the editorial reviews section."},
    {ContentRule::Reviews, "is quoted praise with its source",
     R"((?<w>[“"][^“”"]{2,300}[”"])\s+(?:The\s+)?[A-Z][\w&'’-]*(?:\s+[A-Z][\w&'’-]*){0,3}\s*[.!]?\s*$)", QuoteMark, "",
     "|\"Mind-bending.\"| The Guardian",
     "Put quotes from reviews in the editorial reviews section."},
    {ContentRule::Reviews, "is quoted praise with its source",
     R"((?<w>[“"][^“”"]{2,300}[”"]),?\s*(?:says|writes|wrote|said|raves|according\s+to)\s+(?:(?:[A-Z][\w.&'’-]*\s+){0,3})"
     R"((?:Magazine|Review|Reviews|Times|Weekly|Journal|Post|Daily|Monthly|Tribune|Guardian|Telegraph|Herald|Gazette|)"
     R"(Quarterly|Press|Blog|contributor|author|reviewer|critic|editor|blogger)\b|(?i:(?:one|a|an|another|every)\s+)"
     R"((?:\w+\s+){0,2}?)" QV_READER R"(\b)))",
     QuoteMark, "", "|\"Clear and practical,\"| says Forbes contributor Sam Lee.",
     "Put quotes from reviews in the editorial reviews section."},
    {ContentRule::Reviews, "is quoted praise",
     R"((?i)^\s*(?<w>[“"][^“”"]*\b)" QV_PRAISE R"(\b[^“”"]*[”"])\s*[.!]?\s*$)", QuoteMark,
     "gripping unputdownable page pageturner masterpiece must tour riveting couldn couldnt could recommend "
     "highly beautifully five stars triumph compulsively joy loved",
     "|\"Unputdownable.\"|",
     "Put quotes from reviews in the editorial reviews section."},
    {ContentRule::Reviews, "quotes what readers say",
     R"((?i)\b(?:)" QV_CRITIC R"(|booktok|bookstagram|everyone|one\s+reader|one\s+reviewer)\b[^.!?“"]{0,40}?)"
     R"(\b(?:call(?:s|ed|ing)?|say(?:s|ing)?|said|wrote|writes|describe[sd]?|agree|rave[sd]?|raving|love[sd]?|)"
     R"(praise[sd]?|hail(?:s|ed)?|obsessed|swooning|gushing)\b[^“”"]{0,40}?(?<w>[“"][^“”"]{2,200}[”"]?))",
     QuoteMark, "", "One reviewer wrote that it was |\"the best space opera in years.\"|",
     "Put what readers and critics say in the editorial reviews section."},
    {ContentRule::Reviews, "quotes what readers say",
     R"((?i)\b(?:called|hailed\s+as|praised\s+(?:by\s+[^.!?“”"]{1,30}?\s+)?as|described\s+as|named)\s+)"
     R"((?<w>[“"][^“”"]{2,200}[”"])\s*(?:by\s+(?-i:[A-Z])|[.!]?\s*$))",
     QuoteMark, "called hailed praised described named", "Called |\"a modern classic\"| by SFF Reviews.",
     "Put what readers and critics say in the editorial reviews section."},
    {ContentRule::Reviews, "quotes what readers say",
     R"((?i)\b(?:what\s+(?:)" QV_READER R"(|people)\s+(?:are\s+)?say(?:ing)?|praise\s+for\s+(?:this|the)\s+\w+)\s*:)",
     0, "what praise", "|What readers are saying:| \"Charming!\"",
     "Put what readers and critics say in the editorial reviews section."},
    {ContentRule::Reviews, "says what readers call the book",
     R"((?i)\b(?:)" QV_CRITIC R"(|everyone|kirkus|publishers\s+weekly|)"
     R"(booklist|library\s+journal)\b(?:\s+(?:everywhere|worldwide|agree|are))?\s+(?:call(?:s|ing)?|say(?:s|ing)?|)"
     R"(agree|describe|hail(?:s|ed)?|praise[sd]?)\s+(?:it|this\s+(?:book|novel|series|guide)|the\s+(?:book|novel|series))\b)",
     0, "readers reviewers customers fans parents teachers home bakers cooks everyone critics kirkus publishers "
        "booklist library mums moms dads bloggers librarians booksellers listeners students",
     "|Readers call it| the perfect beach read.",
     "Put what readers and critics say in the editorial reviews section."},
    {ContentRule::Reviews, "counts reviews or ratings",
     R"((?i)(?<![\d.,])\d{1,3}(?:,\d{3})*+\+?\s+(?:(?:five|5|four|4)[- ]star\s+|glowing\s+|positive\s+|rave\s+|)"
     R"(reader\s+|customer\s+|verified\s+)?(?:reviews|ratings)\b|\b(?:hundreds|thousands)\s+of\s+(?:five-star\s+|)"
     R"(5-star\s+|glowing\s+|positive\s+|rave\s+)?(?:reviews|ratings)\b)",
     0, "reviews ratings", "Over |2,000 five-star reviews| on Goodreads!",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a star rating", R"([★☆⭐✩✪✫✬✭✮✯✰](?:\s?[★☆⭐✩✪✫✬✭✮✯✰]){1,9})", StarSign, "", "|★★★★★| A triumph.",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a star rating",
     R"((?i)\b(?:[1-5](?:\.\d)?|one|two|three|four|five)[- ]stars?\s+(?:reviews?|ratings?|read|praise|average)\b)", 0,
     "star stars", "A |4.8-star average| on Goodreads.",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a star rating",
     R"((?i)\b(?:rated|rating\s+of|gave\s+(?:it|this\s+book)|given|earned|awarded|received|averaging|average\s+of|)"
     R"((?:rated|given|gave|give|giving)\s+(?:it|this\s+(?:book|novel|series|guide)|the\s+book))\s+)"
     R"((?:[1-5](?:\.\d)?|one|two|three|four|five)(?:\s*(?:/|out\s+of)\s*5)?\s+stars?\b)",
     0, "star stars", "|Rated 4.5 stars| by readers.",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a star rating",
     R"((?i)(?<![\d.])[0-5](?:\.\d)?\s*(?:/|out\s+of)\s*5\s+stars?\b|\brated\s+[0-5]\.\d\b(?!\s*(?:/|out\s+of))|^\s*(?:[1-5]|five|four)\s+stars?\s*[.!]*\s*$)",
     0, "star stars rated", "It holds |4.8 out of 5 stars| on Goodreads.",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a rating",
     R"((?i)(?<![\d./])(?:[0-5]\.\d|[1-5])\s?/\s?(?:5|10)(?![\d/]|[.,]\d)(?=\s*(?:stars?\b|on\b|from\b|by\b|rating\b|[.!]?\s*$)))"
     R"(|\brat(?:e|es|ed|ing)\s+(?:it|this\s+book)\s+(?:[0-5](?:\.\d)?|one|two|three|four|five)\s*(?:/|out\s+of)\s*(?:5|five|10)\b)",
     Digit, "", "|4.5/5| from Verse Weekly.",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a rating",
     R"((?i)\b(?:one|two|three|four|five)\s+out\s+of\s+(?:five|5)\s+(?:stars|skulls|bats|hearts|flames|cups|paws|)"
     R"(\w+(?=\s+from\b))\b|\brat(?:e|es|ed)\s+it\s+(?:one|two|three|four|five)\s+out\s+of\s+(?:five|ten)\b)",
     0, "out", "|Four out of five bats| from Horror DNA!",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "claims acclaim",
     R"((?i)(?:#\s?1|\bnumber\s+one|\bno\.\s?1|\bnew\s+york\s+times|\bnyt|\busa\s+today|\bwall\s+street\s+journal|)"
     R"(\bsunday\s+times|\binternational(?:ly)?|\bamazon|\bkindle|\binstant)\s+best-?sell(?:er|ing)\b)",
     0, "bestseller bestselling best", "From the |New York Times bestselling| author.",
     "Put bestseller lists and praise in the editorial reviews section."},
    {ContentRule::Reviews, "claims acclaim",
     R"((?i)\b(?:critically\s+acclaimed|rave\s+reviews|praised\s+by\s+(?:critics|readers|reviewers)|readers\s+(?:are\s+)"
     R"(raving|love\s+(?:this|it))|(?:critics|reviewers|readers|fans)\s+(?:are\s+raving|rave|are\s+swooning|love\s+it|)"
     R"(are\s+obsessed|can'?t\s+stop\s+talking)|book(?:tok|stagram|tube)\s+(?:is\s+obsessed|can'?t\s+stop|sensation|)"
     R"(favou?rite|made\s+me))\b)",
     0, "critically rave praised readers critics reviewers fans booktok bookstagram booktube",
     "|Critically acclaimed| and loved by readers.",
     "Put bestseller lists and praise in the editorial reviews section."},
    {ContentRule::Reviews, "claims acclaim",
     R"((?i)\b(?:named|voted|chosen\s+as|selected\s+as)\s+(?:one\s+of\s+)?(?:the\s+|a\s+)?best\s+(?:\w+\s+){0,3}?)"
     R"((?:of\s+(?:the\s+year|20\d\d)|by\s+(?-i:[A-Z])))",
     0, "named voted chosen selected", "|Named one of the best cookbooks of the year| by Bon Appetit.",
     "Put bestseller lists and praise in the editorial reviews section."},

    // Requests for reviews or ratings.
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)(?:\bplease|\bdon'?t\s+forget\s+to|\bremember\s+to)\s+)" QV_LEAVE_A_REVIEW, 0,
     "leave write post share drop add", "If you enjoyed it, |please leave a review|."},
    // Said to the reader, not a critic's job in a story: only with where or when it is asked for.
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)(?:^|[.!?:]\s+|,\s*|\bto\s+)(?:and\s+|then\s+)?)" QV_LEAVE_A_REVIEW R"([^.!?]{0,30}?\b(?:on\s+(?:Amazon|)"
     R"(Goodreads|BookBub|the\s+store|this\s+page)|(?:of|for)\s+(?:this|my)\s+book|when\s+you(?:'re|\s+are)?\s+)"
     R"((?:done|finished)|once\s+you(?:'ve|\s+have)?\s+finished))",
     0, "leave write post share drop add", "Ask your parents |to write a review of this book| when you're done!"},
    // An imperative where a sentence or clause starts, or after a word that leads one in.
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)(?:^\W*|[.!?:;]\s*+|,\s*+(?:so\s+|and\s+|then\s+)?|\b(?:please|kindly|just|simply|do|then|so|also|why\s+not|)"
     R"(remember\s+to|don'?t\s+forget\s+to|be\s+sure\s+to|make\s+sure\s+(?:you|to)|take\s+a\s+(?:moment|minute|second)\s+to|)"
     R"(feel\s+free\s+to|spare\s+a\s+(?:moment|minute)\s+to)\s+)(?:(?:please|kindly|just|simply|quickly|also)\s+)?)"
     R"((?<w>(?:leave|write|post|drop|share|add|give)\s+)" QV_REVIEW_THING
     R"(|(?:rate|review)\s+(?:and\s+(?:rate|review)\s+)?(?:this\s+(?:book|story|novel|series|guide|cookbook)|it|)"
     R"(the\s+(?:book|story|novel|series|guide|cookbook)|my\s+(?:book|story|novel)|this)\b|rate\s+and\s+review\b))",
     0, "leave write post drop share add give rate review", "Made a recipe? |Leave a review| with a photo!"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\bif\s+you(?:'d|\s+would|\s+could)?\s+(?:\w+\s+){0,3}?(?:leave|left|write|wrote|post|posted|drop|share|add|)"
     R"(give|rate|review)\b[^.!?]{0,20}?\b(?:reviews?|ratings?|stars|feedback|few\s+words|a\s+line)\b)",
     0, "if", "It would mean the world |if you left a few words|."},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\b(?:consider|mind|think\s+about|by)\s+(?:leaving|writing|posting|dropping|adding|sharing|giving)\s+)"
     R"((?:\w+\s+){0,3}?(?:reviews?|ratings?|stars|feedback)\b|\b(?:consider|mind)\s+(?:reviewing|rating)\b)",
     0, "consider mind think by", "Would you |consider reviewing| this book?"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\b(?:could|would|will|can)\s+you\s+[^.!?]{0,40}?\b(?:(?:rate|review|reviewing|rating)\s+(?:it|this|the\s+)"
     R"((?:book|story|novel|series|guide)|my\s+\w+)\b|(?:leave|leaving|write|writing)\s+(?:a\s+)?(?:review|rating)\b))",
     0, "could would will can", "|Could you spare a minute to rate this| guide?"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\b(?:I'?d|I\s+would|we'?d|we\s+would|it\s+would|it'?d)\s+(?:love|be\s+(?:so\s+|very\s+|really\s+)?)"
     R"((?:grateful|thrilled|honou?red|delighted)|appreciate|mean\s+(?:the\s+world|so\s+much|a\s+lot|everything))\b)"
     R"([^.!?]{0,50}?\b(?:reviews?|ratings?|stars|feedback)\b)",
     0, "i d we it", "|I'd love to hear what you thought in a review|."},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\blet\s+(?:me|us|other\s+readers|others)\s+know\b[^.!?]{0,40}?\b(?:reviews?|ratings?|stars)\b)", 0, "let",
     "Enjoyed it? |Let me know in a review|!"},
    {ContentRule::ReviewRequests, "tells the reader why to review",
     R"((?i)\b(?:reviews?|ratings?)\b(?:\s+[\w'’]+){0,4}?\s+(?:help|helps|keep|keeps|mean|means|are|is|make|makes|)"
     R"(matter|matters|would\s+help|really\s+helps?|go(?:es)?\s+a\s+long\s+way)\b[^.!?]{0,50}?\b(?:(?:indie|)"
     R"(independent|small|new|little|self-published|debut|other)\s+(?:authors?|writers?|poets?)|authors?|writers?|)"
     R"(poets?|other\s+readers|readers\s+(?:like\s+you|find)|me|us|this\s+(?:book|story)|more\s+than\s+you\s+know)\b)",
     0, "review reviews rating ratings", "|Reviews keep small authors| going."},
    {ContentRule::ReviewRequests, "tells the reader why to review",
     R"((?i)\b(?:reviews?|ratings?)\b[^.!?]{0,40}?\b(?:best\s+(?:way|gift|thing)|lifeblood|gold|oxygen|everything|)"
     R"(the\s+world|so\s+much)\b[^.!?]{0,40}?\b(?:authors?|writers?|poets?|me|us)\b)",
     0, "review reviews rating ratings", "A |review is the best way to thank an author|."},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\bplease\s+(?:review|rate|recommend)\b|\b(?:review|rate)\s+(?:this|my)\s+(?:book|novel|story|e-?book|guide)\b)",
     0, "review rate recommend", "Don't forget to |rate this book|!"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\b(?:review|rate|recommend)\s+(?:it|this|the|my)\b[^.!?]{0,30}?\bon\s+(?:Amazon|Goodreads|BookBub|)"
     R"(your\s+blog|social\s+media|)" QV_SOCIAL R"()\b)",
     0, "review rate recommend", "Please |review it on Goodreads| too."},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\bif\s+you\s+(?:enjoyed|liked|loved)\s+(?:this|the|my)\s+(?:book|novel|story|series|guide)\b[^.!?]{0,40}?)"
     R"(\b(?:review|rate|rating|recommend)\b)",
     0, "enjoyed liked loved", "|If you enjoyed this book, a rating| helps."},

    // Time-limited information.
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\bfor\s+a\s+limited\s+(?:time|period)(?:\s+only)?\b|\blimited[- ]time\s+(?:only|offer|deal|price|sale|)"
     R"(discount|special)\b|\bfor\s+a\s+short\s+(?:time|period)\s+only\b|\b)" QV_OFFER
     R"(\b[^.!?]{0,40}?\bfor\s+a\s+(?:limited|short)\s+(?:time|while)\b)",
     0, "limited short offer sale deal price pricing discount special bonus promotion promo giveaway bundle freebie",
     "Free |for a limited time|."},
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\b(?:)" QV_OFFER R"(|99c|\d+%\s+off|(?:this|special|limited|launch|introductory|exclusive)\s+offer)\b)"
     R"([^.!?]{0,40}?\b(?:ends?|expires?|until|till|through|thru|runs?\s+(?:until|through))\s+(?:on\s+)?(?:)" QV_DATE
     R"(|midnight|tonight|tomorrow|the\s+weekend))",
     0, "sale deal offer special promo promotion discount price pricing giveaway bonus bundle freebie c off",
     "The |sale ends Sunday|."},
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\b(?:free|sale|price|priced|discount|discounted|offer|deal|bonus|99)\b[^.!?]{0,40}?\b(?:today|tonight|)"
     R"(this\s+week|this\s+weekend|this\s+month|this\s+season)\s+only\b|\b(?:today|this\s+week|this\s+weekend)\s+only\b)"
     R"([^.!?]{0,40}?\b(?:free|sale|price|priced|discount|discounted|offer|deal|bonus)\b)",
     0, "today tonight week weekend month season", "|Free this weekend only|!"},
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\b(?:this|for)\s+(?:)" QV_HOLIDAY R"(|holiday(?:\s+season)?|season|summer|winter|spring|autumn|fall|)"
     R"(month|week(?:end)?|)" QV_FULL_MONTH R"()\s+only\b)",
     0, "only", "|This Christmas only|, a free recipe card set."},
    {ContentRule::TimeLimited, "is a seasonal offer",
     R"((?i)\b(?:)" QV_HOLIDAY R"(|holiday|spooky\s+season|valentine'?s(?:\s+week)?|summer|winter|spring|autumn|fall|)"
     R"(new\s+year'?s?|back[- ]to[- ]school|prime\s+day|flash|weekend|early[- ]bird|)" QV_FULL_MONTH
     R"()\s+(?:reading\s+)?(?:special|sale|deal|offer|promo|promotion|discount|price|pricing|giveaway|bonus|bundle)\b)",
     0, "special sale deal offer promo promotion discount price pricing giveaway bonus bundle",
     "|Halloween special|: only 99c."},
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\bwhile\s+(?:the\s+)?(?:sale|offer|deal|promotion|promo|discount|price|supplies|stocks?|copies)\s+lasts?\b|)"
     R"(\b(?:this|the)\s+(?:deal|offer|sale|price|discount|promotion)\s+(?:won'?t|will\s+not|doesn'?t|can'?t)\s+last\b|)"
     R"(\b(?:hurry|act\s+fast|act\s+now|don'?t\s+miss\s+out)\b[^.!?]{0,30}?\b(?:deal|offer|sale|price|discount|ends)\b)",
     0, "while deal offer sale price discount promotion hurry act don", "Grab it |while the sale lasts|."},
    {ContentRule::TimeLimited, "is a launch special",
     R"((?i)\blaunch\s+(?:week\s+|day\s+)?(?:special|price|pricing|offer|discount|sale|deal)\b|\bintroductory\s+)"
     R"((?:price|pricing|offer|discount)\b|\brelease[- ](?:day|week)\s+(?:price|special|offer|sale|discount|deal)\b)",
     0, "launch introductory release", "|Launch week deal|: 40% off."},
    {ContentRule::TimeLimited, "is an offer for the first days",
     R"((?i)(?<o>\b(?:free|99c|price|priced|offer|deal|bonus|discount|sale|only)\b[^.!?]{0,40}?)?)"
     R"((?<w>\b(?:for\s+|during\s+|in\s+)?the\s+first\s+(?:\d{1,3}|one|two|three|four|five|six|seven|ten|few)?\s*)"
     R"((?:hours?|days?|weeks?|months?)\s+(?:after|of|following)\s+(?:release|launch|publication)\b|)"
     R"((?(o)\bfor\s+the\s+first\s+(?:\d{1,3}|one|two|three|four|five|six|seven|ten|few)\s+(?:hours|days|weeks)\b|(?!))))",
     0, "first", "Only 99c |for the first 72 hours|."},
    {ContentRule::TimeLimited, "is a pre-order incentive",
     R"((?i)\bpre-?order\s+(?:bonus|incentive|gift|special|price|discount|offer|exclusive|goodies|swag)\b|)"
     R"(\b(?:everyone|anyone|readers?)\s+who\s+pre-?orders?\b|\bpre-?order\s+(?:now\s+|today\s+|it\s+)?(?:and|to)\s+)"
     R"((?:get|receive|unlock|claim|enter)\b|\bif\s+you\s+pre-?order\b|\bpre-?order\s+(?:it\s+|now\s+)?(?:by|before|until)\s+)"
     QV_DATE R"(|\b(?:bought|ordered|purchased|pre-?ordered|downloaded)\s+(?:before|by|until)\s+)" QV_DATE,
     0, "pre preorder preorders bought ordered purchased preordered downloaded",
     "|Pre-order now and get| a bonus chapter!",
     "Leave pre-order offers out; say what the book is."},
    {ContentRule::TimeLimited, "is an event with a date",
     R"((?i)\b(?:join|meet|see|catch|visit)\s+(?:me|us|the\s+author)\b[^.!?]{0,60}?\b(?:on|this|next|at|from|in|every)\s+)"
     R"((?:)" QV_DATE R"(|)" QV_FULL_MONTH R"(\b))",
     0, "join meet see catch visit", "|Join me for a live reading on Saturday|.",
     "Announce readings, tours and classes on your author page."},
    {ContentRule::TimeLimited, "is an event with a date",
     R"((?i)\b(?:book\s+tour|book\s+signing|signing\s+(?:tour|session)|signings|launch\s+party|webinar|online\s+class|live\s+class|)"
     R"(masterclass|live\s+q&a|q&a|storytime|story\s+time|live\s+reading|livestream|live\s+stream|meet[- ]and[- ]greet|)"
     R"(book\s+fair)s?\b[^.!?]{0,40}?\b(?:on|from|starting|begins?|starts?|every|this|next|in)\s+(?:)" QV_DATE R"(|)"
     QV_WEEKDAY R"(s?|)" QV_FULL_MONTH R"(\b))",
     0, "tour signing party webinar online live masterclass q storytime story livestream meet book",
     "Virtual |storytime with the author every Saturday| in May.",
     "Announce readings, tours and classes on your author page."},
    {ContentRule::TimeLimited, "is an event with a date",
     R"((?i)\bI(?:'ll|\s+will)\s+be\s+(?:reading|signing|speaking|appearing|talking|visiting|touring|live|on\s+tour|)"
     R"(at)\b[^.!?]{0,60}?\b(?:on|this|next|from|in)\s+(?:)" QV_DATE R"(|)" QV_FULL_MONTH R"(\b))",
     0, "i", "|I will be signing copies at the festival on August 20|.",
     "Announce readings, tours and classes on your author page."},
    {ContentRule::TimeLimited, "is an event with a date",
     R"((?i)\b(?:on\s+)?(?:my|our)\s+(?:book\s+)?tour\b[^.!?]{0,30}?\b(?:this|next|in|from|on)\s+(?:)" QV_DATE R"(|)"
     QV_FULL_MONTH R"(\b))",
     0, "tour", "Come along |on my book tour this October| in Portland.",
     "Announce readings, tours and classes on your author page."},

    // Keyword lists.
    {ContentRule::KeywordLists, "is a labelled keyword list",
     R"((?i)^\s*(?<w>(?:keywords?|key\s+words|search\s+terms|tags|categories)\s*[:\-–—]\s*[^,;]++(?:[,;][^,;]++){2,}+)$)",
     Comma, "keywords keyword key search tags categories", "|Keywords: budgeting, saving money, frugal living, debt|"},
    {ContentRule::KeywordLists, "reads as a list of search phrases", nullptr, ManyCommas, "",
     "|dog training, puppy training, crate training, leash training, potty training, clicker training|"},
};

const KeywordRunLimits KeywordRun{6, 4, 3, 3, 66, "and the for with of a an in on to or your my our best new"};

} // namespace

std::span<const ContentRuleInfo> ContentRuleTable()
{
    return Rules;
}

const ContentRuleInfo& ContentRuleData(ContentRule rule)
{
    return Rules[static_cast<size_t>(rule)];
}

std::span<const ContentPattern> ContentPatternTable()
{
    return Patterns;
}

const KeywordRunLimits& KeywordRunLimitsData()
{
    return KeywordRun;
}

ContentRuleSet ContentRulesFromSettings()
{
    ContentRuleSet rules = ContentRuleSet::all();
    for (const ContentRuleInfo& info : Rules)
        rules.set(info.rule, SettingsStore::toCheckBox(SettingsStore::read(*info.settingKey, QStringLiteral("1"))));
    return rules;
}
