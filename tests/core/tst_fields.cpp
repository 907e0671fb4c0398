#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/fields.h"

namespace solvane {
namespace {

// Every field of text, in order, until the reader reports the end.
std::vector<std::string> allFields(std::string_view text)
{
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.next()) {
        fields.push_back(*field);
        if (fields.size() > 100) break;  // a reader that never ends fails the comparison
    }
    return fields;
}

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> fields;
};

class FieldRule : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FieldRule, SplitsTheTextIntoFields) { EXPECT_EQ(allFields(GetParam().text), GetParam().fields); }

INSTANTIATE_TEST_SUITE_P(
    Table, FieldRule,
    ::testing::Values(SplitCase{"PointLine", "50,90,#TRUE#,0\r\n", {"50", "90", "#TRUE#", "0"}},
                      SplitCase{"QuotedWithComma", "\"a,b\",5\r\n", {"a,b", "5"}},
                      SplitCase{"QuotedThenJunkSkipped", "\"abc\"junk here,5\r\n", {"abc", "5"}},
                      SplitCase{"QuotedThenJunkToLineEnd", "\"abc\" x\r\n7\r\n", {"abc", "7"}},
                      SplitCase{"LeadingSpacesSkipped", "   5,  \"q\"\r\n", {"5", "q"}},
                      SplitCase{"TrailingSpacesRemoved", "5   ,abc  \r\n", {"5", "abc"}},
                      SplitCase{"InnerSpacesKept", "a b ,c\r\n", {"a b", "c"}},
                      SplitCase{"LineWithoutComma", "Solvane 5.1\r\n200\r\n", {"Solvane 5.1", "200"}},
                      SplitCase{"LfOnly", "1,2\n3\n", {"1", "2", "3"}},
                      SplitCase{"CrOnly", "1,2\r3\r", {"1", "2", "3"}},
                      SplitCase{"CrLfIsOneLineEnd", "1\r\n2\r\n", {"1", "2"}},
                      SplitCase{"EmptyLineIsAnEmptyField", "1\r\n\r\n2\r\n", {"1", "", "2"}},
                      SplitCase{"EmptyFieldsBetweenCommas", "1,,2\r\n", {"1", "", "2"}},
                      SplitCase{"NoFinalLineEnd", "1,2", {"1", "2"}}, SplitCase{"EmptyText", "", {}},
                      SplitCase{"EmptyQuoted", "\"\",1\r\n", {"", "1"}},
                      SplitCase{"QuotedRunsOverLineEnd", "\"two\r\nlines\",1\r\n", {"two\r\nlines", "1"}},
                      SplitCase{"UnclosedQuoteRunsToTheEnd", "\"open,1\r\n2", {"open,1\r\n2"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

struct NumberCase {
    const char* field;
    std::optional<double> value;
};

class NumberFields : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFields, AcceptOnlyAWholeDecimalNumber)
{
    const NumberCase c = GetParam();
    EXPECT_EQ(parseNumberField(c.field), c.value) << '"' << c.field << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, NumberFields,
                         ::testing::Values(NumberCase{"200", 200.0}, NumberCase{".5", 0.5}, NumberCase{"-.5", -0.5},
                                           NumberCase{"1E-05", 1e-05}, NumberCase{"-2147483633", -2147483633.0},
                                           NumberCase{" 7 ", 7.0}, NumberCase{"5.", 5.0}, NumberCase{"", std::nullopt},
                                           NumberCase{".", std::nullopt}, NumberCase{"-", std::nullopt},
                                           NumberCase{"1E", std::nullopt}, NumberCase{"200mm", std::nullopt},
                                           NumberCase{"1,5", std::nullopt}, NumberCase{"inf", std::nullopt},
                                           NumberCase{"nan", std::nullopt}, NumberCase{"0x1F", std::nullopt},
                                           NumberCase{"1E999", std::nullopt}, NumberCase{"#TRUE#", std::nullopt}));

TEST(FieldReader, ReadsTypedFieldsAndFailsPastTheLast)
{
    FieldReader reader("#TRUE#,#FALSE#,#true#,12\r\n");
    EXPECT_EQ(reader.nextBoolean(), std::optional<bool>(true));
    EXPECT_EQ(reader.nextBoolean(), std::optional<bool>(false));
    EXPECT_EQ(reader.nextBoolean(), std::nullopt);  // case matters
    EXPECT_EQ(reader.nextNumber(), std::optional<double>(12.0));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(), std::nullopt);
    EXPECT_EQ(reader.nextNumber(), std::nullopt);
}

TEST(FieldReader, ToleratesBinaryBytesAndAVeryLongLine)
{
    std::string text(1 << 20, 'x');
    text += std::string("\0\xff\x01,\"\xe9t\xe9\",9", 12);
    const auto fields = allFields(text);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].size(), (1u << 20) + 3u);
    EXPECT_EQ(fields[1], "\xe9t\xe9");
    EXPECT_EQ(parseNumberField(fields[0]), std::nullopt);
}

}  // namespace
}  // namespace solvane
