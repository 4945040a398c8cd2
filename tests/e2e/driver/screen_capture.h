// A picture of the whole screen (inside Wine: the virtual desktop) as a 24-bit BMP file, for
// people to look at; nothing compares it.
#pragma once

#include <string>

bool SaveScreenAsBmp(const std::wstring& path, std::string& error);
