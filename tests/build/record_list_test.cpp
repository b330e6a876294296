#include <gtest/gtest.h>

#include <array>

#include "build/record_list.h"
#include "formats/wad_records.h"

namespace kavrin {
namespace {

TEST(RecordList, FindsTheFirstRecordOfAKeyAndKeepsEveryRecordAsItGrows) {
    std::array<Dispatch, 2> sources{};
    RecordList<Dispatch> list;
    EXPECT_EQ(list.append(&sources[0], Dispatch{.lowFrame = 1}), 0u);
    EXPECT_EQ(list.append(nullptr, Dispatch{.lowFrame = 2}), 1u);
    EXPECT_EQ(list.append(&sources[0], Dispatch{.lowFrame = 3}), 2u);
    EXPECT_EQ(list.find(&sources[0]), 0u);  // the first copy, not the later one
    EXPECT_EQ(list.find(&sources[1]), std::nullopt);
    EXPECT_EQ(list.find(nullptr), std::nullopt);  // records without a key are never found

    for (uint16_t i = 0; i < 1000; ++i) list.append(nullptr, Dispatch{.highFrame = i});
    list.append(&sources[1], Dispatch{.nextFrame = 9});
    ASSERT_EQ(list.count(), 1004u);
    EXPECT_EQ(list.records[2].lowFrame, 3);
    EXPECT_EQ(list.records[503].highFrame, 500);
    EXPECT_EQ(list.find(&sources[1]), 1003u);
}

}  // namespace
}  // namespace kavrin
