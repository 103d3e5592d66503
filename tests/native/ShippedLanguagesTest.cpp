// The language files shipped in data/LANGUAGE hold every key, and no text is
// longer than its slot.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TestFiles.h"
#include "files/LanguageFile.h"

namespace {

void checkLanguageFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(path, bytes)) << path;
    std::set<std::string> found;
    for (const LanguageLine& line : readLanguageLines(bytes)) {
        found.insert(line.key->key);
        EXPECT_LE(line.text.size() + std::string(line.key->hint).size(), line.key->slotLength)
            << path << " " << line.key->key;
        EXPECT_FALSE(line.text.empty()) << path << " " << line.key->key;
    }
    for (const LanguageKey& key : languageKeys()) EXPECT_EQ(found.count(key.key), 1u) << path << " lacks " << key.key;
}

}  // namespace

TEST(ShippedLanguages, EveryFileHoldsEveryKeyWithinItsSlot) {
    const std::string directory = shippedDataDirectory() + "/LANGUAGE";
    if (!std::filesystem::is_directory(directory)) GTEST_SKIP() << "no language directory shipped yet";
    ASSERT_TRUE(std::filesystem::exists(directory + "/ENGLISH.TXT"));
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        if (entry.path().extension() == ".TXT") checkLanguageFile(entry.path().string());
}
