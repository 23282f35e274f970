#include "reports/PesquisaServicos.h"

#include "model/Servicos.h"
#include "model/Sistema.h"

#include <QSet>

namespace {

// The dates of the search, written "dd/mm/yy", are read back with the year
// 20yy.
Data DataDaConsulta(Data dia) {
    const QDate d = dia.ParaQDate();
    const QDate seculo(2000 + d.year() % 100, d.month(), d.day());
    return seculo.isValid() ? Data::DeQDate(seculo) : dia;
}

} // namespace

void AtivaPesquisa(Sistema& s, PesquisaServicos& p) {
    p.Edit1 = QStringLiteral("01/01/01");
    p.Edit2 = QStringLiteral("31/12/99");
    p.Inicio = *s.LeData(p.Edit1);
    p.Fim = *s.LeData(p.Edit2);
    p.Resultado = s.dm.ConsultaHist(FiltroHist{});
}

bool SaiData(Sistema& s, PesquisaServicos& p, bool inicio) {
    QString& campo = inicio ? p.Edit1 : p.Edit2;
    Data& data = inicio ? p.Inicio : p.Fim;
    if (const auto dia = s.LeData(campo)) {
        data = *dia;
        return true;
    }
    const QString digitado = campo;
    campo = data.Texto();
    s.dialogos.Aviso(digitado + QStringLiteral(" >>> Data inválida"));
    return false;
}

void EntraDataFim(PesquisaServicos& p) {
    p.Edit2 = p.Edit1;
}

void PreparaEscolhaServicos(Sistema& s) {
    LimpaSel(s);
    CarregaVetSv(s, Banco::Principal);
}

void ServicosEscolhidos(const Sistema& s, PesquisaServicos& p) {
    QStringList lista;
    for (int n = 1; n <= 30; ++n)
        if (s.VetSv[n].Sel == QLatin1String("S"))
            lista << QString::number(n);
    p.ListaSv = lista.join(QLatin1Char(','));
}

FiltroHist FiltroDaPesquisa(const PesquisaServicos& p) {
    FiltroHist f;
    f.Desde = DataDaConsulta(p.Inicio);
    f.Ate = DataDaConsulta(p.Fim);
    for (const QString& n : p.ListaSv.split(QLatin1Char(','), Qt::SkipEmptyParts))
        f.Servicos << n.toInt();
    f.Num = p.Edit3;
    f.PtVm = p.Escala;
    return f;
}

void Pesquisa(Sistema& s, PesquisaServicos& p) {
    p.Edit1 = p.Inicio.Texto();
    p.Edit2 = p.Fim.Texto();
    p.Resultado = s.dm.ConsultaHist(FiltroDaPesquisa(p));
    p.Edit3.clear();
    p.ListaSv.clear();
    p.Escala.clear();
}

QStringList LinhasDaPesquisa(const PesquisaServicos& p, const QList<int>& selecionadas) {
    const QString separador(10, QLatin1Char(' '));
    QStringList linhas{
        QStringLiteral("   Data                     Escala       Serviço        Numero          "),
        QStringLiteral(" ")};
    const QSet<int> escolhidas(selecionadas.begin(), selecionadas.end());
    for (int i = 0; i < p.Resultado.size(); ++i) {
        if (!escolhidas.isEmpty() && !escolhidas.contains(i))
            continue;
        const LinhaHist& h = p.Resultado[i];
        linhas << (h.Dia.Texto() + separador).left(20) + separador + (h.PtVm + separador).left(4) +
                      separador + (h.Descr + separador).left(8) + separador +
                      (h.Num + separador).left(80);
    }
    return linhas;
}

bool ImprimePesquisa(Sistema& s, const PesquisaServicos& p, const QList<int>& selecionadas) {
    if (!s.dialogos.Confirma(
            QStringLiteral("Serão impressos  todos os  registros do  quadro.\nPara imprimir apenas "
                           "algumas linhas, use a tecla <Ctrl>.\n\n                  Imprimir "
                           "agora?")))
        return false;
    s.impressora.ImprimeLinhas(LinhasDaPesquisa(p, selecionadas));
    return true;
}
