// The arithmetic coder of the definitions database: index keys, index entry
// counts and the pointer lists of meanings are stored as bit streams coded
// under fixed frequency tables. The encoder is needed at run time as well: it
// turns a searched word into the coded key that chooses the index block, and
// it tells how many bytes a decoded stream occupied (the file stores no
// lengths). Everything works on caller-owned buffers; nothing allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace wx {

// Raised when the encoder is asked to code an empty input (no caller does).
class ECompressError : public std::runtime_error {
 public:
  ECompressError() : std::runtime_error("") {}
};

// A frequency table: descending uint16 values, entry 0 the total, symbol s
// occupying [t[s+1], t[s]), the entry after the last symbol 0.
using FreqTable = const uint16_t*;
// A model answers the table for the previous symbol (the context).
using CoderModel = FreqTable (*)(uint8_t context);

FreqTable PointerTypeModel(uint8_t context);  // 13 contexts, symbols 0..12
FreqTable WordNumberModel(uint8_t context);   // one table, symbols 0..27
FreqTable EntryCountModel(uint8_t context);   // one table, symbols 0..128
FreqTable IndexKeyModel(uint8_t context);     // 45 contexts, symbols 0..43

constexpr int kPointerTypeSymbols = 13;
constexpr int kWordNumberSymbols = 28;
constexpr int kEntryCountSymbols = 129;
constexpr int kIndexKeySymbols = 44;
constexpr int kIndexKeyContexts = 45;
constexpr uint8_t kPointerListEnd = 12;
constexpr uint8_t kMaxWordNumber = kWordNumberSymbols - 1;
constexpr uint8_t kMaxEntryCount = 128;
// A meaning record is at most 2048 bytes and every pointer takes 3 of them.
constexpr size_t kMaxPointers = 682;
// The most entries one index block may hold.
constexpr size_t kMaxBlockEntries = 4096;

// The index-key tables of the contexts other than 0 and 44 are derived from
// the keys' statistics by the data builder (build-definitions --key-tables)
// and compiled in, so that writer and reader share them.
extern const uint16_t kIndexKeyTables[kIndexKeyContexts][kIndexKeySymbols + 1];
// The fixed table of context 0 (the start of a key) and context 44.
extern const uint16_t kIndexKeyContext0[kIndexKeySymbols + 1];
extern const uint16_t kIndexKeyContext44[kIndexKeySymbols + 1];

// One coded stream. Created zeroed; a stream may continue with a second model
// by keeping the state and changing `model`.
struct CoderState {
  int32_t stopA = 0;
  int32_t stopB = 0;
  uint8_t mask = 0;  // next bit position in the current byte; 0 = not started
  uint32_t high = 0;
  uint32_t low = 0;
  uint32_t code = 0;     // decoder
  int32_t pending = 0;   // encoder
  // Decoder input: the bytes at in..inEnd. Bits past inEnd read as zeros, so a
  // corrupt stream can never read outside its buffer.
  const uint8_t* in = nullptr;
  const uint8_t* inEnd = nullptr;
  // Decoder output: decoding ends after a symbol is stored here (null = none).
  uint8_t* outLimit = nullptr;
  CoderModel model = nullptr;
  // Decoder: renormalization shifts so far. The encoder shifts out exactly as
  // many bits for the same symbols and adds 2 when flushing, so a decoded
  // stream occupied CodedLength(shifts) bytes: no need to re-encode it.
  uint32_t shifts = 0;
};

// The coded length in bytes of a stream whose decoding took this many shifts.
inline size_t CodedLength(uint32_t shifts) { return (size_t(shifts) + 2) / 8 + 1; }

// Decodes symbols into out[1], out[2], ... (out[0] holds the initial context)
// until a stop symbol or outLimit; returns the position of the last stored
// symbol (out itself when none was stored). The caller must set outLimit
// within its buffer.
uint8_t* DecodeSymbols(CoderState& st, const uint8_t* input, const uint8_t* inputEnd, uint8_t* out);
// Codes every byte of input but the first (the initial context), OR-ing the
// bits into out, which the caller has zeroed (8 bytes per input byte suffice).
// Returns the output position. Throws ECompressError on an empty input.
uint8_t* EncodeSymbols(CoderState& st, std::string_view input, uint8_t* out);
// Writes the final bits; returns the final position. The coded length is that
// position minus the buffer start plus 1.
uint8_t* FlushEncoder(CoderState& st, uint8_t* pos);

// ---- the streams of the database -------------------------------------------

constexpr size_t kMaxKeyLength = 250;          // characters of a normalized key
constexpr size_t kKeyCodeBufferSize = 8 * (kMaxKeyLength + 2) + 8;

// Encodes a normalized key (digits and capitals, 1..kMaxKeyLength long) framed
// as "/" + key + "/". out must hold kKeyCodeBufferSize bytes. Returns the coded
// length in bytes, 0 for a key that is empty or too long.
size_t EncodeIndexKey(std::string_view key, uint8_t* out);
// Decodes a key from input; writes at most maxLen characters to key. Returns
// the key's length, or -1 when the stream does not end within maxLen. With
// codedLength set, stores the number of bytes the coded key occupies.
int DecodeIndexKey(const uint8_t* input, const uint8_t* inputEnd, char* key, size_t maxLen,
                   size_t* codedLength = nullptr);

// Decodes entry counts (1..128, ended by 0) into counts; returns how many, or
// -1 when more than maxCounts appear; codedLength as for keys.
int DecodeEntryCounts(const uint8_t* input, const uint8_t* inputEnd, uint8_t* counts, size_t maxCounts,
                      size_t* codedLength = nullptr);
// The coded length in bytes of counts followed by the end symbol; with a
// non-null out (zeroed, 2 * n + 16 bytes) the code itself is written there.
size_t EncodeEntryCounts(const uint8_t* counts, size_t n, uint8_t* out);

// Decodes a pointer list: up to maxPointers relation types into types, and
// then 2 word numbers per pointer into words (source, target). Returns the
// number of pointers, or -1 when the list is longer than maxPointers (at most
// kMaxPointers). types and words hold maxPointers and 2 * maxPointers bytes.
int DecodePointerList(const uint8_t* input, const uint8_t* inputEnd, uint8_t* types, uint8_t* words,
                      size_t maxPointers, size_t* codedLength = nullptr);
// The coded length in bytes of a pointer list (n <= kMaxPointers types, 2n word
// numbers of at most kMaxWordNumber); 0 when it cannot be coded;
// with a non-null out (zeroed, 2 * (3n + 2) + 16 bytes) the code is written there.
size_t EncodePointerList(const uint8_t* types, const uint8_t* words, size_t n, uint8_t* out);

}  // namespace wx
