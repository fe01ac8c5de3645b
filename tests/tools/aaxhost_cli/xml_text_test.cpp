// Text written into the program's XML documents stays well-formed whatever it holds.
#include "tools/aaxhost/cli/xml_text.h"

#include <gtest/gtest.h>

namespace {

TEST(XmlText, EscapesMarkupAndLineEndsAndDropsWhatXmlCannotHold) {
    const struct {
        std::string text;
        std::string escaped;
    } rows[] = {
        {"plain words 1.5 s", "plain words 1.5 s"},
        {"a<b & c>d", "a&lt;b &amp; c&gt;d"},
        {"\"quoted\" 'single'", "&quot;quoted&quot; &apos;single&apos;"},
        {"line\nnext\r\tend", "line&#10;next&#13;&#9;end"},
        {std::string("bell\a nul") + '\0' + "esc\x1b", "bell  nul esc "},
        {"Gr\xc3\xb6\xc3\x9f"
         "e",
         "Gr\xc3\xb6\xc3\x9f"
         "e"},
    };
    for (const auto& row : rows) EXPECT_EQ(aaxhost::XmlText(row.text), row.escaped) << row.text;
}

}  // namespace
