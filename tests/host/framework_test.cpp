// Counted strings of the framework, which every plug-in carries.
#include <gtest/gtest.h>

#include <string>

#include "plugin.h"

namespace {

TEST(LengthPrefixed, ConvertsInPlaceUpTo255Characters) {
    for (std::size_t length : {0u, 1u, 254u, 255u}) {
        std::string text(length, 'k');
        std::vector<char> buffer(text.begin(), text.end());
        buffer.resize(258, '\0');
        unsigned char* counted = ToLengthPrefixed(buffer.data());
        ASSERT_NE(counted, nullptr) << length;
        EXPECT_EQ(counted[0], length);
        EXPECT_EQ(std::string(FromLengthPrefixed(counted)), text) << length;
    }
}

TEST(LengthPrefixed, Refuses256CharactersAndLeavesTheText) {
    std::string text(256, 'k');
    std::vector<char> buffer(text.begin(), text.end());
    buffer.resize(258, '\0');
    EXPECT_EQ(ToLengthPrefixed(buffer.data()), nullptr);
    EXPECT_EQ(std::string(buffer.data()), text);
}

}  // namespace
