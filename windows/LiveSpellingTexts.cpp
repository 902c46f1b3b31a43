#include "windows/LiveSpellingTexts.h"

namespace wx {

namespace {

using T = LiveSpellingText;
constexpr int Id(T t) { return int(t); }

// English, Danish, Dutch, French, German, Italian, Portuguese (Brazil),
// Portuguese (Portugal), Spanish, Swedish.
const Caption kRows[] = {
    {Id(T::NoSuggestions),
     {"(no suggestions)", "(ingen forslag)", "(geen suggesties)", "(aucune suggestion)", "(keine Vorschläge)",
      "(nessun suggerimento)", "(nenhuma sugestão)", "(sem sugestões)", "(no hay sugerencias)",
      "(inga förslag)"}},
    {Id(T::Ignore),
     {"I&gnore", "I&gnorer", "&Negeren", "I&gnorer", "I&gnorieren", "I&gnora", "I&gnorar", "I&gnorar", "O&mitir",
      "I&gnorera"}},
    {Id(T::IgnoreAll),
     {"&Ignore All", "Ignorer &alle", "&Alles negeren", "Ignorer &tout", "&Alle ignorieren", "Ignora &tutto",
      "Ignorar &todas", "Ignorar &todas", "Omitir &todas", "Ignorera &alla"}},
    {Id(T::Add),
     {"&Add", "&Tilføj", "&Toevoegen", "&Ajouter", "&Hinzufügen", "Aggi&ungi", "Adi&cionar", "Adi&cionar",
      "&Agregar", "&Lägg till"}},
    {Id(T::ChangeAll),
     {"&Change All", "&Ret alle", "&Alles wijzigen", "&Remplacer tout", "Alle ä&ndern", "&Cambia tutto",
      "Alterar to&das", "Alterar to&das", "&Cambiar todas", "&Ändra alla"}},
    {Id(T::AutoCorrect),
     {"A&uto Correct", "A&utokorrektur", "A&utoCorrectie", "Correction a&utomatique", "A&utoKorrektur",
      "Correzione a&utomatica", "A&utoCorreção", "Correção a&utomática", "A&utocorrección",
      "A&utokorrigering"}},
    {Id(T::Spelling),
     {"&Spelling ...", "&Stavning ...", "&Spelling ...", "&Orthographe ...", "&Rechtschreibung ...",
      "&Ortografia ...", "&Ortografia ...", "&Ortografia ...", "&Ortografía ...", "&Stavning ..."}},
};

}  // namespace

const CaptionTable& LiveSpellingTexts() {
  static const CaptionTable table("LiveSpelling", kRows);
  return table;
}

std::string LiveSpellingCaption(LiveSpellingText id) { return LiveSpellingTexts().TextString(Id(id)); }

}  // namespace wx
