#include "maintenance/CadastroServicos.h"

#include "base/Falha.h"
#include "data/DMGeral.h"
#include "model/Grades.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <optional>

namespace {

const QString mensagemHistorico = QStringLiteral(
    "O serviço não poderá ser excluído enquanto houver registros no Arquivo Histórico \n"
    "Assim,o programa apenas irá alterar as datas Início e Fim do Serviço para 01/01/00.\n"
    "Quando não houver mais registros do serviço em Histórico, processe novamente a exclusão");

std::optional<int> Inteiro(const QString& texto) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

QString NaoInteiro(const QString& campo, const QString& texto) {
    return QStringLiteral("Campo %1 deve ser um número inteiro: \"%2\"").arg(campo, texto);
}

// Writes the new record of slot cod and, when asked, empties its rotation, in
// one transaction; memory is put back when the write fails.
void Grava(Sistema& s, int cod, const TipoVetSv& novo, bool esvaziaRodizio) {
    const TipoVetSv antigo = s.VetSv[cod];
    s.VetSv[cod] = novo;
    try {
        DMGeral::Transacao t(s.dm, Banco::Principal);
        t.Registra(QStringLiteral("Cadastro de serviço"),
                   QStringLiteral("código %1: %2").arg(cod).arg(novo.Descr));
        if (esvaziaRodizio) {
            GradeTexto& g = s.Grades.GradeSv[cod];
            LimpaGrade(g);
            GravaGradeSv(s, g, QStringLiteral("Sv%1.DB").arg(cod), Banco::Principal);
        }
        GravaVetSv(s, Banco::Principal);
        t.Confirma();
    } catch (...) {
        s.VetSv[cod] = antigo;
        throw;
    }
}

} // namespace

QString TipoDoItem(int item) {
    switch (item) {
    case 1:
        return QStringLiteral("Pt");
    case 2:
        return QStringLiteral("Vm");
    default:
        return QStringLiteral("PV");
    }
}

int ItemDoTipo(const QString& tipo) {
    if (tipo == QLatin1String("Pt"))
        return 1;
    if (tipo == QLatin1String("Vm"))
        return 2;
    return 0;
}

int CodigoServico(const QString& texto) {
    const std::optional<int> n = Inteiro(texto);
    return n && *n >= 1 && *n <= 30 ? *n : 0;
}

CamposServico CamposDoServico(const Sistema& s, int cod) {
    const TipoVetSv& sv = s.VetSv[cod];
    CamposServico c;
    c.Codigo = QString::number(cod);
    c.Descricao = sv.Descr;
    c.Quantidade = QString::number(sv.Quant);
    c.Prioridade = QString::number(sv.Prio);
    c.Inicio = sv.Ini.Texto();
    c.Fim = sv.Fim.Texto();
    c.Folga = QString::number(sv.Folga);
    c.Tipo = ItemDoTipo(sv.TipoSv);
    return c;
}

ResultadoServico EfetivaServico(Sistema& s, ModoServico modo, const CamposServico& c) {
    if (modo == ModoServico::Nenhum)
        return ResultadoServico::Recusado;
    const QString invalida = QStringLiteral(" >>> Data inválida");
    const std::optional<Data> ini = s.LeData(c.Inicio);
    if (!ini)
        throw Recusa(c.Inicio + invalida);
    const std::optional<Data> fim = s.LeData(c.Fim);
    if (!fim)
        throw Recusa(c.Fim + invalida);
    if (c.Codigo.isEmpty())
        throw Recusa(QStringLiteral("Campo Código é obrigatório"));
    const int cod = CodigoServico(c.Codigo);
    if (cod == 0)
        throw Recusa(
            QStringLiteral("Código deve ser um número inteiro de 1 a 30: \"%1\"").arg(c.Codigo));

    const TipoVetSv& atual = s.VetSv[cod];
    const bool ocupado = atual.CodSv != 0;
    if (modo == ModoServico::Incluir && ocupado) {
        s.dialogos.Aviso(QStringLiteral("Código já existente"));
        return ResultadoServico::CodigoExistente;
    }
    if (modo != ModoServico::Incluir && !ocupado)
        throw Recusa(QStringLiteral("Código inexistente"));

    if (modo == ModoServico::Excluir) {
        TipoVetSv novo = atual;
        FiltroHist filtro;
        filtro.CodSv = cod;
        const bool temHistorico = !s.dm.ConsultaHist(filtro).isEmpty();
        if (temHistorico) {
            s.dialogos.Aviso(mensagemHistorico);
            const Data inativo = *s.LeData(QStringLiteral("01/01/00"));
            novo.Prio = 31;
            novo.Ini = inativo;
            novo.Fim = inativo;
            novo.Folga = 2;
        } else {
            novo.CodSv = 0;
            novo.Descr.clear();
        }
        Grava(s, cod, novo, true);
        return ResultadoServico::Gravado;
    }

    if (c.Descricao.isEmpty() || c.Quantidade.isEmpty() || c.Folga.isEmpty())
        throw Recusa(QStringLiteral("Campos Descrição, Quantidade e Folga são obrigatórios"));
    const QString textoPrio = c.Prioridade.isEmpty() ? QStringLiteral("31") : c.Prioridade;
    const std::optional<int> quant = Inteiro(c.Quantidade);
    if (!quant)
        throw Recusa(NaoInteiro(QStringLiteral("Quantidade"), c.Quantidade));
    if (*quant < 1)
        throw Recusa(
            QStringLiteral("Campo Quantidade deve ser de pelo menos 1 militar por dia: \"%1\"")
                .arg(c.Quantidade));
    const std::optional<int> prio = Inteiro(textoPrio);
    if (!prio)
        throw Recusa(NaoInteiro(QStringLiteral("Prioridade"), textoPrio));
    const std::optional<int> folga = Inteiro(c.Folga);
    if (!folga)
        throw Recusa(NaoInteiro(QStringLiteral("Folga"), c.Folga));
    if (*fim < *ini)
        throw Recusa(QStringLiteral("O Final do Serviço (%1) não pode ser anterior ao Início "
                                    "do Serviço (%2)")
                         .arg(c.Fim, c.Inicio));

    TipoVetSv novo = atual;
    novo.CodSv = cod;
    novo.Descr = c.Descricao.left(8);
    novo.Quant = *quant;
    novo.Prio = *prio;
    novo.Ini = *ini;
    novo.Fim = *fim;
    novo.Folga = *folga;
    novo.TipoSv = TipoDoItem(c.Tipo);
    Grava(s, cod, novo, false);
    if (novo.Descr != c.Descricao)
        s.dialogos.Aviso(QStringLiteral("A descrição \"%1\" tem mais de 8 caracteres: foi gravada "
                                        "como \"%2\".")
                             .arg(c.Descricao, novo.Descr));
    return ResultadoServico::Gravado;
}

QString LinhaRelacao(const Sistema& s, int cod) {
    return QString::number(cod) + QStringLiteral(" - ") + s.VetSv[cod].Descr;
}
