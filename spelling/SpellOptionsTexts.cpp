#include "spelling/SpellOptionsTexts.h"

namespace wx {

namespace {

// Languages: English, Danish, Dutch, French, German, Italian, Brazilian
// Portuguese, Portuguese, Spanish, Swedish. Option boxes follow option order:
// UPPERCASE, numbers, markup, Internet, quoted, abbreviations, main only,
// repeated, as you type, correct as you type.
const Caption rows[] = {
    {kCaptionWindowTitle,
     {"Spelling Options", "Stavekontrolindstillinger", "Spellingopties", "Options d'orthographe",
      "Rechtschreiboptionen", "Opzioni di ortografia", "Opções de ortografia", "Opções de ortografia",
      "Opciones de ortografía", "Stavningsalternativ"}},
    {idOptionsGroup,
     {" O&ptions: ", " &Indstillinger: ", " O&pties: ", " O&ptions : ", " O&ptionen: ", " O&pzioni: ",
      " O&pções: ", " O&pções: ", " O&pciones: ", " A&lternativ: "}},
    {idDictionariesGroup,
     {" D&ictionaries: ", " O&rdbøger: ", " &Woordenlijsten: ", " D&ictionnaires : ", " Wörterbü&cher: ",
      " D&izionari: ", " D&icionários: ", " D&icionários: ", " D&iccionarios: ", " O&rdlistor: "}},
    {idCustomLabel,
     {"&Custom Dictionary:", "&Brugerordbog:", "&Eigen woordenlijst:", "Dictionnaire perso&nnel :",
      "&Benutzerwörterbuch:", "Dizionario perso&nale:", "Dicionário perso&nalizado:",
      "Dicionário perso&nalizado:", "Diccionario perso&nal:", "&Egen ordlista:"}},
    {idDictionariesButton,
     {"&Dictionaries ...", "Or&dbøger ...", "Woor&denlijsten ...", "&Dictionnaires ...", "&Wörterbücher ...",
      "&Dizionari ...", "&Dicionários ...", "&Dicionários ...", "&Diccionarios ...", "Or&dlistor ..."}},
    {idOptionsOk, {"&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&Aceptar", "&OK"}},
    {idOptionBox0 + 0,
     {"Ignore words in &UPPERCASE", "Ignorer ord med &STORE BOGSTAVER", "Woorden in &HOOFDLETTERS negeren",
      "Ignorer les mots en &MAJUSCULES", "Wörter in &GROSSBUCHSTABEN ignorieren", "Ignora parole in &MAIUSCOLO",
      "Ignorar palavras em &MAIÚSCULAS", "Ignorar palavras em &MAIÚSCULAS", "Omitir palabras en &MAYÚSCULAS",
      "Ignorera ord med &VERSALER"}},
    {idOptionBox0 + 1,
     {"Ignore words containing numbers", "Ignorer ord &med tal", "Woorden &met cijfers negeren",
      "Ignorer &les mots contenant des chiffres", "Wörter &mit Zahlen ignorieren", "Ignora parole &con numeri",
      "Ignorar palavras &com números", "Ignorar palavras &com números", "&Omitir palabras con números",
      "&Ignorera ord med siffror"}},
    {idOptionBox0 + 2,
     {"Ignore markup languages (&HTML, XML, etc)", "Ignorer opmærkningssprog (&HTML, XML osv.)",
      "Opmaaktalen negeren (HTML, &XML enz.)", "Ignorer les langages de balisage (&HTML, XML, etc.)",
      "Auszeichnungssprachen ignorieren (&HTML, XML usw.)", "Ignora linguaggi di marcatura (&HTML, XML, ecc.)",
      "Ignorar linguagens de marcação (&HTML, XML etc.)", "Ignorar linguagens de marcação (&HTML, XML, etc.)",
      "Omitir lenguajes de marcado (&HTML, XML, etc.)", "Ignorera märkspråk (&HTML, XML osv.)"}},
    {idOptionBox0 + 3,
     {"Ignore Internet addresses", "I&gnorer internetadresser", "&Internetadressen negeren",
      "Ignorer les &adresses Internet", "&Internetadressen ignorieren", "I&gnora indirizzi Internet",
      "Ignorar &endereços da Internet", "Ignorar &endereços da Internet", "Omi&tir direcciones de Internet",
      "I&gnorera Internetadresser"}},
    {idOptionBox0 + 4,
     {"Ignore quoted lines", "Ignorer &citerede linjer", "&Geciteerde regels negeren", "Ignorer les lignes &citées",
      "&Zitierte Zeilen ignorieren", "Ignora &righe citate", "Ignorar &linhas citadas", "Ignorar &linhas citadas",
      "Omitir &líneas citadas", "Ignorera &citerade rader"}},
    {idOptionBox0 + 5,
     {"Ignore abbreviations", "Ignorer &forkortelser", "&Afkortingen negeren", "I&gnorer les abréviations",
      "&Abkürzungen ignorieren", "Ignora &abbreviazioni", "Ignorar &abreviações", "Ignorar &abreviaturas",
      "Omiti&r abreviaturas", "Ignorera &förkortningar"}},
    {idOptionBox0 + 6,
     {"Suggest from main dictionaries only", "Foreslå &kun fra hovedordbøger",
      "Alleen &voorstellen uit hoofdwoordenlijsten", "&Suggestions des seuls dictionnaires principaux",
      "&Nur aus Hauptwörterbüchern vorschlagen", "&Suggerisci solo dai dizionari principali",
      "&Sugerir apenas dos dicionários principais", "&Sugerir apenas dos dicionários principais",
      "&Sugerir solo de los diccionarios principales", "Före&slå endast från huvudordlistor"}},
    {idOptionBox0 + 7,
     {"Prompt on repeated word", "Spørg &ved gentaget ord", "Melden &bij herhaald woord", "Signaler les mots &répétés",
      "B&ei wiederholtem Wort nachfragen", "S&egnala parole ripetute", "Avisar sobre palavra &repetida",
      "Avisar sobre palavra &repetida", "A&visar de palabras repetidas", "Fråga vid &upprepat ord"}},
    {idOptionBox0 + 8,
     {"Check spelling as you type", "Kontroller stavning &under skrivning", "&Spelling controleren tijdens typen",
      "&Vérifier l'orthographe au cours de la frappe", "&Rechtschreibung während der Eingabe prüfen",
      "Controlla &l'ortografia durante la digitazione", "&Verificar ortografia ao digitar",
      "&Verificar a ortografia ao escrever", "Revisar la ortografía mientras &escribe",
      "&Kontrollera stavning medan du skriver"}},
    {idOptionBox0 + 9,
     {"Correct spelling errors as you type", "R&et stavefejl under skrivning", "Spelfouten verbeteren &tijdens typen",
      "Corriger les &fautes au cours de la frappe", "Rechtschreibfehler während &der Eingabe korrigieren",
      "Correggi gli errori d&urante la digitazione", "Corri&gir erros ortográficos ao digitar",
      "Corri&gir erros ortográficos ao escrever", "&Corregir errores mientras escribe",
      "Rätta stavfel &medan du skriver"}},
    {txtNameColumn, {"Name", "Navn", "Naam", "Nom", "Name", "Nome", "Nome", "Nome", "Nombre", "Namn"}},
    {txtFilenameColumn,
     {"Filename", "Filnavn", "Bestandsnaam", "Nom de fichier", "Dateiname", "Nome file", "Nome do arquivo",
      "Nome do ficheiro", "Nombre de archivo", "Filnamn"}},
    {txtLocateDictionaries,
     {"Locate Dictionaries...", "Find ordbøger...", "Woordenlijsten zoeken...", "Rechercher des dictionnaires...",
      "Wörterbücher suchen...", "Trova dizionari...", "Localizar dicionários...", "Localizar dicionários...",
      "Buscar diccionarios...", "Hitta ordlistor..."}},
    {txtChooseFolder,
     {"Choose Folder Containing Dictionaries", "Vælg mappen med ordbøger", "Kies de map met woordenlijsten",
      "Choisissez le dossier contenant les dictionnaires", "Ordner mit Wörterbüchern wählen",
      "Scegli la cartella dei dizionari", "Escolha a pasta com os dicionários",
      "Escolha a pasta com os dicionários", "Elija la carpeta que contiene los diccionarios",
      "Välj mappen med ordlistor"}},
};

}  // namespace

const CaptionTable& SpellOptionsTexts() {
  static const CaptionTable table("Spelling Options", rows);
  return table;
}

}  // namespace wx
