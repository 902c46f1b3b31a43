#include "definitions/Coder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace wx {
namespace {

std::vector<int> Frequencies(FreqTable t, int symbols) {
  std::vector<int> f;
  for (int s = 0; s < symbols; ++s) f.push_back(int(t[s]) - int(t[s + 1]));
  return f;
}

void ExpectDescending(FreqTable t, int symbols) {
  for (int s = 0; s < symbols; ++s) ASSERT_GT(t[s], t[s + 1]) << "symbol " << s;
  EXPECT_EQ(t[symbols], 0);
}

TEST(CoderTables, FixedModelsHaveTheirShapeAndFrequencies) {
  for (int c = 0; c < 13; ++c) ExpectDescending(PointerTypeModel(uint8_t(c)), kPointerTypeSymbols);
  EXPECT_EQ(PointerTypeModel(12)[0], 65092);
  EXPECT_EQ(PointerTypeModel(7)[7], 63788);
  ExpectDescending(WordNumberModel(0), kWordNumberSymbols);
  EXPECT_EQ(WordNumberModel(0)[0], 65056);

  FreqTable counts = EntryCountModel(0);
  ExpectDescending(counts, kEntryCountSymbols);
  auto f = Frequencies(counts, kEntryCountSymbols);
  EXPECT_EQ(counts[0], 65535);
  EXPECT_EQ(f[0], 5338);   // the end of the list
  EXPECT_EQ(f[1], 48268);  // one meaning
  for (int s = 43; s <= 128; ++s) EXPECT_EQ(f[size_t(s)], 1) << s;
}

TEST(CoderTables, IndexKeyTablesKeepTheFixedContextsAndUnusedSymbols) {
  for (int c = 0; c < kIndexKeyContexts; ++c) ExpectDescending(IndexKeyModel(uint8_t(c)), kIndexKeySymbols);
  for (int s = 0; s <= kIndexKeySymbols; ++s) {
    EXPECT_EQ(IndexKeyModel(0)[s], kIndexKeyContext0[s]);
    EXPECT_EQ(IndexKeyModel(44)[s], kIndexKeyContext44[s]);
  }
  EXPECT_EQ(IndexKeyModel(0)[0], 65304);
  EXPECT_EQ(Frequencies(IndexKeyModel(0), kIndexKeySymbols)[0], 1);  // a key is never empty
  EXPECT_EQ(Frequencies(IndexKeyModel(44), kIndexKeySymbols)[43], 2);
  for (int c = 1; c < 44; ++c) {
    auto f = Frequencies(IndexKeyModel(uint8_t(c)), kIndexKeySymbols);
    for (int s = 11; s <= 17; ++s) EXPECT_EQ(f[size_t(s)], 1) << "context " << c << " symbol " << s;
  }
}

std::string RandomKey(std::mt19937& rng, size_t maxLen) {
  static const char kChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::uniform_int_distribution<size_t> len(1, maxLen), ch(0, 35);
  std::string k(len(rng), ' ');
  for (auto& c : k) c = kChars[ch(rng)];
  return k;
}

TEST(Coder, IndexKeysRoundTripWhateverFollowsThem) {
  std::mt19937 rng(7);
  uint8_t code[kKeyCodeBufferSize + 16];
  for (int i = 0; i < 3000; ++i) {
    std::string key = i == 0 ? "A" : i == 1 ? std::string(kMaxKeyLength, 'Z') : RandomKey(rng, 40);
    size_t len = EncodeIndexKey(key, code);
    ASSERT_GT(len, 0u);
    // The bytes after the code belong to whatever follows in the file.
    for (size_t j = len; j < len + 8; ++j) code[j] = uint8_t(rng());
    char out[kMaxKeyLength];
    size_t decodedLen = 0;
    int n = DecodeIndexKey(code, code + len + 8, out, kMaxKeyLength, &decodedLen);
    ASSERT_EQ(std::string(out, size_t(n > 0 ? n : 0)), key);
    EXPECT_EQ(decodedLen, len) << key;  // the decoder knows the coded length
  }
}

TEST(Coder, KeysThatDifferInOneCharacterCodeInReverseOrder) {
  uint8_t a[kKeyCodeBufferSize], b[kKeyCodeBufferSize];
  const std::pair<const char*, const char*> pairs[] = {
      {"CAT", "CBT"}, {"A", "B"}, {"DOG", "DOH"}, {"HOUSE", "HOUSEBOAT"}, {"X1", "XA"}, {"ABC9", "ABCZ"}};
  for (auto [lo, hi] : pairs) {
    size_t la = EncodeIndexKey(lo, a), lb = EncodeIndexKey(hi, b);
    std::string ca(reinterpret_cast<char*>(a), la), cb(reinterpret_cast<char*>(b), lb);
    EXPECT_GT(ca, cb) << lo << " should code higher than " << hi;
  }
}

TEST(Coder, RejectsKeysItCannotCode) {
  uint8_t code[kKeyCodeBufferSize];
  EXPECT_EQ(EncodeIndexKey("", code), 0u);
  EXPECT_EQ(EncodeIndexKey("ab", code), 0u);  // not normalized
  EXPECT_EQ(EncodeIndexKey(std::string(kMaxKeyLength + 1, 'A'), code), 0u);
  CoderState st;
  st.model = IndexKeyModel;
  EXPECT_THROW(EncodeSymbols(st, "", code), ECompressError);
}

TEST(Coder, PointerListsRoundTripAndAnEmptyListIsOnlyItsEnd) {
  uint8_t code[64] = {};
  size_t len = EncodePointerList(nullptr, nullptr, 0, code);
  uint8_t types[kMaxPointers], words[2 * kMaxPointers];
  size_t decodedLen = 0;
  EXPECT_EQ(DecodePointerList(code, code + sizeof code, types, words, kMaxPointers, &decodedLen), 0);
  EXPECT_EQ(decodedLen, len);
  EXPECT_LE(len, 2u);  // one likely symbol and the flush

  std::mt19937 rng(3);
  for (int i = 0; i < 500; ++i) {
    size_t n = rng() % (i < 490 ? 40 : kMaxPointers + 1);
    std::vector<uint8_t> t(n), w(2 * n);
    for (auto& x : t) x = uint8_t(rng() % 12);
    for (auto& x : w) x = uint8_t(rng() % 4 ? 0 : rng() % 28);
    std::vector<uint8_t> out(2 * (3 * n + 2) + 16 + 8, 0);
    size_t l = EncodePointerList(t.data(), w.data(), n, out.data());
    ASSERT_GT(l, 0u);
    for (size_t j = l; j < out.size(); ++j) out[j] = uint8_t(rng());
    int got = DecodePointerList(out.data(), out.data() + out.size(), types, words, kMaxPointers, &decodedLen);
    ASSERT_EQ(got, int(n));
    EXPECT_EQ(std::vector<uint8_t>(types, types + n), t);
    EXPECT_EQ(std::vector<uint8_t>(words, words + 2 * n), w);
    EXPECT_EQ(decodedLen, l);
    EXPECT_EQ(EncodePointerList(t.data(), w.data(), n, nullptr), l);
  }
  uint8_t badType = 12, noWords[2] = {0, 0};
  EXPECT_EQ(EncodePointerList(&badType, noWords, 1, nullptr), 0u);
  uint8_t type = 0, bigWord[2] = {28, 0};
  EXPECT_EQ(EncodePointerList(&type, bigWord, 1, nullptr), 0u);
}

TEST(Coder, EntryCountsRoundTrip) {
  std::mt19937 rng(11);
  for (int i = 0; i < 300; ++i) {
    size_t n = 1 + rng() % 300;
    std::vector<uint8_t> counts(n);
    for (auto& c : counts) c = uint8_t(rng() % 3 ? 1 + rng() % 3 : 1 + rng() % 128);
    std::vector<uint8_t> out(2 * (n + 2) + 16 + 8, 0);
    size_t l = EncodeEntryCounts(counts.data(), n, out.data());
    ASSERT_GT(l, 0u);
    for (size_t j = l; j < out.size(); ++j) out[j] = uint8_t(rng());
    std::vector<uint8_t> back(kMaxBlockEntries);
    size_t decodedLen = 0;
    int got = DecodeEntryCounts(out.data(), out.data() + out.size(), back.data(), kMaxBlockEntries, &decodedLen);
    ASSERT_EQ(got, int(n));
    back.resize(n);
    EXPECT_EQ(back, counts);
    EXPECT_EQ(decodedLen, l);
  }
  uint8_t zero = 0;
  EXPECT_EQ(EncodeEntryCounts(&zero, 1, nullptr), 0u);
}

TEST(Coder, GarbageDecodesWithinItsBounds) {
  std::mt19937 rng(5);
  std::vector<uint8_t> junk(64);
  char key[kMaxKeyLength];
  uint8_t counts[kMaxBlockEntries];
  uint8_t types[kMaxPointers], words[2 * kMaxPointers];
  for (int i = 0; i < 2000; ++i) {
    for (auto& b : junk) b = uint8_t(rng());
    size_t n = rng() % junk.size();  // inputs shorter than the decoder's 4-byte window too
    int k = DecodeIndexKey(junk.data(), junk.data() + n, key, 8);
    EXPECT_LE(k, 8);
    EXPECT_LE(DecodeEntryCounts(junk.data(), junk.data() + n, counts, 16), 16);
    EXPECT_LE(DecodePointerList(junk.data(), junk.data() + n, types, words, 5), 5);
  }
}

}  // namespace
}  // namespace wx
