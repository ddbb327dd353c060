// The installed MIME package makes the desktop (here Qt's MIME database, which reads the installed
// package as a file manager does) name boot fonts by their name and by their signature.
#include <gtest/gtest.h>
#include <QMimeDatabase>
#include <QString>
#include <cstdlib>
#include <string>

#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace {

TEST(BootFontMimeType, NamesBootFontsByTheirNameInAnyCaseAndRenamedOnesByTheirSignature) {
    testsupport::TempDir prefix;
    const std::string install = std::string("'") + CMAKE_COMMAND + "' --install '" + BUILD_DIR +
                                "' --prefix '" + prefix.path().string() + "' > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;
    // Only the installed tree, before the database first looks.
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString((prefix / "share").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((prefix / "home").string()));

    testsupport::TempDir files;
    const std::vector<std::uint8_t> text{'h', 'e', 'l', 'l', 'o', '\n'};
    const auto font = testsupport::BootFontBuilder().build();
    const struct {
        const char* name;
        const std::vector<std::uint8_t>& bytes;
        bool bootFont;
    } cases[] = {
        {"BOOTFONT.BIN", text, true}, {"bootfont.bin", text, true},
        {"BootFont.Bin", font, true}, {"renamed.dat", font, true},
        {"notes.dat", text, false},   {"bootfont-zh.bin", text, false},
    };
    const QMimeDatabase database;
    for (const auto& c : cases) {
        const auto path = files / c.name;
        testsupport::writeBytes(path, c.bytes);
        const QString type = database.mimeTypeForFile(QString::fromStdString(path.string())).name();
        EXPECT_EQ(type == QStringLiteral(MIME_TYPE), c.bootFont)
            << c.name << ": " << type.toStdString();
    }
}

}  // namespace
