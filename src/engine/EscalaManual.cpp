#include "engine/EscalaManual.h"

#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "engine/Escalacao.h"
#include "engine/JanelasEscala.h"
#include "engine/Previsao.h"
#include "model/Sistema.h"
#include "reports/QuantidadesDiarias.h"

#include <cstdlib>

namespace {

const QString semSv = QStringLiteral("Sem Sv");
constexpr int colunaCodigo = 10;
constexpr int ultimaColunaDia = 6;

// The columns of the grid that hold a day: 1 up to the end day, at most 6.
int ColunasComDia(const AbaManual& m) {
    int n = 0;
    while (n < ultimaColunaDia && !m.SGGradeSv.Cel(n + 1, 0).isEmpty())
        ++n;
    return n;
}

Data DiaDaColuna(const AbaManual& m, int coluna) {
    return m.UltimaPreparada + coluna;
}

// The grid was prepared for the duties and the last roster date that still
// stand; otherwise it must be prepared again.
void ConfereGradePreparada(const Sistema& s) {
    const AbaManual& m = s.Manual;
    const QString prepareDeNovo =
        QStringLiteral("\nClique em \"Escalar até:\" e prepare a grade de novo.");
    if (s.UltimaEscala != m.UltimaPreparada)
        throw Recusa(QStringLiteral("A última escalação mudou para %1 depois que a grade foi "
                                    "preparada.")
                         .arg(s.UltimaEscala.Texto()) +
                     prepareDeNovo);
    for (int r = 1; r < m.LinhasGrade; ++r) {
        const int sv = m.SGGradeSv.Cel(colunaCodigo, r).toInt();
        if (sv < 1 || sv > 30 || s.VetSv[sv].Descr != m.SGGradeSv.Cel(0, r))
            throw Recusa(QStringLiteral("O serviço %1 mudou depois que a grade foi preparada.")
                             .arg(m.SGGradeSv.Cel(0, r)) +
                         prepareDeNovo);
    }
}

void EsvaziaGrade(AbaManual& m) {
    for (int r = 0; r < m.SGGradeSv.Linhas(); ++r)
        for (int c = 0; c < m.SGGradeSv.Colunas(); ++c)
            m.SGGradeSv.DefineCel(c, r, QString());
}

void Avisa(Sistema& s, const std::function<void()>& avisando, const QString& texto) {
    if (avisando)
        avisando();
    s.dialogos.Aviso(texto);
}

} // namespace

void ReiniciaManual(Sistema& s) {
    AbaManual& m = s.Manual;
    s.Operacao = QStringLiteral("Desfazer");
    m.Button11Visivel = false;
    m.Button12Visivel = false;
    m.Edit7.clear();
    m.Edit7Visivel = false;
    m.ListBox4.clear();
    m.ListBox4Visivel = false;
    m.Button14Visivel = false;
    m.Button10Visivel = true;
    EsvaziaGrade(m);
}

void PreparaGrade(Sistema& s, JanelasEscala& janelas) {
    AbaManual& m = s.Manual;
    s.Quantidades.TabelaConstruida = 1;
    s.Quantidades.Tocada = false;
    s.MontarVermelhaAntes = false;
    if (m.Edit6.isEmpty())
        throw Recusa(QStringLiteral("Você deve informar a data final da escala"));
    const auto fim = s.LeData(m.Edit6);
    if (!fim)
        throw Recusa(m.Edit6 + QStringLiteral(" >>> Data inválida"));
    const Data fimPeriodo = s.pasta.LeDataIniFim().second;
    if (fimPeriodo < *fim)
        throw Recusa(
            QStringLiteral("Antes de escalar, você deve alongar a data de preparação do Sistema\n\n"
                           "             A data atual vai até o dia ") +
            fimPeriodo.Texto() +
            QStringLiteral("\n\nPara ampliá-la, use o item 6. da aba /Manutenção/"));
    const Data ultima = s.UltimaEscala;
    if (*fim - ultima > ultimaColunaDia)
        throw Recusa(QStringLiteral("Só é possível escalar até o dia ") +
                     (ultima + ultimaColunaDia).Texto());

    CarregaVetSv(s, Banco::Principal);
    EsvaziaGrade(m);
    int r = 0;
    for (int k = 1; k <= 30; ++k) {
        const bool definido = s.VetSv[k].Definido();
        s.Quantidades.Participa[k] = definido;
        if (!definido)
            continue;
        s.VetSv[k].Sel = QStringLiteral("S");
        ++r;
        m.SGGradeSv.DefineCel(0, r, s.VetSv[k].Descr);
        m.SGGradeSv.DefineCel(colunaCodigo, r, QString::number(k));
    }
    m.LinhasGrade = r + 1;
    m.UltimaPreparada = ultima;
    m.FimPreparado = *fim;

    s.Quantidades.UltimaEscala = ultima;
    s.Quantidades.FimPeriodo = *fim;
    janelas.MostraQuantidades(true);

    m.SGGradeSv.DefineCel(0, 0, QStringLiteral("."));
    for (int c = 1; c <= ultimaColunaDia && DiaDaColuna(m, c) <= *fim; ++c)
        m.SGGradeSv.DefineCel(c, 0, DiaDaColuna(m, c).Texto());
    const int dias = ColunasComDia(m);
    for (int linha = 1; linha < m.LinhasGrade; ++linha) {
        const TipoVetSv& sv = s.VetSv[m.SGGradeSv.Cel(colunaCodigo, linha).toInt()];
        const int linhaQuantidade = LinhaDoServico(s, sv.Descr);
        for (int c = 1; c <= dias; ++c) {
            const Data dia = DiaDaColuna(m, c);
            if (dia < sv.Ini || dia > sv.Fim)
                m.SGGradeSv.DefineCel(c, linha, semSv + QLatin1Char(' '));
            const int colunaQuantidade = ColunaDoDia(s, dia.Texto());
            if (linhaQuantidade != 0 && colunaQuantidade != 0 &&
                s.Quantidades.SGQuantMilSvDia.Cel(colunaQuantidade, linhaQuantidade) ==
                    QLatin1String("0"))
                m.SGGradeSv.DefineCel(c, linha, semSv);
        }
    }
    m.Coluna = 1;
    m.Linha = 1;
    m.Edit7 = m.SGGradeSv.Cel(1, 1);
    m.Edit7Visivel = true;
    m.Button11Visivel = true;
    m.Button12Visivel = false;
    m.GradeVisivel = true;
    m.Button10Visivel = false;
}

void SelecionaCelula(Sistema& s, int coluna, int linha) {
    AbaManual& m = s.Manual;
    if (coluna < 0 || coluna >= m.SGGradeSv.Colunas() || linha < 0 || linha >= m.SGGradeSv.Linhas())
        return;
    m.Coluna = coluna;
    m.Linha = linha;
    m.Edit7 = m.SGGradeSv.Cel(coluna, linha);
}

void DefineCelula(Sistema& s, int coluna, int linha, const QString& texto) {
    AbaManual& m = s.Manual;
    if (coluna < 0 || coluna >= m.SGGradeSv.Colunas() || linha < 0 ||
        linha >= m.SGGradeSv.Linhas() || m.SGGradeSv.Cel(coluna, linha) == texto)
        return;
    m.SGGradeSv.DefineCel(coluna, linha, texto);
    if (coluna == m.Coluna && linha == m.Linha)
        m.Edit7 = texto;
    if (linha >= 1 && coluna >= 1 && coluna <= ultimaColunaDia)
        m.Button12Visivel = false;
}

void VerificaMilitarGrade(Sistema& s, const QString& num, const QString& tipo, int sv, Data dia) {
    const QString diaTexto = dia.Texto();
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
        const TipoVetBas& b = s.VetBas[a];
        if (b.Num != num)
            continue;
        for (int k = 1; k <= 10; ++k)
            if (std::abs(dia - b.USv[k]) < s.IntervaloFolga)
                s.Manual.ListBox4 << num + QStringLiteral(" não terá folga de 48 Hs no dia ") +
                                         diaTexto;
        const bool naJanela = b.Ini <= dia && dia <= b.Fim;
        const QString janela = b.Ini.Texto() + QStringLiteral(" a ") + b.Fim.Texto();
        if (b.PR == QLatin1String("R") && naJanela) {
            s.Manual.ListBox4 << QStringLiteral("Dia: ") + diaTexto + num +
                                     QStringLiteral(" não pode ser escalado; está fora da escala "
                                                    "de ") +
                                     janela;
            return;
        }
        if (b.PR == QLatin1String("P") && naJanela)
            s.Manual.ListBox4 << QStringLiteral("Dia: ") + diaTexto + QStringLiteral("  Nº:  ") +
                                     num + QStringLiteral(" previsto sair da escala de ") + janela;
        RegistraDia(s, a, dia);
        AtualizaContadores(s, tipo, num, 1, diaTexto, sv);
    }
}

void VerificaGrade(Sistema& s, const std::function<void()>& avisando) {
    AbaManual& m = s.Manual;
    m.RadioButton5 = false;
    m.RadioButton6 = false;
    m.ListBox4Visivel = true;
    m.ListBox4.clear();
    m.GradeVisivel = true;
    m.Edit7Visivel = true;
    // "Escalar" comes back only with a verification that runs to its end.
    m.Button12Visivel = false;

    CarregaVetSv(s, Banco::Principal);
    ConfereGradePreparada(s);
    CarregaGrades(s, Banco::Principal);
    LimpaVetBas(s);
    CarregaVetBas(s, Banco::Principal);
    CarregaVetHist(s, Banco::Principal);
    LimpaSel(s);
    for (int r = 1; r < m.LinhasGrade; ++r)
        s.VetSv[m.SGGradeSv.Cel(colunaCodigo, r).toInt()].Sel = QStringLiteral("S");
    if (const auto mensagem = ServicoJaEscalado(s, m.FimPreparado)) {
        m.Button10Visivel = true;
        m.Button11Visivel = false;
        throw Recusa(*mensagem);
    }
    CarregaSemExped(s);
    const int dias = ColunasComDia(m);
    for (int r = 1; r < m.LinhasGrade; ++r)
        for (int c = 1; c <= dias; ++c)
            if (m.SGGradeSv.Cel(c, r).isEmpty()) {
                m.Button11Visivel = true;
                throw Recusa(
                    QStringLiteral("Você deve preencher completamente a Grade de Serviços"));
            }

    for (int r = 1; r < m.LinhasGrade; ++r) {
        const TipoVetSv sv = s.VetSv[m.SGGradeSv.Cel(colunaCodigo, r).toInt()];
        s.IntervaloFolga = sv.Folga + 1;
        const GradeTexto& rodizio = s.Grades.GradeSv[sv.CodSv];
        for (int c = 1; c <= dias; ++c) {
            const Data dia = DiaDaColuna(m, c);
            const QString tipo = DiaVermelho(s, dia) ? QStringLiteral("Vm") : QStringLiteral("Pt");
            const QString& celula = m.SGGradeSv.Cel(c, r);
            if (celula == semSv)
                continue;
            int quantos = 0;
            for (const QString& num : NumerosDaLista(celula)) {
                ++quantos;
                if (rodizio.LinhaDe(num) == 0)
                    m.ListBox4 << num + QStringLiteral("  não concorre à escala de ") + sv.Descr;
                else
                    VerificaMilitarGrade(s, num, tipo, sv.CodSv, dia);
            }
            const int precisa = QuantidadeDoDia(s, sv, dia.Texto());
            if (precisa > quantos)
                Avisa(s, avisando,
                      QStringLiteral(" Dia: ") + dia.Texto() +
                          QStringLiteral(" Falta escalar militar no Serviço de ") + sv.Descr);
            else if (precisa < quantos)
                Avisa(s, avisando,
                      QStringLiteral(" Dia: ") + dia.Texto() +
                          QStringLiteral(" Excesso de militares escalados no Serviço de ") +
                          sv.Descr);
        }
    }
    m.Button12Visivel = true;
    m.Button14Visivel = true;
}

void EscalaGrade(Sistema& s) {
    AbaManual& m = s.Manual;
    bool preenchida = false;
    for (int r = 1; r < m.SGGradeSv.Linhas() && !preenchida; ++r)
        for (int c = 1; c <= ultimaColunaDia && !preenchida; ++c)
            preenchida = !m.SGGradeSv.Cel(c, r).isEmpty();
    if (!preenchida) {
        m.Button11Visivel = false;
        m.Button12Visivel = false;
        throw Recusa(QStringLiteral("Preencher primeiro a Grade de Serviços"));
    }
    if (!m.Button12Visivel)
        throw Recusa(QStringLiteral("Verifique a grade antes de escalar."));
    ConfereGradePreparada(s);

    const int dias = ColunasComDia(m);
    QList<TipoVetHist> entradas;
    for (int r = 1; r < m.LinhasGrade; ++r)
        for (int c = 1; c <= dias; ++c) {
            const QString& celula = m.SGGradeSv.Cel(c, r);
            if (celula.isEmpty() || celula == semSv)
                continue;
            const Data dia = DiaDaColuna(m, c);
            entradas.append({dia, m.SGGradeSv.Cel(colunaCodigo, r).toInt(), m.SGGradeSv.Cel(0, r),
                             celula.left(136),
                             DiaVermelho(s, dia) ? QStringLiteral("Vm") : QStringLiteral("Pt")});
        }
    ConfereLugarNoHistorico(s, int(entradas.size()));
    const int primeira = PrimeiraHistLivre(s);
    for (int i = 0; i < entradas.size(); ++i)
        s.VetHist[primeira + i] = entradas[i];
    try {
        DMGeral::Transacao trans(s.dm, Banco::Principal);
        trans.Registra(
            QStringLiteral("Escalar manual"),
            QStringLiteral("de %1 a %2").arg((s.UltimaEscala + 1).Texto(), m.FimPreparado.Texto()));
        GravaEscalaEmMemoria(s);
        ConfirmaComUltimaEscala(trans, m.FimPreparado);
    } catch (...) {
        // Nothing was written: the entries leave memory too, so that a new
        // attempt does not append them twice.
        for (int i = 0; i < entradas.size(); ++i)
            s.VetHist[primeira + i] = TipoVetHist();
        throw;
    }
    s.UltimaEscala = m.FimPreparado;
    m.Edit6.clear();
    m.Button11Visivel = false;
    m.Button14Visivel = false;
    m.Button12Visivel = false;
    m.Button10Visivel = true;
}
