#pragma once

#include <cstdint>
#include <string>

namespace commondialog {

// A font as the font dialog reads and rewrites it: face name, size in points, style and weight
// (100 to 900, 400 normal, 700 bold). A setter may refuse a value it cannot take by raising the
// runtime's error.
class FontObject {
public:
    virtual ~FontObject() = default;

    virtual std::string Name() const = 0;
    virtual void setName(const std::string& name) = 0;
    virtual double Size() const = 0;
    virtual void setSize(double points) = 0;
    virtual bool Bold() const = 0;
    virtual void setBold(bool bold) = 0;
    virtual bool Italic() const = 0;
    virtual void setItalic(bool italic) = 0;
    virtual bool Underline() const = 0;
    virtual void setUnderline(bool underline) = 0;
    virtual bool Strikethrough() const = 0;
    virtual void setStrikethrough(bool strikethrough) = 0;
    virtual std::int16_t Weight() const = 0;
    virtual void setWeight(std::int16_t weight) = 0;
};

}  // namespace commondialog
