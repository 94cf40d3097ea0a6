// Texts at the system's edge: the game speaks UTF-8, Windows UTF-16; each text is converted
// once, where it crosses.
#pragma once

#include <string>
#include <string_view>

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
