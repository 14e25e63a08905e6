#include "app/refusals.h"

namespace qvk::app {

namespace {

struct Advice {
    const char* start; // how the message starts
    const char* advice;
};

const Advice kAdvice[] = {
    {"Nejsou zad", "Zadejte do polí čísla, s desetinnou čárkou (například 2,5)."},
    {"Maximální hodnota", "Zadejte čísla od −9999 do 99999."},
    {"Minimální hodnota", "Zadejte čísla od −9999 do 99999."},
    {"Konstanta A nemůže", "Pro a = 0 nejde o rovnici tohoto stupně: zadejte a ≠ 0."},
    {"Nepřípustná kombinace", "Vyplňte jinou kombinaci údajů; přípustné kombinace uvádí nápověda (F1)."},
    {"Nepřípustné zadání", "Z daných hodnot útvar nevznikne: zkontrolujte je (například součet dvou stran musí být větší než třetí, součet úhlů menší než 180°)."},
    {"Začátek intervalu", "Zadejte začátek intervalu menší nebo rovný jeho konci."},
    {"Maximální rozpětí", "Zvolte interval kratší než 20000."},
    {"Musí být minimálně 2", "Zadejte alespoň dvě celá čísla oddělená čárkou (například 10,15,20)."},
    {"Žádné číslo nemůže být <= 0", "Zadejte kladná celá čísla."},
    {"Žádné číslo nemůže být větší", "Zadejte celá čísla od 1 do 999999999."},
    {"Úhel nemůže být", "Zadejte úhel menší než 360°."},
    {"Počet vrcholů", "Zadejte počet vrcholů n ≥ 3."},
    {"Číslo musí být větší než 4", "Zadejte číslo větší než 4."},
    {"Strany obdelníku", "Úhlopříčka obdélníku musí být delší než každá jeho strana."},
    {"Obvod nemůže být", "Obvod musí být větší než dvojnásobek zadané strany."},
};

} // namespace

QString expected_instead(const QString& message)
{
    for (const Advice& a : kAdvice)
        if (message.startsWith(QString::fromUtf8(a.start)))
            return QString::fromUtf8(a.advice);
    return {};
}

} // namespace qvk::app
