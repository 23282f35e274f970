#include "base/Data.h"

namespace {
constexpr qint64 juliano30dez1899 = 2415019; // QDate(1899, 12, 30).toJulianDay()

// Reads a run of 1..maxDigitos digits from texto at pos; -1 when there is none.
int LeNumero(const QString& texto, int& pos, int maxDigitos) {
    int valor = 0, digitos = 0;
    while (pos < texto.size() && texto[pos].isDigit() && texto[pos].unicode() < 128) {
        if (++digitos > maxDigitos)
            return -1;
        valor = valor * 10 + (texto[pos].unicode() - '0');
        ++pos;
    }
    return digitos == 0 ? -1 : valor;
}
} // namespace

Data Data::DeQDate(const QDate& d) {
    return Data(static_cast<int>(d.toJulianDay() - juliano30dez1899));
}

QDate Data::ParaQDate() const {
    return QDate::fromJulianDay(n + juliano30dez1899);
}

QString Data::Texto() const {
    const QDate d = ParaQDate();
    const int ano = d.year() % 100;
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(ano < 0 ? ano + 100 : ano, 2, 10, QLatin1Char('0'));
}

int Data::DiaDaSemana() const {
    return ParaQDate().dayOfWeek() % 7 + 1;
}

int Data::AnoDoisDigitos(int yy, int anoAtual) {
    const int inicioJanela = anoAtual - 50;
    const int ano = inicioJanela - inicioJanela % 100 + yy;
    return ano < inicioJanela ? ano + 100 : ano;
}

std::optional<Data> Data::DeTexto(const QString& bruto, int anoAtual) {
    const QString texto = bruto.trimmed();
    int pos = 0;
    const int dia = LeNumero(texto, pos, 2);
    if (dia < 0 || pos >= texto.size() || texto[pos] != QLatin1Char('/'))
        return std::nullopt;
    ++pos;
    const int mes = LeNumero(texto, pos, 2);
    if (mes < 0 || pos >= texto.size() || texto[pos] != QLatin1Char('/'))
        return std::nullopt;
    ++pos;
    const int inicioAno = pos;
    int ano = LeNumero(texto, pos, 4);
    const int digitosAno = pos - inicioAno;
    if (ano < 0 || pos != texto.size() || digitosAno == 3)
        return std::nullopt;
    if (digitosAno <= 2)
        ano = AnoDoisDigitos(ano, anoAtual);
    const QDate d(ano, mes, dia);
    if (!d.isValid())
        return std::nullopt;
    return DeQDate(d);
}

Data DataNunca() {
    return Data::DeQDate(QDate(2009, 5, 13));
}
