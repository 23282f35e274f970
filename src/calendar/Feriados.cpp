#include "calendar/Feriados.h"

#include <QDate>
#include <algorithm>

Data Pascoa(int ano) {
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = ano % 19;
    const int b = ano / 100;
    const int c = ano % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int mes = (h + l - 7 * m + 114) / 31;
    const int dia = (h + l - 7 * m + 114) % 31 + 1;
    return Data::DeQDate(QDate(ano, mes, dia));
}

std::vector<Data> FacultativosDoAno(int ano) {
    const Data pascoa = Pascoa(ano);
    return {pascoa - 48, pascoa - 47, pascoa + 60};
}

std::vector<Data> FeriadosDoAno(int ano, bool facultativos) {
    std::vector<Data> dias;
    for (const FeriadoFixo f : FeriadosFixos)
        dias.push_back(Data::DeQDate(QDate(ano, f.mes, f.dia)));
    dias.push_back(Pascoa(ano) - 2);
    if (facultativos)
        for (const Data d : FacultativosDoAno(ano))
            dias.push_back(d);
    std::sort(dias.begin(), dias.end());
    return dias;
}

std::vector<Data> FeriadosNoPeriodo(Data inicio, Data fim, bool facultativos) {
    std::vector<Data> dias;
    if (fim < inicio)
        return dias;
    const int primeiro = inicio.ParaQDate().year();
    const int ultimo = fim.ParaQDate().year();
    for (int ano = primeiro; ano <= ultimo; ++ano)
        for (const Data d : FeriadosDoAno(ano, facultativos))
            if (inicio <= d && d <= fim)
                dias.push_back(d);
    return dias;
}
