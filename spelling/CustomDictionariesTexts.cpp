#include "spelling/CustomDictionariesTexts.h"

namespace wx {

namespace {

// Languages: English, Danish, Dutch, French, German, Italian, Brazilian
// Portuguese, Portuguese, Spanish, Swedish.
const Caption dictsRows[] = {
    {kCaptionWindowTitle,
     {"Dictionaries", "Ordbøger", "Woordenlijsten", "Dictionnaires", "Wörterbücher", "Dizionari", "Dicionários",
      "Dicionários", "Diccionarios", "Ordlistor"}},
    {idDictsGroup,
     {" Custom Dictionaries: ", " Brugerordbøger: ", " Eigen woordenlijsten: ", " Dictionnaires personnels : ",
      " Benutzerwörterbücher: ", " Dizionari personali: ", " Dicionários personalizados: ",
      " Dicionários personalizados: ", " Diccionarios personales: ", " Egna ordlistor: "}},
    {idDictsDelete,
     {"&Delete", "&Slet", "&Verwijderen", "&Supprimer", "&Löschen", "&Elimina", "&Excluir", "&Eliminar",
      "&Eliminar", "&Ta bort"}},
    {idDictsEdit,
     {"&Edit", "R&ediger", "B&ewerken", "&Modifier", "&Bearbeiten", "&Modifica", "E&ditar", "E&ditar", "E&ditar",
      "&Redigera"}},
    {idDictsNew,
     {"&New", "&Ny", "&Nieuw", "&Nouveau", "&Neu", "&Nuovo", "&Novo", "&Novo", "&Nuevo", "&Ny"}},
    {idDictsOk, {"&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&Aceptar", "&OK"}},
    {txtConfirmCaption,
     {"Confirmation:", "Bekræftelse:", "Bevestiging:", "Confirmation :", "Bestätigung:", "Conferma:",
      "Confirmação:", "Confirmação:", "Confirmación:", "Bekräftelse:"}},
    {txtConfirmDelete,
     {"Delete the custom dictionary %name% and the words in it?",
      "Vil du slette brugerordbogen %name% og ordene i den?",
      "De eigen woordenlijst %name% en de woorden erin verwijderen?",
      "Supprimer le dictionnaire personnel %name% et les mots qu'il contient ?",
      "Das Benutzerwörterbuch %name% mit allen Wörtern darin löschen?",
      "Eliminare il dizionario personale %name% e le parole che contiene?",
      "Excluir o dicionário personalizado %name% e as palavras nele?",
      "Eliminar o dicionário personalizado %name% e as palavras nele contidas?",
      "¿Eliminar el diccionario personal %name% y las palabras que contiene?",
      "Vill du ta bort den egna ordlistan %name% och orden i den?"}},
    {txtTemporaryRow,
     {"(Ignore All / Change All)", "(Ignorer alle / Ret alle)", "(Alles negeren / Alles wijzigen)",
      "(Ignorer tout / Remplacer tout)", "(Alle ignorieren / Alle ändern)", "(Ignora tutto / Cambia tutto)",
      "(Ignorar tudo / Alterar tudo)", "(Ignorar tudo / Alterar tudo)", "(Omitir todas / Cambiar todas)",
      "(Ignorera alla / Ändra alla)"}},
    {txtBlankName,
     {"Please type a name for the dictionary.", "Skriv et navn til ordbogen.", "Typ een naam voor de woordenlijst.",
      "Tapez un nom pour le dictionnaire.", "Bitte geben Sie einen Namen für das Wörterbuch ein.",
      "Digitare un nome per il dizionario.", "Digite um nome para o dicionário.",
      "Escreva um nome para o dicionário.", "Escriba un nombre para el diccionario.",
      "Skriv ett namn på ordlistan."}},
    {txtUnusableName,
     {"This name cannot be used for a dictionary file. Please type a plain name without a folder.",
      "Dette navn kan ikke bruges til en ordbogsfil. Skriv et navn uden mappe.",
      "Deze naam kan niet worden gebruikt voor een woordenlijst. Typ een naam zonder map.",
      "Ce nom ne peut pas servir de fichier de dictionnaire. Tapez un nom sans dossier.",
      "Dieser Name kann nicht als Wörterbuchdatei verwendet werden. Bitte geben Sie einen Namen ohne Ordner ein.",
      "Questo nome non può essere usato per un file di dizionario. Digitare un nome senza cartella.",
      "Este nome não pode ser usado para um arquivo de dicionário. Digite um nome sem pasta.",
      "Este nome não pode ser usado para um ficheiro de dicionário. Escreva um nome sem pasta.",
      "Este nombre no se puede usar para un archivo de diccionario. Escriba un nombre sin carpeta.",
      "Namnet kan inte användas för en ordlistefil. Skriv ett namn utan mapp."}},
    {txtNameTaken,
     {"A dictionary of that name exists already.", "Der findes allerede en ordbog med det navn.",
      "Er bestaat al een woordenlijst met die naam.", "Un dictionnaire de ce nom existe déjà.",
      "Ein Wörterbuch mit diesem Namen gibt es bereits.", "Esiste già un dizionario con questo nome.",
      "Já existe um dicionário com esse nome.", "Já existe um dicionário com esse nome.",
      "Ya existe un diccionario con ese nombre.", "Det finns redan en ordlista med det namnet."}},
    {txtNotCreated,
     {"The dictionary file could not be written.", "Ordbogsfilen kunne ikke skrives.",
      "Het woordenlijstbestand kon niet worden geschreven.", "Le fichier du dictionnaire n'a pas pu être écrit.",
      "Die Wörterbuchdatei konnte nicht geschrieben werden.", "Impossibile scrivere il file del dizionario.",
      "Não foi possível gravar o arquivo do dicionário.", "Não foi possível gravar o ficheiro do dicionário.",
      "No se pudo escribir el archivo del diccionario.", "Ordlistefilen kunde inte skrivas."}},
};

const Caption promptRows[] = {
    {kCaptionWindowTitle,
     {"New Custom Dictionary", "Ny brugerordbog", "Nieuwe eigen woordenlijst", "Nouveau dictionnaire personnel",
      "Neues Benutzerwörterbuch", "Nuovo dizionario personale", "Novo dicionário personalizado",
      "Novo dicionário personalizado", "Nuevo diccionario personal", "Ny egen ordlista"}},
    {idPromptLabel,
     {"&Enter the new custom dictionary name:", "&Skriv navnet på den nye brugerordbog:",
      "&Naam van de nieuwe eigen woordenlijst:", "&Nom du nouveau dictionnaire personnel :",
      "&Name des neuen Benutzerwörterbuchs:", "&Nome del nuovo dizionario personale:",
      "&Nome do novo dicionário personalizado:", "&Nome do novo dicionário personalizado:",
      "&Nombre del nuevo diccionario personal:", "&Namn på den nya egna ordlistan:"}},
    {idDictsOk, {"&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&OK", "&Aceptar", "&OK"}},
    {idDictsCancel,
     {"Cancel", "Annuller", "Annuleren", "Annuler", "Abbrechen", "Annulla", "Cancelar", "Cancelar", "Cancelar",
      "Avbryt"}},
};

}  // namespace

const CaptionTable& CustomDictionariesTexts() {
  static const CaptionTable table("Dictionaries", dictsRows);
  return table;
}

const CaptionTable& NewCustomDictionaryTexts() {
  static const CaptionTable table("New Custom Dictionary", promptRows);
  return table;
}

}  // namespace wx
