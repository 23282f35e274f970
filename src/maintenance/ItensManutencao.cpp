#include "maintenance/ItensManutencao.h"

#include "model/Sistema.h"

#include <QSet>

#include <algorithm>

namespace {

// Rows 1.. of a loaded rotation, up to the first empty one (at most 500).
int UltimaLinha(const GradeTexto& g) {
    return std::min(g.PrimeiraVazia() - 1, 500);
}

void RecarregaCadastro(Sistema& s) {
    CarregaVetBas(s, Banco::Principal);
    CarregaVetSv(s, Banco::Principal);
}

} // namespace

void ExcluiHistoricoAntigo(Sistema& s) {
    s.dialogos.Aviso(QStringLiteral(
        "                                                 CUIDADO !\n\nEsta opção irá eliminar os "
        "dados do Arquivo Histórico anteriores a  determinada Data\nSe você tiver dúvidas, "
        "melhor clicar em CANCEL"));
    const std::optional<QString> resposta = s.dialogos.Pergunta(
        QStringLiteral("Apagar registros antigos"),
        QStringLiteral("Primeiro dia que permacecerá no Histórico (dd/mm/aa): "), QString());
    if (!resposta || resposta->isEmpty())
        return;
    const std::optional<Data> dia = s.LeData(*resposta);
    if (!dia) {
        s.dialogos.Aviso(*resposta + QStringLiteral(" >>> Data inválida"));
        return;
    }
    DMGeral::Transacao t(s.dm, Banco::Principal);
    t.Registra(QStringLiteral("Apagar registros antigos do histórico"),
               QStringLiteral("anteriores a %1").arg(dia->Texto()));
    s.dm.ApagaHistAntesDe(*dia);
    t.Confirma();
}

QStringList MilitaresForaDasEscalas(Sistema& s) {
    RecarregaCadastro(s);
    QSet<QString> nasEscalas;
    for (int n = 1; n <= 30; ++n) {
        if (!s.VetSv[n].Definido())
            continue;
        const GradeTexto& g = RecarregaGrade(s, n);
        const int ultima = UltimaLinha(g);
        for (int r = 1; r <= ultima; ++r)
            nasEscalas.insert(g.Cel(0, r));
    }
    QStringList lista;
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        if (!nasEscalas.contains(s.VetBas[a].Num))
            lista << s.VetBas[a].Num;
    if (lista.isEmpty())
        lista << QString::fromUtf8(SemRegistrosCadastrados);
    return lista;
}

QStringList NaoCadastradosNasEscalas(Sistema& s) {
    RecarregaCadastro(s);
    QSet<QString> cadastrados;
    for (int a = 1; a <= 1000; ++a)
        if (!s.VetBas[a].Num.isEmpty())
            cadastrados.insert(s.VetBas[a].Num);
    QStringList lista;
    for (int n = 1; n <= 30; ++n) {
        if (!s.VetSv[n].Definido())
            continue;
        GradeTexto& g = RecarregaGrade(s, n);
        const int ultima = UltimaLinha(g);
        for (int r = 1; r <= ultima; ++r) {
            if (cadastrados.contains(g.Cel(0, r)))
                continue;
            lista << g.Cel(0, r);
            g.DefineCel(0, r, QString()); // the save leaves the row out
        }
    }
    if (lista.isEmpty())
        return {QString::fromUtf8(SemRegistrosNaoCadastrados)};
    GravaGrades(s, Banco::Principal);
    return lista;
}

void AvisoManual(Sistema& s) {
    s.dialogos.Aviso(QStringLiteral("               Para obter o Manual do Sistema:\n\n"
                                    "1. impresso:  baixar o arquivo no site ") +
                     QString::fromUtf8(EnderecoManual) +
                     QStringLiteral("\n2. na tela :  clicar em qualquer local do painel que "
                                    "estiver aberto no momento"));
}

std::pair<Data, Data> ReleDepoisDaCopia(Sistema& s) {
    s.UltimaEscala = s.pasta.LeUltimaEscala();
    return s.pasta.LeDataIniFim();
}
