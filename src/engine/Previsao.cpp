#include "engine/Previsao.h"

#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "engine/JanelasEscala.h"
#include "engine/PrevisaoVermelha.h"
#include "model/Sistema.h"
#include "reports/QuantidadesDiarias.h"

Data Horizonte(Data ultima, Data fim) {
    const int t = fim - ultima;
    if (t <= 0)
        return fim;
    switch (t % 3) {
    case 1:
        return fim + 2;
    case 2:
        return fim + 1;
    default:
        return fim;
    }
}

ContextoPrevisao::ContextoPrevisao(Sistema& s, Data fim)
    : L(s.UltimaEscala), E(fim), H(Horizonte(L, E)), indice(s), mapa(s) {}

int Sorteio(Sistema& s) {
    s.Semente = s.Semente * 134775813u + 1u;
    return static_cast<int>((static_cast<quint64>(s.Semente) * 30u) >> 32);
}

void OrdenaPorPrioridade(Sistema& s) {
    for (int k = 1; k <= 30; ++k) {
        TipoVetSv& sv = s.VetSv[k];
        if (!sv.Definido() || sv.Prio <= 30)
            continue;
        int sorteio = 0;
        for (int i = 0; i < 3; ++i)
            sorteio = Sorteio(s);
        sv.Prio = 30 + sorteio;
    }
    for (int i = 1; i <= 30; ++i) {
        if (!s.VetSv[i].Definido())
            continue;
        for (int j = i + 1; j <= 30; ++j)
            if (s.VetSv[j].Definido() && s.VetSv[i].Prio > s.VetSv[j].Prio)
                std::swap(s.VetSv[i], s.VetSv[j]);
    }
}

void AtualizaContadores(Sistema& s, const QString& tipo, const QString& num, int passo,
                        const QString& diaTexto, int sv) {
    const bool pretas = tipo == QLatin1String("Pt");
    if (!pretas && tipo != QLatin1String("Vm"))
        return;
    const int colContador = pretas ? 1 : 2;
    const int colData = pretas ? 3 : 4;
    for (int k = 1; k <= 30; ++k) {
        const TipoVetSv& servico = s.VetSv[k];
        if (!servico.Definido())
            continue;
        GradeTexto& g = s.Grades.GradeSv[servico.CodSv];
        const int r = g.LinhaDe(num);
        if (r == 0)
            continue;
        if (diaTexto != QLatin1String(DataNuncaTexto) && servico.CodSv == sv)
            g.DefineCel(colData, r, diaTexto);
        g.DefineCel(colContador, r,
                    QString::number(SomaContador(
                        g.Cel(colContador, r).toLongLong(), passo,
                        pretas ? QStringLiteral("Pt") : QStringLiteral("Vm"), num, servico.CodSv)));
    }
}

QString NomeDoMilitar(const Sistema& s, const QString& num, const IndicePessoal* indice) {
    if (indice) {
        const int a = indice->Registro(num);
        return a == 0 ? QString() : s.VetBas[a].Nome;
    }
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        if (s.VetBas[a].Num == num)
            return s.VetBas[a].Nome;
    return QString();
}

QStringList LinhasDaListagem(const QString& descr, const QString& nomes) {
    const QString margem = QStringLiteral("     ");
    QString rotulo = descr;
    if (nomes.size() <= 90)
        return {margem + rotulo + QStringLiteral(":  ") + nomes};
    QStringList linhas;
    int inicio = 1, limite = 90; // positions from 1
    while (nomes.size() > limite) {
        // The last blank after the start and at or before the limit; without
        // one the text is cut at the limit, so every line moves forward.
        const int branco = nomes.lastIndexOf(QLatin1Char(' '), limite - 1) + 1;
        const bool corta = branco <= inicio;
        const int fimTrecho = corta ? limite + 1 : branco;
        linhas << margem + rotulo + QStringLiteral(":  ") +
                      nomes.mid(inicio - 1, fimTrecho - inicio);
        rotulo = QString(13, QLatin1Char(' '));
        inicio = fimTrecho;
        limite = corta ? limite + 90 : inicio + 90;
    }
    linhas << margem + rotulo + QStringLiteral(":  ") + nomes.mid(inicio - 1);
    return linhas;
}

std::optional<QString> ServicoJaEscalado(const Sistema& s, Data fim) {
    const Data inicio = s.UltimaEscala + 1;
    for (int k = 1; k <= 30; ++k) {
        if (s.VetSv[k].Sel != QLatin1String("S"))
            continue;
        for (int i = 1; i <= MaxHist && !s.VetHist[i].Descr.isEmpty(); ++i) {
            const TipoVetHist& h = s.VetHist[i];
            if (h.CodSv == s.VetSv[k].CodSv && inicio <= h.Dia && h.Dia <= fim)
                return QStringLiteral("O Serviço de ") + s.VetSv[k].Descr +
                       QStringLiteral(" já foi escalado no dia ") + h.Dia.Texto();
        }
    }
    return std::nullopt;
}

void PreparaPrevisao(Sistema& s, Data fim) {
    CarregaGrades(s, Banco::Principal);
    CarregaVetBas(s, Banco::Principal);
    CarregaVetHist(s, Banco::Principal);
    const Data L = s.UltimaEscala;
    if (fim - L > DiasMatQuant)
        throw Recusa(QStringLiteral("O período de %1 a %2 é longo demais: escale no máximo %3 "
                                    "dias de cada vez.")
                         .arg((L + 1).Texto(), fim.Texto())
                         .arg(DiasMatQuant));
    const Data H = Horizonte(L, fim);
    // Every duty and day of the run adds one history entry: refuse before
    // computing what could not be kept.
    int necessarias = 0;
    for (Data d = L + 1; d <= H; ++d)
        for (int k = 1; k <= 30; ++k) {
            const TipoVetSv& sv = s.VetSv[k];
            if (sv.Definido() && sv.Sel == QLatin1String("S") && sv.Ini <= d && d <= sv.Fim)
                ++necessarias;
        }
    ConfereLugarNoHistorico(s, necessarias);
    OrdenaPorPrioridade(s);
    s.DiasPeriodo.fill(Data());
    for (int i = 1; i <= DiasMatQuant + 1 && L + (i - 1) <= fim; ++i)
        s.DiasPeriodo[i] = L + (i - 1);
    if (s.DiasPeriodo[1].Zero())
        s.DiasPeriodo[1] = L;
    CarregaSemExped(s);
}

namespace {

QString Forcado(Sistema& s, int sv, Data dia) {
    for (int i = 1; i <= MaxTemQueSer && !s.VetTemQueSer[i].Num.isEmpty(); ++i) {
        TipoVetTemQueSer& t = s.VetTemQueSer[i];
        if (t.Dia == dia && t.CodSv == sv && t.Usado == QLatin1String("N")) {
            t.Usado = QStringLiteral("S");
            return t.Num;
        }
    }
    return QString();
}

// The forecast keeps the red-day list it loaded while it runs.
class SemExpedFixo {
public:
    explicit SemExpedFixo(Sistema& s) : sis(s) { sis.SemExpedFixo = true; }
    ~SemExpedFixo() { sis.SemExpedFixo = false; }

private:
    Sistema& sis;
};

} // namespace

int QuantidadeDoDia(Sistema& s, const TipoVetSv& sv, const QString& diaTexto) {
    const int coluna = ColunaDoDia(s, diaTexto);
    const int linha = LinhaDoServico(s, sv.Descr);
    if (coluna == 0 || linha == 0)
        return sv.Quant; // a duty or day the table does not show
    const QString& celula = s.Quantidades.SGQuantMilSvDia.Cel(coluna, linha);
    bool ok = false;
    const int n = celula.trimmed().toInt(&ok);
    if (!ok)
        throw Recusa(QStringLiteral("A quantidade do serviço %1 no dia %2 não é um número "
                                    "inteiro: \"%3\".")
                         .arg(sv.Descr, diaTexto, celula));
    return n;
}

void PreencheServico(Sistema& s, ContextoPrevisao& c, int slot, Data dia, QString& diaTexto,
                     const QString& tipo, FasePrevisao fase) {
    const TipoVetSv sv = s.VetSv[slot];
    const bool completa = fase == FasePrevisao::Completa;
    GradeTexto& grade = s.Grades.GradeSv[sv.CodSv];
    const int quantos = dia > c.E ? sv.Quant : QuantidadeDoDia(s, sv, dia.Texto());
    s.IntervaloFolga = sv.Folga + 1;
    OrdenaGrade(s, grade, tipo, c.mapa);
    s.CursorGrade = 1;
    QString numeros, nomes;
    for (int n = 0; n < quantos; ++n) {
        QString pessoa = Forcado(s, sv.CodSv, dia);
        if (pessoa.isEmpty())
            pessoa = ProximoDaVez(s, sv.CodSv, grade, dia, &c.indice);
        if (pessoa.isEmpty()) {
            const QString erro =
                QStringLiteral("*** Erro*** - número insuficiente de militares. Escala: ") +
                sv.Descr + QStringLiteral(" Dia: ") + dia.Texto();
            s.ListBox5 << erro;
            s.ExplicacoesDasVagas.insert(erro, ExplicaVaga(s, sv.CodSv, grade, dia, &c.indice));
            if (completa) {
                s.SGEscVm.DefineCel(3, sv.CodSv, QStringLiteral("Erro"));
                s.ErroNaPreta = true;
            }
            break;
        }
        if (!completa && tipo == QLatin1String("Vm") &&
            s.SGEscVm.Cel(1, sv.CodSv) == QLatin1String("X"))
            Reserva(s, pessoa, sv.CodSv, sv.Folga, dia);
        numeros += pessoa + QLatin1Char(' ');
        nomes +=
            pessoa + QLatin1Char('-') + NomeDoMilitar(s, pessoa, &c.indice) + QStringLiteral("  ");
        if (c.E < dia && dia <= c.H)
            diaTexto = QLatin1String(DataNuncaTexto);
        if (!grade.TemRepetidos()) {
            if (grade.LinhaDe(pessoa) != 0)
                AtualizaContadores(s, tipo, pessoa, 1, diaTexto, sv.CodSv);
        } else {
            for (int r = 1; r <= 500 && !grade.Cel(0, r).isEmpty(); ++r)
                if (grade.Cel(0, r) == pessoa)
                    AtualizaContadores(s, tipo, pessoa, 1, diaTexto, sv.CodSv);
        }
    }
    if (completa) {
        if (dia <= c.E)
            s.ListBox2 << LinhasDaListagem(sv.Descr, nomes);
        const int livre = PrimeiraHistLivre(s);
        if (livre <= MaxHist)
            s.VetHist[livre] = {dia, sv.CodSv, sv.Descr, numeros.left(136), tipo};
    }
    OrdenaGrade(s, grade, tipo, c.mapa);
}

void PercorreDias(Sistema& s, ContextoPrevisao& c, Data ultimo, FasePrevisao fase) {
    SemExpedFixo fixo(s);
    for (Data dia = c.L + 1; dia <= ultimo; ++dia) {
        // The day's text for the counters; past the end day it becomes
        // "13/05/09" at the first person chosen, for the rest of the day.
        QString diaTexto = dia.Texto();
        const QString tipo = DiaVermelho(s, dia) ? QStringLiteral("Vm") : QStringLiteral("Pt");
        if (dia <= c.E)
            s.ListBox2 << QStringLiteral("     ")
                       << QString(15, QLatin1Char(' ')) + diaTexto + QStringLiteral(" (") + tipo +
                              QLatin1Char(')');
        for (int k = 1; k <= 30; ++k) {
            const TipoVetSv& sv = s.VetSv[k];
            if (sv.Definido() && sv.Sel == QLatin1String("S") && sv.Ini <= dia && dia <= sv.Fim)
                PreencheServico(s, c, k, dia, diaTexto, tipo, fase);
        }
    }
}

void PrevisaoPreta(Sistema& s, Data fim) {
    PreparaPrevisao(s, fim);
    // The "Erro" column shows the duties this forecast leaves unfilled.
    for (int k = 1; k <= 30; ++k)
        s.SGEscVm.DefineCel(3, k, QString());
    ContextoPrevisao c(s, fim);
    PercorreDias(s, c, c.H, FasePrevisao::Completa);
    CarregaVetSv(s, Banco::Principal);
}

std::optional<Data> IniciaFase(Sistema& s) {
    s.Operacao = QStringLiteral("Prever");
    s.Aba.RadioButton3 = false;
    s.Aba.RadioButton4 = false;
    s.ListBox2.clear();
    s.ListBox5.clear();
    s.ExplicacoesDasVagas.clear();
    s.ListBox6.clear();
    s.Aba.InicioListagem = s.UltimaEscala + 1;
    s.Aba.FimListagem = s.Aba.Edit1;
    CarregaVetHist(s, Banco::Principal);
    const auto fim = s.LeData(s.Aba.Edit1);
    if (!fim)
        throw Recusa(s.Aba.Edit1 + QStringLiteral(" >>> Data inválida"));
    if (const auto mensagem = ServicoJaEscalado(s, *fim)) {
        s.dialogos.Aviso(*mensagem);
        s.Aba.BPreverVisivel = false;
        s.Aba.Button6Visivel = true;
        return std::nullopt;
    }
    return fim;
}

bool Prever(Sistema& s, JanelasEscala& janelas) {
    const auto fim = IniciaFase(s);
    if (!fim)
        return false;
    PrevisaoPreta(s, *fim);
    s.Aba.BDesfazerVisivel = true;
    // The forecast is read before the notice or the decision is answered.
    janelas.EstadoMudou();
    if (s.ErroNaPreta) {
        janelas.MostraAviso();
        janelas.MostraLembrete(QString());
        s.Aba.QAvisoAuxVisivel = true;
        s.MontarVermelhaAntes = true;
        LimpaVetSgte(s);
        JuntaVetSgte(s);
    } else {
        janelas.MostraDecisao();
    }
    return true;
}
