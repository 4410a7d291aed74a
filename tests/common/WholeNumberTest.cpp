#include "UWholeNumber.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct TCase {
    const char16_t* text;
    std::optional<int> value;
};

class WholeNumberRule : public ::testing::TestWithParam<TCase> {};

TEST_P(WholeNumberRule, ReadsTextAsTheRuleSays)
{
    const TCase c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(TryStrToInt(text), c.value) << text.toStdString();
    if (c.value) {
        EXPECT_EQ(StrToInt(text), *c.value);
    } else {
        try {
            StrToInt(text);
            ADD_FAILURE() << "no failure for " << text.toStdString();
        } catch (const EConvertError& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("'%1' は整数ではありません").arg(text));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeNumberRule,
    ::testing::Values(TCase{u"0", 0}, TCase{u"42", 42}, TCase{u"007", 7}, TCase{u"   12", 12},
                      TCase{u"+5", 5}, TCase{u"-5", -5}, TCase{u"  -0012", -12},
                      TCase{u"2147483647", 2147483647}, TCase{u"-2147483648", -2147483647 - 1},
                      TCase{u"2147483648", std::nullopt}, TCase{u"-2147483649", std::nullopt},
                      TCase{u"99999999999999999999", std::nullopt},
                      TCase{u"$7E8", 2024}, TCase{u"x1f", 31}, TCase{u"X1F", 31}, TCase{u"0x10", 16},
                      TCase{u"0X10", 16}, TCase{u"-$10", -16}, TCase{u"$0000FF", 255},
                      TCase{u"$FFFFFFFF", -1}, TCase{u"$100000000", std::nullopt},
                      TCase{u"", std::nullopt}, TCase{u"   ", std::nullopt}, TCase{u"+", std::nullopt},
                      TCase{u"-", std::nullopt}, TCase{u"$", std::nullopt}, TCase{u"0x", std::nullopt},
                      TCase{u"+$", std::nullopt}, TCase{u"12 ", std::nullopt}, TCase{u"1 2", std::nullopt},
                      TCase{u"\t12", std::nullopt}, TCase{u"12a", std::nullopt}, TCase{u"$G", std::nullopt},
                      TCase{u"１２", std::nullopt}, TCase{u"+-1", std::nullopt}, TCase{u"0b1", std::nullopt},
                      TCase{u"x", std::nullopt}));

} // namespace
