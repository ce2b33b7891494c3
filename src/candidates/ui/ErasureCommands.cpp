#include "candidates/ui/ErasureCommands.h"

#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/core/SafeWrite.h"
#include "base/core/TextRules.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/RetentionList.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SessionCatalogue.h"
#include "shared/ui/SaveName.h"
#include "shared/ui/WriteGuard.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace ErasureCommands {

namespace {
QString who(const TSchedaCandidato& card, qint64 position)
{
    QString text = card.Candidato.trimmed().isEmpty() ? QStringLiteral("(senza nome)") : card.Candidato.trimmed();
    if (!card.CodFisc.trimmed().isEmpty())
        text += QStringLiteral(", codice fiscale %1").arg(card.CodFisc.trimmed());
    return text + QStringLiteral(", scheda n. %1").arg(position);
}
} // namespace

bool confirm(QWidget* parent, const TSchedaCandidato& card, qint64 position, QList<Erasure::Interview>* interviews)
{
    int attachments = 0;
    for (const QString& f : {card.File01, card.File02, card.File03})
        attachments += f.trimmed().isEmpty() ? 0 : 1;
    const QString day = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (!Messages::confirm(
            parent,
            QStringLiteral("Si stanno per cancellare definitivamente i dati personali di:\n\n%1\n\n"
                           "Saranno cancellati tutti i campi della scheda, la foto e i file allegati (%2). "
                           "La scheda resta in archivio, vuota, con la dicitura \"Candidato cancellato il "
                           "%3\".\n\nL'operazione non può essere annullata. Procedere con la cancellazione?")
                .arg(who(card, position))
                .arg(attachments)
                .arg(day)))
        return false;
    if (interviews->isEmpty())
        return true;
    QStringList sessions;
    for (const Erasure::Interview& it : *interviews)
        sessions << QStringLiteral("   %1, scheda n. %2 (%3)")
                        .arg(SessionCatalogue::sessionName(it.sessionFile))
                        .arg(it.card)
                        .arg(it.candidato);
    while (sessions.size() > 12) {
        sessions.removeLast();
        if (sessions.size() == 12)
            sessions << QStringLiteral("   ...");
    }
    const QString by = card.CodFisc.trimmed().isEmpty() ? QStringLiteral("con lo stesso nome")
                                                        : QStringLiteral("con lo stesso codice fiscale");
    const QString found = interviews->size() == 1
        ? QStringLiteral("È stata trovata 1 scheda colloquio")
        : QStringLiteral("Sono state trovate %1 schede colloquio").arg(interviews->size());
    if (!Messages::confirm(
            parent,
            QStringLiteral("%1 %2 nelle sessioni:\n%3\n\n"
                           "Anonimizzare anche queste schede? Nome, codice fiscale, provenienza, dettagli e "
                           "note saranno cancellati e il nome diventerà \"Candidato cancellato il %4\"; "
                           "data, punteggio e idoneità restano per le graduatorie.\n\n"
                           "Sì: anonimizza anche le schede colloquio.\nNo: cancella solo la scheda candidato.")
                .arg(found, by, sessions.join(QLatin1Char('\n')), day)))
        interviews->clear();
    return true;
}

void eraseShownCard(TfrmCandidati* window)
{
    if (!WriteGuard::allowed(window))
        return;
    const QString shown = TextRules::trimmed(window->lblPosizione->text());
    bool ok = false;
    const qint64 position = shown.toLongLong(&ok);
    if (shown.isEmpty() || !ok || position < 1) {
        Messages::warning(window,
                          QStringLiteral("Attenzione: per cancellare i dati personali di un candidato è "
                                         "necessario visualizzare la sua scheda già salvata in archivio."));
        return;
    }
    RecordFile archive(CandidateArchive::path(), TSchedaCandidato::Size);
    QByteArray record;
    if (!archive.open() || !archive.read(position, &record)) {
        Messages::error(window, RecordFile::accessMessage());
        return;
    }
    archive.close();
    const TSchedaCandidato card = TSchedaCandidato::decode(record);
    if (Erasure::isErased(card.Candidato)) {
        Messages::information(window, QStringLiteral("I dati personali di questa scheda sono già stati cancellati."));
        return;
    }
    QList<Erasure::Interview> interviews = Erasure::interviewsOf(ProgramFolder::path(), card);
    if (!confirm(window, card, position, &interviews))
        return;
    Erasure::Result result = Erasure::erase(position, interviews, QDate::currentDate());
    if (!result.leftovers.isEmpty()) {
        QStringList shown;
        for (const QString& f : std::as_const(result.leftovers))
            shown << QStringLiteral("   ") + f;
        const int choice = Messages::choose(
            window, Messages::Kind::Confirmation,
            QStringLiteral("Questi file della cartella del programma contengono ancora i dati di %1:\n%2\n\n"
                           "Sono copie fatte dal programma (esportazioni, resoconti delle importazioni). "
                           "Eliminarli? Se vengono conservati, il rapporto di cancellazione lo dirà.")
                .arg(result.candidato.isEmpty() ? QStringLiteral("(senza nome)") : result.candidato,
                     shown.join(QLatin1Char('\n'))),
            {QStringLiteral("Elimina i file"), QStringLiteral("Conserva i file")});
        Erasure::settleLeftovers(&result, choice == 0);
    }
    // The window shows the card as it is now.
    RecordFile again(CandidateArchive::path(), TSchedaCandidato::Size);
    if (again.open() && again.read(position, &record))
        window->MostraScheda(position, TSchedaCandidato::decode(record));
    ErasureReportDialog dialog(result.report(), window);
    Modal::run(&dialog);
}

void showRetentionList(TfrmCandidati* window)
{
    RetentionList list(window);
    Modal::run(&list);
}

} // namespace ErasureCommands

ErasureReportDialog::ErasureReportDialog(const QString& report, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
{
    setObjectName(QStringLiteral("dlgRapportoCancellazione"));
    setWindowTitle(QStringLiteral(" Rapporto di cancellazione dei dati personali"));
    auto* caption = new QLabel(QStringLiteral("&Cosa è stato cancellato:"), this);
    txtRapporto = new QPlainTextEdit(report, this);
    txtRapporto->setObjectName(QStringLiteral("txtRapporto"));
    txtRapporto->setReadOnly(true);
    txtRapporto->setAccessibleName(QStringLiteral("Rapporto di cancellazione"));
    txtRapporto->setFont(QFont(QStringLiteral("Verdana"), 10));
    caption->setBuddy(txtRapporto);
    btnSalva = new QPushButton(QStringLiteral("&Salva..."), this);
    btnSalva->setObjectName(QStringLiteral("btnSalva"));
    btnStampa = new QPushButton(QStringLiteral("S&tampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnAnteprima = new QPushButton(QStringLiteral("&Anteprima"), this);
    btnAnteprima->setObjectName(QStringLiteral("btnAnteprima"));
    btnChiudi = new QPushButton(QStringLiteral("C&hiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSalva);
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnteprima);
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(txtRapporto);
    layout->addLayout(buttons);
    resize(760, 460);
    connect(btnSalva, &QPushButton::clicked, this, &ErasureReportDialog::save);
    connect(btnStampa, &QPushButton::clicked, this, &ErasureReportDialog::print);
    connect(btnAnteprima, &QPushButton::clicked, this, &ErasureReportDialog::preview);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void ErasureReportDialog::save()
{
    const QString proposed = QDir::home().filePath(
        QStringLiteral("Rapporto-cancellazione-%1.txt").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = SaveName::ask(this, QStringLiteral("Salva il rapporto di cancellazione"), proposed,
                                       QStringLiteral("File di testo (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    QString why;
    QString text = m_report;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!SafeWrite::wholeFile(path, text.toUtf8(), &why))
        Messages::error(this,
                        QStringLiteral("Non è stato possibile salvare il rapporto in \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), why));
    else
        Messages::information(
            this, QStringLiteral("Il rapporto è stato salvato in:\n%1").arg(QDir::toNativeSeparators(path)));
}

void ErasureReportDialog::print()
{
    const std::unique_ptr<Report> report = Erasure::printout(m_report);
    ReportPrinter::print(this, *report);
}

void ErasureReportDialog::preview()
{
    const std::unique_ptr<Report> report = Erasure::printout(m_report);
    ReportPrinter::preview(this, *report);
}
