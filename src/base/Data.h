#pragma once

#include <QDate>
#include <QString>
#include <compare>
#include <optional>

// A whole day, counted from 30/12/1899 (day 0). Day 0 also stands for "no date"
// in the in-memory records and shows as "30/12/99".
class Data {
public:
    constexpr Data() = default;
    constexpr explicit Data(int numero) : n(numero) {}

    static Data DeQDate(const QDate& d);
    QDate ParaQDate() const;

    constexpr int Numero() const { return n; }
    constexpr bool Zero() const { return n == 0; }

    // "dd/mm/yy"
    QString Texto() const;
    // 1 = Sunday .. 7 = Saturday
    int DiaDaSemana() const;

    // Parses d/m/yy or d/m/yyyy. A two-digit year falls in the hundred years that
    // start 50 years before anoAtual.
    static std::optional<Data> DeTexto(const QString& texto, int anoAtual);
    // The year of a two-digit year yy in that window.
    static int AnoDoisDigitos(int yy, int anoAtual);

    constexpr Data operator+(int dias) const { return Data(n + dias); }
    constexpr Data operator-(int dias) const { return Data(n - dias); }
    constexpr int operator-(Data outra) const { return n - outra.n; }
    Data& operator++() {
        ++n;
        return *this;
    }
    constexpr auto operator<=>(const Data&) const = default;

private:
    int n = 0;
};

// "13/05/09": the last-duty date of a person who has not had the duty yet.
inline constexpr const char* DataNuncaTexto = "13/05/09";
Data DataNunca();
