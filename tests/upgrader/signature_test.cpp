#include "tests/support/tempdir.h"
#include "upgrader/catalogue.h"
#include "upgrader/signature.h"
#include "upgrader/upgraderun.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::writeFile;

namespace {

struct SignatureCase {
    const char* name;
    std::string bytes;
    const char* expected;
    SignatureResult result;
};
void PrintTo(const SignatureCase& c, std::ostream* os) {
    *os << c.name;
}

bool isMd5Text(const std::string& text) {
    return text.size() == 32 && text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) % 256);
    return bytes;
}

class CheckSignatureTest : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(CheckSignatureTest, ComparesTheUpperCaseDigestExactly) {
    TempDir dir;
    writeFile(dir.path() / "gauge.gau", GetParam().bytes);
    EXPECT_EQ(CheckSignature(dir.file("gauge.gau"), GetParam().expected), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckSignatureTest,
    ::testing::Values(
        SignatureCase{"EmptyFile", "", "D41D8CD98F00B204E9800998ECF8427E", SignatureMatch},
        SignatureCase{"Text", "The quick brown fox jumps over the lazy dog",
                      "9E107D9D372BB6826BD81D3542A419D6", SignatureMatch},
        // Several 16 KiB blocks and a partial one.
        SignatureCase{"ManyBlocks", pattern(40000), "18B0899F31C3D879C3457A4E7E82E51E",
                      SignatureMatch},
        SignatureCase{"LowerCaseExpected", "", "d41d8cd98f00b204e9800998ecf8427e",
                      SignatureMismatch},
        SignatureCase{"EmptyExpected", "", "", SignatureMismatch},
        SignatureCase{"OtherFile", "x", "D41D8CD98F00B204E9800998ECF8427E", SignatureMismatch}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckSignature, FileThatCannotBeOpenedIsNotFoundWhateverIsExpected) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "folder.gau");
    for (const char* expected : {"", "D41D8CD98F00B204E9800998ECF8427E"}) {
        EXPECT_EQ(CheckSignature(dir.file("missing.gau"), expected), SignatureNotFound);
        EXPECT_EQ(CheckSignature(dir.file("folder.gau"), expected), SignatureNotFound);
    }
}

TEST(FileExists, OnlyForFilesThatOpen) {
    TempDir dir;
    writeFile(dir.path() / "Panel" / "Gauge.GAU", "x");
    EXPECT_TRUE(FileExists(dir.file("Panel/Gauge.GAU")));
    EXPECT_TRUE(FileExists(dir.path().string() + "\\panel\\gauge.gau")); // any letter case
    EXPECT_FALSE(FileExists(dir.file("Panel/Other.gau")));
    EXPECT_FALSE(FileExists(dir.file("Panel")));
}

TEST(UpgradeCatalogue, NineEntriesWithWellFormedSignaturesThatFitTheirPaths) {
    const auto catalogue = UpgradeCatalogue();
    ASSERT_EQ(catalogue.size(), 9u);
    for (const UpgradeEntry& entry : catalogue) {
        SCOPED_TRACE(entry.displayName);
        EXPECT_TRUE(isMd5Text(entry.signatureV1));
        EXPECT_TRUE(isMd5Text(entry.signatureV2));
        EXPECT_TRUE(entry.signatureMcdu.empty() || isMd5Text(entry.signatureMcdu));
        EXPECT_EQ(entry.panelOnly, entry.folder.find("Aircraft") == 0 &&
                                           entry.folder.find("panel") == std::string::npos
                                       ? 0
                                       : 1);
    }
    EXPECT_EQ(catalogue.front().gaugeName, "A332GE_Korvanta");
    EXPECT_EQ(catalogue.back().gaugeName, "A346NightPanel_Korvanta");
    // The longest path: root + "\Aircraft\Korvanta TEV A343CFM\panel\A343NightPanel_Korvanta.upg1".
    EXPECT_EQ(maxRootLength(catalogue), 259u - 65u);
}

} // namespace
