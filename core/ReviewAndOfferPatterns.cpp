// Reviews, requests for them, offers with an end and keyword lists: the second part of the
// content patterns. Precision comes first: a pattern that may catch an ordinary sentence, a
// story's own money and deadlines, dialogue or a technical name needs context that only the
// forbidden use has.
#include "ContentPatternPieces.h"

namespace {

const ContentPattern Patterns[] = {
    // Reviews, quotes and testimonials.
    {ContentRule::Reviews, "is quoted praise with its source",
     R"((?<w>[“"][^“”"]{2,300}[”"])\s*(?:[-–—―]{1,2}|~)\s*(?:[A-Z][\w.'’&-]*)"
     R"((?:,?\s+(?:[A-Z#][\w.'’&-]*|of|the|and|for|on|in|at|de|van|von|author|reviewer|editor|critic|)"
     R"(bestselling|award-winning|)" QV_READER R"(|\d+)){0,10}|(?:a|an|one|another)\s+(?:[\w'-]+\s+){0,3}?)" QV_READER R"()\b)"
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
     R"((?i)(?<![\d./])(?:[0-5]\.\d|[1-5])\s?/\s?(?:5|10)(?![\d/]|[.,]\d)(?=\s*(?:stars?\b|on\b|from\b|by\b|rating\b|[.!]?\s*$)))",
     DigitSlash, "", "|4.5/5| from Verse Weekly.",
     "Leave ratings and counts out: the store shows its own beside the book."},
    {ContentRule::Reviews, "is a rating",
     R"((?i)\brat(?:e|es|ed|ing)\s+(?:it|this\s+book)\s+(?:[0-5](?:\.\d)?|one|two|three|four|five)\s*(?:/|out\s+of)\s*)"
     R"((?:5|five|10)\b)",
     Digit, "rate rates rated rating", "Teachers |rate it 4.9 out of 5|.",
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
     0, "love grateful thrilled honored honoured delighted appreciate mean", "|I'd love to hear what you thought in a review|."},
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
     R"((?i)\b(?:reviews?|ratings?)\b(?:\s+(?!(?:helps?|matters?|means)\b)[\w'’]+){0,4}?\s+(?:really\s+|truly\s+)?)"
     R"((?:helps?|matters?|means\s+a\s+lot)\s*(?:[.!]|$))",
     0, "review reviews rating ratings", "A short |review on Amazon really helps.|",
     "Ask for reviews at the end of the book, not in the description."},
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
     R"((?i)\bif\s+you\s+(?:enjoyed|liked|loved)\s+(?:(?:this|the|my)\s+(?:book|novel|story|series|guide)|it)\b[^.!?]{0,40}?)"
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
     R"((?i)(?<o>\b(?:free|99c|price|priced|offer|deal|bonus|discount|sale|only)\b(?:[^.!?]|\.\d){0,40}?)?)"
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
     0, "ll will", "|I will be signing copies at the festival on August 20|.",
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

} // namespace

std::span<const ContentPattern> ReviewAndOfferPatterns()
{
    return Patterns;
}
