// Text made safe for XML documents the program writes (the SVG plot, the JUnit report), in
// element content and in quoted attributes alike.
#pragma once

#include <string>

namespace aaxhost {

// Escapes the five markup characters and line ends; other control characters, which XML 1.0
// cannot hold at all, become spaces.
std::string XmlText(const std::string& text);

}  // namespace aaxhost
