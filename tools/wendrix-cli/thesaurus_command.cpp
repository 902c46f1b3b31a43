// wendrix-cli thesaurus [--file PATH] WORD...: the meanings of each word as the
// thesaurus dialog lists them, each followed by the words it shows.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "common/AnsiText.h"
#include "thesaurus/ThesaurusBase.h"
#include "thesaurus/ThesaurusFile.h"

namespace {

std::string DefaultThesaurusFile() {
  namespace fs = std::filesystem;
  fs::path exe = wx::cli::ExecutableDir();
  for (const fs::path& p : {exe / ".." / ".." / "windows" / "Thesaurus.qxt",
                            exe / ".." / ".." / ".." / "build" / "data" / "Thesaurus.qxt",
                            fs::path("build") / "data" / "Thesaurus.qxt"}) {
    std::error_code ec;
    if (fs::is_regular_file(p, ec)) return p.lexically_normal().string();
  }
  return "build/data/Thesaurus.qxt";
}

int RunThesaurus(const std::vector<std::string>& args) {
  std::string file;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--file" && i + 1 < args.size())
      file = args[++i];
    else
      words.push_back(args[i]);
  }
  if (words.empty()) {
    std::fprintf(stderr, "usage: wendrix-cli thesaurus [--file PATH] WORD...\n");
    return 2;
  }
  if (file.empty()) file = DefaultThesaurusFile();

  wx::TThesaurusFile thesaurus;
  thesaurus.SetFileName(file);
  thesaurus.SetLoaded(true);
  if (!thesaurus.Loaded()) {
    std::fprintf(stderr, "wendrix-cli thesaurus: cannot read %s\n", file.c_str());
    return 2;
  }
  int status = 0;
  for (const std::string& word : words) {
    if (!thesaurus.Lookup(wx::Utf8ToAnsi(word))) {
      std::fprintf(stderr, "%s: not found\n", word.c_str());
      status = 1;
      continue;
    }
    for (const auto& meaning : thesaurus.Contexts()) {
      std::printf("%s\t%s\n", wx::AnsiToUtf8(meaning->contextWord).c_str(),
                  wx::AnsiToUtf8(meaning->kindName).c_str());
      for (const std::string& w : wx::TThesaurusBase::ContextWords(*meaning))
        std::printf("  %s\n", wx::AnsiToUtf8(w).c_str());
    }
  }
  return status;
}

const wx::cli::CommandRegistrar kThesaurus({"thesaurus", "[--file PATH] WORD...: meanings and their words",
                                            RunThesaurus});

}  // namespace
