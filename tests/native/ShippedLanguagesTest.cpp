// The language files shipped in data/LANGUAGE hold every key, and no text is
// empty or longer than its slot.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TestFiles.h"
#include "files/LanguageFile.h"

TEST(ShippedLanguages, EveryFileHoldsEveryKeyWithinItsSlot) {
    const std::string directory = shippedDataDirectory() + "/LANGUAGE";
    ASSERT_TRUE(std::filesystem::exists(directory + "/ENGLISH.TXT"));
    for (const auto& file : std::filesystem::directory_iterator(directory)) {
        if (file.path().extension() != ".TXT") continue;
        SCOPED_TRACE(file.path().string());
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readWholeFile(file.path().string(), bytes));
        std::set<std::string> found;
        for (const LanguageLine& line : readLanguageLines(bytes)) {
            found.insert(line.key->key);
            EXPECT_LE(line.text.size() + std::string(line.key->hint).size(), line.key->slotLength) << line.key->key;
            EXPECT_FALSE(line.text.empty()) << line.key->key;
        }
        for (const LanguageKey& key : languageKeys()) EXPECT_EQ(found.count(key.key), 1u) << "lacks " << key.key;
    }
}
