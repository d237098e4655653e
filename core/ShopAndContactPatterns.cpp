// Other shops, contact details and prices: the first part of the content patterns. Precision
// comes first: a pattern that may catch an ordinary sentence, a story's own money and
// deadlines, dialogue or a technical name needs context that only the forbidden use has.
#include "ContentPatternPieces.h"

namespace {

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
     0, QV_RETAILER_WORDS, "The box set is also on |Kobo, Apple Books and Nook|.",
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
     R"((?<![\d.,])(?<w>)" QV_CURRENCY R"(\s?\d{1,3}[.,]\d[59])(?!\d))" QV_NOT_A_FORTUNE, CurrencySign | DecimalNumber, "",
     "Grab it today for |$1.99|!",
     "Leave the price out: the store shows it beside the description."},
    {ContentRule::PricesAndShops, "is a price",
     R"((?<![\d.,])(?<w>\d{1,3}[.,]\d[59]\s?(?:€|£|\$|USD|EUR|GBP|CAD|AUD))(?!\w))", DecimalNumber, "",
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
};

} // namespace

std::span<const ContentPattern> ShopAndContactPatterns()
{
    return Patterns;
}
