#include "safety/ui/BackupCommands.h"

#include "base/core/AccessMode.h"
#include "base/core/ProgramFolder.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "safety/core/Backup.h"
#include "safety/core/BackupSettings.h"
#include "shared/ui/WriteGuard.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <memory>

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale(QLocale::Italian).formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// A progress bar that appears only when the work takes a while.
std::unique_ptr<QProgressDialog> progressBar(QWidget* parent, const QString& text)
{
    auto bar = std::make_unique<QProgressDialog>(text, QStringLiteral("Annulla"), 0, 1000, parent);
    bar->setWindowTitle(QStringLiteral(" Selvora"));
    bar->setWindowModality(Qt::WindowModal);
    bar->setMinimumDuration(700);
    bar->setAutoClose(false);
    bar->setAutoReset(false);
    bar->setAccessibleName(text);
    return bar;
}

Backup::Progress follow(QProgressDialog* bar)
{
    return [bar](qint64 done, qint64 total) {
        if (total > 0)
            bar->setValue(int(done * 1000 / total));
        return !bar->wasCanceled();
    };
}

QString listed(const QStringList& files)
{
    const int shown = 12;
    QStringList lines;
    for (int i = 0; i < files.size() && i < shown; ++i)
        lines << QStringLiteral("   ") + files[i];
    if (files.size() > shown)
        lines << QStringLiteral("   ... e altri %1").arg(files.size() - shown);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

namespace BackupCommands {

void backup(QWidget* parent)
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed =
        QDir(home.isEmpty() ? QDir::homePath() : home).filePath(Backup::defaultFileName(QDateTime::currentDateTime()));
    const QString target = FileDialogs::getSaveFileName(parent, QStringLiteral("Backup dei dati di Selvora"), proposed,
                                                        QStringLiteral("Archivio zip (*.zip)"), QStringLiteral("zip"));
    if (target.isEmpty())
        return;
    auto bar = progressBar(parent, QStringLiteral("Backup dei dati in corso..."));
    Backup::Manifest written;
    QString why;
    const bool ok = Backup::create(ProgramFolder::path(), target, follow(bar.get()), &written, &why);
    bar->close();
    if (!ok) {
        Messages::error(
            parent, QStringLiteral("Backup non riuscito.\n\n%1\n\nNessun file di dati è stato modificato.").arg(why));
        return;
    }
    qint64 bytes = 0;
    for (const Backup::Entry& e : written.files)
        bytes += e.size;
    BackupSettings settings = BackupSettings::load();
    settings.lastBackup = QDateTime::currentDateTime();
    QString ignored;
    if (!AccessMode::readOnly())
        settings.save(&ignored);
    Messages::information(parent,
                          QStringLiteral("Backup completato.\n\nSono stati salvati %1 file (%2) in:\n%3\n\n"
                                         "Il backup è stato verificato rileggendolo. Conservarlo in un luogo sicuro: "
                                         "contiene dati personali dei candidati.")
                              .arg(written.files.size())
                              .arg(sizeText(bytes), QDir::toNativeSeparators(target)));
}

void restore(QWidget* parent)
{
    if (!WriteGuard::allowed(parent))
        return;
    const QString source = FileDialogs::getOpenFileName(parent, QStringLiteral("Ripristina i dati da un backup"),
                                                        QDir::homePath(), QStringLiteral("Archivio zip (*.zip)"));
    if (source.isEmpty())
        return;
    Backup::Plan plan;
    QString why;
    if (!Backup::plan(ProgramFolder::path(), source, &plan, &why)) {
        Messages::error(parent,
                        QStringLiteral("Ripristino non possibile.\n\n%1.\n\nNessun file è stato modificato.")
                            .arg(why.endsWith(QLatin1Char('.')) ? why.chopped(1) : why));
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString safety = QDir(ProgramFolder::file(Backup::safetyFolderName())).filePath(Backup::safetyFileName(now));
    QString text = QStringLiteral("Il backup del %1 (Selvora %2) contiene %3 file.\n\n")
                       .arg(plan.manifest.created.toString(QStringLiteral("dd/MM/yyyy HH:mm")), plan.manifest.version)
                       .arg(plan.manifest.files.size());
    if (!plan.replaced.isEmpty())
        text += QStringLiteral("Saranno sostituiti con la copia del backup (%1):\n%2\n\n")
                    .arg(plan.replaced.size())
                    .arg(listed(plan.replaced));
    if (!plan.added.isEmpty())
        text += QStringLiteral("Saranno aggiunti (%1):\n%2\n\n").arg(plan.added.size()).arg(listed(plan.added));
    if (!plan.removed.isEmpty())
        text += QStringLiteral("Saranno tolti perché non presenti nel backup (%1):\n%2\n\n")
                    .arg(plan.removed.size())
                    .arg(listed(plan.removed));
    text += QStringLiteral("Prima del ripristino i dati attuali vengono salvati nel backup di sicurezza:\n%1\n\n"
                           "Attenzione: i dati personali cancellati dopo la data del backup tornano con il "
                           "ripristino e vanno cancellati di nuovo.\n\n"
                           "Procedere con il ripristino?")
                .arg(QDir::toNativeSeparators(safety));
    if (!Messages::confirm(parent, text))
        return;
    auto bar = progressBar(parent, QStringLiteral("Ripristino dei dati in corso..."));
    const bool ok = Backup::restore(ProgramFolder::path(), source, safety, follow(bar.get()), &why);
    bar->close();
    if (!ok) {
        Messages::error(parent, why);
        return;
    }
    Messages::information(
        parent,
        QStringLiteral("Ripristino completato: i dati sono quelli del backup del %1.\n\n"
                       "I dati di prima del ripristino sono nel backup di sicurezza:\n%2")
            .arg(plan.manifest.created.toString(QStringLiteral("dd/MM/yyyy HH:mm")), QDir::toNativeSeparators(safety)));
}

void reminderSettings(QWidget* parent)
{
    if (!WriteGuard::allowed(parent))
        return;
    BackupSettings settings = BackupSettings::load();
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgPromemoriaBackup"));
    dialog.setWindowTitle(QStringLiteral(" Promemoria backup"));
    auto* caption = new QLabel(QStringLiteral("&Ricorda di fare il backup all'uscita dopo questi giorni senza "
                                              "backup (0 = mai):"),
                               &dialog);
    caption->setWordWrap(true);
    auto* days = new QSpinBox(&dialog);
    days->setObjectName(QStringLiteral("spnGiorni"));
    days->setRange(0, 365);
    days->setValue(settings.reminderDays);
    days->setAccessibleName(QStringLiteral("Giorni senza backup prima del promemoria (0 = mai)"));
    caption->setBuddy(days);
    auto* last = new QLabel(
        settings.lastBackup.isValid()
            ? QStringLiteral("Ultimo backup: %1").arg(settings.lastBackup.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
            : QStringLiteral("Non è ancora stato fatto nessun backup."),
        &dialog);
    last->setObjectName(QStringLiteral("lblUltimoBackup"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(caption);
    layout->addWidget(days);
    layout->addWidget(last);
    layout->addWidget(buttons);
    dialog.resize(420, 160);
    if (Modal::run(&dialog) != QDialog::Accepted)
        return;
    settings.reminderDays = days->value();
    QString why;
    if (!settings.save(&why))
        Messages::error(parent,
                        QStringLiteral("Non è stato possibile salvare l'impostazione del promemoria: %1").arg(why));
}

bool confirmExit(QWidget* parent)
{
    const BackupSettings settings = BackupSettings::load();
    const QDateTime now = QDateTime::currentDateTime();
    if (!settings.reminderDue(now))
        return true;
    return Messages::confirm(parent, settings.reminderText(now));
}

} // namespace BackupCommands
