// The folder of attached files, "Documenti_Allegati" in the program folder,
// shared by every candidate card: a card stores only each file's name.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Attachments {

// "Documenti_Allegati" in the program folder (no trailing "/").
QString cartella();

// Whether a stored attachment name names a file directly inside the folder:
// not empty, no path separator of any system, not "." or "..". Names read
// from the archive are not to be trusted: "..\\..\\x" must never reach a file
// outside the folder.
bool isSafeName(const QString& name);

// The file of the trimmed name in the folder; empty when the name is not safe.
QString percorso(const QString& name);

// The file's name without its folder, as a slot stores it.
QString nameOf(const QString& sourcePath);

// Whether the folder already holds a file of that name.
bool esiste(const QString& name);

// Whether sourcePath is the very file the folder holds under that name.
bool stessoFile(const QString& sourcePath, const QString& name);

// Copies the file into the folder under its own name, creating the folder
// when missing and replacing a file of that name in one step: a failed copy
// leaves the older file whole. False, with *error set, on any failure.
bool copia(const QString& sourcePath, QString* error = nullptr);

// Copies the file into the folder under another name (one freeName()
// gave), the same way.
bool copiaCome(const QString& sourcePath, const QString& name, QString* error = nullptr);

// A card of the archive that names an attached file.
struct Owner
{
    qint64 position = 0;
    QString candidato;
};
// The cards of the archive at archivePath, other than card `except` (0 for
// a card not stored yet), whose attachments name that file; false when the
// archive cannot be read.
bool owners(const QString& archivePath, const QString& name, qint64 except, QList<Owner>* found);

// A name the folder does not hold yet: the name itself, or "cv (2).pdf",
// "cv (3).pdf"... with the number before the extension.
QString freeName(const QString& name);

// The question when the file of that name is attached to other cards: it
// names the cards and offers to keep both files, the new one as newName.
// Its buttons, in order: keep both, replace, cancel.
QString otherCardQuestion(const QString& name, const QList<Owner>& others, const QString& newName);
QStringList otherCardButtons();

// The open dialog's title and filter.
QString titolo();
QString filtro();
// The question before replacing a file of the same name.
QString overwriteQuestion();
// The report of a file that could not be copied into the folder.
QString messaggioCopia(const QString& name);
// The report of a stored name that does not name a file in the folder.
QString nameMessage(const QString& name);

} // namespace Attachments
