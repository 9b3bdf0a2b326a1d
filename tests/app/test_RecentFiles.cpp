#include "base/RecentFiles.h"

#include <gtest/gtest.h>

TEST(RecentFiles, TheLastUsedHeadsTheListOnceAndOnlyEightAreKept)
{
    std::vector<std::string> list;
    for (const char* path : {"a.run", "b.run", "c.run", "a.run"})
        list = RecentFiles::Added(list, path);
    EXPECT_EQ(list, (std::vector<std::string>{"a.run", "c.run", "b.run"}));
    for (int i = 1; i <= 8; ++i)
        list = RecentFiles::Added(list, std::to_string(i) + ".run");
    EXPECT_EQ(list, (std::vector<std::string>{"8.run", "7.run", "6.run", "5.run", "4.run", "3.run", "2.run", "1.run"}));
    EXPECT_EQ(RecentFiles::Removed(list, "5.run").size(), 7u);
}
