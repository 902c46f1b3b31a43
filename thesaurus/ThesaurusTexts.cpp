#include "thesaurus/ThesaurusTexts.h"

namespace wx {

namespace {

// Held as UTF-8 (the dialog shows them through the Unicode window API, so the
// Cyrillic texts need no code-page switch).
const char* const kTexts[11][9] = {
    // ltRussian
    {"Тезаурус: %name%", "Синонимы &для:", "Зн&ачения:", "Заменить c&инонимом:", "&Назад",
     "&Поиск", "&Заменить", "Закрыть", "(нет вариантов)"},
    // ltEnglish
    {"Thesaurus: %name%", "Looked &Up:", "Conte&xts:", "Replace &With:", "&Previous", "&Lookup",
     "&Replace", "&Close", "(not found)"},
    // ltGerman
    {"Thesaurus: %name%", "&Gesucht:", "Bedeu&tungen:", "Ersetzen &mit:", "&Vorherige",
     "S&uchen", "&Ersetzen", "&Schließen", "(nicht gefunden)"},
    // ltDanish
    {"Synonymordbogen: %name%", "Fundet &ord:", "Konte&kst:", "Erstat &med:", "&Forrige",
     "&Slå op", "&Erstat", "&Luk", "(ikke fundet)"},
    // ltDutch
    {"Synoniemenlijst: %name%", "Opgezo&cht:", "Conte&xts:", "Vervangen &door:", "&Vorige",
     "V&erwijz", "Ve&rvangen", "&Sluiten", "(niet gevonden)"},
    // ltFrench
    {"Synonymes: %name%", "Recherc&her:", "Conte&xtes:", "Rempla&cer par:", "Précé&dent",
     "&Rechercher", "Re&mplacer", "F&ermer", "(mot inconnu)"},
    // ltItalian
    {"Thesaurus: %name%", "Termine &ricercato:", "Contes&tos:", "Sostituisc&i con:",
     "&Precedente", "C&erca", "&Sostituisci", "&Chiudi", "(non trovato)"},
    // ltBrPortuguese
    {"Sinônimos: %name%", "Consult&ar:", "Conte&xtos:", "Substituir &por:", "A&nterior",
     "&Consultar", "&Substituir", "&Fechar", "(não encontrado)"},
    // ltStdPortuguese
    {"Sinônimos: %name%", "Consult&ado:", "Conte&xtos:", "Substituir &por:", "A&nterior",
     "&Consultar", "&Substituir", "&Fechar", "(não encontrado)"},
    // ltSpanish
    {"Sinónimos: %name%", "Sinónimos &para:", "Conte&xtos:", "Sustitui&r por:", "&Anterior",
     "Re&ferencia", "&Sustituir", "&Cerrar", "(no encontrada)"},
    // ltSwedish
    {"Synonymer: %name%", "Sökt &ord:", "Samma&nhang:", "Ersätt &med:", "&Föregående",
     "Slå &upp", "&Ersätt", "&Stäng", "(finns inte)"},
};

}  // namespace

std::string ThesaurusText(TThesaurusLanguageType language, int index) {
  int l = int(language);
  if (l < 0 || l >= 11 || index < 0 || index > 8) return {};
  return kTexts[l][index];
}

}  // namespace wx
