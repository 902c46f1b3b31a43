#include "spelling/CustomDictionaryEditTexts.h"

namespace wx {

namespace {

#define WX_ADD {"&Add", "&Tilføj", "&Toevoegen", "&Ajouter", "&Hinzufügen", "&Aggiungi", "&Adicionar", "&Adicionar", "&Agregar", "&Lägg till"}
#define WX_DELETE {"&Delete", "&Slet", "&Verwijderen", "&Supprimer", "&Löschen", "&Elimina", "&Excluir", "&Eliminar", "&Eliminar", "&Ta bort"}

// Languages: English, Danish, Dutch, French, German, Italian, Brazilian
// Portuguese, Portuguese, Spanish, Swedish. The window's title is the
// dictionary's file name, so the table has no title row.
const Caption rows[] = {
    {idEditOk, {"&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "Ace&ptar", "&OK"}},
    {idAddedExplain,
     {"These words will be considered correct during a spell check operation.",
      "Disse ord betragtes som korrekte under stavekontrollen.",
      "Deze woorden worden tijdens de spellingcontrole als juist beschouwd.",
      "Ces mots seront considérés comme corrects lors de la vérification.",
      "Diese Wörter gelten bei der Rechtschreibprüfung als richtig.",
      "Queste parole saranno considerate corrette durante il controllo ortografico.",
      "Estas palavras serão consideradas corretas durante a verificação ortográfica.",
      "Estas palavras serão consideradas correctas durante a verificação ortográfica.",
      "Estas palabras se considerarán correctas durante la revisión ortográfica.",
      "Dessa ord räknas som korrekta vid stavningskontrollen."}},
    {idAddedLabel,
     {"&Ignore this word:", "&Ignorer dette ord:", "&Dit woord negeren:", "&Ignorer ce mot :", "Dieses Wort &ignorieren:",
      "&Ignora questa parola:", "&Ignorar esta palavra:", "&Ignorar esta palavra:", "&Omitir esta palabra:",
      "&Ignorera det här ordet:"}},
    {idAddedAdd, WX_ADD},
    {idAddedDelete, WX_DELETE},
    {idAutoExplain,
     {"These words will automatically be corrected when encountered during a spelling check.",
      "Disse ord rettes automatisk, når de findes under stavekontrollen.",
      "Deze woorden worden tijdens de spellingcontrole automatisch verbeterd.",
      "Ces mots seront corrigés automatiquement lors de la vérification.",
      "Diese Wörter werden bei der Rechtschreibprüfung automatisch korrigiert.",
      "Queste parole saranno corrette automaticamente durante il controllo ortografico.",
      "Estas palavras serão corrigidas automaticamente durante a verificação ortográfica.",
      "Estas palavras serão corrigidas automaticamente durante a verificação ortográfica.",
      "Estas palabras se corregirán automáticamente durante la revisión ortográfica.",
      "Dessa ord rättas automatiskt vid stavningskontrollen."}},
    {idAutoWordLabel,
     {"&Replace:", "&Erstat:", "V&ervangen:", "&Remplacer :", "&Ersetzen:", "&Sostituisci:", "&Substituir:",
      "&Substituir:", "&Reemplazar:", "&Ersätt:"}},
    {idAutoWithLabel,
     {"&With:", "&Med:", "&Door:", "&Par :", "&Durch:", "&Con:", "&Por:", "&Por:", "&Con:", "&Med:"}},
    {idAutoAdd, WX_ADD},
    {idAutoDelete, WX_DELETE},
    {idExclExplain,
     {"These words will always be considered incorrect during a spell check operation.",
      "Disse ord betragtes altid som forkerte under stavekontrollen.",
      "Deze woorden worden tijdens de spellingcontrole altijd als fout beschouwd.",
      "Ces mots seront toujours considérés comme incorrects lors de la vérification.",
      "Diese Wörter gelten bei der Rechtschreibprüfung immer als falsch.",
      "Queste parole saranno sempre considerate errate durante il controllo ortografico.",
      "Estas palavras serão sempre consideradas incorretas durante a verificação ortográfica.",
      "Estas palavras serão sempre consideradas incorrectas durante a verificação ortográfica.",
      "Estas palabras siempre se considerarán incorrectas durante la revisión ortográfica.",
      "Dessa ord räknas alltid som felaktiga vid stavningskontrollen."}},
    {idExclLabel,
     {"E&xclude this word:", "&Udelad dette ord:", "Dit woord &uitsluiten:", "E&xclure ce mot :",
      "Dieses Wort a&usschließen:", "E&scludi questa parola:", "E&xcluir esta palavra:", "E&xcluir esta palavra:",
      "E&xcluir esta palabra:", "&Uteslut det här ordet:"}},
    {idExclAdd, WX_ADD},
    {idExclDelete, WX_DELETE},
    {txtAddedTab,
     {"Add&ed Words", "&Tilføjede ord", "&Toegevoegd", "Mots &ajoutés", "&Hinzugefügt",
      "Parole &aggiunte", "Palavras &adicionadas", "Palavras &adicionadas", "Palabras &agregadas", "&Tillagda ord"}},
    {txtAutoTab,
     {"A&uto-Correct Pairs", "A&utokorrekturpar", "A&utocorrectie", "Correction a&uto",
      "A&utokorrektur", "Correzione a&uto", "A&utocorreção", "A&utocorrecção",
      "A&utocorrección", "A&utokorrigeringspar"}},
    {txtExcludedTab,
     {"&Excluded Words", "&Udeladte ord", "&Uitgesloten", "Mots &exclus", "&Ausgeschlossen",
      "Parole &escluse", "Palavras &excluídas", "Palavras &excluídas", "Palabras &excluidas", "&Uteslutna ord"}},
    {txtTemporaryTitle,
     {"Words added with Ignore All / Change All", "Ord tilføjet med Ignorer alle / Ret alle",
      "Woorden toegevoegd met Alles negeren / Alles wijzigen", "Mots ajoutés par Ignorer tout / Remplacer tout",
      "Mit Alle ignorieren / Alle ändern hinzugefügte Wörter", "Parole aggiunte con Ignora tutto / Cambia tutto",
      "Palavras adicionadas com Ignorar tudo / Alterar tudo", "Palavras adicionadas com Ignorar tudo / Alterar tudo",
      "Palabras agregadas con Omitir todas / Cambiar todas", "Ord tillagda med Ignorera alla / Ändra alla"}},
    {txtIgnoreAllTab,
     {"&Ignore All", "&Ignorer alle", "&Alles negeren", "&Ignorer tout", "&Alle ignorieren", "&Ignora tutto",
      "&Ignorar tudo", "&Ignorar tudo", "&Omitir todas", "&Ignorera alla"}},
    {txtChangeAllTab,
     {"&Change All", "&Ret alle", "Alles &wijzigen", "&Remplacer tout", "Alle ä&ndern", "&Cambia tutto",
      "Alterar &tudo", "Alterar &tudo", "&Cambiar todas", "Ä&ndra alla"}},
};

#undef WX_ADD
#undef WX_DELETE

}  // namespace

const CaptionTable& CustomDictionaryEditTexts() {
  static const CaptionTable table("Custom Dictionary Editor", rows);
  return table;
}

}  // namespace wx
