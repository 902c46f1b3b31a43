#include "windows/SmartBarTexts.h"

namespace wx {

namespace {

using T = SmartBarText;
constexpr int Id(T t) { return int(t); }

// English, Danish, Dutch, French, German, Italian, Portuguese (Brazil),
// Portuguese (Portugal), Spanish, Swedish.
const Caption kRows[] = {
    {Id(T::Caption), {"SmartBar", "SmartBar", "SmartBar", "SmartBar", "SmartBar", "SmartBar", "SmartBar",
                      "SmartBar", "SmartBar", "SmartBar"}},
    {Id(T::SpellClip),
     {"&Spell Check Clip.", "&Stavekontrol udkl.", "&Spelling klembord", "&Orthographe presse-p.",
      "&Rechtschreibung Ablage", "&Ortografia appunti", "&Ortografia transf.", "&Ortografia área tr.",
      "&Ortografía portap.", "&Stavning urklipp"}},
    {Id(T::SpellClipHint),
     {"Spell Check ClipBoard", "Stavekontrol af udklipsholderen", "Spellingcontrole van het klembord",
      "Vérifier l'orthographe du presse-papiers", "Rechtschreibprüfung der Zwischenablage",
      "Controllo ortografico degli appunti", "Verificar a ortografia da área de transferência",
      "Verificar a ortografia da área de transferência", "Revisar la ortografía del portapapeles",
      "Stavningskontroll av Urklipp"}},
    {Id(T::ThesClip),
     {"&Thesaurus Clip.", "&Synonymordbog udkl.", "&Thesaurus klembord", "&Synonymes presse-p.", "&Thesaurus Ablage",
      "&Sinonimi appunti", "&Sinônimos transf.", "&Sinónimos área tr.", "&Sinónimos portap.", "&Synonymer urklipp"}},
    {Id(T::ThesClipHint),
     {"Thesaurus ClipBoard", "Synonymordbog for udklipsholderen", "Thesaurus voor het klembord",
      "Dictionnaire des synonymes du presse-papiers", "Thesaurus für die Zwischenablage",
      "Dizionario dei sinonimi per gli appunti", "Dicionário de sinônimos da área de transferência",
      "Dicionário de sinónimos da área de transferência", "Diccionario de sinónimos del portapapeles",
      "Synonymordbok för Urklipp"}},
    {Id(T::DefClip),
     {"&Definitions Clip.", "&Definitioner udkl.", "&Definities klembord", "&Définitions presse-p.",
      "&Definitionen Ablage", "&Definizioni appunti", "&Definições transf.", "&Definições área tr.",
      "&Definiciones portap.", "&Definitioner urklipp"}},
    {Id(T::DefClipHint),
     {"Definitions ClipBoard", "Definitioner for udklipsholderen", "Definities voor het klembord",
      "Définitions du presse-papiers", "Definitionen für die Zwischenablage", "Definizioni per gli appunti",
      "Definições da área de transferência", "Definições da área de transferência",
      "Definiciones del portapapeles", "Definitioner för Urklipp"}},
    {Id(T::Editor),
     {"&Editor", "&Editor", "&Editor", "&Éditeur", "&Editor", "&Editor", "&Editor", "&Editor", "&Editor",
      "&Redigerare"}},
    {Id(T::Options),
     {"&Options", "&Indstillinger", "&Opties", "&Options", "&Optionen", "&Opzioni", "&Opções", "&Opções",
      "&Opciones", "&Alternativ"}},
    {Id(T::Help),
     {"&Help", "&Hjælp", "&Help", "&Aide", "&Hilfe", "&Guida", "&Ajuda", "&Ajuda", "Ay&uda", "&Hjälp"}},
    // Product names stay as they are.
    {Id(T::Penwick), {"&Penwick", "&Penwick", "&Penwick", "&Penwick", "&Penwick", "&Penwick", "&Penwick",
                      "&Penwick", "&Penwick", "&Penwick"}},
    {Id(T::Scrivlet), {"Scriv&let", "Scriv&let", "Scriv&let", "Scriv&let", "Scriv&let", "Scriv&let", "Scriv&let",
                       "Scriv&let", "Scriv&let", "Scriv&let"}},
    {Id(T::InstantSpell),
     {"&Instant Spell", "&Instant Spell", "&Instant Spell", "&Instant Spell", "&Instant Spell", "&Instant Spell",
      "&Instant Spell", "&Instant Spell", "&Instant Spell", "&Instant Spell"}},
    {Id(T::AlwaysOnTop),
     {"&Always On Top", "Altid &øverst", "Altijd &bovenop", "Toujours au premier p&lan", "Immer im &Vordergrund",
      "Sempre in primo pia&no", "Sempre &visível", "Sempre &visível", "Siempre &visible", "Alltid &överst"}},
    {Id(T::GeneralOptions),
     {"General O&ptions", "Generelle &indstillinger", "Algemene o&pties", "O&ptions générales",
      "Allgemeine O&ptionen", "O&pzioni generali", "O&pções gerais", "O&pções gerais", "O&pciones generales",
      "Allmänna alte&rnativ"}},
    {Id(T::SpellingOptions),
     {"Spe&lling Options", "Indstillinger for &stavekontrol", "&Spellingopties", "Options d'&orthographe",
      "&Rechtschreiboptionen", "Opzioni &ortografia", "Opções de &ortografia", "Opções de &ortografia",
      "Opciones de &ortografía", "&Stavningsalternativ"}},
    {Id(T::EditCustomDictionary),
     {"E&dit Custom Dictionary", "&Rediger egen ordbog", "Eigen &woordenlijst bewerken",
      "Modifier le &dictionnaire personnel", "Benutzer&wörterbuch bearbeiten", "Modifica &dizionario personale",
      "Editar &dicionário personalizado", "Editar &dicionário personalizado", "Editar &diccionario personal",
      "Redigera &egen ordlista"}},
    {Id(T::Transparency),
     {"&Transparency", "&Gennemsigtighed", "&Transparantie", "&Transparence", "&Transparenz", "&Trasparenza",
      "&Transparência", "&Transparência", "&Transparencia", "&Genomskinlighet"}},
    {Id(T::TransparencyNone),
     {"None", "Ingen", "Geen", "Aucune", "Keine", "Nessuna", "Nenhuma", "Nenhuma", "Ninguna", "Ingen"}},
    {Id(T::Transparency25), {"&25%", "&25%", "&25%", "&25%", "&25%", "&25%", "&25%", "&25%", "&25%", "&25%"}},
    {Id(T::Transparency50), {"&50%", "&50%", "&50%", "&50%", "&50%", "&50%", "&50%", "&50%", "&50%", "&50%"}},
    {Id(T::Transparency75), {"&75%", "&75%", "&75%", "&75%", "&75%", "&75%", "&75%", "&75%", "&75%", "&75%"}},
    // %s: the program's name, where each language puts the object of "exit".
    {Id(T::Exit),
     {"E&xit %s", "&Afslut %s", "%s &afsluiten", "&Quitter %s", "%s &beenden", "&Esci da %s", "&Sair do %s",
      "&Sair do %s", "&Salir de %s", "&Avsluta %s"}},
    {Id(T::Contents),
     {"&Contents", "&Indhold", "&Inhoud", "&Sommaire", "&Inhalt", "&Sommario", "&Conteúdo", "&Conteúdo",
      "&Contenido", "&Innehåll"}},
    {Id(T::HelpTopics),
     {"Help &Topics", "Hjælpe&emner", "Help-&onderwerpen", "&Rubriques d'aide", "Hilfe&themen",
      "Argomenti della &guida", "&Tópicos da ajuda", "&Tópicos da ajuda", "&Temas de ayuda", "Hjälp&avsnitt"}},
    {Id(T::WebSite),
     {"Internet &Web Site", "&Websted", "&Website", "Site &Web", "&Website im Internet", "Sito &Web",
      "Site na &Web", "Sítio na &Web", "Sitio &Web", "&Webbplats"}},
    {Id(T::DictionaryUpdate),
     {"Dictionary &Update Wizard...", "Guide til ordbogs&opdatering...", "Wizard woordenboek&update...",
      "Assistant de &mise à jour du dictionnaire...", "Assistent zur Wörterbuch&aktualisierung...",
      "Procedura di &aggiornamento del dizionario...", "Assistente de &atualização do dicionário...",
      "Assistente de &actualização do dicionário...", "Asistente de &actualización del diccionario...",
      "Guide för &uppdatering av ordlistan..."}},
    {Id(T::About),
     {"About", "Om", "Info", "À propos", "Info", "Informazioni", "Sobre", "Acerca de", "Acerca de", "Om"}},
    {Id(T::CloseNotice),
     {"You are only closing the Smart Bar, not the main application. To close the main application, right-click "
      "the Tray Icon and choose Exit.",
      "Du lukker kun Smart Bar, ikke hovedprogrammet. Højreklik på ikonet i meddelelsesområdet, og vælg Afslut "
      "for at lukke hovedprogrammet.",
      "U sluit alleen de Smart Bar, niet het hoofdprogramma. Klik met de rechtermuisknop op het pictogram in het "
      "systeemvak en kies Afsluiten om het hoofdprogramma te sluiten.",
      "Vous fermez seulement la Smart Bar, pas l'application principale. Pour fermer l'application principale, "
      "cliquez avec le bouton droit sur l'icône de la zone de notification et choisissez Quitter.",
      "Sie schließen nur die Smart Bar, nicht das Hauptprogramm. Um das Hauptprogramm zu beenden, klicken Sie mit "
      "der rechten Maustaste auf das Symbol im Infobereich und wählen Sie Beenden.",
      "Si sta chiudendo solo la Smart Bar, non l'applicazione principale. Per chiudere l'applicazione principale, "
      "fare clic con il pulsante destro sull'icona nell'area di notifica e scegliere Esci.",
      "Você está fechando apenas a Smart Bar, não o aplicativo principal. Para fechar o aplicativo principal, "
      "clique com o botão direito no ícone da área de notificação e escolha Sair.",
      "Está a fechar apenas a Smart Bar, não a aplicação principal. Para fechar a aplicação principal, clique com "
      "o botão direito do rato no ícone da área de notificação e escolha Sair.",
      "Solo está cerrando la Smart Bar, no la aplicación principal. Para cerrar la aplicación principal, haga "
      "clic con el botón derecho en el icono del área de notificación y elija Salir.",
      "Du stänger bara Smart Bar, inte huvudprogrammet. Om du vill stänga huvudprogrammet högerklickar du på "
      "ikonen i meddelandefältet och väljer Avsluta."}},
};

const CaptionTable kTable("SmartBar", kRows);

}  // namespace

const CaptionTable& SmartBarTexts() { return kTable; }

std::string SmartBarCaption(SmartBarText id) { return kTable.TextString(int(id)); }

}  // namespace wx
