#include "spelling/SpellDialogTexts.h"

namespace wx {

namespace {

// Languages: English, Danish, Dutch, French, German, Italian, Brazilian
// Portuguese, Portuguese, Spanish, Swedish.
const Caption rows[] = {
    {kCaptionWindowTitle,
     {"Spelling", "Stavekontrol", "Spelling", "Orthographe", "Rechtschreibung", "Ortografia", "Ortografia",
      "Ortografia", "Ortografía", "Stavning"}},
    {txtSpellNotFound,
     {"Not Found:", "Ikke fundet:", "Niet gevonden:", "Mot inconnu :", "Nicht gefunden:",
      "Non trovata:", "Não encontrada:", "Não encontrada:", "No encontrada:", "Hittades inte:"}},
    {txtSpellRepeatedWord,
     {"Repeated Word:", "Gentaget ord:", "Herhaald woord:", "Mot répété :", "Wiederholtes Wort:",
      "Parola ripetuta:", "Palavra repetida:", "Palavra repetida:", "Palabra repetida:", "Upprepat ord:"}},
    {idSpellReplaceLabel,
     {"&Replace With:", "&Erstat med:", "&Vervang door:", "&Remplacer par :", "&Ersetzen durch:",
      "&Sostituisci con:", "Su&bstituir por:", "Su&bstituir por:", "&Sustituir por:", "&Ersätt med:"}},
    {idSpellSuggestionsLabel,
     {"&Suggestions:", "&Forslag:", "&Suggesties:", "&Suggestions :", "&Vorschläge:", "Suggerime&nti:",
      "Sugest&ões:", "Sugest&ões:", "Su&gerencias:", "&Förslag:"}},
    {idSpellIgnore,
     {"I&gnore", "I&gnorer", "&Negeren", "I&gnorer", "I&gnorieren", "I&gnora", "I&gnorar", "I&gnorar", "&Omitir",
      "I&gnorera"}},
    {idSpellIgnoreAll,
     {"&Ignore All", "Ignorer &alle", "&Alles negeren", "&Ignorer tout", "&Alle ignorieren", "Ignora &tutto",
      "Ignorar &todas", "Ignorar &todas", "Omitir &todas", "Ignorera &alla"}},
    {txtSpellChange,
     {"C&hange", "&Ret", "&Wijzigen", "&Modifier", "Ä&ndern", "&Cambia", "&Alterar", "&Alterar", "&Cambiar",
      "&Ändra"}},
    {txtSpellDelete,
     {"&Delete", "&Slet", "Ver&wijderen", "&Supprimer", "&Löschen", "&Elimina", "&Excluir", "&Eliminar",
      "&Eliminar", "&Ta bort"}},
    {idSpellChangeAll,
     {"&Change All", "Ret a&lle", "A&lles wijzigen", "Modifier t&out", "A&lle ändern", "Cambia t&utto",
      "Alterar toda&s", "Alterar toda&s", "Cambiar to&das", "Ändra a&lla"}},
    {idSpellAdd,
     {"&Add", "&Tilføj", "&Toevoegen", "A&jouter", "&Hinzufügen", "&Aggiungi", "A&dicionar", "A&dicionar",
      "&Agregar", "Lägg t&ill"}},
    {idSpellAutoCorrect,
     {"Au&to-Correct", "Auto&korrektur", "Auto&Correctie", "Corr. a&uto", "Auto&Korrektur",
      "Autocorre&zione", "Auto&Correção", "A&utocorreção", "Autocorrecció&n", "Auto&korrigera"}},
    {idSpellHelp,
     {"&Help", "&Hjælp", "&Help", "&Aide", "H&ilfe", "Gu&ida", "Aj&uda", "A&juda", "Ay&uda", "&Hjälp"}},
    {idSpellUndo,
     {"&Undo", "Fortr&yd", "&Ongedaan", "&Défaire", "&Rückgängig", "Annu&lla", "Des&fazer", "Des&fazer",
      "Des&hacer", "&Ångra"}},
    {idSpellCancel,
     {"Cancel", "Annuller", "Annuleren", "Annuler", "Abbrechen", "Annulla", "Cancelar", "Cancelar", "Cancelar",
      "Avbryt"}},
    {idSpellOptions,
     {"&Options", "&Indstillinger", "O&pties", "O&ptions", "&Optionen", "&Opzioni", "&Opções", "&Opções",
      "O&pciones", "Al&ternativ"}},
    {txtSpellNoSuggestions,
     {"(no suggestions)", "(ingen forslag)", "(geen suggesties)", "(aucune suggestion)", "(keine Vorschläge)",
      "(nessun suggerimento)", "(nenhuma sugestão)", "(sem sugestões)", "(sin sugerencias)", "(inga förslag)"}},
    {txtSpellComplete,
     {"The spelling check is complete.", "Stavekontrollen er fuldført.", "De spellingcontrole is voltooid.",
      "La vérification orthographique est terminée.", "Die Rechtschreibprüfung ist abgeschlossen.",
      "Il controllo ortografico è stato completato.", "A verificação ortográfica foi concluída.",
      "A verificação ortográfica está concluída.", "La revisión ortográfica ha finalizado.",
      "Stavningskontrollen är klar."}},
    {txtSpellWordsChecked,
     {"Words checked:", "Kontrollerede ord:", "Gecontroleerde woorden:", "Mots vérifiés :", "Geprüfte Wörter:",
      "Parole controllate:", "Palavras verificadas:", "Palavras verificadas:", "Palabras revisadas:",
      "Kontrollerade ord:"}},
    {txtSpellCheckRemainder,
     {"The selection has been checked.  Would you like to check the remainder of the document?",
      "Markeringen er kontrolleret.  Vil du kontrollere resten af dokumentet?",
      "De selectie is gecontroleerd.  Wilt u de rest van het document controleren?",
      "La sélection a été vérifiée.  Voulez-vous vérifier le reste du document ?",
      "Die Markierung wurde geprüft.  Möchten Sie den Rest des Dokuments prüfen?",
      "La selezione è stata controllata.  Controllare il resto del documento?",
      "A seleção foi verificada.  Deseja verificar o restante do documento?",
      "A seleção foi verificada.  Pretende verificar o resto do documento?",
      "Se ha revisado la selección.  ¿Desea revisar el resto del documento?",
      "Markeringen har kontrollerats.  Vill du kontrollera resten av dokumentet?"}},
};

}  // namespace

const CaptionTable& SpellDialogTexts() {
  static const CaptionTable table("Spelling", rows);
  return table;
}

}  // namespace wx
