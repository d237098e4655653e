// The content rules, their settings and sentences; their patterns are data in
// ShopAndContactPatterns.cpp and ReviewAndOfferPatterns.cpp. Tune there, not in the matcher:
// a new phrasing is a row.
#include "ContentPatternPieces.h"

#include "SettingsStore.h"

#include <array>
#include <vector>

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
    // One table, tried in this order: shops before addresses ("Bookshop.org").
    static const std::vector<ContentPattern> patterns = [] {
        std::vector<ContentPattern> all(ShopAndContactPatterns().begin(), ShopAndContactPatterns().end());
        all.insert(all.end(), ReviewAndOfferPatterns().begin(), ReviewAndOfferPatterns().end());
        return all;
    }();
    return patterns;
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
