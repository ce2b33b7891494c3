#include "sessions/ui/Torneo.h"

#include "sessions/ui/ExpTorneo.h"
#include "tools/ui/FiscalCodeGuard.h"

#include "base/core/AccessMode.h"
#include "base/core/Clock.h"
#include "base/core/Formats.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/ui/TrovaCandidati.h"
#include "sessions/core/InterviewCardRules.h"
#include "sessions/core/InterviewStore.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/ScoreText.h"
#include "sessions/ui/AnteprimaPagina.h"
#include "sessions/ui/DetailsField.h"
#include "sessions/ui/GridWindow.h"
#include "sessions/ui/SealNotice.h"
#include "sessions/ui/Segnalati.h"
#include "sessions/ui/StampaPagina.h"
#include "sessions/ui/TrovaPagina.h"
#include "shared/ui/DecimalPoint.h"
#include "shared/ui/EnterChain.h"
#include "shared/ui/FieldColour.h"
#include "shared/ui/FieldText.h"
#include "shared/ui/FiscalCodeField.h"
#include "shared/ui/Help.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SelectOnClick.h"
#include "shared/ui/SpokenLabel.h"
#include "shared/ui/UnstorableLetters.h"
#include "shared/ui/WriteGuard.h"
#include "sittings/ui/CalendarWindow.h"
#include "tools/core/DatePickerRules.h"
#include "tools/ui/Calcolatrice_Scientifica.h"
#include "tools/ui/Calendario.h"
#include "tools/ui/CodFisc.h"
#include "tools/ui/PartitaIva.h"
#include "ui_TfrmTorneo.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kTopic = QStringLiteral("Gestione sessioni colloqui di lavoro");
const QString kArchivioVuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kIdle = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QColor kStrip(0x1f, 0x4e, 0x79);

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

} // namespace

TfrmTorneo::TfrmTorneo(QWidget* parent)
    : ScreenWindow(parent)
    , m_ui(new Ui::TfrmTorneo)
{
    Formats::apply();
    m_ui->setupUi(this);
    lblNome = m_ui->lblNome;
    lblPosizione = m_ui->lblPosizione;
    txtConcorrente = m_ui->txtConcorrente;
    txtResponsabile = m_ui->txtResponsabile;
    txtTelefono = m_ui->txtTelefono;
    txtEmail = m_ui->txtEmail;
    txtGare = m_ui->txtGare;
    txtPunteggio = m_ui->txtPunteggio;
    txtNote = m_ui->txtNote;
    chkCompletato = m_ui->chkCompletato;
    infConcorrente = m_ui->infConcorrente;
    infResponsabile = m_ui->infResponsabile;
    infTelefono = m_ui->infTelefono;
    infEmail = m_ui->infEmail;
    infGare = m_ui->infGare;
    infPunteggio = m_ui->infPunteggio;
    infNote = m_ui->infNote;
    cmdNuovo = m_ui->cmdNuovo;
    cmdSalva = m_ui->cmdSalva;
    cmdTrova = m_ui->cmdTrova;
    cmdAnteprima = m_ui->cmdAnteprima;
    cmdStampa = m_ui->cmdStampa;
    cmdPrimo = m_ui->cmdPrimo;
    cmdIndietro = m_ui->cmdIndietro;
    cmdAvanti = m_ui->cmdAvanti;
    cmdUltimo = m_ui->cmdUltimo;
    cmdExcel = m_ui->cmdExcel;
    cmdNonPagati = m_ui->cmdNonPagati;
    cmdGriglia = m_ui->cmdGriglia;
    cmdCalendario = m_ui->cmdCalendario;
    cmdGuida = m_ui->cmdGuida;
    cmdEsci = m_ui->cmdEsci;
    btnCandidato = m_ui->btnCandidato;
    btnEmail = m_ui->btnEmail;
    btnCalcolatrice = m_ui->btnCalcolatrice;
    btnData = m_ui->btnData;
    btnGriglia = m_ui->btnGriglia;

    setWindowIcon(selvoraIcon(QStringLiteral("trophy")));
    {
        QPalette pal = palette();
        QLinearGradient gradient(0, 0, 0, 900);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, QColor(0xBF, 0xD8, 0xEF));
        pal.setBrush(QPalette::Window, gradient);
        setPalette(pal);
    }
    {
        QPalette pal = lblNome->palette();
        pal.setColor(QPalette::Window, QColor(0x2B, 0x5F, 0xA8));
        pal.setColor(QPalette::WindowText, Qt::yellow);
        lblNome->setPalette(pal);
    }
    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    // Each field takes as much as the card's record holds for it.
    txtConcorrente->setMaxLength(MaxConcorrente);
    txtResponsabile->setMaxLength(MaxResponsabile);
    txtTelefono->setMaxLength(MaxTelefono);
    txtEmail->setMaxLength(MaxEmail);
    txtPunteggio->setMaxLength(MaxPunteggio);
    txtNote->setMaxLength(MaxNote);
    m_ui->txtGare->setLimit(MaxGare);
    for (QLineEdit* f : {txtConcorrente, txtResponsabile, txtTelefono, txtEmail, txtPunteggio, txtNote})
        FieldColour::install(f);
    // Right-aligned and pre-filled with "0,00": a click would put the cursor
    // before the text and "8" would become "80,00". Only typed digits and
    // commas reach the score: the form takes away its menu and drops.
    SelectOnClick::install(txtPunteggio);

    // The code, date and score fields are as wide as a fiscal code.
    const int narrow =
        QFontMetrics(txtResponsabile->font()).horizontalAdvance(QStringLiteral("WWWWWWWWWWWWWWWW")) * 3 / 4;
    for (QLineEdit* f : {txtResponsabile, txtEmail, txtPunteggio})
        f->setFixedWidth(narrow);

    // The information bar closes the window; the seal notice stands under
    // the session's name.
    shpInfo = new InfoBar(kIdle, kStrip, this);
    panInfo = shpInfo->panInfo();
    m_ui->layout->addWidget(shpInfo);
    lblSigillo = SealNotice::create(this);
    m_ui->layout->insertWidget(1, lblSigillo);

    // Information bar texts (also the tooltips).
    shpInfo->describe(cmdNuovo, QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda."));
    shpInfo->describe(cmdSalva, QStringLiteral("Salva la scheda corrente in archivio."));
    shpInfo->describe(cmdTrova, QStringLiteral("Trova una scheda in archivio."));
    shpInfo->describe(cmdAnteprima, QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."));
    shpInfo->describe(cmdStampa, QStringLiteral("Stampa la scheda corrente."));
    shpInfo->describe(cmdPrimo, QStringLiteral("Visualizza la prima scheda in archivio."));
    shpInfo->describe(cmdIndietro, QStringLiteral("Visualizza la scheda precedente in archivio."));
    shpInfo->describe(cmdAvanti, QStringLiteral("Visualizza la scheda successiva in archivio."));
    shpInfo->describe(cmdUltimo, QStringLiteral("Visualizza l'ultima scheda in archivio."));
    shpInfo->describe(cmdExcel, QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    shpInfo->describe(cmdNonPagati, QStringLiteral("Visualizza l'elenco dei candidati che hanno ottenuto l'idoneità."));
    shpInfo->describe(cmdGuida, QStringLiteral("Visualizza la pagina della guida in linea sensibile al contesto."));
    shpInfo->describe(cmdEsci, QStringLiteral("Esci da questa schermata di lavoro."));
    shpInfo->describe(btnCandidato, QStringLiteral("Importa i dati dall'archivio dei candidati."));
    shpInfo->describe(btnEmail, QStringLiteral("Verifica codice fiscale."));
    shpInfo->describe(btnCalcolatrice, QStringLiteral("Apri calcolatrice."));
    shpInfo->describe(btnData, QStringLiteral("Scegli la data del colloquio dal calendario (Alt+Giù o F4)."));
    shpInfo->describe(cmdCalendario,
                      QStringLiteral("Prepara il calendario dei colloqui della sessione e gli inviti di calendario."));
    shpInfo->describe(cmdGriglia,
                      QStringLiteral("Apri la griglia di valutazione della commissione per la scheda corrente."));
    shpInfo->describe(btnGriglia, QStringLiteral("Calcola il punteggio totale con la griglia di valutazione."));
    shpInfo->describe(chkCompletato,
                      QStringLiteral("Spunta questa casella per annotare che il candidato è risultato idoneo."));
    shpInfo->clearOver(this);
    shpInfo->clearOver(m_ui->panComandi);
    shpInfo->clearOver(m_ui->panScheda);
    shpInfo->clearOver(lblNome);

    // Enter moves along the card; the date and score fields handle their own
    // keys, the details take Enter as a new line.
    EnterChain::link(txtConcorrente, txtResponsabile);
    EnterChain::link(txtResponsabile, txtTelefono);
    EnterChain::link(txtTelefono, txtEmail);
    EnterChain::link(txtNote, txtConcorrente);
    txtEmail->installEventFilter(this);
    txtPunteggio->installEventFilter(this);

    // Tab follows the card as the form orders it: the score's own pictures
    // come after the score, so the grid is reachable from the keyboard.

    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmTorneo::cmdNuovoClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmTorneo::cmdSalvaClick);
    WriteGuard::mark(cmdSalva, shpInfo);
    // A card that cannot be stored is not started nor changed either.
    WriteGuard::mark({cmdNuovo, btnCandidato, btnCalcolatrice, btnData}, shpInfo);
    WriteGuard::markFields(
        {txtConcorrente, txtResponsabile, txtTelefono, txtEmail, txtGare, txtPunteggio, txtNote, chkCompletato},
        shpInfo);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmTorneo::cmdTrovaClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &TfrmTorneo::cmdAnteprimaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmTorneo::cmdStampaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, &TfrmTorneo::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &TfrmTorneo::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &TfrmTorneo::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &TfrmTorneo::cmdUltimoClick);
    connect(cmdExcel, &QToolButton::clicked, this, &TfrmTorneo::cmdExcelClick);
    connect(cmdNonPagati, &QToolButton::clicked, this, &TfrmTorneo::cmdNonPagatiClick);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmTorneo::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TfrmTorneo::cmdEsciClick);
    connect(btnCandidato, &QToolButton::clicked, this, &TfrmTorneo::btnCandidatoClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmTorneo::btnEmailClick);
    connect(btnCalcolatrice, &QToolButton::clicked, this, &TfrmTorneo::btnCalcolatriceClick);
    connect(btnData, &QToolButton::clicked, this, &TfrmTorneo::openDatePicker);
    connect(cmdGriglia, &QToolButton::clicked, this, &TfrmTorneo::cmdGrigliaClick);
    connect(cmdCalendario, &QToolButton::clicked, this, &TfrmTorneo::cmdCalendarioClick);
    connect(btnGriglia, &QToolButton::clicked, this, &TfrmTorneo::cmdGrigliaClick);
    connect(txtResponsabile, &QLineEdit::textEdited, this, &TfrmTorneo::txtResponsabileTyping);

    // Command keys, pressed as the pictures are (and named in their tooltips).
    KeyCommands::bindCard(this, {cmdSalva, cmdNuovo, cmdTrova, cmdStampa, cmdAvanti, cmdIndietro, cmdGuida, cmdEsci});
    KeyCommands::bind(this, cmdGriglia, {KeyCommands::Grid});
}

TfrmTorneo::~TfrmTorneo() = default;

void TfrmTorneo::showEvent(QShowEvent* event)
{
    // Restoring a minimised window is not a new opening.
    if (!event->spontaneous()) {
        NuovaScheda();
        SealNotice::refresh(lblSigillo, lblFile->text());
        // The bar still held the last command pointed at before the window
        // was left (usually the exit command): a fresh visit starts idle.
        panInfo->setText(kIdle);
    }
    ScreenWindow::showEvent(event);
}

void TfrmTorneo::NuovaScheda()
{
    txtConcorrente->clear();
    txtResponsabile->clear();
    txtResponsabile->setMaxLength(MaxResponsabile);
    txtTelefono->clear();
    txtEmail->setMaxLength(MaxEmail);
    txtEmail->setText(Formats::shortDate(Clock::today()));
    txtGare->clear();
    txtPunteggio->setMaxLength(MaxPunteggio);
    txtPunteggio->setText(ScoreText::Zero);
    txtNote->clear();
    chkCompletato->setChecked(false);
    lblPosizione->clear();
    txtConcorrente->setFocus();
}

void TfrmTorneo::cmdNuovoClick()
{
    NuovaScheda();
}

// --- browsing -------------------------------------------------------------

void TfrmTorneo::MostraScheda(const TSchedaColloquio& scheda, qint64 n)
{
    // A card written elsewhere may hold more than the field's own limit:
    // it is shown whole, so that storing it again loses nothing.
    FieldText::set(txtConcorrente, scheda.Candidato, MaxConcorrente);
    FieldText::set(txtResponsabile, scheda.CodiceFiscale, MaxResponsabile);
    FieldText::set(txtTelefono, scheda.Provenienza, MaxTelefono);
    FieldText::set(txtEmail, scheda.DataColloquio, MaxEmail);
    txtGare->setPlainText(InterviewDetails::fromRecord(scheda.Dettagli));
    FieldText::set(txtPunteggio, scheda.Punteggio, MaxPunteggio);
    FieldText::set(txtNote, scheda.Note, MaxNote);
    if (scheda.isIdoneo())
        chkCompletato->setChecked(true);
    else if (scheda.isNonIdoneo())
        chkCompletato->setChecked(false);
    // Any other flag leaves the box as it was.
    lblPosizione->setText(QString::number(n));
}

void TfrmTorneo::navigate(int command)
{
    const auto c = static_cast<InterviewNavigation::Command>(command);
    const QString position = lblPosizione->text();
    if (InterviewNavigation::needsNoFile(c, position))
        return;
    RecordFile file(TextRules::trimmed(lblFile->text()), TSchedaColloquio::Size);
    if (!file.open()) {
        Messages::error(this, RecordFile::accessMessage());
        return;
    }
    const InterviewNavigation::Step step = InterviewNavigation::decide(c, position, file.count());
    switch (step.kind) {
    case InterviewNavigation::Step::Nothing:
        return;
    case InterviewNavigation::Step::EmptyArchive:
        file.close();
        if (step.clearPosition)
            lblPosizione->clear();
        Messages::information(this, kArchivioVuoto);
        return;
    case InterviewNavigation::Step::Error:
        file.close();
        Messages::error(this, RecordFile::accessMessage());
        return;
    case InterviewNavigation::Step::Show: {
        QByteArray record;
        const bool read = file.read(step.card, &record);
        file.close();
        if (!read) {
            Messages::error(this, RecordFile::accessMessage());
            return;
        }
        MostraScheda(TSchedaColloquio::decode(record), step.card);
        return;
    }
    }
}

void TfrmTorneo::cmdPrimoClick()
{
    navigate(int(InterviewNavigation::Command::First));
}
void TfrmTorneo::cmdIndietroClick()
{
    navigate(int(InterviewNavigation::Command::Back));
}
void TfrmTorneo::cmdAvantiClick()
{
    navigate(int(InterviewNavigation::Command::Forward));
}
void TfrmTorneo::cmdUltimoClick()
{
    navigate(int(InterviewNavigation::Command::Last));
}

// --- store ----------------------------------------------------------------

TSchedaColloquio TfrmTorneo::cardFromFields() const
{
    // The fields exactly as they stand; the record cuts each to its width.
    TSchedaColloquio s;
    s.Candidato = txtConcorrente->text();
    s.CodiceFiscale = txtResponsabile->text();
    s.Provenienza = txtTelefono->text();
    s.DataColloquio = txtEmail->text();
    s.Dettagli = InterviewDetails::toRecord(txtGare->document()->toRawText());
    s.Punteggio = txtPunteggio->text();
    s.Note = txtNote->text();
    s.Idoneo = chkCompletato->isChecked() ? QStringLiteral("Sì") : QStringLiteral("No");
    return s;
}

void TfrmTorneo::cmdSalvaClick()
{
    switch (InterviewStore::firstMissing(txtConcorrente->text(), txtEmail->text(), txtPunteggio->text())) {
    case InterviewStore::Missing::Candidate:
        Messages::warning(
            this, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del candidato."));
        txtConcorrente->setFocus();
        return;
    case InterviewStore::Missing::Date:
        Messages::warning(
            this, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data del colloquio."));
        txtEmail->setFocus();
        return;
    case InterviewStore::Missing::Score:
        Messages::warning(
            this,
            QStringLiteral(
                "Attenzione: per salvare la scheda è necessario indicare il punteggio totale ottenuto dal candidato."));
        txtPunteggio->setFocus();
        return;
    case InterviewStore::Missing::None:
        break;
    }
    // A date typed here must exist; a date read from the file is stored as
    // it was.
    if (txtEmail->isModified()) {
        const QDate date = DatePickerRules::read(txtEmail->text());
        if (!date.isValid()) {
            Messages::warning(this, DatePickerRules::invalidDateMessage(txtEmail->text()));
            txtEmail->setFocus();
            return;
        }
        txtEmail->setText(DatePickerRules::testo(date));
    }
    if (!UnstorableLetters::confirmStore(
            this, {txtConcorrente, txtResponsabile, txtTelefono, txtEmail, txtGare, txtPunteggio, txtNote}))
        return;
    // The interview card has only the name to compare with the code.
    if (!FiscalCodeGuard::confirmStore(this, txtResponsabile->text(), {txtConcorrente->text(), {}, {}, {}})) {
        txtResponsabile->setFocus();
        return;
    }
    // A session whose ranking was published: the store breaks its seal.
    if (!SealNotice::confirmStore(this, lblFile->text()))
        return;

    // The store writes the score as leaving its field would have left it, even
    // when the field still has the focus, and the field shows it so.
    const InterviewStore::Outcome stored =
        InterviewStore::store(cardFromFields(), lblFile->text(), lblPosizione->text());
    if (!stored.ok) {
        Messages::plain(this, stored.error);
        return;
    }
    FieldText::set(txtPunteggio, stored.score, MaxPunteggio);
    lblPosizione->setText(QString::number(stored.position));
    SealNotice::refresh(lblSigillo, lblFile->text());
    if (stored.appended)
        Messages::information(this, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    else
        Messages::information(
            this, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

// --- fields ---------------------------------------------------------------

bool TfrmTorneo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPunteggio) {
        if (event->type() == QEvent::KeyPress)
            return txtPunteggioKeyDown(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            // Only a move to another control ends the edit; a dialog or
            // another window coming up in front does not.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                txtPunteggioExit();
        }
        if ((event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonPress) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            return true;
    } else if (watched == txtEmail && event->type() == QEvent::KeyPress) {
        return txtEmailKeyDown(static_cast<QKeyEvent*>(event));
    } else if (watched == txtEmail && event->type() == QEvent::FocusOut && txtEmail->isModified()) {
        // "3/4/2025" is written as the card keeps dates: 03/04/2025. A date
        // that does not exist stays as typed until the store says so.
        const QDate date = DatePickerRules::read(txtEmail->text());
        if (date.isValid() && DatePickerRules::testo(date) != txtEmail->text()) {
            txtEmail->setText(DatePickerRules::testo(date));
            txtEmail->setModified(true);
        }
    }
    return ScreenWindow::eventFilter(watched, event);
}

bool TfrmTorneo::txtPunteggioKeyDown(QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        txtNote->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    // A point is the decimal comma or refused with a message, never dropped.
    if (DecimalPoint::keyPressed(txtPunteggio, key))
        return true;
    const QString text = key->text();
    const bool comando = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!comando && text.size() == 1 && ScoreText::isScoreChar(text.at(0)))
        return false;
    return true; // every other key does nothing here
}

void TfrmTorneo::txtPunteggioExit()
{
    // The resting colour comes from the field colouring, already applied. The
    // normalised score is shown whole: the limit is for typing only.
    FieldText::set(txtPunteggio, ScoreText::normalizza(txtPunteggio->text()), MaxPunteggio);
}

bool TfrmTorneo::txtEmailKeyDown(QKeyEvent* key)
{
    // A read-only run changes no date: the keys only move in the field.
    if (AccessMode::readOnly())
        return false;
    // The date is typed: digits and the slash; the calendar opens on Alt+Down
    // or F4, as a date field's list does.
    const bool alt = key->modifiers() & Qt::AltModifier;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        txtGare->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_F4:
        openDatePicker();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        // A date shown or picked goes at once; one being typed is edited.
        if (!txtEmail->isModified()) {
            txtEmail->clear();
            return true;
        }
        return false;
    case Qt::Key_Down:
        if (alt) {
            openDatePicker();
            return true;
        }
        return false;
    default:
        break;
    }
    const QString text = key->text();
    const bool comando = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (comando || text.isEmpty() || isModifierOnly(key->key()))
        return false; // editing and command keys, arrows, Tab
    const QChar c = text.at(0);
    if (text.size() == 1 && (c.isDigit() || c == QLatin1Char('/')))
        return false;
    if (text.size() == 1 && !c.isPrint())
        return false; // Backspace and the like
    return true; // letters and signs have no place in a date
}

void TfrmTorneo::openDatePicker()
{
    std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario(this));
    dlg->lblMemory->setText(DatePickerRules::TagTorneoEmail);
    // The calendar opens on the date in the field, when it is one.
    const QDate shown = DatePickerRules::read(txtEmail->text());
    if (shown.isValid())
        dlg->calAppuntamenti->setSelectedDate(shown);
    connect(dlg.get(), &TfrmCalendario::dateChosen, txtEmail, &QLineEdit::setText);
    Modal::run(dlg.get());
    txtEmail->setFocus(Qt::OtherFocusReason);
}

void TfrmTorneo::txtResponsabileTyping(const QString& text)
{
    FiscalCodeField::typed(txtResponsabile, text);
}

// --- tools ----------------------------------------------------------------

void TfrmTorneo::btnEmailClick()
{
    const QString s = TextRules::trimmed(txtResponsabile->text());
    if (!s.isEmpty() && SoloCifre(s)) {
        std::unique_ptr<TfrmPartitaIva> dlg(new TfrmPartitaIva(this));
        FieldText::set(dlg->txtPartitaIva, s, TfrmPartitaIva::MaxPartitaIva);
        Modal::run(dlg.get());
        return;
    }
    std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc(this));
    FieldText::set(dlg->txtCodFisc, s, TfrmCodFisc::MaxCodFisc);
    Modal::run(dlg.get());
}

void TfrmTorneo::btnCalcolatriceClick()
{
    std::unique_ptr<TfrmCalcolatrice_Scientifica> dlg(new TfrmCalcolatrice_Scientifica(this));
    connect(dlg.get(), &TfrmCalcolatrice_Scientifica::valueImported, this, [this](const QString& value) {
        // Shown whole and from its first digit, however long the number.
        FieldText::set(txtPunteggio, value, MaxPunteggio);
        txtPunteggio->setFocus();
    });
    Modal::run(dlg.get());
}

void TfrmTorneo::cmdCalendarioClick()
{
    CalendarWindow dialog(TextRules::trimmed(lblFile->text()), TextRules::trimmed(lblNome->text()), this);
    Modal::run(&dialog);
}

void TfrmTorneo::cmdGrigliaClick()
{
    std::unique_ptr<GridWindow> dlg(new GridWindow(this));
    if (dlg->load())
        Modal::run(dlg.get());
    SealNotice::refresh(lblSigillo, lblFile->text());
}

void TfrmTorneo::cmdGuidaClick()
{
    Help::showTopic(this, kTopic);
}

void TfrmTorneo::cmdEsciClick()
{
    close();
}

// Windows of other parts of the program, wired in as they are built.
void TfrmTorneo::cmdTrovaClick()
{
    std::unique_ptr<TfrmTrovaPagina> dlg(new TfrmTrovaPagina(this));
    dlg->lblMemory->setText(TfrmTrovaPagina::modoTorneo());
    Modal::run(dlg.get());
}

void TfrmTorneo::cmdAnteprimaClick()
{
    // The preview reads the card as it stands in the fields, saved or not.
    std::unique_ptr<TfrmAnteprimaPagina> dlg(new TfrmAnteprimaPagina(this));
    Modal::run(dlg.get());
}

void TfrmTorneo::cmdStampaClick()
{
    // The print reads the card as it stands in the fields, saved or not.
    std::unique_ptr<TfrmStampaPagina> dlg(new TfrmStampaPagina(this));
    Modal::run(dlg.get());
}

void TfrmTorneo::cmdExcelClick()
{
    // The export window reads the open session's path from lblFile.
    std::unique_ptr<TfrmExpTorneo> dialog(new TfrmExpTorneo(this));
    Modal::run(dialog.get());
}

void TfrmTorneo::cmdNonPagatiClick()
{
    Modal::run(m_suitableList.get(this));
}

void TfrmTorneo::btnCandidatoClick()
{
    std::unique_ptr<TfrmTrovaCandidati> dlg(new TfrmTrovaCandidati(this));
    dlg->lblMemory->setText(TfrmTrovaCandidati::modoTorneo());
    Modal::run(dlg.get());
}
