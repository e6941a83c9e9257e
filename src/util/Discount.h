#pragma once

#include <QString>

#include <stdexcept>

namespace kvr::util {

// A discount text that is not a number expression, or one too large to compute with. Raised
// rather than guessed at, so that a mistyped discount never yields a wrong net; the message names
// the text as it was typed.
class DiscountTextError : public std::runtime_error
{
public:
    enum class Problem { NotANumber, TooLarge };
    DiscountTextError(const QString& text, const QString& term, Problem problem = Problem::NotANumber);

    const QString& text() const noexcept { return m_text; }
    const QString& term() const noexcept { return m_term; }

private:
    QString m_text;
    QString m_term;
};

// Applies a discount text to amount and returns the net. Terms are read left to right: "10%"
// takes 10 percent of what is left, a bare number is a money discount, "/" counts as "%".
// "10%5%" on 200 gives 171, "10%20" gives 160. An empty text or "%" leaves amount unchanged.
// Numbers are plain decimals with the point ("12.5", "-3"). Throws DiscountTextError otherwise,
// and for a number or a net beyond the range of a double.
double NetAfterDiscount(const QString& discountText, double amount);

} // namespace kvr::util
