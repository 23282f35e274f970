#include "maintenance/PessoalColetivo.h"

#include "base/Dialogos.h"
#include "data/DMGeral.h"
#include "maintenance/CadastroPessoal.h"
#include "maintenance/PostosGraduacoes.h"
#include "model/Grades.h"
#include "model/Irmaos.h"
#include "model/Pessoal.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <algorithm>
#include <array>

namespace {

const QString servicoInexistente = QStringLiteral("um dos serviços não existente");
const QString camposObrigatorios = QStringLiteral("Campos Número, Posto e Nome são obrigatórios");

QString Tabela(int k) {
    return QStringLiteral("Sv%1.DB").arg(k);
}

bool Marcado(const TipoVetSv& sv) {
    return sv.Definido() && sv.Sel == QLatin1String("S");
}

LinhaColetiva Recusada(const LinhaColetiva& l, const QString& motivo) {
    LinhaColetiva r = l;
    r.Observacoes = motivo;
    return r;
}

// The row as the operation reads it: no blanks around the fields.
LinhaColetiva Aparada(const LinhaColetiva& l) {
    return {l.Num.trimmed(), l.PstGrd.trimmed(), l.Nome.trimmed(), l.Servicos.trimmed(), {}};
}

bool FaltaCampo(const LinhaColetiva& l) {
    return l.Num.isEmpty() || l.PstGrd.isEmpty() || l.Nome.isEmpty();
}

// Marks a person's row of a rotation as removed; the grid's saver drops it.
void MarcaRemovida(GradeTexto& g, int r) {
    const QString nunca = QString::fromLatin1(DataNuncaTexto);
    const std::array<QString, 5> celulas = {QStringLiteral("x"), QStringLiteral("x"),
                                            QStringLiteral("x"), nunca, nunca};
    for (int c = 0; c < 5; ++c)
        g.DefineCel(c, r, celulas[static_cast<size_t>(c)]);
}

} // namespace

std::optional<QString> ConfereListaSv(Sistema& s, const QString& lista) {
    for (int k = 1; k <= 30; ++k)
        s.VetSv[k].Sel.clear();
    for (const QString& parte : lista.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString codigo = parte.trimmed();
        if (codigo.isEmpty())
            continue;
        bool ok = false;
        const int k = codigo.toInt(&ok);
        if (!ok || k < 1 || k > 30 || !s.VetSv[k].Definido()) {
            LimpaSel(s);
            return std::nullopt;
        }
        s.VetSv[k].Sel = QStringLiteral("S");
    }
    QStringList marcados;
    for (int k = 1; k <= 30; ++k)
        if (Marcado(s.VetSv[k]))
            marcados << QString::number(k);
    return marcados.join(QLatin1Char(','));
}

CadastroColetivo::CadastroColetivo(Sistema& s, JanelaCorrigePstGrd& correcao)
    : sis(s), correcao(correcao) {}

void CadastroColetivo::Abre() {
    operacao = OperacaoColetiva::Nenhuma;
    relacao.clear();
    incluiu = false;
    sis.CorrecaoPstGrd.ModelosAlterados = false;
    CarregaVetBas(sis, Banco::Principal);
}

void CadastroColetivo::Escolhe(OperacaoColetiva op) {
    operacao = op;
    // The list of duties painted beside the controls shows them as stored.
    CarregaVetSv(sis, Banco::Principal);
    if (op == OperacaoColetiva::Excluir || op == OperacaoColetiva::Alterar)
        MontaRelacao();
}

QString CadastroColetivo::Cabecalho() {
    return QStringLiteral("Numero") + QString(65, QLatin1Char(' ')) + QStringLiteral("Posto") +
           QString(25, QLatin1Char(' ')) + QStringLiteral("Nome") + QString(30, QLatin1Char(' ')) +
           QStringLiteral("Serviços");
}

QString CadastroColetivo::LinhaDaRelacao(const LinhaColetiva& m) {
    QString linha = m.Num.leftJustified(40, QLatin1Char('_')) +
                    m.PstGrd.leftJustified(15, QLatin1Char('_')) +
                    m.Nome.leftJustified(25, QLatin1Char('_'));
    for (const QString& k : m.Servicos.split(QLatin1Char(','), Qt::SkipEmptyParts))
        linha += k + QLatin1Char(',');
    return linha;
}

void CadastroColetivo::MontaRelacao() {
    relacao.clear();
    CarregaVetSv(sis, Banco::Principal);
    CarregaGrades(sis, Banco::Principal);
    CarregaVetBas(sis, Banco::Principal);
    for (int a = 1; a <= 1000 && !sis.VetBas[a].Num.isEmpty(); ++a) {
        const TipoVetBas& b = sis.VetBas[a];
        relacao.append({b.Num, b.PstGrd, b.Nome, ListaSvNasGrades(sis, b.Num), {}});
    }
}

void CadastroColetivo::Prepara() {
    // The models first: without them nothing is read or written.
    LeModelosPstGrd(sis);
    // Duties, rotations and persons, with the summaries of the register as
    // it stands before the first row.
    MontaIrmaos(sis);
}

QList<LinhaColetiva> CadastroColetivo::Inclui(const QList<LinhaColetiva>& linhas) {
    return Executa(linhas, true);
}

QList<LinhaColetiva> CadastroColetivo::Altera(const QList<LinhaColetiva>& linhas) {
    return Executa(linhas, false);
}

QList<LinhaColetiva> CadastroColetivo::ExecutaDeNovo(const QList<LinhaColetiva>& linhas) {
    if (operacao == OperacaoColetiva::Incluir)
        return Inclui(linhas);
    if (operacao == OperacaoColetiva::Alterar)
        return Altera(linhas);
    return {};
}

QList<LinhaColetiva> CadastroColetivo::Executa(const QList<LinhaColetiva>& linhas, bool inclusao) {
    Prepara();
    QList<LinhaColetiva> recusadas;
    bool alguemIncluido = false;
    for (const LinhaColetiva& digitada : linhas) {
        if (digitada.Num.trimmed().isEmpty() && digitada.Nome.trimmed().isEmpty())
            break;
        const LinhaColetiva l = Aparada(digitada);
        if (std::optional<LinhaColetiva> r = inclusao ? IncluiLinha(l) : AlteraLinha(l))
            recusadas << *r;
        else
            alguemIncluido = alguemIncluido || inclusao;
    }
    Conclui();
    if (alguemIncluido)
        incluiu = true;
    return recusadas;
}

std::optional<LinhaColetiva> CadastroColetivo::IncluiLinha(const LinhaColetiva& l) {
    if (!l.Num.isEmpty()) {
        if (l.Num.size() > 4)
            return Recusada(l, QStringLiteral("Número deve ter até 4 dígitos"));
        if (const QString recusa = NumeroRecusado(l.Num); !recusa.isEmpty())
            return Recusada(l, recusa);
        // Turned down here, the rejected line holds the number only.
        if (sis.dm.NumeroNoHistorico(l.Num) &&
            !sis.dialogos.Confirma(QStringLiteral("Ainda há o número ") + l.Num +
                                   QStringLiteral(" no Arquivo Histórico. Incluir mesmo assim ?")))
            return LinhaColetiva{
                l.Num, {}, {}, {}, QStringLiteral("ainda há esse número em Histórico ")};
    }
    const std::optional<QString> lista = ConfereListaSv(sis, l.Servicos);
    if (!lista)
        return Recusada(l, servicoInexistente);
    if (FaltaCampo(l))
        return Recusada(l, camposObrigatorios);

    int a = 1;
    for (; a <= 1000 && !sis.VetBas[a].Num.isEmpty(); ++a)
        if (sis.VetBas[a].Num == l.Num)
            return Recusada(l, QStringLiteral("já incluído no Sistema"));
    if (a > 1000)
        return Recusada(
            l, QStringLiteral("o cadastro já tem 1000 militares: não há lugar para mais um"));

    TipoVetBas novo = RegistroVazio();
    novo.Num = l.Num;
    novo.Nome = l.Nome.left(15);
    // Whole until the rank check, so that a longer spelling is still
    // recognised; cut when the operation ends.
    novo.PstGrd = l.PstGrd;
    sis.VetBas[a] = novo;
    if (const QString motivo = AplicaServicos(l.Num, *lista); !motivo.isEmpty()) {
        sis.VetBas[a] = RegistroVazio();
        return Recusada(l, motivo);
    }
    return std::nullopt;
}

std::optional<LinhaColetiva> CadastroColetivo::AlteraLinha(const LinhaColetiva& l) {
    const std::optional<QString> lista = ConfereListaSv(sis, l.Servicos);
    if (!lista)
        return Recusada(l, servicoInexistente);
    if (FaltaCampo(l))
        return Recusada(l, camposObrigatorios);
    const int a = SlotDe(sis, l.Num);
    if (a == 0)
        return Recusada(l, QStringLiteral("Militar não está cadastrado no Sistema"));
    if (*lista != ListaSvNasGrades(sis, l.Num)) {
        if (const QString motivo = AplicaServicos(l.Num, *lista); !motivo.isEmpty())
            return Recusada(l, motivo);
    }
    sis.VetBas[a].Nome = l.Nome.left(15);
    sis.VetBas[a].PstGrd = l.PstGrd;
    return std::nullopt;
}

QString CadastroColetivo::AplicaServicos(const QString& num, const QString& lista) {
    // A full rotation cannot take a new member: the row is turned down before
    // anything changes.
    for (int k = 1; k <= 30; ++k) {
        const GradeTexto& g = sis.Grades.GradeSv[k];
        if (Marcado(sis.VetSv[k]) && g.LinhaDe(num) == 0 && g.PrimeiraVazia() > 500)
            return QStringLiteral("a escala do serviço %1 (%2) já tem 500 militares")
                .arg(k)
                .arg(sis.VetSv[k].Descr);
    }
    sis.ListaSvAtual = lista;
    const BaseContadores base(sis, lista);
    for (int k = 1; k <= 30; ++k) {
        const TipoVetSv& sv = sis.VetSv[k];
        if (!sv.Definido())
            continue;
        GradeTexto& g = sis.Grades.GradeSv[k];
        int r = g.LinhaDe(num);
        if (!Marcado(sv)) {
            if (r == 0)
                continue;
            MarcaRemovida(g, r);
        } else {
            const ContadoresEntrada ini = base.Entrada(g, k, num);
            DefineMembro(g, num, ini.Pt, ini.Vm);
        }
        // As the table will hold it: the next row sees the removed rows gone.
        GradeComoRelida(g, Tabela(k));
    }
    return QString();
}

void CadastroColetivo::Conclui() {
    ConfereGrafiaPstGrd(sis, correcao);
    for (int a = 1; a <= 1000 && !sis.VetBas[a].Num.isEmpty(); ++a)
        sis.VetBas[a].PstGrd = sis.VetBas[a].PstGrd.left(7);
    DMGeral::Transacao t(sis.dm, Banco::Principal);
    t.Registra(QStringLiteral("Pessoal coletivo"), QStringLiteral("inclusão ou alteração"));
    GravaGrades(sis, Banco::Principal);
    GravaVetBas(sis, Banco::Principal);
    t.Confirma();
    // The spellings learnt are kept at once, not only when the screen closes.
    if (sis.CorrecaoPstGrd.ModelosAlterados)
        GravaModelosPstGrd(sis);
}

void CadastroColetivo::Exclui(const QList<int>& posicoes) {
    CarregaVetSv(sis, Banco::Principal);
    CarregaGrades(sis, Banco::Principal);
    CarregaVetBas(sis, Banco::Principal);
    for (const int p : posicoes) {
        if (p < 0 || p >= relacao.size())
            continue;
        const QString num = relacao[p].Num;
        if (const int a = SlotDe(sis, num); a != 0)
            sis.VetBas[a].Num = QStringLiteral("x");
        for (int k = 1; k <= 30; ++k) {
            if (!sis.VetSv[k].Definido())
                continue;
            GradeTexto& g = sis.Grades.GradeSv[k];
            if (const int r = g.LinhaDe(num); r != 0)
                MarcaRemovida(g, r);
        }
    }
    DMGeral::Transacao t(sis.dm, Banco::Principal);
    t.Registra(QStringLiteral("Pessoal coletivo"), QStringLiteral("exclusão"));
    GravaGrades(sis, Banco::Principal);
    GravaVetBas(sis, Banco::Principal);
    t.Confirma();
    LimpaVetBas(sis);
    MontaRelacao();
}

QList<LinhaColetiva> CadastroColetivo::Agrupa(QList<int> posicoes) const {
    std::sort(posicoes.begin(), posicoes.end());
    QList<LinhaColetiva> linhas;
    for (const int p : posicoes)
        if (p >= 0 && p < relacao.size())
            linhas << relacao[p];
    return linhas;
}

void CadastroColetivo::Fecha() {
    if (sis.CorrecaoPstGrd.ModelosAlterados)
        GravaModelosPstGrd(sis);
    if (incluiu)
        sis.dialogos.Aviso(LembreteAntiguidade());
}
