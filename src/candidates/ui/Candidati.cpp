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
#include "shared/ui/SpokenLabel.h"
#include "shared/ui/UnstorableLetters.h"
#include "shared/ui/WriteGuard.h"
#include "tools/ui/CodFisc.h"
#include "tools/ui/FiscalCodeGuard.h"
#include "tools/ui/PartitaIva.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <memory>

namespace {

struct FieldEntry
{
    const char* name;
    const char* caption;
};

// The 25 text fields in record order, which is also the Enter chain and the
// tab order; each one's typing limit is its record field's width.
const FieldEntry kFields[25] = {
    {"txtCandidato", "Cognome e nome:"},
    {"txtSesso", "Sesso:"},
    {"txtDataNasc", "Data nascita:"},
    {"txtCittadinanza", "Cittadinanza:"},
    {"txtLuogoNasc", "Luogo nascita:"},
    {"txtIndirizzo", "Indirizzo residenza:"},
    {"txtCitta", "Città:"},
    {"txtCap", "CAP:"},
    {"txtSettore", "Settore professionale:"},
    {"txtCodFisc", "Codice fiscale:"},
    {"txtPartitaIva", "Partita IVA:"},
    {"txtPatente", "Patente di guida:"},
    {"txtStudio", "Titolo di studio:"},
    {"txtLingue", "Lingue conosciute:"},
    {"txtEmail", "E-mail:"},
    {"txtTel", "Tel. casa:"},
    {"txtCel", "Tel. cellulare:"},
    {"txtDocumento", "Documento (tipo e numero):"},
    {"txtEnteRil", "Ente di rilascio:"},
    {"txtInizioTes", "Data rilascio:"},
    {"txtFineTes", "Data scadenza:"},
    {"txtEsperienze", "Esperienze lavorative:"},
    {"txtCompetenze", "Competenze informatiche:"},
    {"txtDisponibilita", "Disponibilità:"},
    {"txtNote", "Note:"},
};

const QColor kStrip(0x1F, 0x4E, 0x79);

QString idleText()
{
    return QStringLiteral("Pronto per archiviare una nuova scheda...");
}

// A caption above its field (and the field's small button, if any).
QWidget* cell(QWidget* parent, QLabel* caption, QLineEdit* field, QWidget* button = nullptr)
{
    auto* box = new QWidget(parent);
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    v->addWidget(caption);
    if (button) {
        auto* h = new QHBoxLayout;
        h->setSpacing(2);
        h->addWidget(field, 1);
        h->addWidget(button);
        v->addLayout(h);
    } else {
        v->addWidget(field);
    }
    return box;
}

PictureButton* smallButton(QWidget* parent, const char* name, const char* icon, const QString& what)
{
    auto* b = new PictureButton(QString::fromLatin1(name), QString::fromLatin1(icon), QString(), what, parent);
    b->setIconSize(QSize(18, 18));
    b->setFixedSize(26, 26);
    return b;
}

} // namespace

TfrmCandidati::TfrmCandidati(QWidget* parent)
    : ScreenWindow(parent)
{
    // The program-wide comma and "dd/mm/yyyy", as every window sets them.
    Formats::apply();
    build();
}

void TfrmCandidati::build()
{
    setObjectName(QStringLiteral("frmCandidati"));
    setWindowTitle(QStringLiteral(" Selvora - Archivio Candidati"));
    setWindowIcon(selvoraIcon(QStringLiteral("users")));
    setAutoFillBackground(true);
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(0xDD, 0xE8, 0xF3));
        setPalette(pal);
    }

    panCandidati = new QFrame(this);
    panCandidati->setObjectName(QStringLiteral("panCandidati"));
    panCandidati->setFixedSize(996, 692);
    panCandidati->setStyleSheet(QStringLiteral("#panCandidati { background: #F4F8FC; border: 1px solid #4682B4; }"));
    QWidget* pan = panCandidati;

    // --- fields -------------------------------------------------------------
    QLineEdit** targets[25] = {
        &txtCandidato,  &txtSesso,      &txtDataNasc,      &txtCittadinanza, &txtLuogoNasc, &txtIndirizzo, &txtCitta,
        &txtCap,        &txtSettore,    &txtCodFisc,       &txtPartitaIva,   &txtPatente,   &txtStudio,    &txtLingue,
        &txtEmail,      &txtTel,        &txtCel,           &txtDocumento,    &txtEnteRil,   &txtInizioTes, &txtFineTes,
        &txtEsperienze, &txtCompetenze, &txtDisponibilita, &txtNote,
    };
    QLabel* captions[25];
    const QFont captionFont(QStringLiteral("Verdana"), 8);
    const QFont fieldFont(QStringLiteral("Verdana"), 9);
    for (int i = 0; i < 25; ++i) {
        auto* field = new QLineEdit(pan);
        field->setObjectName(QString::fromLatin1(kFields[i].name));
        field->setMaxLength(TSchedaCandidato::maxChars(fieldOf(i)));
        field->setFont(fieldFont);
        field->setFixedHeight(26);
        const QString caption = QString::fromUtf8(kFields[i].caption);
        field->setAccessibleName(caption.left(caption.size() - 1));
        auto* label = new QLabel(caption, pan);
        label->setObjectName(QStringLiteral("inf") + field->objectName().mid(3));
        label->setFont(captionFont);
        label->setBuddy(field);
        captions[i] = label;
        *targets[i] = field;
        m_fields << field;
    }
    txtSesso->setAlignment(Qt::AlignCenter);
    txtSesso->setFixedWidth(44);
    for (QLineEdit* f : {txtDataNasc, txtCap, txtInizioTes, txtFineTes})
        f->setFixedWidth(96);
    // The VAT number takes digits only: no pasting by menu or drop either.
    txtPartitaIva->setContextMenuPolicy(Qt::NoContextMenu);
    txtPartitaIva->setAcceptDrops(false);

    FieldColour::install(txtCandidato, FieldColour::Beige);
    for (int i = 1; i < 25; ++i)
        FieldColour::install(m_fields[i]);
    for (int i = 0; i < 25; ++i)
        EnterChain::link(m_fields[i], m_fields[(i + 1) % 25]);

    chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), pan);
    chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
    chkRicontatta->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    icoRicontatta = new QLabel(pan);
    icoRicontatta->setObjectName(QStringLiteral("icoRicontatta"));
    icoRicontatta->setPixmap(selvoraIcon(QStringLiteral("phone-call")).pixmap(24, 24));

    for (int i = 0; i < 25; ++i)
        setTabOrder(m_fields[i], i + 1 < 25 ? static_cast<QWidget*>(m_fields[i + 1]) : chkRicontatta);

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
    imgFoto = new PhotoBox(QStringLiteral("imgFoto"), pan);
    imgFoto->setFixedSize(258, 331);
    imgFoto->setAccessibleName(QStringLiteral("Foto del candidato"));
    imgFoto->setStyleSheet(QStringLiteral("#imgFoto { border: 1px solid #4682B4; }"));
    imgBianco = new PhotoBox(QStringLiteral("imgBianco"), this);
    imgBianco->setVisible(false);
    imgBianco->setPicture(QImage(QStringLiteral(":/images/foto_bianco.png")));

    btnCaricaFoto = new PictureButton(QStringLiteral("btnCaricaFoto"), QStringLiteral("upload"),
                                      QStringLiteral("Carica"), QStringLiteral("Carica foto"), pan);
    btnCaricaFoto->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnCaricaFoto->setIconSize(QSize(20, 20));
    btnWebcam = smallButton(pan, "btnWebcam", "camera", QStringLiteral("Cattura foto con webcam"));
    btnSalvaFoto = smallButton(pan, "btnSalvaFoto", "download", QStringLiteral("Salva foto su disco"));
    btnCancFoto = smallButton(pan, "btnCancFoto", "eraser", QStringLiteral("Cancella foto"));
    btnZoomFoto = smallButton(pan, "btnZoomFoto", "zoom-in", QStringLiteral("Ingrandisci foto"));
    for (PictureButton* b : {btnWebcam, btnSalvaFoto, btnCancFoto, btnZoomFoto}) {
        b->setIconSize(QSize(22, 22));
        b->setFixedSize(34, 32);
    }

    btnCodFisc = smallButton(pan, "btnCodFisc", "circle-check", QStringLiteral("Controlla codice fiscale"));
    btnPartitaIva = smallButton(pan, "btnPartitaIva", "circle-check", QStringLiteral("Controlla partita IVA"));
    btnEmail = smallButton(pan, "btnEmail", "mail", QStringLiteral("Invia e-mail"));
    btnFillFromCode = smallButton(pan, "btnFillFromCode", "file-plus", QStringLiteral("Compila dal codice fiscale"));

    // --- command bar ----------------------------------------------------------
    auto command = [pan](const char* name, const char* icon, const QString& caption, const QString& what) {
        auto* b = new PictureButton(QString::fromLatin1(name), QString::fromLatin1(icon), caption, what, pan);
        b->setIconSize(QSize(30, 30));
        if (!caption.isEmpty())
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return b;
    };
    cmdNuovo = command("cmdNuovo", "file-plus", QString(), QStringLiteral("Nuova scheda"));
    cmdDuplica = command("cmdDuplica", "copy", QString(), QStringLiteral("Duplica scheda"));
    cmdSalva = command("cmdSalva", "save", QString(), QStringLiteral("Salva scheda"));
    cmdTrova = command("cmdTrova", "search", QString(), QStringLiteral("Trova scheda"));
    cmdFile = command("cmdFile", "paperclip", QString(), QStringLiteral("Allega file"));
    cmdAnteprima = command("cmdAnteprima", "eye", QStringLiteral("Anteprima"), QStringLiteral("Anteprima di stampa"));
    cmdStampa = command("cmdStampa", "printer", QStringLiteral("Stampa"), QStringLiteral("Stampa scheda"));
    cmdPrimo = command("cmdPrimo", "chevrons-left", QString(), QStringLiteral("Prima scheda"));
    cmdIndietro = command("cmdIndietro", "chevron-left", QString(), QStringLiteral("Scheda precedente"));
    cmdAvanti = command("cmdAvanti", "chevron-right", QString(), QStringLiteral("Scheda successiva"));
    cmdUltimo = command("cmdUltimo", "chevrons-right", QString(), QStringLiteral("Ultima scheda"));
    cmdScadute = command("cmdScadute", "phone-call", QString(), QStringLiteral("Candidati da ricontattare"));
    cmdEsporta = command("cmdEsporta", "file-spreadsheet", QString(), QStringLiteral("Esporta archivio"));
    cmdImporta = command("cmdImporta", "download", QString(), QStringLiteral("Importa candidati da file…"));
    cmdCancellaDati = command("cmdCancellaDati", "eraser", QString(), QStringLiteral("Cancella dati personali..."));
    cmdConservazione =
        command("cmdConservazione", "calendar", QString(), QStringLiteral("Candidati da conservare ancora?"));
    cmdGuida = command("cmdGuida", "circle-help", QString(), QStringLiteral("Guida"));
    cmdEsci = command("cmdEsci", "log-out", QString(), QStringLiteral("Esci"));

    lblPosizione = new SpokenLabel(pan, QStringLiteral("Scheda "), QStringLiteral("Nuova scheda"));
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    lblPosizione->setMinimumWidth(64);
    lblPosizione->setAccessibleDescription(QStringLiteral("Posizione della scheda"));
    lblPosizione->setStyleSheet(QStringLiteral("color: #1f4e79;"));

    auto separator = [pan]() {
        auto* line = new QFrame(pan);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    };
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    for (QWidget* w :
         {static_cast<QWidget*>(cmdNuovo), static_cast<QWidget*>(cmdDuplica), static_cast<QWidget*>(cmdSalva),
          static_cast<QWidget*>(cmdTrova), static_cast<QWidget*>(cmdFile)})
        bar->addWidget(w);
    bar->addWidget(separator());
    bar->addWidget(cmdAnteprima);
    bar->addWidget(separator());
    bar->addWidget(cmdStampa);
    bar->addWidget(separator());
    bar->addWidget(cmdPrimo);
    bar->addWidget(cmdIndietro);
    bar->addWidget(lblPosizione);
    bar->addWidget(cmdAvanti);
    bar->addWidget(cmdUltimo);
    bar->addWidget(separator());
    bar->addWidget(cmdScadute);
    bar->addWidget(cmdEsporta);
    bar->addWidget(cmdImporta);
    bar->addWidget(cmdCancellaDati);
    bar->addWidget(cmdConservazione);
    bar->addStretch();
    bar->addWidget(cmdGuida);
    bar->addWidget(cmdEsci);

    // --- body -------------------------------------------------------------------
    auto* photoButtons = new QHBoxLayout;
    photoButtons->setSpacing(2);
    photoButtons->addWidget(btnCaricaFoto);
    photoButtons->addStretch();
    for (PictureButton* b : {btnWebcam, btnSalvaFoto, btnCancFoto, btnZoomFoto})
        photoButtons->addWidget(b);
    auto* left = new QVBoxLayout;
    left->addWidget(imgFoto);
    left->addLayout(photoButtons);
    left->addStretch();

    titScheda = new QLabel(QStringLiteral("SCHEDA CANDIDATO"), pan);
    titScheda->setObjectName(QStringLiteral("titScheda"));
    titScheda->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    titScheda->setStyleSheet(QStringLiteral("#titScheda { background: #4682B4; color: white; padding: 4px 8px; }"));

    auto row = [&](std::initializer_list<std::pair<QWidget*, int>> cells) {
        auto* h = new QHBoxLayout;
        h->setSpacing(8);
        for (const auto& c : cells)
            h->addWidget(c.first, c.second);
        return h;
    };
    auto c = [&](int i, QWidget* button = nullptr) { return cell(pan, captions[i], m_fields[i], button); };

    auto* right = new QVBoxLayout;
    right->setSpacing(9);
    right->addWidget(titScheda);
    right->addLayout(row({{c(0), 5}, {c(1), 0}, {c(2), 0}, {c(3), 3}}));
    right->addLayout(row({{c(4), 3}, {c(5), 5}}));
    right->addLayout(row({{c(6), 4}, {c(7), 0}, {c(8), 4}}));
    // The fill command sits beside the check button of the fiscal code.
    auto* codeButtons = new QWidget(pan);
    auto* codeButtonsRow = new QHBoxLayout(codeButtons);
    codeButtonsRow->setContentsMargins(0, 0, 0, 0);
    codeButtonsRow->setSpacing(2);
    codeButtonsRow->addWidget(btnCodFisc);
    codeButtonsRow->addWidget(btnFillFromCode);
    right->addLayout(row({{c(9, codeButtons), 4}, {c(10, btnPartitaIva), 3}, {c(11), 4}}));
    right->addLayout(row({{c(12), 1}, {c(13), 1}}));
    right->addLayout(row({{c(14, btnEmail), 4}, {c(15), 3}, {c(16), 3}}));
    right->addLayout(row({{c(17), 4}, {c(18), 4}, {c(19), 0}, {c(20), 0}}));
    right->addLayout(row({{c(21), 1}}));
    right->addLayout(row({{c(22), 3}, {c(23), 2}}));

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(left);
    body->addLayout(right, 1);

    auto* noteRow = new QHBoxLayout;
    noteRow->setSpacing(8);
    noteRow->addWidget(c(24), 1);
    auto* flag = new QHBoxLayout;
    flag->setSpacing(4);
    flag->addWidget(icoRicontatta);
    flag->addWidget(chkRicontatta);
    auto* flagBox = new QVBoxLayout;
    flagBox->addStretch();
    flagBox->addLayout(flag);
    noteRow->addLayout(flagBox);

    shpInfo = new InfoBar(idleText(), kStrip, pan);
    panInfo = shpInfo->panInfo();

    auto* inner = new QVBoxLayout(pan);
    inner->setContentsMargins(10, 6, 10, 6);
    inner->setSpacing(8);
    inner->addLayout(bar);
    auto* rule = new QFrame(pan);
    rule->setObjectName(QStringLiteral("bkgBarra"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    inner->addWidget(rule);
    inner->addLayout(body);
    inner->addSpacing(6);
    inner->addLayout(noteRow);
    inner->addStretch();
    inner->addWidget(shpInfo);

    auto* outer = new QVBoxLayout(this);
    outer->addStretch();
    auto* centreRow = new QHBoxLayout;
    centreRow->addStretch();
    centreRow->addWidget(panCandidati);
    centreRow->addStretch();
    outer->addLayout(centreRow);
    outer->addStretch();

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
          static_cast<QWidget*>(rule), static_cast<QWidget*>(imgFoto), static_cast<QWidget*>(icoRicontatta)})
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
    resize(1100, 760);
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
