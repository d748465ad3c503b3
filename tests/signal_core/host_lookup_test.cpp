#include "signal/core/host_lookup.h"

#include <gtest/gtest.h>

TEST(DottedQuad, OnlyFourDecimalPartsUpTo255AreTakenWithoutALookup)
{
    EXPECT_TRUE(IsDottedQuad("127.0.0.1"));
    EXPECT_TRUE(IsDottedQuad("255.255.255.255"));
    // Anything else goes to the resolver, which knows the other forms.
    for (const char* host : {"", "localhost", "256.0.0.1", "1.2.3", "1.2.3.4.", "1.2.3.4.5",
                             "1..2.3", " 1.2.3.4", "0001.2.3.4", "1.2.3.4x"})
        EXPECT_FALSE(IsDottedQuad(host)) << host;
}
