// The installed MIME package makes Qt's MIME database, which reads installed packages as a file
// manager does, name boot fonts by their name in any letter case and by their signature.
#include <gtest/gtest.h>
#include <QMimeDatabase>
#include <cstdlib>

#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

TEST(BootFontMimeType, NamesBootFontsByTheirNameInAnyCaseAndRenamedOnesByTheirSignature) {
    testsupport::TempDir prefix;
    const std::string install = std::string("'") + CMAKE_COMMAND + "' --install '" + BUILD_DIR +
                                "' --prefix '" + prefix.path().string() + "' > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;
    // Only the installed tree, set before the database first looks.
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString((prefix / "share").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((prefix / "home").string()));

    const std::vector<std::uint8_t> text{'h', 'i', '\n'};
    const auto font = testsupport::BootFontBuilder().build();
    const std::tuple<const char*, const std::vector<std::uint8_t>&, bool> cases[] = {
        {"BOOTFONT.BIN", text, true}, {"bootfont.bin", text, true},
        {"BootFont.Bin", font, true}, {"renamed.dat", font, true},
        {"notes.dat", text, false},   {"bootfont-zh.bin", text, false},
    };
    for (const auto& [name, bytes, bootFont] : cases) {
        const auto path = prefix / name;
        testsupport::writeBytes(path, bytes);
        const QString type =
            QMimeDatabase().mimeTypeForFile(QString::fromStdString(path.string())).name();
        EXPECT_EQ(type == QStringLiteral(MIME_TYPE), bootFont)
            << name << ": " << type.toStdString();
    }
}
