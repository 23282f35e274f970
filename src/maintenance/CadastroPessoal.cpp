#include "maintenance/CadastroPessoal.h"

#include "base/Dialogos.h"
#include "data/DMGeral.h"
#include "model/Grades.h"
#include "model/Irmaos.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

namespace {

const QString numeroObrigatorio = QStringLiteral("Campo Número é obrigatório");

QString Tabela(int k) {
    return QStringLiteral("Sv%1.DB").arg(k);
}

} // namespace

QString NumeroRecusado(const QString& num) {
    if (num.contains(QLatin1Char(' ')))
        return QStringLiteral("Número não pode conter espaços: \"%1\"").arg(num);
    if (num == QLatin1String("x"))
        return QStringLiteral("O número \"x\" é reservado pelo sistema e não pode ser usado");
    return QString();
}

QString LembreteAntiguidade() {
    return QStringLiteral("Após inclusão de militares, você deve ordenar suas antiguidades\rUse o "
                          "item \"3. Ordenar Antiguidades\" da guia /Manutenção/");
}

std::optional<TipoVetBas> ProcuraMilitar(Sistema& s, const QString& num) {
    CarregaVetBas(s, Banco::Principal);
    const int a = SlotDe(s, num);
    if (a == 0)
        return std::nullopt;
    return s.VetBas[a];
}

Inclusao IncluiMilitar(Sistema& s, const QString& num, const QString& nome, const QString& pstGrd) {
    if (num.size() >= 5) {
        s.dialogos.Aviso(QStringLiteral("Número deve ter até 4 dígitos"));
        return {};
    }
    if (num.isEmpty()) {
        s.dialogos.Aviso(numeroObrigatorio);
        return {};
    }
    if (const QString recusa = NumeroRecusado(num); !recusa.isEmpty()) {
        s.dialogos.Aviso(recusa);
        return {};
    }
    if (s.dm.NumeroNoHistorico(num) &&
        !s.dialogos.Confirma(QStringLiteral("Ainda há este Número no Arquivo Histórico. Gravar ?")))
        return {};

    CarregaVetBas(s, Banco::Principal);
    int a = 1;
    for (; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
        if (s.VetBas[a].Num == num) {
            s.dialogos.Aviso(QStringLiteral("Número já existente no Sistema"));
            return {ResultadoInclusao::JaExistente, s.VetBas[a].Nome};
        }
    }
    if (a > 1000) {
        s.dialogos.Aviso(QStringLiteral("O cadastro já tem 1000 militares: não há lugar para mais "
                                        "um. Exclua um militar antes de incluir outro."));
        return {};
    }
    if (nome.isEmpty() || pstGrd.isEmpty()) {
        s.dialogos.Aviso(QStringLiteral("Campos Nome e Posto devem ser preenchidos"));
        return {};
    }
    TipoVetBas novo = RegistroVazio();
    novo.Num = num;
    novo.Nome = nome.left(15);
    novo.PstGrd = pstGrd.left(7);
    s.VetBas[a] = novo;
    try {
        GravaVetBas(s, Banco::Principal);
    } catch (...) {
        s.VetBas[a] = RegistroVazio();
        throw;
    }
    return {ResultadoInclusao::Incluido, novo.Nome};
}

QString ListaEscolhida(const Sistema& s) {
    QStringList lista;
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Definido() && s.VetSv[k].Sel == QLatin1String("S"))
            lista << QString::number(k);
    return lista.join(QLatin1Char(','));
}

ResultadoGravacao GravaServicosDoMilitar(Sistema& s, const QString& num) {
    if (num.isEmpty()) {
        s.dialogos.Aviso(numeroObrigatorio);
        return ResultadoGravacao::Recusado;
    }
    CarregaVetBas(s, Banco::Principal);
    // The summaries are built once: a later duty must not see the rows changed
    // for an earlier one.
    MontaIrmaos(s);
    const QString atual = ListaSvDoMilitar(s, num);
    if (IndiceMil(s, num) == 0) {
        s.dialogos.Aviso(QStringLiteral("Militar não está cadastrado no Sistema"));
        return ResultadoGravacao::NaoCadastrado;
    }
    const QString escolhida = ListaEscolhida(s);
    s.ListaSvAtual = escolhida;
    if (escolhida == atual)
        return ResultadoGravacao::SemMudanca;

    // A full rotation cannot take a new member: refuse before anything changes.
    for (int k = 1; k <= 30; ++k) {
        const TipoVetSv& sv = s.VetSv[k];
        GradeTexto& g = s.Grades.GradeSv[k];
        if (sv.Definido() && sv.Sel == QLatin1String("S") && g.LinhaDe(num) == 0 &&
            g.PrimeiraVazia() > 500) {
            s.dialogos.Aviso(QStringLiteral("A escala do serviço %1 (%2) já tem 500 militares: "
                                            "nada foi gravado.")
                                 .arg(k)
                                 .arg(sv.Descr));
            return ResultadoGravacao::Recusado;
        }
    }

    DMGeral::Transacao t(s.dm, Banco::Principal);
    t.Registra(QStringLiteral("Serviços do militar"),
               QStringLiteral("número %1: %2")
                   .arg(num, escolhida.isEmpty() ? QStringLiteral("nenhum") : escolhida));
    for (int k = 1; k <= 30; ++k) {
        const TipoVetSv& sv = s.VetSv[k];
        if (!sv.Definido())
            continue;
        GradeTexto& g = s.Grades.GradeSv[k];
        RecarregaGrade(s, g, k);
        if (sv.Sel != QLatin1String("S")) {
            if (const int r = g.LinhaDe(num); r != 0)
                for (int c = 0; c < 5; ++c)
                    g.DefineCel(c, r, QString());
        } else {
            const ContadoresEntrada ini = ContadoresIniciais(s, g, k, escolhida, num);
            DefineMembro(g, num, ini.Pt, ini.Vm);
        }
        GravaGradeSv(s, g, Tabela(k), Banco::Principal);
        RecarregaGrade(s, g, k);
        RecarregaGrade(s, s.Grades.GradeSvPt[k], k);
        OrdenaGrade(s, s.Grades.GradeSvPt[k], QStringLiteral("Pt"));
        RecarregaGrade(s, s.Grades.GradeSvVm[k], k);
        OrdenaGrade(s, s.Grades.GradeSvVm[k], QStringLiteral("Vm"));
    }
    t.Confirma();
    return ResultadoGravacao::Gravado;
}

ResultadoExclusao ExcluiMilitar(Sistema& s, const QString& num) {
    if (num.isEmpty()) {
        s.dialogos.Aviso(numeroObrigatorio);
        return ResultadoExclusao::Recusado;
    }
    CarregaVetBas(s, Banco::Principal);
    if (SlotDe(s, num) == 0) {
        s.dialogos.Aviso(QStringLiteral("Número não encontrado"));
        return ResultadoExclusao::NaoEncontrado;
    }
    // Out of every rotation and out of Basico together.
    DMGeral::Transacao t(s.dm, Banco::Principal);
    t.Registra(QStringLiteral("Excluir militar"), QStringLiteral("número %1").arg(num));
    LimpaSel(s);
    const ResultadoGravacao saida = GravaServicosDoMilitar(s, num);
    if (saida != ResultadoGravacao::Gravado && saida != ResultadoGravacao::SemMudanca)
        return ResultadoExclusao::Recusado;
    const int a = SlotDe(s, num);
    s.VetBas[a].Num.clear();
    s.VetBas[a].Nome.clear();
    GravaVetBas(s, Banco::Principal);
    t.Confirma();
    CarregaVetBas(s, Banco::Principal);
    return ResultadoExclusao::Excluido;
}

void SessaoPessoal::Abre() {
    escolheu = gravou = incluiu = false;
    vezesEscolher = 0;
}

void SessaoPessoal::NumeroMudou() {
    if (!gravou && escolheu)
        dialogos.Aviso(QStringLiteral("Você não gravou o registro anterior"));
    escolheu = gravou = false;
}

bool SessaoPessoal::Escolhe() {
    escolheu = true;
    gravou = false;
    return ++vezesEscolher == 1;
}

void SessaoPessoal::Gravou() {
    gravou = true;
    escolheu = false;
}

void SessaoPessoal::Incluiu() {
    incluiu = true;
}

void SessaoPessoal::Fecha() {
    if (!gravou && escolheu)
        dialogos.Aviso(QStringLiteral("Você escolheu Serviço mas não gravou o registro"));
    if (incluiu)
        dialogos.Aviso(LembreteAntiguidade());
}
