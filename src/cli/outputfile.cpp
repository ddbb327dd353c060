#include "cli/outputfile.h"

#include <filesystem>
#include <iostream>

#include "bootfont/atomicwrite.h"
#include "bootfont/bootfonterror.h"
#include "cli/failure.h"

namespace cli {

bool isSameFile(const std::string& input, const std::string& out) {
    std::error_code error;
    return input != "-" && out != "-" && std::filesystem::equivalent(input, out, error);
}

void writeOutputFile(const std::string& out, std::span<const std::uint8_t> bytes) {
    writeOutputFile(out,
                    std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void writeOutputFile(const std::string& out, std::string_view contents) {
    if (out == "-") {
        std::cout.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        std::cout.flush();
        if (!std::cout) {
            failUsage("standard output: write failed");
        }
        return;
    }
    try {
        bootfont::writeFileAtomically(
            out,
            std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()));
    } catch (const bootfont::BootFontError& error) {
        failUsage(out + ": " + error.reason());
    }
}

}  // namespace cli
