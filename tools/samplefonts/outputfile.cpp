#include "samplefonts/outputfile.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace samplefonts {

void writeOutputFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error(temporary.string() + ": cannot write the file");
        }
    }
    std::filesystem::rename(temporary, path);
}

}  // namespace samplefonts
