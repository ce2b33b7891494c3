// The pages of the help: every help button opens the help window with one of
// these topics, and the manual "Guida.pdf" is made from the same texts.
#pragma once

#include <QList>
#include <QString>

namespace HelpTopics {

struct Topic
{
    QString title;
    QString text; // paragraphs separated by an empty line ("\r\n\r\n")
};

// The topic titles, as the help window shows them.
QString launcher(); // "Uno sguardo a Selvora"
QString candidates(); // "App Archivio Candidati"
QString candidatesExport(); // "Esportazione archivio candidati in Microsoft Excel"
QString sessions(); // "Gestione sessioni colloqui di lavoro"
QString sessionExport(); // "Esportazione archivio candidati esaminati in Microsoft Excel"
QString rankings(); // "Visualizzazione graduatorie"
QString grid(); // "Griglia di valutazione e graduatoria finale"
QString competition(); // "Concorso di più prove"

// Every topic, in the order of the manual.
QList<Topic> all();

// The text of the topic with that title; empty for an unknown title.
QString text(const QString& title);

// The paragraphs of a topic text.
QStringList paragraphs(const QString& text);

} // namespace HelpTopics
