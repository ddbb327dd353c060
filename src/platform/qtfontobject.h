#pragma once

#include <QFont>

#include "commondialog/fontobject.h"

namespace platform {

// A QFont as the font dialog's font object. A size that is not a positive number, or a weight
// outside 0..1000, is refused with the invalid-argument error; weight 0 ("any") is the normal one.
class QtFontObject : public commondialog::FontObject {
public:
    QtFontObject() = default;
    explicit QtFontObject(const QFont& font) : font_(font) {}

    const QFont& font() const { return font_; }

    std::string Name() const override;
    void setName(const std::string& name) override;
    double Size() const override;
    void setSize(double points) override;
    bool Bold() const override { return font_.bold(); }
    void setBold(bool bold) override { font_.setBold(bold); }
    bool Italic() const override { return font_.italic(); }
    void setItalic(bool italic) override { font_.setItalic(italic); }
    bool Underline() const override { return font_.underline(); }
    void setUnderline(bool underline) override { font_.setUnderline(underline); }
    bool Strikethrough() const override { return font_.strikeOut(); }
    void setStrikethrough(bool strikethrough) override { font_.setStrikeOut(strikethrough); }
    std::int16_t Weight() const override;
    void setWeight(std::int16_t weight) override;

private:
    QFont font_;
};

}  // namespace platform
