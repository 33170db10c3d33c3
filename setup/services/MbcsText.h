// Text routines over Shift-JIS byte strings: lead bytes, searches that never match inside a
// double-byte character, case and width mapping, cuts by byte count, token replacement.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Flags of MapStringCase (the values of LCMAP_UPPERCASE and LCMAP_FULLWIDTH).
constexpr std::uint32_t kMapUpperCase = 0x00000200;
constexpr std::uint32_t kMapFullWidth = 0x00800000;

// True for a lead byte of code page 932 (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char byte);

// The 1-based position of the first occurrence of sub in text that starts on a character, 0 when
// there is none or sub is empty. MbcsPosText compares both upper-cased (MapStringCase).
int MbcsPos(std::string_view sub, std::string_view text);
int MbcsPosText(std::string_view sub, std::string_view text);

// Upper case (ASCII, full-width Latin, Greek, Cyrillic and Roman numerals) and full width (ASCII
// and half-width katakana, voiced marks joined to their letter). A trail byte is never changed.
// Without a known flag the text comes back unchanged.
std::string MapStringCase(std::string_view text, std::uint32_t flags);

// The first count bytes, the last count bytes, and the bytes from the 1-based start on.
std::string LeftStr(std::string_view text, int count);
std::string RightStr(std::string_view text, int count);
std::string MidStr(std::string_view text, int start);

// Every occurrence of token (found without regard to case) replaced by value. When the value ends
// with "\" and the text after the token starts with one, that second "\" is dropped. The search
// goes on after the inserted value, so a value holding the token is inserted only once.
std::string ReplaceToken(std::string_view text, std::string_view token, std::string_view value);
