// A tiny database in WordNet's own layout. Offsets are what the files claim;
// the reader trusts the offset field of each line, not its byte position.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace wx::test {

inline void WriteWordNetFixture(const std::filesystem::path& dir) {
  auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
  };
  write("data.noun",
        "  1 This software and database is being provided\n"
        "00000100 06 n 02 car 0 auto 0 002 @ 00000200 n 0000 + 00000300 v 0201 | a motor vehicle; \"he drove the car\"  \n"
        "00000200 06 n 01 vehicle 0 001 ~ 00000100 n 0000 | a conveyance  \n"
        "00000400 06 n 01 Car 1 000 | a proper name  \n");
  write("data.verb",
        "  1 licence\n"
        "00000300 38 v 01 drive 0 001 + 00000100 n 0102 02 + 08 00 + 09 01 | operate a vehicle  \n");
  write("data.adj",
        "00000500 00 a 01 big(a) 0 001 & 00000600 a 0000 | large  \n"
        "00000600 00 s 02 large 0 great(ip) 1 001 & 00000500 a 0000 | above average  \n");
  write("data.adv", "00000700 02 r 01 fast 0 000 | quickly  \n");
  write("index.noun",
        "  1 licence\n"
        "auto n 1 1 @ 1 0 00000100  \n"
        "car n 2 2 @ + 2 1 00000100 00000400  \n"
        "vehicle n 1 1 ~ 1 0 00000200  \n");
  write("index.verb", "drive v 1 1 + 1 1 00000300  \n");
  write("index.adj",
        "big a 1 1 & 1 0 00000500  \n"
        "great a 1 1 & 1 0 00000600  \n"
        "large a 1 1 & 1 0 00000600  \n");
  write("index.adv", "fast r 1 0 1 0 00000700  \n");
  write("noun.exc", "cars car\n");
  write("verb.exc", "drove drive\ndriven drive drove\n");
  write("adj.exc", "bigger big\n");
  write("adv.exc", "");
  write("cntlist.rev",
        "car%1:06:00:: 1 30\n"
        "car%1:06:01:: 1 4\n"  // the key (lex id 1) wins over a stale sense number
        "drive%2:38:07:: 1 5\n"  // no such key: the sense number decides
        "auto%1:06:00:: 1 2\n"
        "drive%2:38:00:: 1 11\n"
        "large%5:00:00:big:00 1 7\n"
        "unknown%1:06:00:: 1 99\n");
}

}  // namespace wx::test
