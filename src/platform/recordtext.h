#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QString>

// Reading and writing the text fields of the dialog records. Record texts are UTF-8 byte strings;
// file names go through QFile's name encoding, which is UTF-8 here as well.
namespace platform {

// The text of a field up to its first NUL; an absent field reads as empty.
std::string textBeforeNul(const std::optional<std::string>& field);
QString qtText(const std::optional<std::string>& field);
QString qtFileName(const std::optional<std::string>& field);
std::string fileNameBytes(const QString& fileName);

// Writes `text` and a terminating NUL to the start of a buffer of `capacity` bytes; false, with the
// buffer untouched, when they do not fit.
bool writeToBuffer(std::string& buffer, std::int32_t capacity, const std::string& text);

}  // namespace platform
