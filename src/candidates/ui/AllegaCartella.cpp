#include "candidates/ui/AllegaCartella.h"

#include "base/core/TextRules.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/OpenURL.h"
#include "candidates/core/Attachments.h"
#include "candidates/core/SchedaCandidato.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/ScreenWindow.h"
#include "shared/ui/WriteGuard.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString numero(int slot)
{
    return QStringLiteral("0%1").arg(slot + 1);
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QRect& where)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    // Enter in a description must not press a button.
    b->setAutoDefault(false);
    b->setGeometry(where);
    return b;
}

QLabel* makeCaption(QWidget* parent, const QString& text, QWidget* buddy, const QPoint& at)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    l->move(at);
    l->adjustSize();
    return l;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    // No buttons in the title bar: the window closes through its own buttons.
    DialogFrame::titleOnly(this);
    setFixedSize(634, 534);

    auto* heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("imgTitolo"));
    heading->setGeometry(0, 0, 634, 64);
    heading->setStyleSheet(QStringLiteral(
        "QLabel#imgTitolo { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4e79, stop:1 #5b8fc7);"
        " color: white; font: bold 15pt \"Verdana\"; padding-left: 70px; }"));
    heading->setText(QStringLiteral("Documenti allegati alla scheda"));
    auto* clip = new QLabel(heading);
    clip->setPixmap(selvoraIcon(QStringLiteral("paperclip")).pixmap(40, 40));
    clip->setGeometry(16, 12, 40, 40);
    clip->setStyleSheet(QStringLiteral("background: white; border-radius: 6px;"));
    clip->setAlignment(Qt::AlignCenter);

    static const char* const ordinali[3] = {"1°", "2°", "3°"};
    for (int i = 0; i < 3; ++i) {
        const QString n = numero(i);
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("panFile") + n);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setGeometry(10, 76 + i * 136, 614, 128);

        m_file[i] = new QLineEdit(frame);
        m_file[i]->setObjectName(QStringLiteral("txtFile") + n);
        m_file[i]->setReadOnly(true);
        m_file[i]->setGeometry(12, 30, 378, 28);
        makeCaption(frame, QStringLiteral("Nome %1 file allegato:").arg(QString::fromUtf8(ordinali[i])), m_file[i],
                    QPoint(12, 10));

        auto* clear = new PictureButton(QStringLiteral("imgCancella") + n, QStringLiteral("eraser"), QString(),
                                        QStringLiteral("Cancella il nome del file"), frame);
        clear->setIconSize(QSize(22, 22));
        clear->setToolTip(QStringLiteral("Cancella il nome del file"));
        clear->setGeometry(394, 29, 30, 30);

        auto* browse =
            makeButton(frame, QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."), QRect(430, 29, 86, 30));
        m_apri[i] = makeButton(frame, QStringLiteral("btnApri") + n, QStringLiteral("Apri"), QRect(522, 29, 80, 30));
        m_apri[i]->setEnabled(false);

        m_desc[i] = new QLineEdit(frame);
        m_desc[i]->setObjectName(QStringLiteral("txtDesc") + n);
        // Descriptions have no typing limit; the card keeps their first 250
        // characters when it is stored.
        m_desc[i]->setMaxLength(32767);
        m_desc[i]->setGeometry(12, 86, 590, 28);
        makeCaption(frame, QStringLiteral("Descrizione %1 file allegato:").arg(QString::fromUtf8(ordinali[i])),
                    m_desc[i], QPoint(12, 66));

        if (i == 0) {
            imgCancella01 = clear;
            btnSfoglia01 = browse;
        } else if (i == 1) {
            imgCancella02 = clear;
            btnSfoglia02 = browse;
        } else {
            imgCancella03 = clear;
            btnSfoglia03 = browse;
        }
    }
    txtFile01 = m_file[0];
    txtFile02 = m_file[1];
    txtFile03 = m_file[2];
    txtDesc01 = m_desc[0];
    txtDesc02 = m_desc[1];
    txtDesc03 = m_desc[2];
    btnApri01 = m_apri[0];
    btnApri02 = m_apri[1];
    btnApri03 = m_apri[2];

    btnApplica =
        makeButton(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), QRect(364, 490, 140, 32));
    btnAnnulla = makeButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(514, 490, 110, 32));
    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));

    QWidget* order[] = {txtFile01, btnSfoglia01, btnApri01,    txtDesc01, txtFile02, btnSfoglia02, btnApri02,
                        txtDesc02, txtFile03,    btnSfoglia03, btnApri03, txtDesc03, btnApplica,   btnAnnulla};
    for (size_t k = 1; k < sizeof(order) / sizeof(order[0]); ++k)
        setTabOrder(order[k - 1], order[k]);

    connect(btnSfoglia01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia01Click);
    connect(btnSfoglia02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia02Click);
    connect(btnSfoglia03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia03Click);
    connect(btnApri01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri01Click);
    connect(btnApri02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri02Click);
    connect(btnApri03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri03Click);
    connect(imgCancella01, &QToolButton::clicked, this, &TfrmAllegaCartella::imgCancella01Click);
    connect(imgCancella02, &QToolButton::clicked, this, &TfrmAllegaCartella::imgCancella02Click);
    connect(imgCancella03, &QToolButton::clicked, this, &TfrmAllegaCartella::imgCancella03Click);
    connect(txtFile01, &QLineEdit::textChanged, this, &TfrmAllegaCartella::txtFile01Change);
    connect(txtFile02, &QLineEdit::textChanged, this, &TfrmAllegaCartella::txtFile02Change);
    connect(txtFile03, &QLineEdit::textChanged, this, &TfrmAllegaCartella::txtFile03Change);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    WriteGuard::mark(
        {btnSfoglia01, btnSfoglia02, btnSfoglia03, imgCancella01, imgCancella02, imgCancella03, btnApplica});
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
}

QLabel* TfrmAllegaCartella::labelNamed(const QString& name) const
{
    QWidget* card = parentWidget();
    return card ? card->findChild<QLabel*>(name) : nullptr;
}

void TfrmAllegaCartella::readCard()
{
    lblMemory->setText(cardTag());
    for (int i = 0; i < 3; ++i) {
        const QLabel* file = labelNamed(QStringLiteral("lblFile") + numero(i));
        const QLabel* desc = labelNamed(QStringLiteral("lblDesc") + numero(i));
        m_file[i]->setText(file ? TextRules::trimmed(file->text()) : QString());
        m_desc[i]->setText(desc ? TextRules::trimmed(desc->text()) : QString());
        // Long names and descriptions are read from their start.
        m_file[i]->setCursorPosition(0);
        m_desc[i]->setCursorPosition(0);
    }
}

void TfrmAllegaCartella::sfoglia(int slot)
{
    const QString source = FileDialogs::getOpenFileName(this, Attachments::titolo(), QString(), Attachments::filtro());
    if (source.isEmpty())
        return;
    const QString name = Attachments::nameOf(source);
    if (!Attachments::isSafeName(name)) {
        Messages::warning(this, Attachments::nameMessage(name));
        return;
    }
    const QString before = m_file[slot]->text();
    m_file[slot]->setText(name);
    m_file[slot]->setCursorPosition(0);

    // Chosen from the folder itself: it is attached already, nothing to copy.
    if (Attachments::stessoFile(source, name))
        return;
    // The folder is shared by every card. A file of that name attached to
    // another card is never replaced without a question that names the card,
    // which offers to keep both; otherwise the usual question, where No keeps
    // that file for this slot.
    QString target = name;
    if (Attachments::esiste(name)) {
        QList<Attachments::Owner> others;
        const bool read = Attachments::owners(CandidateArchive::path(), name, cardPosition(), &others);
        if (read && !others.isEmpty()) {
            const QString libero = Attachments::freeName(name);
            const int choice =
                Messages::choose(this, Messages::Kind::Warning, Attachments::otherCardQuestion(name, others, libero),
                                 Attachments::otherCardButtons());
            if (choice == 2) {
                m_file[slot]->setText(before);
                m_file[slot]->setCursorPosition(0);
                return;
            }
            if (choice == 0) {
                target = libero;
                m_file[slot]->setText(libero);
                m_file[slot]->setCursorPosition(0);
            }
        } else if (!Messages::confirm(this, Attachments::overwriteQuestion())) {
            return;
        }
    }
    if (!Attachments::copiaCome(source, target)) {
        // Nothing was attached: the slot goes back to what it named before,
        // instead of naming a file the folder does not hold.
        Messages::error(this, Attachments::messaggioCopia(target));
        m_file[slot]->setText(before);
    }
}

qint64 TfrmAllegaCartella::cardPosition() const
{
    // The card window's position: empty (0) for a card not stored yet.
    const QLabel* position = labelNamed(QStringLiteral("lblPosizione"));
    return position ? TextRules::trimmed(position->text()).toLongLong() : 0;
}

void TfrmAllegaCartella::apri(int slot)
{
    const QString name = TextRules::trimmed(m_file[slot]->text());
    // A name read from the archive is not trusted to stay in the folder.
    const QString path = Attachments::percorso(name);
    if (path.isEmpty()) {
        Messages::warning(this, Attachments::nameMessage(name));
        return;
    }
    TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
}

void TfrmAllegaCartella::cancella(int slot)
{
    // Only the name goes: the description and the copied file stay.
    m_file[slot]->clear();
}

void TfrmAllegaCartella::fileChange(int slot)
{
    m_apri[slot]->setEnabled(!TextRules::trimmed(m_file[slot]->text()).isEmpty());
}

void TfrmAllegaCartella::btnSfoglia01Click()
{
    sfoglia(0);
}
void TfrmAllegaCartella::btnSfoglia02Click()
{
    sfoglia(1);
}
void TfrmAllegaCartella::btnSfoglia03Click()
{
    sfoglia(2);
}
void TfrmAllegaCartella::btnApri01Click()
{
    apri(0);
}
void TfrmAllegaCartella::btnApri02Click()
{
    apri(1);
}
void TfrmAllegaCartella::btnApri03Click()
{
    apri(2);
}
void TfrmAllegaCartella::imgCancella01Click()
{
    cancella(0);
}
void TfrmAllegaCartella::imgCancella02Click()
{
    cancella(1);
}
void TfrmAllegaCartella::imgCancella03Click()
{
    cancella(2);
}
void TfrmAllegaCartella::txtFile01Change()
{
    fileChange(0);
}
void TfrmAllegaCartella::txtFile02Change()
{
    fileChange(1);
}
void TfrmAllegaCartella::txtFile03Change()
{
    fileChange(2);
}

void TfrmAllegaCartella::btnApplicaClick()
{
    if (TextRules::trimmed(lblMemory->text()) != cardTag())
        return;
    for (int i = 0; i < 3; ++i) {
        if (QLabel* file = labelNamed(QStringLiteral("lblFile") + numero(i)))
            file->setText(TextRules::trimmed(m_file[i]->text()));
        if (QLabel* desc = labelNamed(QStringLiteral("lblDesc") + numero(i)))
            desc->setText(TextRules::trimmed(m_desc[i]->text()));
    }
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    reject();
}
