#include "util/Discount.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <tuple>

using kvr::util::DiscountTextError;
using kvr::util::NetAfterDiscount;

namespace {

using namespace Qt::Literals::StringLiterals;

// The error a text raises on 200 baht: the text as typed, the bad term and the message.
QStringList errorOf(const QString& text)
{
    try {
        NetAfterDiscount(text, 200);
    } catch (const DiscountTextError& error) {
        return {error.text(), error.term(), QString::fromUtf8(error.what())};
    }
    return {u"accepted"_s};
}

TEST(NetAfterDiscount, applies_terms_left_to_right)
{
    // Text, amount, net.
    const std::tuple<QString, double, double> cases[] = {
        {"10%", 200, 180},   {"10%5%", 200, 171},  {"10%20", 200, 160},  {"25", 200, 175},     {"10/5/", 200, 171},
        {"10/5%", 200, 171}, {" 10 % ", 200, 180}, {"10% 5%", 200, 171}, {"12.5%", 80, 70},    {"5.5", 10, 4.5},
        {".5", 10, 9.5},     {"5.", 10, 5},        {"+5", 10, 5},        {"0%", 99.99, 99.99}, {"100%", 99.99, 0},
        {"3%", 100, 97},     {"", 200, 200},       {"   ", 200, 200},    {"%", 200, 200},      {"/", 200, 200},
    };
    for (const auto& [text, amount, net] : cases) {
        SCOPED_TRACE(testing::Message() << '"' << text.toStdString() << "\" on " << amount);
        EXPECT_DOUBLE_EQ(NetAfterDiscount(text, amount), net);
    }
}

TEST(NetAfterDiscount, refuses_texts_that_are_not_number_expressions)
{
    const QString texts[] = {
        "%%", "abc", "10%%", "10%abc", "1,000", "10 5", "1e2", "10-", "5..5", "--5", "inf", "nan", u"๑๐%"_s, "10%5%x",
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_THROW(NetAfterDiscount(text, 200), DiscountTextError);
    }
}

// A number beyond the range of a double once read as 0, so the discount was silently dropped.
TEST(NetAfterDiscount, refuses_numbers_too_large_to_compute_with)
{
    const QString huge = QString(400, u'9');
    const QString texts[] = {huge, huge + u'%', u"10%"_s + huge, u"-"_s + huge,
                             // each fits a double, but the net it leads to does not
                             u"1"_s + QString(308, u'0') + u'%', u"5%1"_s + QString(308, u'0') + u"%5"_s};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.left(12).toStdString());
        EXPECT_THROW(NetAfterDiscount(text, 200), DiscountTextError);
    }
    EXPECT_EQ(errorOf(u"5%"_s + huge),
              (QStringList{u"5%"_s + huge, huge,
                           u"Discount \"5%"_s + huge + u"\" is not valid: \""_s + huge + u"\" is too large"_s}));
    // A number too small to matter is no discount at all rather than an error.
    EXPECT_DOUBLE_EQ(NetAfterDiscount(u"0."_s + QString(400, u'0') + u"1%"_s, 200), 200);
}

TEST(NetAfterDiscount, error_names_the_text_as_typed_and_the_bad_term)
{
    EXPECT_EQ(errorOf(u"10/x5/"_s),
              (QStringList{u"10/x5/"_s, u"x5"_s, u"Discount \"10/x5/\" is not valid: \"x5\" is not a number"_s}));
    EXPECT_EQ(errorOf(u"10%%"_s).last(), u"Discount \"10%%\" is not valid: a \"%\" has no number before it"_s);
}

} // namespace
