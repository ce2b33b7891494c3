#include "candidates/ui/TrovaCandidati.h"

#include "app/core/Formats.h"
#include "app/core/RecordFile.h"
#include "app/core/TextRules.h"
#include "app/platform/Messages.h"
#include "app/ui/EnterChain.h"
#include "app/ui/Password.h"
#include "app/ui/PictureButton.h"
#include "app/ui/ScreenWindow.h"
#include "app/ui/Windows.h"
#include "candidates/core/RicercaCandidati.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/DuplicatesWindow.h"
#include "output/core/SummaryReport.h"
#include "output/ui/SummaryList.h"
#include "output/ui/SummaryPrint.h"
#include "report/core/Report.h"
#include "sessions/ui/Torneo.h"
#include "tools/ui/FieldText.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr QSize kClientSize(862, 560);
const QColor kCrimson(0xDC, 0x14, 0x3C);
const QColor kDarkCyan(0x00, 0x8B, 0x8B);

QPushButton* pulsante(QWidget* parent, const char* name, const char* icon, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(selvoraIcon(QString::fromLatin1(icon)), caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    b->setMinimumSize(120, 34);
    b->setIconSize(QSize(18, 18));
    b->setToolTip(tip);
    // Enter in a field moves along the fields; it never presses a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* testoColorato(QWidget* parent, const char* name, const QString& text, const QColor& colour, int size, bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(QFont(QStringLiteral("Verdana"), size, bold ? QFont::Bold : QFont::Normal));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

// A picture, with a short instruction beside it when text is given. The
// icon is drawn at its own size, so it stays sharp.
QLabel* figura(QWidget* parent, const QString& name, const char* icon, const QString& text, int iconSize)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    const QPixmap pixmap = selvoraIcon(QString::fromLatin1(icon)).pixmap(iconSize, iconSize);
    l->setAccessibleName(text.isEmpty() ? name : text);
    if (text.isEmpty()) {
        l->setPixmap(pixmap);
        return l;
    }
    l->setText(text);
    l->setFont(QFont(QStringLiteral("Verdana"), 10));
    l->setWordWrap(true);
    l->setMinimumHeight(iconSize + 4);
    l->setContentsMargins(iconSize + 12, 0, 0, 0);
    auto* picture = new QLabel(l);
    picture->setPixmap(pixmap);
    picture->setGeometry(0, 2, iconSize, iconSize);
    return l;
}

} // namespace

// --- list windows --------------------------------------------------------------

TListWindow::TListWindow(QWidget* parent, const Aspetto& aspetto)
    : QDialog(parent)
    , frxReport(SummaryReport::create(aspetto.reportName))
{
    Formats::apply();
    setWindowTitle(aspetto.caption);
    setWindowIcon(selvoraIcon(QStringLiteral("search")));
    // A fixed frame with a title and no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    QLinearGradient gradient(0, 0, 0, kClientSize.height());
    gradient.setColorAt(0, aspetto.sfondo);
    gradient.setColorAt(1, Qt::white);
    pal.setBrush(QPalette::Window, gradient);
    setPalette(pal);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(QRect(QPoint(0, 0), kClientSize));

    imgLogo = figura(panContainer, QStringLiteral("imgLogo"), "users", QString(), 44);
    imgLogo->setAccessibleName(QStringLiteral("Selvora"));
    m_istruzioni = figura(panContainer, aspetto.istruzioni, "list-checks",
                          QStringLiteral("Per cercare una voce nell'elenco scrivere il testo e premere Trova; "
                                         "premendo di nuovo Trova si passa alla voce successiva."),
                          32);

    txtTrova = new QLineEdit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtTrova->setAccessibleName(QStringLiteral("Testo da trovare"));
    txtTrova->setMinimumWidth(320);
    btnTrova = pulsante(panContainer, "btnTrova", "search", QStringLiteral("Trova"),
                        QStringLiteral("Cerca il testo indicato nell'elenco."));
    TSummaryList::linkFind(txtTrova, btnTrova);

    lstRecords = new TSummaryList(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setSorted(true);
    lstRecords->setAccessibleName(QStringLiteral("Elenco delle schede"));
    lstRecords->viewport()->installEventFilter(this);

    lblRigo03 = testoColorato(panContainer, "lblRigo03", aspetto.rigo03, kCrimson, 10, false);
    lblRigo03->setAlignment(Qt::AlignCenter);

    btnChiudi =
        pulsante(panContainer, "btnChiudi", "x", QStringLiteral("Chiudi"), QStringLiteral("Chiude la finestra."));
    btnStampa = pulsante(panContainer, "btnStampa", "printer", QStringLiteral("Stampa"),
                         QStringLiteral("Stampa il riepilogo su fogli A4 orizzontali."));

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addSpacing(12);
    top->addWidget(m_istruzioni, 1);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addStretch();
    m_rigaComandi = new QWidget(panContainer);
    auto* commandRow = new QHBoxLayout(m_rigaComandi);
    commandRow->setContentsMargins(0, 0, 0, 0);
    commandRow->addWidget(btnChiudi);
    commandRow->addStretch();
    commandRow->addWidget(btnStampa);

    auto* layout = new QVBoxLayout(panContainer);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addLayout(findRow);
    layout->addWidget(lstRecords, 1);
    layout->addWidget(lblRigo03);
    layout->addWidget(m_rigaComandi);

    if (aspetto.ordineRicerca) {
        setTabOrder(txtTrova, btnTrova);
        setTabOrder(btnTrova, lstRecords);
        setTabOrder(lstRecords, btnStampa);
        setTabOrder(btnStampa, btnChiudi);
    } else {
        setTabOrder(txtTrova, lstRecords);
        setTabOrder(lstRecords, btnStampa);
        setTabOrder(btnStampa, btnTrova);
        setTabOrder(btnTrova, btnChiudi);
    }

    connect(btnTrova, &QPushButton::clicked, this, &TListWindow::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TListWindow::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TListWindow::btnChiudiClick);
    connect(lstRecords, &TSummaryList::rowDoubleClicked, this, &TListWindow::lstRecordsDblClick);
}

TListWindow::~TListWindow() = default;

void TListWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    PasswordLook::centre(this);
    FormShow();
}

void TListWindow::done(int result)
{
    // FormClose: the list goes with the window.
    lstRecords->clear();
    QDialog::done(result);
}

bool TListWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A double click beside the lines (none under the mouse) hands nothing
    // over and just closes the window.
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!lstRecords->indexAt(mouse->position().toPoint()).isValid()) {
            close();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TListWindow::btnTrovaClick()
{
    lstRecords->find(this, txtTrova->text(), &m_lastSearched);
}

void TListWindow::btnStampaClick()
{
    SummaryPrint::print(this, *frxReport, titoloStampa(), lstRecords->lines());
}

void TListWindow::btnChiudiClick()
{
    close();
}

void TListWindow::lstRecordsDblClick(int row)
{
    // The line clicked, with the position of its own card: two cards with
    // equal lines are still two lines, each handing over its own card.
    if (row >= 0 && row < lstRecords->count())
        consegna(row);
    close();
}

// --- search windows -----------------------------------------------------------

TSearchWindow::TSearchWindow(QWidget* parent, const Aspetto& aspetto, const QList<CampoFiltro>& campi, int sinistra)
    : TListWindow(parent, aspetto)
{
    panContainer->setVisible(false);

    panAvvio = new QFrame(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(QRect(QPoint(0, 0), kClientSize));

    imgSpiega = figura(panAvvio, QStringLiteral("imgSpiega"), "search",
                       QStringLiteral("Compilare uno o più campi e premere Cerca: saranno elencate le schede "
                                      "che contengono tutti i testi indicati, senza distinguere maiuscole e "
                                      "minuscole. Con tutti i campi vuoti sono elencate tutte le schede."),
                       36);
    m_angolo = new QWidget(panAvvio);
    auto* angoloLayout = new QVBoxLayout(m_angolo);
    angoloLayout->setContentsMargins(0, 0, 0, 0);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < campi.size(); ++i) {
        const CampoFiltro& c = campi.at(i);
        auto* field = new QLineEdit;
        field->setObjectName(c.nome);
        field->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        field->setMaxLength(32767); // no limit of its own
        QFrame* eff = PasswordLook::highlight(panAvvio, c.rettangolo);
        QWidget* stack = PasswordLook::stack(panAvvio, eff, field);
        auto* label = new QLabel(c.etichetta, panAvvio);
        label->setObjectName(QStringLiteral("inf") + c.nome.mid(3));
        label->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
        label->setBuddy(field);
        field->setAccessibleName(TextRules::trimmed(c.etichetta).chopped(1));
        field->installEventFilter(this);
        const int column = i < sinistra ? 0 : 1;
        const int row = (i < sinistra ? i : i - sinistra) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(stack, row + 1, column);
        m_filtri.append(field);
        m_rettangoli.append(eff);
    }
    for (int i = 0; i < m_filtri.size(); ++i) {
        // Enter goes round the fields, from the last back to the first.
        EnterChain::link(m_filtri.at(i), m_filtri.at((i + 1) % m_filtri.size()));
        if (i > 0)
            setTabOrder(m_filtri.at(i - 1), m_filtri.at(i));
    }

    btnAnnulla = pulsante(panAvvio, "btnAnnulla", "x", QStringLiteral("Chiudi"), QStringLiteral("Chiude la finestra."));
    btnCerca = pulsante(panAvvio, "btnCerca", "search", QStringLiteral("Cerca"),
                        QStringLiteral("Cerca le schede che contengono i testi indicati."));
    btnCerca->installEventFilter(this);
    lblAttendere = testoColorato(panAvvio, "lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."),
                                 kDarkCyan, 11, true);
    lblAttendere->setAlignment(Qt::AlignCenter);
    lblAttendere->setVisible(false);
    {
        QSizePolicy sp = lblAttendere->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        lblAttendere->setSizePolicy(sp);
    }
    lblConta = makeHiddenLabel(this, QStringLiteral("lblConta"));
    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));
    if (!m_filtri.isEmpty()) {
        setTabOrder(m_filtri.last(), btnCerca);
        setTabOrder(btnCerca, btnAnnulla);
    }

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_angolo, 0, Qt::AlignTop);
    middle->addSpacing(12);
    middle->addLayout(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(lblAttendere, 1);
    buttons->addWidget(btnCerca);
    auto* layout = new QVBoxLayout(panAvvio);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(imgSpiega);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addStretch(1);
    layout->addLayout(buttons);

    lblTrovate = testoColorato(panContainer, "lblTrovate", RicercaCandidati::contaTesto(0), kDarkCyan, 11, true);
    lblTrovate->setAlignment(Qt::AlignCenter);
    auto* commandRow = static_cast<QHBoxLayout*>(rigaComandi()->layout());
    // Between "Chiudi" and "Stampa", in place of the stretch.
    commandRow->insertWidget(2, lblTrovate, 1);

    connect(btnCerca, &QPushButton::clicked, this, &TSearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TSearchWindow::btnAnnullaClick);
}

void TSearchWindow::setAngolo(QLabel* picture)
{
    picture->setParent(m_angolo);
    m_angolo->layout()->addWidget(picture);
}

void TSearchWindow::FormShow()
{
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    if (!m_filtri.isEmpty())
        m_filtri.first()->setFocus(Qt::OtherFocusReason);
}

void TSearchWindow::done(int result)
{
    lblAttendere->setVisible(false);
    TListWindow::done(result);
}

bool TSearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnCerca) {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            btnCercaMouseDown();
        return false;
    }
    const int i = m_filtri.indexOf(qobject_cast<QLineEdit*>(watched));
    if (i >= 0) {
        // The focused field stands on its yellow rectangle.
        if (event->type() == QEvent::FocusIn)
            m_rettangoli.at(i)->setVisible(true);
        else if (event->type() == QEvent::FocusOut)
            m_rettangoli.at(i)->setVisible(false);
        return false;
    }
    return TListWindow::eventFilter(watched, event);
}

void TSearchWindow::btnCercaMouseDown()
{
    // On screen while the search runs after the button is released.
    lblAttendere->setVisible(true);
    lblAttendere->repaint();
}

void TSearchWindow::btnCercaClick()
{
    // Also when "Cerca" is pressed from the keyboard.
    if (!lblAttendere->isVisible())
        btnCercaMouseDown();
    int attivi = 0;
    for (QLineEdit* f : m_filtri)
        if (!TextRules::trimmed(f->text()).isEmpty())
            ++attivi;
    lblConta->setText(QString::number(attivi));
    lstRecords->clear();

    QStringList righe;
    QList<qint64> posizioni;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = cerca(&righe, &posizioni);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        // The filters stay on screen for another try.
        lblAttendere->setVisible(false);
        Messages::plain(this, RecordFile::accessMessage());
        return;
    }
    lstRecords->setLines(righe, posizioni);
    lblTrovate->setText(contaTesto(lstRecords->count()));
    panContainer->setVisible(true);
    panAvvio->setVisible(false);
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void TSearchWindow::btnAnnullaClick()
{
    close();
}

// --- candidate search ------------------------------------------------------------

namespace {
const TListWindow::Aspetto& aspettoCandidati()
{
    static const TListWindow::Aspetto a {
        QStringLiteral(" Trova schede candidati in archivio"),
        QStringLiteral("Riepilogo dati"),
        QColor(0x46, 0x82, 0xB4), // steel blue
        QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni01"),
        true};
    return a;
}

// The ten filters in tab order, and the card field each one searches.
struct FiltroCandidato
{
    const char* nome;
    const char* etichetta;
    const char* rettangolo;
    TSchedaCandidato::Campo campo;
};
const FiltroCandidato kFiltriCandidati[] = {
    {"txtCandidato", "Cognome e nome:", "effCampo01", TSchedaCandidato::fCandidato},
    {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", "effCampo02", TSchedaCandidato::fDataNasc},
    {"txtCittadinanza", "Cittadinanza:", "effCampo09", TSchedaCandidato::fCittadinanza},
    {"txtLuogoNasc", "Luogo di nascita:", "effCampo10", TSchedaCandidato::fLuogoNasc},
    {"txtCodFisc", "Codice fiscale:", "effCampo05", TSchedaCandidato::fCodFisc},
    {"txtSettore", "Settore professionale:", "effCampo06", TSchedaCandidato::fSettore},
    {"txtLingue", "Lingue conosciute:", "effCampo07", TSchedaCandidato::fLingue},
    {"txtCompetenze", "Competenze informatiche:", "effCampo08", TSchedaCandidato::fCompetenze},
    {"txtDisponibilita", "Disponibilità:", "effCampo03", TSchedaCandidato::fDisponibilita},
    {"txtNote", "Note:", "effCampo04", TSchedaCandidato::fNote},
};

QList<TSearchWindow::CampoFiltro> campiCandidati()
{
    QList<TSearchWindow::CampoFiltro> campi;
    for (const FiltroCandidato& f : kFiltriCandidati)
        campi.append({QString::fromLatin1(f.nome), QString::fromUtf8(f.etichetta), QString::fromLatin1(f.rettangolo)});
    return campi;
}
} // namespace

// TSearchWindow builds the panels; here the controls get their own names.
TfrmTrovaCandidati::TfrmTrovaCandidati(QWidget* parent)
    : TSearchWindow(parent, aspettoCandidati(), campiCandidati(), 5)
{
    setObjectName(QStringLiteral("frmTrovaCandidati"));
    txtCandidato = campo(0);
    txtDataNasc = campo(1);
    txtCittadinanza = campo(2);
    txtLuogoNasc = campo(3);
    txtCodFisc = campo(4);
    txtSettore = campo(5);
    txtLingue = campo(6);
    txtCompetenze = campo(7);
    txtDisponibilita = campo(8);
    txtNote = campo(9);
    effCampo01 = rettangolo(0);
    effCampo02 = rettangolo(1);
    effCampo09 = rettangolo(2);
    effCampo10 = rettangolo(3);
    effCampo05 = rettangolo(4);
    effCampo06 = rettangolo(5);
    effCampo07 = rettangolo(6);
    effCampo08 = rettangolo(7);
    effCampo03 = rettangolo(8);
    effCampo04 = rettangolo(9);
    icoIstruzioni01 = istruzioni();
    imgTrova01 = figura(nullptr, QStringLiteral("imgTrova01"), "users", QString(), 96);
    imgTrova01->setAccessibleName(QStringLiteral("Archivio candidati"));
    setAngolo(imgTrova01);

    btnDoppioni = pulsante(panAvvio, "btnDoppioni", "users", QStringLiteral("Doppioni"),
                           QStringLiteral("Elenca le schede che sembrano della stessa persona."));
    for (auto* row : panAvvio->findChildren<QHBoxLayout*>()) {
        if (row->indexOf(btnCerca) >= 0) {
            row->insertWidget(row->indexOf(btnCerca), btnDoppioni);
            break;
        }
    }
    setTabOrder(btnCerca, btnDoppioni);
    setTabOrder(btnDoppioni, btnAnnulla);
    connect(btnDoppioni, &QPushButton::clicked, this, &TfrmTrovaCandidati::btnDoppioniClick);
}

void TfrmTrovaCandidati::btnDoppioniClick()
{
    const qint64 position = DuplicatesWindow::run(this);
    if (position < 1)
        return;
    RecordFile file(CandidateArchive::path(), TSchedaCandidato::Size);
    QByteArray record;
    const bool read = file.open() && file.read(position, &record);
    file.close();
    if (!read) {
        Messages::error(this, RecordFile::accessMessage());
        return;
    }
    const TSchedaCandidato scheda = TSchedaCandidato::decode(record);
    // As a card double-clicked in the results: into the window that opened
    // the search, and the search closes.
    if (TextRules::trimmed(lblMemory->text()) == modoTorneo()) {
        if (TfrmTorneo* w = ConsegnaCandidato::finestraTorneo(parentWidget())) {
            FieldText::set(w->txtConcorrente, TextRules::trimmed(scheda.Candidato), TfrmTorneo::MaxConcorrente);
            FieldText::set(w->txtResponsabile, TextRules::trimmed(scheda.CodFisc), TfrmTorneo::MaxResponsabile);
        }
    } else if (TfrmCandidati* w = ConsegnaCandidato::finestraCandidati(parentWidget())) {
        ConsegnaCandidato::mostra(w, position, scheda);
    }
    accept();
}

QString TfrmTrovaCandidati::modoCandidati()
{
    return QStringLiteral("candidati");
}

QString TfrmTrovaCandidati::modoTorneo()
{
    return QStringLiteral("torneo");
}

QString TfrmTrovaCandidati::titoloStampa() const
{
    return QStringLiteral("Riepilogo schede candidati in archivio");
}

QString TfrmTrovaCandidati::contaTesto(int n) const
{
    return RicercaCandidati::contaTesto(n);
}

bool TfrmTrovaCandidati::cerca(QStringList* righe, QList<qint64>* posizioni)
{
    QList<RicercaCandidati::Filtro> filtri;
    for (int i = 0; i < int(std::size(kFiltriCandidati)); ++i)
        filtri.append({kFiltriCandidati[i].campo, campo(i)->text()});
    RicercaCandidati::Elenco elenco;
    const bool ok = RicercaCandidati::cerca(CandidateArchive::path(), RicercaCandidati::Criteri(filtri), &elenco);
    *righe = std::move(elenco.righe);
    *posizioni = std::move(elenco.posizioni);
    return ok;
}

void TfrmTrovaCandidati::consegna(int row)
{
    const QString modo = TextRules::trimmed(lblMemory->text());
    if (modo != modoCandidati() && modo != modoTorneo())
        return;
    // The card of the line clicked; a card that no longer gives that line
    // (the archive changed on disk) is not handed over.
    TSchedaCandidato scheda;
    if (!RicercaCandidati::schedaDellaRiga(CandidateArchive::path(), lstRecords->position(row), lstRecords->text(row),
                                           &scheda))
        return;
    if (modo == modoCandidati()) {
        if (TfrmCandidati* w = ConsegnaCandidato::finestraCandidati(parentWidget()))
            ConsegnaCandidato::mostra(w, lstRecords->position(row), scheda);
        return;
    }
    // Into the interview card: name and fiscal code, nothing else.
    if (TfrmTorneo* w = ConsegnaCandidato::finestraTorneo(parentWidget())) {
        FieldText::set(w->txtConcorrente, TextRules::trimmed(scheda.Candidato), TfrmTorneo::MaxConcorrente);
        FieldText::set(w->txtResponsabile, TextRules::trimmed(scheda.CodFisc), TfrmTorneo::MaxResponsabile);
    }
}

// --- hand-over ----------------------------------------------------------------

namespace ConsegnaCandidato {

TfrmCandidati* finestraCandidati(QWidget* owner)
{
    if (auto* w = qobject_cast<TfrmCandidati*>(owner))
        return w;
    return Windows::candidati();
}

TfrmTorneo* finestraTorneo(QWidget* owner)
{
    if (auto* w = qobject_cast<TfrmTorneo*>(owner))
        return w;
    return Windows::torneo();
}

void mostra(TfrmCandidati* finestra, qint64 posizione, const TSchedaCandidato& scheda)
{
    const TSchedaCandidato s = RicercaCandidati::rifilata(scheda);
    const bool primaSpuntata = finestra->chkRicontatta->isChecked();
    finestra->MostraScheda(posizione, s);
    // A flag that is neither "Sì" nor "No" leaves the box as it was.
    if (s.Ricontatta != TSchedaCandidato::si() && s.Ricontatta != TSchedaCandidato::no())
        finestra->chkRicontatta->setChecked(primaSpuntata);
}

} // namespace ConsegnaCandidato
