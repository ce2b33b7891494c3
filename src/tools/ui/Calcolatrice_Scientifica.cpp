#include "tools/ui/Calcolatrice_Scientifica.h"

#include "base/core/Formats.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/SpokenLabel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using Key = CalculatorEngine::Key;

TfrmCalcolatrice_Scientifica::TfrmCalcolatrice_Scientifica(QWidget* parent)
    : QDialog(parent)
    , m_motore(CalculatorState::condiviso())
{
    Formats::apply();
    setObjectName(QStringLiteral("frmCalcolatrice_Scientifica"));
    setWindowTitle(QStringLiteral(" Calcolatrice"));
    DialogFrame::titleOnly(this);
    DialogFrame::windowGradient(this, Qt::black, Qt::white);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panCalcolatrice"));
    panel->setStyleSheet(
        QStringLiteral("#panCalcolatrice { background: white; border: 1px solid #808080; border-radius: 8px; }"
                       "QToolButton { border: 1px solid #8FA5BC; border-radius: 5px; color: #1b2a3a;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #DCE6F0); }"
                       "QToolButton:hover { border-color: #4682B4; }"
                       "QToolButton:pressed { background: #C8D8EA; }"
                       "QToolButton[kind=\"digit\"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
                       "#FFFFFF, stop:1 #EFEFEF); }"
                       "QToolButton[kind=\"op\"] { color: #1f4e79; font-weight: bold; }"
                       "QToolButton[kind=\"edit\"] { color: #A02020; font-weight: bold; }"
                       "QToolButton[kind=\"result\"] { color: white; font-weight: bold;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5A9BD4, stop:1 #2B5FA8); }"));

    // The display, inside its bezel.
    auto* bezel = new QFrame(panel);
    bezel->setObjectName(QStringLiteral("imgDisplay"));
    bezel->setStyleSheet(QStringLiteral("#imgDisplay { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                        " stop:0 #5F6B78, stop:1 #2E3742); border-radius: 6px; }"));
    Edit1 = new SpokenLabel(bezel);
    Edit1->setText(QStringLiteral("0"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    Edit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1->setMinimumHeight(34);
    Edit1->setMinimumWidth(10);
    Edit1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Edit1->setStyleSheet(
        QStringLiteral("background: #E8F0D8; color: black; border: 1px solid #1E242B; padding: 2px 6px;"));
    // A screen reader hears the number shown.
    Edit1->setAccessibleDescription(QStringLiteral("Display"));
    auto* bezelLayout = new QVBoxLayout(bezel);
    bezelLayout->setContentsMargins(8, 8, 8, 8);
    bezelLayout->addWidget(Edit1);

    auto* keys = new QWidget(panel);
    auto* grid = new QGridLayout(keys);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(5);
    auto mk = [&](const QString& name, const QString& face, Key t, const QString& spoken, const QString& kind) {
        QToolButton* b = tasto(name, face, t, spoken, kind);
        b->setParent(keys);
        return b;
    };
    ButtonExp = mk(QStringLiteral("ButtonExp"), QStringLiteral("eˣ"), Key::Exp, QStringLiteral("e elevato a x"),
                   QStringLiteral("fn"));
    ButtonLn = mk(QStringLiteral("ButtonLn"), QStringLiteral("ln"), Key::Ln, QStringLiteral("Logaritmo naturale"),
                  QStringLiteral("fn"));
    ButtonStep = mk(QStringLiteral("ButtonStep"), QStringLiteral("xʸ"), Key::Potenza, QStringLiteral("Potenza"),
                    QStringLiteral("op"));
    ButtonLog = mk(QStringLiteral("ButtonLog"), QStringLiteral("log"), Key::Log, QStringLiteral("Logaritmo in base 10"),
                   QStringLiteral("fn"));
    ButtonSqr = mk(QStringLiteral("ButtonSqr"), QStringLiteral("x²"), Key::Quadrato, QStringLiteral("Quadrato"),
                   QStringLiteral("fn"));
    Button1DivX = mk(QStringLiteral("Button1DivX"), QStringLiteral("1/x"), Key::Reciproco, QStringLiteral("Reciproco"),
                     QStringLiteral("fn"));
    ButtonSqrt = mk(QStringLiteral("ButtonSqrt"), QStringLiteral("√x"), Key::Radice, QStringLiteral("Radice quadrata"),
                    QStringLiteral("fn"));
    ButtonPi =
        mk(QStringLiteral("ButtonPi"), QStringLiteral("π"), Key::Pi, QStringLiteral("Pi greco"), QStringLiteral("fn"));
    ButtonCos = mk(QStringLiteral("ButtonCos"), QStringLiteral("cos"), Key::Coseno, QStringLiteral("Coseno (gradi)"),
                   QStringLiteral("fn"));
    ButtonSin = mk(QStringLiteral("ButtonSin"), QStringLiteral("sin"), Key::Seno, QStringLiteral("Seno (gradi)"),
                   QStringLiteral("fn"));
    ButtonArcCos = mk(QStringLiteral("ButtonArcCos"), QStringLiteral("acos"), Key::ArcoCoseno,
                      QStringLiteral("Arcocoseno (radianti)"), QStringLiteral("fn"));
    ButtonArcSin = mk(QStringLiteral("ButtonArcSin"), QStringLiteral("asin"), Key::ArcoSeno,
                      QStringLiteral("Arcoseno (radianti)"), QStringLiteral("fn"));
    ButtonTan = mk(QStringLiteral("ButtonTan"), QStringLiteral("tan"), Key::Tangente,
                   QStringLiteral("Tangente (gradi)"), QStringLiteral("fn"));
    ButtonArcTan = mk(QStringLiteral("ButtonArcTan"), QStringLiteral("atan"), Key::ArcoTangente,
                      QStringLiteral("Arcotangente (radianti)"), QStringLiteral("fn"));
    ButtonBackSpace = mk(QStringLiteral("ButtonBackSpace"), QStringLiteral("← Canc"), Key::BackSpace,
                         QStringLiteral("Cancella l'ultima cifra"), QStringLiteral("edit"));
    ButtonC = mk(QStringLiteral("ButtonC"), QStringLiteral("C"), Key::C, QStringLiteral("Azzera il display"),
                 QStringLiteral("edit"));
    ButtonSign = mk(QStringLiteral("ButtonSign"), QStringLiteral("±"), Key::Segno, QStringLiteral("Cambia segno"),
                    QStringLiteral("op"));
    ButtonDiv = mk(QStringLiteral("ButtonDiv"), QStringLiteral("÷"), Key::Divisione, QStringLiteral("Diviso"),
                   QStringLiteral("op"));
    ButtonMul = mk(QStringLiteral("ButtonMul"), QStringLiteral("×"), Key::Moltiplicazione, QStringLiteral("Per"),
                   QStringLiteral("op"));
    Button7 =
        mk(QStringLiteral("Button7"), QStringLiteral("7"), Key::Sette, QStringLiteral("7"), QStringLiteral("digit"));
    Button8 =
        mk(QStringLiteral("Button8"), QStringLiteral("8"), Key::Otto, QStringLiteral("8"), QStringLiteral("digit"));
    Button9 =
        mk(QStringLiteral("Button9"), QStringLiteral("9"), Key::Nove, QStringLiteral("9"), QStringLiteral("digit"));
    ButtonSub = mk(QStringLiteral("ButtonSub"), QStringLiteral("−"), Key::Sottrazione, QStringLiteral("Meno"),
                   QStringLiteral("op"));
    Button4 =
        mk(QStringLiteral("Button4"), QStringLiteral("4"), Key::Quattro, QStringLiteral("4"), QStringLiteral("digit"));
    Button5 =
        mk(QStringLiteral("Button5"), QStringLiteral("5"), Key::Cinque, QStringLiteral("5"), QStringLiteral("digit"));
    Button6 =
        mk(QStringLiteral("Button6"), QStringLiteral("6"), Key::Sei, QStringLiteral("6"), QStringLiteral("digit"));
    ButtonAdd =
        mk(QStringLiteral("ButtonAdd"), QStringLiteral("+"), Key::Somma, QStringLiteral("Più"), QStringLiteral("op"));
    Button1 =
        mk(QStringLiteral("Button1"), QStringLiteral("1"), Key::Uno, QStringLiteral("1"), QStringLiteral("digit"));
    Button2 =
        mk(QStringLiteral("Button2"), QStringLiteral("2"), Key::Due, QStringLiteral("2"), QStringLiteral("digit"));
    Button3 =
        mk(QStringLiteral("Button3"), QStringLiteral("3"), Key::Tre, QStringLiteral("3"), QStringLiteral("digit"));
    ButtonResult = mk(QStringLiteral("ButtonResult"), QStringLiteral("="), Key::Risultato, QStringLiteral("Risultato"),
                      QStringLiteral("result"));
    Button0 =
        mk(QStringLiteral("Button0"), QStringLiteral("0"), Key::Zero, QStringLiteral("0"), QStringLiteral("digit"));
    ButtonPoint = mk(QStringLiteral("ButtonPoint"), QStringLiteral(","), Key::Virgola, QStringLiteral("Virgola"),
                     QStringLiteral("digit"));

    // Row by row, as the keys stand on the keypad.
    const QList<QList<QToolButton*>> rows = {
        {ButtonExp, ButtonLn, ButtonStep, ButtonLog},
        {ButtonSqr, Button1DivX, ButtonSqrt, ButtonPi},
        {ButtonCos, ButtonSin, ButtonArcCos, ButtonArcSin},
        {ButtonTan, ButtonArcTan},
        {ButtonC, ButtonSign, ButtonDiv, ButtonMul},
        {Button7, Button8, Button9, ButtonSub},
        {Button4, Button5, Button6, ButtonAdd},
        {Button1, Button2, Button3},
    };
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid->addWidget(rows[r][c], r, c);
    grid->addWidget(ButtonBackSpace, 3, 2, 1, 2);
    grid->addWidget(ButtonResult, 7, 3, 2, 1);
    grid->addWidget(Button0, 8, 0, 1, 2);
    grid->addWidget(ButtonPoint, 8, 2);
    ButtonResult->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    Button0->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ButtonBackSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    btnChiudi = new QPushButton(QStringLiteral("Annulla"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnImporta = new QPushButton(QStringLiteral("Importa"), this);
    btnImporta->setObjectName(QStringLiteral("btnImporta"));
    for (QPushButton* b : {btnChiudi, btnImporta}) {
        b->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
        b->setMinimumHeight(32);
        b->setAutoDefault(false);
    }
    btnImporta->setToolTip(QStringLiteral("Riporta il numero del display nel punteggio totale della scheda."));

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(12, 12, 12, 12);
    inner->setSpacing(10);
    inner->addWidget(bezel);
    inner->addWidget(keys);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btnChiudi);
    bottom->addWidget(btnImporta);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(panel);
    layout->addLayout(bottom);
    setFixedSize(330, 520);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCalcolatrice_Scientifica::btnChiudiClick);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmCalcolatrice_Scientifica::btnImportaClick);
}

QToolButton* TfrmCalcolatrice_Scientifica::tasto(const QString& name, const QString& face, Key t, const QString& spoken,
                                                 const QString& kind)
{
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(face);
    b->setAccessibleName(spoken);
    b->setToolTip(spoken);
    b->setProperty("kind", kind);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(QFont(QStringLiteral("Arial"), kind == QLatin1String("digit") ? 13 : 11));
    b->setMinimumSize(62, 36);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(b, &QToolButton::clicked, this, [this, t] { premi(t); });
    return b;
}

void TfrmCalcolatrice_Scientifica::premi(Key t)
{
    m_motore.setDisplay(Edit1->text());
    mostra(m_motore.premi(t));
}

void TfrmCalcolatrice_Scientifica::mostra(const QString& messaggio)
{
    Edit1->setText(m_motore.display());
    if (!messaggio.isEmpty())
        Messages::plain(this, messaggio);
}

void TfrmCalcolatrice_Scientifica::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() != 1 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        QDialog::keyPressEvent(event);
        return;
    }
    const QChar c = text.at(0);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        premi(Key(int(Key::Zero) + (c.unicode() - '0')));
    } else if (c == QLatin1Char(',')) {
        premi(Key::Virgola);
    } else if (c == QLatin1Char('.')) {
        m_motore.setDisplay(Edit1->text());
        mostra(m_motore.punto());
    } else {
        QDialog::keyPressEvent(event);
    }
}

void TfrmCalcolatrice_Scientifica::btnChiudiClick()
{
    reject();
}

void TfrmCalcolatrice_Scientifica::btnImportaClick()
{
    const QString testo = Edit1->text();
    if (testo.size() > CalculatorEngine::MaxImporta) {
        Messages::warning(this, QStringLiteral("Attenzione: numero con troppe cifre."));
        return;
    }
    emit valueImported(TextRules::trimmed(testo));
    accept();
}
