#include "places/PlaceKeys.h"

#include <QStringList>

#include <algorithm>

namespace {

// Words people shorten in place names, written out in the search keys.
bool Expand(QString& word)
{
    static const struct {
        const char* shortForm;
        const char* full;
    } words[] = {{"st", "saint"}, {"ste", "sainte"}, {"mt", "mount"}, {"ft", "fort"}};
    for (const auto& w : words) {
        if (word == QLatin1String(w.shortForm)) {
            word = QLatin1String(w.full);
            return true;
        }
    }
    return false;
}

// Letters written two ways in the names of the list: ß as ss, æ and œ as
// ae and oe, ø as o.
void FoldSpellings(QString& word)
{
    if (word.contains(QChar(0x00DF)) || word.contains(QChar(0x00E6)) || word.contains(QChar(0x0153)) ||
        word.contains(QChar(0x00F8))) {
        word.replace(QChar(0x00DF), QLatin1String("ss"));
        word.replace(QChar(0x00E6), QLatin1String("ae"));
        word.replace(QChar(0x0153), QLatin1String("oe"));
        word.replace(QChar(0x00F8), QLatin1Char('o'));
    }
}

}  // namespace

QString SearchKey(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    QString word;
    auto endWord = [&] {
        if (word.isEmpty())
            return;
        FoldSpellings(word);
        Expand(word);
        if (!key.isEmpty())
            key += QLatin1Char(' ');
        key += word;
        word.clear();
    };
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QLatin1Char('.') || c == QLatin1Char('\'') || c == QChar(0x2019) || c == QChar(0x2018) ||
            c == QChar(0x02BC))
            continue;
        if (c.isLetterOrNumber())
            word += c.toCaseFolded();
        else
            endWord();
    }
    endWord();
    return key;
}

NameMatch MatchWords(const QString& key, const QString& typed)
{
    if (key.size() < typed.size() || typed.isEmpty())
        return NameMatch::None;
    if (key.size() == typed.size())
        return key == typed ? NameMatch::Exact : NameMatch::None;
    for (qsizetype at = key.indexOf(typed); at >= 0; at = key.indexOf(typed, at + 1)) {
        const qsizetype end = at + typed.size();
        if ((at == 0 || key.at(at - 1) == QLatin1Char(' ')) && (end == key.size() || key.at(end) == QLatin1Char(' ')))
            return at == 0 ? NameMatch::Starts : NameMatch::Inside;
    }
    return NameMatch::None;
}

int EditDistance(std::u16string_view a, std::u16string_view b, int limit)
{
    constexpr std::size_t Longest = 63;
    const std::size_t n = a.size(), m = b.size();
    if (n > Longest || m > Longest || (n > m ? n - m : m - n) > static_cast<std::size_t>(limit))
        return limit + 1;
    int rows[3][Longest + 1];
    int* before = rows[0];
    int* previous = rows[1];
    int* current = rows[2];
    for (std::size_t j = 0; j <= m; ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i) {
        current[0] = static_cast<int>(i);
        int rowBest = current[0];
        for (std::size_t j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[m];
}

QString NameAndRegion(const QString& countryCode, const QString& state, const QString& country, const QString& name)
{
    static const QStringList statesNamed{QStringLiteral("US"), QStringLiteral("CA"), QStringLiteral("AU"),
                                         QStringLiteral("GB")};
    const bool byState = statesNamed.contains(countryCode) && !state.isEmpty();
    return QStringLiteral("%1, %2").arg(name, byState ? state : country);
}
