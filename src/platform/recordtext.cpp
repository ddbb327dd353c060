#include "platform/recordtext.h"

#include <QFile>

namespace platform {

std::string textBeforeNul(const std::optional<std::string>& field) {
    if (!field) {
        return {};
    }
    return field->substr(0, field->find('\0'));
}

QString qtText(const std::optional<std::string>& field) {
    return QString::fromStdString(textBeforeNul(field));
}

QString qtFileName(const std::optional<std::string>& field) {
    return QFile::decodeName(QByteArray::fromStdString(textBeforeNul(field)));
}

std::string fileNameBytes(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

bool writeToBuffer(std::string& buffer, std::int32_t capacity, const std::string& text) {
    if (capacity < 1 || text.size() >= static_cast<std::size_t>(capacity)) {
        return false;
    }
    if (buffer.size() < static_cast<std::size_t>(capacity)) {
        buffer.resize(static_cast<std::size_t>(capacity), '\0');
    }
    buffer.replace(0, text.size() + 1, text + '\0');
    return true;
}

}  // namespace platform
