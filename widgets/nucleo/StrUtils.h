// String helpers of the widget kit. Strings are byte strings (UTF-8 passes through unchanged).
#pragma once

#include <string>

// Every occurrence of `procura`, scanning left to right and going on after each replacement.
// An empty search text leaves the text unchanged.
std::string ReplaceAll(const std::string &texto, const std::string &procura,
                       const std::string &troca);
// The text without any occurrence of `c`.
std::string RemoveChar(const std::string &texto, char c);
// Without leading, trailing, or leading and trailing blanks (character 32 only).
std::string TrimLeftSpaces(const std::string &texto);
std::string TrimRightSpaces(const std::string &texto);
std::string TrimSpaces(const std::string &texto);
// `n` copies of `c`; empty for n below 1.
std::string RepeatChar(char c, int n);
