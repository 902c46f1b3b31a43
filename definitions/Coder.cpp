#include "definitions/Coder.h"

#include <cstring>

namespace wx {

namespace {

constexpr uint32_t kHalf = 0x80000000u;
constexpr uint32_t kQuarter = 0x40000000u;

const uint16_t kPointerTypeTables[13][14] = {
    {7712, 7293, 7109, 7108, 6497, 6496, 6478, 6477, 5236, 5235, 5233, 5199, 4639, 0},
    {1307, 677, 333, 332, 331, 330, 323, 322, 93, 92, 91, 90, 89, 0},
    {231, 218, 217, 215, 214, 213, 212, 51, 31, 30, 29, 26, 25, 0},
    {7172, 6994, 6993, 6992, 5456, 5455, 5454, 5453, 5452, 5451, 5450, 5449, 5448, 0},
    {433, 415, 414, 413, 412, 393, 392, 138, 77, 76, 75, 69, 68, 0},
    {19240, 19239, 19238, 19237, 19236, 19235, 9430, 9429, 8172, 8169, 8168, 8167, 8166, 0},
    {64982, 62987, 62874, 62872, 62871, 62821, 61299, 60543, 50175, 35239, 35238, 35037, 35036, 0},
    {64937, 64932, 64931, 64930, 64929, 64928, 63789, 63788, 15269, 15268, 15267, 15266, 15265, 0},
    {19447, 19381, 19376, 19375, 19374, 19373, 13078, 13016, 10393, 9042, 9041, 9040, 9039, 0},
    {101, 100, 99, 98, 97, 96, 95, 94, 93, 92, 84, 83, 82, 0},
    {3349, 2628, 2286, 2285, 2284, 2283, 2282, 2281, 2096, 2095, 2094, 775, 96, 0},
    {21909, 20472, 20228, 20227, 20226, 20225, 20224, 20223, 20222, 20221, 20220, 18644, 11469, 0},
    {65092, 63909, 63880, 63737, 60461, 60234, 60233, 9896, 9796, 9760, 9708, 9602, 792, 0},
};

const uint16_t kWordNumberTable[29] = {65056, 4384, 665, 237, 105, 65, 43, 31, 25, 22,
                                       19,    17,   16,  15,  14,  13, 12, 11, 10, 9,
                                       8,     7,    6,   5,   4,   3,  2,  1,  0};

struct EntryCountTable {
  uint16_t t[130];
  constexpr EntryCountTable() : t{} {
    const uint16_t head[48] = {65535, 60197, 11929, 4994, 2743, 1747, 1219, 882, 677, 554, 446, 373,
                               306,   268,   234,   214,  196,  182,  163,  155, 140, 133, 126, 120,
                               116,   113,   111,   110,  107,  104,  103,  102, 100, 98,  97,  96,
                               95,    94,    93,    91,   90,   89,   88,   86,  85,  84,  83,  82};
    for (int i = 0; i < 48; ++i) t[i] = head[i];
    for (int i = 48; i < 129; ++i) t[i] = uint16_t(81 - (i - 48));
    t[129] = 0;
  }
};
constexpr EntryCountTable kEntryCounts;

// Narrows the interval to symbol s of table t (shared by both directions).
inline void Narrow(CoderState& st, FreqTable t, unsigned s) {
  uint64_t range = uint64_t(st.high - st.low);
  uint32_t total = t[0];
  uint32_t newHigh = st.low + uint32_t((uint64_t(t[s]) * range) / total) - 1;
  uint32_t newLow = st.low + uint32_t((uint64_t(t[s + 1]) * range) / total);
  st.high = newHigh;
  st.low = newLow;
}

class BitWriter {
 public:
  BitWriter(CoderState& st, uint8_t* pos) : st_(st), pos_(pos) {}
  void Put(bool bit) {
    if (bit) *pos_ |= st_.mask;
    st_.mask >>= 1;
    if (!st_.mask) {
      st_.mask = 0x80;
      ++pos_;
    }
  }
  void PutWithPending(bool bit) {
    Put(bit);
    for (; st_.pending > 0; --st_.pending) Put(!bit);
  }
  uint8_t* pos() const { return pos_; }

 private:
  CoderState& st_;
  uint8_t* pos_;
};

inline bool NextBit(CoderState& st) {
  bool bit = false;
  if (st.in < st.inEnd) bit = (*st.in & st.mask) != 0;
  st.mask >>= 1;
  if (!st.mask) {
    st.mask = 0x80;
    ++st.in;
  }
  return bit;
}

}  // namespace

FreqTable PointerTypeModel(uint8_t context) {
  return kPointerTypeTables[context < 13 ? context : 12];
}
FreqTable WordNumberModel(uint8_t) { return kWordNumberTable; }
FreqTable EntryCountModel(uint8_t) { return kEntryCounts.t; }
FreqTable IndexKeyModel(uint8_t context) {
  return kIndexKeyTables[context < kIndexKeyContexts ? context : kIndexKeyContexts - 1];
}

uint8_t* DecodeSymbols(CoderState& st, const uint8_t* input, const uint8_t* inputEnd, uint8_t* out) {
  if (st.mask == 0) {
    st.in = input;
    st.inEnd = inputEnd;
    st.code = 0;
    for (int i = 0; i < 4; ++i) {
      st.code = (st.code << 8) | (st.in < st.inEnd ? *st.in : 0);
      ++st.in;
    }
    st.high = 0xFFFFFFFFu;
    st.low = 0;
    st.mask = 0x80;
  }
  uint8_t* last = out;
  for (;;) {
    FreqTable t = st.model(*last);
    uint64_t range = uint64_t(st.high - st.low);
    if (range == 0) return last;  // only a broken table could get here
    uint64_t v = ((uint64_t(uint32_t(st.code - st.low)) + 1) * t[0] - 1) / range;
    uint16_t v16 = uint16_t(v);
    unsigned s = 1;
    while (t[s] > v16) ++s;  // ends at the table's final 0
    unsigned sym = s - 1;
    Narrow(st, t, sym);
    for (;;) {
      if (st.high < kHalf) {
      } else if (st.low >= kHalf) {
      } else if (st.low >= kQuarter && st.high < 3 * kQuarter) {
        st.low -= kQuarter;
        st.high -= kQuarter;
        st.code -= kQuarter;
      } else {
        break;
      }
      st.low <<= 1;
      st.high = (st.high << 1) | 1;
      st.code = (st.code << 1) | (NextBit(st) ? 1 : 0);
      ++st.shifts;
    }
    if (int32_t(sym) == st.stopA || int32_t(sym) == st.stopB) return last;
    *++last = uint8_t(sym);
    if (last == st.outLimit) return last;
  }
}

uint8_t* EncodeSymbols(CoderState& st, std::string_view input, uint8_t* out) {
  if (input.empty()) throw ECompressError();
  if (st.mask == 0) {
    st.high = 0xFFFFFFFFu;
    st.low = 0;
    st.pending = 0;
    st.mask = 0x80;
  }
  BitWriter w(st, out);
  for (size_t i = 1; i < input.size(); ++i) {
    FreqTable t = st.model(uint8_t(input[i - 1]));
    Narrow(st, t, uint8_t(input[i]));
    for (;;) {
      if (st.high < kHalf) {
        w.PutWithPending(false);
      } else if (st.low >= kHalf) {
        w.PutWithPending(true);
      } else if (st.low >= kQuarter && st.high < 3 * kQuarter) {
        ++st.pending;
        st.low -= kQuarter;
        st.high -= kQuarter;
      } else {
        break;
      }
      st.low <<= 1;
      st.high = (st.high << 1) | 1;
    }
  }
  return w.pos();
}

uint8_t* FlushEncoder(CoderState& st, uint8_t* pos) {
  if (st.mask == 0) st.mask = 0x80;
  BitWriter w(st, pos);
  ++st.pending;
  w.PutWithPending(st.low >= kQuarter);
  return w.pos();
}

size_t EncodeIndexKey(std::string_view key, uint8_t* out) {
  if (key.empty() || key.size() > kMaxKeyLength) return 0;
  char framed[kMaxKeyLength + 2];
  framed[0] = 0;
  for (size_t i = 0; i < key.size(); ++i) {
    uint8_t c = uint8_t(key[i]);
    if (c < 48 || c > 90) return 0;  // not a normalized key
    framed[i + 1] = char(c - 47);
  }
  framed[key.size() + 1] = 0;
  std::memset(out, 0, kKeyCodeBufferSize);
  CoderState st;
  st.model = IndexKeyModel;
  uint8_t* pos = EncodeSymbols(st, std::string_view(framed, key.size() + 2), out);
  pos = FlushEncoder(st, pos);
  return size_t(pos - out) + 1;
}

int DecodeIndexKey(const uint8_t* input, const uint8_t* inputEnd, char* key, size_t maxLen,
                   size_t* codedLength) {
  uint8_t buf[kMaxKeyLength + 2];
  if (maxLen > kMaxKeyLength) maxLen = kMaxKeyLength;
  CoderState st;
  st.model = IndexKeyModel;
  buf[0] = 0;
  // One symbol more than allowed: reaching it means the key did not end.
  st.outLimit = buf + maxLen + 1;
  uint8_t* last = DecodeSymbols(st, input, inputEnd, buf);
  size_t n = size_t(last - buf);
  if (n > maxLen) return -1;
  for (size_t i = 0; i < n; ++i) key[i] = char(buf[i + 1] + 47);
  if (codedLength) *codedLength = CodedLength(st.shifts);
  return int(n);
}

int DecodeEntryCounts(const uint8_t* input, const uint8_t* inputEnd, uint8_t* counts, size_t maxCounts,
                      size_t* codedLength) {
  uint8_t buf[kMaxBlockEntries + 2];
  if (maxCounts > kMaxBlockEntries) maxCounts = kMaxBlockEntries;
  CoderState st;
  st.model = EntryCountModel;
  buf[0] = 0;
  st.outLimit = buf + maxCounts + 1;
  uint8_t* last = DecodeSymbols(st, input, inputEnd, buf);
  size_t n = size_t(last - buf);
  if (n > maxCounts) return -1;
  std::memcpy(counts, buf + 1, n);
  if (codedLength) *codedLength = CodedLength(st.shifts);
  return int(n);
}

size_t EncodeEntryCounts(const uint8_t* counts, size_t n, uint8_t* out) {
  uint8_t symbols[kMaxBlockEntries + 2];
  uint8_t local[2 * (kMaxBlockEntries + 2) + 16];
  if (n > kMaxBlockEntries) return 0;
  for (size_t i = 0; i < n; ++i)
    if (counts[i] < 1 || counts[i] > kMaxEntryCount) return 0;
  symbols[0] = 0;
  if (n) std::memcpy(symbols + 1, counts, n);
  symbols[n + 1] = 0;
  uint8_t* buf = out ? out : local;
  if (!out) std::memset(local, 0, sizeof local);
  CoderState st;
  st.model = EntryCountModel;
  uint8_t* pos = EncodeSymbols(st, std::string_view(reinterpret_cast<char*>(symbols), n + 2), buf);
  pos = FlushEncoder(st, pos);
  return size_t(pos - buf) + 1;
}

int DecodePointerList(const uint8_t* input, const uint8_t* inputEnd, uint8_t* types, uint8_t* words,
                      size_t maxPointers, size_t* codedLength) {
  if (maxPointers > kMaxPointers) maxPointers = kMaxPointers;
  uint8_t buf[2 * kMaxPointers + 2];
  CoderState st;
  st.model = PointerTypeModel;
  st.stopA = st.stopB = kPointerListEnd;
  buf[0] = kPointerListEnd;
  st.outLimit = buf + maxPointers + 1;
  uint8_t* last = DecodeSymbols(st, input, inputEnd, buf);
  size_t n = size_t(last - buf);
  if (n > maxPointers) return -1;
  std::memcpy(types, buf + 1, n);
  if (codedLength) *codedLength = CodedLength(st.shifts);
  if (n == 0) return 0;
  st.model = WordNumberModel;
  st.stopA = st.stopB = 255;
  buf[0] = 0;
  st.outLimit = buf + 2 * n;
  last = DecodeSymbols(st, input, inputEnd, buf);
  if (size_t(last - buf) != 2 * n) return -1;
  std::memcpy(words, buf + 1, 2 * n);
  if (codedLength) *codedLength = CodedLength(st.shifts);
  return int(n);
}

size_t EncodePointerList(const uint8_t* types, const uint8_t* words, size_t n, uint8_t* out) {
  if (n > kMaxPointers) return 0;
  for (size_t i = 0; i < n; ++i) {
    if (types[i] >= kPointerListEnd) return 0;
    if (words[2 * i] > kMaxWordNumber || words[2 * i + 1] > kMaxWordNumber) return 0;
  }
  uint8_t symbols[2 * kMaxPointers + 2];
  symbols[0] = kPointerListEnd;
  if (n) std::memcpy(symbols + 1, types, n);
  symbols[n + 1] = kPointerListEnd;
  uint8_t local[2 * (3 * kMaxPointers + 2) + 16];
  uint8_t* buf = out;
  if (!buf) {
    buf = local;
    std::memset(local, 0, 2 * (3 * n + 2) + 16);
  }
  CoderState st;
  st.model = PointerTypeModel;
  uint8_t* pos = EncodeSymbols(st, std::string_view(reinterpret_cast<char*>(symbols), n + 2), buf);
  if (n > 0) {
    symbols[0] = 0;
    std::memcpy(symbols + 1, words, 2 * n);
    st.model = WordNumberModel;
    pos = EncodeSymbols(st, std::string_view(reinterpret_cast<char*>(symbols), 2 * n + 1), pos);
  }
  pos = FlushEncoder(st, pos);
  return size_t(pos - buf) + 1;
}

}  // namespace wx
