#include "engine/Disponibilidade.h"

#include "calendar/Calendario.h"
#include "model/Sistema.h"

#include <algorithm>

IndicePessoal::IndicePessoal(const Sistema& s) {
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        indice.insert(s.VetBas[a].Num, a); // the first record of a number wins
}

bool TesteExclusao(const Sistema& s, const QString& num, int sv, Data dia) {
    for (int i = 1; i <= MaxSgte; ++i) {
        const TipoVetSgte& r = s.VetSgte[i];
        if (r.Num.isEmpty() || r.Num != num)
            continue;
        for (int k = 1; k <= 30; ++k) {
            if (r.Sv[k] == 0 || r.Sv[k] != sv)
                continue;
            for (int j = 1; j <= 30; ++j)
                if (r.Datas[j] == dia)
                    return false;
        }
    }
    return true;
}

bool TesteFolga(const Sistema& s, int pessoa, Data dia) {
    const auto& usv = s.VetBas[pessoa].USv;
    for (int k = 1; k <= 10; ++k)
        if (std::abs(dia - usv[k]) < s.IntervaloFolga)
            return false;
    return true;
}

bool TesteAfastamento(Sistema& s, int pessoa, Data dia) {
    const TipoVetBas& b = s.VetBas[pessoa];
    const bool real = b.PR == QLatin1String("R");
    if (!real && b.PR != QLatin1String("P"))
        return true;
    const Data apresentacao = ProxDiaPreto(s, b.Fim);
    enum { Antes, Dentro, Depois } posicao = Depois;
    bool disponivel = true;
    if (dia > apresentacao)
        posicao = Depois;
    if (dia < b.Ini)
        posicao = Antes;
    if (b.Ini <= dia && dia <= apresentacao) {
        posicao = Dentro;
        disponivel = !real;
    }
    if (!disponivel)
        return false;
    const QString inicio =
        QStringLiteral("dia: ") + dia.Texto() + QStringLiteral("- Nº:  ") + b.Num;
    if (real && posicao == Depois)
        s.ListBox6 << inicio + QStringLiteral("  deve se apresentar pronto em  ") +
                          apresentacao.Texto();
    if (!real && posicao == Dentro)
        s.ListBox6 << inicio + QStringLiteral("  PREVISTO sair da escala de: ") + b.Ini.Texto() +
                          QStringLiteral(" a ") + b.Fim.Texto();
    return true;
}

namespace {

int PrimeiroRegistro(const Sistema& s, const QString& num) {
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        if (s.VetBas[a].Num == num)
            return a;
    return 0;
}

} // namespace

QString ProximoDaVez(Sistema& s, int sv, GradeTexto& grade, Data dia, const IndicePessoal* indice) {
    for (int linha = s.CursorGrade; linha <= 500; ++linha) {
        s.CursorGrade = linha + 1;
        const QString num = grade.Cel(0, linha);
        if (num.isEmpty())
            return QString();
        const int pessoa = indice ? indice->Registro(num) : PrimeiroRegistro(s, num);
        if (!TesteExclusao(s, num, sv, dia))
            continue;
        if (pessoa == 0)
            return num; // no personnel record: nothing to test or record
        if (!TesteFolga(s, pessoa, dia) || !TesteAfastamento(s, pessoa, dia))
            continue;
        RegistraDia(s, pessoa, dia);
        return num;
    }
    return QString();
}

void ListaCandidatos(Sistema& s, int sv, Data dia) {
    CarregaVetBas(s, Banco::Principal);
    CarregaVetSv(s, Banco::Principal);
    s.IntervaloFolga = s.VetSv[sv].Folga + 1;
    const QString tipo = DiaVermelho(s, dia) ? QStringLiteral("Vm") : QStringLiteral("Pt");
    if (sv < 1 || sv > 30)
        return;
    GradeTexto* grade = &RecarregaGrade(s, sv);
    OrdenaGrade(s, *grade, tipo);
    s.CursorGrade = 1;
    for (int i = 0; i < 10; ++i) {
        const QString num = ProximoDaVez(s, sv, *grade, dia);
        if (!num.isEmpty())
            s.ListBox3 << num + QStringLiteral("   ");
    }
}
