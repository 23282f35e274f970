#include "engine/Disponibilidade.h"

#include "calendar/Calendario.h"
#include "model/Sistema.h"

#include <algorithm>

IndicePessoal::IndicePessoal(const Sistema& s) {
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        indice.insert(s.VetBas[a].Num, a); // the first record of a number wins
}

namespace {

// The days of a blocking record, and what it reserves when it is the red-day
// reservation of one duty (every duty blocked but that one).
QString DescreveBloqueio(const Sistema& s, const TipoVetSgte& r) {
    QStringList dias;
    for (int j = 1; j <= 30; ++j)
        if (!r.Datas[j].Zero())
            dias << r.Datas[j].Texto();
    int livres = 0, livre = 0;
    for (int k = 1; k <= 30; ++k)
        if (r.Sv[k] == 0) {
            ++livres;
            livre = k;
        }
    if (livres == 1) {
        QString servico = QString::number(livre);
        for (int k = 1; k <= 30; ++k)
            if (s.VetSv[k].Definido() && s.VetSv[k].CodSv == livre)
                servico = s.VetSv[k].Descr;
        return QStringLiteral("reservado para o serviço %1 no dia vermelho %2")
            .arg(servico, dias.join(QStringLiteral(", ")));
    }
    return QStringLiteral("exclusão ou reserva de dia vermelho: fora deste serviço em %1")
        .arg(dias.join(QStringLiteral(", ")));
}

} // namespace

bool TesteExclusao(const Sistema& s, const QString& num, int sv, Data dia, QString* motivo) {
    for (int i = 1; i <= MaxSgte; ++i) {
        const TipoVetSgte& r = s.VetSgte[i];
        if (r.Num.isEmpty() || r.Num != num)
            continue;
        for (int k = 1; k <= 30; ++k) {
            if (r.Sv[k] == 0 || r.Sv[k] != sv)
                continue;
            for (int j = 1; j <= 30; ++j)
                if (r.Datas[j] == dia) {
                    if (motivo)
                        *motivo = DescreveBloqueio(s, r);
                    return false;
                }
        }
    }
    return true;
}

bool TesteFolga(const Sistema& s, int pessoa, Data dia, QString* motivo) {
    const auto& usv = s.VetBas[pessoa].USv;
    for (int k = 1; k <= 10; ++k)
        if (std::abs(dia - usv[k]) < s.IntervaloFolga) {
            if (motivo)
                *motivo = usv[k] == dia
                              ? QStringLiteral("já está escalado neste dia")
                              : QStringLiteral("folga: serviço em %1, e este serviço pede %2 "
                                               "dia(s) de folga")
                                    .arg(usv[k].Texto())
                                    .arg(s.IntervaloFolga - 1);
            return false;
        }
    return true;
}

bool TesteAfastamento(Sistema& s, int pessoa, Data dia, QString* motivo) {
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
    if (!disponivel) {
        if (motivo)
            *motivo = QStringLiteral("afastado de %1 a %2; deve se apresentar em %3")
                          .arg(b.Ini.Texto(), b.Fim.Texto(), apresentacao.Texto());
        return false;
    }
    if (motivo)
        return true;
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

QStringList ExplicaVaga(Sistema& s, int sv, const GradeTexto& grade, Data dia,
                        const IndicePessoal* indice) {
    QStringList linhas;
    for (int linha = 1; linha <= 500; ++linha) {
        const QString num = grade.Cel(0, linha);
        if (num.isEmpty())
            break;
        const int pessoa = indice ? indice->Registro(num) : PrimeiroRegistro(s, num);
        QString motivo;
        if (!TesteExclusao(s, num, sv, dia, &motivo)) {
        } else if (pessoa == 0)
            motivo = QStringLiteral("não cadastrado no pessoal (sem testes, já foi tomado antes "
                                    "neste serviço)");
        else if (!TesteFolga(s, pessoa, dia, &motivo) ||
                 !TesteAfastamento(s, pessoa, dia, &motivo)) {
        } else
            motivo = QStringLiteral("disponível");
        const QString quem = pessoa == 0
                                 ? num
                                 : QStringLiteral("%1 %2 %3")
                                       .arg(num, s.VetBas[pessoa].PstGrd, s.VetBas[pessoa].Nome);
        linhas << QStringLiteral("%1. %2: %3").arg(linha).arg(quem, motivo);
    }
    return linhas;
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
