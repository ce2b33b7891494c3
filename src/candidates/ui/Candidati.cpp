#include "candidates/ui/Candidati.h"

#include "candidates/ui/ExpCandidati.h"
#include "candidates/ui/ImportWindow.h"

#include "base/core/Formats.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "base/platform/OpenURL.h"
#include "candidates/core/CandidateCardRules.h"
#include "candidates/core/CandidateCardStore.h"
#include "candidates/core/CardPhoto.h"
#include "candidates/core/ChosenPhotoFile.h"
#include "candidates/ui/AllegaCartella.h"
#include "candidates/ui/AnteprimaCandidati.h"
#include "candidates/ui/DaRicontattare.h"
#include "candidates/ui/DuplicatesWindow.h"
#include "candidates/ui/ErasureCommands.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/StampaCandidati.h"
#include "candidates/ui/TrovaCandidati.h"
#include "candidates/ui/WebCam.h"
#include "candidates/ui/Zoom.h"
#include "shared/ui/EnterChain.h"
#include "shared/ui/FieldColour.h"
#include "shared/ui/FieldText.h"
#include "shared/ui/Help.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/UnstorableLetters.h"
#include "shared/ui/WriteGuard.h"
#include "tools/ui/CodFisc.h"
#include "tools/ui/FiscalCodeGuard.h"
#include "tools/ui/PartitaIva.h"
#include "ui_TfrmCandidati.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <memory>

namespace {

const QColor kStrip(0x1F, 0x4E, 0x79);

QString idleText()
{
    return QStringLiteral("Pronto per archiviare una nuova scheda...");
}

} // namespace

TfrmCandidati::TfrmCandidati(QWidget* parent)
    : ScreenWindow(parent)
    , m_ui(new Ui::TfrmCandidati)
{
    // The program-wide comma and "dd/mm/yyyy", as every window sets them.
    Formats::apply();
    build();
}

TfrmCandidati::~TfrmCandidati() = default;

void TfrmCandidati::build()
{
    m_ui->setupUi(this);
    txtCandidato = m_ui->txtCandidato;
    txtSesso = m_ui->txtSesso;
    txtDataNasc = m_ui->txtDataNasc;
    txtCittadinanza = m_ui->txtCittadinanza;
    txtLuogoNasc = m_ui->txtLuogoNasc;
    txtIndirizzo = m_ui->txtIndirizzo;
    txtCitta = m_ui->txtCitta;
    txtCap = m_ui->txtCap;
    txtSettore = m_ui->txtSettore;
    txtCodFisc = m_ui->txtCodFisc;
    txtPartitaIva = m_ui->txtPartitaIva;
    txtPatente = m_ui->txtPatente;
    txtStudio = m_ui->txtStudio;
    txtLingue = m_ui->txtLingue;
    txtEmail = m_ui->txtEmail;
    txtTel = m_ui->txtTel;
    txtCel = m_ui->txtCel;
    txtDocumento = m_ui->txtDocumento;
    txtEnteRil = m_ui->txtEnteRil;
    txtInizioTes = m_ui->txtInizioTes;
    txtFineTes = m_ui->txtFineTes;
    txtEsperienze = m_ui->txtEsperienze;
    txtCompetenze = m_ui->txtCompetenze;
    txtDisponibilita = m_ui->txtDisponibilita;
    txtNote = m_ui->txtNote;
    chkRicontatta = m_ui->chkRicontatta;
    icoRicontatta = m_ui->icoRicontatta;
    lblPosizione = m_ui->lblPosizione;
    cmdNuovo = m_ui->cmdNuovo;
    cmdDuplica = m_ui->cmdDuplica;
    cmdSalva = m_ui->cmdSalva;
    cmdTrova = m_ui->cmdTrova;
    cmdFile = m_ui->cmdFile;
    cmdAnteprima = m_ui->cmdAnteprima;
    cmdStampa = m_ui->cmdStampa;
    cmdPrimo = m_ui->cmdPrimo;
    cmdIndietro = m_ui->cmdIndietro;
    cmdAvanti = m_ui->cmdAvanti;
    cmdUltimo = m_ui->cmdUltimo;
    cmdScadute = m_ui->cmdScadute;
    cmdEsporta = m_ui->cmdEsporta;
    cmdImporta = m_ui->cmdImporta;
    cmdCancellaDati = m_ui->cmdCancellaDati;
    cmdConservazione = m_ui->cmdConservazione;
    cmdGuida = m_ui->cmdGuida;
    cmdEsci = m_ui->cmdEsci;
    btnCaricaFoto = m_ui->btnCaricaFoto;
    btnWebcam = m_ui->btnWebcam;
    btnSalvaFoto = m_ui->btnSalvaFoto;
    btnCancFoto = m_ui->btnCancFoto;
    btnZoomFoto = m_ui->btnZoomFoto;
    btnCodFisc = m_ui->btnCodFisc;
    btnPartitaIva = m_ui->btnPartitaIva;
    btnEmail = m_ui->btnEmail;
    btnFillFromCode = m_ui->btnFillFromCode;
    panCandidati = m_ui->panCandidati;
    titScheda = m_ui->titScheda;

    setWindowIcon(selvoraIcon(QStringLiteral("users")));
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(0xDD, 0xE8, 0xF3));
        setPalette(pal);
    }

    // --- fields -------------------------------------------------------------
    // The 25 text fields in record order, which is also the Enter chain and
    // the tab order; each one's typing limit is its record field's width.
    m_fields = {txtCandidato,  txtSesso,      txtDataNasc,      txtCittadinanza, txtLuogoNasc, txtIndirizzo, txtCitta,
                txtCap,        txtSettore,    txtCodFisc,       txtPartitaIva,   txtPatente,   txtStudio,    txtLingue,
                txtEmail,      txtTel,        txtCel,           txtDocumento,    txtEnteRil,   txtInizioTes, txtFineTes,
                txtEsperienze, txtCompetenze, txtDisponibilita, txtNote};
    for (int i = 0; i < 25; ++i)
        m_fields[i]->setMaxLength(TSchedaCandidato::maxChars(fieldOf(i)));

    FieldColour::install(txtCandidato, FieldColour::Beige);
    for (int i = 1; i < 25; ++i)
        FieldColour::install(m_fields[i]);
    for (int i = 0; i < 25; ++i)
        EnterChain::link(m_fields[i], m_fields[(i + 1) % 25]);

    icoRicontatta->setPixmap(selvoraIcon(QStringLiteral("phone-call")).pixmap(24, 24));

    lblFile01 = makeHiddenLabel(this, QStringLiteral("lblFile01"));
    lblFile02 = makeHiddenLabel(this, QStringLiteral("lblFile02"));
    lblFile03 = makeHiddenLabel(this, QStringLiteral("lblFile03"));
    lblDesc01 = makeHiddenLabel(this, QStringLiteral("lblDesc01"));
    lblDesc02 = makeHiddenLabel(this, QStringLiteral("lblDesc02"));
    lblDesc03 = makeHiddenLabel(this, QStringLiteral("lblDesc03"));

    btnFocus = new QPushButton(this);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setVisible(false);
    btnFocus->setFocusPolicy(Qt::NoFocus);

    // --- photo --------------------------------------------------------------
    // The photo heads the column of its commands.
    imgFoto = new PhotoBox(QStringLiteral("imgFoto"), panCandidati);
    imgFoto->setFixedSize(258, 331);
    imgFoto->setAccessibleName(QStringLiteral("Foto del candidato"));
    imgFoto->setStyleSheet(QStringLiteral("#imgFoto { border: 1px solid #4682B4; }"));
    m_ui->photo->insertWidget(0, imgFoto);
    imgBianco = new PhotoBox(QStringLiteral("imgBianco"), this);
    imgBianco->setVisible(false);
    imgBianco->setPicture(QImage(QStringLiteral(":/images/foto_bianco.png")));

    // The information bar closes the card.
    shpInfo = new InfoBar(idleText(), kStrip, panCandidati);
    panInfo = shpInfo->panInfo();
    m_ui->card->addWidget(shpInfo);

    // The form makes the panel's parts in the order of its layout; a screen
    // reader meets them in the order the card has always had: the flag, the
    // photo and its commands, the command bar, the title, the fields from the
    // name to the notes, the information bar and the rule under the commands.
    for (QWidget* part : std::initializer_list<QWidget*> {
             chkRicontatta,    icoRicontatta, imgFoto,      btnCaricaFoto,    btnWebcam,        btnSalvaFoto,
             btnCancFoto,      btnZoomFoto,   cmdNuovo,     cmdDuplica,       cmdSalva,         cmdTrova,
             cmdFile,          cmdAnteprima,  cmdStampa,    cmdPrimo,         cmdIndietro,      cmdAvanti,
             cmdUltimo,        cmdScadute,    cmdEsporta,   cmdImporta,       cmdCancellaDati,  cmdConservazione,
             cmdGuida,         cmdEsci,       lblPosizione, m_ui->separator1, m_ui->separator2, m_ui->separator3,
             m_ui->separator4, titScheda})
        part->raise();
    for (QLineEdit* field : m_fields)
        field->parentWidget()->raise();
    shpInfo->raise();
    m_ui->bkgBarra->raise();

    // --- information bar ----------------------------------------------------------
    const struct
    {
        QWidget* control;
        const char* text;
    } infos[] = {
        {cmdNuovo, "Prepara la schermata per l'inserimento di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {cmdSalva, "Salva la scheda in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdFile, "Allega file alla scheda."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa della scheda."},
        {cmdStampa, "Stampa la scheda."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {cmdScadute, "Visualizza il riepilogo dei candidati da ricontattare."},
        {cmdEsporta, "Esporta l'archivio in un file di Microsoft Excel."},
        {cmdImporta, "Importa candidati da un file .csv o .xlsx."},
        {cmdCancellaDati, "Cancella i dati personali di questo candidato, la sua foto e i suoi allegati."},
        {cmdConservazione, "Elenca i candidati senza attività da molti mesi, per cancellarne i dati."},
        {cmdGuida, "Visualizza la guida in linea."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {btnCaricaFoto, "Carica una foto esistente."},
        {btnWebcam, "Cattura la foto con una webcam."},
        {btnSalvaFoto, "Salva la foto su disco."},
        {btnCancFoto, "Cancella la foto."},
        {btnZoomFoto, "Visualizza la foto nelle sue dimensioni reali."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {btnFillFromCode, "Compila sesso, data e luogo di nascita dal codice fiscale."},
        {btnPartitaIva, "Controlla il numero di partita IVA."},
        {btnEmail, "Invia una e-mail all'indirizzo indicato."},
        {chkRicontatta, "Spunta questa casella per annotare che il candidato deve essere ricontattato."},
    };
    for (const auto& info : infos)
        shpInfo->describe(info.control, QString::fromUtf8(info.text));
    // Command keys, pressed as the pictures are (and named in their tooltips).
    KeyCommands::bindCard(this, {cmdSalva, cmdNuovo, cmdTrova, cmdStampa, cmdAvanti, cmdIndietro, cmdGuida, cmdEsci});
    for (QWidget* background :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(panCandidati), static_cast<QWidget*>(titScheda),
          static_cast<QWidget*>(m_ui->bkgBarra), static_cast<QWidget*>(imgFoto), static_cast<QWidget*>(icoRicontatta)})
        shpInfo->clearOver(background);

    // --- handlers -------------------------------------------------------------------
    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmCandidati::cmdNuovoClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &TfrmCandidati::cmdDuplicaClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmCandidati::cmdSalvaClick);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmCandidati::cmdTrovaClick);
    connect(cmdFile, &QToolButton::clicked, this, &TfrmCandidati::cmdFileClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &TfrmCandidati::cmdAnteprimaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmCandidati::cmdStampaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, &TfrmCandidati::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &TfrmCandidati::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &TfrmCandidati::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &TfrmCandidati::cmdUltimoClick);
    connect(cmdScadute, &QToolButton::clicked, this, &TfrmCandidati::cmdScaduteClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmCandidati::cmdEsportaClick);
    connect(cmdImporta, &QToolButton::clicked, this, &TfrmCandidati::cmdImportaClick);
    connect(cmdCancellaDati, &QToolButton::clicked, this, &TfrmCandidati::cmdCancellaDatiClick);
    connect(cmdConservazione, &QToolButton::clicked, this, &TfrmCandidati::cmdConservazioneClick);
    WriteGuard::mark({cmdSalva, btnCaricaFoto, btnWebcam, btnCancFoto, cmdCancellaDati, cmdImporta}, shpInfo);
    // A card that cannot be stored is not started nor changed either.
    WriteGuard::mark({cmdNuovo, cmdDuplica, btnFillFromCode}, shpInfo);
    QList<QWidget*> editable(m_fields.cbegin(), m_fields.cend());
    editable << chkRicontatta;
    WriteGuard::markFields(editable, shpInfo);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmCandidati::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TfrmCandidati::cmdEsciClick);
    connect(btnCaricaFoto, &QToolButton::clicked, this, &TfrmCandidati::btnCaricaFotoClick);
    connect(btnWebcam, &QToolButton::clicked, this, &TfrmCandidati::btnWebcamClick);
    connect(btnSalvaFoto, &QToolButton::clicked, this, &TfrmCandidati::btnSalvaFotoClick);
    connect(btnCancFoto, &QToolButton::clicked, this, &TfrmCandidati::btnCancFotoClick);
    connect(btnZoomFoto, &QToolButton::clicked, this, &TfrmCandidati::btnZoomFotoClick);
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmCandidati::btnCodFiscClick);
    connect(btnFillFromCode, &QToolButton::clicked, this, &TfrmCandidati::btnFillFromCodeClick);
    connect(btnPartitaIva, &QToolButton::clicked, this, &TfrmCandidati::btnPartitaIvaClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmCandidati::btnEmailClick);
    // textEdited: only what the user types, never a card being shown.
    connect(txtSesso, &QLineEdit::textEdited, this, &TfrmCandidati::txtSessoTyping);
    connect(txtCodFisc, &QLineEdit::textEdited, this, &TfrmCandidati::txtCodFiscTyping);
    connect(txtEmail, &QLineEdit::textEdited, this, &TfrmCandidati::txtEmailTyping);
    txtPartitaIva->installEventFilter(this);

    showBlankPhoto();
}

// --- window routines ------------------------------------------------------------

void TfrmCandidati::showEvent(QShowEvent* event)
{
    ScreenWindow::showEvent(event);
    // Coming back from a minimised state is not an opening of the window.
    if (!event->spontaneous())
        FormShow();
}

void TfrmCandidati::FormShow()
{
    PulisciScheda();
    // The bar still held the last command pointed at before the window was
    // left (usually the exit command): a fresh visit starts idle.
    panInfo->setText(idleText());
}

void TfrmCandidati::showBlankPhoto()
{
    imgFoto->setPicture(imgBianco->picture());
}

void TfrmCandidati::PulisciScheda()
{
    for (QLineEdit* f : m_fields)
        f->clear();
    for (QLabel* l : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
        l->clear();
    chkRicontatta->setChecked(false);
    showBlankPhoto();
    lblPosizione->clear();
    txtCandidato->setFocus();
}

void TfrmCandidati::CaricaFotoScheda()
{
    const QImage photo = CardPhoto::load(CardNavigation::positionOf(lblPosizione->text()));
    if (photo.isNull())
        showBlankPhoto();
    else
        imgFoto->setPicture(photo);
}

void TfrmCandidati::MostraScheda(qint64 position, const TSchedaCandidato& card)
{
    // Each field shows its text from the first character: an address longer
    // than the field would otherwise show only its end.
    for (int i = 0; i < 25; ++i) {
        m_fields[i]->setText(card.field(fieldOf(i)));
        m_fields[i]->setCursorPosition(0);
    }
    chkRicontatta->setChecked(card.isRicontatta());
    lblFile01->setText(card.File01);
    lblFile02->setText(card.File02);
    lblFile03->setText(card.File03);
    lblDesc01->setText(card.Desc01);
    lblDesc02->setText(card.Desc02);
    lblDesc03->setText(card.Desc03);
    lblPosizione->setText(QString::number(position));
    CaricaFotoScheda();
}

TSchedaCandidato TfrmCandidati::currentCard() const
{
    TSchedaCandidato card;
    for (int i = 0; i < 25; ++i)
        card.field(fieldOf(i)) = m_fields[i]->text();
    card.Ricontatta = TSchedaCandidato::flag(chkRicontatta->isChecked());
    card.File01 = lblFile01->text();
    card.File02 = lblFile02->text();
    card.File03 = lblFile03->text();
    card.Desc01 = lblDesc01->text();
    card.Desc02 = lblDesc02->text();
    card.Desc03 = lblDesc03->text();
    return card;
}

void TfrmCandidati::accessError()
{
    Messages::error(this, RecordFile::accessMessage());
}

// --- browsing -------------------------------------------------------------------

template <typename Rule>
void TfrmCandidati::browse(Rule rule)
{
    using CardNavigation::Step;
    RecordFile file(CandidateArchive::path(), TSchedaCandidato::Size);
    if (!file.open()) {
        accessError();
        return;
    }
    const Step step = rule(file.count());
    switch (step.kind) {
    case Step::Nothing:
        return;
    case Step::EmptyAndClear:
        lblPosizione->clear();
        file.close();
        Messages::information(this, CardNavigation::emptyMessage());
        return;
    case Step::EmptyArchive:
        file.close();
        Messages::information(this, CardNavigation::emptyMessage());
        return;
    case Step::Show: {
        QByteArray record;
        if (!file.read(step.card, &record)) {
            file.close();
            accessError();
            return;
        }
        file.close();
        MostraScheda(step.card, TSchedaCandidato::decode(record));
        return;
    }
    }
}

void TfrmCandidati::cmdPrimoClick()
{
    browse([](qint64 count) { return CardNavigation::first(count); });
}

void TfrmCandidati::cmdUltimoClick()
{
    browse([](qint64 count) { return CardNavigation::last(count); });
}

void TfrmCandidati::cmdIndietroClick()
{
    const QString p = lblPosizione->text();
    browse([p](qint64 count) { return CardNavigation::back(p, count); });
}

void TfrmCandidati::cmdAvantiClick()
{
    const QString p = lblPosizione->text();
    browse([p](qint64 count) { return CardNavigation::forward(p, count); });
}

// --- new and store --------------------------------------------------------------

void TfrmCandidati::cmdNuovoClick()
{
    PulisciScheda();
}

void TfrmCandidati::cmdSalvaClick()
{
    if (TextRules::trimmed(txtCandidato->text()).isEmpty()) {
        Messages::warning(
            this,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare cognome e nome del candidato."));
        txtCandidato->setFocus();
        return;
    }
    if (TextRules::trimmed(txtSesso->text()).isEmpty()) {
        Messages::warning(
            this,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso del candidato (M o F)."));
        txtSesso->setFocus();
        return;
    }
    if (!UnstorableLetters::confirmStore(this, QList<QWidget*>(m_fields.cbegin(), m_fields.cend())))
        return;
    if (!FiscalCodeGuard::confirmStore(
            this, txtCodFisc->text(),
            {txtCandidato->text(), txtSesso->text(), txtDataNasc->text(), txtLuogoNasc->text()})) {
        txtCodFisc->setFocus();
        return;
    }
    if (TextRules::trimmed(lblPosizione->text()).isEmpty() && !DuplicatesWindow::confirmNewCard(this))
        return;
    const CandidateCardStore::Outcome stored =
        CandidateCardStore::store(currentCard(), imgFoto->picture(), lblPosizione->text(), QDate::currentDate());
    if (!stored.ok) {
        Messages::error(this, stored.error);
        return;
    }
    if (stored.appended) {
        lblPosizione->setText(QString::number(stored.position));
        Messages::information(this, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    } else {
        Messages::information(
            this, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    }
    // The card is stored either way; a photo that could not be written is
    // said plainly rather than lost without a word.
    if (!stored.photoStored)
        Messages::warning(
            this,
            QStringLiteral("Attenzione: la scheda è stata salvata, ma non è stato possibile salvare la foto "
                           "del candidato nella cartella Anagrafica.\r\n\r\n"
                           "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                           "installazione del programma, quindi salvare di nuovo la scheda."));
}

// --- typing rules ---------------------------------------------------------------

namespace {
// Replaces a field's text keeping the cursor where the user was typing.
void retype(QLineEdit* field, const QString& text, int removedBefore)
{
    if (field->text() == text)
        return;
    const int pos = field->cursorPosition() - removedBefore;
    field->setText(text);
    field->setCursorPosition(qBound(0, pos, int(text.size())));
}

int leadingBlanks(const QString& text)
{
    int n = 0;
    while (n < text.size() && text.at(n).unicode() <= 32)
        ++n;
    return n;
}
} // namespace

void TfrmCandidati::txtSessoTyping()
{
    retype(txtSesso, CardTyping::capitals(txtSesso->text()), leadingBlanks(txtSesso->text()));
}

void TfrmCandidati::txtCodFiscTyping()
{
    retype(txtCodFisc, CardTyping::capitals(txtCodFisc->text()), leadingBlanks(txtCodFisc->text()));
}

void TfrmCandidati::txtEmailTyping()
{
    retype(txtEmail, CardTyping::email(txtEmail->text()), leadingBlanks(txtEmail->text()));
}

bool TfrmCandidati::txtPartitaIvaKeyDown(int key, const QString& text)
{
    return CardTyping::vatKeyAllowed(key, text);
}

bool TfrmCandidati::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPartitaIva && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!txtPartitaIvaKeyDown(key->key(), key->text()))
            return true; // the key is discarded
    }
    return ScreenWindow::eventFilter(watched, event);
}

// --- commands ---------------------------------------------------------------------

void TfrmCandidati::cmdGuidaClick()
{
    Help::showTopic(this, QStringLiteral("App Archivio Candidati"));
}

void TfrmCandidati::cmdEsciClick()
{
    close();
}

void TfrmCandidati::cmdDuplicaClick()
{
    if (TextRules::trimmed(lblPosizione->text()).isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                         "soltanto dopo che questa è stata inserita in archivio."));
        return;
    }
    // A new card keeping the 25 text fields: no attachments, no photo, not
    // flagged, no position. Nothing is written until the user stores it,
    // and then it is appended: the card copied stays as it is.
    for (QLabel* l : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
        l->clear();
    lblPosizione->clear();
    showBlankPhoto();
    chkRicontatta->setChecked(false);
    txtCandidato->setFocus();
    Messages::information(this,
                          QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                         "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                         "scheda in archivio."));
}

void TfrmCandidati::cmdTrovaClick()
{
    std::unique_ptr<TfrmTrovaCandidati> dlg(new TfrmTrovaCandidati(this));
    dlg->lblMemory->setText(TfrmTrovaCandidati::candidatesMode());
    Modal::run(dlg.get());
}

void TfrmCandidati::cmdFileClick()
{
    std::unique_ptr<TfrmAllegaCartella> dlg(new TfrmAllegaCartella(this));
    // Its tag and this card's six attachment labels, trimmed; on apply it
    // writes them back here itself.
    dlg->readCard();
    Modal::run(dlg.get());
}

void TfrmCandidati::cmdAnteprimaClick()
{
    // The preview reads the card as it stands in the fields, saved or not.
    std::unique_ptr<TfrmAnteprimaCandidati> dlg(new TfrmAnteprimaCandidati(this));
    Modal::run(dlg.get());
}

void TfrmCandidati::cmdStampaClick()
{
    // The print reads the card as it stands in the fields, saved or not.
    std::unique_ptr<TfrmStampaCandidati> dlg(new TfrmStampaCandidati(this));
    Modal::run(dlg.get());
}

void TfrmCandidati::cmdScaduteClick()
{
    Modal::run(m_recontactList.get(this));
}

void TfrmCandidati::cmdCancellaDatiClick()
{
    ErasureCommands::eraseShownCard(this);
}

void TfrmCandidati::cmdConservazioneClick()
{
    ErasureCommands::showRetentionList(this);
}

void TfrmCandidati::cmdEsportaClick()
{
    std::unique_ptr<TfrmExpCandidati> dialog(new TfrmExpCandidati(this));
    Modal::run(dialog.get());
}

void TfrmCandidati::cmdImportaClick()
{
    const QString chosen = FileDialogs::getOpenFileName(this, QStringLiteral("Importa candidati da file"), QString(),
                                                        QStringLiteral("Fogli di calcolo (*.csv *.xlsx)"));
    if (!chosen.isEmpty())
        ImportWindow::importFile(this, chosen);
}

void TfrmCandidati::btnCaricaFotoClick()
{
    const QString chosen =
        FileDialogs::getOpenFileName(this, ChosenPhotoFile::loadTitle(), QString(), ChosenPhotoFile::loadFilter());
    if (chosen.isEmpty())
        return;
    // A file that is no picture leaves the blank photo, which shows that
    // the load failed.
    const QImage photo = ChosenPhotoFile::load(chosen);
    if (photo.isNull())
        showBlankPhoto();
    else
        imgFoto->setPicture(photo);
}

void TfrmCandidati::btnWebcamClick()
{
    std::unique_ptr<TfrmWebCam> dlg(new TfrmWebCam(this));
    dlg->lblMemory->setText(TfrmWebCam::cardTag());
    connect(dlg.get(), &TfrmWebCam::stillTaken, imgFoto, &PhotoBox::setPicture);
    Modal::run(dlg.get());
}

void TfrmCandidati::btnSalvaFotoClick()
{
    const QString chosen =
        FileDialogs::getSaveFileName(this, ChosenPhotoFile::titolo(), ChosenPhotoFile::suggestedName(),
                                     ChosenPhotoFile::filtro(), QStringLiteral("jpg"));
    if (chosen.isEmpty())
        return;
    const QString fileName = ChosenPhotoFile::conEstensione(chosen);
    // The copy only: the card's own photo file is not touched. A copy that
    // cannot be written is reported and the photo stays in the box, so that
    // it can be stored with the card or saved elsewhere.
    if (!ChosenPhotoFile::writePicture(fileName, imgFoto->picture()))
        Messages::error(this, ChosenPhotoFile::messaggioErrore(fileName));
}

void TfrmCandidati::btnCancFotoClick()
{
    // The card's photo file becomes the placeholder only when the card is
    // stored.
    showBlankPhoto();
}

void TfrmCandidati::btnZoomFotoClick()
{
    std::unique_ptr<TfrmZoom> dlg(new TfrmZoom(this));
    dlg->imgFoto->setPicture(imgFoto->picture());
    Modal::run(dlg.get());
}

void TfrmCandidati::btnCodFiscClick()
{
    // A code made only of digits is a VAT number written in the fiscal code
    // field (a firm's fiscal code is its VAT number).
    const QString code = TextRules::trimmed(txtCodFisc->text());
    if (!code.isEmpty() && SoloCifre(code)) {
        std::unique_ptr<TfrmPartitaIva> dlg(new TfrmPartitaIva(this));
        FieldText::set(dlg->txtPartitaIva, code, TfrmPartitaIva::MaxPartitaIva);
        Modal::run(dlg.get());
        return;
    }
    std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc(this));
    FieldText::set(dlg->txtCodFisc, code, TfrmCodFisc::MaxCodFisc);
    Modal::run(dlg.get());
}

void TfrmCandidati::btnPartitaIvaClick()
{
    std::unique_ptr<TfrmPartitaIva> dlg(new TfrmPartitaIva(this));
    FieldText::set(dlg->txtPartitaIva, TextRules::trimmed(txtPartitaIva->text()), TfrmPartitaIva::MaxPartitaIva);
    Modal::run(dlg.get());
}

void TfrmCandidati::btnEmailClick()
{
    // No test of the address: with none, the mail program opens a message
    // without an addressee.
    TMisc::Open(QStringLiteral("\"mailto:") + TextRules::trimmed(txtEmail->text()) + QLatin1Char('"'));
}

void TfrmCandidati::btnFillFromCodeClick()
{
    FiscalCodeGuard::fill(this, txtCodFisc->text(), txtSesso, txtDataNasc, txtLuogoNasc);
}
