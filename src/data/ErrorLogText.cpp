#include "data/ErrorLogText.h"

#include <QRegularExpression>
#include <utility>
#include <vector>

namespace kvr::data {

namespace {

// The check digit of card numbers (Luhn): every second digit from the right doubled.
bool hasCardCheckDigit(const QString& digits)
{
    int sum = 0;
    bool doubled = false;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int d = digits.at(i).digitValue();
        if (doubled) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
        doubled = !doubled;
    }
    return sum % 10 == 0;
}

} // namespace

QString errorLogText(const QString& message)
{
    // Digit groups joined by single blanks or dashes; a card number is some consecutive groups of
    // such a run ("card 4111 1111 1111 1111 2026" holds one followed by a year).
    static const QRegularExpression run(QStringLiteral("(?<![0-9])[0-9]+(?:[ -][0-9]+)*(?![0-9])"));
    static const QRegularExpression group(QStringLiteral("[0-9]+"));
    QString out;
    out.reserve(message.size());
    qsizetype last = 0;
    for (auto runs = run.globalMatch(message); runs.hasNext();) {
        const QRegularExpressionMatch match = runs.next();
        std::vector<std::pair<qsizetype, QString>> groups; // start in the message, digits
        for (auto g = group.globalMatch(match.captured(0)); g.hasNext();) {
            const QRegularExpressionMatch m = g.next();
            groups.emplace_back(match.capturedStart(0) + m.capturedStart(0), m.captured(0));
        }
        for (size_t i = 0; i < groups.size(); ++i) {
            for (size_t j = groups.size(); j-- > i;) {
                QString digits;
                for (size_t k = i; k <= j; ++k)
                    digits += groups[k].second;
                if (digits.size() < 13 || digits.size() > 19 || !hasCardCheckDigit(digits))
                    continue;
                out += QStringView(message).mid(last, groups[i].first - last);
                out += QString(digits.size() - 4, QLatin1Char('*')) + digits.right(4);
                last = groups[j].first + groups[j].second.size();
                i = j;
                break;
            }
        }
    }
    out += QStringView(message).mid(last);
    out.replace(QChar(0), QLatin1String("\\0"));
    return out;
}

} // namespace kvr::data
