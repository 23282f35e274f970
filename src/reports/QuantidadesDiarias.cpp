#include "reports/QuantidadesDiarias.h"

#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "model/Historico.h"
#include "model/Sistema.h"

namespace {

const QString semSv = QStringLiteral("Sem Sv");

bool DiaVermelhoNaTabela(const GradeTexto& g, int coluna) {
    const QString& semana = g.Cel(coluna, 1);
    return semana.size() >= 2 && semana[1] == QLatin1Char('*');
}

bool NumeroInteiro(const QString& texto) {
    bool ok = false;
    return texto.trimmed().toInt(&ok) >= 0 && ok;
}

} // namespace

void CriaTabelaQuantidades(Sistema& s) {
    s.Quantidades.TabelaConstruida = 1;
    s.Quantidades.Tocada = false;
    for (auto& dia : s.MatQuant)
        dia.fill(QStringLiteral("x"));
}

void ConstroiTabelaQuantidades(Sistema& s) {
    TabelaQuantidades& t = s.Quantidades;
    const int n = t.FimPeriodo - t.UltimaEscala;
    if (n > DiasMatQuant)
        throw Recusa(QStringLiteral("O período de %1 a %2 tem %3 dias; escale no máximo %4 dias "
                                    "de cada vez.")
                         .arg((t.UltimaEscala + 1).Texto(), t.FimPeriodo.Texto())
                         .arg(n)
                         .arg(DiasMatQuant));
    // Only defined duties take part: an empty Descr would end the table for
    // LinhaDoServico.
    const auto participa = [&](int k) { return t.Participa[k] && s.VetSv[k].Definido(); };
    int servicos = 0;
    for (int k = 1; k <= 30; ++k)
        if (participa(k))
            ++servicos;
    GradeTexto& g = t.SGQuantMilSvDia;
    g = GradeTexto(qMax(n, 0) + 1, 2 + servicos);
    for (int c = 1; c <= n; ++c) {
        const Data dia = t.UltimaEscala + c;
        const QString marca = MarcaVermelho(s, dia);
        g.DefineCel(c, 0, dia.Texto());
        g.DefineCel(c, 1, marca + NomeDiaSemana(dia.DiaDaSemana()) + marca);
    }
    int r = 2;
    for (int k = 1; k <= 30; ++k) {
        if (!participa(k))
            continue;
        const TipoVetSv& sv = s.VetSv[k];
        g.DefineCel(0, r, sv.Descr);
        const QString quant = QString::number(sv.Quant);
        for (int c = 1; c <= n; ++c) {
            const Data dia = t.UltimaEscala + c;
            QString valor = QStringLiteral("0");
            const bool vermelho = DiaVermelhoNaTabela(g, c);
            if (dia < sv.Ini || dia > sv.Fim)
                valor = semSv;
            else if (sv.TipoSv == QLatin1String("PV") ||
                     (sv.TipoSv == QLatin1String("Pt") && !vermelho) ||
                     (sv.TipoSv == QLatin1String("Vm") && vermelho))
                valor = quant;
            g.DefineCel(c, r, valor);
        }
        ++r;
    }
}

void AtivaTabelaQuantidades(Sistema& s) {
    TabelaQuantidades& t = s.Quantidades;
    if (t.TabelaConstruida == 1) {
        ConstroiTabelaQuantidades(s);
        t.TabelaConstruida = 2;
    }
    if (!t.Tocada)
        return;
    GradeTexto& g = t.SGQuantMilSvDia;
    for (int c = 1; c <= t.Dias() && c <= DiasMatQuant; ++c)
        for (int r = 2; r <= t.UltimaLinha() && r <= 31; ++r)
            if (s.MatQuant[c - 1][r - 1] != QLatin1String("x"))
                g.DefineCel(c, r, s.MatQuant[c - 1][r - 1]);
}

std::optional<QString> FechaTabelaQuantidades(Sistema& s) {
    TabelaQuantidades& t = s.Quantidades;
    GradeTexto& g = t.SGQuantMilSvDia;
    for (int r = 2; r <= t.UltimaLinha(); ++r)
        for (int c = 1; c <= t.Dias(); ++c)
            if (g.Cel(c, r) != semSv && !NumeroInteiro(g.Cel(c, r)))
                return QStringLiteral("A quantidade do serviço %1 no dia %2 deve ser um número "
                                      "inteiro (0 ou mais), e não \"%3\".\nCorrija a célula "
                                      "antes de continuar.")
                    .arg(g.Cel(0, r), g.Cel(c, 0), g.Cel(c, r));
    for (int c = 1; c <= t.Dias() && c <= DiasMatQuant; ++c)
        for (int r = 2; r <= t.UltimaLinha() && r <= 31; ++r)
            s.MatQuant[c - 1][r - 1] = g.Cel(c, r);
    for (int c = 1; c <= t.Dias(); ++c) {
        const bool zerar = t.FaseVermelha && !DiaVermelhoNaTabela(g, c);
        for (int r = 2; r <= t.UltimaLinha(); ++r)
            if (zerar || g.Cel(c, r) == semSv)
                g.DefineCel(c, r, QStringLiteral("0"));
    }
    t.Tocada = true;
    return std::nullopt;
}

int ColunaDoDia(const Sistema& s, const QString& diaTexto) {
    const GradeTexto& g = s.Quantidades.SGQuantMilSvDia;
    for (int c = 1; c < g.Colunas(); ++c)
        if (g.Cel(c, 0) == diaTexto)
            return c;
    return 0;
}

int LinhaDoServico(const Sistema& s, const QString& descr) {
    const GradeTexto& g = s.Quantidades.SGQuantMilSvDia;
    for (int r = 2; r <= 31 && r < g.Linhas() && !g.Cel(0, r).isEmpty(); ++r)
        if (g.Cel(0, r) == descr)
            return r;
    return 0;
}
