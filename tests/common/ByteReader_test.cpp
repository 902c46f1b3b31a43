#include "common/ByteReader.h"

#include <gtest/gtest.h>

#include <limits>

namespace wx {

TEST(ByteReader, ReadsLittleEndianAndFailsStickily) {
  const uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7};
  ByteReader r(bytes, sizeof bytes);
  EXPECT_EQ(r.U16(), 0x0201);
  EXPECT_EQ(r.U32(), 0x06050403u);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.U16(), 0);  // only one byte left
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.U8(), 0);  // stays failed although a byte remains
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(ByteReader, HugeOffsetsNeverWrapAround) {
  const uint8_t bytes[] = {1, 2, 3, 4};
  ByteReader r(bytes, sizeof bytes);
  EXPECT_FALSE(r.Sub(2, std::numeric_limits<size_t>::max()).ok());
  EXPECT_FALSE(r.Sub(std::numeric_limits<size_t>::max(), 1).ok());
  EXPECT_EQ(r.U32At(std::numeric_limits<size_t>::max() - 1), 0u);
  EXPECT_FALSE(r.ok());
  ByteReader r2(bytes, sizeof bytes);
  EXPECT_FALSE(r2.Skip(std::numeric_limits<size_t>::max()));
  ByteReader r3(bytes, sizeof bytes);
  ByteReader sub = r3.Sub(1, 2);
  EXPECT_EQ(sub.U16(), 0x0302);
  EXPECT_EQ(sub.U8(), 0);
  EXPECT_TRUE(r3.ok());
}

}  // namespace wx
