#include "windows/SpellViewerTexts.h"

namespace wx {

namespace {

using T = SpellViewerText;
constexpr int Id(T t) { return int(t); }

// English, Danish, Dutch, French, German, Italian, Portuguese (Brazil),
// Portuguese (Portugal), Spanish, Swedish.
const Caption kRows[] = {
    {Id(T::Caption),
     {"Spelling", "Stavning", "Spelling", "Orthographe", "Rechtschreibung", "Ortografia", "Ortografia", "Ortografia",
      "Ortografía", "Stavning"}},
    {Id(T::TextLabel),
     {"Text:", "Tekst:", "Tekst:", "Texte :", "Text:", "Testo:", "Texto:", "Texto:", "Texto:", "Text:"}},
    {Id(T::ReplaceLabel),
     {"&Replace With:", "&Erstat med:", "&Vervangen door:", "&Remplacer par :", "&Ersetzen durch:",
      "&Sostituisci con:", "&Substituir por:", "&Substituir por:", "&Reemplazar con:", "&Ersätt med:"}},
    {Id(T::SuggestionsLabel),
     {"&Suggestions:", "&Forslag:", "&Suggesties:", "&Suggestions :", "&Vorschläge:", "&Suggerimenti:",
      "&Sugestões:", "&Sugestões:", "&Sugerencias:", "&Förslag:"}},
    {Id(T::Ignore),
     {"I&gnore", "I&gnorer", "&Negeren", "I&gnorer", "I&gnorieren", "I&gnora", "I&gnorar", "I&gnorar", "O&mitir",
      "I&gnorera"}},
    {Id(T::IgnoreAll),
     {"&Ignore All", "Ignorer &alle", "&Alles negeren", "Ignorer &tout", "&Alle ignorieren", "Ignora &tutto",
      "Ignorar &todas", "Ignorar &todas", "Omitir &todas", "Ignorera &alla"}},
    {Id(T::Add),
     {"&Add", "&Tilføj", "&Toevoegen", "A&jouter", "&Hinzufügen", "&Aggiungi", "A&dicionar", "A&dicionar",
      "&Agregar", "&Lägg till"}},
    {Id(T::Change),
     {"C&hange", "Æ&ndr", "&Wijzigen", "&Modifier", "Ä&ndern", "&Cambia", "A&lterar", "A&lterar", "&Cambiar",
      "Ä&ndra"}},
    {Id(T::ChangeAll),
     {"&Change All", "Ændr a&lle", "Alles w&ijzigen", "Modifier t&out", "Alle ä&ndern", "Cambia t&utto",
      "Alterar tod&as", "Alterar tod&as", "Cambiar t&odas", "Ändra a&lla"}},
    {Id(T::AutoCorrect),
     {"Au&to-Correct", "Au&tokorrektur", "Au&tocorrectie", "Correction au&tomatique", "Au&tokorrektur",
      "Correzione au&tomatica", "Au&tocorreção", "Correção au&tomática", "Au&tocorrección", "Au&tokorrigera"}},
    {Id(T::Undo),
     {"&Undo", "&Fortryd", "&Ongedaan maken", "&Annuler l'action", "&Rückgängig", "Ann&ulla azione", "Des&fazer",
      "Anula&r", "&Deshacer", "&Ångra"}},
    {Id(T::Options),
     {"&Options", "&Indstillinger", "&Opties", "&Options", "&Optionen", "&Opzioni", "&Opções", "&Opções",
      "&Opciones", "&Alternativ"}},
    {Id(T::Help),
     {"&Help", "&Hjælp", "&Help", "&Aide", "&Hilfe", "&Guida", "&Ajuda", "&Ajuda", "Ay&uda", "&Hjälp"}},
    {Id(T::Cancel),
     {"Cancel", "Annuller", "Annuleren", "Annuler", "Abbrechen", "Annulla", "Cancelar", "Cancelar", "Cancelar",
      "Avbryt"}},
    {Id(T::Complete),
     {"The spelling check is complete.", "Stavekontrollen er færdig.", "De spellingcontrole is voltooid.",
      "La vérification orthographique est terminée.", "Die Rechtschreibprüfung ist abgeschlossen.",
      "Il controllo ortografico è completato.", "A verificação ortográfica foi concluída.",
      "A verificação ortográfica está concluída.", "La revisión ortográfica ha finalizado.",
      "Stavningskontrollen är klar."}},
    {Id(T::WordsChecked),
     {"Words checked:", "Kontrollerede ord:", "Gecontroleerde woorden:", "Mots vérifiés :", "Geprüfte Wörter:",
      "Parole controllate:", "Palavras verificadas:", "Palavras verificadas:", "Palabras revisadas:",
      "Kontrollerade ord:"}},
    {Id(T::NoSuggestions),
     {"(no suggestions)", "(ingen forslag)", "(geen suggesties)", "(aucune suggestion)", "(keine Vorschläge)",
      "(nessun suggerimento)", "(nenhuma sugestão)", "(sem sugestões)", "(sin sugerencias)", "(inga förslag)"}},
};

}  // namespace

const CaptionTable& SpellViewerTexts() {
  static const CaptionTable table("Spell Viewer", kRows);
  return table;
}

std::string SpellViewerCaption(SpellViewerText id) { return SpellViewerTexts().TextString(int(id)); }

}  // namespace wx
