#include "tools/ui/Calcolatrice_Scientifica.h"

#include "base/core/Formats.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/SpokenLabel.h"
#include "ui_Calcolatrice_Scientifica.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <utility>

using Key = CalculatorEngine::Key;

TfrmCalcolatrice_Scientifica::TfrmCalcolatrice_Scientifica(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::TfrmCalcolatrice_Scientifica)
    , m_engine(CalculatorState::shared())
{
    Formats::apply();
    m_ui->setupUi(this);
    DialogFrame::titleOnly(this);
    DialogFrame::windowGradient(this, Qt::black, Qt::white);

    Edit1 = m_ui->Edit1;
    ButtonExp = m_ui->ButtonExp;
    ButtonLn = m_ui->ButtonLn;
    ButtonStep = m_ui->ButtonStep;
    ButtonLog = m_ui->ButtonLog;
    ButtonSqr = m_ui->ButtonSqr;
    Button1DivX = m_ui->Button1DivX;
    ButtonSqrt = m_ui->ButtonSqrt;
    ButtonPi = m_ui->ButtonPi;
    ButtonCos = m_ui->ButtonCos;
    ButtonSin = m_ui->ButtonSin;
    ButtonArcCos = m_ui->ButtonArcCos;
    ButtonArcSin = m_ui->ButtonArcSin;
    ButtonTan = m_ui->ButtonTan;
    ButtonArcTan = m_ui->ButtonArcTan;
    ButtonBackSpace = m_ui->ButtonBackSpace;
    ButtonC = m_ui->ButtonC;
    ButtonSign = m_ui->ButtonSign;
    ButtonDiv = m_ui->ButtonDiv;
    ButtonMul = m_ui->ButtonMul;
    Button7 = m_ui->Button7;
    Button8 = m_ui->Button8;
    Button9 = m_ui->Button9;
    ButtonSub = m_ui->ButtonSub;
    Button4 = m_ui->Button4;
    Button5 = m_ui->Button5;
    Button6 = m_ui->Button6;
    ButtonAdd = m_ui->ButtonAdd;
    Button1 = m_ui->Button1;
    Button2 = m_ui->Button2;
    Button3 = m_ui->Button3;
    ButtonResult = m_ui->ButtonResult;
    Button0 = m_ui->Button0;
    ButtonPoint = m_ui->ButtonPoint;
    btnChiudi = m_ui->btnChiudi;
    btnImporta = m_ui->btnImporta;

    m_ui->panCalcolatrice->setStyleSheet(
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
    m_ui->imgDisplay->setStyleSheet(QStringLiteral("#imgDisplay { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                                   " stop:0 #5F6B78, stop:1 #2E3742); border-radius: 6px; }"));
    Edit1->setStyleSheet(
        QStringLiteral("background: #E8F0D8; color: black; border: 1px solid #1E242B; padding: 2px 6px;"));

    // Each key of the keypad and what it presses.
    const std::pair<QToolButton*, Key> keys[] = {
        {ButtonExp, Key::Exp},
        {ButtonLn, Key::Ln},
        {ButtonStep, Key::Power},
        {ButtonLog, Key::Log},
        {ButtonSqr, Key::Square},
        {Button1DivX, Key::Reciprocal},
        {ButtonSqrt, Key::SquareRoot},
        {ButtonPi, Key::Pi},
        {ButtonCos, Key::Cosine},
        {ButtonSin, Key::Sine},
        {ButtonArcCos, Key::ArcCosine},
        {ButtonArcSin, Key::ArcSine},
        {ButtonTan, Key::Tangent},
        {ButtonArcTan, Key::ArcTangent},
        {ButtonBackSpace, Key::BackSpace},
        {ButtonC, Key::C},
        {ButtonSign, Key::Sign},
        {ButtonDiv, Key::Divide},
        {ButtonMul, Key::Multiply},
        {Button7, Key::Seven},
        {Button8, Key::Eight},
        {Button9, Key::Nine},
        {ButtonSub, Key::Subtract},
        {Button4, Key::Four},
        {Button5, Key::Five},
        {Button6, Key::Six},
        {ButtonAdd, Key::Add},
        {Button1, Key::One},
        {Button2, Key::Two},
        {Button3, Key::Three},
        {ButtonResult, Key::Result},
        {Button0, Key::Zero},
        {ButtonPoint, Key::Comma},
    };
    for (const auto& [button, key] : keys) {
        const Key t = key;
        connect(button, &QToolButton::clicked, this, [this, t] { press(t); });
    }

    setFixedSize(330, 520);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCalcolatrice_Scientifica::btnChiudiClick);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmCalcolatrice_Scientifica::btnImportaClick);
}

TfrmCalcolatrice_Scientifica::~TfrmCalcolatrice_Scientifica() = default;

void TfrmCalcolatrice_Scientifica::press(Key t)
{
    m_engine.setDisplay(Edit1->text());
    showMessage(m_engine.press(t));
}

void TfrmCalcolatrice_Scientifica::showMessage(const QString& messaggio)
{
    Edit1->setText(m_engine.display());
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
        press(Key(int(Key::Zero) + (c.unicode() - '0')));
    } else if (c == QLatin1Char(',')) {
        press(Key::Comma);
    } else if (c == QLatin1Char('.')) {
        m_engine.setDisplay(Edit1->text());
        showMessage(m_engine.decimalPoint());
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
