#include "app/AboutTexts.h"

namespace wx {

namespace {

// English (United States), Danish, Dutch, French, German, Italian,
// Portuguese (Brazil), Portuguese (Portugal), Spanish, Swedish.
const Caption kRows[] = {
    {kCaptionWindowTitle,
     {"About", "Om", "Info", "À propos", "Info", "Informazioni", "Sobre", "Acerca de", "Acerca de", "Om"}},
    {idAboutOK, {"OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "Aceptar", "OK"}},
    {idAboutLine,
     {"The writing assistant in your notification area.", "Skriveassistenten i dit meddelelsesområde.",
      "De schrijfassistent in uw systeemvak.", "L'assistant d'écriture de votre zone de notification.",
      "Der Schreibassistent in Ihrem Infobereich.", "L'assistente di scrittura nell'area di notifica.",
      "O assistente de escrita na sua área de notificação.", "O assistente de escrita na sua área de notificação.",
      "El asistente de escritura en su área de notificación.", "Skrivassistenten i ditt meddelandefält."}},
    {txtAboutWebSite,
     {"Web site: ", "Websted: ", "Website: ", "Site Web : ", "Website: ", "Sito Web: ", "Site: ", "Site: ",
      "Sitio web: ", "Webbplats: "}},
};

}  // namespace

const CaptionTable& AboutTexts() {
  static const CaptionTable table("About", kRows);
  return table;
}

}  // namespace wx
