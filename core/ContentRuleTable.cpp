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
#define QV_DATE                                                                                  \
    "(?:(?:this\\s+|next\\s+)?" QV_WEEKDAY "|" QV_MONTH "\\s+\\d{1,2}(?:st|nd|rd|th)?\\b|\\d{1,2}(?:st|nd|rd|th)?\\s+" \
    "(?:of\\s+)?" QV_MONTH "|\\d{1,2}/\\d{1,2}\\b)"
#define QV_CURRENCY "(?:(?:US|CA|AU|NZ)?\\$|£|€|¥|₹)"
// An amount that is the book's price rather than a story's fortune.
#define QV_NOT_A_FORTUNE "(?!\\s*(?:million|billion|thousand|grand|bn\\b|k\\b|m\\b))"
// Domain names: only lower-case endings, so that "VB.NET" and "ASP.NET" are names; endings
// that are also file types ("README.md", "setup.py") count only with a path.
#define QV_LABEL "[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?"
#define QV_BARE_TLD                                                                                        \
    "(?:com|org|net|info|biz|io|co|edu|gov|app|dev|shop|store|blog|online|site|xyz|uk|ca|au|de|fr|es|nl|ie|" \
    "nz|eu|ch|se|dk|at|be)"
#define QV_RETAILER                                                                                          \
    "(?:Barnes\\s+(?:&|and)\\s+Noble|B&N|Kobo|Apple\\s+Books|iBooks|Google\\s+Play(?:\\s+Books)?|Smashwords|" \
    "Draft2Digital|Gumroad|Payhip|Bookshop\\.org|Waterstones|Books-A-Million|Walmart|Etsy|Spotify|Scribd|"    \
    "Everand|Libro\\.fm|Patreon|Ko-fi|BookFunnel|Shopify|Foyles|eBay|AbeBooks|Book\\s+Depository|Booktopia|"   \
    "Thalia|Tolino)"
#define QV_SOCIAL "(?:Instagram|Twitter|TikTok|Facebook|Threads|YouTube|Bluesky|Pinterest|Substack|Mastodon)"
#define QV_LEAVE_A_REVIEW                                                                              \
    "(?:leave|write|post|share|drop|add)\\s+(?:me\\s+|us\\s+)?(?:a|an|your)\\s+(?:(?:short|quick|brief|honest|kind|" \
    "five-star|5-star|positive)\\s+)*(?:review|rating)\\b"
#define QV_PRAISE                                                                                        \
    "(?:gripping|unputdownable|page-?turner|masterpiece|must-read|tour de force|riveting|couldn'?t put it " \
    "down|could not put it down|highly recommend(?:ed)?|beautifully written|five stars|5 stars|a triumph|"   \
    "compulsively readable|a joy to read|loved every (?:page|minute))"

const ContentPattern Patterns[] = {
    // Contact details.
    {ContentRule::ContactDetails, "is a web address", R"((?i)\b(?:https?|ftp)://[^\s<>"“”]+)", Slash,
     "http https ftp"},
    {ContentRule::ContactDetails, "is a web address", R"((?i)(?<![\w.@/-])www\.)" QV_LABEL R"((?:\.[a-z0-9-]+)+(?:/[^\s<>"“”]*)?)",
     DotBeforeLetter, "www"},
    {ContentRule::ContactDetails, "is a web address",
     R"((?<![\w.@/-]))" QV_LABEL R"((?:\.)" QV_LABEL R"()*\.(?!(?:js|py|md|rs|sh|cc|ts|go|pl|ps|so|ai|db|vb)/))"
     R"((?:[a-z]{2}|)" QV_BARE_TLD R"()/[\w\-./~%?=&#+]*[\w/])",
     DotBeforeLetter | Slash, ""},
    {ContentRule::ContactDetails, "is a web address",
     R"((?<![\w.@/-]))" QV_LABEL R"((?:\.)" QV_LABEL R"()*\.)" QV_BARE_TLD R"((?:\.[a-z]{2})?(?![\w@-]|\.[A-Za-z0-9]))",
     DotBeforeLetter, ""},
    {ContentRule::ContactDetails, "is an e-mail address",
     R"((?i)(?<![\w.+-])[a-z0-9][a-z0-9._%+-]*@[a-z0-9-]+(?:\.[a-z0-9-]+)*\.[a-z]{2,}\b)", AtSign, ""},
    {ContentRule::ContactDetails, "is a telephone number",
     R"((?<![\w+])\+\d{1,3}[ .-]?(?:\(\d{1,4}\)[ .-]?)?\d{1,4}(?:[ .-]?\d{2,4}){1,4}(?![\w-]|\.\d))", SevenDigits, "",
     8, 15},
    {ContentRule::ContactDetails, "is a telephone number",
     R"((?<![\w.+/-])(?:1[ .-])?(?:\(\d{3}\)\s?|\d{3}[ .-])\d{3}[ .-]\d{4}(?![\w-]|\.\d))", SevenDigits, ""},
    {ContentRule::ContactDetails, "is a telephone number",
     R"((?<![\w.+/-])0\d{2,4}[ -]?\d{3,6}(?:[ -]?\d{3,4})?(?![\w-]|\.\d))", SevenDigits, "", 10, 11},
    {ContentRule::ContactDetails, "is a toll-free number",
     R"((?<![\w-])1[ -]8(?:00|88|77|66|55|44|33)[ -](?:[A-Z0-9]{7}|[A-Z0-9]{3}[ -][A-Z0-9]{4})(?![\w-]))",
     Digit | Hyphen, ""},
    {ContentRule::ContactDetails, "is a postal address", R"((?i)\b(?:P\.?\s?O\.?\s?Box|Post\s+Office\s+Box)\s+\d+)",
     Digit, "box"},
    // A street alone is a story's ("the house at 14 Cherry Lane"); with its town and code it is post.
    {ContentRule::ContactDetails, "is a postal address",
     R"(\b\d{1,5}[A-Za-z]?\s+(?:[A-Z][\w'-]*\s+){1,3}(?:Street|St|Road|Rd|Avenue|Ave|Lane|Ln|Boulevard|Blvd|)"
     R"(Drive|Dr|Court|Ct|Way|Place|Pl|Terrace|Close|Crescent)\.?,\s*(?:[A-Z][\w'-]*\s*){1,3},?\s*)"
     R"((?:[A-Z]{2}\s+\d{5}(?:-\d{4})?|\d{5}|[A-Z]{1,2}\d[A-Z\d]?\s*\d[A-Z]{2})\b)",
     Digit | Comma, "street st road rd avenue ave lane ln boulevard blvd drive dr court ct way place pl terrace close crescent"},
    {ContentRule::ContactDetails, "is a postal address",
     R"((?i)\b(?:write|send\s+\w+)\s+to\s+(?:me|us|the\s+author)\s+at\s+(?-i:\d{1,5}[A-Za-z]?\s+(?:[A-Z][\w'-]*\s+){1,3}))"
     R"((?:street|st|road|rd|avenue|ave|lane|boulevard|drive|court|way|place)\b)",
     Digit, "write send"},
    {ContentRule::ContactDetails, "is a social-media handle",
     R"((?i)\b(?:follow|find|reach|contact|message|dm|connect\s+with)\s+(?:me|us|the\s+author)\b[^.!?]{0,40}?)"
     R"((?:(?<![\w.])@[a-z0-9_.]{2,30}\b|\bon\s+)" QV_SOCIAL R"(\b))",
     0, "follow find reach contact message dm connect"},
    {ContentRule::ContactDetails, "is a social-media handle",
     R"((?<![\w@.])@[A-Za-z0-9_]{2,30}\s+(?:on|at)\s+)" QV_SOCIAL R"(\b)", AtSign, ""},

    // Prices, discounts and other ways to buy.
    {ContentRule::PricesAndShops, "is a price",
     R"((?i)\b(?:price[ds]?(?:\s+at|\s+is)?|priced\s+at|reduced\s+(?:to|from)|(?:marked\s+)?down\s+to|on\s+sale\s+for|)"
     R"(regularly|normally|usually|list\s+price|retail\s+price|(?:this|the)\s+(?:book|e-?book|kindle\s+edition|)"
     R"(paperback|novel|guide|box\s+set|bundle)\s+(?:is|costs)(?:\s+only|\s+just)?)\s*:?\s+(?<w>)" QV_CURRENCY
     R"(\s?\d{1,4}(?:[.,]\d{2})?)(?!\d))" QV_NOT_A_FORTUNE,
     CurrencySign, "price prices priced reduced down sale regularly normally usually book ebook edition paperback novel guide set bundle"},
    {ContentRule::PricesAndShops, "is a price",
     R"((?i)\b(?:only|just|now|for)\s+(?<w>)" QV_CURRENCY R"(\s?\d{1,3}[.,]\d9)(?!\d))" QV_NOT_A_FORTUNE, CurrencySign,
     "only just now for"},
    {ContentRule::PricesAndShops, "is a price",
     R"((?i)\b(?:only|just|now|priced\s+at|reduced\s+to|down\s+to|on\s+sale\s+for)\s+(?<w>\d{1,2}[.,]\d9)(?![\d.,%]))"
     R"((?!\s*(?:percent|miles?|km|kilomet|met|kg|lbs?|pounds?\s+of|hours?|minutes?|seconds?|years?|days?|inch|feet|cm|mm|g\b|m\b)))",
     Digit, "only just now priced reduced down sale"},
    {ContentRule::PricesAndShops, "is a price", R"((?i)\b(?:(?:99|49)\s?cents|ninety-nine\s+cents)\b)", Digit, "cents"},
    {ContentRule::PricesAndShops, "is a price", R"((?i)\bninety-nine\s+cents\b)", 0, "ninety"},
    {ContentRule::PricesAndShops, "is a price", R"((?<!\d)(?:99|49)\s?¢)", CentSign, ""},
    {ContentRule::PricesAndShops, "is a price", R"((?i)\b(?:only|just|for)\s+(?:99|49)p\b)", Digit, "p"},
    {ContentRule::PricesAndShops, "is a discount", R"((?i)(?<![\d.])\d{1,2}\s?(?:%|percent)\s+off\b)", Digit, "off"},
    {ContentRule::PricesAndShops, "is a discount",
     R"((?i)\b(?:save|saving|discount(?:ed)?\s+(?:by|of))\s+(?:up\s+to\s+)?\d{1,2}\s?(?:%|percent)\b)", Digit,
     "save saving discount discounted"},
    {ContentRule::PricesAndShops, "is a discount",
     R"((?i)\bhalf[- ]price\b|\b(?:special|sale|discounted|discount|reduced|promotional|bargain)\s+price\b)", 0,
     "price"},
    {ContentRule::PricesAndShops, "is a sale",
     R"((?i)\b(?:(?:this|the)\s+(?:book|e-?book|novel|guide|box\s+set|bundle|series|kindle\s+edition)(?:\s+is)?|)"
     R"(now|currently)\s+(?:on\s+sale|discounted|reduced|marked\s+down)\b|\bon\s+sale\s+(?:now|today|this\s+week|until)\b)",
     0, "sale discounted reduced marked"},
    {ContentRule::PricesAndShops, "is a price about to change",
     R"((?i)\bprice\s+(?:will\s+|is\s+going\s+to\s+|is\s+about\s+to\s+)?(?:go(?:es)?\s+up|increases?|rises?|)"
     R"(returns?\s+to)\b|\bprice\s+increase\b)",
     0, "price"},
    {ContentRule::PricesAndShops, "names another shop",
     R"((?i)\b(?:available|buy|order|get|find|sold|purchase|download|listen|grab|pick\s+up|shop)\b[^.!?]{0,40}?)"
     R"(\b(?:on|at|from|through|via|in)\s+(?<w>(?-i:)" QV_RETAILER R"())(?![\w-]))",
     0, "available buy order get find sold purchase download listen grab pick shop"},
    {ContentRule::PricesAndShops, "points to the author's own shop",
     R"((?i)\b(?:buy|order|get|grab|purchase|available|sold|signed\s+cop(?:y|ies)|signed\s+paperbacks?)\b[^.!?]{0,40}?)"
     R"(\b(?:from|in|at|on|through|via)\s+my\s+(?:own\s+)?(?:online\s+|web\s?|author\s+|book\s+|etsy\s+)?)"
     R"((?:shop|store|website|site)\b|\bbuy\s+(?:it\s+)?direct(?:ly)?\s+from\s+(?:me|the\s+author)\b)",
     0, "shop store website site direct directly"},

    // Reviews, quotes and testimonials.
    {ContentRule::Reviews, "is quoted praise with its source",
     R"((?<w>[“"][^“”"]{2,300}[”"])\s*(?:[-–—―]{1,2}|~)\s*[A-Z][\w.'’&-]*)"
     R"((?:,?\s+(?:[A-Z#][\w.'’&-]*|of|the|and|for|on|in|at|de|van|von|author|reviewer|editor|critic|)"
     R"(bestselling|award-winning|reader|blogger|\d+)){0,10}\s*[.!]?\s*$)",
     QuoteMark, ""},
    {ContentRule::Reviews, "is quoted praise",
     R"((?i)^\s*(?<w>[“"][^“”"]*\b)" QV_PRAISE R"(\b[^“”"]*[”"])\s*[.!]?\s*$)", QuoteMark,
     "gripping unputdownable page pageturner masterpiece must tour riveting couldn couldnt could recommend "
     "highly beautifully five stars triumph compulsively joy loved"},
    {ContentRule::Reviews, "counts reviews or ratings",
     R"((?i)(?<![\d.,])\d{1,3}(?:,\d{3})*\+?\s+(?:(?:five|5|four|4)[- ]star\s+|glowing\s+|positive\s+|rave\s+|)"
     R"(reader\s+|customer\s+|verified\s+)?(?:reviews|ratings)\b|\b(?:hundreds|thousands)\s+of\s+(?:five-star\s+|)"
     R"(5-star\s+|glowing\s+|positive\s+|rave\s+)?(?:reviews|ratings)\b)",
     0, "reviews ratings"},
    {ContentRule::Reviews, "is a star rating", R"((?:[★☆⭐✩✪✫✬✭✮✯✰]\s?){2,})", StarSign, ""},
    {ContentRule::Reviews, "is a star rating",
     R"((?i)\b(?:[1-5](?:\.\d)?|one|two|three|four|five)[- ]stars?\s+(?:reviews?|ratings?|read|praise)\b)", 0,
     "star stars"},
    {ContentRule::Reviews, "is a star rating",
     R"((?i)\b(?:rated|rating\s+of|gave\s+(?:it|this\s+book)|given|earned|awarded|received|averaging|average\s+of)\s+)"
     R"((?:[1-5](?:\.\d)?|one|two|three|four|five)(?:\s*(?:/|out\s+of)\s*5)?\s+stars?\b)",
     0, "star stars"},
    {ContentRule::Reviews, "is a star rating",
     R"((?i)(?<![\d.])[0-5](?:\.\d)?\s*(?:/|out\s+of)\s*5\s+stars?\b|\brated\s+[0-5]\.\d\b|^\s*(?:[1-5]|five|four)\s+stars?\s*[.!]*\s*$)",
     0, "star stars rated"},
    {ContentRule::Reviews, "claims acclaim",
     R"((?i)(?:#\s?1|\bnumber\s+one|\bno\.\s?1|\bnew\s+york\s+times|\bnyt|\busa\s+today|\bwall\s+street\s+journal|)"
     R"(\bsunday\s+times|\binternational(?:ly)?|\bamazon|\bkindle)\s+best-?sell(?:er|ing)\b)",
     0, "bestseller bestselling best"},
    {ContentRule::Reviews, "claims acclaim",
     R"((?i)\b(?:critically\s+acclaimed|rave\s+reviews|praised\s+by\s+(?:critics|readers|reviewers)|readers\s+(?:are\s+)"
     R"(raving|love\s+(?:this|it))|(?:critics|reviewers)\s+(?:are\s+raving|rave))\b)",
     0, "critically rave praised readers critics reviewers"},

    // Requests for reviews or ratings.
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)(?:\bplease|\bdon'?t\s+forget\s+to|\bremember\s+to)\s+)" QV_LEAVE_A_REVIEW, 0,
     "leave write post share drop add"},
    // Said to the reader, not a critic's job in a story: only with where or when it is asked for.
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)(?:^|[.!?:]\s+|,\s*|\bto\s+)(?:and\s+|then\s+)?)" QV_LEAVE_A_REVIEW R"([^.!?]{0,30}?\b(?:on\s+(?:Amazon|)"
     R"(Goodreads|BookBub|the\s+store|this\s+page)|(?:of|for)\s+(?:this|my)\s+book|when\s+you(?:'re|\s+are)?\s+)"
     R"((?:done|finished)|once\s+you(?:'ve|\s+have)?\s+finished))",
     0, "leave write post share drop add"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\bplease\s+(?:review|rate|recommend)\b|\b(?:review|rate)\s+(?:this|my)\s+(?:book|novel|story|e-?book|guide)\b)",
     0, "review rate recommend"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\b(?:review|rate|recommend)\s+(?:it|this|the|my)\b[^.!?]{0,30}?\bon\s+(?:Amazon|Goodreads|BookBub|)"
     R"(your\s+blog|social\s+media|)" QV_SOCIAL R"()\b)",
     0, "review rate recommend"},
    {ContentRule::ReviewRequests, "asks the reader for a review",
     R"((?i)\bif\s+you\s+(?:enjoyed|liked|loved)\s+(?:this|the|my)\s+(?:book|novel|story|series|guide)\b[^.!?]{0,40}?)"
     R"(\b(?:review|rate|rating|recommend)\b)",
     0, "enjoyed liked loved"},

    // Time-limited information.
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\bfor\s+a\s+limited\s+time\s+only\b|\blimited[- ]time\s+(?:only|offer|deal|price|sale|discount|special)\b|)"
     R"(\b(?:offer|sale|price|discount|discounted|special|bonus|promotion|promo|bargain)\b)"
     R"([^.!?]{0,40}?\bfor\s+a\s+(?:limited|short)\s+(?:time|while)\b|\bfree\b[^.!?]{0,20}?\bfor\s+a\s+limited\s+time\b)",
     0, "limited offer sale deal price discount discounted special bonus promotion promo free freebie bargain"},
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\b(?:sale|discount|promotion|promo|price|bonus|giveaway|(?:this|special|limited|launch|introductory|)"
     R"(exclusive)\s+offer)\b[^.!?]{0,40}?\b(?:ends?|expires?|until|till|through|runs?\s+(?:until|through))\s+(?:on\s+)?)"
     R"((?:)" QV_DATE R"(|midnight|tonight|tomorrow|the\s+end\s+of\s+(?:the\s+|this\s+)?(?:week|month)|the\s+weekend))",
     0, "sale discount promotion promo price bonus giveaway offer"},
    {ContentRule::TimeLimited, "is an offer with an end",
     R"((?i)\b(?:free|sale|price|priced|discount|discounted|offer|deal|bonus|99)\b[^.!?]{0,40}?\b(?:today|tonight|)"
     R"(this\s+week|this\s+weekend|this\s+month)\s+only\b|\b(?:today|this\s+week|this\s+weekend)\s+only\b[^.!?]{0,40}?)"
     R"(\b(?:free|sale|price|priced|discount|discounted|offer|deal|bonus)\b)",
     0, "today tonight week weekend month"},
    {ContentRule::TimeLimited, "is a launch special",
     R"((?i)\blaunch\s+(?:special|price|pricing|offer|discount|sale|deal|week\s+special)\b|\bintroductory\s+)"
     R"((?:price|pricing|offer|discount)\b|\brelease[- ]day\s+(?:price|special|offer|sale|discount)\b)",
     0, "launch introductory release"},
    {ContentRule::TimeLimited, "is a pre-order incentive",
     R"((?i)\bpre-?order\s+(?:bonus|incentive|gift|special|price|discount|offer|exclusive|goodies|swag)\b|)"
     R"(\b(?:everyone|anyone|readers?)\s+who\s+pre-?orders?\b|\bpre-?order\s+(?:now\s+|today\s+|it\s+)?(?:and|to)\s+)"
     R"((?:get|receive|unlock|claim|enter)\b|\bif\s+you\s+pre-?order\b)",
     0, "pre preorder preorders"},
    {ContentRule::TimeLimited, "is an event with a date",
     R"((?i)\b(?:join|meet|see|catch)\s+(?:me|us|the\s+author)\b[^.!?]{0,60}?\b(?:on|this|next|at|from)\s+)" QV_DATE, 0,
     "join meet see catch"},
    {ContentRule::TimeLimited, "is an event with a date",
     R"((?i)\b(?:book\s+tour|book\s+signing|signing\s+tour|launch\s+party|webinar|online\s+class|live\s+class|)"
     R"(masterclass|live\s+q&a)s?\b[^.!?]{0,40}?\b(?:on|from|starting|begins?|starts?)\s+)" QV_DATE,
     0, "tour signing party webinar online live masterclass"},

    // Keyword lists.
    {ContentRule::KeywordLists, "is a labelled keyword list",
     R"((?i)^\s*(?<w>(?:keywords?|key\s+words|search\s+terms|tags|categories)\s*[:\-–—]\s*[^,;]+(?:[,;][^,;]+){2,})$)",
     Comma, "keywords keyword key search tags categories"},
    {ContentRule::KeywordLists, "reads as a list of search phrases", nullptr, ManyCommas, ""},
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
