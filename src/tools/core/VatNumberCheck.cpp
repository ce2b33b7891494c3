#include "tools/core/VatNumberCheck.h"

#include <QHash>

namespace {

bool cifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The VAT offices by their three-digit code: 001 to 102 without gaps, then
// 120 and 121, which issue for the same offices as 101 and 102.
const QHash<QString, QString>& uffici()
{
    static const QHash<QString, QString> table = [] {
        const char* const nomi[] = {
            "Torino",
            "Vercelli",
            "Novara",
            "Cuneo",
            "Asti",
            "Alessandria",
            "Aosta",
            "Imperia",
            "Savona",
            "Genova 1",
            "La Spezia",
            "Varese",
            "Como",
            "Sondrio",
            "Milano 1",
            "Bergamo",
            "Brescia 1",
            "Pavia",
            "Cremona",
            "Mantova",
            "Bolzano",
            "Trento",
            "Verona",
            "Vicenza",
            "Belluno",
            "Treviso",
            "Venezia",
            "Padova",
            "Rovigo",
            "Udine",
            "Gorizia",
            "Trieste",
            "Piacenza",
            "Parma",
            "Reggio Emilia",
            "Modena",
            "Bologna 1",
            "Ferrara",
            "Ravenna",
            "Forlì",
            "Pesaro",
            "Ancona",
            "Macerata",
            "Ascoli Piceno",
            "Massa Carrara",
            "Lucca",
            "Pistoia",
            "Firenze 1",
            "Livorno",
            "Pisa",
            "Arezzo",
            "Siena",
            "Grosseto",
            "Perugia",
            "Terni",
            "Viterbo",
            "Rieti",
            "Roma 1",
            "Latina",
            "Frosinone",
            "Caserta",
            "Benevento",
            "Napoli 1",
            "Avellino",
            "Salerno",
            "Aquila",
            "Teramo",
            "Pescara",
            "Chieti",
            "Campobasso",
            "Foggia",
            "Bari",
            "Taranto",
            "Brindisi",
            "Lecce",
            "Potenza",
            "Matera",
            "Cosenza",
            "Catanzaro",
            "Reggio Calabria",
            "Trapani",
            "Palermo",
            "Messina",
            "Agrigento",
            "Caltanissetta",
            "Enna",
            "Catania",
            "Ragusa",
            "Siracusa",
            "Sassari",
            "Nuoro",
            "Cagliari",
            "Pordenone",
            "Isernia",
            "Oristano",
            "Monza (Milano 2)",
            "Prato (Firenze 2)",
            "Brescia 2",
            "Chiavari (Genova 2)",
            "Roma 2",
            "Bologna 2",
            "Napoli 2",
        };
        static_assert(sizeof(nomi) / sizeof(nomi[0]) == 102, "offices 001 to 102");
        QHash<QString, QString> t;
        for (int i = 0; i < 102; ++i)
            t.insert(QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')), QString::fromUtf8(nomi[i]));
        t.insert(QStringLiteral("120"), QStringLiteral("Bologna 2"));
        t.insert(QStringLiteral("121"), QStringLiteral("Napoli 2"));
        return t;
    }();
    return table;
}

} // namespace

namespace VatNumberCheck {

int cifraDiControllo(const QString& primeDieci)
{
    if (primeDieci.size() != 10)
        return -1;
    int somma = 0;
    for (int pos = 1; pos <= 10; ++pos) {
        const QChar c = primeDieci.at(pos - 1);
        if (!cifra(c))
            return -1;
        const int d = c.unicode() - '0';
        if (pos % 2 == 1) {
            somma += d;
        } else {
            const int doppio = 2 * d;
            somma += doppio / 10 + doppio % 10;
        }
    }
    return somma % 10 == 0 ? 0 : 10 - somma % 10;
}

bool valida(const QString& numero)
{
    if (numero.size() != 11 || !cifra(numero.at(10)))
        return false;
    const int attesa = cifraDiControllo(numero.left(10));
    return attesa >= 0 && numero.at(10).unicode() - '0' == attesa;
}

QString ufficio(const QString& codice)
{
    return uffici().value(codice);
}

} // namespace VatNumberCheck
