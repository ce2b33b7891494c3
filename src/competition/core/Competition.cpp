#include "competition/core/Competition.h"

#include <QFile>
#include <QSet>

namespace {

QString points(qint64 hundredths)
{
    QString text = QString::number(hundredths / 100) + QLatin1Char(',') +
        QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace

namespace CompetitionRules {

QString roleName(CompetitionTest::Role role)
{
    switch (role) {
    case CompetitionTest::Role::Written:
        return QStringLiteral("Prova scritta");
    case CompetitionTest::Role::Practical:
        return QStringLiteral("Prova pratica");
    case CompetitionTest::Role::Oral:
        return QStringLiteral("Prova orale");
    case CompetitionTest::Role::Titles:
        return QStringLiteral("Titoli");
    }
    return QString();
}

namespace {

// The resource: notes ("# ...") then one title per line.
QStringList resourceLines(bool notes)
{
    QFile file(QStringLiteral(":/competition/preferenze.txt"));
    QStringList out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const bool note = line.startsWith(QLatin1Char('#'));
        if (note == notes)
            out << (note ? line.mid(1).trimmed() : line);
    }
    return out;
}

} // namespace

QStringList defaultPreferenceTitles()
{
    return resourceLines(false);
}

QString defaultTitlesSource()
{
    const QStringList notes = resourceLines(true);
    // The second and third lines of the notes name the source and its date.
    QString source = notes.mid(1, 2).join(QLatin1Char(' '));
    if (source.startsWith(QStringLiteral("Fonte:")))
        source = source.mid(6).trimmed();
    return source;
}

int reservedPosts(const CompetitionReserve& reserve, int posts)
{
    if (reserve.percent > 0)
        return int(qint64(posts) * reserve.percent / 100);
    return reserve.posts;
}

} // namespace CompetitionRules

QStringList Competition::problems() const
{
    QStringList out;
    if (name.trimmed().isEmpty())
        out << QStringLiteral("Indicare il nome del concorso.");
    if (tests.isEmpty())
        out << QStringLiteral("Il concorso non ha prove: aggiungere almeno una sessione.");
    QSet<QString> seen;
    for (const CompetitionTest& t : tests) {
        const QString which = QStringLiteral("«%1» (%2)").arg(t.session, CompetitionRules::roleName(t.role).toLower());
        if (seen.contains(t.session.toLower()))
            out << QStringLiteral("La sessione «%1» è indicata due volte: ogni sessione è una sola prova.")
                       .arg(t.session);
        seen.insert(t.session.toLower());
        if (t.maximum <= 0)
            out << QStringLiteral("La prova %1 non ha il punteggio massimo.").arg(which);
        if (t.passMark < 0 && t.role != CompetitionTest::Role::Titles)
            out << QStringLiteral("La prova %1 non ha il punteggio minimo per superarla (per esempio 21 su 30).")
                       .arg(which);
        if (t.maximum > 0 && t.passMark > t.maximum)
            out << QStringLiteral("Il punteggio minimo della prova %1 (%2) supera il massimo (%3).")
                       .arg(which, points(t.passMark), points(t.maximum));
        if (rule == Rule::Weighted && t.weight <= 0)
            out << QStringLiteral("La prova %1 non ha un peso maggiore di zero.").arg(which);
    }
    if (posts <= 0)
        out << QStringLiteral("Indicare il numero dei posti messi a concorso.");
    if (preferenceTitles.isEmpty())
        out << QStringLiteral("L'elenco dei titoli di preferenza è vuoto: ripristinare l'elenco di legge "
                              "o indicare quello del bando.");
    int reserved = 0;
    for (const CompetitionReserve& r : reserves) {
        if (r.name.trimmed().isEmpty())
            out << QStringLiteral("Una riserva non ha il nome della categoria.");
        if (r.percent < 0 || r.percent > 100 || r.posts < 0)
            out << QStringLiteral("La riserva «%1» ha una quota non valida.").arg(r.name);
        reserved += CompetitionRules::reservedPosts(r, posts);
    }
    if (posts > 0 && reserved > posts)
        out << QStringLiteral("Le riserve (%1 posti) superano i posti messi a concorso (%2).").arg(reserved).arg(posts);
    return out;
}
