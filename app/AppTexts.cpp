#include "app/AppTexts.h"

namespace wx {

namespace {

// English (United States), Danish, Dutch, French, German, Italian,
// Portuguese (Brazil), Portuguese (Portugal), Spanish, Swedish. The action
// names are the tray menu's, without the dots; each language quotes them in
// its own marks.
const Caption kRows[] = {
    {txtActSpellCheckSelected,
     {"Spell Check Selected", "Stavekontrol af markering", "Selectie controleren", "Vérifier la sélection",
      "Auswahl prüfen", "Controlla selezione", "Verificar seleção", "Verificar seleção", "Revisar selección",
      "Kontrollera markering"}},
    {txtActSpellCheckAll,
     {"Spell Check All", "Stavekontrol af alt", "Alles controleren", "Vérifier tout", "Alles prüfen",
      "Controlla tutto", "Verificar tudo", "Verificar tudo", "Revisar todo", "Kontrollera allt"}},
    {txtActThesaurusSelected,
     {"Thesaurus Selected", "Synonymer for markering", "Synoniemen van selectie", "Synonymes de la sélection",
      "Thesaurus für Auswahl", "Sinonimi della selezione", "Sinônimos da seleção", "Sinónimos da seleção",
      "Sinónimos de la selección", "Synonymer till markering"}},
    {txtActDefinitionsSelected,
     {"Definitions Selected", "Definitioner af markering", "Definities van selectie", "Définitions de la sélection",
      "Definitionen der Auswahl", "Definizioni della selezione", "Definições da seleção", "Definições da seleção",
      "Definiciones de la selección", "Definitioner av markering"}},
    {txtActSpellCheckClipboard,
     {"Spell Check Clipboard", "Stavekontrol af udklipsholder", "Klembord controleren", "Vérifier le presse-papiers",
      "Zwischenablage prüfen", "Controlla appunti", "Verificar área de transferência",
      "Verificar área de transferência", "Revisar portapapeles", "Kontrollera Urklipp"}},
    {txtActThesaurusClipboard,
     {"Thesaurus Clipboard", "Synonymer fra udklipsholder", "Synoniemen van klembord", "Synonymes du presse-papiers",
      "Thesaurus für Zwischenablage", "Sinonimi degli appunti", "Sinônimos da área de transferência",
      "Sinónimos da área de transferência", "Sinónimos del portapapeles", "Synonymer från Urklipp"}},
    {txtActDefinitionsClipboard,
     {"Definitions Clipboard", "Definitioner fra udklipsholder", "Definities van klembord",
      "Définitions du presse-papiers", "Definitionen der Zwischenablage", "Definizioni degli appunti",
      "Definições da área de transferência", "Definições da área de transferência", "Definiciones del portapapeles",
      "Definitioner från Urklipp"}},

    {txtNoTextRetrieved,
     {"%action% could not retrieve any text from the working application.",
      "»%action%« kunne ikke hente tekst fra det aktive program.",
      "\"%action%\" kon geen tekst ophalen uit het actieve programma.",
      "« %action% » n'a pu récupérer aucun texte dans l'application active.",
      "„%action%“ konnte keinen Text aus der aktiven Anwendung abrufen.",
      "\"%action%\" non è riuscito a recuperare alcun testo dall'applicazione attiva.",
      "\"%action%\" não conseguiu obter nenhum texto do aplicativo ativo.",
      "«%action%» não conseguiu obter qualquer texto da aplicação ativa.",
      "«%action%» no pudo obtener ningún texto de la aplicación activa.",
      "”%action%” kunde inte hämta någon text från det aktiva programmet."}},
    {txtNoTextCopyPaste,
     {"Either you do not have any text selected, or the working application does not support the standard Windows "
      "hotkeys for Copy (Ctrl+C) and Paste (Ctrl+V). Please verify that you have selected the desired text in your "
      "application. If you are sure the text is selected, the application may not support standard Windows hotkeys "
      "for Copy and Paste.",
      "Enten har du ikke markeret nogen tekst, eller også understøtter det aktive program ikke Windows' "
      "standardgenvejstaster til Kopiér (Ctrl+C) og Indsæt (Ctrl+V). Kontrollér, at du har markeret den ønskede "
      "tekst i programmet. Hvis du er sikker på, at teksten er markeret, understøtter programmet muligvis ikke "
      "Windows' standardgenvejstaster til Kopiér og Indsæt.",
      "U hebt geen tekst geselecteerd, of het actieve programma ondersteunt de standaardsneltoetsen van Windows voor "
      "Kopiëren (Ctrl+C) en Plakken (Ctrl+V) niet. Controleer of u de gewenste tekst in het programma hebt "
      "geselecteerd. Als u zeker weet dat de tekst is geselecteerd, ondersteunt het programma de "
      "standaardsneltoetsen van Windows voor Kopiëren en Plakken mogelijk niet.",
      "Soit aucun texte n'est sélectionné, soit l'application active ne prend pas en charge les raccourcis clavier "
      "standard de Windows pour Copier (Ctrl+C) et Coller (Ctrl+V). Vérifiez que vous avez bien sélectionné le texte "
      "voulu dans votre application. Si vous êtes sûr que le texte est sélectionné, il est possible que "
      "l'application ne prenne pas en charge les raccourcis clavier standard de Windows pour Copier et Coller.",
      "Entweder haben Sie keinen Text markiert, oder die aktive Anwendung unterstützt die Standard-Tastenkombinationen "
      "von Windows für Kopieren (Ctrl+C) und Einfügen (Ctrl+V) nicht. Bitte prüfen Sie, ob Sie den gewünschten Text "
      "in Ihrer Anwendung markiert haben. Wenn Sie sicher sind, dass der Text markiert ist, unterstützt die Anwendung "
      "die Standard-Tastenkombinationen von Windows für Kopieren und Einfügen möglicherweise nicht.",
      "Non è stato selezionato alcun testo, oppure l'applicazione attiva non supporta i tasti di scelta rapida "
      "standard di Windows per Copia (Ctrl+C) e Incolla (Ctrl+V). Verificare di aver selezionato il testo desiderato "
      "nell'applicazione. Se si è certi che il testo sia selezionato, è possibile che l'applicazione non supporti i "
      "tasti di scelta rapida standard di Windows per Copia e Incolla.",
      "Não há texto selecionado ou o aplicativo ativo não oferece suporte às teclas de atalho padrão do Windows para "
      "Copiar (Ctrl+C) e Colar (Ctrl+V). Verifique se você selecionou o texto desejado no aplicativo. Se tiver "
      "certeza de que o texto está selecionado, é possível que o aplicativo não ofereça suporte às teclas de atalho "
      "padrão do Windows para Copiar e Colar.",
      "Não tem texto selecionado ou a aplicação ativa não suporta as teclas de atalho padrão do Windows para Copiar "
      "(Ctrl+C) e Colar (Ctrl+V). Verifique se selecionou o texto pretendido na aplicação. Se tiver a certeza de que "
      "o texto está selecionado, é possível que a aplicação não suporte as teclas de atalho padrão do Windows para "
      "Copiar e Colar.",
      "No hay ningún texto seleccionado o la aplicación activa no admite las teclas de método abreviado estándar de "
      "Windows para Copiar (Ctrl+C) y Pegar (Ctrl+V). Compruebe que ha seleccionado el texto deseado en la "
      "aplicación. Si está seguro de que el texto está seleccionado, es posible que la aplicación no admita las "
      "teclas de método abreviado estándar de Windows para Copiar y Pegar.",
      "Antingen har du inte markerat någon text, eller så stöder det aktiva programmet inte Windows "
      "standardkortkommandon för Kopiera (Ctrl+C) och Klistra in (Ctrl+V). Kontrollera att du har markerat önskad "
      "text i programmet. Om du är säker på att texten är markerad kanske programmet inte stöder Windows "
      "standardkortkommandon för Kopiera och Klistra in."}},
    {txtNoTextCopyPasteSelectAll,
     {"Either you do not have any text selected, or the working application does not support the standard Windows "
      "hotkeys for Copy (Ctrl+C), Paste (Ctrl+V), and Select All (Ctrl+A). Please verify that there is text in the "
      "focused control in your application. If you are sure there is text, the application may not support "
      "standard Windows hotkeys for Copy, Paste, and Select All.",
      "Enten har du ikke markeret nogen tekst, eller også understøtter det aktive program ikke Windows' "
      "standardgenvejstaster til Kopiér (Ctrl+C), Indsæt (Ctrl+V) og Markér alt (Ctrl+A). Kontrollér, at der er "
      "tekst i det felt, der har fokus i programmet. Hvis du er sikker på, at der er tekst, understøtter programmet "
      "muligvis ikke Windows' standardgenvejstaster til Kopiér, Indsæt og Markér alt.",
      "U hebt geen tekst geselecteerd, of het actieve programma ondersteunt de standaardsneltoetsen van Windows voor "
      "Kopiëren (Ctrl+C), Plakken (Ctrl+V) en Alles selecteren (Ctrl+A) niet. Controleer of het besturingselement "
      "met de focus in het programma tekst bevat. Als u zeker weet dat er tekst is, ondersteunt het programma de "
      "standaardsneltoetsen van Windows voor Kopiëren, Plakken en Alles selecteren mogelijk niet.",
      "Soit aucun texte n'est sélectionné, soit l'application active ne prend pas en charge les raccourcis clavier "
      "standard de Windows pour Copier (Ctrl+C), Coller (Ctrl+V) et Sélectionner tout (Ctrl+A). Vérifiez que le "
      "contrôle actif de votre application contient du texte. Si vous êtes sûr qu'il y a du texte, il est possible "
      "que l'application ne prenne pas en charge les raccourcis clavier standard de Windows pour Copier, Coller et "
      "Sélectionner tout.",
      "Entweder haben Sie keinen Text markiert, oder die aktive Anwendung unterstützt die Standard-Tastenkombinationen "
      "von Windows für Kopieren (Ctrl+C), Einfügen (Ctrl+V) und Alles markieren (Ctrl+A) nicht. Bitte prüfen Sie, ob "
      "das Steuerelement mit dem Fokus in Ihrer Anwendung Text enthält. Wenn Sie sicher sind, dass Text vorhanden "
      "ist, unterstützt die Anwendung die Standard-Tastenkombinationen von Windows für Kopieren, Einfügen und Alles "
      "markieren möglicherweise nicht.",
      "Non è stato selezionato alcun testo, oppure l'applicazione attiva non supporta i tasti di scelta rapida "
      "standard di Windows per Copia (Ctrl+C), Incolla (Ctrl+V) e Seleziona tutto (Ctrl+A). Verificare che il "
      "controllo attivo dell'applicazione contenga del testo. Se si è certi che il testo sia presente, è possibile "
      "che l'applicazione non supporti i tasti di scelta rapida standard di Windows per Copia, Incolla e Seleziona "
      "tutto.",
      "Não há texto selecionado ou o aplicativo ativo não oferece suporte às teclas de atalho padrão do Windows para "
      "Copiar (Ctrl+C), Colar (Ctrl+V) e Selecionar Tudo (Ctrl+A). Verifique se há texto no controle com o foco no "
      "aplicativo. Se tiver certeza de que há texto, é possível que o aplicativo não ofereça suporte às teclas de "
      "atalho padrão do Windows para Copiar, Colar e Selecionar Tudo.",
      "Não tem texto selecionado ou a aplicação ativa não suporta as teclas de atalho padrão do Windows para Copiar "
      "(Ctrl+C), Colar (Ctrl+V) e Selecionar Tudo (Ctrl+A). Verifique se existe texto no controlo com o foco na "
      "aplicação. Se tiver a certeza de que existe texto, é possível que a aplicação não suporte as teclas de atalho "
      "padrão do Windows para Copiar, Colar e Selecionar Tudo.",
      "No hay ningún texto seleccionado o la aplicación activa no admite las teclas de método abreviado estándar de "
      "Windows para Copiar (Ctrl+C), Pegar (Ctrl+V) y Seleccionar todo (Ctrl+A). Compruebe que el control que tiene "
      "el foco en la aplicación contiene texto. Si está seguro de que hay texto, es posible que la aplicación no "
      "admita las teclas de método abreviado estándar de Windows para Copiar, Pegar y Seleccionar todo.",
      "Antingen har du inte markerat någon text, eller så stöder det aktiva programmet inte Windows "
      "standardkortkommandon för Kopiera (Ctrl+C), Klistra in (Ctrl+V) och Markera allt (Ctrl+A). Kontrollera att "
      "det finns text i den kontroll som har fokus i programmet. Om du är säker på att det finns text kanske "
      "programmet inte stöder Windows standardkortkommandon för Kopiera, Klistra in och Markera allt."}},
    {txtCopyManually,
     {"If this is the case, you will need to manually copy the text to the clipboard and initiate a %action%.",
      "Hvis det er tilfældet, skal du selv kopiere teksten til udklipsholderen og starte »%action%«.",
      "Is dat het geval, kopieer de tekst dan zelf naar het klembord en start \"%action%\".",
      "Dans ce cas, copiez vous-même le texte dans le presse-papiers et lancez « %action% ».",
      "In diesem Fall kopieren Sie den Text selbst in die Zwischenablage und starten „%action%“.",
      "In tal caso, copiare manualmente il testo negli appunti e avviare \"%action%\".",
      "Nesse caso, copie manualmente o texto para a área de transferência e inicie \"%action%\".",
      "Nesse caso, copie manualmente o texto para a área de transferência e inicie «%action%».",
      "En ese caso, copie manualmente el texto en el portapapeles e inicie «%action%».",
      "I så fall måste du kopiera texten till Urklipp manuellt och starta ”%action%”."}},
    {txtOrTrySelected,
     {"You may also try selecting the text and initiating a %action%.",
      "Du kan også prøve at markere teksten og starte »%action%«.",
      "U kunt ook de tekst selecteren en \"%action%\" starten.",
      "Vous pouvez aussi sélectionner le texte et lancer « %action% ».",
      "Sie können auch den Text markieren und „%action%“ starten.",
      "In alternativa, provare a selezionare il testo e ad avviare \"%action%\".",
      "Você também pode tentar selecionar o texto e iniciar \"%action%\".",
      "Também pode tentar selecionar o texto e iniciar «%action%».",
      "También puede probar a seleccionar el texto e iniciar «%action%».",
      "Du kan också försöka markera texten och starta ”%action%”."}},
    {txtNoSelection,
     {"Either you do not have any text selected, or the working application does not support %action%.",
      "Enten har du ikke markeret nogen tekst, eller også understøtter det aktive program ikke »%action%«.",
      "U hebt geen tekst geselecteerd, of het actieve programma ondersteunt \"%action%\" niet.",
      "Soit aucun texte n'est sélectionné, soit l'application active ne prend pas en charge « %action% ».",
      "Entweder haben Sie keinen Text markiert, oder die aktive Anwendung unterstützt „%action%“ nicht.",
      "Non è stato selezionato alcun testo, oppure l'applicazione attiva non supporta \"%action%\".",
      "Não há texto selecionado ou o aplicativo ativo não oferece suporte a \"%action%\".",
      "Não tem texto selecionado ou a aplicação ativa não suporta «%action%».",
      "No hay ningún texto seleccionado o la aplicación activa no admite «%action%».",
      "Antingen har du inte markerat någon text, eller så stöder det aktiva programmet inte ”%action%”."}},
    {txtVerifySelection,
     {"Please verify that you have selected the desired text in your application. If you are sure the text is "
      "selected, the application may not support %action%.",
      "Kontrollér, at du har markeret den ønskede tekst i programmet. Hvis du er sikker på, at teksten er markeret, "
      "understøtter programmet muligvis ikke »%action%«.",
      "Controleer of u de gewenste tekst in het programma hebt geselecteerd. Als u zeker weet dat de tekst is "
      "geselecteerd, ondersteunt het programma \"%action%\" mogelijk niet.",
      "Vérifiez que vous avez bien sélectionné le texte voulu dans votre application. Si vous êtes sûr que le texte "
      "est sélectionné, il est possible que l'application ne prenne pas en charge « %action% ».",
      "Bitte prüfen Sie, ob Sie den gewünschten Text in Ihrer Anwendung markiert haben. Wenn Sie sicher sind, dass "
      "der Text markiert ist, unterstützt die Anwendung „%action%“ möglicherweise nicht.",
      "Verificare di aver selezionato il testo desiderato nell'applicazione. Se si è certi che il testo sia "
      "selezionato, è possibile che l'applicazione non supporti \"%action%\".",
      "Verifique se você selecionou o texto desejado no aplicativo. Se tiver certeza de que o texto está "
      "selecionado, é possível que o aplicativo não ofereça suporte a \"%action%\".",
      "Verifique se selecionou o texto pretendido na aplicação. Se tiver a certeza de que o texto está selecionado, "
      "é possível que a aplicação não suporte «%action%».",
      "Compruebe que ha seleccionado el texto deseado en la aplicación. Si está seguro de que el texto está "
      "seleccionado, es posible que la aplicación no admita «%action%».",
      "Kontrollera att du har markerat önskad text i programmet. Om du är säker på att texten är markerad kanske "
      "programmet inte stöder ”%action%”."}},
    {txtNoTextInControl,
     {"Either there is no text in the focused control, or the working application does not support %action%.",
      "Enten er der ingen tekst i det felt, der har fokus, eller også understøtter det aktive program ikke "
      "»%action%«.",
      "Het besturingselement met de focus bevat geen tekst, of het actieve programma ondersteunt \"%action%\" niet.",
      "Soit le contrôle actif ne contient aucun texte, soit l'application active ne prend pas en charge « %action% ».",
      "Entweder enthält das Steuerelement mit dem Fokus keinen Text, oder die aktive Anwendung unterstützt "
      "„%action%“ nicht.",
      "Il controllo attivo non contiene testo, oppure l'applicazione attiva non supporta \"%action%\".",
      "Não há texto no controle com o foco ou o aplicativo ativo não oferece suporte a \"%action%\".",
      "Não existe texto no controlo com o foco ou a aplicação ativa não suporta «%action%».",
      "El control que tiene el foco no contiene texto o la aplicación activa no admite «%action%».",
      "Antingen finns det ingen text i den kontroll som har fokus, eller så stöder det aktiva programmet inte "
      "”%action%”."}},
    {txtVerifyTextInControl,
     {"Please verify that there is text in the focused control of your application. If you are sure there is text, "
      "the application may not support %action%.",
      "Kontrollér, at der er tekst i det felt, der har fokus i programmet. Hvis du er sikker på, at der er tekst, "
      "understøtter programmet muligvis ikke »%action%«.",
      "Controleer of het besturingselement met de focus in het programma tekst bevat. Als u zeker weet dat er tekst "
      "is, ondersteunt het programma \"%action%\" mogelijk niet.",
      "Vérifiez que le contrôle actif de votre application contient du texte. Si vous êtes sûr qu'il y a du texte, "
      "il est possible que l'application ne prenne pas en charge « %action% ».",
      "Bitte prüfen Sie, ob das Steuerelement mit dem Fokus in Ihrer Anwendung Text enthält. Wenn Sie sicher sind, "
      "dass Text vorhanden ist, unterstützt die Anwendung „%action%“ möglicherweise nicht.",
      "Verificare che il controllo attivo dell'applicazione contenga del testo. Se si è certi che il testo sia "
      "presente, è possibile che l'applicazione non supporti \"%action%\".",
      "Verifique se há texto no controle com o foco no aplicativo. Se tiver certeza de que há texto, é possível que "
      "o aplicativo não ofereça suporte a \"%action%\".",
      "Verifique se existe texto no controlo com o foco na aplicação. Se tiver a certeza de que existe texto, é "
      "possível que a aplicação não suporte «%action%».",
      "Compruebe que el control que tiene el foco en la aplicación contiene texto. Si está seguro de que hay texto, "
      "es posible que la aplicación no admita «%action%».",
      "Kontrollera att det finns text i den kontroll som har fokus i programmet. Om du är säker på att det finns "
      "text kanske programmet inte stöder ”%action%”."}},
    {txtCompatibilityMayHelp,
     {"If this is the case, enabling Compatibility Mode may help, but only if the application supports standard "
      "Windows hotkeys for copying and pasting (Ctrl+C and Ctrl+V).",
      "Hvis det er tilfældet, kan det hjælpe at aktivere kompatibilitetstilstand, men kun hvis programmet "
      "understøtter Windows' standardgenvejstaster til kopiering og indsætning (Ctrl+C og Ctrl+V).",
      "Is dat het geval, dan kan het inschakelen van de compatibiliteitsmodus helpen, maar alleen als het programma "
      "de standaardsneltoetsen van Windows voor kopiëren en plakken (Ctrl+C en Ctrl+V) ondersteunt.",
      "Dans ce cas, activer le mode de compatibilité peut aider, mais seulement si l'application prend en charge les "
      "raccourcis clavier standard de Windows pour copier et coller (Ctrl+C et Ctrl+V).",
      "In diesem Fall kann es helfen, den Kompatibilitätsmodus zu aktivieren, aber nur, wenn die Anwendung die "
      "Standard-Tastenkombinationen von Windows zum Kopieren und Einfügen (Ctrl+C und Ctrl+V) unterstützt.",
      "In tal caso, attivare la modalità di compatibilità può essere utile, ma solo se l'applicazione supporta i "
      "tasti di scelta rapida standard di Windows per copiare e incollare (Ctrl+C e Ctrl+V).",
      "Nesse caso, ativar o modo de compatibilidade pode ajudar, mas apenas se o aplicativo oferecer suporte às "
      "teclas de atalho padrão do Windows para copiar e colar (Ctrl+C e Ctrl+V).",
      "Nesse caso, ativar o modo de compatibilidade pode ajudar, mas apenas se a aplicação suportar as teclas de "
      "atalho padrão do Windows para copiar e colar (Ctrl+C e Ctrl+V).",
      "En ese caso, activar el modo de compatibilidad puede ayudar, pero solo si la aplicación admite las teclas de "
      "método abreviado estándar de Windows para copiar y pegar (Ctrl+C y Ctrl+V).",
      "I så fall kan det hjälpa att aktivera kompatibilitetsläge, men bara om programmet stöder Windows "
      "standardkortkommandon för att kopiera och klistra in (Ctrl+C och Ctrl+V)."}},
    {txtEnableCompatibilityQuestion,
     {"Do you want to enable Compatibility Mode?", "Vil du aktivere kompatibilitetstilstand?",
      "Wilt u de compatibiliteitsmodus inschakelen?", "Voulez-vous activer le mode de compatibilité ?",
      "Möchten Sie den Kompatibilitätsmodus aktivieren?", "Attivare la modalità di compatibilità?",
      "Deseja ativar o modo de compatibilidade?", "Pretende ativar o modo de compatibilidade?",
      "¿Desea activar el modo de compatibilidad?", "Vill du aktivera kompatibilitetsläge?"}},

    {txtClipboardBusy,
     {"%action% could not use the Windows Clipboard because another program is holding it open.",
      "»%action%« kunne ikke bruge Windows' udklipsholder, fordi et andet program holder den åben.",
      "\"%action%\" kon het Windows-klembord niet gebruiken, omdat een ander programma het openhoudt.",
      "« %action% » n'a pas pu utiliser le Presse-papiers de Windows, car un autre programme le maintient ouvert.",
      "„%action%“ konnte die Windows-Zwischenablage nicht verwenden, weil ein anderes Programm sie geöffnet hält.",
      "\"%action%\" non è riuscito a usare gli Appunti di Windows perché un altro programma li tiene aperti.",
      "\"%action%\" não pôde usar a Área de Transferência do Windows porque outro programa a mantém aberta.",
      "«%action%» não conseguiu utilizar a Área de Transferência do Windows porque outro programa a mantém aberta.",
      "«%action%» no pudo usar el Portapapeles de Windows porque otro programa lo mantiene abierto.",
      "”%action%” kunde inte använda Urklipp i Windows eftersom ett annat program håller det öppet."}},
    {txtClipboardBusyWait,
     {"Please wait until the other program has finished with the clipboard and try again.",
      "Vent, til det andet program er færdigt med udklipsholderen, og prøv igen.",
      "Wacht tot het andere programma klaar is met het klembord en probeer het opnieuw.",
      "Attendez que l'autre programme ait fini d'utiliser le presse-papiers, puis réessayez.",
      "Bitte warten Sie, bis das andere Programm die Zwischenablage freigegeben hat, und versuchen Sie es erneut.",
      "Attendere che l'altro programma abbia finito di usare gli appunti e riprovare.",
      "Aguarde até que o outro programa termine de usar a área de transferência e tente novamente.",
      "Aguarde até que o outro programa termine de utilizar a área de transferência e tente novamente.",
      "Espere a que el otro programa termine de usar el portapapeles y vuelva a intentarlo.",
      "Vänta tills det andra programmet är klart med Urklipp och försök igen."}},
    {txtNotResponding,
     {"%action% stopped because the working application is not responding.",
      "»%action%« blev afbrudt, fordi det aktive program ikke svarer.",
      "\"%action%\" is gestopt, omdat het actieve programma niet reageert.",
      "« %action% » s'est arrêté, car l'application active ne répond pas.",
      "„%action%“ wurde abgebrochen, weil die aktive Anwendung nicht reagiert.",
      "\"%action%\" è stato interrotto perché l'applicazione attiva non risponde.",
      "\"%action%\" foi interrompido porque o aplicativo ativo não está respondendo.",
      "«%action%» foi interrompido porque a aplicação ativa não está a responder.",
      "«%action%» se detuvo porque la aplicación activa no responde.",
      "”%action%” avbröts eftersom det aktiva programmet inte svarar."}},
    {txtNotRespondingWait,
     {"Please wait until the application responds again and try once more.",
      "Vent, til programmet svarer igen, og prøv en gang til.",
      "Wacht tot het programma weer reageert en probeer het nog een keer.",
      "Attendez que l'application réponde de nouveau, puis réessayez.",
      "Bitte warten Sie, bis die Anwendung wieder reagiert, und versuchen Sie es noch einmal.",
      "Attendere che l'applicazione risponda di nuovo e riprovare.",
      "Aguarde até que o aplicativo volte a responder e tente mais uma vez.",
      "Aguarde até que a aplicação volte a responder e tente mais uma vez.",
      "Espere a que la aplicación vuelva a responder e inténtelo de nuevo.",
      "Vänta tills programmet svarar igen och försök en gång till."}},
    {txtClipboardEmpty,
     {"You have attempted to use %action%, however there is nothing in the Windows Clipboard.",
      "Du har forsøgt at bruge »%action%«, men der er intet i Windows' udklipsholder.",
      "U hebt geprobeerd \"%action%\" te gebruiken, maar het Windows-klembord is leeg.",
      "Vous avez tenté d'utiliser « %action% », mais le Presse-papiers de Windows est vide.",
      "Sie haben versucht, „%action%“ zu verwenden, aber die Windows-Zwischenablage ist leer.",
      "Si è tentato di usare \"%action%\", ma gli Appunti di Windows sono vuoti.",
      "Você tentou usar \"%action%\", mas não há nada na Área de Transferência do Windows.",
      "Tentou utilizar «%action%», mas não existe nada na Área de Transferência do Windows.",
      "Ha intentado usar «%action%», pero el Portapapeles de Windows está vacío.",
      "Du försökte använda ”%action%”, men Urklipp i Windows är tomt."}},
    {txtClipboardEmptyVerify,
     {"Please verify that you have copied the desired text and initiate %action% again.",
      "Kontrollér, at du har kopieret den ønskede tekst, og start »%action%« igen.",
      "Controleer of u de gewenste tekst hebt gekopieerd en start \"%action%\" opnieuw.",
      "Vérifiez que vous avez bien copié le texte voulu, puis relancez « %action% ».",
      "Bitte prüfen Sie, ob Sie den gewünschten Text kopiert haben, und starten Sie „%action%“ erneut.",
      "Verificare di aver copiato il testo desiderato e avviare di nuovo \"%action%\".",
      "Verifique se você copiou o texto desejado e inicie \"%action%\" novamente.",
      "Verifique se copiou o texto pretendido e inicie «%action%» novamente.",
      "Compruebe que ha copiado el texto deseado e inicie «%action%» de nuevo.",
      "Kontrollera att du har kopierat önskad text och starta ”%action%” igen."}},
    {txtClipboardEmptyContact,
     {"Contact Morvane Software, %email%, with any questions.",
      "Kontakt Morvane Software, %email%, hvis du har spørgsmål.",
      "Neem bij vragen contact op met Morvane Software, %email%.",
      "Pour toute question, contactez Morvane Software, %email%.",
      "Bei Fragen wenden Sie sich an Morvane Software, %email%.",
      "Per qualsiasi domanda, contattare Morvane Software, %email%.",
      "Em caso de dúvidas, entre em contato com a Morvane Software, %email%.",
      "Em caso de dúvidas, contacte a Morvane Software, %email%.",
      "Si tiene alguna pregunta, póngase en contacto con Morvane Software, %email%.",
      "Kontakta Morvane Software, %email%, om du har frågor."}},

    {txtErrorHead,
     {"This function is not available due to the following problem:",
      "Denne funktion er ikke tilgængelig på grund af følgende problem:",
      "Deze functie is niet beschikbaar vanwege het volgende probleem:",
      "Cette fonction n'est pas disponible en raison du problème suivant :",
      "Diese Funktion ist aufgrund des folgenden Problems nicht verfügbar:",
      "Questa funzione non è disponibile a causa del seguente problema:",
      "Esta função não está disponível devido ao seguinte problema:",
      "Esta função não está disponível devido ao seguinte problema:",
      "Esta función no está disponible debido al siguiente problema:",
      "Den här funktionen är inte tillgänglig på grund av följande problem:"}},
    {txtErrorFileNotFound,
     {"A necessary file was not found:", "En nødvendig fil blev ikke fundet:", "Een benodigd bestand is niet gevonden:",
      "Un fichier nécessaire est introuvable :", "Eine erforderliche Datei wurde nicht gefunden:",
      "Impossibile trovare un file necessario:", "Um arquivo necessário não foi encontrado:",
      "Um ficheiro necessário não foi encontrado:", "No se encontró un archivo necesario:",
      "En nödvändig fil hittades inte:"}},
    {txtErrorFileFolder,
     {"This file should be located in:", "Filen skal ligge i:", "Dit bestand hoort te staan in:",
      "Ce fichier doit se trouver dans :", "Diese Datei sollte sich hier befinden:", "Il file dovrebbe trovarsi in:",
      "Este arquivo deveria estar em:", "Este ficheiro deveria estar em:", "Este archivo debería estar en:",
      "Filen ska finnas i:"}},
    {txtErrorBrowser,
     {"Web browser could not be started by Wendrix.", "Wendrix kunne ikke starte webbrowseren.",
      "Wendrix kon de webbrowser niet starten.", "Wendrix n'a pas pu démarrer le navigateur web.",
      "Wendrix konnte den Webbrowser nicht starten.", "Wendrix non è riuscito ad avviare il browser web.",
      "O Wendrix não conseguiu iniciar o navegador da Web.", "O Wendrix não conseguiu iniciar o browser.",
      "Wendrix no pudo iniciar el explorador web.", "Wendrix kunde inte starta webbläsaren."}},
    {txtErrorEditor,
     {"Editor could not be started by Wendrix.", "Wendrix kunne ikke starte editoren.",
      "Wendrix kon de editor niet starten.", "Wendrix n'a pas pu démarrer l'éditeur.",
      "Wendrix konnte den Editor nicht starten.", "Wendrix non è riuscito ad avviare l'editor.",
      "O Wendrix não conseguiu iniciar o editor.", "O Wendrix não conseguiu iniciar o editor.",
      "Wendrix no pudo iniciar el editor.", "Wendrix kunde inte starta redigeraren."}},
    {txtErrorUnknown,
     {"Unknown error.", "Ukendt fejl.", "Onbekende fout.", "Erreur inconnue.", "Unbekannter Fehler.",
      "Errore sconosciuto.", "Erro desconhecido.", "Erro desconhecido.", "Error desconocido.", "Okänt fel."}},
    {txtErrorSupport,
     {"If you need assistance, please contact Customer\r\nSupport at %address%",
      "Hvis du har brug for hjælp, kan du kontakte\r\nkundesupport på %address%",
      "Hebt u hulp nodig, neem dan contact op met\r\nde klantenservice via %address%",
      "Si vous avez besoin d'aide, contactez le support\r\nclientèle à l'adresse %address%",
      "Wenn Sie Hilfe benötigen, wenden Sie sich an den\r\nKundensupport unter %address%",
      "Per assistenza, contattare il supporto\r\nclienti all'indirizzo %address%",
      "Se precisar de ajuda, entre em contato com o suporte\r\nao cliente em %address%",
      "Se precisar de ajuda, contacte o apoio\r\nao cliente em %address%",
      "Si necesita ayuda, póngase en contacto con el servicio\r\nde atención al cliente en %address%",
      "Om du behöver hjälp kan du kontakta\r\nkundsupporten på %address%"}},

    {txtTrayWorking,
     {"Working...", "Arbejder...", "Bezig...", "Traitement en cours...", "Wird ausgeführt...",
      "Elaborazione in corso...", "Trabalhando...", "A trabalhar...", "Trabajando...", "Arbetar..."}},
    {txtInformationCaption,
     {"Information", "Information", "Informatie", "Information", "Information", "Informazioni", "Informação",
      "Informação", "Información", "Information"}},
    // Access keys differ from the Yes and No buttons' in every language.
    {txtDontShowAgain,
     {"&Don't show this message again", "&Vis ikke denne meddelelse igen", "&Dit bericht niet meer weergeven",
      "Ne &plus afficher ce message", "&Diese Meldung nicht mehr anzeigen", "Non mostrare &più questo messaggio",
      "Não &mostrar esta mensagem novamente", "Não &mostrar esta mensagem novamente",
      "No &volver a mostrar este mensaje", "&Visa inte det här meddelandet igen"}},
    {txtButtonOK, {"OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "Aceptar", "OK"}},
    {txtButtonCancel,
     {"Cancel", "Annuller", "Annuleren", "Annuler", "Abbrechen", "Annulla", "Cancelar", "Cancelar", "Cancelar",
      "Avbryt"}},
    {txtButtonYes, {"&Yes", "&Ja", "&Ja", "&Oui", "&Ja", "&Sì", "&Sim", "&Sim", "&Sí", "&Ja"}},
    {txtButtonNo, {"&No", "&Nej", "&Nee", "&Non", "&Nein", "&No", "&Não", "&Não", "&No", "&Nej"}},
};

const CaptionTable kTable("Program messages", kRows);

}  // namespace

const CaptionTable& AppTexts() { return kTable; }

std::string AppText(int id) { return kTable.TextString(id); }

std::string AppText(int id, std::string_view placeholder, std::string_view value) {
  std::string text = AppText(id);
  for (size_t at = text.find(placeholder); !placeholder.empty() && at != std::string::npos;
       at = text.find(placeholder, at + value.size()))
    text.replace(at, placeholder.size(), value);
  return text;
}

}  // namespace wx
