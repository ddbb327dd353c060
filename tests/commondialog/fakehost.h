#pragma once

#include <set>
#include <string>
#include <vector>

#include "commondialog/fontobject.h"
#include "commondialog/hostservices.h"
#include "commondialog/printerobject.h"
#include "runtime/runtimeerror.h"

namespace testsupport {

class FakeHostServices : public commondialog::HostServices {
public:
    std::int32_t printerDC = 0x5150;
    double twipsPerPixelY = 15.0;
    int printerDCQueries = 0;

    std::int32_t CurrentPrinterDC() override {
        ++printerDCQueries;
        return printerDC;
    }
    double TwipsPerPixelY() override { return twipsPerPixelY; }
};

// A font whose members are plain values; every write is logged as "Member=value", in order.
class FakeFontObject : public commondialog::FontObject {
public:
    std::string name = "Tahoma";
    double size = 12.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t weight = 400;
    std::vector<std::string> writes;

    std::string Name() const override { return name; }
    void setName(const std::string& value) override {
        name = value;
        writes.push_back("Name=" + value);
    }
    double Size() const override { return size; }
    void setSize(double value) override {
        size = value;
        writes.push_back("Size=" + std::to_string(value));
    }
    bool Bold() const override { return bold; }
    void setBold(bool value) override { bold = log("Bold", value); }
    bool Italic() const override { return italic; }
    void setItalic(bool value) override { italic = log("Italic", value); }
    bool Underline() const override { return underline; }
    void setUnderline(bool value) override { underline = log("Underline", value); }
    bool Strikethrough() const override { return strikethrough; }
    void setStrikethrough(bool value) override { strikethrough = log("Strikethrough", value); }
    std::int16_t Weight() const override { return weight; }
    void setWeight(std::int16_t value) override {
        weight = value;
        writes.push_back("Weight=" + std::to_string(value));
    }

private:
    bool log(const char* member, bool value) {
        writes.push_back(std::string(member) + (value ? "=1" : "=0"));
        return value;
    }
};

// A printer that logs each member it receives as "Member=value"; the members named in `refusing`
// raise instead.
class FakePrinterObject : public commondialog::PrinterObject {
public:
    std::set<std::string> refusing;
    std::vector<std::string> writes;

    void setCopies(std::int16_t value) override { set("Copies", value); }
    void setOrientation(std::int16_t value) override { set("Orientation", value); }
    void setPaperSize(std::int16_t value) override { set("PaperSize", value); }
    void setPrintQuality(std::int16_t value) override { set("PrintQuality", value); }

private:
    void set(const std::string& member, std::int16_t value) {
        if (refusing.contains(member)) {
            runtime::raise(runtime::ErrorNumber::InvalidProcedureCall, member);
        }
        writes.push_back(member + "=" + std::to_string(value));
    }
};

}  // namespace testsupport
