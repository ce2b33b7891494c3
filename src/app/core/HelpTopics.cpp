// The texts of the help pages.
#include "app/core/HelpTopics.h"

#include "app/core/Product.h"

#include <QStringList>

namespace {

const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

QString join(const QStringList& paragraphs)
{
    return paragraphs.join(kParagraphBreak);
}

QString launcherText()
{
    return join({
        QStringLiteral("Selvora è il programma pensato per gli uffici del personale e per le commissioni che svolgono "
                       "colloqui di lavoro. "
                       "Riunisce in un unico strumento l'archivio anagrafico dei candidati, le sessioni di colloquio "
                       "con la scheda di valutazione "
                       "di ogni candidato esaminato e le graduatorie che ne derivano, pronte per la stampa. Dalla "
                       "finestra principale si accede "
                       "a tutte le funzioni con quattro pulsanti: ARCHIVIO CANDIDATI, CREA NUOVA SESSIONE, APRI "
                       "SESSIONE ESISTENTE e "
                       "VISUALIZZA GRADUATORIE."),
        QStringLiteral(
            "Le piccole immagini ai bordi della finestra principale completano il quadro: in alto a sinistra si "
            "trovano le informazioni "
            "sul programma, con l'indirizzo e-mail per contattarci; in alto a destra questa guida; in basso a sinistra "
            "i "
            "riconoscimenti; in basso a destra il pulsante che chiude il programma; la striscia in basso al centro "
            "apre il nostro "
            "sito web. Ogni ambiente di lavoro ha inoltre un proprio pulsante di guida che mostra la pagina dedicata a "
            "quell'ambiente, e da ogni pagina della guida si può aprire il manuale completo in formato PDF."),
        QStringLiteral(
            "L'ARCHIVIO CANDIDATI raccoglie una scheda per ogni candidato. La scheda riporta i dati anagrafici "
            "(cognome e nome, sesso, "
            "data e luogo di nascita, cittadinanza), la residenza (indirizzo, città e CAP), i recapiti (e-mail, "
            "telefono di casa e "
            "cellulare), il codice fiscale e l'eventuale partita IVA, il documento di identità con l'ente che lo ha "
            "rilasciato e le "
            "date di rilascio e di scadenza, e infine il profilo professionale: settore, titolo di studio, lingue "
            "conosciute, "
            "patente di guida, esperienze lavorative, competenze informatiche, disponibilità e note libere."),
        QStringLiteral("Le schede si scorrono con i pulsanti a freccia della barra dei comandi: prima, precedente, "
                       "successiva e ultima scheda. "
                       "Il numero fra le frecce indica la posizione della scheda in archivio. Passando con il mouse su "
                       "un comando, la barra "
                       "informativa in fondo alla finestra ne descrive la funzione. All'apertura la finestra presenta "
                       "sempre una scheda nuova "
                       "e vuota, pronta per l'inserimento."),
        QStringLiteral("Ogni scheda è accompagnata dalla foto del candidato, in formato JPEG o bitmap, che il "
                       "programma adatta alla cornice "
                       "mantenendone le proporzioni. Il pulsante con la lente di ingrandimento mostra la foto a tutto "
                       "schermo; per chiudere la "
                       "visualizzazione basta fare clic sulla foto."),
        QStringLiteral("Per inserire un nuovo candidato si preme il pulsante Nuova scheda, si compilano i campi (il "
                       "tasto Invio porta al campo "
                       "successivo), si carica la foto e si preme Salva. Cognome e nome e sesso sono i soli dati "
                       "obbligatori. Una scheda già "
                       "in archivio si modifica allo stesso modo: la si richiama, si correggono i dati e si preme di "
                       "nuovo Salva; le modifiche "
                       "sostituiscono la scheda nella sua stessa posizione."),
        QStringLiteral("Il comando Duplica prepara una nuova scheda che riprende tutti i dati di quella visualizzata, "
                       "tranne la foto, i file "
                       "allegati e l'indicazione da ricontattare: è comodo, per esempio, per registrare un familiare "
                       "di un candidato già in "
                       "archivio. Si può duplicare soltanto una scheda già salvata, e la copia diventa una nuova "
                       "scheda solo quando si preme Salva."),
        QStringLiteral(
            "A ogni scheda si possono allegare fino a tre file di qualsiasi tipo, come la scansione di un documento di "
            "identità, di "
            "un permesso di soggiorno o di un curriculum, ciascuno con una breve descrizione. Il programma copia i "
            "file scelti nella "
            "cartella Documenti_Allegati della cartella del programma, e dalla stessa finestra ogni allegato si apre "
            "con il programma "
            "associato al suo tipo. Gli allegati entrano a far parte della scheda al successivo salvataggio."),
        QStringLiteral("L'archivio è pensato come un registro storico di tutti i candidati che si sono presentati: le "
                       "schede si possono "
                       "modificare ma non eliminare, così nessuna informazione va perduta. Dalla scheda si può "
                       "scrivere al candidato con il "
                       "pulsante accanto al campo E-mail, che apre il programma di posta predefinito, e si possono "
                       "controllare il codice "
                       "fiscale e la partita IVA con i pulsanti di verifica posti accanto ai rispettivi campi."),
        QStringLiteral("I dati dell'archivio non vanno digitati una seconda volta: durante un colloquio, il nome e il "
                       "codice fiscale del "
                       "candidato si importano nella scheda di valutazione direttamente dall'archivio, come descritto "
                       "più avanti."),
        QStringLiteral("La foto si può acquisire in due modi. Con una webcam collegata al computer si apre la finestra "
                       "di cattura, si accende "
                       "la webcam, si cattura la foto e la si importa nella scheda; in alternativa, con il pulsante "
                       "Carica, si sceglie una foto "
                       "già presente sul disco, per esempio scattata con una fotocamera digitale. In entrambi i casi "
                       "la foto viene registrata "
                       "quando si salva la scheda."),
        QStringLiteral("Il comando Trova apre la ricerca nell'archivio. Si possono usare più filtri "
                       "contemporaneamente, fino a dieci: cognome "
                       "e nome, data e luogo di nascita, cittadinanza, codice fiscale, settore professionale, lingue, "
                       "competenze informatiche, "
                       "disponibilità e note. Il programma elenca le schede che contengono tutti i testi indicati, "
                       "senza distinguere fra "
                       "lettere maiuscole e minuscole; lasciando vuoti tutti i filtri si ottiene l'elenco completo. "
                       "L'elenco si può cercare e "
                       "stampare, e un doppio clic su una voce richiama la scheda corrispondente."),
        QStringLiteral("La casella Da ricontattare permette di annotare i candidati da richiamare, per esempio in "
                       "vista di una futura "
                       "selezione. Il comando con l'icona del telefono mostra il riepilogo di tutti i candidati "
                       "contrassegnati, che si può "
                       "stampare; anche da qui un doppio clic richiama la scheda."),
        QStringLiteral("Ogni scheda si può visualizzare in anteprima e stampare su un foglio A4 completo di foto, "
                       "anche prima di averla "
                       "salvata. L'intero archivio si può inoltre esportare nel file di Microsoft Excel "
                       "Archivio_Candidati.xls, che si apre "
                       "con qualsiasi programma in grado di leggere i fogli di calcolo."),
        QStringLiteral("Le valutazioni dei colloqui sono organizzate in sessioni. Una sessione raccoglie i colloqui di "
                       "una stessa selezione, "
                       "per esempio quelli per un certo ruolo in un certo periodo, e corrisponde a un file con "
                       "estensione VAI salvato nella "
                       "cartella del programma. Si possono creare tutte le sessioni che servono."),
        QStringLiteral("Per creare una sessione si sceglie CREA NUOVA SESSIONE, si digita il nome e si preme APPLICA E "
                       "CHIUDI. Conviene "
                       "scegliere un nome che ricordi il ruolo e il periodo della selezione, per esempio \"Impiegati "
                       "amministrativi marzo\". "
                       "I caratteri che non possono comparire nel nome di un file, come / \\ : * ? \" < >, non vengono "
                       "accettati, e un nome "
                       "già utilizzato viene rifiutato."),
        QStringLiteral("La voce APRI SESSIONE ESISTENTE mostra l'elenco delle sessioni create: si seleziona la "
                       "sessione e si preme APRI "
                       "ARCHIVIO per lavorare sulle sue schede. Dalla stessa finestra, con il pulsante del cestino, si "
                       "elimina la sessione "
                       "selezionata dopo una richiesta di conferma. Attenzione: l'eliminazione cancella "
                       "definitivamente il file della sessione "
                       "e non può essere annullata."),
        QStringLiteral("Aperta una sessione, la finestra Gestione sessione mostra una scheda di colloquio alla volta, "
                       "con il nome della "
                       "sessione in alto: il candidato, il codice fiscale (o la partita IVA), la provenienza, la data "
                       "del colloquio, i "
                       "dettagli del colloquio, il punteggio totale, le note e la casella Idoneo. Ogni nuova scheda "
                       "riporta già la data del "
                       "giorno e il punteggio 0,00."),
        QStringLiteral("Per salvare una scheda di colloquio sono obbligatori il nome del candidato, la data del "
                       "colloquio e il punteggio "
                       "totale. La data si sceglie dal calendario che si apre premendo un tasto qualsiasi nel campo; "
                       "Canc o Backspace lo "
                       "svuotano. Il punteggio accetta soltanto cifre e la virgola e, quando si lascia il campo, viene "
                       "scritto con due "
                       "decimali (7 diventa 7,00); il pulsante accanto apre una calcolatrice il cui risultato si può "
                       "riportare nel campo. "
                       "Nei dettagli del colloquio si possono scrivere fino a 5000 caratteri, anche su più righe."),
        QStringLiteral("Il pulsante con la freccia verde accanto al campo Candidato apre la ricerca nell'archivio dei "
                       "candidati: con un "
                       "doppio clic sul candidato trovato, il suo nome e il suo codice fiscale vengono riportati nella "
                       "scheda di colloquio, "
                       "senza toccare gli altri dati."),
        QStringLiteral("Il comando Trova della scheda di colloquio cerca nella sessione aperta con un massimo di sei "
                       "filtri contemporaneamente: "
                       "candidato, codice fiscale, provenienza, data del colloquio, dettagli e note. Un doppio clic su "
                       "una voce dell'elenco "
                       "trovato richiama la scheda, che diventa la scheda corrente."),
        QStringLiteral("Per aggiornare un punteggio, per esempio dopo un secondo colloquio, si richiama la scheda "
                       "scorrendo la sessione o con "
                       "la ricerca, si corregge il punteggio e si preme Salva: la scheda viene aggiornata nella sua "
                       "posizione, senza crearne "
                       "una nuova."),
        QStringLiteral("La casella Idoneo annota che il candidato ha superato il colloquio. Il comando dell'elenco dei "
                       "candidati idonei "
                       "mostra tutti i candidati della sessione così contrassegnati; l'elenco si può cercare e "
                       "stampare, e un doppio clic "
                       "richiama la scheda."),
        QStringLiteral("Ogni scheda di colloquio si può visualizzare in anteprima e stampare su un foglio A4. L'intera "
                       "sessione si esporta nel "
                       "file di Microsoft Excel Sessione_Esame.xls, che riporta tutti i dati delle schede tranne i "
                       "dettagli del colloquio."),
        QStringLiteral(
            "Con VISUALIZZA GRADUATORIE si sceglie una sessione e se ne apre la graduatoria di merito o la graduatoria "
            "alfabetica. La graduatoria di merito ordina i candidati dal punteggio più alto al più basso e antepone a "
            "ogni nome la "
            "posizione raggiunta; quella alfabetica li ordina per nome. In fondo a entrambe è riportato il numero "
            "totale dei "
            "candidati."),
        QStringLiteral("Le graduatorie si stampano su fogli A4 orientati in orizzontale, con il nome della sessione in "
                       "testa, il codice "
                       "fiscale, le note e il punteggio di ogni candidato e, in fondo, il totale dei candidati e la "
                       "data di stampa. Con il "
                       "pulsante Trova si cerca rapidamente un nome nell'elenco."),
        QStringLiteral("Selvora si può usare anche in una rete locale: basta copiarlo in una cartella condivisa e "
                       "avviarlo dalle postazioni "
                       "che vi hanno accesso. Ogni comando apre e chiude i file di cui ha bisogno, così ciascun utente "
                       "vede i dati aggiornati "
                       "al momento del comando; è bene però che due persone non modifichino nello stesso momento la "
                       "stessa scheda, perché "
                       "resterebbe soltanto l'ultima versione salvata."),
        QStringLiteral("Poiché gli archivi contengono dati personali, la normativa sulla tutela della riservatezza "
                       "richiede che l'accesso sia "
                       "protetto: per questo il programma chiede una password all'avvio. L'utente autorizzato può "
                       "cambiarla quando vuole con "
                       "il pulsante Cambia password della finestra di accesso, digitando la vecchia password e due "
                       "volte la nuova. La "
                       "password non distingue fra lettere maiuscole e minuscole."),
        QStringLiteral("Al primo accesso dopo ogni installazione la password è \"%1\". Si consiglia di sostituirla "
                       "subito con una password "
                       "personale e di conservarla con cura.")
            .arg(Product::InitialPassword),
        QStringLiteral("Il programma conserva tutti i dati nella propria cartella: l'archivio dei candidati, le "
                       "sessioni, le foto (cartella "
                       "Anagrafica), gli allegati (cartella Documenti_Allegati) e la password. Per questo si può "
                       "copiare l'intera cartella su "
                       "una chiavetta USB e usare Selvora direttamente da lì, su qualsiasi computer."),
        QStringLiteral(
            "Selvora funziona in due modi. Come copia portatile, quando la cartella del programma contiene "
            "già i dati oppure vi si può scrivere (una chiavetta USB, una cartella condivisa), i dati restano "
            "accanto al programma. Come copia installata, quando il programma sta in una cartella di "
            "sistema (per esempio installato con il pacchetto Debian), i dati stanno nella cartella dei "
            "dati dell'utente (di solito .local/share/Selvora nella cartella personale), creata al primo "
            "avvio con la password iniziale. La finestra delle informazioni indica quale cartella contiene "
            "i dati. Se la cartella di una copia portatile è in sola lettura, il programma lo dice "
            "all'accesso: i dati si possono consultare ma non modificare."),
        QStringLiteral("Per la stessa ragione il salvataggio dei dati è semplicissimo: basta copiare di tanto in tanto "
                       "la cartella del "
                       "programma su un altro disco o su un supporto esterno. Per ripristinare i dati è sufficiente "
                       "ricopiare la cartella al "
                       "suo posto."),
        QStringLiteral("Buon lavoro con Selvora! Per domande, suggerimenti o segnalazioni si può scrivere a %1 "
                       "all'indirizzo indicato nella "
                       "finestra delle informazioni, oppure visitare il sito %2.")
            .arg(Product::Maker, Product::WebSite),
    });
}

QString candidatesText()
{
    return join({
        QStringLiteral(
            "La scheda del candidato registra i suoi dati anagrafici (cognome e nome, sesso, data e luogo di nascita, "
            "cittadinanza), la residenza (indirizzo, città e CAP), il settore professionale, il codice fiscale e "
            "l'eventuale "
            "partita IVA, la patente di guida, il titolo di studio e le lingue conosciute, i recapiti (e-mail, "
            "telefono di casa e "
            "cellulare), il documento di identità con tipo e numero, l'ente che lo ha rilasciato e le date di rilascio "
            "e di "
            "scadenza, le esperienze lavorative, le competenze informatiche, la disponibilità (giorni e orari) e le "
            "note."),
        QStringLiteral(
            "Alla scheda si associa la foto del candidato, in formato JPEG o bitmap: il programma la adatta alla "
            "cornice "
            "mantenendone le proporzioni. Il pulsante con la lente di ingrandimento la mostra a tutto schermo."),
        QStringLiteral("L'archivio è un registro storico di tutti i candidati: le schede si possono modificare ma non "
                       "eliminare. Dalla scheda "
                       "si può inviare un messaggio e-mail al candidato con il pulsante accanto al campo E-mail e si "
                       "possono verificare il "
                       "codice fiscale e la partita IVA con i pulsanti accanto ai rispettivi campi. Il nome e il "
                       "codice fiscale dei candidati "
                       "si importano poi nelle schede di colloquio delle sessioni, senza doverli digitare di nuovo."),
        QStringLiteral("Per inserire una scheda si preme Nuova scheda, si compilano i campi (Invio porta al campo "
                       "successivo), si carica la "
                       "foto e si preme Salva; cognome e nome e sesso sono obbligatori. Per modificare una scheda la "
                       "si richiama con le frecce "
                       "di scorrimento o con la ricerca, si apportano le modifiche e si preme Salva."),
        QStringLiteral("Il comando Duplica crea una nuova scheda con gli stessi dati di quella visualizzata, esclusi "
                       "la foto, gli allegati e "
                       "l'indicazione da ricontattare, per esempio per registrare un familiare del candidato. Funziona "
                       "solo su una scheda già "
                       "salvata; dopo aver apportato le modifiche si preme Salva per inserire la copia in archivio."),
        QStringLiteral("Per scattare la foto con una webcam si apre la finestra di cattura, si preme Accendi webcam, "
                       "poi Cattura foto e infine "
                       "Importa foto in scheda; la foto entra nell'archivio quando si salva la scheda. Spegni webcam "
                       "spegne la telecamera, "
                       "mentre Annulla chiude la finestra lasciando la foto della scheda com'era."),
        QStringLiteral("La foto della scheda si può vedere a tutto schermo, salvare su disco per ritoccarla con un "
                       "programma di grafica e poi "
                       "ricaricare con il pulsante Carica; allo stesso modo si carica la foto JPEG scattata con una "
                       "fotocamera digitale. Il "
                       "pulsante di cancellazione ripristina l'immagine vuota."),
        QStringLiteral("Il comando Trova cerca le schede con uno o più filtri contemporaneamente: si compilano "
                       "soltanto i campi che interessano "
                       "e si preme Cerca. Le lettere maiuscole e minuscole non fanno differenza. Nell'elenco trovato "
                       "si cerca una voce con "
                       "Trova, lo si stampa con Stampa e con un doppio clic si richiama la scheda."),
        QStringLiteral(
            "La casella Da ricontattare annota i candidati da richiamare. Il comando con l'icona del telefono elenca "
            "tutte le "
            "schede così contrassegnate; l'elenco si può cercare e stampare, e un doppio clic richiama la scheda."),
        QStringLiteral("A ogni scheda si possono allegare fino a tre file di qualsiasi tipo, ciascuno con una "
                       "descrizione: con Sfoglia... si "
                       "sceglie il file, che viene copiato nella cartella Documenti_Allegati, e con Apri lo si apre "
                       "con il programma "
                       "associato. Applica e chiudi riporta gli allegati nella scheda, che va poi salvata."),
        QStringLiteral("I comandi Anteprima e Stampa mostrano e stampano la scheda visualizzata su un foglio A4, "
                       "completa di foto. Il comando "
                       "di esportazione scrive l'intero archivio in un file di Microsoft Excel."),
    });
}

QString candidatesExportText()
{
    return join({
        QStringLiteral("Il pulsante di esportazione scrive tutti i candidati dell'archivio in un foglio di lavoro di "
                       "Microsoft Excel, che si "
                       "apre con qualsiasi programma in grado di leggere i file XLS."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, un clic sull'icona di Excel crea "
                       "subito il file XLS con tutte "
                       "le schede; rispondendo sì alla domanda che segue, il file viene aperto."),
        QStringLiteral("A questo punto non resta che salvare il file su disco con il nome che si preferisce."),
    });
}

QString sessionsText()
{
    return join({
        QStringLiteral("Le schede dei colloqui sono raccolte in sessioni. Si possono creare tutte le sessioni che "
                       "servono: ciascuna è un file "
                       "con estensione VAI nella cartella del programma. Conviene dare a ogni sessione un nome che "
                       "ricordi il ruolo e il "
                       "periodo della selezione."),
        QStringLiteral("Per creare una sessione si digita il nome nella finestra Creazione nuova sessione e si preme "
                       "APPLICA E CHIUDI. I "
                       "caratteri non ammessi nei nomi dei file non vengono accettati e un nome già usato viene "
                       "rifiutato. La nuova sessione "
                       "compare subito nell'elenco delle sessioni esistenti."),
        QStringLiteral("Nella finestra Apertura sessione si seleziona la sessione e si preme APRI ARCHIVIO per "
                       "lavorarci. Il pulsante del "
                       "cestino elimina la sessione selezionata dopo una conferma: il file viene cancellato "
                       "definitivamente e non può essere "
                       "recuperato."),
        QStringLiteral("Nella scheda di colloquio si indicano il candidato, il codice fiscale, la provenienza, la data "
                       "del colloquio, i "
                       "dettagli del colloquio, il punteggio totale e le note. Per salvare la scheda con il pulsante "
                       "Salva sono obbligatori "
                       "il nome del candidato, la data del colloquio e il punteggio totale. La data si sceglie dal "
                       "calendario, che si apre "
                       "premendo un tasto nel campo; il punteggio si scrive con la virgola e viene completato con due "
                       "decimali; la "
                       "calcolatrice accanto al campo aiuta a sommare i punteggi parziali."),
        QStringLiteral("Il pulsante con la freccia verde accanto al campo Candidato apre la ricerca nell'archivio dei "
                       "candidati: un doppio "
                       "clic sul candidato trovato ne riporta il nome e il codice fiscale nella scheda di colloquio."),
        QStringLiteral("Il comando Trova cerca nella sessione con uno o più filtri contemporaneamente (candidato, "
                       "codice fiscale, provenienza, "
                       "data, dettagli e note); un doppio clic su una voce dell'elenco richiama la scheda. Le frecce "
                       "della barra dei comandi "
                       "scorrono le schede una alla volta."),
        QStringLiteral("Per aggiornare il punteggio di un candidato si richiama la sua scheda, si corregge il "
                       "punteggio e si preme Salva: la "
                       "scheda viene aggiornata senza crearne una nuova."),
        QStringLiteral("La casella Idoneo indica che il candidato ha superato il colloquio. Il comando dell'elenco dei "
                       "candidati idonei mostra "
                       "tutti i candidati contrassegnati della sessione; l'elenco si può cercare e stampare, e un "
                       "doppio clic richiama la "
                       "scheda."),
        QStringLiteral("I comandi Anteprima e Stampa mostrano e stampano la scheda di colloquio su un foglio A4."),
        QStringLiteral("Il comando di esportazione scrive in un file di Microsoft Excel tutte le schede della "
                       "sessione, con tutti i dati "
                       "tranne i dettagli del colloquio."),
    });
}

QString sessionExportText()
{
    return join({
        QStringLiteral("Il pulsante di esportazione scrive l'archivio dei candidati esaminati in un foglio di lavoro "
                       "di Microsoft Excel, che "
                       "si apre con qualsiasi programma in grado di leggere i file XLS."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, un clic sull'icona di Excel crea "
                       "subito il file XLS; "
                       "rispondendo sì alla domanda che segue, il file viene aperto."),
        QStringLiteral("A questo punto non resta che salvare il file su disco con il nome che si preferisce."),
    });
}

QString rankingsText()
{
    return join({
        QStringLiteral("Per visualizzare una graduatoria si seleziona la sessione nell'elenco e si preme GRADUATORIA "
                       "ALFABETICA oppure "
                       "GRADUATORIA DI MERITO. Chiusa una graduatoria, la sessione resta selezionata e l'altra "
                       "graduatoria è a portata di clic."),
        QStringLiteral("La graduatoria di merito ordina i candidati dal punteggio totale più alto al più basso e "
                       "antepone a ogni nome la "
                       "posizione raggiunta. La graduatoria alfabetica ordina i candidati per nome."),
        QStringLiteral("In fondo a ogni graduatoria è riportato il numero totale dei candidati. Il pulsante Trova "
                       "cerca un testo nell'elenco."),
        QStringLiteral("Con Stampa graduatoria la graduatoria si stampa su fogli A4 orientati in orizzontale: in testa "
                       "il nome della "
                       "sessione, poi per ogni candidato il codice fiscale, le note e il punteggio totale, in fondo il "
                       "totale dei candidati e "
                       "la data di stampa."),
    });
}

} // namespace

namespace HelpTopics {

QString launcher()
{
    return QStringLiteral("Uno sguardo a Selvora");
}
QString candidates()
{
    return QStringLiteral("App Archivio Candidati");
}
QString candidatesExport()
{
    return QStringLiteral("Esportazione archivio candidati in Microsoft Excel");
}
QString sessions()
{
    return QStringLiteral("Gestione sessioni colloqui di lavoro");
}
QString sessionExport()
{
    return QStringLiteral("Esportazione archivio candidati esaminati in Microsoft Excel");
}
QString rankings()
{
    return QStringLiteral("Visualizzazione graduatorie");
}

QList<Topic> all()
{
    return {
        {launcher(), launcherText()},
        {candidates(), candidatesText()},
        {candidatesExport(), candidatesExportText()},
        {sessions(), sessionsText()},
        {sessionExport(), sessionExportText()},
        {rankings(), rankingsText()},
    };
}

QString text(const QString& title)
{
    for (const Topic& topic : all())
        if (topic.title == title)
            return topic.text;
    return QString();
}

QStringList paragraphs(const QString& text)
{
    return text.split(kParagraphBreak);
}

} // namespace HelpTopics
