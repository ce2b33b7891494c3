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
#include "tools/core/DatePickerRules.h"
#include "tools/ui/Calcolatrice_Scientifica.h"
#include "tools/ui/Calendario.h"
#include "tools/ui/CodFisc.h"
#include "tools/ui/PartitaIva.h"

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

// The interview details: a multi-line field whose limit counts each line
// break as the two characters (CR LF) it takes in the record, so that what
// the field accepts always fits the record whole.
class DetailsField : public QPlainTextEdit
{
public:
    DetailsField(int limit, QWidget* parent)
        : QPlainTextEdit(parent)
        , m_limit(limit)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QString text = event->text();
        const bool printable = !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127;
        if ((enter || printable) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const int needed = enter ? 2 : InterviewDetails::lengthInRecord(text);
            if (needed > room())
                return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source->hasText())
            return;
        QString text = source->text();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        // Pasted text is cut to the room the record has left.
        int budget = room();
        QString piece;
        for (const QChar c : text) {
            const int cost = c == QLatin1Char('\n') ? 2 : 1;
            if (cost > budget)
                break;
            budget -= cost;
            piece += c;
        }
        if (!piece.isEmpty())
            insertPlainText(piece);
    }

private:
    int room() const
    {
        const int used = InterviewDetails::lengthInRecord(document()->toRawText());
        const int freed = InterviewDetails::lengthInRecord(textCursor().selectedText());
        return m_limit - used + freed;
    }

    int m_limit;
};

QLineEdit* makeField(QWidget* parent, const QString& name, int maxLength, const QString& accessible)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    field->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    field->setAccessibleName(accessible);
    field->setMinimumHeight(30);
    FieldColour::install(field);
    return field;
}

QLabel* didascalia(QWidget* parent, const QString& name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    label->setStyleSheet(QStringLiteral("color: #1f4e79;"));
    label->setBuddy(buddy);
    return label;
}

PictureButton* makeCommand(QWidget* parent, const QString& name, const QString& icon, const QString& caption,
                           const QString& accessible)
{
    auto* button = new PictureButton(name, icon, caption, accessible, parent);
    button->setFont(QFont(QStringLiteral("Verdana"), 9));
    button->setMinimumWidth(caption.isEmpty() ? 40 : 72);
    button->setMinimumHeight(58);
    return button;
}

bool soloModificatore(int key)
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
{
    Formats::apply();
    setObjectName(QStringLiteral("frmTorneo"));
    setWindowTitle(QStringLiteral(" Selvora - Gestione sessione"));
    setWindowIcon(selvoraIcon(QStringLiteral("trophy")));
    setAutoFillBackground(true);
    {
        QPalette pal = palette();
        QLinearGradient gradient(0, 0, 0, 900);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, QColor(0xBF, 0xD8, 0xEF));
        pal.setBrush(QPalette::Window, gradient);
        setPalette(pal);
    }

    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    // Title strip with the session name.
    lblNome = new SpokenLabel(this);
    lblNome->setText(QStringLiteral("Nome Sessione"));
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setAlignment(Qt::AlignCenter);
    lblNome->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    lblNome->setAutoFillBackground(true);
    lblNome->setMinimumHeight(34);
    {
        QPalette pal = lblNome->palette();
        pal.setColor(QPalette::Window, QColor(0x2B, 0x5F, 0xA8));
        pal.setColor(QPalette::WindowText, Qt::yellow);
        lblNome->setPalette(pal);
    }
    // A screen reader hears the session's name itself.
    lblNome->setAccessibleDescription(QStringLiteral("Nome della sessione"));

    // Command bar: each command in a white box.
    auto* barra = new QFrame(this);
    barra->setObjectName(QStringLiteral("panComandi"));
    barra->setStyleSheet(
        QStringLiteral("#panComandi { background: transparent; }"
                       "#panComandi QToolButton { background: white; border: 1px solid #9DB9D9; border-radius: 6px;"
                       " padding: 2px 6px; color: #1f4e79; }"
                       "#panComandi QToolButton:hover { background: #EAF3FC; border-color: #4682B4; }"
                       "#panComandi QToolButton:pressed { background: #D6E8F8; }"));
    cmdNuovo = makeCommand(barra, QStringLiteral("cmdNuovo"), QStringLiteral("file-plus"), QStringLiteral("Nuovo"),
                           QStringLiteral("Nuova scheda"));
    cmdSalva = makeCommand(barra, QStringLiteral("cmdSalva"), QStringLiteral("save"), QStringLiteral("Salva"),
                           QStringLiteral("Salva la scheda"));
    cmdTrova = makeCommand(barra, QStringLiteral("cmdTrova"), QStringLiteral("search"), QStringLiteral("Trova"),
                           QStringLiteral("Trova una scheda"));
    cmdAnteprima = makeCommand(barra, QStringLiteral("cmdAnteprima"), QStringLiteral("eye"),
                               QStringLiteral("Anteprima"), QStringLiteral("Anteprima di stampa"));
    cmdStampa = makeCommand(barra, QStringLiteral("cmdStampa"), QStringLiteral("printer"), QStringLiteral("Stampa"),
                            QStringLiteral("Stampa la scheda"));
    cmdPrimo = makeCommand(barra, QStringLiteral("cmdPrimo"), QStringLiteral("chevrons-left"), QString(),
                           QStringLiteral("Prima scheda"));
    cmdIndietro = makeCommand(barra, QStringLiteral("cmdIndietro"), QStringLiteral("chevron-left"), QString(),
                              QStringLiteral("Scheda precedente"));
    cmdAvanti = makeCommand(barra, QStringLiteral("cmdAvanti"), QStringLiteral("chevron-right"), QString(),
                            QStringLiteral("Scheda successiva"));
    cmdUltimo = makeCommand(barra, QStringLiteral("cmdUltimo"), QStringLiteral("chevrons-right"), QString(),
                            QStringLiteral("Ultima scheda"));
    cmdExcel = makeCommand(barra, QStringLiteral("cmdExcel"), QStringLiteral("file-spreadsheet"),
                           QStringLiteral("Esporta"), QStringLiteral("Esporta in Excel"));
    cmdNonPagati = makeCommand(barra, QStringLiteral("cmdNonPagati"), QStringLiteral("list-checks"),
                               QStringLiteral("Idonei"), QStringLiteral("Elenco degli idonei"));
    cmdGriglia = makeCommand(barra, QStringLiteral("cmdGriglia"), QStringLiteral("users"), QStringLiteral("Griglia"),
                             QStringLiteral("Griglia di valutazione"));
    cmdGuida = makeCommand(barra, QStringLiteral("cmdGuida"), QStringLiteral("circle-help"), QStringLiteral("Guida"),
                           QStringLiteral("Guida"));
    cmdEsci = makeCommand(barra, QStringLiteral("cmdEsci"), QStringLiteral("log-out"), QStringLiteral("Esci"),
                          QStringLiteral("Esci"));

    lblPosizione = new SpokenLabel(barra, QStringLiteral("Scheda "), QStringLiteral("Nuova scheda"));
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    lblPosizione->setMinimumWidth(80);
    lblPosizione->setStyleSheet(
        QStringLiteral("color: #1f4e79; background: white; border: 1px solid #9DB9D9; border-radius: 6px;"));
    lblPosizione->setAccessibleDescription(QStringLiteral("Posizione della scheda"));

    auto* comandi = new QHBoxLayout(barra);
    comandi->setContentsMargins(12, 6, 12, 6);
    comandi->setSpacing(6);
    for (QWidget* w :
         {static_cast<QWidget*>(cmdNuovo), static_cast<QWidget*>(cmdSalva), static_cast<QWidget*>(cmdTrova),
          static_cast<QWidget*>(cmdAnteprima), static_cast<QWidget*>(cmdStampa)})
        comandi->addWidget(w);
    comandi->addSpacing(12);
    comandi->addWidget(cmdPrimo);
    comandi->addWidget(cmdIndietro);
    comandi->addWidget(lblPosizione);
    comandi->addWidget(cmdAvanti);
    comandi->addWidget(cmdUltimo);
    comandi->addSpacing(12);
    comandi->addWidget(cmdExcel);
    comandi->addWidget(cmdNonPagati);
    comandi->addWidget(cmdGriglia);
    comandi->addStretch();
    comandi->addWidget(cmdGuida);
    comandi->addWidget(cmdEsci);

    // The card.
    auto* scheda = new QFrame(this);
    scheda->setObjectName(QStringLiteral("panScheda"));
    scheda->setStyleSheet(
        QStringLiteral("#panScheda { background: white; border: 2px solid #4682B4; border-radius: 8px; }"));
    scheda->setMaximumWidth(1180);

    txtConcorrente = makeField(scheda, QStringLiteral("txtConcorrente"), MaxConcorrente, QStringLiteral("Candidato"));
    txtResponsabile =
        makeField(scheda, QStringLiteral("txtResponsabile"), MaxResponsabile, QStringLiteral("Codice fiscale"));
    txtTelefono = makeField(scheda, QStringLiteral("txtTelefono"), MaxTelefono, QStringLiteral("Provenienza"));
    txtEmail = makeField(scheda, QStringLiteral("txtEmail"), MaxEmail, QStringLiteral("Data colloquio"));
    txtEmail->setAlignment(Qt::AlignCenter);
    txtEmail->setToolTip(QStringLiteral("Scrivere la data nella forma gg/mm/aaaa (per esempio 15/04/2025); "
                                        "Alt+Giù o F4 aprono il calendario."));
    txtPunteggio = makeField(scheda, QStringLiteral("txtPunteggio"), MaxPunteggio, QStringLiteral("Punteggio totale"));
    txtPunteggio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only typed digits and commas reach the score: no menu, no drops, no
    // middle-button paste.
    txtPunteggio->setContextMenuPolicy(Qt::NoContextMenu);
    txtPunteggio->setAcceptDrops(false);
    // Right-aligned and pre-filled with "0,00": a click would put the cursor
    // before the text and "8" would become "80,00".
    SelectOnClick::install(txtPunteggio);
    txtNote = makeField(scheda, QStringLiteral("txtNote"), MaxNote, QStringLiteral("Note"));

    txtGare = new DetailsField(MaxGare, scheda);
    txtGare->setObjectName(QStringLiteral("txtGare"));
    txtGare->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtGare->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGare->setTabChangesFocus(true);
    txtGare->setAccessibleName(QStringLiteral("Dettagli colloquio"));
    txtGare->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; border: 1px solid #87CEEB; }"));
    txtGare->setMinimumHeight(160);

    chkCompletato = new QCheckBox(QStringLiteral("Idoneo"), scheda);
    chkCompletato->setObjectName(QStringLiteral("chkCompletato"));
    chkCompletato->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    chkCompletato->setStyleSheet(
        QStringLiteral("QCheckBox { color: #1e8c3a; } QCheckBox::indicator { width: 20px; height: 20px; }"));

    infConcorrente = didascalia(scheda, QStringLiteral("infConcorrente"), QStringLiteral("Candidato:"), txtConcorrente);
    infResponsabile =
        didascalia(scheda, QStringLiteral("infResponsabile"), QStringLiteral("Codice fiscale:"), txtResponsabile);
    infTelefono = didascalia(scheda, QStringLiteral("infTelefono"), QStringLiteral("Provenienza:"), txtTelefono);
    infEmail = didascalia(scheda, QStringLiteral("infEmail"), QStringLiteral("Data colloquio:"), txtEmail);
    infPunteggio =
        didascalia(scheda, QStringLiteral("infPunteggio"), QStringLiteral("Punteggio totale:"), txtPunteggio);
    infNote = didascalia(scheda, QStringLiteral("infNote"), QStringLiteral("Note:"), txtNote);

    // The heading of the details: a picture with its caption.
    infGare = new QLabel(scheda);
    infGare->setObjectName(QStringLiteral("infGare"));
    infGare->setText(QStringLiteral("<table><tr><td><img src=':/icons/file-text-22.png' width='22' height='22'></td>"
                                    "<td valign='middle'>&nbsp;DETTAGLI COLLOQUIO</td></tr></table>"));
    infGare->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    infGare->setStyleSheet(QStringLiteral(
        "color: #1f4e79; background: #EAF3FC; border: 1px solid #9DB9D9; border-radius: 4px; padding: 3px;"));
    infGare->setBuddy(txtGare);
    infGare->setAccessibleName(QStringLiteral("DETTAGLI COLLOQUIO"));

    btnCandidato = new PictureButton(QStringLiteral("btnCandidato"), QStringLiteral("circle-arrow-right"), QString(),
                                     QStringLiteral("Importa dall'archivio dei candidati"), scheda);
    btnEmail = new PictureButton(QStringLiteral("btnEmail"), QStringLiteral("square-check"), QString(),
                                 QStringLiteral("Verifica codice fiscale"), scheda);
    btnCalcolatrice = new PictureButton(QStringLiteral("btnCalcolatrice"), QStringLiteral("calculator"), QString(),
                                        QStringLiteral("Apri calcolatrice"), scheda);
    btnData = new PictureButton(QStringLiteral("btnData"), QStringLiteral("calendar"), QString(),
                                QStringLiteral("Scegli la data dal calendario"), scheda);
    btnGriglia = new PictureButton(QStringLiteral("btnGriglia"), QStringLiteral("users"), QString(),
                                   QStringLiteral("Apri la griglia di valutazione"), scheda);

    // The code, date and score fields are as wide as a fiscal code.
    const int stretta =
        QFontMetrics(txtResponsabile->font()).horizontalAdvance(QStringLiteral("WWWWWWWWWWWWWWWW")) * 3 / 4;
    for (QLineEdit* f : {txtResponsabile, txtEmail, txtPunteggio})
        f->setFixedWidth(stretta);

    // One grid, so that every field starts at the same column: captions in
    // column 0, fields from column 1.
    auto* griglia = new QGridLayout;
    griglia->setHorizontalSpacing(10);
    griglia->setVerticalSpacing(10);
    griglia->setColumnStretch(2, 1);
    griglia->setColumnStretch(4, 2);
    // Candidate and its import arrow.
    griglia->addWidget(infConcorrente, 0, 0);
    griglia->addWidget(txtConcorrente, 0, 1, 1, 4);
    griglia->addWidget(btnCandidato, 0, 5);
    // Fiscal code with its check, origin.
    griglia->addWidget(infResponsabile, 1, 0);
    griglia->addWidget(txtResponsabile, 1, 1);
    griglia->addWidget(btnEmail, 1, 2, Qt::AlignLeft);
    griglia->addWidget(infTelefono, 1, 3, Qt::AlignRight);
    griglia->addWidget(txtTelefono, 1, 4, 1, 2);
    // Interview date.
    griglia->addWidget(infEmail, 2, 0);
    griglia->addWidget(txtEmail, 2, 1);
    griglia->addWidget(btnData, 2, 2, Qt::AlignLeft);
    // Details.
    griglia->addWidget(infGare, 3, 0, 1, 6);
    griglia->addWidget(txtGare, 4, 0, 1, 6);
    griglia->setRowStretch(4, 1);
    // Score with the calculator, the suitable flag, notes.
    griglia->addWidget(infPunteggio, 5, 0);
    griglia->addWidget(txtPunteggio, 5, 1);
    auto* dopoPunteggio = new QHBoxLayout;
    dopoPunteggio->setSpacing(24);
    dopoPunteggio->addWidget(btnCalcolatrice);
    dopoPunteggio->addWidget(btnGriglia);
    dopoPunteggio->addWidget(chkCompletato);
    dopoPunteggio->addStretch();
    griglia->addLayout(dopoPunteggio, 5, 2, 1, 3);
    griglia->addWidget(infNote, 6, 0);
    griglia->addWidget(txtNote, 6, 1, 1, 5);

    auto* interno = new QVBoxLayout(scheda);
    interno->setContentsMargins(24, 20, 24, 20);
    interno->addLayout(griglia);

    auto* corpo = new QHBoxLayout;
    corpo->setContentsMargins(16, 8, 16, 12);
    corpo->addStretch();
    corpo->addWidget(scheda, 8);
    corpo->addStretch();

    shpInfo = new InfoBar(kIdle, kStrip, this);
    panInfo = shpInfo->panInfo();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lblNome);
    lblSigillo = SealNotice::create(this);
    layout->addWidget(lblSigillo);
    layout->addWidget(barra);
    layout->addLayout(corpo, 1);
    layout->addWidget(shpInfo);

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
    shpInfo->describe(cmdGriglia,
                      QStringLiteral("Apri la griglia di valutazione della commissione per la scheda corrente."));
    shpInfo->describe(btnGriglia, QStringLiteral("Calcola il punteggio totale con la griglia di valutazione."));
    shpInfo->describe(chkCompletato,
                      QStringLiteral("Spunta questa casella per annotare che il candidato è risultato idoneo."));
    shpInfo->clearOver(this);
    shpInfo->clearOver(barra);
    shpInfo->clearOver(scheda);
    shpInfo->clearOver(lblNome);

    // Enter moves along the card; the date and score fields handle their own
    // keys, the details take Enter as a new line.
    EnterChain::link(txtConcorrente, txtResponsabile);
    EnterChain::link(txtResponsabile, txtTelefono);
    EnterChain::link(txtTelefono, txtEmail);
    EnterChain::link(txtNote, txtConcorrente);
    txtEmail->installEventFilter(this);
    txtPunteggio->installEventFilter(this);

    setTabOrder(txtConcorrente, txtResponsabile);
    setTabOrder(txtResponsabile, txtTelefono);
    setTabOrder(txtTelefono, txtEmail);
    setTabOrder(txtEmail, btnData);
    setTabOrder(btnData, txtGare);
    setTabOrder(txtGare, txtPunteggio);
    // The score's own pictures follow it, so the grid is reachable from the keyboard.
    setTabOrder(txtPunteggio, btnCalcolatrice);
    setTabOrder(btnCalcolatrice, btnGriglia);
    setTabOrder(btnGriglia, chkCompletato);
    setTabOrder(chkCompletato, txtNote);

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
    connect(btnGriglia, &QToolButton::clicked, this, &TfrmTorneo::cmdGrigliaClick);
    connect(txtResponsabile, &QLineEdit::textEdited, this, &TfrmTorneo::txtResponsabileTyping);

    // Command keys, pressed as the pictures are (and named in their tooltips).
    KeyCommands::bindCard(this, {cmdSalva, cmdNuovo, cmdTrova, cmdStampa, cmdAvanti, cmdIndietro, cmdGuida, cmdEsci});
    KeyCommands::bind(this, cmdGriglia, {KeyCommands::Grid});

    resize(1280, 860);
}

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
    if (comando || text.isEmpty() || soloModificatore(key->key()))
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
