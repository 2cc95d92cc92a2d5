#include "cli/ReadingOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace {

TEST(ReadingOutputTest, SanitizeKeepsValidTextAndReplacesTheRest)
{
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain", "plain"},
        {"\xC2\xB0 \xD8\xB9\xD9\x84\xD9\x8A", "\xC2\xB0 \xD8\xB9\xD9\x84\xD9\x8A"},  // degree sign, Arabic
        {"e\xCC\x81", "e\xCC\x81"},                                                  // combining accent
        {"\xF0\x9F\x8C\x99", "\xF0\x9F\x8C\x99"},                                    // four bytes
        {"a\xFFz", "a\xEF\xBF\xBDz"},
        {"\xC2", "\xEF\xBF\xBD"},                                                    // cut short
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                                    // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},                    // surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},    // beyond U+10FFFF
    };
    for (const auto& c : cases)
        EXPECT_EQ(SanitizeUtf8(c.in), c.out) << c.in;
}

// What reaches a terminal line shows what it holds and cannot move the
// cursor, start a terminal command or reorder the text after it.
TEST(ReadingOutputTest, OneLineTextShowsNoControls)
{
    const struct {
        std::string in, out;
    } cases[] = {
        {"a\nb\r\tc\x1b[2J\x7F", "a?b??c?[2J?"},
        {"x\xC2\x9B" "31m\xC2\x85\xC2\xA0y", "x?31m?\xC2\xA0y"},           // C1 CSI and NEL; no-break space stays
        {"\xE2\x80\xAEgnp.exe", "?gnp.exe"},                                    // right-to-left override
        {"\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD", "????"},           // embeddings, pop
        {"\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9", "????"},           // isolates
        {"\xE2\x80\xA8\xE2\x80\xA9", "??"},                                      // line and paragraph separators
        {"\xE2\x80\x8F\xD8\xB9\xE2\x81\xA5", "\xE2\x80\x8F\xD8\xB9\xE2\x81\xA5"},  // a mark, Arabic, U+2065 stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(OneLineText(c.in), c.out) << c.in;
}

TEST(ReadingOutputTest, JsonStringsEscapeWhatMustBeEscaped)
{
    EXPECT_EQ(JsonString("19\xC2\xB0 27' 45\" Lib"), "\"19\xC2\xB0 27' 45\\\" Lib\"");
    EXPECT_EQ(JsonString("a\\b\r\n\t\x01"), "\"a\\\\b\\r\\n\\t\\u0001\"");
    EXPECT_EQ(JsonString(std::string("nul\0", 4)), "\"nul\\u0000\"");
    EXPECT_EQ(JsonString("\xFF"), "\"\xEF\xBF\xBD\"");

    // Every control byte is escaped, as \u00XX or by its own short form:
    // none reaches the JSON as it is.
    const std::map<int, std::string> shortForms{{'\b', "\\b"}, {'\f', "\\f"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}};
    for (int c = 0; c < 0x20; ++c) {
        const std::string json = JsonString("a" + std::string(1, static_cast<char>(c)) + "b");
        char unicode[16];
        std::snprintf(unicode, sizeof unicode, "\"a\\u%04x", c);
        const auto form = shortForms.find(c);
        EXPECT_TRUE(json == unicode + std::string("b\"") ||
                    (form != shortForms.end() && json == "\"a" + form->second + "b\""))
            << "byte " << c << ": " << json;
    }
}

MansionReading Reading()
{
    return ReadingForPositionText("0\xC2\xB0 0' 0\" Ari");
}

TEST(ReadingOutputTest, JsonHasEveryKeyAndListsAsArrays)
{
    const std::string json = ReadingJson(Reading(), std::nullopt);
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.find('\n'), std::string::npos);
    for (const char* key : {"\"position\":", "\"mansion\":1,", "\"lunarMansionName\":\"Alnath\"", "\"arabicName\":",
                            "\"englishMeaning\":", "\"constellation\":\"Aries\"", "\"planetaryRuler\":\"Sun\"",
                            "\"angel\":\"Geniel\"", "\"attributes\":", "\"famousPerson\":",
                            "\"favorableCircumstances\":[\"To travel or go on a long journey\","
                            "\"To take medications or undergo surgery\"]",
                            "\"unfavorableCircumstances\":[\"Discords\"]"})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    EXPECT_EQ(json.find("\"name\""), std::string::npos);
    EXPECT_NE(ReadingJson(Reading(), std::string("a\"b"), 7).find("{\"line\":7,\"name\":\"a\\\"b\","),
              std::string::npos);
}

}  // namespace
